#include "serial/windows/WindowsSerialPlatform.h"
#include "serial/SerialPlatform.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
// Defines the GUIDs that the headers after it name (the Ports class, the
// COM-port interface) instead of only declaring them.
#include <initguid.h>
#include <windows.h>

#include <cfgmgr32.h>
#include <dbt.h>
#include <devguid.h>
#include <setupapi.h>

#include <QMetaObject>

#include <algorithm>
#include <cctype>
#include <cstdint>

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
    UsbIdentity usb{*vendor, *product, {}};
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
    UsbIdentity usb{*vendor, *product, {}};
    if (fields.size() > 2 && fields[2].size() > 1)
        usb.serialNumber = serialOrNothing(fields[2].substr(0, fields[2].size() - 1));
    return usb;
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

void ComPortArrivals::stamp(std::vector<SerialDevice> &devices)
{
    std::map<std::string, std::string> present;
    for (SerialDevice &device : devices) {
        const auto before = m_present.find(device.path);
        if (before == m_present.end() || before->second != device.node)
            ++m_arrivals[device.path];
        present[device.path] = device.node;
        device.node += "#" + std::to_string(m_arrivals[device.path]);
    }
    m_present = std::move(present);
}

namespace {
std::string utf8(const wchar_t *text, int length = -1)
{
    if (length == 0)
        return {};
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string converted(static_cast<std::size_t>(std::max(size, 0)), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, length, converted.data(), size, nullptr, nullptr);
    if (length < 0 && !converted.empty())
        converted.pop_back(); // the terminating NUL, counted when the length is not given
    return converted;
}

// Registry strings need not end in NUL; a stored NUL ends them early.
std::string registryText(const wchar_t *data, DWORD bytes)
{
    const std::wstring text(data, bytes / sizeof(wchar_t));
    return utf8(text.c_str());
}

// Every COM port the system has, including those with no device behind them
// in the set-up API (a port driver's own, or every port under Wine).
std::vector<std::string> registryPorts()
{
    std::vector<std::string> ports;
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS)
        return ports;
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];
        DWORD nameLength = ARRAYSIZE(name);
        wchar_t data[32];
        DWORD dataBytes = sizeof data;
        DWORD type = 0;
        const LONG status =
            ::RegEnumValueW(key, index, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE *>(data), &dataBytes);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        if (status == ERROR_SUCCESS && type == REG_SZ)
            ports.push_back(registryText(data, dataBytes));
    }
    ::RegCloseKey(key);
    return ports;
}

std::string deviceProperty(HDEVINFO set, SP_DEVINFO_DATA &info, DWORD property)
{
    wchar_t text[512];
    DWORD type = 0;
    DWORD bytes = 0;
    if (!::SetupDiGetDeviceRegistryPropertyW(set, &info, property, &type, reinterpret_cast<BYTE *>(text),
                                             sizeof text - sizeof(wchar_t), &bytes) ||
        type != REG_SZ)
        return {};
    return registryText(text, bytes);
}

std::string portName(HDEVINFO set, SP_DEVINFO_DATA &info)
{
    const HKEY key = ::SetupDiOpenDevRegKey(set, &info, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_QUERY_VALUE);
    if (key == INVALID_HANDLE_VALUE)
        return {};
    wchar_t name[32];
    DWORD bytes = sizeof name;
    DWORD type = 0;
    const LONG status = ::RegQueryValueExW(key, L"PortName", nullptr, &type, reinterpret_cast<BYTE *>(name), &bytes);
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS && type == REG_SZ ? registryText(name, bytes) : std::string();
}

std::string instanceId(DEVINST device)
{
    wchar_t id[MAX_DEVICE_ID_LEN + 1];
    return ::CM_Get_Device_IDW(device, id, MAX_DEVICE_ID_LEN, 0) == CR_SUCCESS ? utf8(id) : std::string();
}

// The ports of the Ports class (serial.sys, most USB adapters) and any other
// device that offers the COM-port interface (modems, some adapters).
std::vector<ComPortDescription> describedPorts()
{
    std::vector<ComPortDescription> ports;
    const std::pair<const GUID *, DWORD> sets[] = {
        {&GUID_DEVCLASS_PORTS, DIGCF_PRESENT},
        {&GUID_DEVINTERFACE_COMPORT, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE},
    };
    for (const auto &[guid, flags] : sets) {
        const HDEVINFO set = ::SetupDiGetClassDevsW(guid, nullptr, nullptr, flags);
        if (set == INVALID_HANDLE_VALUE)
            continue;
        SP_DEVINFO_DATA info = {};
        info.cbSize = sizeof info;
        for (DWORD index = 0; ::SetupDiEnumDeviceInfo(set, index, &info); ++index) {
            ComPortDescription port;
            port.portName = portName(set, info);
            if (ComPortNumber(port.portName) == 0)
                continue; // a printer port of the same class, or a port not set up yet
            port.friendlyName = deviceProperty(set, info, SPDRP_FRIENDLYNAME);
            if (port.friendlyName.empty())
                port.friendlyName = deviceProperty(set, info, SPDRP_DEVICEDESC);
            port.manufacturer = deviceProperty(set, info, SPDRP_MFG);
            port.instanceId = instanceId(info.DevInst);
            DEVINST parent = 0;
            if (::CM_Get_Parent(&parent, info.DevInst, 0) == CR_SUCCESS)
                port.parentInstanceId = instanceId(parent);
            ports.push_back(port);
        }
        ::SetupDiDestroyDeviceInfoList(set);
    }
    return ports;
}

constexpr wchar_t kNoticeWindowClass[] = L"ScoreboardDeviceNotices";

bool sameDevices(const std::vector<SerialDevice> &a, const std::vector<SerialDevice> &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const SerialDevice &x, const SerialDevice &y) {
        return x.path == y.path && x.node == y.node;
    });
}

class WindowsSerialPlatform final : public SerialPlatform
{
public:
    ~WindowsSerialPlatform() override
    {
        if (m_notification)
            ::UnregisterDeviceNotification(m_notification);
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
        return "Port n is COMn (1 to 255); USB adapters get their COM number from Windows (Device Manager, "
               "Ports).";
    }

    std::vector<SerialDevice> devices() const override
    {
        std::vector<SerialDevice> found = ComPortDevices(registryPorts(), describedPorts());
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

    // The system posts device changes to a window; one that only receives
    // messages is enough, and Qt's event loop runs its window procedure.
    // Nothing wakes the program until a device comes or goes.
    void watchDevices() override
    {
        if (m_window)
            return;
        const HINSTANCE instance = ::GetModuleHandleW(nullptr);
        WNDCLASSEXW windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &WindowsSerialPlatform::noticeProcedure;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = kNoticeWindowClass;
        ::RegisterClassExW(&windowClass); // fails harmlessly once registered
        m_window =
            ::CreateWindowExW(0, kNoticeWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
        if (!m_window)
            return;
        ::SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        DEV_BROADCAST_DEVICEINTERFACE_W filter = {};
        filter.dbcc_size = sizeof filter;
        filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        filter.dbcc_classguid = GUID_DEVINTERFACE_COMPORT;
        m_notification = ::RegisterDeviceNotificationW(m_window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
        m_announced = devices();
    }

private:
    static LRESULT CALLBACK noticeProcedure(HWND window, UINT message, WPARAM event, LPARAM data)
    {
        if (message == WM_DEVICECHANGE && (event == DBT_DEVICEARRIVAL || event == DBT_DEVICEREMOVECOMPLETE)) {
            if (auto *self = reinterpret_cast<WindowsSerialPlatform *>(::GetWindowLongPtrW(window, GWLP_USERDATA)))
                self->lookSoon();
            return TRUE;
        }
        return ::DefWindowProcW(window, message, event, data);
    }

    // The notice is answered at once and looked into from the event loop:
    // a window procedure may run inside any call that lets sent messages in,
    // and one device brings several notices.
    void lookSoon()
    {
        if (m_lookPending)
            return;
        m_lookPending = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_lookPending = false;
                std::vector<SerialDevice> now = devices();
                if (sameDevices(now, m_announced))
                    return;
                m_announced = std::move(now);
                emit devicesChanged();
            },
            Qt::QueuedConnection);
    }

    mutable ComPortArrivals m_arrivals;
    HWND m_window = nullptr;
    HDEVNOTIFY m_notification = nullptr;
    bool m_lookPending = false;
    std::vector<SerialDevice> m_announced;
};
} // namespace

std::unique_ptr<SerialPlatform> MakeSystemSerialPlatform()
{
    return std::make_unique<WindowsSerialPlatform>();
}
