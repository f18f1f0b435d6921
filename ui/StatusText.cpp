#include "ui/StatusText.h"

#include <QStringList>

namespace {
constexpr int kQuotedAtMost = 12; // of a typed text, in characters

QString text(const std::string &s)
{
    return QString::fromStdString(s);
}

// "Port 3 (/dev/ttyS2)", or "port 3 ..." inside a sentence.
QString port(const LinkResult &result, const QString &word = QStringLiteral("Port"))
{
    if (result.devicePath.empty())
        return QStringLiteral("%1 %2").arg(word).arg(result.portNumber);
    return QStringLiteral("%1 %2 (%3)").arg(word).arg(result.portNumber).arg(text(result.devicePath));
}

QString quoted(const std::string &typed)
{
    QString shown = text(typed).simplified();
    if (shown.size() > kQuotedAtMost)
        shown = shown.left(kQuotedAtMost - 1) + QChar(0x2026); // an ellipsis
    return QStringLiteral("\"%1\"").arg(shown);
}

// "33 FTDI FT232R USB UART (ttyUSB0)": number first, as the list has it.
QString named(const SerialDevice &device)
{
    const QString description = text(DeviceDescription(device));
    const QString name = text(DeviceName(device));
    if (description.isEmpty())
        return QStringLiteral("%1 (%2)").arg(device.portNumber).arg(name);
    return QStringLiteral("%1 %2 (%3)").arg(device.portNumber).arg(description, name);
}

QString listed(const std::vector<SerialDevice> &devices)
{
    constexpr std::size_t kNamedAtMost = 2; // the rest are in the list
    QStringList names;
    for (std::size_t i = 0; i < devices.size() && i < kNamedAtMost; ++i)
        names << named(devices[i]);
    if (devices.size() > kNamedAtMost)
        names << QStringLiteral("%1 more").arg(devices.size() - kNamedAtMost);
    return names.join(QStringLiteral(", "));
}

const QString kJoinDialout = QStringLiteral("Join the dialout group, then log in again.");

// Why a port did not open, without the port: "no such device".
QString reason(const LinkResult &result, int lastPortNumber)
{
    switch (result.error) {
    case LinkError::None: return QStringLiteral("open");
    case LinkError::PortNumberOutOfRange:
    case LinkError::NoDeviceForPort: return QStringLiteral("no such port - type 1 to %1").arg(lastPortNumber);
    case LinkError::NoSuchDevice: return QStringLiteral("no such device");
    case LinkError::PermissionDenied: return QStringLiteral("permission denied");
    case LinkError::InUse: return QStringLiteral("in use by another program");
    case LinkError::SystemConsole: return QStringLiteral("the system console");
    case LinkError::NoSerialPort: return QStringLiteral("no serial port behind %1").arg(text(result.devicePath));
    case LinkError::OpenFailed:
    case LinkError::NotOpen:
    case LinkError::WriteFailed: break;
    }
    return QStringLiteral("cannot open (%1)").arg(text(result.systemText));
}

// What to do about it, once, where there is something to do.
QString advice(const LinkResult &result)
{
    switch (result.error) {
    case LinkError::PermissionDenied: return kJoinDialout;
    case LinkError::InUse: return QStringLiteral("Close it or pick another port.");
    case LinkError::SystemConsole: return QStringLiteral("Pick another port.");
    default: return {};
    }
}

QString openFailed(const LinkResult &result, int lastPortNumber)
{
    const bool noNumber = result.error == LinkError::NoDeviceForPort && result.portNumber == 0;
    if (noNumber && text(result.systemText).trimmed().isEmpty())
        return QStringLiteral("Type a port number from 1 to %1").arg(lastPortNumber);
    if (noNumber || result.error == LinkError::PortNumberOutOfRange)
        return QStringLiteral("%1 is not a port number - type 1 to %2")
            .arg(quoted(result.systemText))
            .arg(lastPortNumber);
    if (result.error == LinkError::NoSerialPort)
        return QStringLiteral("Port %1: %2").arg(result.portNumber).arg(reason(result, lastPortNumber));
    const QString then = advice(result);
    return QStringLiteral("%1: %2%3")
        .arg(port(result), reason(result, lastPortNumber), then.isEmpty() ? QString() : QStringLiteral(". ") + then);
}

// Devices found while no port is open: those this user can open first, with
// the advice to pick one; then those they cannot, with what to do once.
QStringList found(const std::vector<SerialDevice> &devices)
{
    std::vector<SerialDevice> openable, refused;
    for (const SerialDevice &device : devices)
        (device.mayOpen ? openable : refused).push_back(device);
    QStringList sentences;
    if (!openable.empty())
        sentences << QStringLiteral("Found %1 - pick %2 under COM-port.")
                         .arg(listed(openable), openable.size() == 1 ? QStringLiteral("it") : QStringLiteral("one"));
    if (!refused.empty())
        sentences << QStringLiteral("No permission for %1.").arg(listed(refused));
    return sentences;
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
        sentences << QStringLiteral("No other serial device - plug in the adapter.");

    const auto &probes = event.failedProbes;
    if (probes.size() == 2 && reason(probes[0], lastPortNumber) == reason(probes[1], lastPortNumber))
        sentences << QStringLiteral("Ports 1 and 2: %1.").arg(reason(probes[0], lastPortNumber));
    else if (probes.size() == 2)
        sentences << QStringLiteral("Port 1: %1, port 2: %2.")
                         .arg(reason(probes[0], lastPortNumber), reason(probes[1], lastPortNumber));

    const bool permissionProblem =
        std::any_of(probes.begin(), probes.end(),
                    [](const LinkResult &probe) { return probe.error == LinkError::PermissionDenied; }) ||
        std::any_of(others.begin(), others.end(), [](const SerialDevice &device) { return !device.mayOpen; });
    if (permissionProblem)
        sentences << kJoinDialout;
    return sentences.join(QLatin1Char(' '));
}

QString devicesChanged(const PortEvent &event)
{
    QStringList sentences = found(event.devices);
    if (event.devices.empty())
        return QStringLiteral("No serial device found - plug in the adapter or type a port number under COM-port");
    if (std::any_of(event.devices.begin(), event.devices.end(), [](const SerialDevice &d) { return !d.mayOpen; }))
        sentences << kJoinDialout;
    return sentences.join(QLatin1Char(' '));
}

QString anotherDevice(const SerialDevice &device)
{
    const QString description = text(DeviceDescription(device));
    const QString what =
        description.isEmpty()
            ? QStringLiteral("Port %1 (%2) is now another device").arg(device.portNumber).arg(text(device.path))
            : QStringLiteral("Port %1 is now a %2").arg(device.portNumber).arg(description);
    if (!device.mayOpen)
        return what + QStringLiteral(", no permission. ") + kJoinDialout;
    return what + QStringLiteral(" - pick it to use it");
}
} // namespace

namespace StatusText {
QString of(const PortEvent &event, int lastPortNumber)
{
    using Kind = PortEvent::Kind;
    switch (event.kind) {
    case Kind::Opened: return QStringLiteral("%1 open").arg(port(event.result));
    case Kind::OpenFailed: return openFailed(event.result, lastPortNumber);
    case Kind::StartupCommandSent:
        if (!event.result.ok())
            return notSent(event.result);
        return QStringLiteral("%1 open, start-up command sent").arg(port(event.result));
    case Kind::NoPortFound: return noPortFound(event, lastPortNumber);
    case Kind::RememberedOpened: return QStringLiteral("%1 open - the adapter used last time").arg(port(event.result));
    case Kind::RememberedReplaced:
    case Kind::AnotherDevice: return anotherDevice(*event.device);
    case Kind::Unplugged:
        return QStringLiteral("%1 unplugged - it opens again when plugged back in").arg(port(event.result));
    case Kind::Back:
        if (event.result.portNumber == event.previous.portNumber)
            return QStringLiteral("%1 plugged in again and open").arg(port(event.result));
        return QStringLiteral("Port %1 is back as %2 and open")
            .arg(event.previous.portNumber)
            .arg(port(event.result, QStringLiteral("port")));
    case Kind::ReopenFailed:
        return QStringLiteral("%1 is back but did not open: %2")
                   .arg(port(event.result), reason(event.result, lastPortNumber)) +
               (advice(event.result).isEmpty() ? QString() : QStringLiteral(". ") + advice(event.result));
    case Kind::DevicesChanged: return devicesChanged(event);
    case Kind::MemoryNotWritable: break; // said with the send's outcome: see notKept
    }
    return {};
}

QString sending(int portNumber)
{
    return QStringLiteral("Sending to port %1 ...").arg(portNumber);
}

QString boardShows(const ScoreKeeper::DigitCells &digits, const LinkResult &sent, const QTime &at)
{
    return QStringLiteral("Board shows %1%2 %3%4 - sent to port %5 at %6")
        .arg(text(digits[0]), text(digits[1]), text(digits[2]), text(digits[3]))
        .arg(sent.portNumber)
        .arg(at.toString(QStringLiteral("HH:mm:ss")));
}

QString notOnTheBoardYet()
{
    return QStringLiteral("Not on the board yet - press Update scoreboard");
}

QString notSent(const LinkResult &result)
{
    if (result.error == LinkError::WriteFailed) {
        const QString why =
            result.systemText.empty() ? QString() : QStringLiteral(" (%1)").arg(text(result.systemText));
        return QStringLiteral("Not sent: %1 stopped working%2 - check the cable, then choose the port again")
            .arg(port(result, QStringLiteral("port")), why);
    }
    return QStringLiteral("Not sent: no port is open - choose one under COM-port");
}

QString notKept(const QString &settingsFile)
{
    return QStringLiteral("Not kept for next time: %1 cannot be written").arg(settingsFile);
}

QString lastMatch(const ScoreKeeper::DigitCells &board, const QDateTime &sentAt, const ScoreKeeper::DigitCells &window)
{
    const auto scores = [](const ScoreKeeper::DigitCells &digits) {
        return QStringLiteral("%1%2 %3%4").arg(text(digits[0]), text(digits[1]), text(digits[2]), text(digits[3]));
    };
    // Restore brings back the window's scores: say them where the board
    // showed others, or was never sent any.
    if (!sentAt.isValid())
        return QStringLiteral("Last match: window showed %1 - Restore").arg(scores(window));
    const QString when = sentAt.date() == QDate::currentDate() ? sentAt.toString(QStringLiteral("HH:mm"))
                                                               : sentAt.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    const QString shown = QStringLiteral("Last match: board showed %1 at %2").arg(scores(board), when);
    if (window != board)
        return shown + QStringLiteral(", window %1 - Restore").arg(scores(window));
    return shown + QStringLiteral(" - Restore");
}
} // namespace StatusText
