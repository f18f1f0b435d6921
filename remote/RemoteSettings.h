#pragma once

#include <QSettings>
#include <QString>

class SettingsWriter;

// The remote control's choices and codes, kept in the program's settings
// under "Remote/" so that a stream deck's buttons and an OBS source keep
// working from one match to the next. Values edited by hand into something
// unusable read as the defaults; a code that is missing or unusable is made
// anew and kept.
class RemoteSettings
{
public:
    enum class Reach { ThisComputer, LocalNetwork };
    // Free on most machines: none of the usual web, OBS or Companion ports.
    static constexpr quint16 kDefaultPort = 8321;
    // The lowest port a user's program may take everywhere.
    static constexpr quint16 kLowestPort = 1024;
    static constexpr int kCodeLength = 10;

    // Reads `settings` now; writes through `writer`.
    RemoteSettings(const QSettings &settings, SettingsWriter &writer);

    // Whether it was left on, read without anything else of the remote
    // control, which is made only when it is needed (and, on Linux, loaded
    // then: this is all the program itself knows of its settings).
    static bool leftOn(const QSettings &settings) { return settings.value(QLatin1String(kOnKey), false).toBool(); }
    static constexpr char kOnKey[] = "Remote/on";

    bool on() const { return m_on; }
    Reach reach() const { return m_reach; }
    quint16 port() const { return m_port; }
    const QString &controlCode() const { return m_controlCode; }
    const QString &viewCode() const { return m_viewCode; }

    void setOn(bool on);
    void setReach(Reach reach);
    void setPort(quint16 port);
    void newControlCode();
    void newViewCode();

    // Ten letters and digits, none that reads as another (no 0, o, 1, l, i):
    // about 49 bits, read aloud or typed into a stream deck without a slip.
    static QString madeCode();
    static bool usableCode(const QString &code);

private:
    void write(const QString &key, const QVariant &value);

    SettingsWriter &m_writer;
    bool m_on = false;
    Reach m_reach = Reach::ThisComputer;
    quint16 m_port = kDefaultPort;
    QString m_controlCode;
    QString m_viewCode;
};
