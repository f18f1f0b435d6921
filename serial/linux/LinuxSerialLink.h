#pragma once

#include "serial/SystemSerialLink.h"

#include <QSerialPort>

// The serial link on Linux: QSerialPort opens and writes, termios tells what
// is still queued.
class LinuxSerialLink final : public SystemSerialLink
{
public:
    using SystemSerialLink::SystemSerialLink;
    ~LinuxSerialLink() override;

    LinuxSerialLink(const LinuxSerialLink &) = delete;
    LinuxSerialLink &operator=(const LinuxSerialLink &) = delete;

private:
    std::optional<OpenFailure> openDevice(const std::string &path, bool dtr) override;
    void closeDevice() override;
    bool deviceIsOpen() const override { return m_port.isOpen(); }
    void setDeviceDtr(bool asserted) override;
    std::optional<std::string> writeDevice(const std::uint8_t *data, std::size_t size) override;
    long queuedBytes() const override;

    LinkError classifyOpenFailure(QSerialPort::SerialPortError error) const;

    QSerialPort m_port;
};

// The board's line on a QSerialPort, for every program here that opens one.
void SetBoardLine(QSerialPort &port);
