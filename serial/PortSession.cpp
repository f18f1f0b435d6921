#include "serial/PortSession.h"

#include "serial/PortMemory.h"
#include "serial/PortNumberText.h"
#include "serial/PortSelection.h"
#include "serial/SerialPlatform.h"

#include <algorithm>

using namespace std::chrono_literals;

namespace {
bool sameNodes(const std::vector<SerialDevice> &a, const std::vector<SerialDevice> &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const SerialDevice &x, const SerialDevice &y) {
        return x.path == y.path && x.node == y.node && x.mayOpen == y.mayOpen;
    });
}

// Windows waits for an answer before it removes a device; a send in
// progress has that long to end on a working line (its last 0.4 s fit).
constexpr auto kRemovalWait = 500ms;

bool isProbedPort(int portNumber)
{
    return portNumber == 1 || portNumber == 2;
}

// Every open the session makes goes through here: the machine's own console
// (a serial login line) is never opened, whichever way it was named.
class ConsoleRefusingLink final : public ForwardingLink
{
public:
    ConsoleRefusingLink(std::unique_ptr<SerialLink> link, const SerialPlatform &platform)
        : ForwardingLink(*link), m_owned(std::move(link)), m_platform(platform)
    {}

    LinkResult open() override
    {
        const std::string path = m_platform.devicePathForPort(m_link.portNumber());
        if (!path.empty() && m_platform.isSystemConsole(path))
            return {LinkError::SystemConsole, m_link.portNumber(), path, {}};
        return m_link.open();
    }

private:
    std::unique_ptr<SerialLink> m_owned;
    const SerialPlatform &m_platform;
};
} // namespace

PortSession::PortSession(std::unique_ptr<SerialLink> link, SerialPlatform &platform, PortMemory &memory,
                         SendSequence sendStartupCommand, QObject *parent)
    : QObject(parent), m_link(std::make_unique<ConsoleRefusingLink>(std::move(link), platform)), m_platform(platform),
      m_memory(memory), m_sendStartupCommand(std::move(sendStartupCommand))
{
    connect(&m_platform, &SerialPlatform::devicesChanged, this, &PortSession::devicesChanged);
    connect(&m_platform, &SerialPlatform::removalRequested, this, &PortSession::removalRequested);
}

PortSession::~PortSession() = default;

void PortSession::start()
{
    if (openRememberedAtStart()) {
        m_platform.watchDevices();
        return;
    }

    const DiscoveryReport discovery = DiscoverPorts(*m_link);
    for (const int port : discovery.openedPorts)
        m_probedEntries.push_back(std::to_string(port));
    m_entries = m_probedEntries;
    if (!m_entries.empty()) {
        emit entriesChanged();
        setTextAndSelect(m_entries.front(), Why::Program);
    }
    if (discovery.startupCommandDue) {
        // The rest of the start is said after how the start-up command went.
        send(m_sendStartupCommand, [this, discovery](const LinkResult &sent) {
            report(PortEvent::Kind::StartupCommandSent, sent);
            finishStart(discovery);
        });
        return;
    }
    finishStart(discovery);
}

void PortSession::finishStart(const DiscoveryReport &discovery)
{
    listDevices();
    m_platform.watchDevices();

    if (discovery.openedPorts.empty()) {
        if (!openRememberedDevice()) {
            PortEvent event;
            event.kind = PortEvent::Kind::NoPortFound;
            event.failedProbes = discovery.failedProbes;
            event.devices = m_devices;
            emit happened(event);
        }
        return;
    }
    // Ports 1 and 2 won; the device last sent to may be waiting elsewhere.
    if (const auto remembered = rememberedPresent(); remembered && remembered->path != m_lastSelection.devicePath) {
        PortEvent event;
        event.kind = PortEvent::Kind::RememberedElsewhere;
        event.device = remembered;
        emit happened(event);
    }
}

bool PortSession::openRememberedAtStart()
{
    // The operator's last choice, when it was not a port the probes would
    // try anyway, is what they expect to find open: nothing is probed (and
    // nothing reaches port 1), nothing is sent.
    const auto remembered = m_memory.recall();
    if (!remembered || isProbedPort(remembered->portNumber))
        return false;
    listDevices();
    const auto present = rememberedPresent();
    if (!present)
        return false;
    setTextAndSelect(DeviceEntryText(*present), Why::Remembered);
    return true;
}

void PortSession::textEdited(const std::string &text)
{
    m_text = text;
    if (sending()) {
        m_selectionDuringSend = true;
        return;
    }
    select(Why::Operator);
}

void PortSession::entryPicked(const std::string &entry)
{
    textEdited(entry);
}

void PortSession::send(const SendSequence &sequence, SendThread::Done done)
{
    m_sendThread.run(*m_link, sequence, [this, done = std::move(done)](const LinkResult &sent) {
        learnFrom(sent);
        if (done)
            done(sent);
        catchUp();
        emit sendEnded();
    });
}

void PortSession::learnFrom(const LinkResult &result)
{
    // Closed here rather than on the board line's thread: the system's
    // watch of the open device (Windows) belongs to this one.
    if (result.error == LinkError::WriteFailed && m_link->isOpen())
        m_link->close();
    noteWhetherOpen();
    if (result.ok() && m_rememberDue && m_openDevice) {
        m_rememberDue = false;
        if (!m_memory.remember(*m_openDevice) && !m_memoryProblemSaid) {
            m_memoryProblemSaid = true;
            report(PortEvent::Kind::MemoryNotWritable, result);
        }
    }
    if (result.error == LinkError::WriteFailed && m_openDevice) {
        // Still there as it was: the line failed, not the plug; open it again
        // now so that the next send can go. Gone: it is opened again when it
        // is back.
        const auto now = m_platform.deviceAt(m_openDevice->path);
        if (now && SameDevice(*now, *m_openDevice) && now->node == m_openDevice->node)
            select(Why::Again);
        else
            markUnplugged();
    }
}

void PortSession::catchUp()
{
    // The system asked for the device while the send ran.
    if (std::exchange(m_closeAfterSend, false) && m_openDevice)
        closeForRemoval();
    if (std::exchange(m_devicesChangedDuringSend, false))
        devicesChanged();
    // The operator's latest choice comes last: it is what they asked for.
    if (std::exchange(m_selectionDuringSend, false))
        select(Why::Operator);
}

void PortSession::noteWhetherOpen()
{
    m_openPort = m_link->isOpen() ? std::optional<int>(m_link->portNumber()) : std::nullopt;
}

int PortSession::lastPortNumber() const
{
    return m_platform.lastPortNumber();
}

void PortSession::closePort()
{
    // A send cut short could leave the board with a mix of old and new
    // digits: it ends first (about 0.4 s, or each write's time-out on a
    // stalled line).
    m_sendThread.finish();
    m_selectionDuringSend = m_devicesChangedDuringSend = false;
    ClosePort(*m_link);
    noteWhetherOpen();
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
    noteWhetherOpen();
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
    if (why == Why::Again) {
        // The send that failed tells; a reopen that fails too says why.
        if (!result.ok())
            report(PortEvent::Kind::OpenFailed, result);
        return;
    }

    m_unplugged.reset();
    m_operatorChose = why == Why::Operator;
    m_rememberDue = m_operatorChose;
    if (!result.ok()) {
        PortEvent event;
        event.kind = PortEvent::Kind::OpenFailed;
        event.result = result;
        if (result.error == LinkError::PermissionDenied)
            event.device = m_platform.deviceAt(result.devicePath); // who may open it
        emit happened(event);
        return;
    }
    report(why == Why::Remembered ? PortEvent::Kind::RememberedOpened : PortEvent::Kind::Opened, result);
}

void PortSession::listDevices()
{
    m_devices = m_platform.devices();
    MarkLookAlikes(m_devices);
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
    if (sending()) {
        m_devicesChangedDuringSend = true;
        return;
    }
    const std::vector<SerialDevice> before = m_devices;
    listDevices();
    if (m_openPort) {
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
    if (openTheFieldsPort(before))
        return;
    if (!sameNodes(before, m_devices)) {
        PortEvent event;
        event.kind = PortEvent::Kind::DevicesChanged;
        event.devices = m_devices;
        emit happened(event);
    }
}

bool PortSession::openTheFieldsPort(const std::vector<SerialDevice> &before)
{
    // The port the field names is the operator's choice, made before its
    // device was there: now it is.
    const auto number = PortNumberFromText(m_text);
    const std::string path = number ? m_platform.devicePathForPort(*number) : std::string();
    if (path.empty() || !presentAt(path))
        return false;
    if (std::any_of(before.begin(), before.end(), [&](const SerialDevice &d) { return d.path == path; }))
        return false;
    select(Why::Operator);
    return true;
}

void PortSession::removalRequested(const std::string &path)
{
    const auto inUse = [&] { return m_openPort && m_openDevice && m_openDevice->path == path; };
    if (!inUse())
        return;
    if (sending() && !m_sendThread.finishWithin(kRemovalWait)) {
        // A stalled line: the send writes nothing more, and the port is
        // closed as soon as it gives up; the system need not wait for that.
        m_sendThread.stopSoon();
        m_closeAfterSend = true;
        return;
    }
    // The send that just ended may have found it gone already.
    if (inUse())
        closeForRemoval();
}

void PortSession::closeForRemoval()
{
    // Closed at once, so that the system may go on; the device is waited
    // for as after an unplug, and opened again when it is back.
    m_link->close();
    noteWhetherOpen();
    const LinkResult port = m_lastSelection;
    markUnplugged();
    report(PortEvent::Kind::ClosedForRemoval, port);
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
    noteWhetherOpen();
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
    if (const auto present = rememberedPresent()) {
        setTextAndSelect(DeviceEntryText(*present), Why::Remembered);
        return true;
    }
    if (const auto there = presentAt(remembered->path)) {
        PortEvent event;
        event.kind = PortEvent::Kind::RememberedReplaced;
        event.device = there;
        event.devices = m_devices;
        emit happened(event);
        return true;
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

std::optional<SerialDevice> PortSession::rememberedPresent() const
{
    const auto remembered = m_memory.recall();
    if (!remembered)
        return std::nullopt;
    for (const SerialDevice &device : m_devices)
        if (SameDevice(device, *remembered))
            return device;
    return std::nullopt;
}
