#pragma once

#include <chrono>
#include <fstream>

// Time since construction less the time this thread waited for a CPU (the
// scheduler's run delay in /proc/thread-self/schedstat). An upper bound on how
// long code takes holds on a busy machine only if it leaves out the time the
// scheduler kept the thread from running; a sleep is still counted in full.
// Where the kernel keeps no such count this is plain elapsed time.
class UnloadedTimer
{
public:
    using Clock = std::chrono::steady_clock;

    UnloadedTimer() : m_waitedAtStart(waitedForCpu()), m_start(Clock::now()) {}

    Clock::duration elapsed() const
    {
        const auto waited = waitedForCpu() - m_waitedAtStart;
        return Clock::now() - m_start - waited;
    }

private:
    static std::chrono::nanoseconds waitedForCpu()
    {
        std::ifstream schedstat("/proc/thread-self/schedstat");
        long long running = 0;
        long long waiting = 0;
        schedstat >> running >> waiting;
        return std::chrono::nanoseconds(waiting);
    }

    std::chrono::nanoseconds m_waitedAtStart;
    Clock::time_point m_start;
};
