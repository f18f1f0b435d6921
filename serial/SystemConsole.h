#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Some machines use a serial port as the system console (the kernel and a
// login prompt talk on it). Board messages written there would land in the
// middle of that, so such a port is refused.

// A device's "major:minor" as one number.
constexpr std::uint64_t DeviceNumber(std::uint64_t major, std::uint64_t minor)
{
    return major << 32 | minor;
}

// Device numbers of the consoles listed in the text
// of /proc/consoles.
std::vector<std::uint64_t> ParseConsoleDevices(std::string_view procConsoles);

// The device numbers of this machine's active consoles; empty where the
// system does not say.
std::vector<std::uint64_t> SystemConsoleDevices();

using ConsoleDeviceSource = std::function<std::vector<std::uint64_t>()>;

// Whether the device at `path` is one of the given consoles.
bool IsConsoleDevice(const std::string &path, const std::vector<std::uint64_t> &consoles);
