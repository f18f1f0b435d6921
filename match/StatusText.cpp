#include "match/StatusText.h"

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
        return QStringLiteral("%1 %2").arg(word, QString::number(result.portNumber));
    return QStringLiteral("%1 %2 (%3)").arg(word, QString::number(result.portNumber), text(result.devicePath));
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
        return QStringLiteral("%1 (%2)").arg(QString::number(device.portNumber), name);
    return QStringLiteral("%1 %2 (%3)").arg(QString::number(device.portNumber), description, name);
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

QString sentence(const std::string &words)
{
    QString text = QString::fromStdString(words);
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

// What to do about a device this user may not open, as a sentence:
// "Join the dialout group, then log in again." or "33 (ttyUSB0) is owned by
// root - an administrator must allow you to use it."
QString accessAdvice(const SerialDevice &device)
{
    if (!device.grantingGroup.empty())
        return sentence(AccessAdvice(device)) + QStringLiteral(", then log in again.");
    if (!device.owner.empty())
        return QStringLiteral("%1 is %2.").arg(named(device), text(AccessAdvice(device)));
    return QStringLiteral("%1: %2.").arg(named(device), text(AccessAdvice(device)));
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
QString permissionAdvice(const LinkResult &result, const std::optional<SerialDevice> &device)
{
    if (device)
        return accessAdvice(*device);
    SerialDevice unknown;
    unknown.portNumber = result.portNumber;
    unknown.path = result.devicePath;
    unknown.grantingGroup = "dialout";
    return accessAdvice(unknown);
}

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
QString advice(const LinkResult &result, const std::optional<SerialDevice> &device = std::nullopt)
{
    switch (result.error) {
    case LinkError::PermissionDenied: return permissionAdvice(result, device);
    case LinkError::InUse: return QStringLiteral("Close it or pick another port.");
    case LinkError::SystemConsole: return QStringLiteral("Pick another port.");
    default: return {};
    }
}

QString openFailed(const LinkResult &result, const std::optional<SerialDevice> &device, int lastPortNumber)
{
    const bool noNumber = result.error == LinkError::NoDeviceForPort && result.portNumber == 0;
    if (noNumber && text(result.systemText).trimmed().isEmpty())
        return QStringLiteral("Type a port number from 1 to %1").arg(lastPortNumber);
    if (noNumber || result.error == LinkError::PortNumberOutOfRange)
        return QStringLiteral("%1 is not a port number - type 1 to %2")
            .arg(quoted(result.systemText), QString::number(lastPortNumber));
    if (result.error == LinkError::NoSerialPort)
        return QStringLiteral("Port %1: %2").arg(QString::number(result.portNumber), reason(result, lastPortNumber));
    const QString then = advice(result, device);
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
        sentences << QStringLiteral("No other serial device - plug in the adapter.");

    const auto &probes = event.failedProbes;
    if (probes.size() == 2 && reason(probes[0], lastPortNumber) == reason(probes[1], lastPortNumber))
        sentences << QStringLiteral("Ports 1 and 2: %1.").arg(reason(probes[0], lastPortNumber));
    else if (probes.size() == 2)
        sentences << QStringLiteral("Port 1: %1, port 2: %2.")
                         .arg(reason(probes[0], lastPortNumber), reason(probes[1], lastPortNumber));

    // What to do, each piece once: the probed ports this user may not open
    // first, then the other devices.
    std::vector<SerialDevice> refused;
    for (const LinkResult &probe : probes) {
        if (probe.error != LinkError::PermissionDenied)
            continue;
        SerialDevice device = deviceAt(event.devices, probe.devicePath).value_or(SerialDevice{});
        if (device.path.empty()) {
            device.portNumber = probe.portNumber;
            device.path = probe.devicePath;
            device.grantingGroup = "dialout";
        }
        refused.push_back(device);
    }
    for (const SerialDevice &device : refusedOf(others))
        refused.push_back(device);
    sentences << accessAdvice(refused);
    return sentences.join(QLatin1Char(' '));
}

QString devicesChanged(const PortEvent &event)
{
    QStringList sentences = found(event.devices);
    if (event.devices.empty())
        return QStringLiteral("No serial device found - plug in the adapter or type a port number under COM-port");
    sentences << accessAdvice(refusedOf(event.devices));
    return sentences.join(QLatin1Char(' '));
}

QString anotherDevice(const SerialDevice &device)
{
    const QString description = text(DeviceDescription(device));
    const QString number = QString::number(device.portNumber);
    const QString what =
        description.isEmpty()
            ? QStringLiteral("Port %1 (%2) is now another device").arg(number, text(device.path))
            : QStringLiteral("Port %1 is now %2 %3").arg(number, StatusText::article(description), description);
    if (!device.mayOpen)
        return what + QStringLiteral(", no permission. ") + accessAdvice(device);
    return what + QStringLiteral(" - pick it to use it");
}
} // namespace

namespace StatusText {
QString of(const PortEvent &event, int lastPortNumber)
{
    using Kind = PortEvent::Kind;
    switch (event.kind) {
    case Kind::Opened: return QStringLiteral("%1 open").arg(port(event.result));
    case Kind::OpenFailed: return openFailed(event.result, event.device, lastPortNumber);
    case Kind::StartupCommandSent:
        if (!event.result.ok())
            return notSent(event.result, 0, false);
        return QStringLiteral("%1 open, start-up command sent").arg(port(event.result));
    case Kind::NoPortFound: return noPortFound(event, lastPortNumber);
    case Kind::RememberedOpened: return QStringLiteral("%1 open - the adapter used last time").arg(port(event.result));
    case Kind::RememberedReplaced:
    case Kind::AnotherDevice: return anotherDevice(*event.device);
    case Kind::RememberedElsewhere:
        return QStringLiteral("The adapter used last time is %1 - pick it to use it").arg(named(*event.device));
    case Kind::Unplugged:
        return QStringLiteral("%1 unplugged - it opens again when plugged back in").arg(port(event.result));
    case Kind::ClosedForRemoval:
        return QStringLiteral("%1 closed so that it can be removed safely - it opens again when plugged back in")
            .arg(port(event.result));
    case Kind::Back:
        if (event.result.portNumber == event.previous.portNumber)
            return QStringLiteral("%1 plugged in again and open").arg(port(event.result));
        return QStringLiteral("Port %1 is back as %2 and open")
            .arg(QString::number(event.previous.portNumber), port(event.result, QStringLiteral("port")));
    case Kind::ReopenFailed:
        return QStringLiteral("%1 is back but did not open: %2")
                   .arg(port(event.result), reason(event.result, lastPortNumber)) +
               (advice(event.result).isEmpty() ? QString() : QStringLiteral(". ") + advice(event.result));
    case Kind::DevicesChanged: return devicesChanged(event);
    case Kind::MemoryNotWritable: break; // said with the send's outcome: see notKept
    }
    return {};
}

QString sending(const ScoreKeeper::DigitCells &digits, int portNumber)
{
    return QStringLiteral("Sending %1%2 %3%4 to port %5 ...")
        .arg(text(digits[0]), text(digits[1]), text(digits[2]), text(digits[3]), QString::number(portNumber));
}

QString waiting(const QString &action, const QString &from, const ScoreKeeper::DigitCells *digits)
{
    const QString asker = from.isEmpty() ? action : QStringLiteral("%1 from %2").arg(action, from);
    if (!digits)
        return QStringLiteral("%1 waiting - the board is being sent the start-up command").arg(asker);
    return QStringLiteral("%1 waiting - the board is being sent %2%3 %4%5")
        .arg(asker, text((*digits)[0]), text((*digits)[1]), text((*digits)[2]), text((*digits)[3]));
}

QString boardShows(const ScoreKeeper::DigitCells &digits, const LinkResult &sent, const QTime &at)
{
    return QStringLiteral("Board shows %1%2 %3%4 - sent to port %5 at %6")
        .arg(text(digits[0]), text(digits[1]), text(digits[2]), text(digits[3]), QString::number(sent.portNumber),
             at.toString(QStringLiteral("HH:mm:ss")));
}

QString notOnTheBoardYet()
{
    return QStringLiteral("Not on the board yet - press Update scoreboard");
}

QString notSent(const LinkResult &result, int digitsSent, bool awaited)
{
    constexpr int kDigits = ScoreKeeper::kCellCount;
    const QString where = port(result, QStringLiteral("port"));
    const QString cutOff = QStringLiteral("Update cut off after %1 of %2 digits: ").arg(digitsSent).arg(kDigits);
    const QString mix = QStringLiteral(" - the board may show a mix; ");
    if (result.error == LinkError::WriteFailed && awaited) {
        const QString then = QStringLiteral("it is reopened when plugged back in, then press Update scoreboard");
        if (digitsSent > 0)
            return cutOff + QStringLiteral("port %1 was unplugged").arg(result.portNumber) + mix + then;
        return QStringLiteral("Not sent: port %1 was unplugged - ").arg(result.portNumber) + then;
    }
    if (result.error == LinkError::WriteFailed) {
        const QString why =
            result.systemText.empty() ? QString() : QStringLiteral(" (%1)").arg(text(result.systemText));
        const QString then = QStringLiteral("check the cable, then press Update scoreboard");
        if (digitsSent > 0)
            return cutOff + QStringLiteral("%1 stopped working%2").arg(where, why) + mix + then;
        return QStringLiteral("Not sent: %1 stopped working%2 - ").arg(where, why) + then;
    }
    if (awaited)
        return QStringLiteral("Not sent: port %1 is unplugged - it is reopened when plugged back in, then press "
                              "Update scoreboard")
            .arg(result.portNumber);
    return QStringLiteral("Not sent: no port is open - choose one under COM-port");
}

QString notKept(const QString &settingsFile)
{
    return QStringLiteral("Not kept for next time: %1 cannot be written").arg(settingsFile);
}

QString lastMatch(const MatchMemory::LastMatch &last)
{
    const auto scores = [](const ScoreKeeper::DigitCells &digits) {
        return QStringLiteral("%1%2 %3%4").arg(text(digits[0]), text(digits[1]), text(digits[2]), text(digits[3]));
    };
    // Restore brings back the window's scores where they are known: say them
    // where the board showed others, or was never sent any.
    if (!last.boardShowed)
        return QStringLiteral("Last match: window showed %1 - Restore").arg(scores(*last.windowShowed));
    QString shown = QStringLiteral("Last match: board showed %1").arg(scores(*last.boardShowed));
    if (last.sentAt.isValid())
        shown += QStringLiteral(" at %1").arg(last.sentAt.date() == QDate::currentDate()
                                                  ? last.sentAt.toString(QStringLiteral("HH:mm"))
                                                  : last.sentAt.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    if (last.windowShowed && *last.windowShowed != *last.boardShowed)
        shown += QStringLiteral(", window %1").arg(scores(*last.windowShowed));
    return shown + QStringLiteral(" - Restore");
}

QString byRemote(const QString &action, const QString &from, const QString &status)
{
    if (from.isEmpty())
        return status;
    return QStringLiteral("%1 from %2: %3").arg(action, from, status);
}

QString followedBy(const QString &first, const QString &then)
{
    if (first.isEmpty())
        return then;
    return first + (first.endsWith(QLatin1Char('.')) ? QStringLiteral(" ") : QStringLiteral(". ")) + then;
}

QString article(const QString &words)
{
    // An initialism is said letter by letter: "an FTDI", "an HL-340", "a
    // CH340"; a word by its first sound, roughly its first letter.
    const QString first = words.section(QLatin1Char(' '), 0, 0).section(QLatin1Char('-'), 0, 0);
    if (first.isEmpty())
        return QStringLiteral("a");
    const bool initialism = first.size() > 1 && first.at(1).isUpper();
    const QString vowelSounds = initialism ? QStringLiteral("AEFHILMNORSX") : QStringLiteral("AEIOU");
    return vowelSounds.contains(first.at(0).toUpper()) ? QStringLiteral("an") : QStringLiteral("a");
}
} // namespace StatusText
