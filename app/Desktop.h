#pragma once

class QCoreApplication;

// How the program's process meets the system it runs on, which differs
// between systems: app/DesktopLinux.cpp, app/DesktopWindows.cpp.

// Lets what --help and --list-ports print reach the terminal the program was
// started from. (A Windows program without a console window of its own has
// to attach to its caller's; there the status log is set up too, to standard
// error or a file, as a Windows user has no terminal to turn it on from.)
void UseCallersTerminal();

// Ends the event loop in order when the session asks the program to end
// (Linux: SIGTERM, SIGINT, SIGHUP; a session logging out, Ctrl+C in a
// terminal), so the window is destroyed and releases the port as on a normal
// close. An update in progress finishes first: the request is only noticed
// between events.
void QuitWhenTheSessionEnds(QCoreApplication &app);
