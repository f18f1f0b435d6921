#pragma once

#include "serial/SerialDevices.h"

#include <QObject>

#include <memory>
#include <optional>
#include <string>
#include <vector>

// What differs between operating systems in finding serial ports: which
// device a port number stands for, which devices are present and what they
// are, when that changes, and which port the system keeps for itself. One
// implementation per system; the program's entry builds the real one, tests
// and the benchmark build fakes or point one at folders of their own.
class SerialPlatform : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The device port n stands for ("/dev/ttyUSB0", "COM3"); empty when the
    // number names no device of this system.
    virtual std::string devicePathForPort(int portNumber) const = 0;
    // And back: the port number of a device path, 0 when no number names it.
    virtual int portNumberForPath(const std::string &path) const = 0;
    // Every number from 1 to this one names a device path.
    virtual int lastPortNumber() const = 0;
    // How port numbers map to devices, in a sentence or two for --help.
    virtual std::string portNumbering() const = 0;

    // Every serial device present that a port number names, in port order,
    // found without opening any: opening raises DTR and RTS, which whatever
    // is on the other end may act on.
    virtual std::vector<SerialDevice> devices() const = 0;
    // The device at this path now, if there is one; opens nothing.
    virtual std::optional<SerialDevice> deviceAt(const std::string &path) const = 0;

    // The machine's own console talks on this device: never write to it.
    virtual bool isSystemConsole(const std::string &path) const = 0;

    // From now on, devicesChanged() tells when devices come or go.
    virtual void watchDevices() = 0;

signals:
    // Devices may have come or gone; sent once they have settled, and never
    // while nothing changes (no timer runs while the program is idle).
    void devicesChanged();
    // The system asks to remove the device at this path (Windows' "Safely
    // remove"): whoever holds it open must close it now.
    void removalRequested(const std::string &path);
};

// This system's platform; defined once per system.
std::unique_ptr<SerialPlatform> MakeSystemSerialPlatform();
