#pragma once

#include "serial/SystemSerialLink.h"
#include "serial/windows/Win32CommApi.h"

#include <memory>

class RemovalWatch;

// The serial link on Windows, on the Win32 communications API.
class Win32SerialLink final : public SystemSerialLink
{
public:
    // Makes its calls through api, which outlives the link; tells `removal`,
    // where given, of each handle it opens and closes.
    Win32SerialLink(const SerialPlatform &platform, Win32CommApi &api, RemovalWatch *removal = nullptr);
    // The calls themselves, and the platform's removal watch if it has one.
    explicit Win32SerialLink(const SerialPlatform &platform);
    ~Win32SerialLink() override;

    Win32SerialLink(const Win32SerialLink &) = delete;
    Win32SerialLink &operator=(const Win32SerialLink &) = delete;

private:
    std::optional<OpenFailure> openDevice(const std::string &path, bool dtr) override;
    void closeDevice() override;
    bool deviceIsOpen() const override { return m_handle != INVALID_HANDLE_VALUE; }
    void setDeviceDtr(bool asserted) override;
    std::optional<std::string> writeDevice(const std::uint8_t *data, std::size_t size) override;
    long queuedBytes() const override;

    bool setUpLine(bool dtr);
    std::string systemText(DWORD code) const;

    std::unique_ptr<Win32CommApi> m_ownedApi;
    Win32CommApi &m_api;
    RemovalWatch *m_removal;
    HANDLE m_handle = INVALID_HANDLE_VALUE;
};
