#pragma once

#include "match/Announcements.h"
#include "match/StatusText.h"
#include "score/ScoreKeeper.h"
#include "serial/LinkResult.h"

#include <QDateTime>
#include <QObject>
#include <QString>

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
// Everything here runs on the program's thread; the bytes leave on the board
// line's own (PortSession, SendThread), so nothing waits for the wire. The
// scores change at once, during a send too: the send carries the digits it
// started with. An update or reset asked for during a send waits its turn;
// several asked during one go as one, with the scores as they are when it
// starts, in the name of the last asker. Two sends never interleave.
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

    // Whether a send asked for went at once (its outcome follows with
    // sendEnded()) or waits for the one on the wire.
    enum class Asked { Started, Waiting };

    // The operations. `from` names the remote device that asked
    // ("192.168.1.23"); empty for the window.
    void step(Side side, Direction direction, const QString &from = {});
    Asked update(const QString &from = {});
    // The window shows 00 00 at once; only the send may wait.
    Asked reset(const QString &from = {});
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
    // "Board shows 08 15 - sent to port 1 at 20:31:07."
    const QString &status() const { return m_status; }
    bool statusIsFailure() const { return m_failure; }
    // "Last match: board showed 08 15 at 20:31." while it is offered; how to
    // take it is StatusText::restoreHint().
    const QString &offer() const { return m_offer; }
    // A sentence for the operator that belongs to no operation (a key setting
    // that is no key, ...): shown in the status line after the status, and
    // told to the screen reader, once; gone with the operator's next action.
    void sayOnce(const QString &sentence);
    // That sentence while it stands, else empty.
    const QString &saidOnce() const { return m_saidOnce; }
    // What restore() puts back, while the last match is offered.
    std::optional<ScoreKeeper::DigitCells> offeredDigits() const;
    // An update or reset reached the board in this run: until then the
    // board's digits are what the run before left there.
    bool sentThisRun() const { return m_lastSent.has_value(); }
    // A send is on the wire (the scores', or the start-up command), or one
    // waits for it.
    bool sending() const;
    // "Left score 08", a name for what shows it.
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
    // A send of the scores ended; its outcome is in the status.
    void sendEnded();

private:
    using Asker = StatusText::Asker;

    // "Left score 08.", as a sentence on its own.
    QString scoreSentence(Side side) const;
    Asked askForSend(const Asker &asker);
    void startSend(const Asker &asker);
    void startWaitingSend();
    void operatorActed();
    void windowChanged();
    void showSendOutcome(const LinkResult &result, int digitsSent, const ScoreKeeper::DigitCells &sent,
                         const Asker &asker);
    void showPortEvent(const PortEvent &event);
    void showWhetherTheBoardIsBehind(const Asker &asker);
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
    QString m_saidOnce;
    bool m_memoryTroubleDue = false; // the settings cannot be written: said once, with a send's outcome
    bool m_memoryTroubleSaid = false;
    bool m_finished = false;
    // The digits being sent, while they are.
    std::optional<ScoreKeeper::DigitCells> m_onTheWire;
    std::optional<Asker> m_waiting;
};
