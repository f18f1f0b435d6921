#include "serial/linux/LinuxSerialPlatform.h"

#include <QCoreApplication>

#include <climits>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {
struct DeviceRange
{
    int firstPort;
    const char *name;
};

constexpr int kPortsPerRange = 32;
constexpr DeviceRange kRanges[] = {
    {1, "ttyS"},    // on-board and PCI serial ports
    {33, "ttyUSB"}, // USB serial adapters: the common case today
    {65, "ttyACM"}, // USB modem-class devices
};
constexpr int kLastPort = std::end(kRanges)[-1].firstPort + kPortsPerRange - 1;

std::uint64_t deviceNumber(dev_t device)
{
    return std::uint64_t(major(device)) << 32 | minor(device);
}

std::string readAttribute(const std::string &path)
{
    std::ifstream file(path);
    std::string value;
    std::getline(file, value);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\r'))
        value.pop_back();
    return value;
}

std::string canonical(const std::string &path)
{
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : std::string();
}

std::optional<struct stat> characterDevice(const std::string &path)
{
    struct stat node = {};
    if (::stat(path.c_str(), &node) != 0 || !S_ISCHR(node.st_mode))
        return std::nullopt;
    return node;
}

// The USB device a tty hangs off: the nearest folder above the tty's device
// that carries vendor and product ids.
void describeFromUsb(const std::string &sysRoot, const std::string &ttyFolder, SerialDevice &device)
{
    const std::string root = canonical(sysRoot);
    std::string folder = canonical(ttyFolder + "/device");
    while (!root.empty() && folder.size() > root.size() && folder.rfind(root, 0) == 0) {
        const std::string vendor = readAttribute(folder + "/idVendor");
        const std::string product = readAttribute(folder + "/idProduct");
        if (!vendor.empty() && !product.empty()) {
            UsbIdentity usb;
            usb.vendorId = static_cast<std::uint16_t>(std::strtoul(vendor.c_str(), nullptr, 16));
            usb.productId = static_cast<std::uint16_t>(std::strtoul(product.c_str(), nullptr, 16));
            usb.serialNumber = readAttribute(folder + "/serial");
            // The USB device's folder is named for its place on the bus:
            // bus 1, hub port 1, port 2 is "1-1.2", the same every time
            // something is plugged into that socket.
            usb.socket = folder.substr(folder.rfind('/') + 1);
            device.usb = usb;
            device.manufacturer = readAttribute(folder + "/manufacturer");
            device.product = readAttribute(folder + "/product");
            return;
        }
        folder.erase(folder.rfind('/'));
    }
}
// Who may open a device this user may not: the members of its group where
// the group may read and write it (and is not root's), else its owner alone.
void describeAccess(const struct stat &node, SerialDevice &device)
{
    const bool groupMayUse = (node.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP);
    if (groupMayUse && node.st_gid != 0) {
        if (const struct group *group = ::getgrgid(node.st_gid))
            device.grantingGroup = group->gr_name;
        else
            device.grantingGroup = std::to_string(node.st_gid);
        return;
    }
    if (const struct passwd *owner = ::getpwuid(node.st_uid))
        device.owner = owner->pw_name;
    else
        device.owner = "user " + std::to_string(node.st_uid);
}
} // namespace

std::vector<std::uint64_t> ParseConsoleDevices(std::string_view procConsoles)
{
    // Each line: name, flags, then "major:minor" as the last field.
    std::vector<std::uint64_t> devices;
    std::istringstream lines{std::string(procConsoles)};
    for (std::string line; std::getline(lines, line);) {
        const auto colon = line.rfind(':');
        const auto fieldStart = line.find_last_of(" \t", colon);
        if (colon == std::string::npos || fieldStart == std::string::npos)
            continue;
        char *end = nullptr;
        const std::string majorText = line.substr(fieldStart + 1, colon - fieldStart - 1);
        const unsigned long majorNumber = std::strtoul(majorText.c_str(), &end, 10);
        if (majorText.empty() || *end != '\0')
            continue;
        const std::string minorText = line.substr(colon + 1);
        const unsigned long minorNumber = std::strtoul(minorText.c_str(), &end, 10);
        if (minorText.empty() || *end != '\0')
            continue;
        devices.push_back(std::uint64_t(majorNumber) << 32 | minorNumber);
    }
    return devices;
}

LinuxSerialPlatform::LinuxSerialPlatform(Folders folders) : m_folders(std::move(folders))
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(300);
    connect(&m_settle, &QTimer::timeout, this, &SerialPlatform::devicesChanged);
}

std::string LinuxSerialPlatform::devicePathForPort(int portNumber) const
{
    for (const DeviceRange &range : kRanges) {
        const int index = portNumber - range.firstPort;
        if (index >= 0 && index < kPortsPerRange)
            return m_folders.dev + "/" + range.name + std::to_string(index);
    }
    return {};
}

int LinuxSerialPlatform::portNumberForPath(const std::string &path) const
{
    for (int port = 1; port <= kLastPort; ++port)
        if (devicePathForPort(port) == path)
            return port;
    return 0;
}

int LinuxSerialPlatform::lastPortNumber() const
{
    return kLastPort;
}

std::string LinuxSerialPlatform::portNumbering() const
{
    // Two sentences, one after the other; the device names stay as they are.
    //: The device names and ranges are the system's own: keep them as they are
    const QString numbers = QCoreApplication::translate(
        "LinuxSerialPlatform",
        "Port numbers: 1-32 are /dev/ttyS0-31, 33-64 /dev/ttyUSB0-31 (USB adapters), 65-96 /dev/ttyACM0-31.");
    //: dialout is the name of the system's user group: keep it as it is
    const QString group = QCoreApplication::translate("LinuxSerialPlatform",
                                                      "To use serial ports your user must be in the dialout group.");
    return (numbers + QLatin1Char(' ') + group).toStdString();
}

std::vector<SerialDevice> LinuxSerialPlatform::devices() const
{
    const std::vector<std::uint64_t> consoles = consoleDevices();
    std::vector<SerialDevice> found;
    for (int port = 1; port <= kLastPort; ++port)
        if (auto device = describe(port, devicePathForPort(port), consoles))
            found.push_back(std::move(*device));
    return found;
}

std::optional<SerialDevice> LinuxSerialPlatform::deviceAt(const std::string &path) const
{
    const int port = portNumberForPath(path);
    if (port == 0)
        return std::nullopt;
    return describe(port, path, consoleDevices());
}

std::optional<SerialDevice> LinuxSerialPlatform::describe(int portNumber, const std::string &path,
                                                          const std::vector<std::uint64_t> &consoles) const
{
    const auto node = characterDevice(path);
    if (!node)
        return std::nullopt;
    const std::uint64_t number = deviceNumber(node->st_rdev);
    for (std::uint64_t console : consoles)
        if (console == number)
            return std::nullopt;

    SerialDevice device;
    device.portNumber = portNumber;
    device.path = path;
    device.node =
        std::to_string(node->st_dev) + ":" + std::to_string(node->st_ino) + ":" + std::to_string(node->st_rdev);
    // Only what the kernel says of this very node describes it: a node with
    // another device number at this path (a stand-in, a link) is listed by
    // its path alone.
    const std::string ttyFolder = m_folders.sys + "/class/tty/" + DeviceName(device);
    const bool described = readAttribute(ttyFolder + "/dev") ==
                           std::to_string(major(node->st_rdev)) + ":" + std::to_string(minor(node->st_rdev));
    if (described) {
        // The kernel makes a node for every on-board port it might have; a
        // UART type of 0 means no chip answers there.
        if (readAttribute(ttyFolder + "/type") == "0")
            return std::nullopt;
        describeFromUsb(m_folders.sys, ttyFolder, device);
    }
    device.mayOpen = ::access(path.c_str(), W_OK) == 0;
    if (!device.mayOpen)
        describeAccess(*node, device);
    return device;
}

bool LinuxSerialPlatform::isSystemConsole(const std::string &path) const
{
    const auto node = characterDevice(path);
    if (!node)
        return false;
    for (std::uint64_t console : consoleDevices())
        if (console == deviceNumber(node->st_rdev))
            return true;
    return false;
}

std::vector<std::uint64_t> LinuxSerialPlatform::consoleDevices() const
{
    std::ifstream file(m_folders.consoles);
    std::stringstream text;
    text << file.rdbuf();
    return ParseConsoleDevices(text.str());
}

void LinuxSerialPlatform::watchDevices()
{
    if (m_watcher)
        return;
    // inotify: the kernel tells of every node made or removed, and nothing
    // wakes the program while none is.
    m_watcher = new QFileSystemWatcher(this);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle, qOverload<>(&QTimer::start));
    m_watcher->addPath(QString::fromStdString(m_folders.dev));
}

std::unique_ptr<SerialPlatform> MakeSystemSerialPlatform()
{
    return std::make_unique<LinuxSerialPlatform>(LinuxSerialPlatform::Folders{"/dev", "/sys", "/proc/consoles"});
}
