#include "serial/SystemSerialLink.h"

#include "serial/SerialPlatform.h"

#include <QCoreApplication>

#include <thread>

using namespace std::chrono_literals;

namespace {
constexpr auto kDrainLimit = 500ms;
constexpr auto kDrainPollInterval = 5ms;
} // namespace

SystemSerialLink::SystemSerialLink(const SerialPlatform &platform) : m_platform(platform) {}

void SystemSerialLink::setPortNumber(int portNumber)
{
    m_portNumber = portNumber;
    m_devicePath = m_platform.devicePathForPort(portNumber);
}

LinkResult SystemSerialLink::open()
{
    if (deviceIsOpen())
        return resultFor(LinkError::None);
    if (m_devicePath.empty())
        return resultFor(LinkError::NoDeviceForPort);
    if (auto failure = openDevice(m_devicePath, m_dtrWanted))
        return resultFor(failure->error, std::move(failure->systemText));
    return resultFor(LinkError::None);
}

void SystemSerialLink::close()
{
    if (!deviceIsOpen())
        return;
    if (!m_broken)
        letQueuedBytesLeave();
    closeDevice();
    m_broken = false;
}

void SystemSerialLink::setDtr(bool asserted)
{
    if (deviceIsOpen() && m_dtrWanted && !asserted && !m_broken)
        letQueuedBytesLeave();
    m_dtrWanted = asserted;
    if (deviceIsOpen())
        setDeviceDtr(asserted);
}

LinkResult SystemSerialLink::write(const std::uint8_t *data, std::size_t size)
{
    if (!deviceIsOpen())
        return resultFor(LinkError::NotOpen);
    if (m_broken)
        return resultFor(LinkError::WriteFailed, m_brokenText);
    auto failure = writeDevice(data, size);
    if (!failure)
        return resultFor(LinkError::None);
    // The device is gone (an unplugged adapter) or the line is stuck: its
    // queue will not drain. The port is closed by its owner, on the thread
    // that opened it (the send ran on another), without waiting for it.
    m_broken = true;
    m_brokenText =
        !failure->empty()
            ? *failure
            //: Said in brackets after "port 3 stopped working", where the system gave no reason
            : QCoreApplication::translate("SystemSerialLink", "the port did not take the bytes").toStdString();
    return resultFor(LinkError::WriteFailed, m_brokenText);
}

LinkResult SystemSerialLink::resultFor(LinkError error, std::string systemText) const
{
    LinkResult result;
    result.error = error;
    result.portNumber = m_portNumber;
    result.devicePath = m_devicePath;
    result.systemText = std::move(systemText);
    return result;
}

void SystemSerialLink::letQueuedBytesLeave()
{
    // Closing the port or dropping DTR would cut off bytes still queued (on
    // Linux, closing also restores the line settings at once and garbles
    // them).
    const auto deadline = std::chrono::steady_clock::now() + kDrainLimit;
    while (queuedBytes() > 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(kDrainPollInterval);
}
