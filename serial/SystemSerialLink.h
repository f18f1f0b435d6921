#pragma once

#include "serial/SerialLink.h"

#include <chrono>
#include <optional>
#include <string>

class SerialPlatform;

// What the links of both systems share: the port number and the device it
// names, the guards around opening and writing, DTR wished while closed,
// letting queued bytes leave before a close or a DTR drop, and the results.
// Each system supplies the calls on its device.
class SystemSerialLink : public SerialLink
{
public:
    explicit SystemSerialLink(const SerialPlatform &platform);

    void setPortNumber(int portNumber) final;
    int portNumber() const final { return m_portNumber; }
    // The line is set as the device opens, every time, so it is right from
    // the first byte: nothing to store here.
    void configureLine() final {}
    LinkResult open() final;
    void close() final;
    bool isOpen() const final { return deviceIsOpen(); }
    void setDtr(bool asserted) final;
    LinkResult write(const std::uint8_t *data, std::size_t size) final;

protected:
    // A handful of bytes at 2400 baud leave in tens of milliseconds; anything
    // still queued after this is stuck, and waiting longer only hangs the
    // window.
    static constexpr std::chrono::milliseconds kWriteTimeout{1000};

    struct OpenFailure
    {
        LinkError error;
        std::string systemText;
    };

    // Opens the device on the board's line (BoardLine), with DTR as given
    // from the first moment.
    virtual std::optional<OpenFailure> openDevice(const std::string &path, bool dtr) = 0;
    virtual void closeDevice() = 0;
    virtual bool deviceIsOpen() const = 0;
    // Pseudo-terminals and some adapters have no modem lines; that is no
    // reason to refuse the port, so this reports nothing.
    virtual void setDeviceDtr(bool asserted) = 0;
    // Every byte to the system, within kWriteTimeout; the reason it failed
    // otherwise ("" when the system gave none).
    virtual std::optional<std::string> writeDevice(const std::uint8_t *data, std::size_t size) = 0;
    // Bytes still waiting to leave; 0 or less when none or unknown.
    virtual long queuedBytes() const = 0;

    const std::string &devicePath() const { return m_devicePath; }

private:
    LinkResult resultFor(LinkError error, std::string systemText = {}) const;
    void letQueuedBytesLeave();

    const SerialPlatform &m_platform;
    int m_portNumber = 0;
    std::string m_devicePath;
    bool m_dtrWanted = false;
    bool m_broken = false; // a write failed: nothing more is written until the port is closed
    std::string m_brokenText;
};
