#include "support/Hex.h"
#include "support/TestMatch.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

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

// "+L", "-R", "update", "reset", "restore"
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
            << "" << QStringList{"+L", "+L", "+R"} << "Last match: window showed 02 01 - Restore"
            << "0201";
        QTest::newRow("an update and a click, then killed")
            << ""
            << "" << QStringList{"+L", "update", "+R"}
            << "Last match: board showed 01 00 at HH:MM, window 01 01 - Restore"
            << "0101";
        QTest::newRow("the window never kept: the board's digits, not 00 00")
            << "0815"
            << "" << QStringList{} << "Last match: board showed 08 15 at HH:MM - Restore"
            << "0815";
        QTest::newRow("a start that touches nothing keeps the offer")
            << "0815"
            << "0816" << QStringList{"close"} << "Last match: board showed 08 15 at HH:MM, window 08 16 - Restore"
            << "0816";
        QTest::newRow("restored, then killed")
            << "0815"
            << "0816" << QStringList{"restore"} << "Last match: board showed 08 15 at HH:MM, window 08 16 - Restore"
            << "0816";
        QTest::newRow("the first + ends the offer")
            << "0815"
            << "0816" << QStringList{"+L"} << "Last match: board showed 08 15 at HH:MM, window 01 00 - Restore"
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
            MatchMemory memory(earlier);
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
        // Killed here, unless closed: the next start reads the file as it is
        // now, while this run still holds its settings unwritten.
        TestMatch next({}, {}, folder.path());
        next.match->start();
        QCOMPARE(offerOf(*next.match), offer);
        next.match->restore();
        QCOMPARE(joined(next.match->windowDigits()), restored);
        QVERIFY(next.recording->writes.empty()); // restoring sends nothing
    }

    // A remote's update asked while the window's is on the wire waits its
    // turn: two whole updates, never interleaved; what it did is said.
    void anUpdateAskedDuringOneWaitsItsTurn()
    {
        TestMatch run;
        run.match->start();
        bool asked = false;
        run.recording->beforeWrite = [&] {
            if (std::exchange(asked, true))
                return;
            run.match->update(QStringLiteral("192.168.1.23"));
            run.match->step(Side::Left, Direction::Up, QStringLiteral("192.168.1.23"));
        };
        run.match->update();
        std::string hex;
        for (const auto &write : run.recording->writes)
            hex += (hex.empty() ? "" : " | ") + ToHex(write.bytes);
        QCOMPARE(hex, updateHex(QStringLiteral("0000")) + " | " + updateHex(QStringLiteral("0000")));
        QCOMPARE(joined(run.match->windowDigits()), QStringLiteral("0100"));
        QCOMPARE(run.match->status(),
                 QStringLiteral("Left + from 192.168.1.23: Not on the board yet - press Update scoreboard"));
        QVERIFY(run.match->boardBehind());
    }

    // Pulled out after two digits: the words say so, and what happens next.
    void anUpdateCutOffByAnUnplugSaysSo()
    {
        TestMatch run;
        run.match->start();
        run.recording->writesBeforeFailure = 2;
        run.match->update();
        QCOMPARE(run.match->status(),
                 QStringLiteral("Update cut off after 2 of 4 digits: port 1 was unplugged - the board may show a mix; "
                                "it is reopened when plugged back in, then press Update scoreboard"));
        QVERIFY(run.match->statusIsFailure());
        QVERIFY(run.match->session().awaitingReturn());
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
                 QStringLiteral("Left score 10. Not on the board yet - press Update scoreboard"));
        QTest::qWait(600);
        QCOMPARE(said.count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestTheMatch)
#include "tst_match.moc"
