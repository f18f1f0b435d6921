#include "serial/SystemConsole.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#ifdef __linux__
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

std::vector<std::uint64_t> ParseConsoleDevices(std::string_view procConsoles)
{
    // Each line: name, flags, then "major:minor" as the last field.
    std::vector<std::uint64_t> devices;
    std::istringstream lines{std::string(procConsoles)};
    for (std::string line; std::getline(lines, line);) {
        const auto colon = line.rfind(':');
        const auto fieldStart = line.find_last_of(" \t", colon);
        if (colon == std::string::npos || fieldStart == std::string::npos)
            continue;
        try {
            const unsigned long major = std::stoul(line.substr(fieldStart + 1, colon - fieldStart - 1));
            const unsigned long minor = std::stoul(line.substr(colon + 1));
            devices.push_back(DeviceNumber(major, minor));
        } catch (const std::exception &) {
            continue; // not a line of the expected shape
        }
    }
    return devices;
}

std::vector<std::uint64_t> SystemConsoleDevices()
{
    std::ifstream file("/proc/consoles");
    std::stringstream text;
    text << file.rdbuf();
    return ParseConsoleDevices(text.str());
}

bool IsConsoleDevice(const std::string &path, const std::vector<std::uint64_t> &consoles)
{
#ifdef __linux__
    struct stat status = {};
    if (consoles.empty() || ::stat(path.c_str(), &status) != 0 || !S_ISCHR(status.st_mode))
        return false;
    const std::uint64_t device = DeviceNumber(major(status.st_rdev), minor(status.st_rdev));
    for (std::uint64_t console : consoles)
        if (console == device)
            return true;
#else
    (void)path;
    (void)consoles;
#endif
    return false;
}
