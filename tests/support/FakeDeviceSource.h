#pragma once

#include "serial/PortFinder.h"

#include <QDir>
#include <QFile>

#include <memory>

// Serial devices as a test says they are, shared with the test so that it can
// plug and unplug them.
class FakeDeviceSource final : public DeviceSource
{
public:
    explicit FakeDeviceSource(std::shared_ptr<std::vector<SerialDevice>> present) : m_present(std::move(present)) {}
    std::vector<SerialDevice> devices() const override { return *m_present; }

private:
    std::shared_ptr<std::vector<SerialDevice>> m_present;
};

inline SerialDevice FakeDevice(int portNumber, std::string path, std::string product = {},
                               std::optional<UsbIdentity> usb = std::nullopt)
{
    SerialDevice device;
    device.portNumber = portNumber;
    device.path = std::move(path);
    device.product = std::move(product);
    device.usb = std::move(usb);
    device.mayOpen = true;
    return device;
}

// A port finder on the given devices whose memory starts empty and lives in
// the test's own file, never in the user's configuration.
inline std::unique_ptr<PortFinder> PortFinderOn(std::shared_ptr<std::vector<SerialDevice>> present,
                                                const QString &settingsFile)
{
    QFile::remove(settingsFile);
    return std::make_unique<PortFinder>(std::make_unique<FakeDeviceSource>(std::move(present)), settingsFile);
}
