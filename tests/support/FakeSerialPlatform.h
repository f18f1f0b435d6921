#pragma once

#include "serial/SerialPlatform.h"

#include <functional>
#include <list>
#include <set>

// Serial ports as a test says they are: port n is "/dev/fake<n>" or where the
// test's own function puts it (a pseudo-terminal), the devices present are
// what the test puts in `present` (then change() tells, as the system would),
// and `consoles` are the system's console.
class FakeSerialPlatform final : public SerialPlatform
{
public:
    using PathOfPort = std::function<std::string(int portNumber)>;

    FakeSerialPlatform() = default;
    explicit FakeSerialPlatform(PathOfPort paths) : pathOfPort(std::move(paths)) {}

    PathOfPort pathOfPort; // empty: "/dev/fake<n>"
    std::vector<SerialDevice> present;
    std::set<std::string> consoles;
    int scans = 0; // how often the devices were listed

    std::string devicePathForPort(int portNumber) const override
    {
        if (pathOfPort)
            return pathOfPort(portNumber);
        return portNumber >= 1 && portNumber <= kLastPort ? "/dev/fake" + std::to_string(portNumber) : std::string();
    }
    int portNumberForPath(const std::string &path) const override
    {
        for (int port = 1; port <= kLastPort; ++port)
            if (devicePathForPort(port) == path)
                return port;
        return 0;
    }
    int lastPortNumber() const override { return kLastPort; }
    std::string portNumbering() const override { return "Port n is /dev/fake<n>."; }
    std::vector<SerialDevice> devices() const override
    {
        ++const_cast<FakeSerialPlatform *>(this)->scans;
        return present;
    }
    std::optional<SerialDevice> deviceAt(const std::string &path) const override
    {
        for (const SerialDevice &device : present)
            if (device.path == path)
                return device;
        return std::nullopt;
    }
    bool isSystemConsole(const std::string &path) const override { return consoles.count(path) > 0; }
    void watchDevices() override {}

    void change() { emit devicesChanged(); }
    void askToRemove(int portNumber) { emit removalRequested(devicePathForPort(portNumber)); }

    // Whether a device at the port's path would open now, and why not. Like
    // a real link, it knows nothing of consoles: whoever opens must refuse
    // them.
    LinkError openOutcome(int portNumber) const
    {
        const std::string path = devicePathForPort(portNumber);
        if (path.empty())
            return LinkError::NoDeviceForPort;
        const auto device = deviceAt(path);
        if (!device)
            return LinkError::NoSuchDevice;
        return device->mayOpen ? LinkError::None : LinkError::PermissionDenied;
    }

private:
    static constexpr int kLastPort = 96;
};

using PortsOn = FakeSerialPlatform;

// A platform that lives for the rest of the test run, for links that outlive
// the function that makes them.
inline FakeSerialPlatform &KeptPlatform(FakeSerialPlatform::PathOfPort pathOfPort)
{
    static std::list<FakeSerialPlatform> kept;
    return kept.emplace_back(std::move(pathOfPort));
}

// A device at port n of the fake platform; each one a new plugging-in.
inline SerialDevice FakeDevice(int portNumber, std::string product = {}, std::optional<UsbIdentity> usb = std::nullopt)
{
    static int pluggedIn = 0;
    SerialDevice device;
    device.portNumber = portNumber;
    device.path = "/dev/fake" + std::to_string(portNumber);
    device.product = std::move(product);
    device.usb = std::move(usb);
    device.node = std::to_string(++pluggedIn);
    return device;
}
