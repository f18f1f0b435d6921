#pragma once

#include "serial/SerialDevices.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

// What serial/windows/WindowsSerialPlatform.cpp makes of the system's answers, kept
// apart from the calls that get them so that tests can give any answer.

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
};

// A USB adapter's vendor, product and serial number from the instance ids,
// or nothing for a port that is not on USB.
std::optional<UsbIdentity> UsbIdentityFromInstanceIds(const std::string &instanceId,
                                                      const std::string &parentInstanceId);

// Every port that the registry's list of serial ports names or the set-up
// API describes, once each, in port order. node holds the instance id, empty
// where there is none.
std::vector<SerialDevice> ComPortDevices(const std::vector<std::string> &registryPorts,
                                         const std::vector<ComPortDescription> &described);

// Windows gives no token that changes when a device is plugged in again, so
// each port counts the times it has been seen arrive: absent, or another
// device, at the look before.
class ComPortArrivals
{
public:
    // Appends that count to each device's node: "FTDIBUS\...\0000#2".
    void stamp(std::vector<SerialDevice> &devices);

private:
    std::map<std::string, std::string> m_present; // port name -> instance id at the last look
    std::map<std::string, unsigned> m_arrivals;
};
