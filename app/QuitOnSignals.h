#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (a session logging out, Ctrl+C in a
// terminal) into an orderly quit of the event loop, so the window is
// destroyed and releases the port as on a normal close. An update in
// progress finishes first: the signal is only noticed between events.
class QuitOnSignals : public QObject
{
    Q_OBJECT

public:
    explicit QuitOnSignals(QObject *parent = nullptr);
    ~QuitOnSignals() override;

private:
    void quit();

    QSocketNotifier *m_notifier = nullptr;
};
