#pragma once

#include <chrono>

// Sleeps until the steady clock reaches `deadline`, never returning before
// it, and as soon after it as the system's timers allow. How that is done
// differs between systems: display/PauseLinux.cpp, display/PauseWindows.cpp.
void SleepUntil(std::chrono::steady_clock::time_point deadline);
