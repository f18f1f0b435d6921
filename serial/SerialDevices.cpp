#include "serial/SerialDevices.h"

#include <cstdio>
#include <sstream>

bool SameDevice(const SerialDevice &a, const SerialDevice &b)
{
    if (a.usb.has_value() != b.usb.has_value())
        return false;
    if (a.usb && !a.usb->serialNumber.empty())
        return a.usb == b.usb;
    return a.usb == b.usb && a.path == b.path;
}

std::string DeviceName(const SerialDevice &device)
{
    return device.path.substr(device.path.find_last_of("/\\") + 1);
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
