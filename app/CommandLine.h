#pragma once

#include <optional>

// Reads the command line before anything opens a window or a port. Returns
// the exit status when the program is done without a window: after --help,
// --version or --list-ports (0), or a wrong argument (2, with a message on
// stderr). Returns nothing when the window should open.
std::optional<int> HandleCommandLine(int argc, char *argv[]);
