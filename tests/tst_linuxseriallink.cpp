#include "display/SendSequences.h"
#include "serial/PortSelection.h"
#include "serial/linux/LinuxSerialLink.h"
#include "support/FakeSerialPlatform.h"
#include "support/PseudoTerminal.h"
#include "support/UnloadedTimer.h"

#include <QTest>

#include <memory>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace std::chrono_literals;

namespace {
// A link whose port 1 is the given pseudo-terminal and port 2 a path that
// does not exist; every other number maps to nothing.
std::unique_ptr<LinuxSerialLink> linkTo(const PseudoTerminal &pty)
{
    const std::string path = pty.devicePath();
    return std::make_unique<LinuxSerialLink>(KeptPlatform([path](int port) -> std::string {
        if (port == 1)
            return path;
        if (port == 2)
            return "/dev/scoreboard-test-no-such-device";
        return {};
    }));
}

const char *const kUpdate0815[] = {"0D 01 41 30 81 0D 01 41 30 81", "0D 02 41 38 78 0D 02 41 38 78",
                                   "0D 03 41 31 7E 0D 03 41 31 7E", "0D 04 41 35 79 0D 04 41 35 79", "0D 00 53 13 8D"};
const char *const kReset[] = {"0D 01 41 30 81 0D 01 41 30 81", "0D 02 41 30 80 0D 02 41 30 80",
                              "0D 03 41 30 7F 0D 03 41 30 7F", "0D 04 41 30 7E 0D 04 41 30 7E", "0D 00 53 13 8D"};

// Each pause is 0.1 s: the reads must leave room for that much time between
// the starts of consecutive writes. However late the reader wakes, they do;
// while it keeps up, a shorter pause shows as too short.
void compareBursts(PseudoTerminal &pty, const char *const (&expected)[5])
{
    const auto bursts = PseudoTerminal::bursts(pty.received());
    QCOMPARE(bursts.size(), std::size_t(5));
    for (std::size_t i = 0; i < bursts.size(); ++i) {
        QCOMPARE(ToHex(bursts[i].bytes), std::string(expected[i]));
        if (i == 0)
            continue;
        const auto longest = PseudoTerminal::longestGap(bursts[i - 1], bursts[i]);
        QVERIFY2(longest >= 100ms,
                 qPrintable(QString("burst %1 began at most %2 us after the one before")
                                .arg(i)
                                .arg(std::chrono::duration_cast<std::chrono::microseconds>(longest).count())));
    }
}
} // namespace

class TestLinuxSerialLink : public QObject
{
    Q_OBJECT

private slots:
    void updateReachesTheWireExactlyAndPaced()
    {
        PseudoTerminal pty;
        auto link = linkTo(pty);
        QVERIFY(SelectPort(*link, "1").ok());
        QVERIFY(UpdateScoreboard({"0", "8", "1", "5"}, *link).ok());
        compareBursts(pty, kUpdate0815);
    }

    void resetSendsFourZeros()
    {
        PseudoTerminal pty;
        auto link = linkTo(pty);
        QVERIFY(SelectPort(*link, "1").ok());
        ScoreKeeper keeper;
        keeper.StepScore(Side::Left, Direction::Up);
        QVERIFY(keeper.ResetScores([&] { return UpdateScoreboard(keeper.digitCells(), *link); }).ok());
        compareBursts(pty, kReset);
    }

    void startupCommandIsTwoWritesBackToBack()
    {
        PseudoTerminal pty;
        auto link = linkTo(pty);
        QVERIFY(SelectPort(*link, "1").ok());
        QVERIFY(SendStartupCommand(*link).ok());
        // One burst: no two reads prove 20 ms between the writes.
        const auto bursts = PseudoTerminal::bursts(pty.received(), 20ms);
        QCOMPARE(bursts.size(), std::size_t(1));
        QCOMPARE(ToHex(bursts[0].bytes), std::string("0D 00 41 ED C5 0D 00 41 ED C5 0D 00 53 13 8D"));
    }

    void lineSettingsAre2400EightNoneOneRaw()
    {
        PseudoTerminal pty;
        auto link = linkTo(pty);
        QVERIFY(SelectPort(*link, "1").ok());
        const termios settings = pty.lineSettings();
        QCOMPARE(cfgetospeed(&settings), speed_t(B2400));
        QCOMPARE(settings.c_cflag & CSIZE, tcflag_t(CS8));
        QVERIFY(!(settings.c_cflag & PARENB));
        QVERIFY(!(settings.c_cflag & CSTOPB));
        QVERIFY(!(settings.c_cflag & CRTSCTS));
        QVERIFY(!(settings.c_iflag & (IXON | IXOFF)));
        QVERIFY(!(settings.c_oflag & OPOST));
    }

    void bytesAboveAsciiPassUntouched()
    {
        PseudoTerminal pty;
        auto link = linkTo(pty);
        QVERIFY(SelectPort(*link, "1").ok());
        std::vector<std::uint8_t> all(256);
        for (int i = 0; i < 256; ++i)
            all[std::size_t(i)] = std::uint8_t(i);
        QVERIFY(link->write(all.data(), all.size()).ok());
        QCOMPARE(ToHex(pty.receivedBytes()), ToHex(all));
    }

    void openFailures_data()
    {
        QTest::addColumn<QString>("selectorText");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("devicePath");

        QTest::newRow("path does not exist")
            << "2" << int(LinkError::NoSuchDevice) << "/dev/scoreboard-test-no-such-device";
        QTest::newRow("number outside the table") << "0" << int(LinkError::NoDeviceForPort) << "";
        QTest::newRow("beyond 16 bits") << "40000" << int(LinkError::PortNumberOutOfRange) << "";
    }
    void openFailures()
    {
        QFETCH(QString, selectorText);
        QFETCH(int, error);
        QFETCH(QString, devicePath);

        PseudoTerminal pty;
        auto link = linkTo(pty);
        QVERIFY(SelectPort(*link, "1").ok());
        const LinkResult result = SelectPort(*link, selectorText.toStdString());
        QCOMPARE(int(result.error), error);
        QCOMPARE(QString::fromStdString(result.devicePath), devicePath);
        QVERIFY(!link->isOpen());
        // With the port closed an update writes nothing and reports it.
        QCOMPARE(UpdateScoreboard({"1", "2", "3", "4"}, *link).error, LinkError::NotOpen);
        QVERIFY(pty.receivedBytes(50ms).empty());
    }

    void aDeviceThatRefusesToOpenSaysWhy()
    {
        PseudoTerminal pty;
        pty.lockAgainstOpening();
        auto link = linkTo(pty);
        const LinkResult result = SelectPort(*link, "1");
        QCOMPARE(result.error, LinkError::NoSerialPort); // as an on-board port without a chip
        QCOMPARE(result.devicePath, pty.devicePath());
        QVERIFY(!result.systemText.empty());
        QVERIFY(!link->isOpen());
    }

    void aVanishedDeviceStopsTheUpdateAndTheCloseDoesNotWait()
    {
        PseudoTerminal pty;
        auto link = linkTo(pty);
        QVERIFY(SelectPort(*link, "1").ok());
        pty.unplugAfter(0);
        const UnloadedTimer timer;
        const LinkResult result = UpdateScoreboard({"0", "8", "1", "5"}, *link);
        QCOMPARE(result.error, LinkError::WriteFailed);
        QCOMPARE(result.portNumber, 1);
        QVERIFY(!result.systemText.empty());
        QVERIFY(timer.elapsed() < 100ms);                            // stopped before the first pause
        QCOMPARE(SendCommandS(*link).error, LinkError::WriteFailed); // nothing more is written
        ClosePort(*link);
        QVERIFY(!link->isOpen());
        QVERIFY(timer.elapsed() < 100ms); // no wait for a queue that will not drain
    }

    void closeLeavesThePortFreeForTheNextOpen()
    {
        PseudoTerminal pty;
        auto link = linkTo(pty);
        QVERIFY(SelectPort(*link, "1").ok());
        QVERIFY(SendCommandS(*link).ok());
        ClosePort(*link);
        QVERIFY(!link->isOpen());
        QCOMPARE(ToHex(pty.receivedBytes()), std::string("0D 00 53 13 8D"));

        PortsOn platform([&](int) { return pty.devicePath(); });
        LinuxSerialLink other(platform);
        QVERIFY(SelectPort(other, "1").ok());
    }
};

QTEST_GUILESS_MAIN(TestLinuxSerialLink)
#include "tst_linuxseriallink.moc"
