#pragma once

#include "match/Announcements.h"
#include "score/ScoreKeeper.h"
#include "serial/LinkResult.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <deque>
#include <functional>
#include <optional>

class MatchMemory;
class PortSession;
struct PortEvent;

// The match, free of any window: the scores, the sends to the board through
// the port session, the last match kept as it goes, the status in words and
// what a screen reader is told. Every way in (the window, its keys, a remote
// device) runs the same operations here, so each gets the same status,
// memory and announcements; views show the state and follow the signals.
//
// Everything runs on one thread. An update blocks it for about 0.4 s; an
// operation asked for while one is on the wire waits its turn, so the bytes
// of two sends never interleave.
class Match : public QObject
{
    Q_OBJECT

public:
    Match(PortSession &session, MatchMemory &memory, QObject *parent = nullptr);
    ~Match() override;

    // The start: the port session's rules, then the offer of the last match.
    void start();
    // The end: DTR off and the port closed, once.
    void finish();

    // The operations. `from` names the remote device that asked
    // ("192.168.1.23"); empty for the window.
    void step(Side side, Direction direction, const QString &from = {});
    void update(const QString &from = {});
    void reset(const QString &from = {});
    // Puts the last match's scores back in the window (nothing is sent); does
    // nothing when none is offered.
    void restore(const QString &from = {});

    PortSession &session() { return m_session; }

    // What every view shows.
    const ScoreKeeper::DigitCells &windowDigits() const { return m_scores.digitCells(); }
    // What the board shows as far as is known: the last send that reached
    // it, in this run or kept from the one before.
    const std::optional<ScoreKeeper::DigitCells> &boardDigits() const { return m_board; }
    bool boardBehind() const { return !m_board || *m_board != m_scores.digitCells(); }
    // "Board shows 08 15 - sent to port 1 at 20:31:07"
    const QString &status() const { return m_status; }
    bool statusIsFailure() const { return m_failure; }
    // "Last match: board showed 08 15 at 20:31 - Restore" while it is offered.
    const QString &offer() const { return m_offer; }
    // A send is on the wire.
    bool sending() const { return m_sending; }
    // "Left score 08"
    QString scoreText(Side side) const;

signals:
    // A digit changed; shown at once, as an update may block next.
    void cellChanged(int cell);
    // The status, its failure mark or the offer changed; shown at once.
    void statusChanged();
    // Any of the state above changed: sent once an operation is done.
    void changed();
    // For a screen reader: a score, the status, how a send ended.
    void announce(const QString &text);

private:
    struct SendOutcome
    {
        LinkResult result;
        int digitsSent = 0;
    };

    bool waitsItsTurn(std::function<void()> operation);
    void runWaiting();
    void operatorActed();
    void windowChanged();
    SendOutcome sendDigits(const QString &action, const QString &from);
    void showSendOutcome(const SendOutcome &sent, const QString &action, const QString &from);
    void showPortEvent(const PortEvent &event);
    void showWhetherTheBoardIsBehind(const QString &action, const QString &from);
    void showStatus(const QString &text, bool failure);
    void offerLastMatch();
    void withdrawLastMatch();

    PortSession &m_session;
    MatchMemory &m_memory;
    ScoreKeeper m_scores;
    Announcements m_announcements;

    std::optional<ScoreKeeper::DigitCells> m_board;
    // The digits of the last send in this run that reached the board, and the
    // status that said so.
    std::optional<ScoreKeeper::DigitCells> m_lastSent;
    QString m_lastSentStatus;

    QString m_status;
    bool m_failure = false;
    QString m_offer;
    bool m_memoryTroubleDue = false; // the settings cannot be written: said once, with a send's outcome
    bool m_memoryTroubleSaid = false;
    bool m_sending = false;
    bool m_finished = false;
    std::deque<std::function<void()>> m_waiting;
};
