#pragma once

#include "serial/SerialDevices.h"

#include <QString>

#include <memory>
#include <optional>

// The serial devices present, and the port the operator last sent the score
// on, kept between runs in the user's configuration folder.
class PortFinder
{
public:
    // An empty settings file means the user's own configuration
    // (~/.config/scoreboard/scoreboard.conf).
    explicit PortFinder(std::unique_ptr<DeviceSource> source = std::make_unique<SystemDeviceSource>(),
                        QString settingsFile = {});

    std::vector<SerialDevice> devices() const { return m_source->devices(); }

    // The device the last remembered port stands for now: the same USB
    // adapter wherever it is plugged in, else whatever has its number.
    std::optional<SerialDevice> rememberedDevice(const std::vector<SerialDevice> &present) const;

    // Remembers the port, with the USB identity of the device at its path.
    void remember(int portNumber, const std::string &devicePath);

private:
    std::unique_ptr<DeviceSource> m_source;
    QString m_settingsFile;
};

struct RememberedPort
{
    int portNumber = 0;
    std::string devicePath;
    std::optional<UsbIdentity> usb;
};

std::optional<SerialDevice> FindRememberedDevice(const RememberedPort &remembered,
                                                 const std::vector<SerialDevice> &devices);
