#include "display/SendSequences.h"
#include "serial/PortMemory.h"
#include "serial/PortSession.h"
#include "serial/SerialPlatform.h"
#include "serial/SettingsWriter.h"
#include "serial/windows/RemovalWatch.h"
#include "serial/windows/Win32DeviceApi.h"
#include "serial/windows/Win32SerialLink.h"
#include "serial/windows/WindowsSerialPlatform.h"

#include <initguid.h>

#include <dbt.h>
#include <devpkey.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>
#include <utility>

namespace {
// Which of the set-up API's lists name a device: the Ports class, the
// COM-port interface.
enum Lists { kPortsClass = 1, kComPortInterface = 2 };
constexpr DEVINST kParentOf = 1000; // device n's parent is n + kParentOf

// A device as Windows describes it; an empty text is a property it lacks.
struct FakeDevice
{
    int lists = kPortsClass;
    QString portName, friendlyName, manufacturer, instanceId;
    QString locations; // location paths, '|' between them
    QString parentId, parentLocations;
};
} // namespace

Q_DECLARE_METATYPE(FakeDevice)

namespace {

// The set-up API, the configuration manager and the registry's list of
// ports, answering from `devices` and `serialComm` as Windows does: texts
// in UTF-16 with their NUL counted, lists of texts ending in two, a buffer
// too small told how large one must be.
class FakeDeviceApi final : public Win32DeviceApi
{
public:
    std::vector<FakeDevice> devices;
    QStringList serialComm;
    int listsOpen = 0;

    HDEVINFO getClassDevs(const GUID *, DWORD flags) override
    {
        ++listsOpen;
        return reinterpret_cast<HDEVINFO>(INT_PTR(flags & DIGCF_DEVICEINTERFACE ? kComPortInterface : kPortsClass));
    }
    BOOL enumDeviceInfo(HDEVINFO set, DWORD index, SP_DEVINFO_DATA *info) override
    {
        for (std::size_t i = 0; i < devices.size(); ++i)
            if ((devices[i].lists & INT_PTR(set)) && index-- == 0)
                return info->DevInst = DEVINST(i + 1), TRUE;
        ::SetLastError(ERROR_NO_MORE_ITEMS);
        return FALSE;
    }
    BOOL getDeviceRegistryProperty(HDEVINFO, SP_DEVINFO_DATA *info, DWORD property, DWORD *type, BYTE *buffer,
                                   DWORD size, DWORD *required) override
    {
        const FakeDevice &device = devices.at(info->DevInst - 1);
        const QString text = property == SPDRP_FRIENDLYNAME ? device.friendlyName
                             : property == SPDRP_MFG        ? device.manufacturer
                                                            : QString();
        if (text.isEmpty())
            return ::SetLastError(ERROR_INVALID_DATA), FALSE;
        *type = REG_SZ;
        *required = answer(text + QChar(0), buffer, size);
        return *required <= size ? TRUE : (::SetLastError(ERROR_INSUFFICIENT_BUFFER), FALSE);
    }
    LSTATUS queryPortName(HDEVINFO, SP_DEVINFO_DATA *info, DWORD *type, BYTE *data, DWORD *size) override
    {
        const QString &name = devices.at(info->DevInst - 1).portName;
        if (name.isEmpty())
            return ERROR_FILE_NOT_FOUND;
        *type = REG_SZ;
        const DWORD room = *size;
        *size = answer(name + QChar(0), data, room);
        return *size <= room ? ERROR_SUCCESS : ERROR_MORE_DATA;
    }
    BOOL destroyDeviceInfoList(HDEVINFO) override { return --listsOpen, TRUE; }
    CONFIGRET getDeviceId(DEVINST device, wchar_t *buffer, ULONG length) override
    {
        const QString id =
            device > kParentOf ? devices.at(device - kParentOf - 1).parentId : devices.at(device - 1).instanceId;
        if (ULONG(id.size()) >= length)
            return CR_BUFFER_SMALL;
        buffer[id.toWCharArray(buffer)] = L'\0';
        return CR_SUCCESS;
    }
    CONFIGRET getParent(DEVINST *parent, DEVINST device) override
    {
        *parent = device < kParentOf && !devices.at(device - 1).parentId.isEmpty() ? device + kParentOf : 0;
        return *parent ? CR_SUCCESS : CR_NO_SUCH_DEVNODE;
    }
    CONFIGRET getDevNodeProperty(DEVINST device, const DEVPROPKEY *key, DEVPROPTYPE *type, BYTE *buffer,
                                 ULONG *size) override
    {
        const QString paths =
            device > kParentOf ? devices.at(device - kParentOf - 1).parentLocations : devices.at(device - 1).locations;
        if (std::memcmp(key, &DEVPKEY_Device_LocationPaths, sizeof *key) != 0 || paths.isEmpty())
            return *type = DEVPROP_TYPE_EMPTY, CR_NO_SUCH_VALUE;
        *type = DEVPROP_TYPE_STRING_LIST;
        const ULONG room = *size;
        *size = answer(QString(paths).replace('|', QChar(0)) + QChar(0) + QChar(0), buffer, room);
        return *size <= room ? CR_SUCCESS : CR_BUFFER_SMALL;
    }
    LSTATUS enumSerialCommValue(DWORD index, wchar_t *name, DWORD *nameLength, DWORD *type, BYTE *data,
                                DWORD *dataSize) override
    {
        if (index >= DWORD(serialComm.size()))
            return ERROR_NO_MORE_ITEMS;
        *nameLength = DWORD(QStringLiteral("\\Device\\Serial%1").arg(index).toWCharArray(name));
        *type = REG_SZ;
        const DWORD room = *dataSize;
        *dataSize = answer(serialComm[int(index)] + QChar(0), data, room);
        return *dataSize <= room ? ERROR_SUCCESS : ERROR_MORE_DATA;
    }

    // COM5, plugged in or not: a Prolific adapter without a serial number.
    void plug(bool in, const QString &port = "COM5")
    {
        const QString instance = "USB\\VID_067B&PID_2303\\5&2B5F&0&" + port.mid(3);
        devices.erase(std::remove_if(devices.begin(), devices.end(),
                                     [&](const FakeDevice &d) { return d.instanceId == instance; }),
                      devices.end());
        if (in)
            devices.push_back({kPortsClass,
                               port,
                               "USB-Serial Controller (" + port + ")",
                               "Prolific",
                               instance,
                               "PCIROOT(0)#PCI(1400)#USBROOT(0)#USB(" + port.mid(3) + ")",
                               {},
                               {}});
    }

private:
    // The bytes of `text` where they fit; how many it takes.
    static DWORD answer(const QString &text, BYTE *buffer, DWORD size)
    {
        const DWORD bytes = DWORD(text.size() * sizeof(wchar_t));
        if (buffer && bytes <= size)
            std::memcpy(buffer, text.utf16(), bytes);
        return bytes;
    }
};

// A port on a file (Windows watches the handles of real files only; not
// named "COM7", which is the port in any folder) whose first write takes
// `firstWrite`; it logs its writes as they end and its close, each marked
// when it comes from another thread than the window's.
class SlowPortApi final : public Win32CommApi
{
public:
    SlowPortApi(const QString &file, std::chrono::milliseconds firstWrite)
        : m_file(file.toStdWString()), m_firstWrite(firstWrite)
    {}

    HANDLE createFile(LPCWSTR, DWORD, DWORD, DWORD, DWORD) override
    {
        m_handle = ::CreateFileW(m_file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        return m_handle;
    }
    BOOL setupComm(HANDLE, DWORD, DWORD) override { return TRUE; }
    BOOL getCommState(HANDLE, DCB *) override { return TRUE; }
    BOOL setCommState(HANDLE, DCB *) override { return TRUE; }
    BOOL setCommTimeouts(HANDLE, COMMTIMEOUTS *) override { return TRUE; }
    BOOL escapeCommFunction(HANDLE, DWORD) override { return TRUE; }
    BOOL clearCommError(HANDLE, DWORD *, COMSTAT *status) override { return status->cbOutQue = 0, TRUE; }
    BOOL writeFile(HANDLE, const void *, DWORD size, DWORD *written) override
    {
        bool first = false;
        {
            const std::lock_guard lock(m_mutex);
            first = !std::exchange(m_writing, true);
        }
        m_changed.notify_all();
        if (first)
            std::this_thread::sleep_for(m_firstWrite);
        note("WriteFile");
        *written = size;
        return TRUE;
    }
    BOOL closeHandle(HANDLE file) override { return note("CloseHandle"), ::CloseHandle(file); }
    DWORD lastError() const override { return ::GetLastError(); }
    std::wstring messageFor(DWORD) const override { return {}; }

    HANDLE handle() const { return m_handle; }
    // The first write has begun (within 5 s).
    bool writing()
    {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, std::chrono::seconds(5), [this] { return m_writing; });
    }
    void note(const QString &what)
    {
        const std::lock_guard lock(m_mutex);
        m_log << (std::this_thread::get_id() == m_windowThread ? what : what + " elsewhere");
    }
    QString log()
    {
        const std::lock_guard lock(m_mutex);
        return m_log.join(", ");
    }

private:
    const std::wstring m_file;
    const std::chrono::milliseconds m_firstWrite;
    const std::thread::id m_windowThread = std::this_thread::get_id();
    HANDLE m_handle = INVALID_HANDLE_VALUE;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_writing = false;
    QStringList m_log;
};

HWND noticeWindow()
{
    HWND found = nullptr;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM result) {
            wchar_t name[64];
            if (::GetClassNameW(window, name, 64) && std::wcscmp(name, kDeviceNoticeWindowClass) == 0)
                *reinterpret_cast<HWND *>(result) = window;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// A notice as the system sends it: port "COM5", interface
// "\\?\usb#vid_067b&pid_2303#...#{86e0d1e0-...}", or an open handle.
LRESULT tell(WPARAM event, DWORD type, const QString &name, HANDLE handle = nullptr)
{
    std::vector<BYTE> notice(sizeof(DEV_BROADCAST_DEVICEINTERFACE_W) + sizeof(DEV_BROADCAST_HANDLE) +
                             sizeof(wchar_t) * (name.size() + 1));
    auto *header = reinterpret_cast<DEV_BROADCAST_HDR *>(notice.data());
    header->dbch_size = DWORD(notice.size());
    header->dbch_devicetype = type;
    if (type == DBT_DEVTYP_PORT)
        name.toWCharArray(reinterpret_cast<DEV_BROADCAST_PORT_W *>(header)->dbcp_name);
    else if (type == DBT_DEVTYP_DEVICEINTERFACE)
        name.toWCharArray(reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W *>(header)->dbcc_name);
    else
        reinterpret_cast<DEV_BROADCAST_HANDLE *>(header)->dbch_handle = handle;
    return ::SendMessageW(noticeWindow(), WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(header));
}

QString interfaceName(const QString &instanceId)
{
    return ("\\\\?\\" + QString(instanceId).replace('\\', '#') + "#{86e0d1e0-8089-11d0-9ce4-08003e301f73}").toLower();
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

    // What --list-ports prints, and each device's node, for one device as
    // the set-up API describes it, beside the registry's list of ports.
    void listing_data()
    {
        QTest::addColumn<FakeDevice>("device");
        QTest::addColumn<QStringList>("serialComm");
        QTest::addColumn<QStringList>("lines");
        const QString ftdiUsb = "PCIROOT(0)#PCI(1400)#USBROOT(0)#USB(2)";
        QTest::newRow("FTDI: serial number, socket of the USB device above")
            << FakeDevice{kPortsClass,
                          "COM5",
                          "USB Serial Port (COM5)",
                          "FTDI",
                          "FTDIBUS\\VID_0403+PID_6001+A50285BIA\\0000",
                          {},
                          "USB\\VID_0403&PID_6001\\A50285BI",
                          ftdiUsb + "|ACPI(_SB_)#ACPI(PCI0)#ACPI(XHC_)#ACPI(RHUB)#ACPI(HS02)"}
            << QStringList{"COM5"}
            << QStringList{"5\tCOM5\tFTDI USB Serial Port\tUSB 0403:6001 serial A50285BI socket " + ftdiUsb +
                           "\tmay open\tFTDIBUS\\VID_0403+PID_6001+A50285BIA\\0000#0"};
        QTest::newRow("no serial number: its own socket")
            << FakeDevice{kPortsClass,
                          "COM6",
                          "Prolific USB-to-Serial Comm Port (COM6)",
                          "Prolific",
                          "USB\\VID_067B&PID_2303\\5&2B5FF7B&0&1",
                          "PCIROOT(0)#PCI(1400)#USBROOT(0)#USB(1)",
                          "USB\\ROOT_HUB30\\4&1A2B&0&0",
                          "PCIROOT(0)#PCI(1400)#USBROOT(0)"}
            << QStringList{"COM6"}
            << QStringList{"6\tCOM6\tProlific USB-to-Serial Comm Port\tUSB 067b:2303 socket "
                           "PCIROOT(0)#PCI(1400)#USBROOT(0)#USB(1)\tmay open\tUSB\\VID_067B&PID_2303\\5&2B5FF7B&0&1#0"};
        QTest::newRow("composite, a COM-port interface only: serial number and socket above")
            << FakeDevice{kComPortInterface,
                          "COM9",
                          "Arduino Leonardo (COM9)",
                          "Arduino LLC",
                          "USB\\VID_2341&PID_8036&MI_00\\6&3A2B&0&0",
                          "PCIROOT(0)#PCI(1400)#USBROOT(0)#USB(3)#USBMI(0)",
                          "USB\\VID_2341&PID_8036\\8573",
                          "PCIROOT(0)#PCI(1400)#USBROOT(0)#USB(3)"}
            << QStringList{}
            << QStringList{
                   "9\tCOM9\tArduino LLC Arduino Leonardo\tUSB 2341:8036 serial 8573 socket "
                   "PCIROOT(0)#PCI(1400)#USBROOT(0)#USB(3)\tmay open\tUSB\\VID_2341&PID_8036&MI_00\\6&3A2B&0&0#0"};
        const QString longName = "Adaptateur série USB du pupitre, à gauche de la table de marque, " + QString(80, 'x');
        QTest::newRow("a long name, in French, asked for again; listed as a port and an interface")
            << FakeDevice{kPortsClass | kComPortInterface,
                          "COM7",
                          longName + " (COM7)",
                          {},
                          "ACPI\\PNP0501\\2",
                          {},
                          {},
                          {}}
            << QStringList{"COM7"} << QStringList{"7\tCOM7\t" + longName + "\t-\tmay open\tACPI\\PNP0501\\2#0"};
        QTest::newRow("only in the registry's list, as every port under Wine")
            << FakeDevice{kPortsClass, "LPT1", "Printer Port (LPT1)", {}, "ACPI\\PNP0400\\0", {}, {}, {}}
            << QStringList{"COM2", "COM1"} << QStringList{"1\tCOM1\t-\t-\tmay open\t#0", "2\tCOM2\t-\t-\tmay open\t#0"};
    }
    void listing()
    {
        QFETCH(FakeDevice, device);
        QFETCH(QStringList, serialComm);
        QFETCH(QStringList, lines);
        FakeDeviceApi api;
        api.devices = {device};
        api.serialComm = serialComm;
        const auto platform = MakeWindowsSerialPlatform(api);
        QStringList listed;
        for (const SerialDevice &found : platform->devices())
            listed << QString::fromStdString(DeviceListLine(found) + "\t" + found.node);
        QCOMPARE(listed, lines);
        QCOMPARE(api.listsOpen, 0);
    }

    // What the hidden window hears, as the system tells it: how often the
    // platform says devices changed, and how often COM5 has arrived since
    // it began to watch (the end of its node).
    void notices_data()
    {
        QTest::addColumn<bool>("pluggedAtStart");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("changes");
        QTest::addColumn<QString>("arrivals");
        const auto row = [](const char *name, bool plugged, const char *steps, int changes, const char *arrivals) {
            QTest::newRow(name) << plugged << QString(steps) << changes << QString(arrivals);
        };
        row("plugged in, told by a port broadcast", false, "plug, port arrival, look", 1, "#1");
        row("plugged in, told by the COM-port interface", false, "plug, interface arrival, look", 1, "#1");
        row("one arrival told twice", false, "plug, port arrival, interface arrival, look", 1, "#1");
        row("one arrival told twice, looked at between", false, "plug, interface arrival, look, port arrival, look", 1,
            "#1");
        // After an update kept the program busy: the adapter looks as
        // before, but a port held open on it writes nowhere.
        row("unplugged and plugged back, seen together", true, "port removal, port arrival, look", 1, "#1");
        row("the same, told by the interface", true, "interface removal, interface arrival, look", 1, "#1");
        row("the same, looked at between", true, "port removal, look, port arrival, look", 1, "#1");
        row("unplugged", true, "unplug, port removal, look", 1, "");
        row("an arrival told of a port already there", true, "port arrival, look", 0, "#0");
        row("another port plugged in", true, "plug COM6, port arrival COM6, look", 1, "#0");
        row("nothing looked at until the event loop runs", false, "plug, port arrival", 0, "#0");
    }
    void notices()
    {
        QFETCH(bool, pluggedAtStart);
        QFETCH(QString, steps);
        QFETCH(int, changes);
        QFETCH(QString, arrivals);
        FakeDeviceApi api;
        api.plug(pluggedAtStart);
        const auto platform = MakeWindowsSerialPlatform(api);
        QSignalSpy changed(platform.get(), &SerialPlatform::devicesChanged);
        platform->watchDevices();
        // Top-level, so that it hears broadcasts, and never shown.
        QVERIFY(noticeWindow());
        QCOMPARE(::GetAncestor(noticeWindow(), GA_PARENT), ::GetDesktopWindow());
        QVERIFY(!::IsWindowVisible(noticeWindow()));

        const QString com5 = "USB\\VID_067B&PID_2303\\5&2B5F&0&5";
        for (const QString &step : steps.split(", ")) {
            const QStringList words = step.split(' ');
            const QString port = words.last().startsWith("COM") ? words.last() : "COM5";
            if (words[0] == "plug" || words[0] == "unplug")
                api.plug(words[0] == "plug", port);
            else if (words[0] == "look")
                QCoreApplication::processEvents();
            else
                QCOMPARE(tell(words[1] == "arrival" ? DBT_DEVICEARRIVAL : DBT_DEVICEREMOVECOMPLETE,
                              words[0] == "port" ? DBT_DEVTYP_PORT : DBT_DEVTYP_DEVICEINTERFACE,
                              words[0] == "port" ? port : interfaceName(com5)),
                         LRESULT(TRUE));
        }
        QCOMPARE(changed.size(), changes);
        const std::optional<SerialDevice> now = platform->deviceAt("COM5");
        QCOMPARE(QString::fromStdString(now ? now->node.substr(now->node.rfind('#')) : ""), arrivals);
        // Listing again changes nothing.
        QCOMPARE(platform->deviceAt("COM5") ? platform->deviceAt("COM5")->node : "", now ? now->node : "");
    }

    // "Safely remove" for the open port, COM7: what the system asks of its
    // handle, in turn, and what the platform does each time: asks for the
    // port to be closed, says devices changed, or nothing; always yes.
    void removal_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("heard");
        const auto row = [](const char *name, const char *steps, const char *heard) {
            QTest::newRow(name) << QString(steps) << QString(heard);
        };
        row("asked to remove: the port closes first", "query remove", "close COM7");
        row("removal cancelled: looked for again", "query remove, remove failed", "close COM7, changed");
        row("removed", "query remove, remove complete, query remove", "close COM7");
        row("closed before anyone asked", "closed, query remove", "");
        row("another handle", "query remove elsewhere", "");
    }
    void removal()
    {
        QFETCH(QString, steps);
        QFETCH(QString, heard);
        const QTemporaryDir folder;
        const HANDLE handle = ::CreateFileW(reinterpret_cast<LPCWSTR>(folder.filePath("port").utf16()), GENERIC_WRITE,
                                            0, nullptr, CREATE_NEW, 0, nullptr);
        QVERIFY(handle != INVALID_HANDLE_VALUE);
        FakeDeviceApi api;
        const auto platform = MakeWindowsSerialPlatform(api);
        platform->watchDevices();
        RemovalWatch *watch = RemovalWatchOf(*platform);
        QVERIFY(watch);
        watch->watch(handle, "COM7");

        QStringList said;
        connect(platform.get(), &SerialPlatform::removalRequested, this, [&](const std::string &path) {
            said << "close " + QString::fromStdString(path);
            watch->closing(handle); // as the link closes its handle
        });
        connect(platform.get(), &SerialPlatform::devicesChanged, this, [&] { said << "changed"; });
        const std::pair<const char *, WPARAM> events[] = {{"query remove", DBT_DEVICEQUERYREMOVE},
                                                          {"remove failed", DBT_DEVICEQUERYREMOVEFAILED},
                                                          {"remove complete", DBT_DEVICEREMOVECOMPLETE}};
        for (const QString &step : steps.split(", ")) {
            if (step == "closed") {
                watch->closing(handle);
                continue;
            }
            const QString what = QString(step).remove(" elsewhere");
            const auto event =
                std::find_if(std::begin(events), std::end(events), [&](const auto &e) { return what == e.first; });
            QVERIFY(event != std::end(events));
            QCOMPARE(tell(event->second, DBT_DEVTYP_HANDLE, {}, step.endsWith("elsewhere") ? nullptr : handle),
                     LRESULT(TRUE));
        }
        QCOMPARE(said.join(", "), heard);
        ::CloseHandle(handle);
    }

    // "Safely remove" for COM7 while a send of two writes is on it, its
    // first write taking this long: the port's calls and the system's
    // answer, in turn ("elsewhere": on another thread than the window's).
    void removalDuringASend_data()
    {
        QTest::addColumn<int>("firstWrite"); // ms
        QTest::addColumn<QString>("log");
        // The answer waits for the send, which ends whole; the port closes
        // before the answer, where its removal watch is kept.
        QTest::newRow("a send that ends within half a second")
            << 100 << "WriteFile elsewhere, WriteFile elsewhere, CloseHandle, answered yes";
        // The system is not kept waiting; the send writes nothing more, and
        // the port closes once its write gives up.
        QTest::newRow("a stalled line") << 1500 << "answered yes, WriteFile elsewhere, CloseHandle";
    }
    void removalDuringASend()
    {
        QFETCH(int, firstWrite);
        QFETCH(QString, log);
        const QTemporaryDir folder;
        FakeDeviceApi devices;
        const auto platform = MakeWindowsSerialPlatform(devices);
        SlowPortApi port(folder.filePath("port"), std::chrono::milliseconds(firstWrite));
        QSettings settings(folder.filePath("scoreboard.ini"), QSettings::IniFormat);
        SettingsWriter writer(settings);
        PortMemory memory(settings, writer);
        PortSession session(std::make_unique<Win32SerialLink>(*platform, port, RemovalWatchOf(*platform)), *platform,
                            memory, SendStartupCommand);
        QStringList events;
        connect(&session, &PortSession::happened, this, [&](const PortEvent &event) {
            events << (event.kind == PortEvent::Kind::ClosedForRemoval ? "closed for removal" : "other");
        });
        platform->watchDevices();
        session.textEdited("7");
        QCOMPARE(session.openPort().value_or(0), 7);
        events.clear();

        std::optional<LinkResult> sent;
        session.send(
            [](SerialLink &link) {
                const std::uint8_t cr = 0x0D;
                const LinkResult first = link.write(&cr, 1);
                return first.ok() ? link.write(&cr, 1) : first;
            },
            [&](const LinkResult &result) { sent = result; });
        QVERIFY(port.writing());
        const LRESULT answer = tell(DBT_DEVICEQUERYREMOVE, DBT_DEVTYP_HANDLE, {}, port.handle());
        port.note(answer == TRUE ? "answered yes" : "answered no");
        QVERIFY(QTest::qWaitFor([&] { return sent && !session.openPort(); }, 5000));
        QCOMPARE(port.log(), log);
        QCOMPARE(events, QStringList{"closed for removal"});
        QVERIFY(session.awaitingReturn());
    }
};

QTEST_GUILESS_MAIN(TestWindowsSerialPlatform)
#include "tst_windowsserialplatform.moc"
