#pragma once

#include <QObject>
#include <QStringList>

#include <array>

class QWidget;

// Tells a screen reader what changed where the operator is not looking: a
// score, the status line, how a send ended. Orca ignores text changes of
// plain labels that do not have the focus, but presents a notification as it
// appears; so each message is given to a hidden notification object, which
// is then said to appear. Messages of one turn of the event loop go out as
// one, once: the scores in the order they changed, then the status line as
// it stands at the end of the turn.
class Announcer : public QObject
{
    Q_OBJECT

public:
    explicit Announcer(QWidget &window);

    void scoreChanged(const QString &text);
    void statusChanged(const QString &text);

private:
    void sayPending();

    // Each message keeps its own object for a while: a screen reader reads
    // the name after the event, and by then the next message may be out.
    std::array<QWidget *, 4> m_notifications{};
    std::size_t m_next = 0;
    QStringList m_scores;
    QString m_status;
    QString m_statusSaid;
    bool m_due = false;
};
