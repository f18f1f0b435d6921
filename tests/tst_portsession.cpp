#include "display/SendSequences.h"
#include "serial/PortMemory.h"
#include "serial/PortSession.h"
#include "serial/SettingsWriter.h"
#include "support/FakeSerialPlatform.h"
#include "support/RecordingLink.h"
#include "support/SendGate.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {
const UsbIdentity kFtdi{0x0403, 0x6001, "A50285BI", ""};
const UsbIdentity kProlific{0x067b, 0x2303, "", ""}; // no serial number

// "ftdi@33", "prolific@34/1-2" (in USB socket 1-2), "plain@1" (an on-board
// port); "!" before the "@": this user may not open it.
SerialDevice deviceFrom(const QString &token)
{
    const QString kind = token.section(QLatin1Char('@'), 0, 0);
    const QString where = token.section(QLatin1Char('@'), 1);
    const int port = where.section(QLatin1Char('/'), 0, 0).toInt();
    SerialDevice device = kind.startsWith(QLatin1String("ftdi"))       ? FakeDevice(port, "FT232R USB UART", kFtdi)
                          : kind.startsWith(QLatin1String("prolific")) ? FakeDevice(port, "USB-Serial", kProlific)
                                                                       : FakeDevice(port);
    if (device.usb)
        device.usb->socket = where.section(QLatin1Char('/'), 1).toStdString();
    device.mayOpen = !kind.endsWith(QLatin1Char('!'));
    return device;
}

std::vector<SerialDevice> devicesFrom(const QString &tokens)
{
    std::vector<SerialDevice> devices;
    for (const QString &token : tokens.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        devices.push_back(deviceFrom(token));
    return devices;
}

QString nameOf(LinkError error)
{
    switch (error) {
    case LinkError::None: return {};
    case LinkError::NoSuchDevice: return QStringLiteral("NoSuchDevice");
    case LinkError::PermissionDenied: return QStringLiteral("PermissionDenied");
    case LinkError::SystemConsole: return QStringLiteral("SystemConsole");
    default: return QStringLiteral("other");
    }
}

QString nameOf(PortEvent::Kind kind)
{
    static const char *const names[] = {"Opened",
                                        "OpenFailed",
                                        "StartupCommandSent",
                                        "NoPortFound",
                                        "RememberedOpened",
                                        "RememberedReplaced",
                                        "RememberedElsewhere",
                                        "Unplugged",
                                        "ClosedForRemoval",
                                        "Back",
                                        "ReopenFailed",
                                        "AnotherDevice",
                                        "DevicesChanged",
                                        "MemoryNotWritable"};
    return QLatin1String(names[int(kind)]);
}

// "Back 34", "ReopenFailed 34 PermissionDenied", "NoPortFound SystemConsole NoSuchDevice"
QString described(const PortEvent &event)
{
    QStringList words{nameOf(event.kind)};
    if (event.kind == PortEvent::Kind::NoPortFound) {
        for (const LinkResult &probe : event.failedProbes)
            words << nameOf(probe.error);
    } else {
        const int port = event.device ? event.device->portNumber : event.result.portNumber;
        if (port != 0)
            words << QString::number(port);
        if (!event.result.ok())
            words << nameOf(event.result.error);
    }
    return words.join(QLatin1Char(' '));
}

// A session on a fake platform, a recording link that opens what the
// platform has, and settings of the test's own.
struct Session
{
    explicit Session(const QString &settingsFile)
        : settings(settingsFile, QSettings::IniFormat), writer(settings), memory(settings, writer)
    {
        auto recording = std::make_unique<RecordingLink>();
        link = recording.get();
        link->outcome = [this](int port) { return platform.openOutcome(port); };
        session = std::make_unique<PortSession>(std::move(recording), platform, memory, SendStartupCommand);
        QObject::connect(session.get(), &PortSession::happened,
                         [this](const PortEvent &event) { events << described(event); });
    }
    // A one-byte send, its outcome kept in `sent` once it has ended.
    void startSend()
    {
        sent.reset();
        session->send(
            [](SerialLink &port) {
                const std::uint8_t byte = 0x0D;
                return port.write(&byte, 1);
            },
            [this](const LinkResult &result) { sent = result; });
    }
    LinkResult send()
    {
        startSend();
        if (!WaitFor([this] { return sent.has_value(); }))
            return {LinkError::OpenFailed, 0, {}, "the send never ended"};
        return *sent;
    }

    QSettings settings;
    SettingsWriter writer;
    FakeSerialPlatform platform;
    PortMemory memory;
    RecordingLink *link = nullptr;
    std::unique_ptr<PortSession> session;
    QStringList events;
    std::optional<LinkResult> sent;
};
} // namespace

class TestPortSession : public QObject
{
    Q_OBJECT

private slots:
    // Which device is open after start, typing, sends, and devices coming
    // and going. Steps: "type 33"; "plug <devices>" (what is present now);
    // "gone" (every device, before the system tells); "send"; "send fails"
    // (the write fails); "remove 33" (the system asks); "hold": a send
    // starts and its write waits, "slow": its write takes 0.2 s, until
    // "end" (it ends, and what came meanwhile takes effect).
    void rules_data()
    {
        QTest::addColumn<QString>("remembered"); // the device last sent to, in an earlier run
        QTest::addColumn<QString>("atStart");    // devices present at start
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("events");
        QTest::addColumn<int>("openPort");

        const QString none = QStringLiteral("NoPortFound NoSuchDevice NoSuchDevice | ");
        const auto row = [](const char *name, const char *remembered, const char *atStart, QStringList steps,
                            const QString &events, int openPort) {
            QTest::newRow(name) << remembered << atStart << steps << events << openPort;
        };
        row("unplugged", "", "ftdi@33", {"type 33", "plug "}, none + "Opened 33 | Unplugged 33", 0);
        row("back at the same path", "", "ftdi@33", {"type 33", "plug ", "plug ftdi@33"},
            none + "Opened 33 | Unplugged 33 | Back 33", 33);
        row("back at another path", "", "ftdi@33", {"type 33", "plug ", "plug ftdi@34"},
            none + "Opened 33 | Unplugged 33 | Back 34", 34);
        row("plugged in again between two looks", "", "ftdi@33", {"type 33", "plug ftdi@33"},
            none + "Opened 33 | Back 33", 33);
        row("another device at the path", "", "ftdi@33", {"type 33", "plug ", "plug prolific@33/1-1"},
            none + "Opened 33 | Unplugged 33 | AnotherDevice 33", 0);
        row("the adapter back after another device came", "", "ftdi@33",
            {"type 33", "plug prolific@33/1-1", "plug prolific@33/1-1 ftdi@34"},
            none + "Opened 33 | Unplugged 33 | AnotherDevice 33 | Back 34", 34);
        row("no serial number: back in its own socket, not its twin at its old path", "", "prolific@33/1-1",
            {"type 33", "plug ", "plug prolific@33/1-3 prolific@34/1-1"}, none + "Opened 33 | Unplugged 33 | Back 34",
            34);
        row("no serial number: its twin in another socket is not it", "", "prolific@33/1-1",
            {"type 33", "plug ", "plug prolific@33/1-3"}, none + "Opened 33 | Unplugged 33 | AnotherDevice 33", 0);
        row("reopen refused", "", "ftdi@33", {"type 33", "plug ", "plug ftdi!@34"},
            none + "Opened 33 | Unplugged 33 | ReopenFailed 34 PermissionDenied", 0);
        row("cut off by an unplug: waited for", "", "ftdi@33", {"type 33", "gone", "send fails", "plug ftdi@34"},
            none + "Opened 33 | Back 34", 34);
        row("a failed write on a device still there: opened again", "", "ftdi@33", {"type 33", "send fails"},
            none + "Opened 33", 33);
        row("closed for safe removal, then back", "", "ftdi@33", {"type 33", "remove 33", "plug ", "plug ftdi@33"},
            none + "Opened 33 | ClosedForRemoval 33 | Back 33", 33);
        row("remembered present in another socket", "ftdi@33", "ftdi@35", {}, "RememberedOpened 35", 35);
        row("remembered beats ports 1 and 2, which are not probed", "ftdi@33", "plain@1 plain@2 ftdi@33", {},
            "RememberedOpened 33", 33);
        row("no serial number: remembered found in its socket, not its twin", "prolific@33/1-1",
            "prolific@33/1-3 prolific@34/1-1", {}, "RememberedOpened 34", 34);
        row("no serial number, kept without a socket: never opened on its own", "prolific@33", "prolific@33/1-1", {},
            "RememberedReplaced 33", 0);
        row("no serial number, no socket known on either side: never the same", "prolific@33", "prolific@33", {},
            "RememberedReplaced 33", 0);
        row("remembered absent", "ftdi@33", "", {}, "NoPortFound NoSuchDevice NoSuchDevice", 0);
        row("remembered replaced by another device", "ftdi@33", "prolific@33/1-1", {}, "RememberedReplaced 33", 0);
        row("remembered plugged in later", "ftdi@33", "", {"plug ftdi@34"}, none + "RememberedOpened 34", 34);
        row("remembered port 2: the probes run, and it is named where it is now", "ftdi@2", "plain@1 ftdi@5", {},
            "Opened 1 | StartupCommandSent 1 | RememberedElsewhere 5", 1);
        row("the field's port plugged in: opened", "", "", {"type 34", "plug ftdi@34"},
            none + "OpenFailed 34 NoSuchDevice | Opened 34", 34);
        row("console", "", "console@1", {}, "NoPortFound SystemConsole NoSuchDevice", 0);
        row("console typed", "", "console@1 ftdi@33", {"type 1"},
            "NoPortFound SystemConsole NoSuchDevice | OpenFailed 1 SystemConsole", 0);
        row("permission denied", "", "plain!@1", {}, "NoPortFound PermissionDenied NoSuchDevice", 0);
        row("a device plugged in while none is open", "", "", {"plug ftdi@33"}, none + "DevicesChanged", 0);
        row("a port typed during a send: opened once it ends", "", "ftdi@33 ftdi@34",
            {"type 33", "hold", "type 34", "end"}, none + "Opened 33 | Opened 34 | kept 33", 34);
        row("unplugged during a send: said once it ends", "", "ftdi@33", {"type 33", "hold", "plug ", "end"},
            none + "Opened 33 | Unplugged 33 | kept 33", 0);
        row("removal asked during a send that ends in time: closed after it", "", "ftdi@33",
            {"type 33", "slow", "remove 33", "end"}, none + "Opened 33 | ClosedForRemoval 33 | kept 33", 0);
        row("removal asked during a stalled send: closed once it gives up", "", "ftdi@33",
            {"type 33", "hold", "remove 33", "end"}, none + "Opened 33 | ClosedForRemoval 33 | kept 33", 0);
        // "kept 33": what a send made the session remember.
        row("ports 1 and 2 opened by the start: a send remembers nothing", "", "plain@1 plain@2", {"send"}, "Opened 1",
            1);
        row("port 1 with the start-up command: a send remembers nothing", "", "plain@1", {"send"},
            "Opened 1 | StartupCommandSent 1", 1);
        row("the operator's port: the first send remembers it", "", "ftdi@33", {"type 33", "send"},
            none + "Opened 33 | kept 33", 33);
        row("typed during a send to the start's port: that send remembers nothing", "", "plain@1 plain@2 ftdi@33",
            {"hold", "type 33", "end"}, "Opened 1 | Opened 33", 33);
        row("typed during a send to the start's port: the next send remembers it", "", "plain@1 plain@2 ftdi@33",
            {"hold", "type 33", "end", "send"}, "Opened 1 | Opened 33 | kept 33", 33);
    }
    void rules()
    {
        QFETCH(QString, remembered);
        QFETCH(QString, atStart);
        QFETCH(QStringList, steps);
        QFETCH(QString, events);
        QFETCH(int, openPort);
        QTemporaryDir folder;
        const QString settingsFile = folder.filePath(QStringLiteral("scoreboard.conf"));
        if (!remembered.isEmpty()) {
            QSettings earlier(settingsFile, QSettings::IniFormat);
            SettingsWriter writer(earlier);
            QVERIFY(PortMemory(earlier, writer).remember(deviceFrom(remembered)));
        }

        Session s(settingsFile);
        s.platform.present = devicesFrom(atStart);
        if (atStart.startsWith(QLatin1String("console")))
            s.platform.consoles = {"/dev/fake1"};
        s.session->start();
        QVERIFY(WaitFor([&] { return !s.session->sending(); }));  // the start-up command, where due
        if (events.startsWith(QLatin1String("RememberedOpened"))) // found at start: nothing probed
            QVERIFY(std::find(s.link->calls.begin(), s.link->calls.end(), "setPortNumber 1") == s.link->calls.end());
        std::size_t written = 0;
        SendGate gate(*s.link);
        for (const QString &step : steps) {
            const QString argument = step.section(QLatin1Char(' '), 1);
            if (step.startsWith(QLatin1String("type"))) {
                s.session->textEdited(argument.toStdString());
            } else if (step.startsWith(QLatin1String("plug"))) {
                s.platform.present = devicesFrom(argument);
                s.platform.change();
            } else if (step == QLatin1String("gone")) {
                s.platform.present.clear();
            } else if (step == QLatin1String("send fails")) {
                s.link->writesBeforeFailure = 0;
                QCOMPARE(s.send().error, LinkError::WriteFailed);
                s.link->writesBeforeFailure = -1;
            } else if (step.startsWith(QLatin1String("remove"))) {
                s.platform.askToRemove(argument.toInt());
            } else if (step == QLatin1String("hold")) {
                gate.close();
                s.startSend();
                QVERIFY(gate.holding());
                ++written;
            } else if (step == QLatin1String("slow")) {
                s.link->beforeWrite = [] { std::this_thread::sleep_for(std::chrono::milliseconds(200)); };
                s.startSend();
                ++written;
            } else if (step == QLatin1String("end")) {
                gate.open();
                QVERIFY(WaitFor([&] { return s.sent.has_value(); }));
                // Nothing the operator or the system did cut it short.
                QVERIFY(s.sent->ok());
            } else {
                QVERIFY(s.send().ok());
                ++written;
            }
        }

        if (const auto kept = s.memory.recall(); kept && remembered.isEmpty())
            s.events << QStringLiteral("kept %1").arg(kept->portNumber);
        QCOMPARE(s.events.join(QStringLiteral(" | ")), events);
        QCOMPARE(s.link->isOpen() ? s.link->portNumber() : 0, openPort);
        // Listing, remembering and following devices send nothing; only the
        // start-up command and the sends asked for reach a port.
        const std::size_t startup = events.contains(QLatin1String("StartupCommandSent")) ? 2 : 0;
        QCOMPARE(s.link->writes.size(), startup + written);
    }

    // The first send after the operator's choice remembers the device known
    // since it opened: no scan of the devices, and no write when nothing
    // changed. Settings that cannot be written are said once.
    void remembersTheChosenDeviceOnce()
    {
        QTemporaryDir folder;
        const QString settingsFile = folder.filePath(QStringLiteral("scoreboard.conf"));
        Session s(settingsFile);
        s.platform.present = devicesFrom(QStringLiteral("ftdi@33"));
        s.session->start();
        s.session->textEdited("33");
        const int scans = s.platform.scans;
        QVERIFY(s.send().ok());
        QVERIFY(s.send().ok());
        QCOMPARE(s.platform.scans, scans);
        QVERIFY(s.writer.flush());
        const auto kept = PortMemory(s.settings, s.writer).recall();
        QVERIFY(kept && kept->usb && kept->usb->serialNumber == kFtdi.serialNumber && kept->portNumber == 33);

        // Picking it again and sending changes nothing kept: nothing written,
        // so a file that cannot be written now goes unnoticed.
        QFile::remove(settingsFile);
        QVERIFY(QDir().mkdir(settingsFile)); // a folder where the file was: writes fail, even as root
        s.session->entryPicked("33: FT232R USB UART (/dev/fake33)");
        QVERIFY(s.send().ok());
        QVERIFY(!s.events.join(QLatin1Char(' ')).contains(QLatin1String("MemoryNotWritable")));

        // Another device chosen: it must be written, cannot be, and is said once.
        s.platform.present = devicesFrom(QStringLiteral("ftdi@33 plain@5"));
        s.session->textEdited("5");
        QVERIFY(s.send().ok());
        QVERIFY(!s.writer.flush());
        s.session->textEdited("5");
        QVERIFY(s.send().ok());
        QCOMPARE(s.events.filter(QStringLiteral("MemoryNotWritable")).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestPortSession)
#include "tst_portsession.moc"
