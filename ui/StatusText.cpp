#include "ui/StatusText.h"

#include <QStringList>
#include <QTime>

namespace {
// "Port 3 (/dev/ttyS2)", or "port 3 ..." inside a sentence.
QString port(const LinkResult &result, const QString &word = QStringLiteral("Port"))
{
    if (result.devicePath.empty())
        return QStringLiteral("%1 %2").arg(word).arg(result.portNumber);
    return QStringLiteral("%1 %2 (%3)").arg(word).arg(result.portNumber).arg(QString::fromStdString(result.devicePath));
}

QString systemText(const LinkResult &result)
{
    return QString::fromStdString(result.systemText);
}

QString now()
{
    return QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
}
// Why a probe at start failed, in a few words: the status line is small.
QString probeFailure(const LinkResult &result)
{
    switch (result.error) {
    case LinkError::NoSuchDevice:
    case LinkError::NoDeviceForPort: return QStringLiteral("no such device");
    case LinkError::PermissionDenied: return QStringLiteral("permission denied: join the dialout group");
    case LinkError::InUse: return QStringLiteral("in use");
    case LinkError::SystemConsole: return QStringLiteral("system console");
    default: return systemText(result);
    }
}

// "33 FTDI FT232R USB UART (ttyUSB0)"
QString foundDevice(const SerialDevice &device)
{
    const std::string description = DeviceDescription(device);
    const QString name = QString::fromStdString(DeviceName(device));
    QString text =
        description.empty()
            ? QStringLiteral("%1 (%2)").arg(device.portNumber).arg(name)
            : QStringLiteral("%1 %2 (%3)").arg(device.portNumber).arg(QString::fromStdString(description), name);
    if (!device.mayOpen)
        text += QStringLiteral(", no permission: join the dialout group");
    return text;
}
} // namespace

namespace StatusText {
QString portOpened(const LinkResult &result)
{
    return QStringLiteral("%1 open").arg(port(result));
}

QString selectionFailed(const LinkResult &result)
{
    switch (result.error) {
    case LinkError::None: return portOpened(result);
    case LinkError::PortNumberOutOfRange:
        return QStringLiteral("\"%1\" is not a port number - type a number from 1 to 96").arg(systemText(result));
    case LinkError::NoDeviceForPort:
        return QStringLiteral("%1: no such port - ports are numbered 1 to 96").arg(port(result));
    case LinkError::NoSuchDevice: return QStringLiteral("%1: no such device").arg(port(result));
    case LinkError::PermissionDenied:
        return QStringLiteral("%1: permission denied - add your user to the dialout group").arg(port(result));
    case LinkError::InUse:
        return QStringLiteral("%1: in use by another program - close it or choose another port").arg(port(result));
    case LinkError::SystemConsole:
        return QStringLiteral("%1: this is the system console, not a scoreboard line - choose another port")
            .arg(port(result));
    case LinkError::OpenFailed:
    case LinkError::NotOpen:
    case LinkError::WriteFailed: break;
    }
    return QStringLiteral("%1: cannot open - %2").arg(port(result), systemText(result));
}

QString sending(int portNumber)
{
    return QStringLiteral("Sending to port %1 ...").arg(portNumber);
}

QString boardShows(const ScoreKeeper::DigitCells &digits, const LinkResult &sent)
{
    return QStringLiteral("Board shows %1%2 %3%4 - sent to port %5 at %6")
        .arg(digits[0].c_str(), digits[1].c_str(), digits[2].c_str(), digits[3].c_str())
        .arg(sent.portNumber)
        .arg(now());
}

QString notOnTheBoardYet()
{
    return QStringLiteral("Not on the board yet - press Update scoreboard");
}

QString notSent(const LinkResult &result)
{
    if (result.error == LinkError::WriteFailed) {
        const QString reason = result.systemText.empty() ? QString() : QStringLiteral(" (%1)").arg(systemText(result));
        return QStringLiteral("Not sent: %1 stopped working%2 - check the cable, then choose the port again")
            .arg(port(result, QStringLiteral("port")), reason);
    }
    return QStringLiteral("Not sent: no port is open - choose one under COM-port");
}

QString startupCommandSent(const LinkResult &result)
{
    return QStringLiteral("%1 open, start-up command sent").arg(port(result));
}

QString noPortFound(const std::vector<LinkResult> &failedProbes, const std::vector<SerialDevice> &devices)
{
    // The status line is small: one reason said once where both ports share it.
    QStringList why;
    for (const LinkResult &probe : failedProbes)
        why << QStringLiteral("%1: %2").arg(probe.portNumber).arg(probeFailure(probe));
    if (failedProbes.size() == 2 && probeFailure(failedProbes[0]) == probeFailure(failedProbes[1]))
        why = QStringList{QStringLiteral("both: %1").arg(probeFailure(failedProbes[0]))};
    const QString ports = QStringLiteral("No board on port 1 or 2 (%1).").arg(why.join(QStringLiteral("; ")));
    if (devices.empty())
        return ports + QStringLiteral(" No other serial device found - plug in the adapter or type a port number "
                                      "under COM-port");
    return ports + QLatin1Char(' ') + devicesFound(devices);
}

QString devicesFound(const std::vector<SerialDevice> &devices)
{
    constexpr std::size_t kNamedAtMost = 2; // the rest are in the list
    QStringList found;
    for (std::size_t i = 0; i < devices.size() && i < kNamedAtMost; ++i)
        found << foundDevice(devices[i]);
    if (devices.size() > kNamedAtMost)
        found << QStringLiteral("%1 more").arg(devices.size() - kNamedAtMost);
    return QStringLiteral("Found %1 - pick %2 under COM-port")
        .arg(found.join(QStringLiteral("; ")), devices.size() == 1 ? QStringLiteral("it") : QStringLiteral("one"));
}

QString rememberedPortOpened(const LinkResult &result)
{
    return QStringLiteral("%1 open - the adapter used last time").arg(port(result));
}

QString portUnplugged(const LinkResult &result)
{
    return QStringLiteral("%1 unplugged - it opens again when plugged back in").arg(port(result));
}

QString portBack(const LinkResult &result)
{
    return QStringLiteral("%1 plugged in again and open").arg(port(result));
}
} // namespace StatusText
