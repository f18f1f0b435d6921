#include "serial/SerialDevices.h"

#include <cstdio>
#include <sstream>

namespace {
std::string plainDescription(const SerialDevice &device)
{
    if (device.product.empty() || device.manufacturer.empty() ||
        device.product.rfind(device.manufacturer, 0) == 0) // "FTDI" and "FTDI USB Serial": say it once
        return device.product.empty() ? device.manufacturer : device.product;
    return device.manufacturer + " " + device.product;
}
} // namespace

bool SameDevice(const SerialDevice &a, const SerialDevice &b)
{
    if (a.usb.has_value() != b.usb.has_value())
        return false;
    if (!a.usb)
        return a.path == b.path;
    if (!a.usb->sameKind(*b.usb) || a.usb->serialNumber != b.usb->serialNumber)
        return false;
    if (!a.usb->serialNumber.empty())
        return true;
    // Two of a kind without serial numbers differ only by their sockets; an
    // unknown socket tells nothing, so it never counts as the same.
    return !a.usb->socket.empty() && a.usb->socket == b.usb->socket;
}

void MarkLookAlikes(std::vector<SerialDevice> &devices)
{
    for (SerialDevice &device : devices) {
        device.looksAlike = false;
        const std::string description = plainDescription(device);
        for (const SerialDevice &other : devices)
            if (&other != &device && !description.empty() && plainDescription(other) == description)
                device.looksAlike = true;
    }
}

std::string DeviceName(const SerialDevice &device)
{
    return device.path.substr(device.path.find_last_of("/\\") + 1);
}

std::string DeviceDescription(const SerialDevice &device)
{
    std::string description = plainDescription(device);
    if (!device.looksAlike || !device.usb)
        return description;
    if (!device.usb->serialNumber.empty())
        return description + ", serial " + device.usb->serialNumber;
    if (!device.usb->socket.empty())
        return description + " in socket " + device.usb->socket;
    return description;
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
    std::string text = ids;
    if (!usb.serialNumber.empty())
        text += " serial " + usb.serialNumber;
    if (!usb.socket.empty())
        text += " socket " + usb.socket;
    return text;
}

std::string AccessAdvice(const SerialDevice &device)
{
    if (!device.grantingGroup.empty())
        return "join the " + device.grantingGroup + " group";
    if (!device.owner.empty())
        return "owned by " + device.owner + " - an administrator must allow you to use it";
    return "an administrator must allow you to use it";
}

std::string DeviceListLine(const SerialDevice &device)
{
    const std::string description = DeviceDescription(device);
    std::ostringstream line;
    line << device.portNumber << '\t' << device.path << '\t' << (description.empty() ? "-" : description) << '\t'
         << (device.usb ? "USB " + UsbIdentityText(*device.usb) : "-") << '\t'
         << (device.mayOpen ? "may open" : "no permission - " + AccessAdvice(device));
    return line.str();
}
