#pragma once

#include "serial/SerialLink.h"

#include <QSerialPort>

#include <string>

class SerialPlatform;

// The serial link on Linux, through QSerialPort.
class QtSerialLink final : public SerialLink
{
public:
    explicit QtSerialLink(const SerialPlatform &platform);
    ~QtSerialLink() override;

    QtSerialLink(const QtSerialLink &) = delete;
    QtSerialLink &operator=(const QtSerialLink &) = delete;

    void setPortNumber(int portNumber) override;
    int portNumber() const override { return m_portNumber; }
    void configureLine() override;
    LinkResult open() override;
    void close() override;
    bool isOpen() const override;
    void setDtr(bool asserted) override;
    LinkResult write(const std::uint8_t *data, std::size_t size) override;

private:
    LinkResult resultFor(LinkError error, std::string systemText = {}) const;
    LinkError classifyOpenFailure(QSerialPort::SerialPortError error) const;
    void applyDtr();
    void letQueuedBytesLeave();

    const SerialPlatform &m_platform;
    QSerialPort m_port;
    int m_portNumber = 0;
    std::string m_devicePath;
    bool m_dtrWanted = false;
};
