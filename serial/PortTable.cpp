#include "serial/PortTable.h"

#include <iterator>

namespace {
struct DeviceRange
{
    int firstPort;
    const char *prefix;
};

constexpr int kPortsPerRange = 32;
constexpr DeviceRange kLinuxRanges[] = {
    {1, "/dev/ttyS"},    // on-board and PCI serial ports
    {33, "/dev/ttyUSB"}, // USB serial adapters: the common case today
    {65, "/dev/ttyACM"}, // USB modem-class devices
};
} // namespace

std::string DevicePathForPort(int portNumber)
{
#ifdef _WIN32
    if (portNumber >= 1 && portNumber <= 255)
        return "COM" + std::to_string(portNumber);
    return {};
#else
    for (const DeviceRange &range : kLinuxRanges) {
        const int index = portNumber - range.firstPort;
        if (index >= 0 && index < kPortsPerRange)
            return range.prefix + std::to_string(index);
    }
    return {};
#endif
}

int LastPortNumber()
{
#ifdef _WIN32
    return 255;
#else
    return std::end(kLinuxRanges)[-1].firstPort + kPortsPerRange - 1;
#endif
}
