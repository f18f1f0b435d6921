#include "serial/windows/Win32SerialLink.h"

#include "serial/SerialPlatform.h"

#include <chrono>
#include <thread>

using namespace std::chrono_literals;

namespace {
// A handful of bytes at 2400 baud leave in tens of milliseconds; anything
// still queued after this is stuck, and waiting longer only hangs the window.
constexpr auto kWriteTimeout = 1000ms;
constexpr auto kDrainLimit = 500ms;
constexpr auto kDrainPollInterval = 5ms;
constexpr DWORD kQueueSize = 4096;
constexpr DWORD kBaudRate = 2400;
constexpr const char *kNothingTaken = "the port did not take the bytes";

std::wstring Widen(const std::string &text)
{
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(std::size_t(length > 0 ? length : 0), L'\0');
    if (length > 0)
        ::MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), wide.data(), length);
    return wide;
}

std::string Utf8(const std::wstring &wide)
{
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string text(std::size_t(length > 0 ? length : 0), '\0');
    if (length > 0)
        ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), text.data(), length, nullptr, nullptr);
    return text;
}

LinkError ClassifyOpenFailure(DWORD code)
{
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return LinkError::NoSuchDevice;
    // Windows opens a COM port for one program at a time and refuses the
    // next one with either of these.
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION: return LinkError::InUse;
    default: return LinkError::OpenFailed;
    }
}
} // namespace

Win32SerialLink::Win32SerialLink(const SerialPlatform &platform)
    : m_platform(platform), m_ownedApi(std::make_unique<SystemWin32CommApi>()), m_api(*m_ownedApi)
{}

Win32SerialLink::Win32SerialLink(const SerialPlatform &platform, Win32CommApi &api) : m_platform(platform), m_api(api)
{}

Win32SerialLink::~Win32SerialLink()
{
    if (isOpen())
        close();
}

void Win32SerialLink::setPortNumber(int portNumber)
{
    m_portNumber = portNumber;
    m_devicePath = m_platform.devicePathForPort(portNumber);
}

void Win32SerialLink::configureLine()
{
    // Nothing to store: open sets the whole line every time.
}

LinkResult Win32SerialLink::open()
{
    if (isOpen())
        return resultFor(LinkError::None);
    if (m_devicePath.empty())
        return resultFor(LinkError::NoDeviceForPort);
    if (m_platform.isSystemConsole(m_devicePath))
        return resultFor(LinkError::SystemConsole);

    // COM10 and above are reachable only by their device namespace name.
    const std::wstring name = L"\\\\.\\" + Widen(m_devicePath);
    // Read-write although we never read: under Wine, SetCommState on a
    // write-only handle fails with "Access denied".
    m_handle = m_api.createFile(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, OPEN_EXISTING, 0);
    if (m_handle == INVALID_HANDLE_VALUE) {
        const DWORD code = m_api.lastError();
        return resultFor(ClassifyOpenFailure(code), systemText(code));
    }
    if (!setUpLine()) {
        const DWORD code = m_api.lastError();
        closeHandle();
        return resultFor(LinkError::OpenFailed, systemText(code));
    }
    return resultFor(LinkError::None);
}

bool Win32SerialLink::setUpLine()
{
    // The queue sizes are only advice to the driver; it may keep its own.
    m_api.setupComm(m_handle, kQueueSize, kQueueSize);

    DCB dcb{};
    dcb.DCBlength = sizeof(dcb);
    if (!m_api.getCommState(m_handle, &dcb))
        return false;
    dcb.BaudRate = kBaudRate;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fTXContinueOnXoff = TRUE;
    dcb.fErrorChar = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
    // RTS goes up as it does when Linux opens a port; DTR is as wished from
    // the moment the port opens, not a moment later.
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    dcb.fDtrControl = m_dtrWanted ? DTR_CONTROL_ENABLE : DTR_CONTROL_DISABLE;
    if (!m_api.setCommState(m_handle, &dcb))
        return false;

    // Reads never wait (we never read); a write gives up on a stuck line
    // rather than hang the window.
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.WriteTotalTimeoutConstant = DWORD(kWriteTimeout.count());
    return m_api.setCommTimeouts(m_handle, &timeouts);
}

void Win32SerialLink::close()
{
    if (!isOpen())
        return;
    letQueuedBytesLeave();
    closeHandle();
}

void Win32SerialLink::setDtr(bool asserted)
{
    if (isOpen() && m_dtrWanted && !asserted)
        letQueuedBytesLeave();
    m_dtrWanted = asserted;
    if (isOpen())
        applyDtr();
}

LinkResult Win32SerialLink::write(const std::uint8_t *data, std::size_t size)
{
    if (!isOpen())
        return resultFor(LinkError::NotOpen);

    // A few bytes fit the UART's FIFO or the adapter's buffer, so this
    // returns long before they are on the wire; the write timeout only bounds
    // a stuck line.
    DWORD written = 0;
    const bool ok = m_api.writeFile(m_handle, data, DWORD(size), &written);
    if (ok && written == size)
        return resultFor(LinkError::None);

    // The device is gone (an unplugged adapter) or the line is stuck: its
    // queue will not drain, so close without waiting for it.
    const DWORD code = ok ? ERROR_SUCCESS : m_api.lastError();
    closeHandle();
    return resultFor(LinkError::WriteFailed, code == ERROR_SUCCESS ? kNothingTaken : systemText(code));
}

LinkResult Win32SerialLink::resultFor(LinkError error, std::string text) const
{
    LinkResult result;
    result.error = error;
    result.portNumber = m_portNumber;
    result.devicePath = m_devicePath;
    result.systemText = std::move(text);
    return result;
}

std::string Win32SerialLink::systemText(DWORD code) const
{
    std::string text = Utf8(m_api.messageFor(code));
    // Shown inside a sentence of our own.
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    if (text.empty())
        text = "system error " + std::to_string(code);
    return text;
}

void Win32SerialLink::applyDtr()
{
    // Pseudo-terminals under Wine answer "Request not supported", and some
    // adapters have no modem lines; neither is a reason to refuse the port.
    m_api.escapeCommFunction(m_handle, m_dtrWanted ? SETDTR : CLRDTR);
}

void Win32SerialLink::letQueuedBytesLeave()
{
    // Closing the port or dropping DTR would cut off bytes still queued.
    const auto deadline = std::chrono::steady_clock::now() + kDrainLimit;
    for (;;) {
        DWORD errors = 0;
        COMSTAT status{};
        if (!m_api.clearCommError(m_handle, &errors, &status) || status.cbOutQue == 0)
            return;
        if (std::chrono::steady_clock::now() >= deadline)
            return;
        std::this_thread::sleep_for(kDrainPollInterval);
    }
}

void Win32SerialLink::closeHandle()
{
    m_api.closeHandle(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
}

std::unique_ptr<SerialLink> MakeSystemSerialLink(const SerialPlatform &platform)
{
    return std::make_unique<Win32SerialLink>(platform);
}
