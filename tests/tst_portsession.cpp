#include "serial/PortMemory.h"
#include "serial/PortSession.h"
#include "support/FakeSerialPlatform.h"
#include "support/RecordingLink.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {
const UsbIdentity kFtdi{0x0403, 0x6001, "A50285BI"};
const UsbIdentity kProlific{0x067b, 0x2303, ""}; // no serial number

// "ftdi@33", "prolific@34", "plain@1" (an on-board port); "!" before the "@":
// this user may not open it.
SerialDevice deviceFrom(const QString &token)
{
    const QString kind = token.section(QLatin1Char('@'), 0, 0);
    const int port = token.section(QLatin1Char('@'), 1).toInt();
    SerialDevice device = kind.startsWith(QLatin1String("ftdi"))       ? FakeDevice(port, "FT232R USB UART", kFtdi)
                          : kind.startsWith(QLatin1String("prolific")) ? FakeDevice(port, "USB-Serial", kProlific)
                                                                       : FakeDevice(port);
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
    static const char *const names[] = {
        "Opened",    "OpenFailed", "StartupCommandSent", "NoPortFound",   "RememberedOpened", "RememberedReplaced",
        "Unplugged", "Back",       "ReopenFailed",       "AnotherDevice", "DevicesChanged",   "MemoryNotWritable"};
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
    explicit Session(const QString &settingsFile) : settings(settingsFile, QSettings::IniFormat), memory(settings)
    {
        auto recording = std::make_unique<RecordingLink>();
        link = recording.get();
        link->outcome = [this](int port) { return platform.openOutcome(port); };
        session = std::make_unique<PortSession>(std::move(recording), platform, memory,
                                                [](SerialLink &) { return LinkResult{}; });
        QObject::connect(session.get(), &PortSession::happened,
                         [this](const PortEvent &event) { events << described(event); });
    }
    LinkResult send()
    {
        return session->send([](SerialLink &port) {
            const std::uint8_t byte = 0x0D;
            return port.write(&byte, 1);
        });
    }

    QSettings settings;
    FakeSerialPlatform platform;
    PortMemory memory;
    RecordingLink *link = nullptr;
    std::unique_ptr<PortSession> session;
    QStringList events;
};
} // namespace

class TestPortSession : public QObject
{
    Q_OBJECT

private slots:
    // Which device is open after start, typing and devices coming and going.
    void rules_data()
    {
        QTest::addColumn<QString>("remembered");  // the device last sent to, in an earlier run
        QTest::addColumn<QString>("atStart");     // devices present at start
        QTest::addColumn<QString>("typed");       // then typed by the operator
        QTest::addColumn<QStringList>("changes"); // devices present after each change
        QTest::addColumn<QString>("events");
        QTest::addColumn<int>("openPort");

        const QString none = QStringLiteral("NoPortFound NoSuchDevice NoSuchDevice | ");
        QTest::newRow("unplugged") << ""
                                   << "ftdi@33"
                                   << "33" << QStringList{""} << none + "Opened 33 | Unplugged 33" << 0;
        QTest::newRow("back at the same path")
            << ""
            << "ftdi@33"
            << "33" << QStringList{"", "ftdi@33"} << none + "Opened 33 | Unplugged 33 | Back 33" << 33;
        QTest::newRow("back at another path")
            << ""
            << "ftdi@33"
            << "33" << QStringList{"", "ftdi@34"} << none + "Opened 33 | Unplugged 33 | Back 34" << 34;
        QTest::newRow("plugged in again between two looks")
            << ""
            << "ftdi@33"
            << "33" << QStringList{"ftdi@33"} << none + "Opened 33 | Back 33" << 33;
        QTest::newRow("another device at the path")
            << ""
            << "ftdi@33"
            << "33" << QStringList{"", "prolific@33"} << none + "Opened 33 | Unplugged 33 | AnotherDevice 33" << 0;
        QTest::newRow("the adapter back after another device came")
            << ""
            << "ftdi@33"
            << "33" << QStringList{"prolific@33", "prolific@33 ftdi@34"}
            << none + "Opened 33 | Unplugged 33 | AnotherDevice 33 | Back 34" << 34;
        QTest::newRow("no serial number: another path is another adapter")
            << ""
            << "prolific@33"
            << "33" << QStringList{"", "prolific@34"} << none + "Opened 33 | Unplugged 33" << 0;
        QTest::newRow("reopen refused") << ""
                                        << "ftdi@33"
                                        << "33" << QStringList{"", "ftdi!@34"}
                                        << none + "Opened 33 | Unplugged 33 | ReopenFailed 34 PermissionDenied" << 0;
        QTest::newRow("remembered present in another socket") << "ftdi@33"
                                                              << "ftdi@35"
                                                              << "" << QStringList{} << "RememberedOpened 35" << 35;
        QTest::newRow("remembered absent") << "ftdi@33"
                                           << ""
                                           << "" << QStringList{} << "NoPortFound NoSuchDevice NoSuchDevice" << 0;
        QTest::newRow("remembered replaced by another device") << "ftdi@33"
                                                               << "prolific@33"
                                                               << "" << QStringList{} << "RememberedReplaced 33" << 0;
        QTest::newRow("remembered plugged in later")
            << "ftdi@33"
            << ""
            << "" << QStringList{"ftdi@34"} << none + "RememberedOpened 34" << 34;
        QTest::newRow("remembered, but port 1 and 2 answer") << "ftdi@33"
                                                             << "plain@1 plain@2 ftdi@33"
                                                             << "" << QStringList{} << "Opened 1" << 1;
        QTest::newRow("console") << ""
                                 << "console@1"
                                 << "" << QStringList{} << "NoPortFound SystemConsole NoSuchDevice" << 0;
        QTest::newRow("permission denied") << ""
                                           << "plain!@1"
                                           << "" << QStringList{} << "NoPortFound PermissionDenied NoSuchDevice" << 0;
        QTest::newRow("a device plugged in while none is open")
            << ""
            << ""
            << "" << QStringList{"ftdi@33"} << none + "DevicesChanged" << 0;
    }
    void rules()
    {
        QFETCH(QString, remembered);
        QFETCH(QString, atStart);
        QFETCH(QString, typed);
        QFETCH(QStringList, changes);
        QFETCH(QString, events);
        QFETCH(int, openPort);
        QTemporaryDir folder;
        const QString settingsFile = folder.filePath(QStringLiteral("scoreboard.conf"));
        if (!remembered.isEmpty()) {
            QSettings earlier(settingsFile, QSettings::IniFormat);
            QVERIFY(PortMemory(earlier).remember(deviceFrom(remembered)));
        }

        Session s(settingsFile);
        s.platform.present = devicesFrom(atStart);
        if (atStart.startsWith(QLatin1String("console")))
            s.platform.consoles = {"/dev/fake1"};
        s.session->start();
        if (!typed.isEmpty())
            s.session->textEdited(typed.toStdString());
        for (const QString &devices : changes) {
            s.platform.present = devicesFrom(devices);
            s.platform.change();
        }

        QCOMPARE(s.events.join(QStringLiteral(" | ")), events);
        QCOMPARE(s.link->isOpen() ? s.link->portNumber() : 0, openPort);
        QVERIFY(s.link->writes.empty()); // listing, remembering and following devices send nothing
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
        const auto kept = PortMemory(s.settings).recall();
        QVERIFY(kept && kept->usb == kFtdi && kept->portNumber == 33);

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
        s.session->textEdited("5");
        QVERIFY(s.send().ok());
        QCOMPARE(s.events.filter(QStringLiteral("MemoryNotWritable")).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestPortSession)
#include "tst_portsession.moc"
