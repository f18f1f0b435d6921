// Wine's own timer noise, for bench/windows_bench.py: an update's five
// writes on a COM port by plain WriteFile, the program's pause after each of
// the first four, without Qt or a window. One round for each line that comes
// on standard input.
//   bench-pause-noise PORT
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "display/Pause.h"

#include <chrono>
#include <cstdio>
#include <string>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: bench-pause-noise PORT\n", stderr);
        return 2;
    }
    const std::string name = std::string("\\\\.\\") + argv[1];
    const HANDLE port =
        ::CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (port == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "bench-pause-noise: cannot open %s\n", argv[1]);
        return 1;
    }
    const unsigned char writes[5][10] = {
        {0x0D, 0x01, 0x41, 0x30, 0x81, 0x0D, 0x01, 0x41, 0x30, 0x81},
        {0x0D, 0x02, 0x41, 0x30, 0x80, 0x0D, 0x02, 0x41, 0x30, 0x80},
        {0x0D, 0x03, 0x41, 0x30, 0x7F, 0x0D, 0x03, 0x41, 0x30, 0x7F},
        {0x0D, 0x04, 0x41, 0x30, 0x7E, 0x0D, 0x04, 0x41, 0x30, 0x7E},
        {0x0D, 0x00, 0x53, 0x13, 0x8D},
    };
    std::puts("ready");
    std::fflush(stdout);
    char line[16];
    while (std::fgets(line, sizeof line, stdin)) {
        for (int i = 0; i < 5; ++i) {
            DWORD written = 0;
            ::WriteFile(port, writes[i], i < 4 ? 10 : 5, &written, nullptr);
            if (i < 4)
                SleepUntil(std::chrono::steady_clock::now() + std::chrono::milliseconds(100));
        }
    }
    ::CloseHandle(port);
    return 0;
}
