#pragma once

#include <functional>
#include <string>

// Port number -> device path of this machine; empty when the number names no
// device. Linux: 1-32 /dev/ttyS0-31, 33-64 /dev/ttyUSB0-31, 65-96
// /dev/ttyACM0-31. Windows: port n is COMn.
std::string DevicePathForPort(int portNumber);

// The highest port number that names a device; every number from 1 to it does.
int LastPortNumber();

// The seam through which tests put pseudo-terminals in place of real ports.
using PortPathResolver = std::function<std::string(int portNumber)>;
