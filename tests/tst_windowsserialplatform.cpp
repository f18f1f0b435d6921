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
const wchar_t kValue[] = L"\\Device\\ScoreboardTest";

// Puts a port in the system's own list, or takes it out, as a port driver
// does. Under Wine a test may; on Windows only an administrator.
bool listPort(const wchar_t *name)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, nullptr, REG_OPTION_VOLATILE,
                          KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    const LONG status = name ? ::RegSetValueExW(key, kValue, 0, REG_SZ, reinterpret_cast<const BYTE *>(name),
                                                static_cast<DWORD>((wcslen(name) + 1) * sizeof(wchar_t)))
                             : ::RegDeleteValueW(key, kValue);
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

// The notice the system sends when a COM-port device comes or goes.
void notice(WPARAM event)
{
    DEV_BROADCAST_HDR header = {sizeof(DEV_BROADCAST_HDR), DBT_DEVTYP_DEVICEINTERFACE, 0};
    ::SendMessageW(::FindWindowExW(HWND_MESSAGE, nullptr, L"ScoreboardDeviceNotices", nullptr), WM_DEVICECHANGE, event,
                   reinterpret_cast<LPARAM>(&header));
}
} // namespace

class TestWindowsSerialPlatform : public QObject
{
    Q_OBJECT

private slots:
    void comNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        QTest::newRow("first") << "COM1" << 1;
        QTest::newRow("lower case") << "com7" << 7;
        QTest::newRow("last") << "COM255" << 255;
        QTest::newRow("past the last") << "COM256" << 0;
        QTest::newRow("zero") << "COM0" << 0;
        QTest::newRow("leading zero") << "COM07" << 0;
        QTest::newRow("trailing letter") << "COM1a" << 0;
        QTest::newRow("printer port") << "LPT1" << 0;
    }
    void comNames()
    {
        QFETCH(QString, name);
        QFETCH(int, number);
        QCOMPARE(ComPortNumber(name.toStdString()), number);
    }

    void usbIdentity_data()
    {
        QTest::addColumn<QString>("instanceId");
        QTest::addColumn<QString>("parentInstanceId");
        QTest::addColumn<QString>("identity");
        QTest::newRow("USB device") << "USB\\VID_0403&PID_6001\\A50285BI"
                                    << "USB\\ROOT_HUB30\\4&1A2B3C&0&0"
                                    << "0403:6001 serial A50285BI";
        QTest::newRow("FTDI's bus: the port letter after the serial number")
            << "FTDIBUS\\VID_0403+PID_6001+A50285BIA\\0000"
            << ""
            << "0403:6001 serial A50285BI";
        QTest::newRow("no serial number: a location the system made up") << "USB\\VID_067B&PID_2303\\5&2B5FF7B&0&2"
                                                                         << ""
                                                                         << "067b:2303";
        QTest::newRow("function of a composite device: the serial number above it")
            << "USB\\VID_2341&PID_8036&MI_00\\6&3A2B1C&0&0000"
            << "USB\\VID_2341&PID_8036\\8573432323135"
            << "2341:8036 serial 8573432323135";
        QTest::newRow("port made by a vendor's driver below a USB device") << "SILABSER\\PORT0\\7&22A4&0&0"
                                                                           << "USB\\VID_10C4&PID_EA71\\0123ABCD"
                                                                           << "10c4:ea71 serial 0123ABCD";
        QTest::newRow("on-board port") << "ACPI\\PNP0501\\1"
                                       << "ACPI\\PNP0A08\\0"
                                       << "-";
        QTest::newRow("broken vendor id") << "USB\\VID_04G3&PID_6001\\A50285BI"
                                          << ""
                                          << "-";
    }
    void usbIdentity()
    {
        QFETCH(QString, instanceId);
        QFETCH(QString, parentInstanceId);
        QFETCH(QString, identity);
        const auto usb = UsbIdentityFromInstanceIds(instanceId.toStdString(), parentInstanceId.toStdString());
        QCOMPARE(QString::fromStdString(usb ? UsbIdentityText(*usb) : "-"), identity);
    }

    // What --list-ports prints, from the registry's list and the set-up API.
    void listFromRegistryAndSetUpApi()
    {
        const std::vector<ComPortDescription> described = {
            {"COM5", "USB Serial Port (COM5)", "FTDI", "FTDIBUS\\VID_0403+PID_6001+A50285BIA\\0000", ""},
            {"COM3", "Communications Port (COM3)", "(Standard port types)", "ACPI\\PNP0501\\1", ""},
            {"COM5", "USB Serial Port (COM5)", "FTDI", "FTDIBUS\\VID_0403+PID_6001+A50285BIA\\0000", ""},
            {"LPT1", "Printer Port (LPT1)", "(Standard port types)", "ACPI\\PNP0400\\0", ""},
            {"COM9", "USB Serial Device (COM9)", "Microsoft", "USB\\VID_2E8A&PID_000A\\E6614C31", ""},
        };
        std::vector<std::string> lines;
        for (const SerialDevice &device : ComPortDevices({"COM5", "COM1", "COM3", "COM300", "Serial0"}, described))
            lines.push_back(DeviceListLine(device) + "\t" + device.node);
        const std::vector<std::string> expected = {
            "1\tCOM1\t-\t-\tmay open\t",
            "3\tCOM3\tCommunications Port\t-\tmay open\tACPI\\PNP0501\\1",
            "5\tCOM5\tFTDI USB Serial Port\tUSB 0403:6001 serial A50285BI\tmay open\t"
            "FTDIBUS\\VID_0403+PID_6001+A50285BIA\\0000",
            "9\tCOM9\tMicrosoft USB Serial Device\tUSB 2e8a:000a serial E6614C31\tmay open\t"
            "USB\\VID_2E8A&PID_000A\\E6614C31",
        };
        QCOMPARE(lines, expected);
    }

    void anArrivalChangesTheNode()
    {
        ComPortArrivals arrivals;
        const auto look = [&](std::vector<std::pair<std::string, std::string>> present) {
            std::vector<SerialDevice> devices;
            for (const auto &[path, instance] : present)
                devices.push_back({0, path, {}, {}, {}, true, instance});
            arrivals.stamp(devices);
            std::vector<std::string> nodes;
            for (const SerialDevice &device : devices)
                nodes.push_back(device.path + " " + device.node);
            return nodes;
        };
        using Nodes = std::vector<std::string>;
        QCOMPARE(look({{"COM1", ""}, {"COM5", "USB\\A"}}), (Nodes{"COM1 #1", "COM5 USB\\A#1"}));
        QCOMPARE(look({{"COM1", ""}, {"COM5", "USB\\A"}}), (Nodes{"COM1 #1", "COM5 USB\\A#1"}));
        QCOMPARE(look({{"COM1", ""}}), (Nodes{"COM1 #1"}));
        QCOMPARE(look({{"COM1", ""}, {"COM5", "USB\\A"}}), (Nodes{"COM1 #1", "COM5 USB\\A#2"}));
        // Another adapter given the same number while nobody looked.
        QCOMPARE(look({{"COM5", "USB\\B"}}), (Nodes{"COM5 USB\\B#3"}));
    }

    // The system's list read, and its changes told, through a real message
    // window that the event loop runs; the notices come as the system's would.
    void devicesComeAndGo()
    {
        if (!listPort(L"COM231"))
            QSKIP("the system's list of serial ports is not writable here (Wine lets a test write it)");
        auto platform = MakeSystemSerialPlatform();
        QCOMPARE(platform->devicePathForPort(231), std::string("COM231"));
        QSignalSpy changed(platform.get(), &SerialPlatform::devicesChanged);
        platform->watchDevices();
        const std::optional<SerialDevice> first = platform->deviceAt("COM231");
        QVERIFY(first && first->portNumber == 231);
        QVERIFY(!platform->deviceAt("COM232"));

        notice(DBT_DEVICEARRIVAL); // nothing changed: nothing told
        QTest::qWait(50);
        QCOMPARE(changed.size(), 0);
        listPort(nullptr);
        notice(DBT_DEVICEREMOVECOMPLETE);
        notice(DBT_DEVICEREMOVECOMPLETE); // one change, one signal
        QTRY_COMPARE(changed.size(), 1);
        QVERIFY(!platform->deviceAt("COM231"));
        listPort(L"COM231");
        notice(DBT_DEVICEARRIVAL);
        QTRY_COMPARE(changed.size(), 2);
        QVERIFY(platform->deviceAt("COM231")->node != first->node);

        platform.reset();
        listPort(nullptr);
        QVERIFY(!::FindWindowExW(HWND_MESSAGE, nullptr, L"ScoreboardDeviceNotices", nullptr));
    }
};

QTEST_GUILESS_MAIN(TestWindowsSerialPlatform)
#include "tst_windowsserialplatform.moc"
