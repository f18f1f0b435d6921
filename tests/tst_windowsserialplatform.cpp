#include "serial/SerialPlatform.h"
#include "serial/WindowsSerialPlatform.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <dbt.h>

#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(std::optional<UsbIdentity>)

namespace {
SerialDevice at(const std::string &path, const std::string &instanceId)
{
    SerialDevice device;
    device.path = path;
    device.node = instanceId;
    return device;
}

std::vector<std::string> nodes(std::vector<SerialDevice> devices, ComPortArrivals &arrivals)
{
    arrivals.stamp(devices);
    std::vector<std::string> stamped;
    for (const SerialDevice &device : devices)
        stamped.push_back(device.path + " " + device.node);
    return stamped;
}

// A port in the system's own list, as a port driver puts it there. Under
// Wine the test may write there; on Windows only an administrator may.
class RegistryPort
{
public:
    explicit RegistryPort(const wchar_t *name) : m_name(name)
    {
        if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, nullptr, REG_OPTION_VOLATILE,
                              KEY_SET_VALUE, nullptr, &m_key, nullptr) != ERROR_SUCCESS)
            m_key = nullptr;
    }
    ~RegistryPort()
    {
        if (m_key) {
            unplug();
            ::RegCloseKey(m_key);
        }
    }
    bool writable() const { return m_key != nullptr; }
    void plugIn()
    {
        ::RegSetValueExW(m_key, L"\\Device\\ScoreboardTest", 0, REG_SZ, reinterpret_cast<const BYTE *>(m_name),
                         static_cast<DWORD>((wcslen(m_name) + 1) * sizeof(wchar_t)));
    }
    void unplug() { ::RegDeleteValueW(m_key, L"\\Device\\ScoreboardTest"); }

private:
    const wchar_t *m_name;
    HKEY m_key = nullptr;
};

void tellTheWindow(WPARAM event)
{
    const HWND window = ::FindWindowExW(HWND_MESSAGE, nullptr, L"ScoreboardDeviceNotices", nullptr);
    QVERIFY(window);
    DEV_BROADCAST_HDR header = {};
    header.dbch_size = sizeof header;
    header.dbch_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    ::SendMessageW(window, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(&header));
}

bool listed(const std::vector<SerialDevice> &devices, const std::string &path)
{
    return std::any_of(devices.begin(), devices.end(), [&](const SerialDevice &d) { return d.path == path; });
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
        QTest::newRow("no number") << "COM" << 0;
        QTest::newRow("trailing letter") << "COM1a" << 0;
        QTest::newRow("device namespace") << "\\\\.\\COM3" << 0;
        QTest::newRow("printer port") << "LPT1" << 0;
        QTest::newRow("empty") << "" << 0;
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
        QTest::addColumn<std::optional<UsbIdentity>>("identity");
        using Usb = std::optional<UsbIdentity>;
        QTest::newRow("USB device with a serial number")
            << "USB\\VID_0403&PID_6001\\A50285BI"
            << "USB\\ROOT_HUB30\\4&1A2B3C&0&0" << Usb(UsbIdentity{0x0403, 0x6001, "A50285BI"});
        QTest::newRow("FTDI's bus, port letter after the serial number")
            << "FTDIBUS\\VID_0403+PID_6001+A50285BIA\\0000"
            << "USB\\VID_0403&PID_6001\\A50285BI" << Usb(UsbIdentity{0x0403, 0x6001, "A50285BI"});
        QTest::newRow("no serial number: a location the system made up")
            << "USB\\VID_067B&PID_2303\\5&2B5FF7B&0&2"
            << "USB\\ROOT_HUB30\\4&1A2B3C&0&0" << Usb(UsbIdentity{0x067b, 0x2303, ""});
        QTest::newRow("FTDI without a serial number")
            << "FTDIBUS\\VID_0403+PID_6015+6&1D9A&0&3A\\0000"
            << "USB\\VID_0403&PID_6015\\6&1D9A&0&3" << Usb(UsbIdentity{0x0403, 0x6015, ""});
        QTest::newRow("lower case") << "usb\\vid_1a86&pid_7523\\5&1f2e&0&1"
                                    << "" << Usb(UsbIdentity{0x1a86, 0x7523, ""});
        QTest::newRow("function of a composite device: serial number above it")
            << "USB\\VID_2341&PID_8036&MI_00\\6&3A2B1C&0&0000"
            << "USB\\VID_2341&PID_8036\\85734323231351D0E0F1"
            << Usb(UsbIdentity{0x2341, 0x8036, "85734323231351D0E0F1"});
        QTest::newRow("function of a composite device without a serial number")
            << "USB\\VID_2341&PID_8036&MI_00\\6&3A2B1C&0&0000"
            << "USB\\VID_2341&PID_8036\\5&1F2E&0&3" << Usb(UsbIdentity{0x2341, 0x8036, ""});
        QTest::newRow("port made by its own driver below a USB device")
            << "SILABSER\\PORT0\\7&22A4&0&0"
            << "USB\\VID_10C4&PID_EA71\\0123ABCD" << Usb(UsbIdentity{0x10c4, 0xea71, "0123ABCD"});
        QTest::newRow("on-board port") << "ACPI\\PNP0501\\1"
                                       << "ACPI\\PNP0A08\\0" << Usb();
        QTest::newRow("Bluetooth serial port")
            << "BTHENUM\\{00001101-0000-1000-8000-00805F9B34FB}_LOCALMFG&0002\\7&1234&0&000000000000_00000000"
            << "BTH\\MS_BTHBRB\\6&2D5A&0&1" << Usb();
        QTest::newRow("USB id without vendor") << "USB\\ROOT_HUB30\\4&1A2B3C&0&0"
                                               << "" << Usb();
        QTest::newRow("broken vendor id") << "USB\\VID_04G3&PID_6001\\A50285BI"
                                          << "" << Usb();
        QTest::newRow("empty") << ""
                               << "" << Usb();
    }
    void usbIdentity()
    {
        QFETCH(QString, instanceId);
        QFETCH(QString, parentInstanceId);
        QFETCH(std::optional<UsbIdentity>, identity);
        const std::optional<UsbIdentity> found =
            UsbIdentityFromInstanceIds(instanceId.toStdString(), parentInstanceId.toStdString());
        QCOMPARE(found.has_value(), identity.has_value());
        if (found)
            QCOMPARE(QString::fromStdString(UsbIdentityText(*found)),
                     QString::fromStdString(UsbIdentityText(*identity)));
    }

    void products_data()
    {
        QTest::addColumn<QString>("friendlyName");
        QTest::addColumn<QString>("product");
        QTest::newRow("port name after it") << "USB Serial Port (COM5)"
                                            << "USB Serial Port";
        QTest::newRow("three digits") << "Prolific USB-to-Serial Comm Port (COM123)"
                                      << "Prolific USB-to-Serial Comm Port";
        QTest::newRow("something else in brackets") << "Modem (V.92)"
                                                    << "Modem (V.92)";
        QTest::newRow("not at the end") << "Port (COM5) A"
                                        << "Port (COM5) A";
        QTest::newRow("no name") << ""
                                 << "";
    }
    void products()
    {
        QFETCH(QString, friendlyName);
        QFETCH(QString, product);
        const std::vector<SerialDevice> devices =
            ComPortDevices({}, {{"COM5", friendlyName.toStdString(), "FTDI", "", ""}});
        QCOMPARE(devices.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(devices[0].product), product);
    }

    // What --list-ports prints, from the registry's list and the set-up API.
    void listFromRegistryAndSetUpApi()
    {
        const std::vector<ComPortDescription> described = {
            {"COM5", "USB Serial Port (COM5)", "FTDI", "FTDIBUS\\VID_0403+PID_6001+A50285BIA\\0000",
             "USB\\VID_0403&PID_6001\\A50285BI"},
            {"COM3", "Communications Port (COM3)", "(Standard port types)", "ACPI\\PNP0501\\1", "ACPI\\PNP0A08\\0"},
            {"COM5", "USB Serial Port (COM5)", "FTDI", "FTDIBUS\\VID_0403+PID_6001+A50285BIA\\0000", ""},
            {"LPT1", "Printer Port (LPT1)", "(Standard port types)", "ACPI\\PNP0400\\0", ""},
            {"COM9", "USB Serial Device (COM9)", "Microsoft", "USB\\VID_2E8A&PID_000A\\E6614C311B4A5B2C", ""},
        };
        std::vector<std::string> lines;
        for (const SerialDevice &device : ComPortDevices({"COM5", "COM1", "COM3", "COM300", "Serial0"}, described))
            lines.push_back(DeviceListLine(device) + "\t" + device.node);
        const std::vector<std::string> expected = {
            "1\tCOM1\t-\t-\tmay open\t",
            "3\tCOM3\tCommunications Port\t-\tmay open\tACPI\\PNP0501\\1",
            "5\tCOM5\tFTDI USB Serial Port\tUSB 0403:6001 serial A50285BI\tmay open\t"
            "FTDIBUS\\VID_0403+PID_6001+A50285BIA\\0000",
            "9\tCOM9\tMicrosoft USB Serial Device\tUSB 2e8a:000a serial E6614C311B4A5B2C\tmay open\t"
            "USB\\VID_2E8A&PID_000A\\E6614C311B4A5B2C",
        };
        QCOMPARE(lines, expected);
    }

    void anArrivalChangesTheNode()
    {
        ComPortArrivals arrivals;
        using Nodes = std::vector<std::string>;
        QCOMPARE(nodes({at("COM1", ""), at("COM5", "USB\\A")}, arrivals), (Nodes{"COM1 #1", "COM5 USB\\A#1"}));
        QCOMPARE(nodes({at("COM1", ""), at("COM5", "USB\\A")}, arrivals), (Nodes{"COM1 #1", "COM5 USB\\A#1"}));
        QCOMPARE(nodes({at("COM1", "")}, arrivals), (Nodes{"COM1 #1"}));
        QCOMPARE(nodes({at("COM1", ""), at("COM5", "USB\\A")}, arrivals), (Nodes{"COM1 #1", "COM5 USB\\A#2"}));
        // Another adapter given the same number while the window looked away.
        QCOMPARE(nodes({at("COM1", ""), at("COM5", "USB\\B")}, arrivals), (Nodes{"COM1 #1", "COM5 USB\\B#3"}));
    }

    void portNumbersAreComNames()
    {
        const std::unique_ptr<SerialPlatform> platform = MakeSystemSerialPlatform();
        QCOMPARE(platform->devicePathForPort(1), std::string("COM1"));
        QCOMPARE(platform->devicePathForPort(255), std::string("COM255"));
        QCOMPARE(platform->devicePathForPort(256), std::string());
        QCOMPARE(platform->devicePathForPort(0), std::string());
        QCOMPARE(platform->portNumberForPath("COM42"), 42);
        QCOMPARE(platform->lastPortNumber(), 255);
        QVERIFY(!platform->isSystemConsole("COM1"));
        QVERIFY(platform->portNumbering().find("COMn") != std::string::npos);
    }

    // The system's list read, and its changes told, through a real message
    // window run by the event loop; the notices are sent here as the system
    // would send them.
    void devicesComeAndGo()
    {
        RegistryPort port(L"COM231");
        if (!port.writable())
            QSKIP("the system's list of serial ports is not writable here (Wine lets a test write it)");
        const std::unique_ptr<SerialPlatform> platform = MakeSystemSerialPlatform();
        QSignalSpy changed(platform.get(), &SerialPlatform::devicesChanged);
        port.plugIn();
        platform->watchDevices();
        const std::optional<SerialDevice> first = platform->deviceAt("COM231");
        QVERIFY(first);
        QCOMPARE(first->portNumber, 231);
        QVERIFY(!platform->deviceAt("COM232"));

        tellTheWindow(DBT_DEVICEARRIVAL); // nothing changed: nothing told
        QTest::qWait(50);
        QCOMPARE(changed.size(), 0);

        port.unplug();
        tellTheWindow(DBT_DEVICEREMOVECOMPLETE);
        tellTheWindow(DBT_DEVICEREMOVECOMPLETE); // one change, one signal
        QTRY_COMPARE(changed.size(), 1);
        QVERIFY(!listed(platform->devices(), "COM231"));

        port.plugIn();
        tellTheWindow(DBT_DEVICEARRIVAL);
        QTRY_COMPARE(changed.size(), 2);
        const std::optional<SerialDevice> again = platform->deviceAt("COM231");
        QVERIFY(again);
        QVERIFY(again->node != first->node);

        tellTheWindow(DBT_DEVNODES_CHANGED); // not an arrival or a removal
        QTest::qWait(50);
        QCOMPARE(changed.size(), 2);
    }

    void theMessageWindowGoesWithThePlatform()
    {
        MakeSystemSerialPlatform()->watchDevices();
        QVERIFY(!::FindWindowExW(HWND_MESSAGE, nullptr, L"ScoreboardDeviceNotices", nullptr));
    }
};

QTEST_GUILESS_MAIN(TestWindowsSerialPlatform)
#include "tst_windowsserialplatform.moc"
