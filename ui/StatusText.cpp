#include "ui/StatusText.h"

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

QString sent(const LinkResult &result)
{
    return QStringLiteral("Sent to port %1 at %2").arg(result.portNumber).arg(now());
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

QString noPortFound()
{
    return QStringLiteral("No port found on 1 or 2 - type a port number under COM-port");
}
} // namespace StatusText
