// scoreboard.com, beside scoreboard.exe: what a Command Prompt starts when
// "scoreboard" is typed, since PATHEXT lists .COM before .EXE. scoreboard.exe
// is a window program, which cmd does not wait for: what it prints would land
// after the next prompt. This console program runs it with the same
// arguments, passes on what it prints (UTF-16 to a console, which would show
// UTF-8 bytes in its own code page; the bytes as they are where the output
// is redirected), and ends with its exit status once it has ended. Ctrl+C
// closes its window, as the window's close button does.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

namespace {
DWORD g_program = 0; // the process id of scoreboard.exe

// Everything after the program's own name, as typed.
const wchar_t *argumentsOf(const wchar_t *commandLine)
{
    const wchar_t *at = commandLine;
    if (*at == L'"') {
        for (++at; *at && *at != L'"'; ++at) {
        }
        if (*at)
            ++at;
    } else {
        while (*at && *at != L' ' && *at != L'\t')
            ++at;
    }
    while (*at == L' ' || *at == L'\t')
        ++at;
    return at;
}

// How many of the bytes make whole UTF-8 characters: a read may end inside
// one.
std::size_t wholeCharacters(const std::string &bytes)
{
    for (std::size_t back = 1; back <= 4 && back <= bytes.size(); ++back) {
        const auto byte = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if ((byte & 0xC0) == 0x80)
            continue; // inside a character
        const std::size_t length = byte < 0x80 ? 1 : byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? bytes.size() - back : bytes.size();
    }
    return bytes.size();
}

void writeToConsole(HANDLE console, const std::string &utf8)
{
    if (utf8.empty())
        return;
    std::wstring text(utf8.size(), L'\0');
    text.resize(
        std::size_t(::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), text.data(), int(text.size()))));
    DWORD written = 0;
    ::WriteConsoleW(console, text.data(), DWORD(text.size()), &written, nullptr);
}

// One of the program's outputs, read from our end of its pipe as it comes
// and passed on to ours.
struct Stream
{
    HANDLE pipe = INVALID_HANDLE_VALUE; // ours, read overlapped
    HANDLE to = nullptr;
    bool toConsole = false;
    OVERLAPPED read = {};
    char buffer[4096];
    std::string pending; // a character split between two reads
    bool reading = false;

    void passOn(DWORD got)
    {
        if (!toConsole) {
            DWORD written = 0;
            ::WriteFile(to, buffer, got, &written, nullptr);
            return;
        }
        pending.append(buffer, got);
        const std::size_t whole = wholeCharacters(pending);
        writeToConsole(to, pending.substr(0, whole));
        pending.erase(0, whole);
    }
    // Reads on until a read has to wait, or the pipe has ended.
    void readOn()
    {
        DWORD got = 0;
        for (;;) {
            if (reading && !::GetOverlappedResult(pipe, &read, &got, FALSE)) {
                if (::GetLastError() != ERROR_IO_INCOMPLETE)
                    end();
                return;
            }
            if (reading)
                passOn(got);
            reading = true;
            if (!::ReadFile(pipe, buffer, sizeof buffer, nullptr, &read) && ::GetLastError() != ERROR_IO_PENDING)
                return end();
        }
    }
    void end()
    {
        reading = false;
        ::ResetEvent(read.hEvent); // nothing more to wait for here
    }
    // The program has ended: what it wrote is all in the pipe, or read.
    void finish()
    {
        DWORD got = 0;
        if (reading) {
            ::CancelIoEx(pipe, &read);
            if (::GetOverlappedResult(pipe, &read, &got, TRUE))
                passOn(got);
        }
        writeToConsole(to, pending);
    }
};

// A pipe whose far end the program writes as its standard output or
// errors; that end is returned, inheritable.
HANDLE makePipe(Stream &stream, const wchar_t *which, HANDLE to)
{
    const std::wstring name = L"\\\\.\\pipe\\scoreboard-" + std::to_wstring(::GetCurrentProcessId()) + which;
    stream.pipe =
        ::CreateNamedPipeW(name.c_str(), PIPE_ACCESS_INBOUND | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
                           PIPE_TYPE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, 1, 4096, 4096, 0, nullptr);
    stream.read.hEvent = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    stream.to = to;
    DWORD mode = 0;
    stream.toConsole = ::GetConsoleMode(to, &mode);
    SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
    return stream.pipe == INVALID_HANDLE_VALUE
               ? INVALID_HANDLE_VALUE
               : ::CreateFileW(name.c_str(), GENERIC_WRITE, 0, &inherited, OPEN_EXISTING, 0, nullptr);
}

BOOL CALLBACK closeWindow(HWND window, LPARAM)
{
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process == g_program && ::IsWindowVisible(window))
        ::PostMessageW(window, WM_CLOSE, 0, 0);
    return TRUE;
}

BOOL WINAPI interrupted(DWORD)
{
    ::EnumWindows(closeWindow, 0);
    return TRUE; // this program ends when scoreboard.exe does
}

void say(const std::wstring &text)
{
    const std::wstring line = L"scoreboard: " + text + L"\r\n";
    const HANDLE errors = ::GetStdHandle(STD_ERROR_HANDLE);
    DWORD mode = 0;
    DWORD written = 0;
    if (::GetConsoleMode(errors, &mode)) {
        ::WriteConsoleW(errors, line.data(), DWORD(line.size()), &written, nullptr);
        return;
    }
    std::string utf8(line.size() * 3, '\0');
    utf8.resize(std::size_t(::WideCharToMultiByte(CP_UTF8, 0, line.data(), int(line.size()), utf8.data(),
                                                  int(utf8.size()), nullptr, nullptr)));
    ::WriteFile(errors, utf8.data(), DWORD(utf8.size()), &written, nullptr);
}
} // namespace

int main()
{
    std::wstring program(MAX_PATH, L'\0');
    DWORD length;
    while ((length = ::GetModuleFileNameW(nullptr, program.data(), DWORD(program.size()))) == program.size())
        program.resize(program.size() * 2);
    program.resize(length);
    program.replace(program.rfind(L'.'), std::wstring::npos, L".exe");
    std::wstring commandLine = L"\"" + program + L"\" " + argumentsOf(::GetCommandLineW());

    Stream streams[2];
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = makePipe(streams[0], L"-output", ::GetStdHandle(STD_OUTPUT_HANDLE));
    startup.hStdError = makePipe(streams[1], L"-errors", ::GetStdHandle(STD_ERROR_HANDLE));
    if (startup.hStdOutput == INVALID_HANDLE_VALUE || startup.hStdError == INVALID_HANDLE_VALUE) {
        say(L"cannot make a pipe");
        return 1;
    }
    PROCESS_INFORMATION started = {};
    if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                          &started)) {
        say(L"cannot start " + program);
        return 1;
    }
    g_program = started.dwProcessId;
    ::SetConsoleCtrlHandler(interrupted, TRUE);
    ::CloseHandle(startup.hStdOutput);
    ::CloseHandle(startup.hStdError);

    // Until the program ends, not until its pipes do: a process started on
    // its behalf may hold them open long after (under Wine, the desktop
    // process that its first window starts). The pipes come first, so that
    // all the program wrote is passed on before its end is seen.
    for (Stream &stream : streams)
        stream.readOn();
    const HANDLE events[3] = {streams[0].read.hEvent, streams[1].read.hEvent, started.hProcess};
    for (DWORD signalled; (signalled = ::WaitForMultipleObjects(3, events, FALSE, INFINITE)) < WAIT_OBJECT_0 + 2;)
        streams[signalled - WAIT_OBJECT_0].readOn();
    for (Stream &stream : streams)
        stream.finish();
    DWORD status = 1;
    ::GetExitCodeProcess(started.hProcess, &status);
    return int(status);
}
