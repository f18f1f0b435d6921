#include "match/StatusText.h"
#include "support/PseudoTranslator.h"

Q_DECLARE_METATYPE(LinkResult)

#include <QRegularExpression>
#include <QTest>

#include <functional>

namespace {
LinkResult port(int number, const char *path, LinkError error = LinkError::None, const char *systemText = "")
{
    return {error, number, path, systemText};
}

SerialDevice device(int number, const char *path, const char *manufacturer, const char *product, bool mayOpen,
                    const char *serialNumber = "")
{
    SerialDevice found;
    found.portNumber = number;
    found.path = path;
    found.manufacturer = manufacturer;
    found.product = product;
    found.mayOpen = mayOpen;
    found.grantingGroup = mayOpen ? "" : "dialout";
    found.usb = UsbIdentity{0x0403, 0x6001, serialNumber, "1-1"};
    return found;
}

PortEvent happened(PortEvent::Kind kind, LinkResult result = {})
{
    PortEvent made;
    made.kind = kind;
    made.result = std::move(result);
    return made;
}

const SerialDevice kFtdi = device(33, "/dev/ttyUSB0", "FTDI", "FT232R USB UART", true, "A50285BI");
const SerialDevice kProlific = device(33, "/dev/ttyUSB0", "Prolific", "Prolific USB-Serial Controller", true);

// A text as it is shown, and its arguments that went through the translation
// themselves (a device's description).
struct Said
{
    QString text;
    QStringList translatedArguments;
};
using Saying = std::function<Said()>;
} // namespace

Q_DECLARE_METATYPE(Saying)

class TestStatusText : public QObject
{
    Q_OBJECT

private slots:
    // Every text is one or more whole translated sentences, one after the
    // other: a text glued from translated pieces shows up as words outside
    // the marks, a mark inside another, or a mark that ends mid-sentence.
    void wholeSentencesOnly_data()
    {
        using Kind = PortEvent::Kind;
        using StatusText::Request;
        QTest::addColumn<Saying>("saying");
        const auto row = [](const char *name, Saying saying) { QTest::newRow(name) << saying; };
        const auto event = [](PortEvent made) { return [made] { return Said{StatusText::of(made, 96), {}}; }; };
        const auto with = [](PortEvent made, std::optional<SerialDevice> there = {},
                             std::vector<SerialDevice> devices = {}, std::vector<LinkResult> probes = {}) {
            made.device = std::move(there);
            made.devices = std::move(devices);
            made.failedProbes = std::move(probes);
            return made;
        };
        SerialDevice rootOnly = device(34, "/dev/ttyUSB1", "", "", false);
        rootOnly.grantingGroup.clear();
        rootOnly.owner = "root";
        SerialDevice nobody = rootOnly;
        nobody.owner.clear();
        const SerialDevice refusedFtdi = device(35, "/dev/ttyUSB2", "FTDI", "FT232R USB UART", false);

        row("opened", event(happened(Kind::Opened, port(1, "/dev/ttyS0"))));
        row("open failed: in use", event(happened(Kind::OpenFailed, port(2, "COM2", LinkError::InUse))));
        row("open failed: the console",
            event(happened(Kind::OpenFailed, port(1, "/dev/ttyS0", LinkError::SystemConsole))));
        row("open failed: no permission, owner",
            event(with(happened(Kind::OpenFailed, port(34, "/dev/ttyUSB1", LinkError::PermissionDenied)), rootOnly)));
        row("open failed: no permission, nobody named",
            event(with(happened(Kind::OpenFailed, port(34, "/dev/ttyUSB1", LinkError::PermissionDenied)), nobody)));
        row("open failed: no chip", event(happened(Kind::OpenFailed, port(2, "/dev/ttyS1", LinkError::NoSerialPort))));
        row("open failed: no such device",
            event(happened(Kind::OpenFailed, port(3, "/dev/ttyS2", LinkError::NoSuchDevice))));
        row("open failed: the system's words",
            event(happened(Kind::OpenFailed, port(3, "/dev/ttyS2", LinkError::OpenFailed, "I/O error"))));
        row("open failed: typed text",
            event(happened(Kind::OpenFailed, port(0, "", LinkError::NoDeviceForPort, "left port"))));
        row("open failed: nothing typed", event(happened(Kind::OpenFailed, port(0, "", LinkError::NoDeviceForPort))));
        row("open failed: beyond the ports",
            event(happened(Kind::OpenFailed, port(200, "", LinkError::NoDeviceForPort, "200"))));
        row("open failed: out of range",
            event(happened(Kind::OpenFailed, port(0, "", LinkError::PortNumberOutOfRange, "99999"))));
        row("start-up command sent", event(happened(Kind::StartupCommandSent, port(1, "/dev/ttyS0"))));
        row("start-up command not sent",
            event(happened(Kind::StartupCommandSent, port(1, "/dev/ttyS0", LinkError::WriteFailed, "I/O error"))));
        row("no port found: probes alike, one found",
            event(with(happened(Kind::NoPortFound), {}, {kFtdi},
                       {port(1, "/dev/ttyS0", LinkError::InUse), port(2, "/dev/ttyS1", LinkError::InUse)})));
        row("no port found: probes differ, many found, some refused",
            event(with(happened(Kind::NoPortFound), {},
                       {device(33, "/dev/ttyUSB0", "", "", true), device(34, "/dev/ttyUSB1", "", "", true),
                        device(36, "/dev/ttyUSB3", "", "", true), refusedFtdi, rootOnly},
                       {port(1, "/dev/ttyS0", LinkError::PermissionDenied),
                        port(2, "/dev/ttyS1", LinkError::OpenFailed, "I/O error")})));
        row("no port found: nothing else", event(with(happened(Kind::NoPortFound), {}, {},
                                                      {port(1, "/dev/ttyS0", LinkError::SystemConsole),
                                                       port(2, "/dev/ttyS1", LinkError::NoSerialPort)})));
        row("remembered opened", event(happened(Kind::RememberedOpened, port(33, "/dev/ttyUSB0"))));
        row("remembered replaced", event(with(happened(Kind::RememberedReplaced), kProlific)));
        row("another device, nothing known",
            event(with(happened(Kind::AnotherDevice), device(33, "/dev/ttyUSB0", "", "", true))));
        row("another device, refused", event(with(happened(Kind::AnotherDevice), refusedFtdi)));
        row("another device, refused, nothing known", event(with(happened(Kind::AnotherDevice), rootOnly)));
        row("remembered elsewhere", event(with(happened(Kind::RememberedElsewhere), kFtdi)));
        row("unplugged", event(happened(Kind::Unplugged, port(33, "/dev/ttyUSB0"))));
        row("closed for removal", event(happened(Kind::ClosedForRemoval, port(5, "COM5"))));
        PortEvent backHere = happened(Kind::Back, port(33, "/dev/ttyUSB0"));
        backHere.previous = port(33, "/dev/ttyUSB0");
        row("back where it was", event(backHere));
        PortEvent backThere = happened(Kind::Back, port(34, "/dev/ttyUSB1"));
        backThere.previous = port(33, "/dev/ttyUSB0");
        row("back elsewhere", event(backThere));
        for (const LinkError error : {LinkError::PermissionDenied, LinkError::InUse, LinkError::SystemConsole,
                                      LinkError::NoSuchDevice, LinkError::NoSerialPort, LinkError::OpenFailed})
            QTest::addRow("reopen failed %d", int(error))
                << Saying(event(happened(Kind::ReopenFailed, port(34, "/dev/ttyUSB1", error, "I/O error"))));
        row("devices changed: none", event(happened(Kind::DevicesChanged)));
        std::vector<SerialDevice> twins = {device(33, "/dev/ttyUSB0", "FTDI", "FT232R USB UART", true, "A50285BI"),
                                           device(34, "/dev/ttyUSB1", "FTDI", "FT232R USB UART", false)};
        twins[1].usb->serialNumber.clear();
        MarkLookAlikes(twins);
        const PortEvent lookAlikes = with(happened(Kind::DevicesChanged), {}, twins);
        row("devices changed: look-alikes", [twins, lookAlikes] {
            return Said{StatusText::of(lookAlikes, 96),
                        {QString::fromStdString(DeviceDescription(twins[0])),
                         QString::fromStdString(DeviceDescription(twins[1]))}};
        });

        const ScoreKeeper::DigitCells digits{"0", "8", "1", "5"};
        const LinkResult sent = port(1, "/dev/ttyS0");
        const QTime at(20, 31, 7);
        row("memory not writable: said with the outcome", [=] {
            return Said{StatusText::together(StatusText::of(happened(Kind::MemoryNotWritable), 96),
                                             StatusText::together(StatusText::boardShows(digits, sent, at),
                                                                  StatusText::notKept("/tmp/scoreboard.conf"))),
                        {}};
        });
        row("sending", [=] { return Said{StatusText::sending(digits, 1), {}}; });
        for (const Request request : {Request::Update, Request::Reset})
            for (const QString &from : {QString(), QStringLiteral("192.168.1.23")}) {
                QTest::addRow("waiting for the start-up command %d %s", int(request), qPrintable(from)) << Saying([=] {
                    return Said{StatusText::waiting({request, from}, nullptr), {}};
                });
                QTest::addRow("waiting for a send %d %s", int(request), qPrintable(from)) << Saying([=] {
                    return Said{StatusText::waiting({request, from}, &digits), {}};
                });
            }
        for (const Request request : {Request::Update, Request::Reset, Request::LeftUp, Request::LeftDown,
                                      Request::RightUp, Request::RightDown, Request::Restore})
            QTest::addRow("remote asked %d", int(request)) << Saying([=] {
                const StatusText::Asker asker{request, QStringLiteral("192.168.1.23")};
                return Said{StatusText::together(StatusText::askedBy(asker), StatusText::notOnTheBoardYet()), {}};
            });
        row("remote update sending", [=] {
            return Said{StatusText::sending(digits, 1, {Request::Update, QStringLiteral("10.0.0.7")}), {}};
        });
        row("remote reset shown", [=] {
            return Said{StatusText::boardShows(digits, sent, at, {Request::Reset, QStringLiteral("10.0.0.7")}), {}};
        });
        row("remote reset sending", [=] {
            return Said{StatusText::sending(digits, 1, {Request::Reset, QStringLiteral("10.0.0.7")}), {}};
        });
        row("remote update shown", [=] {
            return Said{StatusText::boardShows(digits, sent, at, {Request::Update, QStringLiteral("10.0.0.7")}), {}};
        });
        row("remote update not sent", [=] {
            return Said{StatusText::together(StatusText::askedBy({Request::Update, QStringLiteral("10.0.0.7")}),
                                             StatusText::notSent(port(0, "", LinkError::NotOpen), 0, false)),
                        {}};
        });
        const LinkResult broke = port(33, "/dev/ttyUSB0", LinkError::WriteFailed, "I/O error");
        const LinkResult brokeSilently = port(33, "/dev/ttyUSB0", LinkError::WriteFailed);
        const auto notSent = [](LinkResult result, int digitsSent, bool awaited) {
            return [=] { return Said{StatusText::notSent(result, digitsSent, awaited), {}}; };
        };
        row("cut off by an unplug", notSent(broke, 1, true));
        row("unplugged before the first digit", notSent(broke, 0, true));
        row("cut off, the system's words", notSent(broke, 3, false));
        row("cut off, no words", notSent(brokeSilently, 2, false));
        row("stopped working, the system's words", notSent(broke, 0, false));
        row("stopped working, no words", notSent(brokeSilently, 0, false));
        row("the port awaited", notSent(port(33, "", LinkError::NotOpen), 0, true));
        row("no port open", notSent(port(0, "", LinkError::NotOpen), 0, false));

        const QDateTime today(QDate::currentDate(), QTime(20, 31));
        const QDateTime longAgo(QDate(2020, 5, 1), QTime(20, 31));
        const std::optional<ScoreKeeper::DigitCells> none, other = ScoreKeeper::DigitCells{"0", "8", "1", "6"};
        const auto lastMatch = [](MatchMemory::LastMatch last) {
            return [=] {
                return Said{StatusText::together(StatusText::lastMatch(last), StatusText::restoreHint()), {}};
            };
        };
        row("last match: window only", lastMatch({none, {}, digits}));
        row("last match: board", lastMatch({digits, {}, digits}));
        row("last match: board, window", lastMatch({digits, {}, other}));
        row("last match: board at", lastMatch({digits, today, none}));
        row("last match: board at, window", lastMatch({digits, longAgo, other}));
        row("restore hint with its key", [] { return Said{StatusText::restoreHint(QStringLiteral("Ctrl+R")), {}}; });
    }
    void wholeSentencesOnly()
    {
        QFETCH(Saying, saying);
        PseudoTranslator marked;
        const Said said = saying();
        QString sentences = said.text;
        for (const QString &argument : said.translatedArguments)
            sentences.remove(argument);
        // ⟦...⟧ ending as a sentence ends, one after the other, nothing else.
        static const QRegularExpression whole(
            QStringLiteral("^\\x{27e6}[^\\x{27e6}\\x{27e7}]*[.\\x{2026}]\\x{27e7}"
                           "( \\x{27e6}[^\\x{27e6}\\x{27e7}]*[.\\x{2026}]\\x{27e7})*$"));
        QVERIFY2(whole.match(sentences).hasMatch(), qPrintable(said.text));
    }

    // What the operator reads for each thing that happens to the port, and
    // what must not be there.
    void eventsInWords_data()
    {
        using Kind = PortEvent::Kind;
        QTest::addColumn<PortEvent>("event");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("notThere");

        QTest::newRow("opened") << happened(Kind::Opened, port(1, "/dev/ttyS0")) << "Port 1 (/dev/ttyS0) open."
                                << "";
        QTest::newRow("in use: advice once")
            << happened(Kind::OpenFailed, port(2, "COM2", LinkError::InUse))
            << "Port 2 (COM2): in use by another program. Close it or pick another port."
            << "dialout";
        QTest::newRow("no chip behind the node, said plainly")
            << happened(Kind::OpenFailed, port(2, "/dev/ttyS1", LinkError::NoSerialPort, "Input/output error"))
            << "Port 2: no serial port behind /dev/ttyS1."
            << "Input/output";
        QTest::newRow("a typed text, quoted shortened")
            << happened(Kind::OpenFailed, port(0, "", LinkError::NoDeviceForPort, "the port on the left"))
            << "\"the port on…\" is not a port number - type 1 to 96."
            << "left";
        QTest::newRow("a typed marker, as typed")
            << happened(Kind::OpenFailed, port(0, "", LinkError::NoDeviceForPort, "%1"))
            << "\"%1\" is not a port number - type 1 to 96."
            << "";
        QTest::newRow("a number beyond the ports")
            << happened(Kind::OpenFailed, port(200, "", LinkError::NoDeviceForPort, "200"))
            << "Port 200: no such port - type 1 to 96."
            << "";

        PortEvent noDialout = happened(Kind::NoPortFound);
        noDialout.failedProbes = {port(1, "/dev/ttyS0", LinkError::PermissionDenied),
                                  port(2, "/dev/ttyS1", LinkError::NoSuchDevice)};
        noDialout.devices = {device(1, "/dev/ttyS0", "", "", false),
                             device(33, "/dev/ttyUSB0", "FTDI", "FT232R USB UART", false)};
        QTest::newRow("not in the dialout group: no pick, advice once")
            << noDialout
            << "No permission for 33 FTDI FT232R USB UART (ttyUSB0). Port 1: permission denied. Port 2: no such "
               "device. Join the dialout group, then log in again."
            << "pick";

        PortEvent found = happened(Kind::NoPortFound);
        found.failedProbes = {port(1, "/dev/ttyS0", LinkError::NoSuchDevice),
                              port(2, "/dev/ttyS1", LinkError::NoSuchDevice)};
        found.devices = {device(33, "/dev/ttyUSB0", "", "", false), kFtdi, device(35, "/dev/ttyUSB2", "", "", true)};
        found.devices[1].portNumber = 34;
        found.devices[1].path = "/dev/ttyUSB1";
        QTest::newRow("what can be opened first, the probes last")
            << found
            << "Found 34 FTDI FT232R USB UART (ttyUSB1), 35 (ttyUSB2) - pick one under COM-port. No permission for "
               "33 (ttyUSB0). Ports 1 and 2: no such device. Join the dialout group, then log in again."
            << "";

        QTest::newRow("found withdrawn when its device goes")
            << happened(Kind::DevicesChanged)
            << "No serial device found - plug in the adapter or type a port number under COM-port."
            << "Found";

        PortEvent replaced = happened(Kind::RememberedReplaced);
        replaced.device = kProlific;
        QTest::newRow("another adapter at the remembered number")
            << replaced << "Port 33 is now another device: Prolific USB-Serial Controller - pick it to use it."
            << "open";

        PortEvent back = happened(Kind::Back, port(34, "/dev/ttyUSB1"));
        back.previous = port(33, "/dev/ttyUSB0");
        QTest::newRow("back in another socket") << back << "Port 33 is back as port 34 (/dev/ttyUSB1) and open."
                                                << "";
        QTest::newRow("back, but refused")
            << happened(Kind::ReopenFailed, port(34, "/dev/ttyUSB1", LinkError::PermissionDenied))
            << "Port 34 (/dev/ttyUSB1) is back but did not open: permission denied. Join the dialout group, then log "
               "in again."
            << "";
        QTest::newRow("unplugged") << happened(Kind::Unplugged, port(33, "/dev/ttyUSB0"))
                                   << "Port 33 (/dev/ttyUSB0) unplugged - it opens again when plugged back in."
                                   << "";
        QTest::newRow("closed for safe removal")
            << happened(Kind::ClosedForRemoval, port(5, "COM5"))
            << "Port 5 (COM5) closed so that it can be removed safely - it opens again when plugged back in."
            << "";

        PortEvent ftdiThere = happened(Kind::RememberedReplaced);
        ftdiThere.device = kFtdi;
        QTest::newRow("a described device, no article chosen in code")
            << ftdiThere << "Port 33 is now another device: FTDI FT232R USB UART - pick it to use it."
            << "an FTDI";
        PortEvent elsewhere = happened(Kind::RememberedElsewhere);
        elsewhere.device = kFtdi;
        QTest::newRow("the adapter used last time, elsewhere")
            << elsewhere << "The adapter used last time is 33 FTDI FT232R USB UART (ttyUSB0) - pick it to use it."
            << "";

        PortEvent twins = happened(Kind::DevicesChanged);
        twins.devices = {device(33, "/dev/ttyUSB0", "FTDI", "FT232R USB UART", true, "A50285BI"),
                         device(34, "/dev/ttyUSB1", "FTDI", "FT232R USB UART", true, "A50285BC")};
        MarkLookAlikes(twins.devices);
        QTest::newRow("two of a model told apart by their serial numbers")
            << twins
            << "Found 33 FTDI FT232R USB UART, serial A50285BI (ttyUSB0), 34 FTDI FT232R USB UART, serial A50285BC "
               "(ttyUSB1) - pick one under COM-port."
            << "";

        PortEvent rootOnly = happened(Kind::NoPortFound);
        rootOnly.failedProbes = {port(1, "/dev/ttyS0", LinkError::NoSuchDevice),
                                 port(2, "/dev/ttyS1", LinkError::NoSuchDevice)};
        rootOnly.devices = {device(33, "/dev/ttyUSB0", "FTDI", "FT232R USB UART", false)};
        rootOnly.devices[0].grantingGroup.clear();
        rootOnly.devices[0].owner = "root";
        QTest::newRow("owned by root alone: no group to join")
            << rootOnly
            << "No permission for 33 FTDI FT232R USB UART (ttyUSB0). Ports 1 and 2: no such device. 33 FTDI FT232R "
               "USB UART (ttyUSB0) is owned by root - an administrator must allow you to use it."
            << "dialout";
    }
    void eventsInWords()
    {
        QFETCH(PortEvent, event);
        QFETCH(QString, text);
        QFETCH(QString, notThere);
        const QString said = StatusText::of(event, 96);
        QCOMPARE(said, text);
        if (!notThere.isEmpty())
            QVERIFY2(!said.contains(notThere), qPrintable(notThere));
    }

    // A send that did not reach the board whole, and what the operator can
    // do: nothing to choose while the port is awaited.
    void sendsThatFailed_data()
    {
        QTest::addColumn<LinkResult>("result");
        QTest::addColumn<int>("digitsSent");
        QTest::addColumn<bool>("awaited");
        QTest::addColumn<QString>("text");
        const LinkResult writeFailed = port(33, "/dev/ttyUSB0", LinkError::WriteFailed, "Input/output error");
        QTest::newRow("cut off by an unplug")
            << writeFailed << 2 << true
            << "Update cut off after 2 of 4 digits: port 33 was unplugged - the board may show a mix; it is reopened "
               "when plugged back in, then press Update scoreboard.";
        QTest::newRow("unplugged before the first digit")
            << writeFailed << 0 << true
            << "Not sent: port 33 was unplugged - it is reopened when plugged back in, then press Update scoreboard.";
        QTest::newRow("a line that failed, the device still there")
            << writeFailed << 0 << false
            << "Not sent: port 33 (/dev/ttyUSB0) stopped working (Input/output error) - check the cable, then press "
               "Update scoreboard.";
        QTest::newRow("the port awaited") << port(33, "", LinkError::NotOpen) << 0 << true
                                          << "Not sent: port 33 is unplugged - it is reopened when plugged back in, "
                                             "then press Update scoreboard.";
        QTest::newRow("no port open") << port(0, "", LinkError::NotOpen) << 0 << false
                                      << "Not sent: no port is open - choose one under COM-port.";
    }
    void sendsThatFailed()
    {
        QFETCH(LinkResult, result);
        QFETCH(int, digitsSent);
        QFETCH(bool, awaited);
        QFETCH(QString, text);
        QCOMPARE(StatusText::notSent(result, digitsSent, awaited), text);
    }

    // The offer names only what is known, and what Restore brings back: the
    // window's scores where known, else the board's.
    void theLastMatch_data()
    {
        QTest::addColumn<QString>("board"); // "": unknown
        QTest::addColumn<QDateTime>("sentAt");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("text");
        const QDateTime today(QDate::currentDate(), QTime(20, 31));
        QTest::newRow("as the board showed it") << "0815" << today << "0815"
                                                << "Last match: board showed 08 15 at 20:31.";
        QTest::newRow("the window ahead of the board") << "0815" << today << "0816"
                                                       << "Last match: board showed 08 15 at 20:31, window 08 16.";
        QTest::newRow("the window never kept: not 00 00") << "0815" << today << ""
                                                          << "Last match: board showed 08 15 at 20:31.";
        QTest::newRow("never sent") << "" << QDateTime() << "0100"
                                    << "Last match: window showed 01 00.";
    }
    void theLastMatch()
    {
        QFETCH(QString, board);
        QFETCH(QDateTime, sentAt);
        QFETCH(QString, window);
        QFETCH(QString, text);
        const auto digits = [](const QString &four) -> std::optional<ScoreKeeper::DigitCells> {
            if (four.isEmpty())
                return std::nullopt;
            ScoreKeeper::DigitCells cells;
            for (int i = 0; i < 4; ++i)
                cells[std::size_t(i)] = std::string(1, char(four[i].unicode()));
            return cells;
        };
        QCOMPARE(StatusText::lastMatch({digits(board), sentAt, digits(window)}), text);
    }
};

QTEST_GUILESS_MAIN(TestStatusText)
#include "tst_statustext.moc"
