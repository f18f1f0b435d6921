#include "remote/RemoteControl.h"

#include "remote/LocalNetwork.h"
#include "remote/RemoteServer.h"
#include "serial/SettingsWriter.h"

#include <QHostInfo>
#include <QNetworkInterface>

RemoteControl::RemoteControl(Match &match, QSettings &settings, SettingsWriter &writer, QObject *parent)
    : QObject(parent), m_match(match), m_savedSettings(settings), m_writer(writer), m_settings(settings, writer)
{}

RemoteControl::~RemoteControl() = default;

void RemoteControl::start(bool turnOn)
{
    if (turnOn && !m_settings.on())
        m_settings.setOn(true);
    if (m_settings.on())
        serve(m_settings.reach(), m_settings.port());
}

QString RemoteControl::problem() const
{
    return !m_problem.isEmpty() || !m_server ? m_problem : m_server->problem();
}

QString RemoteControl::settingsProblem() const
{
    if (m_writer.ok() && m_savedSettings.isWritable())
        return {};
    //: %1 is the settings file's path
    return tr("The settings cannot be saved in %1: these codes and choices will change at the next start.")
        .arg(m_savedSettings.fileName());
}

bool RemoteControl::serving() const
{
    return m_server && m_server->listening();
}

void RemoteControl::setOn(bool on)
{
    m_settings.setOn(on);
    if (on) {
        serve(m_settings.reach(), m_settings.port());
    } else {
        if (m_server)
            m_server->close();
        m_problem.clear();
    }
    emit changed();
}

void RemoteControl::setReach(RemoteSettings::Reach reach)
{
    if (!m_settings.on() || serve(reach, m_settings.port()))
        m_settings.setReach(reach);
    emit changed();
}

void RemoteControl::setPort(quint16 port)
{
    if (!m_settings.on() || serve(m_settings.reach(), port))
        m_settings.setPort(port);
    emit changed();
}

void RemoteControl::newControlCode()
{
    m_settings.newControlCode();
    if (m_server)
        m_server->setCodes(m_settings.controlCode(), m_settings.viewCode());
    emit changed();
}

void RemoteControl::newViewCode()
{
    m_settings.newViewCode();
    if (m_server)
        m_server->setCodes(m_settings.controlCode(), m_settings.viewCode());
    emit changed();
}

QStringList RemoteControl::hostsToOpen() const
{
    QStringList hosts;
    if (m_settings.reach() == RemoteSettings::Reach::LocalNetwork)
        for (const QHostAddress &address : NetworkAddressesNow())
            hosts << address.toString();
    return hosts << QStringLiteral("127.0.0.1");
}

QString RemoteControl::controlAddress(const QString &host) const
{
    return address(host, QStringLiteral("remote"), m_settings.controlCode());
}

QString RemoteControl::overlayAddress(const QString &host) const
{
    return address(host, QStringLiteral("overlay"), m_settings.viewCode());
}

QString RemoteControl::boardAddress(const QString &host) const
{
    return address(host, QStringLiteral("board"), m_settings.viewCode());
}

bool RemoteControl::serve(RemoteSettings::Reach reach, quint16 port)
{
    if (!m_server) {
        m_server = std::make_unique<RemoteServer>(m_match);
        connect(m_server.get(), &RemoteServer::devicesChanged, this, &RemoteControl::devicesChanged);
        connect(m_server.get(), &RemoteServer::problemChanged, this, &RemoteControl::changed);
    }
    m_server->setCodes(m_settings.controlCode(), m_settings.viewCode());
    // Every name a browser on this machine or the network may use for it.
    const QString host = QHostInfo::localHostName().toLower();
    QStringList names{QStringLiteral("localhost"), host, host + QStringLiteral(".local")};
    for (const QHostAddress &address : QNetworkInterface::allAddresses()) {
        QHostAddress unscoped = address;
        unscoped.setScopeId(QString());
        names << (address.protocol() == QAbstractSocket::IPv6Protocol ? QStringLiteral("[%1]").arg(unscoped.toString())
                                                                      : address.toString());
    }
    m_server->setHostNames(names);
    const bool served = m_server->listen(addressesFor(reach), port);
    m_problem = served ? QString() : m_server->problem();
    return served;
}

QList<QHostAddress> RemoteControl::addressesFor(RemoteSettings::Reach reach) const
{
    // Any address, so that a network joined later is served at once; the
    // server lets in only this computer's networks' devices.
    return {
        QHostAddress(reach == RemoteSettings::Reach::ThisComputer ? QHostAddress::LocalHost : QHostAddress::AnyIPv4)};
}

QString RemoteControl::address(const QString &host, const QString &page, const QString &code) const
{
    return QStringLiteral("http://%1:%2/%3?code=%4").arg(host, QString::number(m_settings.port()), page, code);
}
