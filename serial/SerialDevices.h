#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What identifies a USB adapter: its kind (vendor and product) and, where it
// has one, its serial number. Two adapters of a kind without serial numbers
// are told apart only by the socket they are plugged into.
struct UsbIdentity
{
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::string serialNumber; // empty when the adapter has none
    // The USB socket it hangs off: the port path ("1-1.2") on Linux, the
    // location path on Windows; empty when unknown.
    std::string socket;

    bool sameKind(const UsbIdentity &other) const { return vendorId == other.vendorId && productId == other.productId; }
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
    // Who may open it where this user may not: the group whose members may
    // ("dialout"), else empty and `owner` names who may.
    std::string grantingGroup;
    std::string owner;
    // Differs each time the device is plugged in again, where the system
    // tells; a port held open on the old one writes nowhere. Empty where the
    // system does not tell.
    std::string node;
    // Another device in the same list reads the same: its name then adds what
    // tells them apart (see MarkLookAlikes).
    bool looksAlike = false;
};

// Whether two sightings are the same device. A USB adapter with a serial
// number: the same kind and serial number, in any socket. One without: the
// same kind in the same, known socket. Any other port: the same device path.
// Used at start, when a device comes back, and for the list.
bool SameDevice(const SerialDevice &a, const SerialDevice &b);

// Marks the devices whose descriptions read the same as another's.
void MarkLookAlikes(std::vector<SerialDevice> &devices);

// The device's name without its folder: "ttyUSB0", "COM3".
std::string DeviceName(const SerialDevice &device);

// What the device is, for people, in the program's language: "FTDI FT232R USB
// UART", or "" when nothing is known but its path. A look-alike adds what tells it apart: "FTDI FT232R
// USB UART, serial A50285BI" or "Prolific USB-Serial Controller in socket 1-1".
std::string DeviceDescription(const SerialDevice &device);

// The selector's entry for a device: its port number first, then a colon,
// which ends the number when the entry is read as selector text, so that
// whatever the description holds (digits, an "e", a point) the entry opens
// this port. "33: FTDI FT232R USB UART (/dev/ttyUSB0)".
std::string DeviceEntryText(const SerialDevice &device);

// One line of `--list-ports`, in English: number, path, description, USB
// identity, whether this user may open it; tab-separated, "-" for what is not
// known.
std::string DeviceListLine(const SerialDevice &device);

// "0403:6001 serial A50285BI", "067b:2303 socket 1-1"
std::string UsbIdentityText(const UsbIdentity &usb);

// What this user can do about a device they may not open, as a sentence in the
// program's language: "Join the dialout group, then log in again.", or
// "<named> is owned by root - an administrator must allow you to use it.",
// where `named` is the device as the sentence's reader knows it.
std::string AccessAdvice(const SerialDevice &device, const std::string &named);
