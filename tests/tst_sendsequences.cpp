#include "display/SendSequences.h"
#include "support/Hex.h"
#include "support/RecordingLink.h"
#include "support/UnloadedTimer.h"

#include <QTest>

#include <ctime>
#include <thread>

using namespace std::chrono_literals;

namespace {
ScoreKeeper::DigitCells cells0815()
{
    return {"0", "8", "1", "5"};
}

// Whether std::clock() counts this process's CPU time, as C says; Windows' C
// library counts the time since the program started instead.
bool clockCountsCpuTime()
{
    const std::clock_t before = std::clock();
    std::this_thread::sleep_for(50ms);
    return std::clock() - before < CLOCKS_PER_SEC / 100;
}

RecordingLink openLink()
{
    RecordingLink link;
    link.setPortNumber(1);
    link.open();
    link.calls.clear();
    return link;
}
} // namespace

class TestSendSequences : public QObject
{
    Q_OBJECT

private slots:
    void updateWritesEachDigitPairThenS()
    {
        RecordingLink link = openLink();
        QVERIFY(UpdateScoreboard(cells0815(), link).ok());

        const std::vector<std::vector<std::uint8_t>> expected{
            Hex("0D 01 41 30 81 0D 01 41 30 81"), Hex("0D 02 41 38 78 0D 02 41 38 78"),
            Hex("0D 03 41 31 7E 0D 03 41 31 7E"), Hex("0D 04 41 35 79 0D 04 41 35 79"), Hex("0D 00 53 13 8D")};
        QCOMPARE(link.writes.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
            QCOMPARE(ToHex(link.writes[i].bytes), ToHex(expected[i]));
        // A pause after every digit pair, the 'S' message included, since it
        // follows the fourth pair's pause.
        for (std::size_t i = 1; i < link.writes.size(); ++i)
            QVERIFY(link.writes[i].returnedAt - link.writes[i - 1].returnedAt >= 100ms);
    }

    void startupCommandIsTwoWritesWithoutPause()
    {
        RecordingLink link = openLink();
        const UnloadedTimer timer;
        QVERIFY(SendStartupCommand(link).ok());
        QCOMPARE(link.writes.size(), std::size_t(2));
        QCOMPARE(ToHex(link.writes[0].bytes), std::string("0D 00 41 ED C5 0D 00 41 ED C5"));
        QCOMPARE(ToHex(link.writes[1].bytes), std::string("0D 00 53 13 8D"));
        QVERIFY(timer.elapsed() < 50ms);
    }

    void nothingIsWrittenOrAwaitedWithNoPortOpen()
    {
        RecordingLink link;
        link.setPortNumber(3);
        const UnloadedTimer timer;
        for (const LinkResult &result :
             {UpdateScoreboard(cells0815(), link), SendStartupCommand(link), SendCommandS(link)}) {
            QCOMPARE(result.error, LinkError::NotOpen);
            QCOMPARE(result.portNumber, 3);
        }
        QVERIFY(timer.elapsed() < 50ms);
        QVERIFY(link.writes.empty());
        QVERIFY(std::find(link.calls.begin(), link.calls.end(), "write") == link.calls.end());
    }

    void aFailedWriteStopsTheUpdateThere()
    {
        RecordingLink link = openLink();
        link.writesBeforeFailure = 2;
        const UnloadedTimer timer;
        const LinkResult result = UpdateScoreboard(cells0815(), link);
        QCOMPARE(result.error, LinkError::WriteFailed);
        QCOMPARE(link.writes.size(), std::size_t(2));
        QCOMPARE(std::count(link.calls.begin(), link.calls.end(), "write"), 3L);
        // Two pauses, not a third after the failed write.
        QVERIFY(timer.elapsed() < 290ms);
    }

    void pauseLastsATenthOnTheMonotonicClock()
    {
        const bool cpuCounted = clockCountsCpuTime();
        for (int i = 0; i < 5; ++i) {
            const UnloadedTimer timer;
            const auto start = std::chrono::steady_clock::now();
            const std::clock_t cpuStart = std::clock();
            PauseTenth();
            QVERIFY(std::chrono::steady_clock::now() - start >= 100ms);
            QVERIFY(timer.elapsed() < 200ms);
            // It sleeps: a spinning pause would burn the whole tenth.
            if (cpuCounted)
                QVERIFY(std::clock() - cpuStart < CLOCKS_PER_SEC / 50);
        }
    }
};

QTEST_GUILESS_MAIN(TestSendSequences)
#include "tst_sendsequences.moc"
