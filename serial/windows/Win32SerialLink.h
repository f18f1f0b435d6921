#pragma once

#include "serial/SerialLink.h"
#include "serial/windows/Win32CommApi.h"

#include <memory>
#include <string>

class SerialPlatform;

// The serial link on Windows, on the Win32 communications API.
class Win32SerialLink final : public SerialLink
{
public:
    explicit Win32SerialLink(const SerialPlatform &platform);
    // Makes its calls through api, which outlives the link.
    Win32SerialLink(const SerialPlatform &platform, Win32CommApi &api);
    ~Win32SerialLink() override;

    Win32SerialLink(const Win32SerialLink &) = delete;
    Win32SerialLink &operator=(const Win32SerialLink &) = delete;

    void setPortNumber(int portNumber) override;
    int portNumber() const override { return m_portNumber; }
    void configureLine() override;
    LinkResult open() override;
    void close() override;
    bool isOpen() const override { return m_handle != INVALID_HANDLE_VALUE; }
    void setDtr(bool asserted) override;
    LinkResult write(const std::uint8_t *data, std::size_t size) override;

private:
    LinkResult resultFor(LinkError error, std::string text = {}) const;
    std::string systemText(DWORD code) const;
    bool setUpLine();
    void applyDtr();
    void letQueuedBytesLeave();
    void closeHandle();

    const SerialPlatform &m_platform;
    std::unique_ptr<Win32CommApi> m_ownedApi;
    Win32CommApi &m_api;
    HANDLE m_handle = INVALID_HANDLE_VALUE;
    int m_portNumber = 0;
    std::string m_devicePath;
    bool m_dtrWanted = false;
};
