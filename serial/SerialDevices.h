#pragma once

#include <cstdint>
#include <optional>
#include <string>

// What identifies a USB adapter wherever it is plugged in: the number the
// system gives it changes with the socket, these do not.
struct UsbIdentity
{
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::string serialNumber; // empty when the adapter has none

    bool operator==(const UsbIdentity &other) const
    {
        return vendorId == other.vendorId && productId == other.productId && serialNumber == other.serialNumber;
    }
};

// A serial device present on this machine that a port number names.
struct SerialDevice
{
    int portNumber = 0;
    std::string path;         // "/dev/ttyUSB0", "COM3"
    std::string manufacturer; // empty where the system does not say
    std::string product;      // empty where the system does not say
    std::optional<UsbIdentity> usb;
    bool mayOpen = true; // this user may open it, as far as the system tells without opening
    // Differs each time the device is plugged in again, where the system
    // tells; a port held open on the old one writes nowhere. Empty where the
    // system does not tell.
    std::string node;
};

// Whether two sightings are the same device: a USB adapter with a serial
// number wherever it is plugged in; one without, when its kind matches at
// the same path (two of a kind cannot be told apart elsewhere); any other
// port at the same path.
bool SameDevice(const SerialDevice &a, const SerialDevice &b);

// The device's name without its folder: "ttyUSB0", "COM3".
std::string DeviceName(const SerialDevice &device);

// What the device is, for people: "FTDI FT232R USB UART", or "" when nothing
// is known but its path.
std::string DeviceDescription(const SerialDevice &device);

// The selector's entry for a device: its port number first, then a colon,
// which ends the number when the entry is read as selector text, so that
// whatever the description holds (digits, an "e", a point) the entry opens
// this port. "33: FTDI FT232R USB UART (/dev/ttyUSB0)".
std::string DeviceEntryText(const SerialDevice &device);

// One line of `--list-ports`: number, path, description, USB identity,
// whether this user may open it; tab-separated, "-" for what is not known.
std::string DeviceListLine(const SerialDevice &device);

// "0403:6001 serial A50285BI"
std::string UsbIdentityText(const UsbIdentity &usb);
