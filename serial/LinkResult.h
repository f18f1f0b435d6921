#pragma once

#include <string>

// What became of one operation on the serial link. It carries the facts
// (port, device, the system's own words); the window picks the words shown to
// the operator.
enum class LinkError {
    None,
    PortNumberOutOfRange, // the selector text is beyond -32768..32767; systemText holds it
    NoDeviceForPort,      // the port number maps to no device of this machine; systemText holds the text
    NoSuchDevice,
    PermissionDenied, // usually: the user is not in the dialout group
    InUse,            // another program holds the port
    SystemConsole,    // the machine's console talks on this port; refused
    NoSerialPort,     // a device node with no serial port behind it (no chip on the board)
    OpenFailed,       // any other reason; systemText says which
    NotOpen,          // nothing was written: no port is open
    WriteFailed,      // the device went away while writing; the port is closed now
};

struct LinkResult
{
    LinkError error = LinkError::None;
    int portNumber = 0;
    std::string devicePath; // empty when the number maps to no device
    std::string systemText; // the operating system's or the toolkit's message

    bool ok() const { return error == LinkError::None; }
};
