#include "remote/RemoteControl.h"

#include "remote/RemoteServer.h"
#include "remote/RemoteWindow.h"

#include <QHostInfo>
#include <QNetworkInterface>

RemoteControl::RemoteControl(Match &match, QSettings &settings, SettingsWriter &writer, QObject *parent)
    : QObject(parent), m_match(match), m_settings(settings, writer)
{}

RemoteControl::~RemoteControl()
{
    delete m_window;
}

void RemoteControl::start(bool turnOn)
{
    if (turnOn && !m_settings.on())
        m_settings.setOn(true);
    if (m_settings.on())
        serve(m_settings.reach(), m_settings.port());
}

void RemoteControl::showWindow(QWidget *beside)
{
    if (!m_window)
        m_window = new RemoteWindow(*this, beside);
    lookAgain();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
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

void RemoteControl::lookAgain()
{
    if (m_settings.on() && (!m_server || addressesFor(m_settings.reach()) != m_server->addresses()))
        serve(m_settings.reach(), m_settings.port());
    emit changed();
}

QStringList RemoteControl::hostsToOpen() const
{
    QStringList hosts;
    for (const QHostAddress &address : addressesFor(m_settings.reach()))
        if (!address.isLoopback())
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
    QList<QHostAddress> addresses{QHostAddress(QHostAddress::LocalHost)};
    if (reach == RemoteSettings::Reach::ThisComputer)
        return addresses;
    // The machine's own IPv4 addresses, each named: a phone is given one of
    // them, and nothing is served on a network the machine joins later
    // until it is looked at again.
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || !flags.testFlag(QNetworkInterface::IsRunning) ||
            flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry &entry : interface.addressEntries())
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol)
                addresses << entry.ip();
    }
    return addresses;
}

QString RemoteControl::address(const QString &host, const QString &page, const QString &code) const
{
    return QStringLiteral("http://%1:%2/%3?code=%4").arg(host).arg(m_settings.port()).arg(page, code);
}
