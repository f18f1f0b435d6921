#include "serial/windows/Win32SerialLink.h"

#include "serial/BoardLine.h"
#include "serial/windows/RemovalWatch.h"
#include "serial/windows/WideText.h"
#include "serial/windows/WindowsSerialPlatform.h"

#include <QCoreApplication>

namespace {
constexpr DWORD kQueueSize = 4096;

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

Win32SerialLink::Win32SerialLink(const SerialPlatform &platform, Win32CommApi &api, RemovalWatch *removal)
    : SystemSerialLink(platform), m_api(api), m_removal(removal)
{}

Win32SerialLink::Win32SerialLink(const SerialPlatform &platform)
    : SystemSerialLink(platform), m_ownedApi(std::make_unique<SystemWin32CommApi>()), m_api(*m_ownedApi),
      m_removal(RemovalWatchOf(platform))
{}

Win32SerialLink::~Win32SerialLink()
{
    close();
}

std::optional<SystemSerialLink::OpenFailure> Win32SerialLink::openDevice(const std::string &path, bool dtr)
{
    // COM10 and above are reachable only by their device namespace name.
    const std::wstring name = L"\\\\.\\" + Widen(path);
    // Read-write although we never read: under Wine, SetCommState on a
    // write-only handle fails with "Access denied".
    m_handle = m_api.createFile(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, OPEN_EXISTING, 0);
    if (m_handle == INVALID_HANDLE_VALUE) {
        const DWORD code = m_api.lastError();
        return OpenFailure{ClassifyOpenFailure(code), systemText(code)};
    }
    if (!setUpLine(dtr)) {
        const DWORD code = m_api.lastError();
        m_api.closeHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
        return OpenFailure{LinkError::OpenFailed, systemText(code)};
    }
    if (m_removal)
        m_removal->watch(m_handle, path);
    return std::nullopt;
}

bool Win32SerialLink::setUpLine(bool dtr)
{
    // The queue sizes are only advice to the driver; it may keep its own.
    m_api.setupComm(m_handle, kQueueSize, kQueueSize);

    DCB dcb{};
    dcb.DCBlength = sizeof(dcb);
    if (!m_api.getCommState(m_handle, &dcb))
        return false;
    dcb.BaudRate = BoardLine::kBaudRate;
    dcb.ByteSize = BoardLine::kDataBits;
    dcb.Parity = NOPARITY;
    static_assert(BoardLine::kStopBits == 1, "one stop bit, as set here");
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
    dcb.fDtrControl = dtr ? DTR_CONTROL_ENABLE : DTR_CONTROL_DISABLE;
    if (!m_api.setCommState(m_handle, &dcb))
        return false;

    // Reads never wait (we never read); a write gives up on a stuck line
    // rather than hang the window.
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.WriteTotalTimeoutConstant = DWORD(kWriteTimeout.count());
    return m_api.setCommTimeouts(m_handle, &timeouts);
}

void Win32SerialLink::closeDevice()
{
    if (m_removal)
        m_removal->closing(m_handle);
    m_api.closeHandle(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
}

void Win32SerialLink::setDeviceDtr(bool asserted)
{
    // Pseudo-terminals under Wine answer "Request not supported".
    m_api.escapeCommFunction(m_handle, asserted ? SETDTR : CLRDTR);
}

std::optional<std::string> Win32SerialLink::writeDevice(const std::uint8_t *data, std::size_t size)
{
    // A few bytes fit the UART's FIFO or the adapter's buffer, so this
    // returns long before they are on the wire; the write timeout only bounds
    // a stuck line.
    DWORD written = 0;
    if (!m_api.writeFile(m_handle, data, DWORD(size), &written))
        return systemText(m_api.lastError());
    if (written != size)
        return std::string();
    return std::nullopt;
}

long Win32SerialLink::queuedBytes() const
{
    DWORD errors = 0;
    COMSTAT status{};
    return m_api.clearCommError(m_handle, &errors, &status) ? long(status.cbOutQue) : 0;
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
        //: Said in brackets after "cannot open" or "stopped working" where Windows has no words for its error
        //: code %1
        text =
            QCoreApplication::translate("Win32SerialLink", "system error %1").arg(QString::number(code)).toStdString();
    return text;
}

std::unique_ptr<SerialLink> MakeSystemSerialLink(const SerialPlatform &platform)
{
    return std::make_unique<Win32SerialLink>(platform);
}
