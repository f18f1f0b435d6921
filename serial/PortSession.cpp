#include "serial/PortSession.h"

#include "serial/PortMemory.h"
#include "serial/PortSelection.h"
#include "serial/SerialPlatform.h"

#include <algorithm>

namespace {
bool sameNodes(const std::vector<SerialDevice> &a, const std::vector<SerialDevice> &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const SerialDevice &x, const SerialDevice &y) {
        return x.path == y.path && x.node == y.node && x.mayOpen == y.mayOpen;
    });
}
} // namespace

PortSession::PortSession(std::unique_ptr<SerialLink> link, SerialPlatform &platform, PortMemory &memory,
                         StartupCommand sendStartupCommand, QObject *parent)
    : QObject(parent), m_link(std::move(link)), m_platform(platform), m_memory(memory),
      m_sendStartupCommand(std::move(sendStartupCommand))
{
    connect(&m_platform, &SerialPlatform::devicesChanged, this, &PortSession::devicesChanged);
}

PortSession::~PortSession() = default;

void PortSession::start()
{
    const DiscoveryReport discovery = DiscoverPorts(*m_link, *this, m_sendStartupCommand);
    listDevices();
    m_platform.watchDevices();

    if (discovery.startupCommand)
        report(PortEvent::Kind::StartupCommandSent, *discovery.startupCommand);
    if (discovery.noPortFound && !openRememberedDevice()) {
        PortEvent event;
        event.kind = PortEvent::Kind::NoPortFound;
        event.failedProbes = discovery.failedProbes;
        event.devices = m_devices;
        emit happened(event);
    }
}

void PortSession::textEdited(const std::string &text)
{
    m_text = text;
    select(Why::Operator);
}

void PortSession::entryPicked(const std::string &entry)
{
    m_text = entry;
    select(Why::Operator);
}

LinkResult PortSession::send(const StartupCommand &sequence)
{
    LinkResult result = sequence(*m_link);
    if (result.ok() && m_rememberDue && m_openDevice) {
        m_rememberDue = false;
        if (!m_memory.remember(*m_openDevice) && !m_memoryProblemSaid) {
            m_memoryProblemSaid = true;
            report(PortEvent::Kind::MemoryNotWritable, result);
        }
    }
    // An adapter pulled out fails the write; it is opened again when it is
    // back.
    if (result.error == LinkError::WriteFailed && m_openDevice)
        markUnplugged();
    return result;
}

int PortSession::lastPortNumber() const
{
    return m_platform.lastPortNumber();
}

void PortSession::closePort()
{
    ClosePort(*m_link);
}

void PortSession::AddItem(const std::string &entry)
{
    m_probedEntries.push_back(entry);
    m_entries.push_back(entry);
    emit entriesChanged();
}

std::string PortSession::List(int index) const
{
    return m_entries.at(std::size_t(index));
}

void PortSession::SetText(const std::string &text)
{
    setTextAndSelect(text, Why::Program);
}

void PortSession::setTextAndSelect(const std::string &text, Why why)
{
    m_text = text;
    emit selectorTextChanged();
    select(why);
}

void PortSession::select(Why why)
{
    const LinkResult result = SelectPort(*m_link, m_text);
    m_lastSelection = result;
    m_openDevice.reset();
    if (result.ok()) {
        // Looked up once, now: the send that remembers it must not scan every
        // device again, and the list may be a moment old.
        m_openDevice = m_platform.deviceAt(result.devicePath);
        if (!m_openDevice) {
            m_openDevice = SerialDevice{};
            m_openDevice->portNumber = result.portNumber;
            m_openDevice->path = result.devicePath;
        }
    }

    if (why == Why::Return) {
        // Still waited for when it did not open: the next change looks again.
        if (!result.ok()) {
            report(PortEvent::Kind::ReopenFailed, result);
            return;
        }
        PortEvent event;
        event.kind = PortEvent::Kind::Back;
        event.result = result;
        event.previous = m_unplugged->port;
        m_unplugged.reset();
        m_rememberDue = m_operatorChose;
        emit happened(event);
        return;
    }

    m_unplugged.reset();
    m_operatorChose = why == Why::Operator;
    m_rememberDue = m_operatorChose;
    if (!result.ok())
        report(PortEvent::Kind::OpenFailed, result);
    else
        report(why == Why::Remembered ? PortEvent::Kind::RememberedOpened : PortEvent::Kind::Opened, result);
}

void PortSession::listDevices()
{
    m_devices = m_platform.devices();
    std::vector<std::string> entries = m_probedEntries;
    for (const SerialDevice &device : m_devices) {
        // The ports the probes listed keep their plain entries.
        if (std::find(m_probedEntries.begin(), m_probedEntries.end(), std::to_string(device.portNumber)) ==
            m_probedEntries.end())
            entries.push_back(DeviceEntryText(device));
    }
    if (entries != m_entries) {
        m_entries = std::move(entries);
        emit entriesChanged();
    }
}

void PortSession::devicesChanged()
{
    const std::vector<SerialDevice> before = m_devices;
    listDevices();
    if (m_link->isOpen()) {
        checkTheOpenDevice();
        return;
    }
    if (m_unplugged) {
        lookForTheUnpluggedDevice();
        return;
    }
    // Nothing open and nothing waited for: the device last sent to, plugged
    // in now, is what the operator is waiting for.
    if (const auto remembered = m_memory.recall()) {
        for (const SerialDevice &device : m_devices) {
            const auto sameAs = [&](const SerialDevice &earlier) { return SameDevice(earlier, device); };
            if (SameDevice(device, *remembered) && std::none_of(before.begin(), before.end(), sameAs)) {
                setTextAndSelect(DeviceEntryText(device), Why::Remembered);
                return;
            }
        }
    }
    if (!sameNodes(before, m_devices)) {
        PortEvent event;
        event.kind = PortEvent::Kind::DevicesChanged;
        event.devices = m_devices;
        emit happened(event);
    }
}

void PortSession::checkTheOpenDevice()
{
    if (!m_openDevice)
        return;
    const auto now = m_platform.deviceAt(m_openDevice->path);
    const bool sameDevice = now && SameDevice(*now, *m_openDevice);
    if (sameDevice && now->node == m_openDevice->node)
        return;

    // Gone, or another device at its path, or the same one plugged in again
    // between two looks: the open port writes nowhere now.
    m_link->close();
    const LinkResult port = m_lastSelection;
    markUnplugged();
    if (!sameDevice)
        report(PortEvent::Kind::Unplugged, port);
    lookForTheUnpluggedDevice();
}

void PortSession::lookForTheUnpluggedDevice()
{
    for (const SerialDevice &device : m_devices) {
        if (SameDevice(device, m_unplugged->device)) {
            setTextAndSelect(DeviceEntryText(device), Why::Return);
            return;
        }
    }
    const auto there = presentAt(m_unplugged->device.path);
    if (there && there->node != m_unplugged->anotherDeviceNamed) {
        m_unplugged->anotherDeviceNamed = there->node;
        PortEvent event;
        event.kind = PortEvent::Kind::AnotherDevice;
        event.device = there;
        event.previous = m_unplugged->port;
        emit happened(event);
    }
}

bool PortSession::openRememberedDevice()
{
    const auto remembered = m_memory.recall();
    if (!remembered)
        return false;
    for (const SerialDevice &device : m_devices) {
        if (SameDevice(device, *remembered)) {
            setTextAndSelect(DeviceEntryText(device), Why::Remembered);
            return true;
        }
    }
    for (const SerialDevice &device : m_devices) {
        if (device.portNumber == remembered->portNumber) {
            PortEvent event;
            event.kind = PortEvent::Kind::RememberedReplaced;
            event.device = device;
            event.devices = m_devices;
            emit happened(event);
            return true;
        }
    }
    return false;
}

void PortSession::markUnplugged()
{
    m_unplugged = Unplugged{m_lastSelection, *m_openDevice, {}};
    m_openDevice.reset();
}

void PortSession::report(PortEvent::Kind kind, const LinkResult &result)
{
    PortEvent event;
    event.kind = kind;
    event.result = result;
    emit happened(event);
}

std::optional<SerialDevice> PortSession::presentAt(const std::string &path) const
{
    for (const SerialDevice &device : m_devices)
        if (device.path == path)
            return device;
    return std::nullopt;
}
