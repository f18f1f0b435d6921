#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

// What a screen reader should say, and when: each status once, as it stands
// when the turn of the event loop that changed it ends; a score once a burst
// of clicks on it has ended (half a second without another), as it stands
// then, so that ten quick "+" give one announcement and never a stale one.
// A status that comes during a burst waits for it and goes out with it.
class Announcements : public QObject
{
    Q_OBJECT

public:
    // `scoreText(left)` gives a side's score as it stands, as a sentence:
    // "Left score 08."; statuses are whole sentences too.
    explicit Announcements(std::function<QString(bool left)> scoreText, QObject *parent = nullptr);

    void scoreChanged(bool left);
    void statusChanged(const QString &text);

    // While held (the start), nothing is said; released, the status as it
    // stands then is said.
    void hold();
    void release();

signals:
    void say(const QString &text);

private:
    void sayPending();

    std::function<QString(bool left)> m_scoreText;
    QTimer m_burstEnd;
    QTimer m_turnEnd;
    bool m_leftDue = false;
    bool m_rightDue = false;
    bool m_leftFirst = true;
    QString m_status;
    QString m_statusSaid;
    bool m_held = false;
};
