#pragma once

#include "serial/LinkResult.h"

#include <cstddef>
#include <cstdint>
#include <memory>

class SerialPlatform;

// The port operations the program needs, and no more. The real link is the
// system's own (QSerialPort on Linux, the Win32 communications API on
// Windows); tests use a recording fake or the real link on a pseudo-terminal.
class SerialLink
{
public:
    virtual ~SerialLink() = default;

    virtual void setPortNumber(int portNumber) = 0;
    virtual int portNumber() const = 0;

    // 2400 baud, 8 data bits, no parity, 1 stop bit, no flow control.
    // Takes effect at the next open.
    virtual void configureLine() = 0;

    // A failed open leaves the port closed.
    virtual LinkResult open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // May be set while closed; it then applies from the moment the port opens.
    virtual void setDtr(bool asserted) = 0;

    // Returns once every byte is in the operating system's hands. After a
    // failed write nothing more is written, and the port's owner closes it
    // (the close then does not wait for bytes that will not leave).
    virtual LinkResult write(const std::uint8_t *data, std::size_t size) = 0;
};

// Passes every operation on to another link; a wrapper overrides the few it
// changes.
class ForwardingLink : public SerialLink
{
public:
    explicit ForwardingLink(SerialLink &link) : m_link(link) {}

    void setPortNumber(int portNumber) override { m_link.setPortNumber(portNumber); }
    int portNumber() const override { return m_link.portNumber(); }
    void configureLine() override { m_link.configureLine(); }
    LinkResult open() override { return m_link.open(); }
    void close() override { m_link.close(); }
    bool isOpen() const override { return m_link.isOpen(); }
    void setDtr(bool asserted) override { m_link.setDtr(asserted); }
    LinkResult write(const std::uint8_t *data, std::size_t size) override { return m_link.write(data, size); }

protected:
    SerialLink &m_link;
};

// This system's serial link, with port numbers as the platform maps them;
// defined once per system, beside the link.
std::unique_ptr<SerialLink> MakeSystemSerialLink(const SerialPlatform &platform);
