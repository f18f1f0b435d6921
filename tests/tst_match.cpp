#include "support/Hex.h"
#include "support/SendGate.h"
#include "support/TestMatch.h"

#include "match/Language.h"

#include <QElapsedTimer>
#include <QLockFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <thread>

namespace {
// "0815" as digit cells.
ScoreKeeper::DigitCells cells(const QString &four)
{
    ScoreKeeper::DigitCells digits;
    for (int i = 0; i < 4; ++i)
        digits[std::size_t(i)] = std::string(1, char(four[i].unicode()));
    return digits;
}

QString joined(const ScoreKeeper::DigitCells &digits)
{
    QString text;
    for (const std::string &digit : digits)
        text += QString::fromStdString(digit);
    return text;
}

// The offer without its time, which the test does not know.
QString offerOf(const Match &match)
{
    return QString(match.offer())
        .replace(QRegularExpression(QStringLiteral("at \\d\\d:\\d\\d")), QStringLiteral("at HH:MM"));
}

// "+L", "-R", "update", "reset", "restore"; a send is waited for.
void act(Match &match, const QString &action)
{
    if (action == QLatin1String("update"))
        match.update();
    else if (action == QLatin1String("reset"))
        match.reset();
    else if (action == QLatin1String("restore"))
        match.restore();
    else
        match.step(action.endsWith(QLatin1Char('L')) ? Side::Left : Side::Right,
                   action.startsWith(QLatin1Char('+')) ? Direction::Up : Direction::Down);
    QVERIFY(WaitFor([&] { return !match.sending(); }));
}

// The settings file as a kill would leave it: its text, as "Section/key=value"
// lines, sorted. Not through a QSettings: in this process one would answer
// from what the writer holds, on the disk or not.
QStringList onDisk(const QString &file)
{
    QFile text(file);
    QStringList lines;
    if (!text.open(QIODevice::ReadOnly | QIODevice::Text))
        return lines;
    QString section;
    for (const QString &line : QString::fromUtf8(text.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.startsWith(QLatin1Char('[')))
            section = line.mid(1, line.size() - 2) + QLatin1Char('/');
        else
            lines << section + line;
    }
    lines.sort();
    return lines;
}

// How long the file took to hold `expected`, in milliseconds; -1 when it
// still did not after 2 s.
qint64 msUntilOnDisk(const QString &file, const QStringList &expected)
{
    QElapsedTimer waited;
    waited.start();
    while (onDisk(file) != expected) {
        if (waited.elapsed() > 2000)
            return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return waited.elapsed();
}

// The program's memories on one settings file, as main() makes them.
struct Memories
{
    explicit Memories(QSettings &settings) : writer(settings), match(settings, writer), port(settings, writer) {}

    SettingsWriter writer;
    MatchMemory match;
    PortMemory port;
};

// "window 0100", "board 0815" (sent at 20:31:07), "port usb@33" (an FTDI
// adapter), "port plain@5"; whether the memory took it as kept.
bool keep(Memories &memories, const QString &action)
{
    const QString what = action.section(QLatin1Char(' '), 1);
    if (action.startsWith(QLatin1String("window")))
        return memories.match.windowChanged(cells(what));
    if (action.startsWith(QLatin1String("board")))
        return memories.match.boardSent(cells(what), QDateTime(QDate(2024, 5, 1), QTime(20, 31, 7)));
    if (what == QLatin1String("usb@33"))
        return memories.port.remember(FakeDevice(33, "FT232R USB UART", UsbIdentity{0x0403, 0x6001, "A5", "1-1"}));
    return memories.port.remember(FakeDevice(5));
}

std::string updateHex(const QString &digits)
{
    std::string hex;
    for (int address = 1; address <= 4; ++address) {
        const int digit = digits[address - 1].unicode();
        const int sum = 0x0D + address + 0x41 + digit;
        char packet[32];
        std::snprintf(packet, sizeof packet, "0D %02X 41 %02X %02X", address, digit, (256 - sum % 256) % 256);
        hex += std::string(packet) + " " + packet + " | ";
    }
    return hex + "0D 00 53 13 8D";
}
} // namespace

class TestTheMatch : public QObject
{
    Q_OBJECT

private slots:
    // Which language the program speaks: --lang or the setting (asked), else
    // the first of the system's it has; English, said once, where there is
    // none. `said` is a word of the notice, empty for none.
    void theLanguageChosen_data()
    {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QStringList>("system");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("said");
        const QStringList german{"de-DE", "de"};
        QTest::newRow("the system's") << "" << german << "de"
                                      << "";
        QTest::newRow("asked over the system's") << "fr" << german << "fr"
                                                 << "";
        QTest::newRow("asked with a region") << "nl_BE.UTF-8" << german << "nl"
                                             << "";
        QTest::newRow("asked, none there: English, said") << "it" << german << "en"
                                                          << "\"it\"";
        QTest::newRow("the system's second choice") << "" << QStringList{"it-IT", "es-ES"} << "es"
                                                    << "";
        QTest::newRow("the system's, none there: English, said") << "" << QStringList{"it-IT"} << "en"
                                                                 << "it-IT";
        QTest::newRow("English asked") << "en" << german << "en"
                                       << "";
        QTest::newRow("C asks for none") << "" << QStringList{"C"} << "en"
                                         << "";
    }
    void theLanguageChosen()
    {
        QFETCH(QString, asked);
        QFETCH(QStringList, system);
        QFETCH(QString, chosen);
        QFETCH(QString, said);
        const Language::Choice choice = Language::choose(asked, system);
        QCOMPARE(choice.code, chosen);
        QCOMPARE(choice.notice.isEmpty(), said.isEmpty());
        QVERIFY2(choice.notice.contains(said), qPrintable(choice.notice));
    }

    // Whatever ends the program (kill -9, a force-quit, a power cut) finds
    // the match on disk as of the last change; the next start offers what is
    // known of it, and Restore brings back the window's scores, or the
    // board's where the window's were never kept.
    void survivesAnyEnd_data()
    {
        QTest::addColumn<QString>("keptBoard"); // in the settings before the run; "": none
        QTest::addColumn<QString>("keptWindow");
        QTest::addColumn<QStringList>("actions"); // then the program is killed, or closed after "close"
        QTest::addColumn<QString>("offer");       // at the next start
        QTest::addColumn<QString>("restored");

        QTest::newRow("clicks, then killed")
            << ""
            << "" << QStringList{"+L", "+L", "+R"} << "Last match: window showed 02 01."
            << "0201";
        QTest::newRow("an update and a click, then killed")
            << ""
            << "" << QStringList{"+L", "update", "+R"} << "Last match: board showed 01 00 at HH:MM, window 01 01."
            << "0101";
        QTest::newRow("the window never kept: the board's digits, not 00 00")
            << "0815"
            << "" << QStringList{} << "Last match: board showed 08 15 at HH:MM."
            << "0815";
        QTest::newRow("a start that touches nothing keeps the offer")
            << "0815"
            << "0816" << QStringList{"close"} << "Last match: board showed 08 15 at HH:MM, window 08 16."
            << "0816";
        QTest::newRow("restored, then killed")
            << "0815"
            << "0816" << QStringList{"restore"} << "Last match: board showed 08 15 at HH:MM, window 08 16."
            << "0816";
        QTest::newRow("the first + ends the offer")
            << "0815"
            << "0816" << QStringList{"+L"} << "Last match: board showed 08 15 at HH:MM, window 01 00."
            << "0100";
        QTest::newRow("reset: nothing to offer") << "0815"
                                                 << "0816" << QStringList{"+L", "reset"} << ""
                                                 << "0000";
    }
    void survivesAnyEnd()
    {
        QFETCH(QString, keptBoard);
        QFETCH(QString, keptWindow);
        QFETCH(QStringList, actions);
        QFETCH(QString, offer);
        QFETCH(QString, restored);
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("scoreboard.conf"));
        {
            QSettings earlier(file, QSettings::IniFormat);
            SettingsWriter writer(earlier);
            MatchMemory memory(earlier, writer);
            if (!keptBoard.isEmpty())
                QVERIFY(memory.boardSent(cells(keptBoard), QDateTime::currentDateTime()));
            if (!keptWindow.isEmpty())
                QVERIFY(memory.windowChanged(cells(keptWindow)));
        }

        auto run = std::make_unique<TestMatch>(TestMatch::Prepare{}, TestMatch::MakeLink{}, folder.path());
        run->match->start();
        for (const QString &action : actions) {
            if (action == QLatin1String("close"))
                run.reset();
            else
                act(*run->match, action);
        }
        // Killed here, unless closed, once its writer has had its moment (a
        // fifth of a second: keptOnTheDiskAtOnce): the next start reads the
        // file as it is then.
        if (run)
            QVERIFY(run->writer.flush());
        TestMatch next({}, {}, folder.path());
        next.match->start();
        QCOMPARE(offerOf(*next.match), offer);
        next.match->restore();
        QCOMPARE(joined(next.match->windowDigits()), restored);
        QVERIFY(next.recording->writes.empty()); // restoring sends nothing
    }

    // Each change is on the disk within a fifth of a second, whatever comes
    // after it, and the last of many in a row is what stays; at the end,
    // what was handed over is on the disk before the program goes. Another
    // adapter leaves nothing of the first one's identity behind.
    void keptOnTheDiskAtOnce_data()
    {
        QTest::addColumn<QStringList>("actions"); // "end": the memories end right after
        QTest::addColumn<QStringList>("file");

        QStringList clicks;
        for (int i = 1; i <= 50; ++i)
            clicks << QStringLiteral("window %1").arg(i, 4, 10, QLatin1Char('0'));
        const QStringList adapters{"port usb@33", "port plain@5"};
        const QStringList plain{"LastPort/device=/dev/fake5", "LastPort/number=5"};

        QTest::newRow("a click") << QStringList{"window 0100"} << QStringList{"LastMatch/window=0100"};
        QTest::newRow("fifty clicks in a row: the last") << clicks << QStringList{"LastMatch/window=0050"};
        QTest::newRow("fifty clicks, then the end")
            << clicks + QStringList{"end"} << QStringList{"LastMatch/window=0050"};
        QTest::newRow("an update: its digits and its time")
            << QStringList{"board 0815"} << QStringList{"LastMatch/board=0815", "LastMatch/sentAt=2024-05-01T20:31:07"};
        const QStringList usb{"LastPort/device=/dev/fake33", "LastPort/number=33",     "LastPort/usbProductId=24577",
                              "LastPort/usbSerialNumber=A5", "LastPort/usbSocket=1-1", "LastPort/usbVendorId=1027"};
        QTest::newRow("one adapter") << QStringList{"port usb@33"} << usb;
        QTest::newRow("another adapter at once") << adapters << plain;
        QTest::newRow("another adapter, then the end") << adapters + QStringList{"end"} << plain;
        QTest::newRow("all of it, then the end")
            << QStringList{"window 0100", "port usb@33", "board 0100", "window 0101", "port plain@5", "end"}
            << QStringList{"LastMatch/board=0100", "LastMatch/sentAt=2024-05-01T20:31:07", "LastMatch/window=0101"} +
                   plain;
    }
    void keptOnTheDiskAtOnce()
    {
        QFETCH(QStringList, actions);
        QFETCH(QStringList, file);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("scoreboard.conf"));
        QSettings settings(path, QSettings::IniFormat);
        auto memories = std::make_unique<Memories>(settings);
        for (const QString &action : actions) {
            if (action == QLatin1String("end"))
                memories.reset();
            else
                QVERIFY(keep(*memories, action));
        }
        if (!memories) {
            QCOMPARE(onDisk(path), file);
            return;
        }
        const qint64 ms = msUntilOnDisk(path, file);
        QVERIFY2(ms >= 0 && ms <= 200, qPrintable(QStringLiteral("%1 ms: %2").arg(ms).arg(onDisk(path).join(' '))));
    }

    // While the disk takes its time (here another program's write, which
    // holds the file's lock), the clicks go on: none waits for it, and all
    // that arrives meanwhile goes out in one write after it.
    void noClickWaitsForTheDisk()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("scoreboard.conf"));
        QSettings settings(path, QSettings::IniFormat);
        Memories memories(settings);
        QLockFile anotherWrite(path + QStringLiteral(".lock"));
        QVERIFY(anotherWrite.lock());
        // Let go after half a second, even when a click waits for it.
        std::thread disk([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            anotherWrite.unlock();
        });
        QElapsedTimer clicks;
        clicks.start();
        bool kept = true;
        for (int i = 1; i <= 50; ++i)
            kept = keep(memories, QStringLiteral("window %1").arg(i, 4, 10, QLatin1Char('0'))) && kept;
        const qint64 ms = clicks.elapsed();
        disk.join();
        QVERIFY(kept);
        QVERIFY2(ms < 250, qPrintable(QStringLiteral("50 clicks took %1 ms").arg(ms)));
        QVERIFY(memories.writer.flush());
        QCOMPARE(onDisk(path), QStringList{"LastMatch/window=0050"});
        QVERIFY2(memories.writer.writes() <= 2, qPrintable(QString::number(memories.writer.writes())));
    }

    // A folder that cannot be made: once a write has failed, no change is
    // taken as kept, so that the failure is said. Nothing handed over is
    // lost: once the folder can be made, the next change, or the end, writes
    // all of it, and changes are kept again.
    void aFileThatCannotBeWrittenIsSaid_data()
    {
        QTest::addColumn<QString>("then"); // once it can be written: "window 0400" or "end"
        QTest::addColumn<QString>("window");

        QTest::newRow("the next change writes it all") << "window 0400"
                                                       << "0400";
        QTest::newRow("the end writes it all") << "end"
                                               << "0200";
    }
    void aFileThatCannotBeWrittenIsSaid()
    {
        QFETCH(QString, then);
        QFETCH(QString, window);
        QTemporaryDir folder;
        const QString blocker = folder.filePath(QStringLiteral("scoreboard"));
        const QString path = blocker + QStringLiteral("/scoreboard.conf");
        QFile file(blocker); // a file where its folder should be: no write, even as root
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QSettings settings(path, QSettings::IniFormat);
        auto memories = std::make_unique<Memories>(settings);
        keep(*memories, QStringLiteral("window 0100")); // the disk may not have answered yet
        QVERIFY(!memories->writer.flush());
        QVERIFY(!keep(*memories, QStringLiteral("board 0815")));
        QVERIFY(!keep(*memories, QStringLiteral("port plain@5")));
        QVERIFY(!keep(*memories, QStringLiteral("window 0200")));
        QVERIFY(!memories->writer.flush());
        QVERIFY(onDisk(path).isEmpty());

        QVERIFY(QFile::remove(blocker));
        if (then == QLatin1String("end")) {
            memories.reset();
        } else {
            keep(*memories, then);
            QVERIFY(memories->writer.flush());
            QVERIFY(keep(*memories, QStringLiteral("port plain@5")));
        }
        QCOMPARE(onDisk(path),
                 QStringList({"LastMatch/board=0815", "LastMatch/sentAt=2024-05-01T20:31:07",
                              "LastMatch/window=" + window, "LastPort/device=/dev/fake5", "LastPort/number=5"}));
    }

    // A remote's update asked while the window's is on the wire waits its
    // turn: two whole updates, never interleaved; what it did is said.
    // What the buttons do while the board is being sent: the window's scores
    // change at once and the send carries the digits it started with; an
    // update or reset waits its turn, and several go as one, with the scores
    // as they are when it starts, in the name of the last asker. Actions as
    // act() takes them, "update@A" from the device A; "before" leads up to
    // the update whose first write is held while "during" runs.
    void duringASend_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("during");
        QTest::addColumn<QString>("statusDuring");
        QTest::addColumn<QStringList>("sent");    // each send's digits, in order
        QTest::addColumn<QString>("window");      // the window's digits at the end
        QTest::addColumn<QString>("statusAfter"); // its start
        const auto row = [](const char *name, QStringList before, QStringList during, const char *statusDuring,
                            QStringList sent, const char *window, const char *statusAfter) {
            QTest::newRow(name) << before << during << QString(statusDuring) << sent << QString(window)
                                << QString(statusAfter);
        };
        row("+ shows at once; the board keeps what was sent", {"+L"}, {"+L", "+R"}, "Sending 01 00 to port 1 ...",
            {"0100"}, "0201", "Board shows 01 00");
        row("an update waits its turn", {}, {"+L", "update"}, "Update waiting - the board is being sent 00 00.",
            {"0000", "0100"}, "0100", "Board shows 01 00");
        row("five updates and a +: one more send, the latest scores, the last asker's name", {},
            {"update@A", "+L", "update@A", "update@B", "update@A", "update@B", "+R", "update@C"},
            "Update from C waiting - the board is being sent 00 00.", {"0000", "0101"}, "0101",
            "Update from C: Board shows 01 01");
        row("reset: 00 00 at once, its send waits", {"+L", "+L"}, {"reset"},
            "Reset waiting - the board is being sent 02 00.", {"0200", "0000"}, "0000", "Board shows 00 00");
    }
    void duringASend()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, during);
        QFETCH(QString, statusDuring);
        QFETCH(QStringList, sent);
        QFETCH(QString, window);
        QFETCH(QString, statusAfter);
        TestMatch run;
        run.match->start();
        const auto perform = [&](const QString &action) {
            const QString from = action.section(QLatin1Char('@'), 1);
            if (action.startsWith(QLatin1String("update")))
                return run.match->update(from);
            if (action.startsWith(QLatin1String("reset")))
                return run.match->reset(from);
            run.match->step(action.endsWith(QLatin1Char('L')) ? Side::Left : Side::Right,
                            action.startsWith(QLatin1Char('+')) ? Direction::Up : Direction::Down);
            return Match::Asked::Started;
        };
        for (const QString &action : before)
            perform(action);
        SendGate gate(*run.recording);
        gate.close();
        QCOMPARE(run.match->update(), Match::Asked::Started);
        QVERIFY(run.match->sending());
        QVERIFY(gate.holding());

        for (const QString &action : during) {
            const bool sends = action.startsWith(QLatin1String("update")) || action.startsWith(QLatin1String("reset"));
            const Match::Asked asked = perform(action);
            QVERIFY(!sends || asked == Match::Asked::Waiting);
        }
        QCOMPARE(run.match->status(), statusDuring);
        QCOMPARE(joined(run.match->windowDigits()), window);

        gate.open();
        QVERIFY(WaitFor([&] { return !run.match->sending(); }));

        std::string hex;
        for (const auto &write : run.recording->writes)
            hex += (hex.empty() ? "" : " | ") + ToHex(write.bytes);
        std::string expected;
        for (const QString &digits : sent)
            expected += (expected.empty() ? "" : " | ") + updateHex(digits);
        QCOMPARE(hex, expected);
        QCOMPARE(joined(run.match->windowDigits()), window);
        QCOMPARE(joined(*run.match->boardDigits()), sent.last());
        QCOMPARE(run.match->boardBehind(), window != sent.last());
        QVERIFY2(run.match->status().startsWith(statusAfter), qPrintable(run.match->status()));
        // The last match kept is what the board shows.
        QVERIFY(run.writer.flush());
        QVERIFY(onDisk(run.settings.fileName()).contains(QStringLiteral("LastMatch/board=") + sent.last()));
    }

    // Pulled out after two digits: the words say so, and what happens next.
    void anUpdateCutOffByAnUnplugSaysSo()
    {
        TestMatch run;
        run.match->start();
        run.recording->writesBeforeFailure = 2;
        run.match->update();
        QVERIFY(WaitFor([&] { return !run.match->sending(); }));
        QCOMPARE(run.match->status(),
                 QStringLiteral("Update cut off after 2 of 4 digits: port 1 was unplugged - the board may show a mix; "
                                "it is reopened when plugged back in, then press Update scoreboard."));
        QVERIFY(run.match->statusIsFailure());
        QVERIFY(run.match->session().awaitingReturn());
    }

    // A sentence of no operation's is told once, with the status it stands
    // beside, and goes with the operator's next action.
    void aSentenceSaidOnceGoesWithTheNextAction()
    {
        TestMatch run;
        QSignalSpy said(run.match.get(), &Match::announce);
        run.match->start();
        QTRY_COMPARE(said.count(), 1);
        said.clear();
        const QString note = QStringLiteral("F13 is not a key.");
        run.match->sayOnce(note);
        QCOMPARE(run.match->saidOnce(), note);
        QTRY_COMPARE(said.count(), 1);
        QVERIFY(said.takeFirst().at(0).toString().endsWith(QLatin1Char(' ') + note));
        run.match->step(Side::Left, Direction::Up);
        QVERIFY(run.match->saidOnce().isEmpty());
        QTRY_COMPARE(said.count(), 1);
        QVERIFY(!said.takeFirst().at(0).toString().contains(note));
    }

    // Ten quick "+" are said once, after the burst, as the score stands then.
    void aBurstOfClicksIsAnnouncedOnceItEnds()
    {
        TestMatch run;
        QSignalSpy said(run.match.get(), &Match::announce);
        run.match->start();
        QTRY_COMPARE(said.count(), 1);                                    // once the views are up
        QCOMPARE(said.takeFirst().at(0).toString(), run.match->status()); // how the start went
        for (int i = 0; i < 10; ++i) {
            run.match->step(Side::Left, Direction::Up);
            QTest::qWait(20);
        }
        QCOMPARE(said.count(), 0);
        QTRY_COMPARE(said.count(), 1);
        QCOMPARE(said.takeFirst().at(0).toString(),
                 QStringLiteral("Left score 10. Not on the board yet - press Update scoreboard."));
        QTest::qWait(600);
        QCOMPARE(said.count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestTheMatch)
#include "tst_match.moc"
