#pragma once

#include <QApplication>

#include <memory>
#include <optional>

class SerialPlatform;

// Reads the command line before anything opens a window or a port. Returns
// the exit status when the program is done without a window: after --help,
// --version or --list-ports (0), or a wrong argument (2, with a message on
// stderr). Returns nothing when the window should open; `remote` then says
// whether --remote asked for the remote control to be on, and `language` the
// language chosen (--lang, the setting "language", the system's), whose
// translations are installed for the command line's own texts.
std::optional<int> HandleCommandLine(int argc, char *argv[], const SerialPlatform &platform, bool &remote,
                                     QString &language);

// The application, on the desktop's display. Where there is none, the
// toolkit would abort with its own advice ("Reinstalling the application may
// fix this problem"); this says what is wrong in one line and exits with 1.
std::unique_ptr<QApplication> OpenDisplayOrSayWhyNot(int &argc, char *argv[]);
