#pragma once

#include "serial/SerialDevices.h"

#include <optional>

class QSettings;

// The device the operator last sent the score on, kept between runs in the
// program's settings: its port number and path and, for a USB adapter, what
// identifies it wherever it is plugged in.
class PortMemory
{
public:
    explicit PortMemory(QSettings &settings);

    std::optional<SerialDevice> recall() const { return m_kept; }

    // Keeps the device; writes only when that changes what is kept. False
    // when the settings cannot be written.
    bool remember(const SerialDevice &device);

private:
    QSettings &m_settings;
    std::optional<SerialDevice> m_kept;
};
