#include "serial/linux/LinuxSerialPlatform.h"
#include "support/PseudoTerminal.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {
// A /dev, /sys and console list of the test's own; the "device nodes" are
// links to pseudo-terminals, which are character devices as serial ports are.
struct PrivateSystem
{
    QTemporaryDir root;
    std::string dev = root.filePath(QStringLiteral("dev")).toStdString();
    std::string sys = root.filePath(QStringLiteral("sys")).toStdString();
    std::string consoles = root.filePath(QStringLiteral("consoles")).toStdString();

    PrivateSystem()
    {
        QDir().mkpath(QString::fromStdString(dev));
        QDir().mkpath(QString::fromStdString(sys + "/class/tty"));
        write(consoles, "");
    }
    static void write(const std::string &path, const std::string &text)
    {
        QDir().mkpath(QFileInfo(QString::fromStdString(path)).path());
        QFile file(QString::fromStdString(path));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.data(), qint64(text.size()));
    }
    static std::string numberOf(const PseudoTerminal &pty)
    {
        struct stat node = {};
        ::stat(pty.devicePath().c_str(), &node);
        return std::to_string(major(node.st_rdev)) + ":" + std::to_string(minor(node.st_rdev));
    }
    void plugIn(const std::string &name, const PseudoTerminal &pty)
    {
        QFile::remove(QString::fromStdString(dev + "/" + name));
        QFile::link(QString::fromStdString(pty.devicePath()), QString::fromStdString(dev + "/" + name));
    }
    // What the kernel says of a tty: its device number, and the USB device
    // above it when there is one.
    void describe(const std::string &name, const PseudoTerminal &pty, const std::string &usbAttributes = {})
    {
        const std::string tty = sys + "/class/tty/" + name;
        write(tty + "/dev", numberOf(pty) + "\n");
        if (usbAttributes.empty())
            return;
        const std::string usb = sys + "/devices/usb1/1-1";
        std::istringstream attributes(usbAttributes);
        for (std::string line; std::getline(attributes, line);)
            write(usb + "/" + line.substr(0, line.find('=')), line.substr(line.find('=') + 1) + "\n");
        QDir().mkpath(QString::fromStdString(usb + "/1-1:1.0/" + name));
        QFile::link(QString::fromStdString(usb + "/1-1:1.0"), QString::fromStdString(tty + "/device"));
    }
    LinuxSerialPlatform platform() const { return LinuxSerialPlatform({dev, sys, consoles}); }
};
} // namespace

class TestLinuxSerialPlatform : public QObject
{
    Q_OBJECT

private slots:
    void portNumbersAndPaths_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("name");
        QTest::newRow("first on-board") << 1 << "ttyS0";
        QTest::newRow("last on-board") << 32 << "ttyS31";
        QTest::newRow("first USB adapter") << 33 << "ttyUSB0";
        QTest::newRow("last modem-class") << 96 << "ttyACM31";
        QTest::newRow("none below") << 0 << "";
        QTest::newRow("none above") << 97 << "";
    }
    void portNumbersAndPaths()
    {
        QFETCH(int, port);
        QFETCH(QString, name);
        const LinuxSerialPlatform platform({"/x/dev", "/x/sys", "/x/consoles"});
        const std::string path = platform.devicePathForPort(port);
        QCOMPARE(QString::fromStdString(path), name.isEmpty() ? QString() : "/x/dev/" + name);
        QCOMPARE(platform.portNumberForPath(path), name.isEmpty() ? 0 : port);
    }

    void listsWhatIsThereWithoutOpeningIt()
    {
        PrivateSystem system;
        PseudoTerminal console, noChip, adapter, standIn, modem;
        system.plugIn("ttyS0", console);
        system.describe("ttyS0", console);
        system.write(system.consoles,
                     "ttyS0                -W- (EC  p a)    " + PrivateSystem::numberOf(console) + "\n");
        system.plugIn("ttyS1", noChip);
        system.describe("ttyS1", noChip);
        system.write(system.sys + "/class/tty/ttyS1/type", "0\n");
        system.write(system.dev + "/ttyS2", "a plain file\n");
        system.plugIn("ttyUSB0", adapter);
        system.describe("ttyUSB0", adapter,
                        "idVendor=0403\nidProduct=6001\nserial=A50285BI\nmanufacturer=FTDI\nproduct=FT232R USB UART");
        system.plugIn("ttyUSB1", standIn); // the kernel describes another device by that name
        system.describe("ttyUSB1", modem);
        system.plugIn("ttyACM0", modem);
        system.describe("ttyACM0", modem);

        const LinuxSerialPlatform platform = system.platform();
        QStringList listed;
        for (const SerialDevice &device : platform.devices())
            listed << QString::fromStdString(DeviceListLine(device));
        const QString dev = QString::fromStdString(system.dev);
        QCOMPARE(listed, (QStringList{
                             "33\t" + dev +
                                 "/ttyUSB0\tFTDI FT232R USB UART\tUSB 0403:6001 serial A50285BI socket 1-1\tmay open",
                             "34\t" + dev + "/ttyUSB1\t-\t-\tmay open",
                             "65\t" + dev + "/ttyACM0\t-\t-\tmay open",
                         }));
        QVERIFY(platform.isSystemConsole(system.dev + "/ttyS0"));
        QVERIFY(!platform.isSystemConsole(system.dev + "/ttyUSB0"));

        // Plugged in again: the same adapter, another node.
        const std::string before = platform.deviceAt(system.dev + "/ttyUSB0")->node;
        PseudoTerminal again;
        system.plugIn("ttyUSB0", again);
        const auto after = platform.deviceAt(system.dev + "/ttyUSB0");
        QVERIFY(after && after->node != before);
        QVERIFY(!platform.deviceAt(system.dev + "/ttyUSB5"));
    }

    void tellsWhenDevicesComeAndGo()
    {
        PrivateSystem system;
        LinuxSerialPlatform platform = system.platform();
        QSignalSpy changed(&platform, &SerialPlatform::devicesChanged);
        platform.watchDevices();
        PseudoTerminal adapter;
        system.plugIn("ttyUSB0", adapter);
        QVERIFY(changed.wait(5000));
        QCOMPARE(changed.count(), 1); // once, after it settled
    }

    void consolesAreReadFromTheirList()
    {
        const auto devices = ParseConsoleDevices("ttyS0                -W- (EC  p a)    4:64\n"
                                                 "tty0                 -WU (E     )    4:1\n"
                                                 "garbage line\n"
                                                 "ttyX -W- (E) x:1\n");
        QCOMPARE(devices, (std::vector<std::uint64_t>{4ULL << 32 | 64, 4ULL << 32 | 1}));
    }
};

QTEST_GUILESS_MAIN(TestLinuxSerialPlatform)
#include "tst_linuxserialplatform.moc"
