#include "display/SendSequences.h"
#include "serial/PortSelection.h"
#include "serial/linux/LinuxSerialLink.h"
#include "support/FakeSerialPlatform.h"
#include "support/PseudoTerminal.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <chrono>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {
constexpr int kStartLimitMs = 5000;
constexpr int kFinishLimitMs = 10000;

// scoreboard-monitor as a child process, killed at the end of the test
// whatever became of it.
class Monitor
{
public:
    explicit Monitor(const QStringList &arguments) { m_process.start(SCOREBOARD_MONITOR_PATH, arguments); }
    ~Monitor()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(kStartLimitMs);
        }
    }

    // Line `index` (0: the first) of what the monitor printed, once it is out.
    QString line(int index)
    {
        QElapsedTimer waited;
        waited.start();
        while (m_output.count('\n') <= index && waited.elapsed() < kStartLimitMs) {
            m_process.waitForReadyRead(100);
            m_output += m_process.readAllStandardOutput();
        }
        return lines().value(index);
    }
    QString firstLine() { return line(0); }

    // The exit status, or -1 if it did not end in time.
    int finish()
    {
        if (!m_process.waitForFinished(kFinishLimitMs) || m_process.exitStatus() != QProcess::NormalExit)
            return -1;
        m_output += m_process.readAllStandardOutput();
        return m_process.exitCode();
    }

    QStringList lines() const { return QString::fromLocal8Bit(m_output).split('\n', Qt::SkipEmptyParts); }
    QString errors() { return QString::fromLocal8Bit(m_process.readAllStandardError()); }

private:
    QProcess m_process;
    QByteArray m_output;
};

const QRegularExpression kTimeAndGap(R"(^\d\d:\d\d:\d\d\.\d\d\d +(--|\+(\d+\.\d)) ms  )");

// "0D 01 41 30 81  digit 1 = 0   board: 0 _ _ _": a message line without its time and gap.
QStringList withoutTimes(const QStringList &lines)
{
    QStringList rest;
    for (const QString &line : lines) {
        const auto match = kTimeAndGap.match(line);
        rest << (match.hasMatch() ? line.mid(match.capturedLength()) : "no time and gap: " + line);
    }
    return rest;
}

double gapMs(const QString &line)
{
    return kTimeAndGap.match(line).captured(2).toDouble();
}

void writeTo(const QString &path, const std::vector<std::uint8_t> &bytes)
{
    const int fd = ::open(qPrintable(path), O_WRONLY | O_NOCTTY);
    QVERIFY2(fd >= 0, qPrintable(path));
    QCOMPARE(::write(fd, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    ::close(fd);
}
} // namespace

class TestMonitor : public QObject
{
    Q_OBJECT

private slots:
    void sessionFromTheProgramsOwnSender()
    {
        Monitor monitor({"--pty", "--check", "--quit-after-idle", "700"});
        const QString path = monitor.firstLine();
        QVERIFY2(path.startsWith("/dev/"), qPrintable(path));

        PortsOn platform([&path](int) { return path.toStdString(); });
        LinuxSerialLink link(platform);
        QVERIFY(SelectPort(link, "1").ok());
        QVERIFY(SendStartupCommand(link).ok());
        QVERIFY(UpdateScoreboard({"0", "8", "1", "5"}, link).ok());
        QVERIFY(UpdateScoreboard({"0", "0", "0", "0"}, link).ok()); // what Reset Score sends
        ClosePort(link);

        QCOMPARE(monitor.finish(), 0);
        const QStringList lines = monitor.lines().mid(1);
        const QStringList expected{
            "0D 00 41 ED C5  start-up      board: _ _ _ _", "0D 00 41 ED C5  start-up      board: _ _ _ _",
            "0D 00 53 13 8D  'S'           board: _ _ _ _", "0D 01 41 30 81  digit 1 = 0   board: 0 _ _ _",
            "0D 01 41 30 81  digit 1 = 0   board: 0 _ _ _", "0D 02 41 38 78  digit 2 = 8   board: 0 8 _ _",
            "0D 02 41 38 78  digit 2 = 8   board: 0 8 _ _", "0D 03 41 31 7E  digit 3 = 1   board: 0 8 1 _",
            "0D 03 41 31 7E  digit 3 = 1   board: 0 8 1 _", "0D 04 41 35 79  digit 4 = 5   board: 0 8 1 5",
            "0D 04 41 35 79  digit 4 = 5   board: 0 8 1 5", "0D 00 53 13 8D  'S'           board: 0 8 1 5",
            "0D 01 41 30 81  digit 1 = 0   board: 0 8 1 5", "0D 01 41 30 81  digit 1 = 0   board: 0 8 1 5",
            "0D 02 41 30 80  digit 2 = 0   board: 0 0 1 5", "0D 02 41 30 80  digit 2 = 0   board: 0 0 1 5",
            "0D 03 41 30 7F  digit 3 = 0   board: 0 0 0 5", "0D 03 41 30 7F  digit 3 = 0   board: 0 0 0 5",
            "0D 04 41 30 7E  digit 4 = 0   board: 0 0 0 0", "0D 04 41 30 7E  digit 4 = 0   board: 0 0 0 0",
            "0D 00 53 13 8D  'S'           board: 0 0 0 0"};
        QCOMPARE(withoutTimes(lines), expected);
    }

    void gapIsTheTimeBetweenArrivals()
    {
        // The printed gap must fit what this side knows of the two writes,
        // however late the monitor reads: the second was written 0.1 s after
        // the first message was printed, and both were written and printed
        // between the first write and the reading of the second line here.
        Monitor monitor({"--pty", "--check", "--quit-after-idle", "1000"});
        const QString path = monitor.firstLine();
        const auto firstWritten = std::chrono::steady_clock::now();
        writeTo(path, Hex("0D 00 53 13 8D"));
        QVERIFY(!monitor.line(1).isEmpty());
        std::this_thread::sleep_for(100ms);
        writeTo(path, Hex("0D 00 53 13 8D"));
        const QString second = monitor.line(2);
        const std::chrono::duration<double, std::milli> longest = std::chrono::steady_clock::now() - firstWritten;
        QCOMPARE(monitor.finish(), 0);
        // The gap is printed to 0.1 ms.
        QVERIFY2(gapMs(second) >= 100 && gapMs(second) <= longest.count() + 0.05,
                 qPrintable(QString("%1 (at most %2 ms possible)").arg(second).arg(longest.count())));
    }

    void checkStopsAtTheFirstProblem_data()
    {
        QTest::addColumn<QString>("bytes");
        QTest::addColumn<QString>("problemLine");

        // Each starts with a good digit and, where there is room, ends with one
        // that must no longer be printed.
        QTest::newRow("bad checksum") << "0D 01 41 30 81  0D 02 41 38 79  0D 04 41 39 75"
                                      << "0D 02 41 38 79  PROBLEM: bad checksum 79, should be 78  board: 0 _ _ _";
        QTest::newRow("stray byte") << "0D 01 41 30 81  7F  0D 04 41 39 75"
                                    << "7F              PROBLEM: 1 stray byte outside a message  board: 0 _ _ _";
        QTest::newRow("torn message") << "0D 01 41 30 81  0D 02 41  0D 04 41 39 75"
                                      << "0D 02 41        PROBLEM: torn message, 3 of 5 bytes  board: 0 _ _ _";
        QTest::newRow("cut short as the line goes quiet")
            << "0D 01 41 30 81  0D 02 41"
            << "0D 02 41        PROBLEM: torn message, 3 of 5 bytes  board: 0 _ _ _";
        QTest::newRow("not a digit") << "0D 01 41 30 81  0D 02 41 3A 76  0D 04 41 39 75"
                                     << "0D 02 41 3A 76  PROBLEM: data 3A for digit 2 is not a digit  board: 0 _ _ _";
    }
    void checkStopsAtTheFirstProblem()
    {
        QFETCH(QString, bytes);
        QFETCH(QString, problemLine);

        Monitor monitor({"--pty", "--check", "--quit-after-idle", "400"});
        writeTo(monitor.firstLine(), Hex(qPrintable(bytes)));
        QCOMPARE(monitor.finish(), 1);
        const QStringList expected{"0D 01 41 30 81  digit 1 = 0   board: 0 _ _ _", problemLine};
        QCOMPARE(withoutTimes(monitor.lines().mid(1)), expected);
    }

    void listensOnADeviceAt2400ReadOnly()
    {
        // The far end of a null-modem cable, played by a pseudo-terminal whose
        // device side starts at another speed: the switch to 2400 shows that
        // the monitor has the port open.
        int master = -1;
        int device = -1;
        char path[256] = {};
        QCOMPARE(::openpty(&master, &device, path, nullptr, nullptr), 0);
        termios settings{};
        ::tcgetattr(device, &settings);
        ::cfmakeraw(&settings);
        ::cfsetspeed(&settings, B9600);
        ::tcsetattr(device, TCSANOW, &settings);

        Monitor monitor({path, "--check", "--quit-after-idle", "1500"});
        QElapsedTimer waited;
        waited.start();
        while (::tcgetattr(device, &settings) == 0 && cfgetispeed(&settings) != B2400 &&
               waited.elapsed() < kStartLimitMs)
            QTest::qWait(10);
        QCOMPARE(cfgetispeed(&settings), speed_t(B2400));
        QCOMPARE(settings.c_cflag & CSIZE, tcflag_t(CS8));
        QVERIFY(!(settings.c_cflag & (PARENB | CSTOPB | CRTSCTS)));
        QVERIFY(!(settings.c_iflag & (IXON | IXOFF)));

        const auto update = Hex("0D 01 41 30 81 0D 01 41 30 81 0D 02 41 38 78 0D 02 41 38 78 "
                                "0D 03 41 31 7E 0D 03 41 31 7E 0D 04 41 35 79 0D 04 41 35 79 0D 00 53 13 8D");
        QCOMPARE(::write(master, update.data(), update.size()), ssize_t(update.size()));
        QCOMPARE(monitor.finish(), 0);
        QCOMPARE(monitor.lines().size(), 9);
        QCOMPARE(withoutTimes(monitor.lines()).last(), QString("0D 00 53 13 8D  'S'           board: 0 8 1 5"));

        pollfd answer{master, POLLIN, 0};
        QCOMPARE(::poll(&answer, 1, 0), 0); // not a byte came back up the line
        ::close(device);
        ::close(master);
    }

    void refusesToStart_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");

        QTest::newRow("no such device") << QStringList{"/dev/scoreboard-test-no-such-device"}
                                        << "cannot open /dev/scoreboard-test-no-such-device";
        QTest::newRow("neither device nor --pty") << QStringList{} << "give either one device or --pty";
        QTest::newRow("both device and --pty")
            << QStringList{"--pty", "/dev/null"} << "give either one device or --pty";
        QTest::newRow("idle time not a number")
            << QStringList{"--pty", "--quit-after-idle", "soon"} << "--quit-after-idle wants a positive number";
        // Status 1 is kept for malformed messages.
        QTest::newRow("unknown option") << QStringList{"--pty", "--verbose"} << "Unknown option 'verbose'";
    }
    void refusesToStart()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);

        Monitor monitor(arguments);
        QCOMPARE(monitor.finish(), 2);
        QVERIFY2(monitor.errors().contains(error), qPrintable(error));
        QVERIFY(monitor.lines().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestMonitor)
#include "tst_monitor.moc"
