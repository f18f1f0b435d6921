#pragma once

#include "serial/SerialDevices.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class RemovalWatch;
class SerialPlatform;
class Win32DeviceApi;

// What serial/windows/WindowsSerialPlatform.cpp makes of the system's
// answers, kept apart from the calls that get them so that tests can give any
// answer.

// The port number of a COM name: "COM7" (any case) is 7. 0 for anything
// else: "COM0", "COM07", numbers past 255.
int ComPortNumber(const std::string &name);

// One port as the device set-up API describes it.
struct ComPortDescription
{
    std::string portName;         // "COM5"
    std::string friendlyName;     // "USB Serial Port (COM5)"
    std::string manufacturer;     // "FTDI"
    std::string instanceId;       // "FTDIBUS\VID_0403+PID_6001+A50285BIA\0000"
    std::string parentInstanceId; // the device the port belongs to, when the port is one of its functions
    // Where each is plugged in, the first of its location paths:
    // "PCIROOT(0)#PCI(1400)#USBROOT(0)#USB(2)"; empty when it has none.
    std::string location;
    std::string parentLocation;
};

// A USB adapter's vendor, product and serial number from the instance ids,
// or nothing for a port that is not on USB. No socket: see ComPortDevices.
std::optional<UsbIdentity> UsbIdentityFromInstanceIds(const std::string &instanceId,
                                                      const std::string &parentInstanceId);

// Every port that the registry's list of serial ports names or the set-up
// API describes, once each, in port order; a USB adapter's socket is the
// location of its USB device. node holds the instance id, empty where there
// is none.
std::vector<SerialDevice> ComPortDevices(const std::vector<std::string> &registryPorts,
                                         const std::vector<ComPortDescription> &described);

// The same, as the calls answer now.
std::vector<SerialDevice> ListComPorts(Win32DeviceApi &api);

// This system's platform on other answers than the system's; api outlives it.
std::unique_ptr<SerialPlatform> MakeWindowsSerialPlatform(Win32DeviceApi &api);

// The window class of the platform's hidden window, which hears device
// changes.
constexpr wchar_t kDeviceNoticeWindowClass[] = L"ScoreboardDeviceNotices";

// Where the Windows platform registers open handles; nothing for another
// platform.
RemovalWatch *RemovalWatchOf(const SerialPlatform &platform);
