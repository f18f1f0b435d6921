#include "remote/RemoteSettings.h"

#include "serial/SettingsWriter.h"

#include <QRandomGenerator>
#include <QSettings>

namespace {
const QString kOn = QLatin1String(RemoteSettings::kOnKey);
const QString kReach = QStringLiteral("Remote/reach");
const QString kPort = QStringLiteral("Remote/port");
const QString kControlCode = QStringLiteral("Remote/controlCode");
const QString kViewCode = QStringLiteral("Remote/viewCode");
const QString kLocalNetwork = QStringLiteral("local network");
const QString kThisComputer = QStringLiteral("this computer");
const QLatin1String kCodeLetters("abcdefghjkmnpqrstuvwxyz23456789");
} // namespace

RemoteSettings::RemoteSettings(const QSettings &settings, SettingsWriter &writer) : m_writer(writer)
{
    m_on = settings.value(kOn, false).toBool();
    m_reach = settings.value(kReach).toString() == kLocalNetwork ? Reach::LocalNetwork : Reach::ThisComputer;
    bool number = false;
    const int port = settings.value(kPort).toInt(&number);
    m_port = number && port >= kLowestPort && port <= 65535 ? quint16(port) : kDefaultPort;
    m_controlCode = settings.value(kControlCode).toString();
    m_viewCode = settings.value(kViewCode).toString();
    if (!usableCode(m_controlCode))
        newControlCode();
    if (!usableCode(m_viewCode) || m_viewCode == m_controlCode)
        newViewCode();
}

void RemoteSettings::setOn(bool on)
{
    m_on = on;
    write(kOn, on);
}

void RemoteSettings::setReach(Reach reach)
{
    m_reach = reach;
    write(kReach, reach == Reach::LocalNetwork ? kLocalNetwork : kThisComputer);
}

void RemoteSettings::setPort(quint16 port)
{
    m_port = port;
    write(kPort, port);
}

void RemoteSettings::newControlCode()
{
    do
        m_controlCode = madeCode();
    while (m_controlCode == m_viewCode);
    write(kControlCode, m_controlCode);
}

void RemoteSettings::newViewCode()
{
    do
        m_viewCode = madeCode();
    while (m_viewCode == m_controlCode);
    write(kViewCode, m_viewCode);
}

QString RemoteSettings::madeCode()
{
    QString code;
    for (int i = 0; i < kCodeLength; ++i)
        code += kCodeLetters[int(QRandomGenerator::system()->bounded(quint32(kCodeLetters.size())))];
    return code;
}

bool RemoteSettings::usableCode(const QString &code)
{
    if (code.size() != kCodeLength)
        return false;
    for (const QChar c : code)
        if (!kCodeLetters.contains(c))
            return false;
    return true;
}

void RemoteSettings::write(const QString &key, const QVariant &value)
{
    // The codes are secrets: the file that keeps them is for its user's eyes
    // only. The registry is already.
    if (key == kControlCode || key == kViewCode)
        m_writer.keepPrivate();
    // At once: a crash later must not cost the stream deck its code.
    m_writer.setValue(key, value);
}
