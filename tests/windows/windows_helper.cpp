// What the Windows end-to-end test asks of Windows itself, under Wine:
//
//   windows_helper replug PORT
//       Once a line comes on standard input, tells every top-level window, as
//       Windows does, that PORT ("COM1") was removed, says "removed" once
//       every window has answered that and, a moment later, tells them that
//       it arrived again.
//   windows_helper start PROGRAM [ARGUMENT]...
//       Starts PROGRAM with no standard input, output or errors, as the Start
//       menu and Explorer do, and exits with its exit status.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <dbt.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>

namespace {
const wchar_t *g_port = nullptr;

bool broadcast(WPARAM event)
{
    DEV_BROADCAST_PORT_W notice[4] = {}; // room for the name
    notice[0].dbcp_size = DWORD(sizeof(DEV_BROADCAST_PORT_W) + std::wcslen(g_port) * sizeof(wchar_t));
    notice[0].dbcp_devicetype = DBT_DEVTYP_PORT;
    std::wcscpy(notice[0].dbcp_name, g_port);
    DWORD_PTR answer = 0;
    return ::SendMessageTimeoutW(HWND_BROADCAST, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(notice), SMTO_NORMAL,
                                 10000, &answer) != 0;
}

int replug(const wchar_t *port)
{
    g_port = port;
    std::puts("ready");
    std::fflush(stdout);
    char line[16];
    if (!std::fgets(line, sizeof line, stdin))
        return 1;
    const bool removed = broadcast(DBT_DEVICEREMOVECOMPLETE);
    std::puts(removed ? "removed" : "not answered");
    std::fflush(stdout);
    ::Sleep(300); // time enough for the program to look in between
    return removed && broadcast(DBT_DEVICEARRIVAL) ? 0 : 1;
}

int start(int count, wchar_t **arguments)
{
    std::wstring commandLine;
    for (int i = 0; i < count; ++i)
        commandLine += (i ? L" \"" : L"\"") + std::wstring(arguments[i]) + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES; // all three none
    PROCESS_INFORMATION started = {};
    if (!::CreateProcessW(arguments[0], commandLine.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr, nullptr,
                          &startup, &started))
        return 1;
    ::WaitForSingleObject(started.hProcess, INFINITE);
    DWORD status = 1;
    ::GetExitCodeProcess(started.hProcess, &status);
    return int(status);
}
} // namespace

int main()
{
    int count = 0;
    wchar_t **arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (count == 3 && std::wcscmp(arguments[1], L"replug") == 0)
        return replug(arguments[2]);
    if (count >= 3 && std::wcscmp(arguments[1], L"start") == 0)
        return start(count - 2, arguments + 2);
    std::fputs("usage: windows_helper replug PORT | start PROGRAM [ARGUMENT]...\n", stderr);
    return 2;
}
