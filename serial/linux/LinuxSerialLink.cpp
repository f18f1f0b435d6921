#include "serial/linux/LinuxSerialLink.h"

#include "serial/BoardLine.h"

#include <cerrno>
#include <cstring>

#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

void SetBoardLine(QSerialPort &port)
{
    // On a closed port these are only stored; QSerialPort applies them as it
    // opens.
    port.setBaudRate(BoardLine::kBaudRate, QSerialPort::AllDirections);
    port.setDataBits(QSerialPort::DataBits(BoardLine::kDataBits));
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::StopBits(BoardLine::kStopBits));
    port.setFlowControl(QSerialPort::NoFlowControl);
}

LinuxSerialLink::~LinuxSerialLink()
{
    close();
}

std::optional<SystemSerialLink::OpenFailure> LinuxSerialLink::openDevice(const std::string &path, bool dtr)
{
    SetBoardLine(m_port);
    m_port.setPortName(QString::fromStdString(path));
    if (!m_port.open(QIODevice::WriteOnly)) {
        OpenFailure failure{classifyOpenFailure(m_port.error()), m_port.errorString().toStdString()};
        m_port.clearError();
        return failure;
    }
    // QSerialPort cannot touch modem lines on a closed port: DTR goes up (or
    // stays down) right after the open.
    setDeviceDtr(dtr);
    return std::nullopt;
}

void LinuxSerialLink::closeDevice()
{
    m_port.close();
    m_port.clearError();
}

void LinuxSerialLink::setDeviceDtr(bool asserted)
{
    m_port.setDataTerminalReady(asserted);
    m_port.clearError();
}

std::optional<std::string> LinuxSerialLink::writeDevice(const std::uint8_t *data, std::size_t size)
{
    // Written on the descriptor, not through QSerialPort: the board line's
    // thread writes while the port object belongs to the program's thread,
    // and QSerialPort's buffered writes would arm a notifier there. The
    // bytes are in the kernel's hands when write() returns, which is where
    // the pause that follows is measured from.
    const int fd = m_port.handle();
    const auto deadline = std::chrono::steady_clock::now() + kWriteTimeout;
    std::size_t written = 0;
    while (written < size) {
        const ssize_t n = ::write(fd, data + written, size - written);
        if (n > 0) {
            written += std::size_t(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN)
            return std::string(std::strerror(errno));
        // The kernel's queue is full: a stalled line, or flow control.
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return std::string();
        pollfd writable{fd, POLLOUT, 0};
        if (::poll(&writable, 1, int(left.count()) + 1) < 0 && errno != EINTR)
            return std::string(std::strerror(errno));
        if (writable.revents & (POLLERR | POLLHUP | POLLNVAL))
            return std::string(std::strerror(EIO));
    }
    return std::nullopt;
}

long LinuxSerialLink::queuedBytes() const
{
    int queued = 0;
    return ::ioctl(m_port.handle(), TIOCOUTQ, &queued) == 0 ? queued : 0;
}

LinkError LinuxSerialLink::classifyOpenFailure(QSerialPort::SerialPortError error) const
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError: return LinkError::NoSuchDevice;
    case QSerialPort::PermissionError:
        // QSerialPort reports a device held by another program (its lock
        // file, or an exclusive open) as a permission error too; tell them
        // apart by asking whether we may write the device at all.
        if (::access(devicePath().c_str(), W_OK) != 0 && errno == EACCES)
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

std::unique_ptr<SerialLink> MakeSystemSerialLink(const SerialPlatform &platform)
{
    return std::make_unique<LinuxSerialLink>(platform);
}
