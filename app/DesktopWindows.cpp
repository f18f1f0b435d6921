#include "Desktop.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdio>

namespace {
// Set by whoever started the program: a file, a pipe or a console.
bool alreadyLeadsSomewhere(DWORD which)
{
    const HANDLE handle = ::GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && ::GetFileType(handle) != FILE_TYPE_UNKNOWN;
}
} // namespace

void UseCallersTerminal()
{
    // A program without a console window of its own starts with nowhere to
    // print unless its caller redirected the output ("--list-ports >
    // ports.txt", a pipe); what is not redirected goes to the console of the
    // program that started it, if there is one.
    const bool outputSet = alreadyLeadsSomewhere(STD_OUTPUT_HANDLE);
    const bool errorsSet = alreadyLeadsSomewhere(STD_ERROR_HANDLE);
    if ((outputSet && errorsSet) || !::AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (!outputSet)
        std::freopen("CONOUT$", "w", stdout);
    if (!errorsSet)
        std::freopen("CONOUT$", "w", stderr);
}

void QuitWhenTheSessionEnds(QCoreApplication &)
{
    // Qt does what Windows asks. "End task" and taskkill send the window
    // WM_CLOSE, which closes it as its close button does. At log-off and
    // shut-down Qt 6.4 answers WM_QUERYENDSESSION itself and on WM_ENDSESSION
    // emits aboutToQuit and quits the event loop; Windows may end the process
    // once that message returns, which closes the port's handle.
    //
    // A console the program attached to for its command line is not its
    // session: as with any Windows program, Ctrl+C there or closing it must
    // not end the window.
    ::FreeConsole();
}
