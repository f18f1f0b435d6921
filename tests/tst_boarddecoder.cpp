#include "display/BoardDecoder.h"
#include "display/DisplayPacket.h"
#include "support/Hex.h"

#include <QTest>

namespace {
const char *kindName(BoardEventKind kind)
{
    switch (kind) {
    case BoardEventKind::Digit: return "digit";
    case BoardEventKind::Startup: return "start-up";
    case BoardEventKind::CommandS: return "S";
    case BoardEventKind::BadChecksum: return "checksum";
    case BoardEventKind::StrayBytes: return "stray";
    case BoardEventKind::TornMessage: return "torn";
    case BoardEventKind::UnknownCommand: return "command";
    case BoardEventKind::BadAddress: return "address";
    case BoardEventKind::BadData: return "data";
    }
    return "?";
}

// "digit 0D 01 41 30 81 | S 0D 00 53 13 8D": kinds and bytes, in order.
QString summary(const std::vector<BoardEvent> &events)
{
    QStringList parts;
    for (const BoardEvent &event : events)
        parts << QString("%1 %2").arg(kindName(event.kind), QString::fromStdString(ToHex(event.bytes)));
    return parts.join(" | ");
}

// Feeds the stream in reads of `chunkSize` bytes (0: one read), then lets the
// line go quiet.
std::vector<BoardEvent> decode(BoardDecoder &decoder, const std::vector<std::uint8_t> &stream,
                               std::size_t chunkSize = 0)
{
    std::vector<BoardEvent> events;
    const std::size_t step = chunkSize ? chunkSize : std::max<std::size_t>(stream.size(), 1);
    for (std::size_t at = 0; at < stream.size(); at += step) {
        const auto part = decoder.feed(stream.data() + at, std::min(step, stream.size() - at));
        events.insert(events.end(), part.begin(), part.end());
    }
    for (BoardEvent &event : decoder.flush())
        events.push_back(std::move(event));
    return events;
}

std::vector<std::uint8_t> concat(std::initializer_list<const char *> hexParts)
{
    std::vector<std::uint8_t> all;
    for (const char *part : hexParts) {
        const auto bytes = Hex(part);
        all.insert(all.end(), bytes.begin(), bytes.end());
    }
    return all;
}

const char *const kUpdate0815 = "0D 01 41 30 81 0D 01 41 30 81  0D 02 41 38 78 0D 02 41 38 78  "
                                "0D 03 41 31 7E 0D 03 41 31 7E  0D 04 41 35 79 0D 04 41 35 79  0D 00 53 13 8D";
} // namespace

Q_DECLARE_METATYPE(BoardEventKind)

class TestBoardDecoder : public QObject
{
    Q_OBJECT

private slots:
    void everyMessageTheProgramSends_data()
    {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<BoardEventKind>("kind");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("board");

        for (int address = 1; address <= 4; ++address)
            for (char digit = '0'; digit <= '9'; ++digit) {
                const auto packet = BuildDisplayPacket(std::uint8_t(address), 'A', std::uint8_t(digit));
                QString board = "_ _ _ _";
                board[2 * (address - 1)] = QLatin1Char(digit);
                QTest::addRow("digit %c at %d", digit, address)
                    << QByteArray(reinterpret_cast<const char *>(packet.data()), 5) << BoardEventKind::Digit
                    << QString("digit %1 = %2").arg(address).arg(digit) << board;
            }
        QTest::newRow("start-up") << QByteArray::fromHex("0D0041EDC5") << BoardEventKind::Startup << "start-up"
                                  << "_ _ _ _";
        QTest::newRow("S") << QByteArray::fromHex("0D0053138D") << BoardEventKind::CommandS << "'S'"
                           << "_ _ _ _";
    }
    void everyMessageTheProgramSends()
    {
        QFETCH(QByteArray, message);
        QFETCH(BoardEventKind, kind);
        QFETCH(QString, description);
        QFETCH(QString, board);

        const std::vector<std::uint8_t> bytes(message.begin(), message.end());
        // Split 0 is the whole message in one read; split k reads k bytes, then the rest.
        for (std::size_t split = 0; split < bytes.size(); ++split) {
            BoardDecoder decoder;
            auto events = decoder.feed(bytes.data(), split);
            QVERIFY2(events.empty(), qPrintable(QString("after %1 bytes").arg(split)));
            events = decoder.feed(bytes.data() + split, bytes.size() - split);
            QCOMPARE(events.size(), std::size_t(1));
            QCOMPARE(events[0].kind, kind);
            QCOMPARE(ToHex(events[0].bytes), ToHex(bytes));
            QCOMPARE(QString::fromStdString(DescribeBoardEvent(events[0])), description);
            QCOMPARE(QString::fromStdString(ShownDigitsText(events[0].shownAfter)), board);
            QVERIFY(!events[0].isProblem());
            QVERIFY(decoder.flush().empty());
        }
    }

    void streams_data()
    {
        QTest::addColumn<std::vector<std::uint8_t>>("stream");
        QTest::addColumn<QString>("events");
        QTest::addColumn<QString>("board");

        QTest::newRow("start-up command") << concat({"0D 00 41 ED C5 0D 00 41 ED C5", "0D 00 53 13 8D"})
                                          << "start-up 0D 00 41 ED C5 | start-up 0D 00 41 ED C5 | S 0D 00 53 13 8D"
                                          << "_ _ _ _";
        QTest::newRow("update 0 8 1 5")
            << Hex(kUpdate0815)
            << "digit 0D 01 41 30 81 | digit 0D 01 41 30 81 | digit 0D 02 41 38 78 | digit 0D 02 41 38 78 | "
               "digit 0D 03 41 31 7E | digit 0D 03 41 31 7E | digit 0D 04 41 35 79 | digit 0D 04 41 35 79 | "
               "S 0D 00 53 13 8D"
            << "0 8 1 5";
        QTest::newRow("garbage before, between and after messages")
            << concat({"FF", "0D 01 41 30 81", "00 7F", "0D 02 41 38 78", "41"})
            << "stray FF | digit 0D 01 41 30 81 | stray 00 7F | digit 0D 02 41 38 78 | stray 41"
            << "0 8 _ _";
        QTest::newRow("a long run of noise comes in lines of 16")
            << std::vector<std::uint8_t>(20, 0xAA)
            << "stray AA AA AA AA AA AA AA AA AA AA AA AA AA AA AA AA | stray AA AA AA AA"
            << "_ _ _ _";
        QTest::newRow("torn by the next message, which still counts")
            << concat({"0D 01 41 30", "0D 02 41 38 78"}) << "torn 0D 01 41 30 | digit 0D 02 41 38 78"
            << "_ 8 _ _";
        QTest::newRow("two start bytes in a row")
            << concat({"0D", "0D 01 41 30 81"}) << "torn 0D | digit 0D 01 41 30 81"
            << "0 _ _ _";
        QTest::newRow("cut short when the line goes quiet")
            << concat({"0D 01 41 30 81", "0D 02 41"}) << "digit 0D 01 41 30 81 | torn 0D 02 41"
            << "0 _ _ _";
        QTest::newRow("a torn digit leaves the old one shown")
            << concat({"0D 01 41 35 7C", "0D 01 41 30", "0D 00 53 13 8D"})
            << "digit 0D 01 41 35 7C | torn 0D 01 41 30 | S 0D 00 53 13 8D"
            << "5 _ _ _";
    }
    void streams()
    {
        QFETCH(std::vector<std::uint8_t>, stream);
        QFETCH(QString, events);
        QFETCH(QString, board);

        // However the reads cut the stream, the board sees the same messages.
        for (const std::size_t chunkSize : {0, 1, 2, 3, 7}) {
            BoardDecoder decoder;
            QCOMPARE(summary(decode(decoder, stream, chunkSize)), events);
            QCOMPARE(QString::fromStdString(ShownDigitsText(decoder.shownDigits())), board);
        }
    }

    void rejectedMessages_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<BoardEventKind>("kind");
        QTest::addColumn<QString>("description");

        QTest::newRow("checksum off by one")
            << "0D 01 41 30 80" << BoardEventKind::BadChecksum << "PROBLEM: bad checksum 80, should be 81";
        QTest::newRow("command 'B'") << "0D 01 42 30 80" << BoardEventKind::UnknownCommand
                                     << "PROBLEM: unknown command 42";
        QTest::newRow("lower-case 'a'") << "0D 01 61 30 61" << BoardEventKind::UnknownCommand
                                        << "PROBLEM: unknown command 61";
        QTest::newRow("digit at address 5")
            << "0D 05 41 30 7D" << BoardEventKind::BadAddress << "PROBLEM: bad address 5 for 'A'";
        QTest::newRow("digit at address 255")
            << "0D FF 41 30 83" << BoardEventKind::BadAddress << "PROBLEM: bad address 255 for 'A'";
        QTest::newRow("'S' to one digit")
            << "0D 01 53 13 8C" << BoardEventKind::BadAddress << "PROBLEM: bad address 1 for 'S'";
        QTest::newRow("'S' with other data")
            << "0D 00 53 14 8C" << BoardEventKind::BadData << "PROBLEM: 'S' with data 14, should be 13";
        QTest::newRow("':' just above '9'")
            << "0D 01 41 3A 77" << BoardEventKind::BadData << "PROBLEM: data 3A for digit 1 is not a digit";
        QTest::newRow("'/' just below '0'")
            << "0D 01 41 2F 82" << BoardEventKind::BadData << "PROBLEM: data 2F for digit 1 is not a digit";
        QTest::newRow("digit as a number, not a character")
            << "0D 01 41 05 AC" << BoardEventKind::BadData << "PROBLEM: data 05 for digit 1 is not a digit";
        QTest::newRow("board-wide 'A' that is not start-up")
            << "0D 00 41 30 82" << BoardEventKind::BadData << "PROBLEM: board-wide 'A' with data 30, start-up is ED";
        // The bytes add up to 512: checksum 00 is right and the message is judged on its data.
        QTest::newRow("checksum 00") << "0D 00 41 B2 00" << BoardEventKind::BadData
                                     << "PROBLEM: board-wide 'A' with data B2, start-up is ED";
    }
    void rejectedMessages()
    {
        QFETCH(QString, message);
        QFETCH(BoardEventKind, kind);
        QFETCH(QString, description);

        // Between two good digit messages, all in one read: the rejected one
        // changes nothing shown, and the one after it is read as usual.
        BoardDecoder decoder;
        const auto events = decode(decoder, concat({"0D 02 41 35 7B", qPrintable(message), "0D 04 41 39 75"}));
        QCOMPARE(events.size(), std::size_t(3));
        QCOMPARE(events[1].kind, kind);
        QCOMPARE(ToHex(events[1].bytes), message.toStdString());
        QVERIFY(events[1].isProblem());
        QCOMPARE(QString::fromStdString(DescribeBoardEvent(events[1])), description);
        QCOMPARE(QString::fromStdString(ShownDigitsText(events[1].shownAfter)), QString("_ 5 _ _"));
        QCOMPARE(QString::fromStdString(DescribeBoardEvent(events[2])), QString("digit 4 = 9"));
    }
};

QTEST_GUILESS_MAIN(TestBoardDecoder)
#include "tst_boarddecoder.moc"
