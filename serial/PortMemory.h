#pragma once

#include "serial/SerialDevices.h"

#include <optional>

class QSettings;
class SettingsWriter;

// The device the operator last sent the score on, kept between runs in the
// program's settings: its port number and path and, for a USB adapter, what
// identifies it wherever it is plugged in.
class PortMemory
{
public:
    // Reads `settings` now; writes through `writer`.
    PortMemory(QSettings &settings, SettingsWriter &writer);

    std::optional<SerialDevice> recall() const { return m_kept; }

    // Keeps the device; writes only when that changes what is kept, without
    // waiting for the disk. False when the settings cannot be written, as far
    // as is known: a write before this one failed.
    bool remember(const SerialDevice &device);

private:
    QSettings &m_settings;
    SettingsWriter &m_writer;
    std::optional<SerialDevice> m_kept;
};
