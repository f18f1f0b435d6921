#include "match/StatusText.h"

#include <QCoreApplication>
#include <QStringList>

namespace {
constexpr int kQuotedAtMost = 12; // of a typed text, in characters

QString text(const std::string &s)
{
    return QString::fromStdString(s);
}

QString number(int n)
{
    return QString::number(n);
}

// "08 15", as the board shows it.
QString scores(const ScoreKeeper::DigitCells &digits)
{
    return text(digits[0] + digits[1] + " " + digits[2] + digits[3]);
}

QString quoted(const std::string &typed)
{
    QString shown = text(typed).simplified();
    if (shown.size() > kQuotedAtMost)
        shown = shown.left(kQuotedAtMost - 1) + QChar(0x2026); // an ellipsis
    return shown;
}

// "33 FTDI FT232R USB UART (ttyUSB0)": number first, as the list has it.
QString named(const SerialDevice &device)
{
    const QString description = text(DeviceDescription(device));
    const QString name = text(DeviceName(device));
    if (description.isEmpty())
        return QStringLiteral("%1 (%2)").arg(number(device.portNumber), name);
    return QStringLiteral("%1 %2 (%3)").arg(number(device.portNumber), description, name);
}

// How a port's trouble is said: on its own, as the device comes back, as one
// of the start's two probes, or for both probes at once.
enum class Frame { Open, Back, Probe, BothProbes };

// Why a port did not open, as a whole sentence naming the port.
QString reason(const LinkResult &result, Frame frame, int lastPortNumber)
{
    const QString port = number(result.portNumber);
    const QString path = text(result.devicePath);
    switch (result.error) {
    case LinkError::PortNumberOutOfRange:
    case LinkError::NoDeviceForPort:
        //: %1 is the port number, %2 the highest port number
        return QCoreApplication::translate("StatusText", "Port %1: no such port - type 1 to %2.")
            .arg(port, number(lastPortNumber));
    case LinkError::NoSuchDevice:
        switch (frame) {
        case Frame::Open:
            //: %1 is the port number, %2 the device path such as /dev/ttyUSB0 or COM3
            return QCoreApplication::translate("StatusText", "Port %1 (%2): no such device.").arg(port, path);
        case Frame::Back:
            //: %1 is the port number, %2 the device path
            return QCoreApplication::translate("StatusText", "Port %1 (%2) is back but did not open: no such device.")
                .arg(port, path);
        case Frame::Probe: return QCoreApplication::translate("StatusText", "Port %1: no such device.").arg(port);
        case Frame::BothProbes: return QCoreApplication::translate("StatusText", "Ports 1 and 2: no such device.");
        }
        break;
    case LinkError::PermissionDenied:
        switch (frame) {
        case Frame::Open:
            //: %1 is the port number, %2 the device path
            return QCoreApplication::translate("StatusText", "Port %1 (%2): permission denied.").arg(port, path);
        case Frame::Back:
            //: %1 is the port number, %2 the device path
            return QCoreApplication::translate("StatusText",
                                               "Port %1 (%2) is back but did not open: permission denied.")
                .arg(port, path);
        case Frame::Probe: return QCoreApplication::translate("StatusText", "Port %1: permission denied.").arg(port);
        case Frame::BothProbes: return QCoreApplication::translate("StatusText", "Ports 1 and 2: permission denied.");
        }
        break;
    case LinkError::InUse:
        switch (frame) {
        case Frame::Open:
            //: %1 is the port number, %2 the device path
            return QCoreApplication::translate("StatusText", "Port %1 (%2): in use by another program.")
                .arg(port, path);
        case Frame::Back:
            //: %1 is the port number, %2 the device path
            return QCoreApplication::translate("StatusText",
                                               "Port %1 (%2) is back but did not open: in use by another program.")
                .arg(port, path);
        case Frame::Probe:
            return QCoreApplication::translate("StatusText", "Port %1: in use by another program.").arg(port);
        case Frame::BothProbes:
            return QCoreApplication::translate("StatusText", "Ports 1 and 2: in use by another program.");
        }
        break;
    case LinkError::SystemConsole:
        switch (frame) {
        case Frame::Open:
            //: %1 is the port number, %2 the device path. The machine's console talks on this port.
            return QCoreApplication::translate("StatusText", "Port %1 (%2): the system console.").arg(port, path);
        case Frame::Back:
            //: %1 is the port number, %2 the device path
            return QCoreApplication::translate("StatusText",
                                               "Port %1 (%2) is back but did not open: the system console.")
                .arg(port, path);
        case Frame::Probe: return QCoreApplication::translate("StatusText", "Port %1: the system console.").arg(port);
        case Frame::BothProbes: return QCoreApplication::translate("StatusText", "Ports 1 and 2: the system console.");
        }
        break;
    case LinkError::NoSerialPort:
        // Said with its path in every frame: the node is there, the chip is not.
        if (frame == Frame::Back)
            //: %1 is the port number, %2 the device path
            return QCoreApplication::translate("StatusText",
                                               "Port %1 is back but did not open: no serial port behind %2.")
                .arg(port, path);
        //: %1 is the port number, %2 the device path; a device node with no serial chip behind it
        return QCoreApplication::translate("StatusText", "Port %1: no serial port behind %2.").arg(port, path);
    case LinkError::None:
    case LinkError::OpenFailed:
    case LinkError::NotOpen:
    case LinkError::WriteFailed: break;
    }
    const QString why = text(result.systemText);
    switch (frame) {
    case Frame::Open:
        //: %1 is the port number, %2 the device path, %3 the system's own message
        return QCoreApplication::translate("StatusText", "Port %1 (%2): cannot open (%3).").arg(port, path, why);
    case Frame::Back:
        //: %1 is the port number, %2 the device path, %3 the system's own message
        return QCoreApplication::translate("StatusText", "Port %1 (%2) is back but did not open: cannot open (%3).")
            .arg(port, path, why);
    case Frame::Probe:
        //: %1 is the port number, %2 the system's own message
        return QCoreApplication::translate("StatusText", "Port %1: cannot open (%2).").arg(port, why);
    case Frame::BothProbes:
        //: %1 is the system's own message
        return QCoreApplication::translate("StatusText", "Ports 1 and 2: cannot open (%1).").arg(why);
    }
    return {};
}

// Whether both probes failed alike, so that one sentence says it for both.
bool sameReason(const LinkResult &a, const LinkResult &b)
{
    if (a.error != b.error)
        return false;
    switch (a.error) {
    case LinkError::NoSuchDevice:
    case LinkError::PermissionDenied:
    case LinkError::InUse:
    case LinkError::SystemConsole: return true;
    case LinkError::OpenFailed: return a.systemText == b.systemText;
    default: return false;
    }
}

// What to do about a device this user may not open, as a sentence.
QString accessAdvice(const SerialDevice &device)
{
    return text(AccessAdvice(device, named(device).toStdString()));
}

// Each piece of advice once, for devices this user may not open.
QStringList accessAdvice(const std::vector<SerialDevice> &refused)
{
    QStringList advice;
    for (const SerialDevice &device : refused)
        if (const QString said = accessAdvice(device); !advice.contains(said))
            advice << said;
    return advice;
}

std::optional<SerialDevice> deviceAt(const std::vector<SerialDevice> &devices, const std::string &path)
{
    for (const SerialDevice &device : devices)
        if (device.path == path)
            return device;
    return std::nullopt;
}

// For a port this user may not open: the device's own rule where it is
// known; Debian's serial ports belong to the dialout group otherwise.
SerialDevice refusedDevice(const LinkResult &result, const std::optional<SerialDevice> &device)
{
    if (device && !device->path.empty())
        return *device;
    SerialDevice unknown;
    unknown.portNumber = result.portNumber;
    unknown.path = result.devicePath;
    unknown.grantingGroup = "dialout";
    return unknown;
}

// What to do about it, once, where there is something to do.
QString advice(const LinkResult &result, const std::optional<SerialDevice> &device = std::nullopt)
{
    switch (result.error) {
    case LinkError::PermissionDenied: return accessAdvice(refusedDevice(result, device));
    case LinkError::InUse: return QCoreApplication::translate("StatusText", "Close it or pick another port.");
    case LinkError::SystemConsole: return QCoreApplication::translate("StatusText", "Pick another port.");
    default: return {};
    }
}

QString openFailed(const LinkResult &result, const std::optional<SerialDevice> &device, int lastPortNumber)
{
    const bool noNumber = result.error == LinkError::NoDeviceForPort && result.portNumber == 0;
    if (noNumber && text(result.systemText).trimmed().isEmpty())
        //: %1 is the highest port number
        return QCoreApplication::translate("StatusText", "Type a port number from 1 to %1.").arg(lastPortNumber);
    if (noNumber || result.error == LinkError::PortNumberOutOfRange)
        //: %1 is what the operator typed in the COM-port field, %2 the highest port number
        return QCoreApplication::translate("StatusText", "\"%1\" is not a port number - type 1 to %2.")
            .arg(quoted(result.systemText), number(lastPortNumber));
    return StatusText::together(reason(result, Frame::Open, lastPortNumber), advice(result, device));
}

// Devices found while no port is open: those this user can open first, with
// the advice to pick one; then those they cannot, with what to do once. Two
// are named, the rest are in the list.
QStringList found(const std::vector<SerialDevice> &devices)
{
    std::vector<SerialDevice> openable, refused;
    for (const SerialDevice &device : devices)
        (device.mayOpen ? openable : refused).push_back(device);
    QStringList sentences;
    const int openables = int(openable.size());
    if (openables == 1)
        //: %1 is a device such as "33 FTDI FT232R USB UART (ttyUSB0)"; COM-port is the field's caption
        sentences
            << QCoreApplication::translate("StatusText", "Found %1 - pick it under COM-port.").arg(named(openable[0]));
    else if (openables == 2)
        //: %1 and %2 are devices such as "33 FTDI FT232R USB UART (ttyUSB0)"
        sentences << QCoreApplication::translate("StatusText", "Found %1, %2 - pick one under COM-port.")
                         .arg(named(openable[0]), named(openable[1]));
    else if (const int more = openables - 2; more > 0)
        // (lupdate reads no arithmetic in the count: it drops the message)
        //: %1 and %2 are devices such as "33 FTDI FT232R USB UART (ttyUSB0)"; %n more are in the list
        sentences << QCoreApplication::translate("StatusText", "Found %1, %2, %n more - pick one under COM-port.", "",
                                                 more)
                         .arg(named(openable[0]), named(openable[1]));
    const int refusals = int(refused.size());
    if (refusals == 1)
        //: %1 is a device such as "33 FTDI FT232R USB UART (ttyUSB0)"
        sentences << QCoreApplication::translate("StatusText", "No permission for %1.").arg(named(refused[0]));
    else if (refusals == 2)
        //: %1 and %2 are devices such as "33 FTDI FT232R USB UART (ttyUSB0)"
        sentences << QCoreApplication::translate("StatusText", "No permission for %1, %2.")
                         .arg(named(refused[0]), named(refused[1]));
    else if (const int more = refusals - 2; more > 0)
        //: %1 and %2 are devices such as "33 FTDI FT232R USB UART (ttyUSB0)"; %n more are in the list
        sentences << QCoreApplication::translate("StatusText", "No permission for %1, %2, %n more.", "", more)
                         .arg(named(refused[0]), named(refused[1]));
    return sentences;
}

std::vector<SerialDevice> refusedOf(const std::vector<SerialDevice> &devices)
{
    std::vector<SerialDevice> refused;
    for (const SerialDevice &device : devices)
        if (!device.mayOpen)
            refused.push_back(device);
    return refused;
}

QString noPortFound(const PortEvent &event, int lastPortNumber)
{
    // The probed ports are said by the probes; the others by what they are.
    std::vector<SerialDevice> others;
    for (const SerialDevice &device : event.devices)
        if (device.portNumber != 1 && device.portNumber != 2)
            others.push_back(device);
    QStringList sentences = found(others);
    if (others.empty())
        sentences << QCoreApplication::translate("StatusText", "No other serial device - plug in the adapter.");

    const auto &probes = event.failedProbes;
    if (probes.size() == 2 && sameReason(probes[0], probes[1]))
        sentences << reason(probes[0], Frame::BothProbes, lastPortNumber);
    else if (probes.size() == 2)
        sentences << reason(probes[0], Frame::Probe, lastPortNumber) << reason(probes[1], Frame::Probe, lastPortNumber);

    // What to do, each piece once: the probed ports this user may not open
    // first, then the other devices.
    std::vector<SerialDevice> refused;
    for (const LinkResult &probe : probes)
        if (probe.error == LinkError::PermissionDenied)
            refused.push_back(refusedDevice(probe, deviceAt(event.devices, probe.devicePath)));
    for (const SerialDevice &device : refusedOf(others))
        refused.push_back(device);
    sentences << accessAdvice(refused);
    return sentences.join(QLatin1Char(' '));
}

QString devicesChanged(const PortEvent &event)
{
    if (event.devices.empty())
        //: COM-port is the field's caption
        return QCoreApplication::translate(
            "StatusText", "No serial device found - plug in the adapter or type a port number under COM-port.");
    QStringList sentences = found(event.devices);
    sentences << accessAdvice(refusedOf(event.devices));
    return sentences.join(QLatin1Char(' '));
}

QString anotherDevice(const SerialDevice &device)
{
    const QString description = text(DeviceDescription(device));
    const QString port = number(device.portNumber);
    if (device.mayOpen && description.isEmpty())
        //: %1 is the port number, %2 the device path
        return QCoreApplication::translate("StatusText", "Port %1 (%2) is now another device - pick it to use it.")
            .arg(port, text(device.path));
    if (device.mayOpen)
        //: %1 is the port number, %2 what the device is, such as "FTDI FT232R USB UART"
        return QCoreApplication::translate("StatusText", "Port %1 is now another device: %2 - pick it to use it.")
            .arg(port, description);
    const QString what =
        description.isEmpty()
            //: %1 is the port number, %2 the device path
            ? QCoreApplication::translate("StatusText", "Port %1 (%2) is now another device, no permission.")
                  .arg(port, text(device.path))
            //: %1 is the port number, %2 what the device is, such as "FTDI FT232R USB UART"
            : QCoreApplication::translate("StatusText", "Port %1 is now another device: %2, no permission.")
                  .arg(port, description);
    return StatusText::together(what, accessAdvice(device));
}
} // namespace

namespace StatusText {
QString of(const PortEvent &event, int lastPortNumber)
{
    using Kind = PortEvent::Kind;
    const QString port = number(event.result.portNumber);
    const QString path = text(event.result.devicePath);
    switch (event.kind) {
    case Kind::Opened:
        //: %1 is the port number, %2 the device path such as /dev/ttyUSB0 or COM3
        return QCoreApplication::translate("StatusText", "Port %1 (%2) open.").arg(port, path);
    case Kind::OpenFailed: return openFailed(event.result, event.device, lastPortNumber);
    case Kind::StartupCommandSent:
        if (!event.result.ok())
            return notSent(event.result, 0, false);
        //: %1 is the port number, %2 the device path
        return QCoreApplication::translate("StatusText", "Port %1 (%2) open, start-up command sent.").arg(port, path);
    case Kind::NoPortFound: return noPortFound(event, lastPortNumber);
    case Kind::RememberedOpened:
        //: %1 is the port number, %2 the device path
        return QCoreApplication::translate("StatusText", "Port %1 (%2) open - the adapter used last time.")
            .arg(port, path);
    case Kind::RememberedReplaced:
    case Kind::AnotherDevice: return anotherDevice(*event.device);
    case Kind::RememberedElsewhere:
        //: %1 is a device such as "33 FTDI FT232R USB UART (ttyUSB0)"
        return QCoreApplication::translate("StatusText", "The adapter used last time is %1 - pick it to use it.")
            .arg(named(*event.device));
    case Kind::Unplugged:
        //: %1 is the port number, %2 the device path
        return QCoreApplication::translate("StatusText",
                                           "Port %1 (%2) unplugged - it opens again when plugged back in.")
            .arg(port, path);
    case Kind::ClosedForRemoval:
        //: %1 is the port number, %2 the device path
        return QCoreApplication::translate(
                   "StatusText",
                   "Port %1 (%2) closed so that it can be removed safely - it opens again when plugged back in.")
            .arg(port, path);
    case Kind::Back:
        if (event.result.portNumber == event.previous.portNumber)
            //: %1 is the port number, %2 the device path
            return QCoreApplication::translate("StatusText", "Port %1 (%2) plugged in again and open.").arg(port, path);
        //: %1 is the port number the device had, %2 the one it has now, %3 its device path
        return QCoreApplication::translate("StatusText", "Port %1 is back as port %2 (%3) and open.")
            .arg(number(event.previous.portNumber), port, path);
    case Kind::ReopenFailed: return together(reason(event.result, Frame::Back, lastPortNumber), advice(event.result));
    case Kind::DevicesChanged: return devicesChanged(event);
    case Kind::MemoryNotWritable: break; // said with the send's outcome: see notKept
    }
    return {};
}

QString sending(const ScoreKeeper::DigitCells &digits, int portNumber, const Asker &asker)
{
    if (asker.from.isEmpty())
        //: %1 are the scores as the board shows them ("08 15"), %2 the port number
        return QCoreApplication::translate("StatusText", "Sending %1 to port %2 ...")
            .arg(scores(digits), number(portNumber));
    if (asker.request == Request::Reset)
        //: %1 is the remote device that asked, such as 192.168.1.23; %2 the scores, %3 the port number
        return QCoreApplication::translate("StatusText", "Reset from %1: Sending %2 to port %3 ...")
            .arg(asker.from, scores(digits), number(portNumber));
    //: %1 is the remote device that asked, such as 192.168.1.23; %2 the scores, %3 the port number
    return QCoreApplication::translate("StatusText", "Update from %1: Sending %2 to port %3 ...")
        .arg(asker.from, scores(digits), number(portNumber));
}

QString waiting(const Asker &asker, const ScoreKeeper::DigitCells *digits)
{
    const bool reset = asker.request == Request::Reset;
    if (asker.from.isEmpty() && !digits)
        return reset ? QCoreApplication::translate("StatusText",
                                                   "Reset waiting - the board is being sent the start-up command.")
                     : QCoreApplication::translate("StatusText",
                                                   "Update waiting - the board is being sent the start-up command.");
    if (asker.from.isEmpty())
        //: %1 are the scores being sent ("08 15")
        return (reset ? QCoreApplication::translate("StatusText", "Reset waiting - the board is being sent %1.")
                      //: %1 are the scores being sent ("08 15")
                      : QCoreApplication::translate("StatusText", "Update waiting - the board is being sent %1."))
            .arg(scores(*digits));
    if (!digits)
        //: %1 is the remote device that asked, such as 192.168.1.23
        return (reset ? QCoreApplication::translate(
                            "StatusText", "Reset from %1 waiting - the board is being sent the start-up command.")
                      //: %1 is the remote device that asked, such as 192.168.1.23
                      : QCoreApplication::translate(
                            "StatusText", "Update from %1 waiting - the board is being sent the start-up command."))
            .arg(asker.from);
    //: %1 is the remote device that asked, such as 192.168.1.23; %2 are the scores being sent ("08 15")
    return (reset ? QCoreApplication::translate("StatusText", "Reset from %1 waiting - the board is being sent %2.")
                  //: %1 is the remote device that asked, such as 192.168.1.23; %2 are the scores being sent
                  : QCoreApplication::translate("StatusText", "Update from %1 waiting - the board is being sent %2."))
        .arg(asker.from, scores(*digits));
}

QString boardShows(const ScoreKeeper::DigitCells &digits, const LinkResult &sent, const QTime &at, const Asker &asker)
{
    const QString time = at.toString(QStringLiteral("HH:mm:ss"));
    if (asker.from.isEmpty())
        //: %1 are the scores ("08 15"), %2 the port number, %3 the time of day
        return QCoreApplication::translate("StatusText", "Board shows %1 - sent to port %2 at %3.")
            .arg(scores(digits), number(sent.portNumber), time);
    if (asker.request == Request::Reset)
        //: %1 is the remote device that asked; %2 the scores ("08 15"), %3 the port number, %4 the time of day
        return QCoreApplication::translate("StatusText", "Reset from %1: Board shows %2 - sent to port %3 at %4.")
            .arg(asker.from, scores(digits), number(sent.portNumber), time);
    //: %1 is the remote device that asked; %2 the scores ("08 15"), %3 the port number, %4 the time of day
    return QCoreApplication::translate("StatusText", "Update from %1: Board shows %2 - sent to port %3 at %4.")
        .arg(asker.from, scores(digits), number(sent.portNumber), time);
}

QString notOnTheBoardYet()
{
    //: "Update scoreboard" is the button's caption
    return QCoreApplication::translate("StatusText", "Not on the board yet - press Update scoreboard.");
}

QString notSent(const LinkResult &result, int digitsSent, bool awaited)
{
    constexpr int kDigits = ScoreKeeper::kCellCount;
    const QString port = number(result.portNumber);
    const QString path = text(result.devicePath);
    const QString why = text(result.systemText);
    const QString all = number(kDigits);
    if (result.error == LinkError::WriteFailed && awaited) {
        if (digitsSent > 0)
            //: %n digits of %1 went out; %2 is the port number. "Update scoreboard" is the button's caption.
            return QCoreApplication::translate("StatusText",
                                               "Update cut off after %n of %1 digits: port %2 was unplugged - the "
                                               "board may show a mix; it is reopened when plugged back in, then "
                                               "press Update scoreboard.",
                                               "", digitsSent)
                .arg(all, port);
        //: %1 is the port number. "Update scoreboard" is the button's caption.
        return QCoreApplication::translate("StatusText",
                                           "Not sent: port %1 was unplugged - it is reopened when plugged back in, "
                                           "then press Update scoreboard.")
            .arg(port);
    }
    if (result.error == LinkError::WriteFailed && digitsSent > 0 && why.isEmpty())
        //: %n digits of %1 went out; %2 is the port number, %3 the device path
        return QCoreApplication::translate("StatusText",
                                           "Update cut off after %n of %1 digits: port %2 (%3) stopped working - the "
                                           "board may show a mix; check the cable, then press Update scoreboard.",
                                           "", digitsSent)
            .arg(all, port, path);
    if (result.error == LinkError::WriteFailed && digitsSent > 0)
        //: %n digits of %1 went out; %2 is the port number, %3 the device path, %4 the system's own message
        return QCoreApplication::translate("StatusText",
                                           "Update cut off after %n of %1 digits: port %2 (%3) stopped working (%4) - "
                                           "the board may show a mix; check the cable, then press Update scoreboard.",
                                           "", digitsSent)
            .arg(all, port, path, why);
    if (result.error == LinkError::WriteFailed && why.isEmpty())
        //: %1 is the port number, %2 the device path
        return QCoreApplication::translate(
                   "StatusText",
                   "Not sent: port %1 (%2) stopped working - check the cable, then press Update scoreboard.")
            .arg(port, path);
    if (result.error == LinkError::WriteFailed)
        //: %1 is the port number, %2 the device path, %3 the system's own message
        return QCoreApplication::translate(
                   "StatusText",
                   "Not sent: port %1 (%2) stopped working (%3) - check the cable, then press Update scoreboard.")
            .arg(port, path, why);
    if (awaited)
        //: %1 is the port number
        return QCoreApplication::translate("StatusText",
                                           "Not sent: port %1 is unplugged - it is reopened when plugged back in, "
                                           "then press Update scoreboard.")
            .arg(port);
    //: COM-port is the field's caption
    return QCoreApplication::translate("StatusText", "Not sent: no port is open - choose one under COM-port.");
}

QString notKept(const QString &settingsFile)
{
    //: %1 is the settings file
    return QCoreApplication::translate("StatusText", "Not kept for next time: %1 cannot be written.").arg(settingsFile);
}

QString lastMatch(const MatchMemory::LastMatch &last)
{
    // Restore brings back the window's scores where they are known: say them
    // where the board showed others, or was never sent any.
    if (!last.boardShowed)
        //: %1 are the scores the window showed ("08 15")
        return QCoreApplication::translate("StatusText", "Last match: window showed %1.")
            .arg(scores(*last.windowShowed));
    const QString board = scores(*last.boardShowed);
    const QString at = !last.sentAt.isValid() ? QString()
                       : last.sentAt.date() == QDate::currentDate()
                           ? last.sentAt.toString(QStringLiteral("HH:mm"))
                           : last.sentAt.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    const bool windowDiffers = last.windowShowed && *last.windowShowed != *last.boardShowed;
    if (at.isEmpty() && !windowDiffers)
        //: %1 are the scores the board showed ("08 15")
        return QCoreApplication::translate("StatusText", "Last match: board showed %1.").arg(board);
    if (at.isEmpty())
        //: %1 are the scores the board showed, %2 those the window showed
        return QCoreApplication::translate("StatusText", "Last match: board showed %1, window %2.")
            .arg(board, scores(*last.windowShowed));
    if (!windowDiffers)
        //: %1 are the scores the board showed, %2 when they were sent
        return QCoreApplication::translate("StatusText", "Last match: board showed %1 at %2.").arg(board, at);
    //: %1 are the scores the board showed, %2 when they were sent, %3 the scores the window showed
    return QCoreApplication::translate("StatusText", "Last match: board showed %1 at %2, window %3.")
        .arg(board, at, scores(*last.windowShowed));
}

QString restoreHint(const QString &key)
{
    if (key.isEmpty())
        //: Restore is the caption of what brings the last match's scores back into the window
        return QCoreApplication::translate("StatusText", "Press Restore to bring it back.");
    //: Restore is the caption of what brings the last match back; %1 is its shortcut key, such as Ctrl+R
    return QCoreApplication::translate("StatusText", "Press Restore (%1) to bring it back.").arg(key);
}

QString restoreCaption()
{
    //: brings the last match's scores back into the window
    return QCoreApplication::translate("StatusText", "Restore");
}

QString askedBy(const Asker &asker)
{
    if (asker.from.isEmpty())
        return {};
    switch (asker.request) {
    case Request::Update:
        //: %1 is the remote device, such as 192.168.1.23
        return QCoreApplication::translate("StatusText", "%1 asked for an update.").arg(asker.from);
    case Request::Reset:
        //: %1 is the remote device, such as 192.168.1.23
        return QCoreApplication::translate("StatusText", "%1 asked for a reset.").arg(asker.from);
    case Request::LeftUp:
        //: %1 is the remote device, such as 192.168.1.23
        return QCoreApplication::translate("StatusText", "%1 raised the left score.").arg(asker.from);
    case Request::LeftDown:
        //: %1 is the remote device, such as 192.168.1.23
        return QCoreApplication::translate("StatusText", "%1 lowered the left score.").arg(asker.from);
    case Request::RightUp:
        //: %1 is the remote device, such as 192.168.1.23
        return QCoreApplication::translate("StatusText", "%1 raised the right score.").arg(asker.from);
    case Request::RightDown:
        //: %1 is the remote device, such as 192.168.1.23
        return QCoreApplication::translate("StatusText", "%1 lowered the right score.").arg(asker.from);
    case Request::Restore:
        //: %1 is the remote device, such as 192.168.1.23
        return QCoreApplication::translate("StatusText", "%1 restored the last match.").arg(asker.from);
    }
    return {};
}

QString together(const QString &first, const QString &then)
{
    if (first.isEmpty() || then.isEmpty())
        return first + then;
    return first + QLatin1Char(' ') + then;
}
} // namespace StatusText
