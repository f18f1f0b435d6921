#include "serial/QtSerialLink.h"

#include "serial/SerialPlatform.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {
// A handful of bytes at 2400 baud leave in tens of milliseconds; anything
// still queued after this is stuck, and waiting longer only hangs the window.
constexpr auto kWriteTimeout = 1000ms;
constexpr auto kDrainLimit = 500ms;
constexpr auto kDrainPollInterval = 5ms;
} // namespace

QtSerialLink::QtSerialLink(const SerialPlatform &platform) : m_platform(platform) {}

QtSerialLink::~QtSerialLink()
{
    if (m_port.isOpen())
        close();
}

void QtSerialLink::setPortNumber(int portNumber)
{
    m_portNumber = portNumber;
    m_devicePath = m_platform.devicePathForPort(portNumber);
}

void QtSerialLink::configureLine()
{
    // On a closed port these are only stored; QSerialPort applies them when
    // it opens, so the line is right from the first byte.
    m_port.setBaudRate(QSerialPort::Baud2400, QSerialPort::AllDirections);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
}

LinkResult QtSerialLink::open()
{
    if (m_port.isOpen())
        return resultFor(LinkError::None);
    if (m_devicePath.empty())
        return resultFor(LinkError::NoDeviceForPort);
    if (m_platform.isSystemConsole(m_devicePath))
        return resultFor(LinkError::SystemConsole);

    m_port.setPortName(QString::fromStdString(m_devicePath));
    if (!m_port.open(QIODevice::WriteOnly)) {
        LinkResult failure = resultFor(classifyOpenFailure(m_port.error()), m_port.errorString().toStdString());
        m_port.clearError();
        return failure;
    }
    applyDtr();
    return resultFor(LinkError::None);
}

void QtSerialLink::close()
{
    if (!m_port.isOpen())
        return;
    letQueuedBytesLeave();
    m_port.close();
    m_port.clearError();
}

bool QtSerialLink::isOpen() const
{
    return m_port.isOpen();
}

void QtSerialLink::setDtr(bool asserted)
{
    // QSerialPort cannot touch modem lines on a closed port: remember the
    // wish and apply it as soon as the port opens.
    if (m_port.isOpen() && m_dtrWanted && !asserted)
        letQueuedBytesLeave();
    m_dtrWanted = asserted;
    if (m_port.isOpen())
        applyDtr();
}

LinkResult QtSerialLink::write(const std::uint8_t *data, std::size_t size)
{
    if (!m_port.isOpen())
        return resultFor(LinkError::NotOpen);

    const auto length = static_cast<qint64>(size);
    bool written = m_port.write(reinterpret_cast<const char *>(data), length) == length;
    // QSerialPort buffers until the event loop runs; push the bytes to the
    // operating system now so the pause that follows is measured from there.
    if (written) {
        m_port.flush();
        while (written && m_port.bytesToWrite() > 0)
            written = m_port.waitForBytesWritten(static_cast<int>(kWriteTimeout.count()));
    }
    if (written && m_port.error() == QSerialPort::NoError)
        return resultFor(LinkError::None);

    // A failed write means the device is gone (an unplugged adapter):
    // QSerialPort leaves the port open, so close it here.
    std::string reason = m_port.errorString().toStdString();
    if (m_port.error() == QSerialPort::NoError)
        reason = "the port did not take the bytes";
    m_port.close();
    m_port.clearError();
    return resultFor(LinkError::WriteFailed, reason);
}

LinkResult QtSerialLink::resultFor(LinkError error, std::string systemText) const
{
    LinkResult result;
    result.error = error;
    result.portNumber = m_portNumber;
    result.devicePath = m_devicePath;
    result.systemText = std::move(systemText);
    return result;
}

LinkError QtSerialLink::classifyOpenFailure(QSerialPort::SerialPortError error) const
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError: return LinkError::NoSuchDevice;
    case QSerialPort::PermissionError:
        // QSerialPort reports a device held by another program (its lock
        // file, or an exclusive open) as a permission error too; tell them
        // apart by asking whether we may write the device at all.
        if (::access(m_devicePath.c_str(), W_OK) != 0 && errno == EACCES)
            return LinkError::PermissionDenied;
        return LinkError::InUse;
    default:
        // The kernel keeps nodes for on-board ports that have no chip; opening
        // one fails with EIO, which QSerialPort passes on only as its text.
        if (m_port.errorString() == QString::fromLocal8Bit(std::strerror(EIO)))
            return LinkError::NoSerialPort;
        return LinkError::OpenFailed;
    }
}

void QtSerialLink::applyDtr()
{
    // Pseudo-terminals and some adapters have no modem lines; that is no
    // reason to refuse the port.
    m_port.setDataTerminalReady(m_dtrWanted);
    m_port.clearError();
}

void QtSerialLink::letQueuedBytesLeave()
{
    // Closing restores the line settings the port had before we opened it,
    // at once, and would garble bytes still in the driver's queue.
    const auto deadline = std::chrono::steady_clock::now() + kDrainLimit;
    while (std::chrono::steady_clock::now() < deadline) {
        int queued = 0;
        if (::ioctl(m_port.handle(), TIOCOUTQ, &queued) != 0 || queued <= 0)
            return;
        std::this_thread::sleep_for(kDrainPollInterval);
    }
}

std::unique_ptr<SerialLink> MakeSystemSerialLink(const SerialPlatform &platform)
{
    return std::make_unique<QtSerialLink>(platform);
}
