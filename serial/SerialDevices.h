#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The serial devices present on this machine that a port number names, found
// without opening any of them: opening a serial port raises its DTR and RTS
// lines, which a board or a modem on the other end may act on.

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

struct SerialDevice
{
    int portNumber = 0;
    std::string path;         // "/dev/ttyUSB0"
    std::string manufacturer; // empty where the system does not say
    std::string product;      // empty where the system does not say
    std::optional<UsbIdentity> usb;
    bool mayOpen = false; // this user has write access to the device
};

// Where the devices come from: the system, or a test's own list.
class DeviceSource
{
public:
    virtual ~DeviceSource() = default;
    virtual std::vector<SerialDevice> devices() const = 0;
};

// Reads /dev and /sys: every device node at a path of the port table that is
// really there (an on-board port with no chip behind it is left out), its USB
// identity and names where the system describes it, its path alone where it
// does not. The system console is never listed.
class SystemDeviceSource final : public DeviceSource
{
public:
    std::vector<SerialDevice> devices() const override;
};

// Tells one device node from another at the same path: an adapter unplugged
// and plugged in again comes back as a new node, and a port held open on the
// old one writes nowhere.
struct DeviceNode
{
    std::uint64_t filesystem = 0;
    std::uint64_t inode = 0;
    std::uint64_t device = 0;

    bool operator==(const DeviceNode &other) const
    {
        return filesystem == other.filesystem && inode == other.inode && device == other.device;
    }
};

// The character device at `path` (links followed), if there is one.
std::optional<DeviceNode> DeviceNodeAt(const std::string &path);

// The device's name without its folder: "ttyUSB0".
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
