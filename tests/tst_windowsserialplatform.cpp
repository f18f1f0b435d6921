#include "serial/SerialPlatform.h"
#include "serial/windows/WindowsSerialPlatform.h"

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

    // What --list-ports prints for a port that the set-up API describes twice
    // (as a port and as a COM-port interface), by its instance ids, beside a
    // printer port and a port that only the registry's list names.
    void describedPort_data()
    {
        QTest::addColumn<QString>("instanceId");
        QTest::addColumn<QString>("parentInstanceId");
        QTest::addColumn<QString>("usb");
        const auto row = [](const char *name, const char *instance, const char *parent, const char *usb) {
            QTest::newRow(name) << QString(instance) << QString(parent) << QString(usb);
        };
        row("USB", "USB\\VID_0403&PID_6001\\A5028", "USB\\ROOT_HUB30\\4&1A2B&0&0", "USB 0403:6001 serial A5028");
        row("FTDI: port letter appended", "FTDIBUS\\VID_0403+PID_6001+A5028A\\0000", "", "USB 0403:6001 serial A5028");
        row("no serial: a made-up instance", "USB\\VID_067B&PID_2303\\5&2B5F&0&2", "", "USB 067b:2303");
        row("composite: serial above", "USB\\VID_2341&PID_8036&MI_00\\6&3A2B&0&0", "USB\\VID_2341&PID_8036\\8573",
            "USB 2341:8036 serial 8573");
        row("vendor's port below USB", "SILABSER\\PORT0\\7&22A4&0&0", "USB\\VID_10C4&PID_EA71\\0123",
            "USB 10c4:ea71 serial 0123");
        row("on-board port", "ACPI\\PNP0501\\1", "ACPI\\PNP0A08\\0", "-");
        row("broken vendor id", "USB\\VID_04G3&PID_6001\\A5028", "", "-");
    }
    void describedPort()
    {
        QFETCH(QString, instanceId);
        QFETCH(QString, parentInstanceId);
        QFETCH(QString, usb);
        const std::vector<ComPortDescription> described = {
            {"COM5", "Serial Port (COM5)", "(Standard port types)", instanceId.toStdString(),
             parentInstanceId.toStdString()},
            {"LPT1", "Printer Port (LPT1)", "", "", ""},
            {"COM5", "Again (COM5)", "", "", ""},
        };
        QStringList lines;
        for (const SerialDevice &device : ComPortDevices({"COM5", "COM1"}, described))
            lines << QString::fromStdString(DeviceListLine(device) + "\t" + device.node);
        QCOMPARE(lines, (QStringList{"1\tCOM1\t-\t-\tmay open\t",
                                     "5\tCOM5\tSerial Port\t" + usb + "\tmay open\t" + instanceId}));
    }

    void arrivals_data()
    {
        QTest::addColumn<QStringList>("looks"); // the instance at COM5 at each look; empty while absent
        QTest::addColumn<QString>("node");      // COM5's at the last
        QTest::newRow("seen again") << QStringList{"USB\\A", "USB\\A"} << "USB\\A#1";
        QTest::newRow("gone and back") << QStringList{"USB\\A", "", "USB\\A"} << "USB\\A#2";
        QTest::newRow("another device while nobody looked") << QStringList{"USB\\A", "USB\\B"} << "USB\\B#2";
    }
    void arrivals()
    {
        QFETCH(QStringList, looks);
        QFETCH(QString, node);
        ComPortArrivals arrivals;
        std::vector<SerialDevice> devices;
        for (const QString &instance : looks) {
            devices.clear();
            if (!instance.isEmpty())
                devices.push_back({5, "COM5", {}, {}, {}, true, instance.toStdString()});
            arrivals.stamp(devices);
        }
        QCOMPARE(QString::fromStdString(devices.at(0).node), node);
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
