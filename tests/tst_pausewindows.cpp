#include "display/Pause.h"
#include "display/PauseWindows.h"

#include <timeapi.h>

#include <QTest>

#include <algorithm>
#include <thread>

using namespace std::chrono_literals;

namespace {
const HANDLE kTimer = reinterpret_cast<HANDLE>(INT_PTR(0x7e0));

// Timers that sleep for real, never less than asked, except that the calls
// named in `failing` fail, and a wait `early` times wakes at once.
class FakeTimerApi final : public Win32TimerApi
{
public:
    QStringList calls;
    QString failing; // names, separated by blanks
    int early = 0;
    QList<LONGLONG> dueTimes;

    HANDLE createWaitableTimerEx(DWORD flags, DWORD access) override
    {
        calls << QString("CreateWaitableTimerExW%1%2")
                     .arg(flags == 0x2 ? " high-resolution" : " flags " + QString::number(flags))
                     .arg(access == TIMER_ALL_ACCESS ? "" : " without full access");
        return failing.contains("CreateWaitableTimerExW") ? nullptr : kTimer;
    }
    BOOL setWaitableTimer(HANDLE timer, LONGLONG due) override
    {
        dueTimes << due;
        m_due = std::chrono::nanoseconds(-due * 100);
        return call("SetWaitableTimer", timer);
    }
    DWORD waitForSingleObject(HANDLE timer) override
    {
        if (early > 0)
            --early;
        else
            ::Sleep(DWORD(std::chrono::ceil<std::chrono::milliseconds>(m_due).count()));
        return call("WaitForSingleObject", timer) ? WAIT_OBJECT_0 : WAIT_FAILED;
    }
    BOOL closeHandle(HANDLE timer) override { return call("CloseHandle", timer); }
    UINT timeBeginPeriod(UINT ms) override { return period("timeBeginPeriod", ms); }
    UINT timeEndPeriod(UINT ms) override { return period("timeEndPeriod", ms); }
    void sleep(DWORD ms) override
    {
        calls << "Sleep";
        ::Sleep(ms);
    }

private:
    std::chrono::nanoseconds m_due{};

    bool call(const QString &what, HANDLE timer)
    {
        calls << (timer == kTimer ? what : what + " on another handle");
        return !failing.contains(what);
    }
    UINT period(const QString &what, UINT ms)
    {
        calls << what + " " + QString::number(ms);
        return failing.contains(what) ? TIMERR_NOCANDO : TIMERR_NOERROR;
    }
};
} // namespace

class TestPauseWindows : public QObject
{
    Q_OBJECT

private slots:
    // A tenth asked for: the calls made, where the system has a
    // high-resolution timer and where it has not, or refuses one.
    void tenth_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<int>("early");
        QTest::addColumn<QString>("calls");
        QTest::newRow("a high-resolution timer (Windows 10 1803 and later)")
            << "" << 0 << "CreateWaitableTimerExW high-resolution, SetWaitableTimer, WaitForSingleObject, CloseHandle";
        QTest::newRow("the timer wakes early: it sleeps again")
            << "" << 1
            << "CreateWaitableTimerExW high-resolution, SetWaitableTimer, WaitForSingleObject, SetWaitableTimer, "
               "WaitForSingleObject, CloseHandle";
        QTest::newRow("none (older Windows): a 1 ms tick while it sleeps")
            << "CreateWaitableTimerExW" << 0
            << "CreateWaitableTimerExW high-resolution, timeBeginPeriod 1, Sleep, timeEndPeriod 1";
        QTest::newRow("the timer refused: the same")
            << "SetWaitableTimer" << 0
            << "CreateWaitableTimerExW high-resolution, SetWaitableTimer, CloseHandle, timeBeginPeriod 1, Sleep, "
               "timeEndPeriod 1";
        QTest::newRow("no finer tick: slept anyway, nothing given back")
            << "CreateWaitableTimerExW timeBeginPeriod" << 0
            << "CreateWaitableTimerExW high-resolution, timeBeginPeriod 1, Sleep";
    }
    void tenth()
    {
        QFETCH(QString, failing);
        QFETCH(int, early);
        QFETCH(QString, calls);
        FakeTimerApi api;
        api.failing = failing;
        api.early = early;
        const auto deadline = std::chrono::steady_clock::now() + 100ms;
        SleepUntilOn(api, deadline);
        QVERIFY(std::chrono::steady_clock::now() >= deadline);
        QCOMPARE(api.calls.join(", "), calls);
        // Relative (negative) 100 ns units, for what is left of the tenth.
        if (!api.dueTimes.isEmpty())
            QVERIFY2(api.dueTimes[0] < -900'000 && api.dueTimes[0] >= -1'000'000,
                     qPrintable(QString::number(api.dueTimes[0])));
    }

    // On the system's own calls, where sends make them: on a thread of their
    // own with no message loop. Never short; a busy machine may wake it late
    // now and then, but not every time.
    void tenthsOnTheBoardLinesThread()
    {
        bool early = false;
        std::chrono::steady_clock::duration leastLate = std::chrono::hours(1);
        std::thread board([&] {
            for (int i = 0; i < 5; ++i) {
                const auto deadline = std::chrono::steady_clock::now() + 100ms;
                SleepUntil(deadline);
                const auto now = std::chrono::steady_clock::now();
                early = early || now < deadline;
                leastLate = std::min(leastLate, now - deadline);
            }
        });
        board.join();
        QVERIFY(!early);
        const auto late = std::chrono::duration_cast<std::chrono::microseconds>(leastLate).count();
        QVERIFY2(late < 10'000, qPrintable(QString("%1 µs late at best").arg(late)));
    }
};

QTEST_GUILESS_MAIN(TestPauseWindows)
#include "tst_pausewindows.moc"
