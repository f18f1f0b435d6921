#pragma once

#include "serial/LinkResult.h"
#include "serial/PortDiscovery.h"
#include "serial/SendThread.h"
#include "serial/SerialDevices.h"
#include "serial/SerialLink.h"

#include <QObject>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class PortMemory;
class SerialPlatform;

// What happened to the port, for the match to put into words.
struct PortEvent
{
    enum class Kind {
        Opened,              // a selection opened `result`
        OpenFailed,          // a selection failed: `result` says why; `device` is what stands there, if anything
        StartupCommandSent,  // `result` says how sending it went
        NoPortFound,         // ports 1 and 2 failed (`failedProbes`); `devices` are present
        RememberedOpened,    // the device last sent to is open again (`result`); nothing sent
        RememberedReplaced,  // another `device` has the remembered port's number; not opened
        RememberedElsewhere, // the start opened another port; the device last sent to is `device`
        Unplugged,           // the port in use (`result`) went away
        ClosedForRemoval,    // the port in use (`result`) was closed as the system asked, to be removed
        Back,                // the device unplugged is back, as `result`; it was at `previous`
        ReopenFailed,        // the device unplugged is back but did not open: `result`
        AnotherDevice,       // another `device` stands where the unplugged one was; not opened
        DevicesChanged,      // no port is open and `devices` are present now
        MemoryNotWritable,   // the device sent to cannot be remembered
    };

    Kind kind = Kind::Opened;
    LinkResult result;
    LinkResult previous;
    std::optional<SerialDevice> device;
    std::vector<SerialDevice> devices;
    std::vector<LinkResult> failedProbes;
};

// The one place that decides which serial device is open. It owns the link
// and the "COM-port" selector's entries and text, and runs the rules:
// - at start, the device last sent to when it was neither port 1 nor 2 and
//   is present (SameDevice), opened without probing; otherwise the probes of
//   ports 1 and 2 (DiscoverPorts), and when neither opens, the device last
//   sent to wherever it is now;
// - every change of the selector's text, typed or picked, closes the port and
//   opens the one it names; a port the text names that is plugged in later
//   is opened then;
// - a device that goes away is waited for, and opened again when the same
//   device comes back, wherever it is plugged in; another device where it
//   was is only named;
// - the first send that succeeds after the operator chose a port remembers
//   its device;
// - the machine's console is never opened.
// It says what happened through typed events; the match picks the words.
//
// Sends run on the board line's thread (SendThread), which owns the link
// while they run. A device notice, a pick or a typed port that comes during
// a send takes effect when it ends: the send finishes on its own port.
class PortSession : public QObject
{
    Q_OBJECT

public:
    PortSession(std::unique_ptr<SerialLink> link, SerialPlatform &platform, PortMemory &memory,
                SendSequence sendStartupCommand, QObject *parent = nullptr);
    ~PortSession() override;

    // Opens what the rules say, lists the devices, and from then on follows
    // devices as they come and go.
    void start();

    // The selector as the window shows it.
    const std::vector<std::string> &entries() const { return m_entries; }
    const std::string &selectorText() const { return m_text; }

    // The operator typed in the selector, or picked an entry of its list.
    void textEdited(const std::string &text);
    void entryPicked(const std::string &entry);

    // Runs a send sequence on the board line's thread. Once it has ended,
    // the session learns from its outcome, then `done` gets it, then what
    // came meanwhile takes effect, then sendEnded() follows. Only while not
    // sending().
    void send(const SendSequence &sequence, SendThread::Done done);
    bool sending() const { return m_sendThread.busy(); }

    // The number of the open port (during a send: the port it goes to);
    // empty while none is open.
    std::optional<int> openPort() const { return m_openPort; }
    // The port in use went away and is waited for: it reopens when it is back.
    bool awaitingReturn() const { return m_unplugged.has_value(); }
    // The highest number a port can have on this system.
    int lastPortNumber() const;

    // Lets the send in progress end, then DTR off and close. Runs as the
    // program ends.
    void closePort();

signals:
    void happened(const PortEvent &event);
    // A send's outcome is in, and the link is the session's again.
    void sendEnded();
    void entriesChanged();
    void selectorTextChanged(); // changed by the program, not by typing

private:
    // Why a selection runs: it decides which event tells of it.
    enum class Why { Operator, Program, Remembered, Return, Again };

    bool openRememberedAtStart();
    void finishStart(const DiscoveryReport &discovery);
    void learnFrom(const LinkResult &sent);
    void catchUp();
    void noteWhetherOpen();
    void select(Why why);
    void setTextAndSelect(const std::string &text, Why why);
    void devicesChanged();
    void removalRequested(const std::string &path);
    void closeForRemoval();
    void listDevices();
    void checkTheOpenDevice();
    void lookForTheUnpluggedDevice();
    bool openRememberedDevice();
    bool openTheFieldsPort(const std::vector<SerialDevice> &before);
    void markUnplugged();
    void report(PortEvent::Kind kind, const LinkResult &result = {});
    std::optional<SerialDevice> presentAt(const std::string &path) const;
    std::optional<SerialDevice> rememberedPresent() const;

    std::unique_ptr<SerialLink> m_link; // during a send, the send thread's alone
    SerialPlatform &m_platform;
    PortMemory &m_memory;
    SendSequence m_sendStartupCommand;

    std::vector<std::string> m_probedEntries; // from the start-up probes; the devices' entries follow
    std::vector<std::string> m_entries;
    std::string m_text = "Combo1";
    std::vector<SerialDevice> m_devices;

    LinkResult m_lastSelection;
    std::optional<SerialDevice> m_openDevice; // the device the open port was opened on
    bool m_operatorChose = false;             // the open port is one the operator picked or typed
    bool m_rememberDue = false;               // the next send that succeeds remembers the device
    bool m_memoryProblemSaid = false;

    // The device in use when it went away, until it is back or another
    // selection is made.
    struct Unplugged
    {
        LinkResult port;
        SerialDevice device;
        std::string anotherDeviceNamed; // the node of another device at its path, once named
    };
    std::optional<Unplugged> m_unplugged;

    std::optional<int> m_openPort;
    // What came during a send, to take effect when it has ended.
    bool m_devicesChangedDuringSend = false;
    bool m_selectionDuringSend = false;
    bool m_closeAfterSend = false; // the system asked to remove the device being sent to

    SendThread m_sendThread; // last: its destructor lets a send end, which uses the rest
};

Q_DECLARE_METATYPE(PortEvent)
