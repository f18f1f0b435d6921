#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <chrono>

// The Win32 timing calls the pause makes, so that tests can answer them.
// Each takes and returns what the call of the same name does.
class Win32TimerApi
{
public:
    virtual ~Win32TimerApi() = default;

    virtual HANDLE createWaitableTimerEx(DWORD flags, DWORD access) = 0;
    // A relative due time (negative, in 100 ns units), no period.
    virtual BOOL setWaitableTimer(HANDLE timer, LONGLONG dueTime) = 0;
    virtual DWORD waitForSingleObject(HANDLE handle) = 0; // without a time-out
    virtual BOOL closeHandle(HANDLE handle) = 0;
    virtual UINT timeBeginPeriod(UINT milliseconds) = 0;
    virtual UINT timeEndPeriod(UINT milliseconds) = 0;
    virtual void sleep(DWORD milliseconds) = 0;
};

// SleepUntil on these calls.
void SleepUntilOn(Win32TimerApi &api, std::chrono::steady_clock::time_point deadline);
