#pragma once

#include "serial/SerialPlatform.h"

#include <QFileSystemWatcher>
#include <QTimer>

// Serial ports on Linux: port numbers name device nodes, the kernel describes
// each in sysfs, and the device folder shows nodes coming and going.
class LinuxSerialPlatform final : public SerialPlatform
{
    Q_OBJECT

public:
    // Where the system keeps what the platform reads; tests give folders of
    // their own.
    struct Folders
    {
        std::string dev;      // device nodes
        std::string sys;      // sysfs
        std::string consoles; // the list of active consoles (procfs)
    };

    explicit LinuxSerialPlatform(Folders folders);

    std::string devicePathForPort(int portNumber) const override;
    int portNumberForPath(const std::string &path) const override;
    int lastPortNumber() const override;
    std::string portNumbering() const override;
    std::vector<SerialDevice> devices() const override;
    std::optional<SerialDevice> deviceAt(const std::string &path) const override;
    bool isSystemConsole(const std::string &path) const override;
    void watchDevices() override;

private:
    std::optional<SerialDevice> describe(int portNumber, const std::string &path,
                                         const std::vector<std::uint64_t> &consoles) const;
    std::vector<std::uint64_t> consoleDevices() const;

    Folders m_folders;
    QFileSystemWatcher *m_watcher = nullptr;
    // An adapter plugged in makes its node first and gets its group and
    // rights from udev a moment later; one look after things settle sees it
    // whole, and once.
    QTimer m_settle;
};

// The device numbers ("major:minor" as one number) of the consoles listed in
// the text of /proc/consoles.
std::vector<std::uint64_t> ParseConsoleDevices(std::string_view procConsoles);
