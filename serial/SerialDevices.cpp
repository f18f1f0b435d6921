#include "serial/SerialDevices.h"

#include <QCoreApplication>

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

namespace {
// What the device is, and for a look-alike what tells it apart: in the
// program's language, or in English for the list scripts read.
std::string described(const SerialDevice &device, bool inTheProgramsLanguage)
{
    std::string description = plainDescription(device);
    if (!device.looksAlike || !device.usb)
        return description;
    const auto apart = [&](const char *source, const std::string &detail) {
        const QString pattern =
            inTheProgramsLanguage ? QCoreApplication::translate("SerialDevices", source) : QString::fromUtf8(source);
        return pattern.arg(QString::fromStdString(description), QString::fromStdString(detail)).toStdString();
    };
    if (!device.usb->serialNumber.empty())
        //: %1 is what the device is, such as "FTDI FT232R USB UART"; %2 its serial number
        return apart(QT_TRANSLATE_NOOP("SerialDevices", "%1, serial %2"), device.usb->serialNumber);
    if (!device.usb->socket.empty())
        //: %1 is what the device is; %2 the USB socket it is plugged into, such as 1-1.2
        return apart(QT_TRANSLATE_NOOP("SerialDevices", "%1 in socket %2"), device.usb->socket);
    return description;
}
} // namespace

std::string DeviceDescription(const SerialDevice &device)
{
    return described(device, true);
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

std::string AccessAdvice(const SerialDevice &device, const std::string &named)
{
    QString advice;
    if (!device.grantingGroup.empty())
        //: %1 is a user group of the system, such as dialout
        advice = QCoreApplication::translate("SerialDevices", "Join the %1 group, then log in again.")
                     .arg(QString::fromStdString(device.grantingGroup));
    else if (!device.owner.empty())
        //: %1 is the device, such as "33 FTDI FT232R USB UART (ttyUSB0)"; %2 the user who owns it
        advice = QCoreApplication::translate("SerialDevices", "%1 is owned by %2 - an administrator must allow you to "
                                                              "use it.")
                     .arg(QString::fromStdString(named), QString::fromStdString(device.owner));
    else
        //: %1 is the device, such as "33 FTDI FT232R USB UART (ttyUSB0)"
        advice = QCoreApplication::translate("SerialDevices", "%1: an administrator must allow you to use it.")
                     .arg(QString::fromStdString(named));
    return advice.toStdString();
}

std::string DeviceListLine(const SerialDevice &device)
{
    // In English whatever the language: the columns are read by scripts too.
    const std::string description = described(device, false);
    std::string access = "may open";
    if (!device.mayOpen && !device.grantingGroup.empty())
        access = "no permission - join the " + device.grantingGroup + " group";
    else if (!device.mayOpen && !device.owner.empty())
        access = "no permission - owned by " + device.owner + " - an administrator must allow you to use it";
    else if (!device.mayOpen)
        access = "no permission - an administrator must allow you to use it";
    std::ostringstream line;
    line << device.portNumber << '\t' << device.path << '\t' << (description.empty() ? "-" : description) << '\t'
         << (device.usb ? "USB " + UsbIdentityText(*device.usb) : "-") << '\t' << access;
    return line.str();
}
