#include "remote/RemoteSettings.h"

#include <QFile>
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

RemoteSettings::RemoteSettings(QSettings &settings) : m_settings(settings)
{
    m_on = m_settings.value(kOn, false).toBool();
    m_reach = m_settings.value(kReach).toString() == kLocalNetwork ? Reach::LocalNetwork : Reach::ThisComputer;
    bool number = false;
    const int port = m_settings.value(kPort).toInt(&number);
    m_port = number && port >= kLowestPort && port <= 65535 ? quint16(port) : kDefaultPort;
    m_controlCode = m_settings.value(kControlCode).toString();
    m_viewCode = m_settings.value(kViewCode).toString();
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
    // At once: a crash later must not cost the stream deck its code.
    m_settings.setValue(key, value);
    m_settings.sync();
    // The codes are secrets: the file that keeps them is for its user's eyes
    // only (later writes keep its permissions). The registry is already.
    if (key == kControlCode || key == kViewCode)
        QFile::setPermissions(m_settings.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
