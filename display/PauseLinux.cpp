#include "display/Pause.h"

#include <thread>

void SleepUntil(std::chrono::steady_clock::time_point deadline)
{
    // The kernel's high-resolution timers wake a sleeper within tens of
    // microseconds. sleep_until may return early on some systems, hence the
    // loop.
    while (std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_until(deadline);
}
