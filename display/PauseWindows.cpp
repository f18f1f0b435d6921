#include "display/PauseWindows.h"
#include "display/Pause.h"

#include <timeapi.h>

#include <algorithm>

namespace {
// Windows 10 1803 and later; MinGW's headers do not name it yet.
constexpr DWORD kHighResolution = 0x00000002; // CREATE_WAITABLE_TIMER_HIGH_RESOLUTION

using Ticks = std::chrono::duration<LONGLONG, std::ratio<1, 10'000'000>>; // 100 ns, as timers count

// Rounded up, and at least one: the clock may pass the deadline between the
// look and the call.
template <typename Unit> typename Unit::rep remainingUntil(std::chrono::steady_clock::time_point deadline)
{
    return std::max(std::chrono::ceil<Unit>(deadline - std::chrono::steady_clock::now()).count(),
                    typename Unit::rep(1));
}

class SystemTimerApi final : public Win32TimerApi
{
public:
    HANDLE createWaitableTimerEx(DWORD flags, DWORD access) override
    {
        return ::CreateWaitableTimerExW(nullptr, nullptr, flags, access);
    }
    BOOL setWaitableTimer(HANDLE timer, LONGLONG dueTime) override
    {
        LARGE_INTEGER due;
        due.QuadPart = dueTime;
        return ::SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE);
    }
    DWORD waitForSingleObject(HANDLE handle) override { return ::WaitForSingleObject(handle, INFINITE); }
    BOOL closeHandle(HANDLE handle) override { return ::CloseHandle(handle); }
    UINT timeBeginPeriod(UINT milliseconds) override { return ::timeBeginPeriod(milliseconds); }
    UINT timeEndPeriod(UINT milliseconds) override { return ::timeEndPeriod(milliseconds); }
    void sleep(DWORD milliseconds) override { ::Sleep(milliseconds); }
};

// A high-resolution timer wakes within about a millisecond of its due time;
// false when there is none, or it failed, before the deadline.
bool sleepOnHighResolutionTimer(Win32TimerApi &api, std::chrono::steady_clock::time_point deadline)
{
    const HANDLE timer = api.createWaitableTimerEx(kHighResolution, TIMER_ALL_ACCESS);
    if (!timer)
        return false;
    bool slept = true;
    while (slept && std::chrono::steady_clock::now() < deadline)
        slept = api.setWaitableTimer(timer, -remainingUntil<Ticks>(deadline)) &&
                api.waitForSingleObject(timer) == WAIT_OBJECT_0;
    api.closeHandle(timer);
    return slept;
}
} // namespace

void SleepUntilOn(Win32TimerApi &api, std::chrono::steady_clock::time_point deadline)
{
    // A plain sleep ends on the system timer's tick, 15.6 ms by default; and
    // since Windows 10 2004 another program's finer tick no longer applies
    // to ours. Before high-resolution timers (Windows 10 1803), a 1 ms tick
    // asked for while the pause sleeps, and given back at once: a finer tick
    // costs power for as long as it is held.
    if (sleepOnHighResolutionTimer(api, deadline))
        return;
    const bool finerTick = api.timeBeginPeriod(1) == TIMERR_NOERROR;
    while (std::chrono::steady_clock::now() < deadline)
        api.sleep(DWORD(remainingUntil<std::chrono::milliseconds>(deadline)));
    if (finerTick)
        api.timeEndPeriod(1);
}

void SleepUntil(std::chrono::steady_clock::time_point deadline)
{
    static SystemTimerApi api;
    SleepUntilOn(api, deadline);
}
