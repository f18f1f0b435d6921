#include "serial/SerialDevices.h"

#include "serial/PortTable.h"
#include "serial/SystemConsole.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#ifdef __linux__
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

namespace {
#ifdef __linux__
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

// The USB device a tty hangs off: the nearest folder above the tty's device
// that carries vendor and product ids.
void describeFromUsb(const std::string &ttyFolder, SerialDevice &device)
{
    std::string folder = canonical(ttyFolder + "/device");
    while (folder.size() > std::string("/sys/devices").size()) {
        const std::string vendor = readAttribute(folder + "/idVendor");
        const std::string product = readAttribute(folder + "/idProduct");
        if (!vendor.empty() && !product.empty()) {
            UsbIdentity usb;
            usb.vendorId = static_cast<std::uint16_t>(std::strtoul(vendor.c_str(), nullptr, 16));
            usb.productId = static_cast<std::uint16_t>(std::strtoul(product.c_str(), nullptr, 16));
            usb.serialNumber = readAttribute(folder + "/serial");
            device.usb = usb;
            device.manufacturer = readAttribute(folder + "/manufacturer");
            device.product = readAttribute(folder + "/product");
            return;
        }
        folder.erase(folder.rfind('/'));
    }
}
#endif
} // namespace

std::vector<SerialDevice> SystemDeviceSource::devices() const
{
    std::vector<SerialDevice> found;
#ifdef __linux__
    const std::vector<std::uint64_t> consoles = SystemConsoleDevices();
    for (int port = 1; port <= LastPortNumber(); ++port) {
        SerialDevice device;
        device.portNumber = port;
        device.path = DevicePathForPort(port);
        struct stat node = {};
        if (::stat(device.path.c_str(), &node) != 0 || !S_ISCHR(node.st_mode))
            continue;
        if (IsConsoleDevice(device.path, consoles))
            continue;

        // Only what the kernel says of this very node describes it: a node
        // with another device number at this path (a stand-in, a link) is
        // listed by its path alone.
        const std::string ttyFolder = "/sys/class/tty/" + DeviceName(device);
        const std::string number = readAttribute(ttyFolder + "/dev");
        const bool described =
            number == std::to_string(major(node.st_rdev)) + ":" + std::to_string(minor(node.st_rdev));
        if (described) {
            // The kernel makes a node for every on-board port it might have;
            // a UART type of 0 means no chip answers there.
            if (readAttribute(ttyFolder + "/type") == "0")
                continue;
            describeFromUsb(ttyFolder, device);
        }
        device.mayOpen = ::access(device.path.c_str(), W_OK) == 0;
        found.push_back(device);
    }
#endif
    return found;
}

std::optional<DeviceNode> DeviceNodeAt(const std::string &path)
{
#ifdef __linux__
    struct stat node = {};
    if (::stat(path.c_str(), &node) != 0 || !S_ISCHR(node.st_mode))
        return std::nullopt;
    return DeviceNode{node.st_dev, node.st_ino, node.st_rdev};
#else
    (void)path;
    return std::nullopt;
#endif
}

std::string DeviceName(const SerialDevice &device)
{
    return device.path.substr(device.path.rfind('/') + 1);
}

std::string DeviceDescription(const SerialDevice &device)
{
    if (device.product.empty() || device.manufacturer.empty() ||
        device.product.rfind(device.manufacturer, 0) == 0) // "FTDI" and "FTDI USB Serial": say it once
        return device.product.empty() ? device.manufacturer : device.product;
    return device.manufacturer + " " + device.product;
}

std::string DeviceEntryText(const SerialDevice &device)
{
    const std::string description = DeviceDescription(device);
    if (description.empty())
        return std::to_string(device.portNumber) + ": " + device.path;
    return std::to_string(device.portNumber) + ": " + description + " (" + device.path + ")";
}

std::string UsbIdentityText(const UsbIdentity &usb)
{
    char ids[16];
    std::snprintf(ids, sizeof ids, "%04x:%04x", usb.vendorId, usb.productId);
    return usb.serialNumber.empty() ? std::string(ids) : std::string(ids) + " serial " + usb.serialNumber;
}

std::string DeviceListLine(const SerialDevice &device)
{
    const std::string description = DeviceDescription(device);
    std::ostringstream line;
    line << device.portNumber << '\t' << device.path << '\t' << (description.empty() ? "-" : description) << '\t'
         << (device.usb ? "USB " + UsbIdentityText(*device.usb) : "-") << '\t'
         << (device.mayOpen ? "may open" : "no permission - join the dialout group");
    return line.str();
}
