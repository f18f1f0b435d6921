#include "serial/SerialPlatform.h"
#include "serial/WindowsSerialPlatform.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <dbt.h>

#include <QSignalSpy>
#include <QTest>

namespace {
// Puts COM231 in the system's list of ports, or takes it out, as a port driver
// does, and tells the platform's window as the system would. Under Wine a test
// may; on Windows only an administrator.
bool plug(bool in)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, nullptr, REG_OPTION_VOLATILE,
                          KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    const wchar_t value[] = L"\\Device\\ScoreboardTest", port[] = L"COM231";
    const LONG status = in ? ::RegSetValueExW(key, value, 0, REG_SZ, reinterpret_cast<const BYTE *>(port), sizeof port)
                           : ::RegDeleteValueW(key, value);
    ::RegCloseKey(key);
    DEV_BROADCAST_HDR header = {sizeof header, DBT_DEVTYP_DEVICEINTERFACE, 0};
    ::SendMessageW(::FindWindowExW(HWND_MESSAGE, nullptr, L"ScoreboardDeviceNotices", nullptr), WM_DEVICECHANGE,
                   in ? DBT_DEVICEARRIVAL : DBT_DEVICEREMOVECOMPLETE, reinterpret_cast<LPARAM>(&header));
    return status == ERROR_SUCCESS;
}
} // namespace

class TestWindowsSerialPlatform : public QObject
{
    Q_OBJECT

private slots:
    void comNumbers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("named"); // each names the other; otherwise neither does
        QTest::newRow("first") << "COM1" << 1 << true;
        QTest::newRow("lower case") << "com7" << 7 << true;
        QTest::newRow("last") << "COM255" << 255 << true;
        QTest::newRow("zero") << "COM0" << 0 << false;
        QTest::newRow("past the last") << "COM256" << 256 << false;
        QTest::newRow("leading zero") << "COM07" << 7 << false;
        QTest::newRow("trailing letter") << "COM1a" << 1 << false;
        QTest::newRow("printer port") << "LPT1" << 1 << false;
    }
    void comNumbers()
    {
        QFETCH(QString, name);
        QFETCH(int, number);
        QFETCH(bool, named);
        const auto platform = MakeSystemSerialPlatform();
        QCOMPARE(platform->portNumberForPath(name.toStdString()), named ? number : 0);
        QCOMPARE(QString::fromStdString(platform->devicePathForPort(number)) == name.toUpper(), named);
    }

    void usbIdentity_data()
    {
        QTest::addColumn<QString>("instanceId");
        QTest::addColumn<QString>("parentInstanceId");
        QTest::addColumn<QString>("identity");
        const auto row = [](const char *name, const char *instance, const char *parent, const char *identity) {
            QTest::newRow(name) << QString(instance) << QString(parent) << QString(identity);
        };
        row("USB", "USB\\VID_0403&PID_6001\\A5028", "USB\\ROOT_HUB30\\4&1A2B&0&0", "0403:6001 serial A5028");
        row("FTDI: port letter appended", "FTDIBUS\\VID_0403+PID_6001+A5028A\\0000", "", "0403:6001 serial A5028");
        row("no serial: a made-up instance", "USB\\VID_067B&PID_2303\\5&2B5F&0&2", "", "067b:2303");
        row("composite: serial above", "USB\\VID_2341&PID_8036&MI_00\\6&3A2B&0&0", "USB\\VID_2341&PID_8036\\8573",
            "2341:8036 serial 8573");
        row("vendor's port below USB", "SILABSER\\PORT0\\7&22A4&0&0", "USB\\VID_10C4&PID_EA71\\0123",
            "10c4:ea71 serial 0123");
        row("on-board port", "ACPI\\PNP0501\\1", "ACPI\\PNP0A08\\0", "-");
        row("broken vendor id", "USB\\VID_04G3&PID_6001\\A5028", "", "-");
    }
    void usbIdentity()
    {
        QFETCH(QString, instanceId);
        QFETCH(QString, parentInstanceId);
        QFETCH(QString, identity);
        const auto usb = UsbIdentityFromInstanceIds(instanceId.toStdString(), parentInstanceId.toStdString());
        QCOMPARE(QString::fromStdString(usb ? UsbIdentityText(*usb) : "-"), identity);
    }

    void arrivals_data()
    {
        QTest::addColumn<QStringList>("looks"); // the ports present at each, "COM5=instance"
        QTest::addColumn<QString>("nodes");     // at the last
        QTest::newRow("gone and back, beside a port that stayed")
            << QStringList{"COM1= COM5=USB\\A", "COM1=", "COM1= COM5=USB\\A"} << "COM1 #1, COM5 USB\\A#2";
        QTest::newRow("another device at the port while nobody looked")
            << QStringList{"COM5=USB\\A", "COM5=USB\\B"} << "COM5 USB\\B#2";
    }
    void arrivals()
    {
        QFETCH(QStringList, looks);
        QFETCH(QString, nodes);
        ComPortArrivals arrivals;
        QStringList stamped;
        for (const QString &look : looks) {
            std::vector<SerialDevice> devices;
            for (const QString &port : look.split(' '))
                devices.push_back(
                    {0, port.section('=', 0, 0).toStdString(), {}, {}, {}, true, port.section('=', 1).toStdString()});
            arrivals.stamp(devices);
            stamped.clear();
            for (const SerialDevice &device : devices)
                stamped << QString::fromStdString(device.path + " " + device.node);
        }
        QCOMPARE(stamped.join(", "), nodes);
    }

    // What --list-ports prints: the ports of the registry's list and of the
    // set-up API, once each, in port order.
    void listFromRegistryAndSetUpApi()
    {
        const std::vector<ComPortDescription> described = {
            {"COM5", "USB Serial Port (COM5)", "FTDI", "FTDIBUS\\VID_0403+PID_6001+A5028A\\0000", ""},
            {"COM3", "Communications Port (COM3)", "(Standard port types)", "ACPI\\PNP0501\\1", ""},
            {"COM5", "Another (COM5)", "", "", ""},
            {"LPT1", "Printer Port (LPT1)", "(Standard port types)", "ACPI\\PNP0400\\0", ""},
        };
        QStringList lines;
        for (const SerialDevice &device : ComPortDevices({"COM5", "COM1", "COM300"}, described))
            lines << QString::fromStdString(DeviceListLine(device) + "\t" + device.node);
        QCOMPARE(lines, (QStringList{"1\tCOM1\t-\t-\tmay open\t",
                                     "3\tCOM3\tCommunications Port\t-\tmay open\tACPI\\PNP0501\\1",
                                     "5\tCOM5\tFTDI USB Serial Port\tUSB 0403:6001 serial A5028\tmay open\t"
                                     "FTDIBUS\\VID_0403+PID_6001+A5028A\\0000"}));
    }

    // The system's list read, and its changes told, through a real message
    // window that the event loop runs.
    void devicesComeAndGo()
    {
        if (!plug(true))
            QSKIP("the system's list of serial ports is not writable here (Wine lets a test write it)");
        auto platform = MakeSystemSerialPlatform();
        QSignalSpy changed(platform.get(), &SerialPlatform::devicesChanged);
        platform->watchDevices();
        const std::optional<SerialDevice> first = platform->deviceAt("COM231");
        QVERIFY(first && first->portNumber == 231);
        plug(true); // nothing changed: nothing told
        QTest::qWait(50);
        QCOMPARE(changed.size(), 0);
        plug(false);
        plug(false); // one change, one signal
        QTRY_COMPARE(changed.size(), 1);
        QVERIFY(!platform->deviceAt("COM231"));
        plug(true);
        QTRY_COMPARE(changed.size(), 2);
        QVERIFY(platform->deviceAt("COM231")->node != first->node);
        platform.reset();
        plug(false);
        QVERIFY(!::FindWindowExW(HWND_MESSAGE, nullptr, L"ScoreboardDeviceNotices", nullptr));
    }
};

QTEST_GUILESS_MAIN(TestWindowsSerialPlatform)
#include "tst_windowsserialplatform.moc"
