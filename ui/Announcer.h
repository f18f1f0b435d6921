#pragma once

#include <QObject>
#include <QString>

class QWidget;

// Gives what the match announces to whatever screen reader listens. Until
// one listens, the latest message is kept, and said once one does: a screen
// reader started after the window (or still starting with it) hears how the
// start went.
class Announcer : public QObject
{
    Q_OBJECT

public:
    explicit Announcer(QWidget &window);

    void say(const QString &text);

private:
    QWidget &m_window;
    QString m_kept;
    bool m_waiting = false;
};
