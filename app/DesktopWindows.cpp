#include "Desktop.h"

#include <QDateTime>
#include <QLoggingCategory>
#include <QString>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdio>
#include <string>

namespace {
// Set by whoever started the program: a file, a pipe or a console.
bool alreadyLeadsSomewhere(DWORD which)
{
    const HANDLE handle = ::GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && ::GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// The status log, for whoever helps an operator from afar. Started from a
// Command Prompt (through scoreboard.com, which passes it on) or with its
// errors redirected, the program writes it to standard error; started from
// the Start menu or Explorer it has none, and writes it to
// %LOCALAPPDATA%\scoreboard\status.log, begun anew at each start with the
// last run's kept as status.previous.log.
bool g_statusToStandardError = false;
std::FILE *g_statusFile = nullptr;
QtMessageHandler g_otherMessages = nullptr;

std::FILE *openStatusFile()
{
    wchar_t localAppData[MAX_PATH];
    const DWORD length = ::GetEnvironmentVariableW(L"LOCALAPPDATA", localAppData, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    const std::wstring folder = std::wstring(localAppData) + L"\\scoreboard";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring log = folder + L"\\status.log";
    ::MoveFileExW(log.c_str(), (folder + L"\\status.previous.log").c_str(), MOVEFILE_REPLACE_EXISTING);
    return ::_wfopen(log.c_str(), L"w");
}

void logStatus(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (qstrcmp(context.category, "scoreboard.status") != 0) {
        g_otherMessages(type, context, text);
        return;
    }
    if (g_statusToStandardError) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(qFormatLogMessage(type, context, text)));
        std::fflush(stderr);
        return;
    }
    if (!g_statusFile && !(g_statusFile = openStatusFile()))
        return;
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    std::fprintf(g_statusFile, "%s %s\n", qUtf8Printable(stamp), qUtf8Printable(text));
    std::fflush(g_statusFile);
}
} // namespace

void UseCallersTerminal()
{
    // A program without a console window of its own starts with nowhere to
    // print unless its caller redirected the output ("--list-ports >
    // ports.txt", a pipe, scoreboard.com); what is not redirected goes to the
    // console of the program that started it, if there is one. The prompt
    // does not wait for such a program: typed as "scoreboard", cmd starts
    // scoreboard.com instead, which waits.
    const bool outputSet = alreadyLeadsSomewhere(STD_OUTPUT_HANDLE);
    const bool errorsSet = alreadyLeadsSomewhere(STD_ERROR_HANDLE);

    // A console attached below is let go once the window opens, so only
    // errors set by the caller carry the status log.
    g_statusToStandardError = errorsSet;
    QLoggingCategory::setFilterRules(QStringLiteral("scoreboard.status.info=true"));
    g_otherMessages = qInstallMessageHandler(logStatus);

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
