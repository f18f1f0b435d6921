#pragma once

#include "remote/RemoteSettings.h"

#include <QHostAddress>
#include <QObject>
#include <QStringList>

#include <memory>

class Match;
class QSettings;
class RemoteServer;
class SettingsWriter;

// The remote control as the operator sets it up: its kept choices and
// codes, the server they start, and the window that shows them. Off until
// turned on (in its window, or with --remote); while off nothing of the
// network is made, so an operator who never uses it pays nothing for it.
//
// A change of port or reach that cannot be had (another program holds the
// port) changes nothing: what was served stays served, the choice kept stays
// as it was, and problem() says what happened and what to do.
class RemoteControl : public QObject
{
    Q_OBJECT

public:
    RemoteControl(Match &match, QSettings &settings, SettingsWriter &writer, QObject *parent = nullptr);
    ~RemoteControl() override;

    // Serves when it was left on, or when `turnOn`.
    void start(bool turnOn);

    const RemoteSettings &settings() const { return m_settings; }
    // Null until it is first turned on.
    RemoteServer *server() const { return m_server.get(); }
    bool serving() const;
    // What keeps it from serving as chosen, or from taking connections now.
    QString problem() const;
    // Non-empty when the settings cannot be written: the codes shown now
    // would change at the next start.
    QString settingsProblem() const;

    // Each is kept, and takes effect at once.
    void setOn(bool on);
    void setReach(RemoteSettings::Reach reach);
    void setPort(quint16 port);
    void newControlCode();
    void newViewCode();

    // The hosts a device can open, the machine's network addresses as they
    // are now first: "192.168.1.5", ..., "127.0.0.1".
    QStringList hostsToOpen() const;
    QString controlAddress(const QString &host) const;
    QString overlayAddress(const QString &host) const;
    QString boardAddress(const QString &host) const;

signals:
    // On or off, reach, port, codes, the problem or the addresses changed.
    void changed();
    void devicesChanged();

private:
    bool serve(RemoteSettings::Reach reach, quint16 port);
    QList<QHostAddress> addressesFor(RemoteSettings::Reach reach) const;
    QString address(const QString &host, const QString &page, const QString &code) const;

    Match &m_match;
    const QSettings &m_savedSettings;
    const SettingsWriter &m_writer;
    RemoteSettings m_settings;
    std::unique_ptr<RemoteServer> m_server;
    QString m_problem;
};
