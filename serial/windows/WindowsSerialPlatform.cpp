#include "serial/windows/WindowsSerialPlatform.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
// Defines the GUIDs and property keys that the headers after it name (the
// Ports class, the COM-port interface, the location paths) instead of only
// declaring them; hence before any other Windows header.
#include <initguid.h>
#include <windows.h>

#include <dbt.h>
#include <devguid.h>
#include <devpkey.h>

#include "serial/SerialPlatform.h"
#include "serial/windows/RemovalWatch.h"
#include "serial/windows/WideText.h"
#include "serial/windows/Win32DeviceApi.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>
#include <set>

namespace {
constexpr int kLastComPort = 255;

std::string upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

std::vector<std::string> split(const std::string &text, char separator)
{
    std::vector<std::string> parts;
    std::string::size_type from = 0;
    for (std::string::size_type at; (at = text.find(separator, from)) != std::string::npos; from = at + 1)
        parts.push_back(text.substr(from, at - from));
    parts.push_back(text.substr(from));
    return parts;
}

// The four hex digits after "VID_" or "PID_" in an instance id.
std::optional<std::uint16_t> idAfter(const std::string &id, const char *tag)
{
    const std::string::size_type at = upper(id).find(tag);
    if (at == std::string::npos || id.size() < at + 8)
        return std::nullopt;
    const std::string digits = id.substr(at + 4, 4);
    if (!std::all_of(digits.begin(), digits.end(), [](unsigned char c) { return std::isxdigit(c); }))
        return std::nullopt;
    return static_cast<std::uint16_t>(std::stoul(digits, nullptr, 16));
}

// Windows makes up an instance where a device has no serial number: a
// location, with '&' in it ("5&2B5FF7B&0&2").
std::string serialOrNothing(const std::string &instance)
{
    return instance.find('&') == std::string::npos ? instance : std::string();
}

// "USB\VID_0403&PID_6001\A50285BI"; a function of a composite device
// ("...&MI_00\6&...") has its serial number on the device above it.
std::optional<UsbIdentity> fromUsbId(const std::vector<std::string> &parts, const std::string &parentInstanceId)
{
    const std::optional<std::uint16_t> vendor = idAfter(parts[1], "VID_");
    const std::optional<std::uint16_t> product = idAfter(parts[1], "PID_");
    if (!vendor || !product)
        return std::nullopt;
    UsbIdentity usb{*vendor, *product, {}, {}};
    if (upper(parts[1]).find("&MI_") == std::string::npos) {
        usb.serialNumber = parts.size() > 2 ? serialOrNothing(parts[2]) : std::string();
    } else {
        const std::vector<std::string> parent = split(parentInstanceId, '\\');
        if (parent.size() == 3 && upper(parent[0]) == "USB" && idAfter(parent[1], "VID_") == vendor &&
            idAfter(parent[1], "PID_") == product)
            usb.serialNumber = serialOrNothing(parent[2]);
    }
    return usb;
}

// "FTDIBUS\VID_0403+PID_6001+A50285BIA\0000": FTDI's driver appends the
// letter of the chip's port (A, B, ...) to the serial number.
std::optional<UsbIdentity> fromFtdiId(const std::vector<std::string> &parts)
{
    const std::vector<std::string> fields = split(parts[1], '+');
    const std::optional<std::uint16_t> vendor = idAfter(fields[0], "VID_");
    const std::optional<std::uint16_t> product = fields.size() > 1 ? idAfter(fields[1], "PID_") : std::nullopt;
    if (!vendor || !product)
        return std::nullopt;
    UsbIdentity usb{*vendor, *product, {}, {}};
    if (fields.size() > 2 && fields[2].size() > 1)
        usb.serialNumber = serialOrNothing(fields[2].substr(0, fields[2].size() - 1));
    return usb;
}

// The USB device itself, not one of its functions: "USB\VID_067B&PID_2303\5&2B5F&0&2".
bool isUsbDevice(const std::string &instanceId)
{
    const std::vector<std::string> parts = split(instanceId, '\\');
    return parts.size() == 3 && upper(parts[0]) == "USB" && upper(parts[1]).find("&MI_") == std::string::npos;
}

// "USB Serial Port (COM5)" names the port again; the selector shows it anyway.
std::string withoutPortName(const std::string &friendlyName)
{
    const std::string::size_type open = friendlyName.rfind(" (COM");
    if (open == std::string::npos || friendlyName.back() != ')' ||
        ComPortNumber(friendlyName.substr(open + 2, friendlyName.size() - open - 3)) == 0)
        return friendlyName;
    return friendlyName.substr(0, open);
}
} // namespace

int ComPortNumber(const std::string &name)
{
    if (name.size() < 4 || name.size() > 6 || upper(name.substr(0, 3)) != "COM" || name[3] == '0')
        return 0;
    int number = 0;
    for (std::string::size_type i = 3; i < name.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i])))
            return 0;
        number = number * 10 + (name[i] - '0');
    }
    return number <= kLastComPort ? number : 0;
}

std::optional<UsbIdentity> UsbIdentityFromInstanceIds(const std::string &instanceId,
                                                      const std::string &parentInstanceId)
{
    const std::vector<std::string> parts = split(instanceId, '\\');
    if (parts.size() < 2)
        return std::nullopt;
    const std::string bus = upper(parts[0]);
    if (bus == "USB")
        return fromUsbId(parts, parentInstanceId);
    if (bus == "FTDIBUS")
        return fromFtdiId(parts);
    // A port that a vendor's own driver makes for a USB device below it.
    if (split(parentInstanceId, '\\').size() == 3 && upper(parentInstanceId).rfind("USB\\", 0) == 0)
        return UsbIdentityFromInstanceIds(parentInstanceId, std::string());
    return std::nullopt;
}

std::vector<SerialDevice> ComPortDevices(const std::vector<std::string> &registryPorts,
                                         const std::vector<ComPortDescription> &described)
{
    std::map<int, SerialDevice> byNumber;
    for (const ComPortDescription &port : described) {
        const int number = ComPortNumber(port.portName);
        if (number == 0 || byNumber.count(number))
            continue;
        SerialDevice device;
        device.portNumber = number;
        device.path = "COM" + std::to_string(number);
        device.product = withoutPortName(port.friendlyName);
        // "(Standard port types)" is how a driver's set-up file says "nobody in particular".
        if (port.manufacturer.rfind('(', 0) != 0)
            device.manufacturer = port.manufacturer;
        device.usb = UsbIdentityFromInstanceIds(port.instanceId, port.parentInstanceId);
        // The port is the USB device, or one of its functions, or a port a
        // driver makes below it.
        if (device.usb)
            device.usb->socket = isUsbDevice(port.instanceId)         ? port.location
                                 : isUsbDevice(port.parentInstanceId) ? port.parentLocation
                                                                      : std::string();
        device.node = port.instanceId;
        byNumber.emplace(number, device);
    }
    for (const std::string &name : registryPorts) {
        const int number = ComPortNumber(name);
        if (number != 0 && !byNumber.count(number)) {
            SerialDevice device;
            device.portNumber = number;
            device.path = "COM" + std::to_string(number);
            byNumber.emplace(number, device);
        }
    }
    std::vector<SerialDevice> devices;
    for (auto &[number, device] : byNumber)
        devices.push_back(std::move(device));
    return devices;
}

namespace {
// Registry and device-property text up to its first NUL: a value need not
// end in one, and a list of texts (REG_MULTI_SZ) starts with its first.
std::string textOf(const std::vector<BYTE> &data, DWORD bytes)
{
    const auto *wide = reinterpret_cast<const wchar_t *>(data.data());
    const std::size_t length = std::min<std::size_t>(bytes, data.size()) / sizeof(wchar_t);
    return Utf8(std::wstring(wide, std::find(wide, wide + length, L'\0')));
}

constexpr DWORD kFirstTry = 256; // bytes; most names fit, longer ones are asked for again

std::string deviceProperty(Win32DeviceApi &api, HDEVINFO set, SP_DEVINFO_DATA &info, DWORD property)
{
    std::vector<BYTE> data(kFirstTry);
    DWORD type = 0;
    DWORD required = 0;
    while (!api.getDeviceRegistryProperty(set, &info, property, &type, data.data(), DWORD(data.size()), &required)) {
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || required <= data.size())
            return {};
        data.resize(required);
    }
    return type == REG_SZ ? textOf(data, required) : std::string();
}

std::string portName(Win32DeviceApi &api, HDEVINFO set, SP_DEVINFO_DATA &info)
{
    std::vector<BYTE> data(kFirstTry);
    DWORD type = 0;
    DWORD bytes = DWORD(data.size());
    LSTATUS status;
    while ((status = api.queryPortName(set, &info, &type, data.data(), &bytes)) == ERROR_MORE_DATA)
        data.resize(bytes);
    return status == ERROR_SUCCESS && type == REG_SZ ? textOf(data, bytes) : std::string();
}

std::string instanceId(Win32DeviceApi &api, DEVINST device)
{
    wchar_t id[MAX_DEVICE_ID_LEN + 1] = {};
    return api.getDeviceId(device, id, MAX_DEVICE_ID_LEN) == CR_SUCCESS ? Utf8(id) : std::string();
}

std::string location(Win32DeviceApi &api, DEVINST device)
{
    std::vector<BYTE> data(kFirstTry);
    DEVPROPTYPE type = 0;
    ULONG bytes = ULONG(data.size());
    CONFIGRET status;
    while ((status = api.getDevNodeProperty(device, &DEVPKEY_Device_LocationPaths, &type, data.data(), &bytes)) ==
           CR_BUFFER_SMALL)
        data.resize(bytes);
    return status == CR_SUCCESS && type == DEVPROP_TYPE_STRING_LIST ? textOf(data, bytes) : std::string();
}

// The ports of the Ports class (serial.sys, most USB adapters) and any other
// device that offers the COM-port interface (modems, some adapters).
std::vector<ComPortDescription> describedPorts(Win32DeviceApi &api)
{
    std::vector<ComPortDescription> ports;
    const std::pair<const GUID *, DWORD> sets[] = {
        {&GUID_DEVCLASS_PORTS, DIGCF_PRESENT},
        {&GUID_DEVINTERFACE_COMPORT, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE},
    };
    for (const auto &[guid, flags] : sets) {
        const HDEVINFO set = api.getClassDevs(guid, flags);
        if (set == INVALID_HANDLE_VALUE)
            continue;
        SP_DEVINFO_DATA info = {};
        info.cbSize = sizeof info;
        for (DWORD index = 0; api.enumDeviceInfo(set, index, &info); ++index) {
            ComPortDescription port;
            port.portName = portName(api, set, info);
            if (ComPortNumber(port.portName) == 0)
                continue; // a printer port of the same class, or a port not set up yet
            port.friendlyName = deviceProperty(api, set, info, SPDRP_FRIENDLYNAME);
            if (port.friendlyName.empty())
                port.friendlyName = deviceProperty(api, set, info, SPDRP_DEVICEDESC);
            port.manufacturer = deviceProperty(api, set, info, SPDRP_MFG);
            port.instanceId = instanceId(api, info.DevInst);
            port.location = location(api, info.DevInst);
            DEVINST parent = 0;
            if (api.getParent(&parent, info.DevInst) == CR_SUCCESS) {
                port.parentInstanceId = instanceId(api, parent);
                port.parentLocation = location(api, parent);
            }
            ports.push_back(port);
        }
        api.destroyDeviceInfoList(set);
    }
    return ports;
}

// Every COM port the system has, including those with no device behind them
// in the set-up API (a port driver's own, or every port under Wine).
std::vector<std::string> registryPorts(Win32DeviceApi &api)
{
    std::vector<std::string> ports;
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];
        DWORD nameLength = ARRAYSIZE(name);
        std::vector<BYTE> data(64);
        DWORD bytes = DWORD(data.size());
        DWORD type = 0;
        const LSTATUS status = api.enumSerialCommValue(index, name, &nameLength, &type, data.data(), &bytes);
        if (status != ERROR_SUCCESS && status != ERROR_MORE_DATA)
            break;
        if (status == ERROR_SUCCESS && type == REG_SZ)
            ports.push_back(textOf(data, bytes));
    }
    return ports;
}

// "\\?\USB#VID_067B&PID_2303#5&2b5ff7b&0&2#{86e0d1e0-8089-11d0-9ce4-08003e301f73}":
// a device interface is named after its device's instance id, with '#' for
// '\', between a prefix and the interface's class. Empty when it is not.
std::string instanceIdOfInterface(std::string name)
{
    const std::string::size_type classStart = name.rfind("#{");
    if (name.rfind("\\\\?\\", 0) != 0 || classStart == std::string::npos)
        return {};
    name = name.substr(4, classStart - 4);
    std::replace(name.begin(), name.end(), '#', '\\');
    return upper(name);
}

// Windows gives no token that changes when a device is plugged in again, so
// each port counts its arrivals from the system's notices, once per arrival
// however many notices tell of it: a port absent at the look before, or one
// that notices say was removed and has arrived again since (an unplug and a
// re-plug, after an update kept the program busy). The system tells of the
// two one after the other, so a look may fall between them while the device
// is listed again already: its removal then waits for the arrival.
class ComPortArrivals
{
public:
    void noticed(bool arrival, const std::string &port, const std::string &instanceId)
    {
        Names &names = arrival ? m_arrived : m_removed;
        if (ComPortNumber(port) != 0)
            names.ports.insert(upper(port));
        if (!instanceId.empty())
            names.instances.insert(instanceId);
    }

    // What there was when the program began to watch: nothing is counted.
    void begin(std::vector<SerialDevice> now) { m_lastLook = std::move(now); }

    // The devices now, unstamped.
    void look(std::vector<SerialDevice> now)
    {
        Names awaited;
        for (const SerialDevice &device : now) {
            const auto before = std::find_if(m_lastLook.begin(), m_lastLook.end(),
                                             [&](const SerialDevice &d) { return d.path == device.path; });
            if (before == m_lastLook.end() || (m_removed.name(*before) && m_arrived.name(device)))
                ++m_counts[device.path];
            else if (m_removed.name(*before))
                awaited.add(*before);
        }
        m_lastLook = std::move(now);
        m_arrived = {};
        m_removed = std::move(awaited);
    }

    void stamp(std::vector<SerialDevice> &devices) const
    {
        for (SerialDevice &device : devices) {
            const auto count = m_counts.find(device.path);
            device.node += "#" + std::to_string(count == m_counts.end() ? 0 : count->second);
        }
    }

private:
    struct Names
    {
        std::set<std::string> ports;     // "COM5"
        std::set<std::string> instances; // upper case
        bool name(const SerialDevice &device) const
        {
            return ports.count(upper(device.path)) || (!device.node.empty() && instances.count(upper(device.node)));
        }
        void add(const SerialDevice &device)
        {
            ports.insert(upper(device.path));
            if (!device.node.empty())
                instances.insert(upper(device.node));
        }
    };

    std::vector<SerialDevice> m_lastLook;
    Names m_arrived;
    Names m_removed;
    std::map<std::string, unsigned> m_counts;
};

bool sameDevices(const std::vector<SerialDevice> &a, const std::vector<SerialDevice> &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const SerialDevice &x, const SerialDevice &y) {
        return x.path == y.path && x.node == y.node;
    });
}

class WindowsSerialPlatform;

class HandleWatch final : public RemovalWatch
{
public:
    explicit HandleWatch(WindowsSerialPlatform &platform) : m_platform(platform) {}
    void watch(HANDLE handle, const std::string &path) override;
    void closing(HANDLE handle) override;

private:
    WindowsSerialPlatform &m_platform;
};

class WindowsSerialPlatform final : public SerialPlatform
{
public:
    explicit WindowsSerialPlatform(Win32DeviceApi &api) : m_api(api) {}
    explicit WindowsSerialPlatform(std::unique_ptr<Win32DeviceApi> api) : m_ownedApi(std::move(api)), m_api(*m_ownedApi)
    {}

    ~WindowsSerialPlatform() override
    {
        for (const WatchedHandle &watched : m_handles)
            ::UnregisterDeviceNotification(watched.notification);
        if (m_interfaceNotices)
            ::UnregisterDeviceNotification(m_interfaceNotices);
        if (m_window)
            ::DestroyWindow(m_window);
    }

    std::string devicePathForPort(int portNumber) const override
    {
        return portNumber >= 1 && portNumber <= kLastComPort ? "COM" + std::to_string(portNumber) : std::string();
    }

    int portNumberForPath(const std::string &path) const override { return ComPortNumber(path); }

    int lastPortNumber() const override { return kLastComPort; }

    std::string portNumbering() const override
    {
        //: COMn is the system's name of port n: keep it as it is. Device Manager and Ports as Windows names them
        return QCoreApplication::translate("WindowsSerialPlatform",
                                           "Port n is COMn (1 to 255); USB adapters get their COM number from "
                                           "Windows (Device Manager, Ports).")
            .toStdString();
    }

    std::vector<SerialDevice> devices() const override
    {
        std::vector<SerialDevice> found = ListComPorts(m_api);
        m_arrivals.stamp(found);
        return found;
    }

    std::optional<SerialDevice> deviceAt(const std::string &path) const override
    {
        const int number = ComPortNumber(path);
        for (SerialDevice &device : devices()) {
            if (number != 0 && device.portNumber == number)
                return std::move(device);
        }
        return std::nullopt;
    }

    // Windows keeps no console on a serial line that a program could write
    // over: a port the kernel debugger or Emergency Management Services use is
    // the system's, and does not open.
    bool isSystemConsole(const std::string &) const override { return false; }

    // The system tells a top-level window of every port that comes or goes
    // (a broadcast, which a message-only window would not receive), and of
    // the COM-port interface where a driver offers one without being a port.
    // Nothing wakes the program until a device comes or goes.
    void watchDevices() override
    {
        if (m_watching || !haveWindow())
            return;
        DEV_BROADCAST_DEVICEINTERFACE_W filter = {};
        filter.dbcc_size = sizeof filter;
        filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        filter.dbcc_classguid = GUID_DEVINTERFACE_COMPORT;
        m_interfaceNotices = ::RegisterDeviceNotificationW(m_window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
        m_watching = true;
        m_arrivals.begin(ListComPorts(m_api));
        m_announced = devices();
    }

    RemovalWatch *removalWatch() const { return m_handleWatch.get(); }

    void watchHandle(HANDLE handle, const std::string &path)
    {
        closingHandle(handle); // a handle closed without our hearing of it, now reused
        if (!haveWindow())
            return;
        DEV_BROADCAST_HANDLE filter = {};
        filter.dbch_size = sizeof filter;
        filter.dbch_devicetype = DBT_DEVTYP_HANDLE;
        filter.dbch_handle = handle;
        const HDEVNOTIFY notification = ::RegisterDeviceNotificationW(m_window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
        if (notification)
            m_handles.push_back({handle, notification, path, false});
    }

    void closingHandle(HANDLE handle)
    {
        // Asked to remove the device, Windows goes on to tell whether it did;
        // the registration stays until then.
        const auto watched = findHandle(handle);
        if (watched != m_handles.end() && !watched->removalAsked)
            forget(watched);
    }

private:
    static constexpr int kLastComPort = 255;

    struct WatchedHandle
    {
        HANDLE handle;
        HDEVNOTIFY notification;
        std::string path;
        bool removalAsked;
    };

    bool haveWindow()
    {
        if (m_window)
            return true;
        const HINSTANCE instance = ::GetModuleHandleW(nullptr);
        WNDCLASSEXW windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &WindowsSerialPlatform::noticeProcedure;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = kDeviceNoticeWindowClass;
        ::RegisterClassExW(&windowClass); // fails harmlessly once registered
        // Top-level and never shown: no owner, no parent, not a message-only window.
        m_window = ::CreateWindowExW(WS_EX_TOOLWINDOW, kDeviceNoticeWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                     nullptr, instance, nullptr);
        if (m_window)
            ::SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        return m_window != nullptr;
    }

    static LRESULT CALLBACK noticeProcedure(HWND window, UINT message, WPARAM event, LPARAM data)
    {
        auto *self = reinterpret_cast<WindowsSerialPlatform *>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message != WM_DEVICECHANGE || !self || !data)
            return ::DefWindowProcW(window, message, event, data);
        self->deviceChanged(event, *reinterpret_cast<const DEV_BROADCAST_HDR *>(data));
        // To DBT_DEVICEQUERYREMOVE: yes, remove it. The port is closed by
        // now, unless a write on a stalled line still holds it: then the
        // system finds it open, the removal fails (DBT_DEVICEQUERYREMOVEFAILED)
        // and the port closes once the write gives up.
        return TRUE;
    }

    void deviceChanged(WPARAM event, const DEV_BROADCAST_HDR &header)
    {
        const bool arrival = event == DBT_DEVICEARRIVAL;
        switch (header.dbch_devicetype) {
        case DBT_DEVTYP_PORT:
            if (arrival || event == DBT_DEVICEREMOVECOMPLETE) {
                m_arrivals.noticed(arrival, Utf8(reinterpret_cast<const DEV_BROADCAST_PORT_W &>(header).dbcp_name), {});
                lookSoon();
            }
            break;
        case DBT_DEVTYP_DEVICEINTERFACE:
            if (arrival || event == DBT_DEVICEREMOVECOMPLETE) {
                const auto &notice = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W &>(header);
                m_arrivals.noticed(arrival, {}, instanceIdOfInterface(Utf8(notice.dbcc_name)));
                lookSoon();
            }
            break;
        case DBT_DEVTYP_HANDLE:
            handleChanged(event, reinterpret_cast<const DEV_BROADCAST_HANDLE &>(header).dbch_handle);
            break;
        }
    }

    void handleChanged(WPARAM event, HANDLE handle)
    {
        auto watched = findHandle(handle);
        if (watched == m_handles.end())
            return;
        switch (event) {
        case DBT_DEVICEQUERYREMOVE: {
            // Whoever holds the port closes it before this returns (a send
            // on it has half a second to end first).
            watched->removalAsked = true;
            const std::string path = watched->path;
            emit removalRequested(path);
            break;
        }
        case DBT_DEVICEQUERYREMOVEFAILED:
            // Still there after all: whoever waits for it finds it present.
            forget(watched);
            emit devicesChanged();
            break;
        case DBT_DEVICEREMOVEPENDING:
        case DBT_DEVICEREMOVECOMPLETE: forget(watched); break;
        }
    }

    std::vector<WatchedHandle>::iterator findHandle(HANDLE handle)
    {
        return std::find_if(m_handles.begin(), m_handles.end(),
                            [&](const WatchedHandle &watched) { return watched.handle == handle; });
    }

    void forget(std::vector<WatchedHandle>::iterator watched)
    {
        ::UnregisterDeviceNotification(watched->notification);
        m_handles.erase(watched);
    }

    // A notice is answered at once and looked into from the event loop: a
    // window procedure may run inside any call that lets sent messages in,
    // and one device brings several notices.
    void lookSoon()
    {
        if (!m_watching || std::exchange(m_lookPending, true))
            return;
        QMetaObject::invokeMethod(this, &WindowsSerialPlatform::look, Qt::QueuedConnection);
    }

    void look()
    {
        m_lookPending = false;
        m_arrivals.look(ListComPorts(m_api));
        std::vector<SerialDevice> now = devices();
        if (sameDevices(now, m_announced))
            return;
        m_announced = std::move(now);
        emit devicesChanged();
    }

    std::unique_ptr<Win32DeviceApi> m_ownedApi;
    Win32DeviceApi &m_api;
    ComPortArrivals m_arrivals;
    std::vector<SerialDevice> m_announced;
    HWND m_window = nullptr;
    HDEVNOTIFY m_interfaceNotices = nullptr;
    bool m_watching = false;
    bool m_lookPending = false;
    std::vector<WatchedHandle> m_handles;
    std::unique_ptr<HandleWatch> m_handleWatch = std::make_unique<HandleWatch>(*this);
};

void HandleWatch::watch(HANDLE handle, const std::string &path)
{
    m_platform.watchHandle(handle, path);
}

void HandleWatch::closing(HANDLE handle)
{
    m_platform.closingHandle(handle);
}
} // namespace

std::vector<SerialDevice> ListComPorts(Win32DeviceApi &api)
{
    return ComPortDevices(registryPorts(api), describedPorts(api));
}

std::unique_ptr<SerialPlatform> MakeWindowsSerialPlatform(Win32DeviceApi &api)
{
    return std::make_unique<WindowsSerialPlatform>(api);
}

std::unique_ptr<SerialPlatform> MakeSystemSerialPlatform()
{
    return std::make_unique<WindowsSerialPlatform>(std::make_unique<SystemWin32DeviceApi>());
}

RemovalWatch *RemovalWatchOf(const SerialPlatform &platform)
{
    const auto *windows = dynamic_cast<const WindowsSerialPlatform *>(&platform);
    return windows ? windows->removalWatch() : nullptr;
}
