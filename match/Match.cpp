#include "match/Match.h"

#include "display/SendSequences.h"
#include "match/MatchMemory.h"
#include "match/StatusText.h"
#include "serial/PortSession.h"

#include <QLoggingCategory>

// Every status, for whoever helps an operator from afar:
// QT_LOGGING_RULES=scoreboard.status.info=true
Q_LOGGING_CATEGORY(statusLog, "scoreboard.status", QtWarningMsg)

namespace {
const char *sideWord(Side side)
{
    return side == Side::Left ? "Left" : "Right";
}
} // namespace

Match::Match(PortSession &session, MatchMemory &memory, QObject *parent)
    : QObject(parent), m_session(session), m_memory(memory),
      m_announcements([this](bool left) { return scoreText(left ? Side::Left : Side::Right); })
{
    m_scores.setCellChangedHandler([this](int cell, const std::string &) { emit cellChanged(cell); });
    connect(&m_session, &PortSession::happened, this, &Match::showPortEvent);
    connect(&m_announcements, &Announcements::say, this, &Match::announce);
    m_board = m_memory.boardAtStart();
}

Match::~Match()
{
    finish();
}

void Match::start()
{
    m_announcements.hold();
    m_session.start();
    if (m_memory.lastMatch())
        offerLastMatch();
    // Said once everything is in place; whoever speaks it waits for a
    // screen reader to listen.
    m_announcements.release();
    emit changed();
}

void Match::finish()
{
    if (std::exchange(m_finished, true))
        return;
    m_session.closePort();
}

QString Match::scoreText(Side side) const
{
    const ScoreKeeper::DigitCells &cells = m_scores.digitCells();
    const std::size_t tens = side == Side::Left ? 0 : 2;
    return QStringLiteral("%1 score %2%3")
        .arg(QLatin1String(sideWord(side)), QString::fromStdString(cells[tens]),
             QString::fromStdString(cells[tens + 1]));
}

void Match::step(Side side, Direction direction, const QString &from)
{
    if (waitsItsTurn([=] { step(side, direction, from); }))
        return;
    operatorActed();
    m_scores.StepScore(side, direction);
    windowChanged();
    m_announcements.scoreChanged(side == Side::Left);
    showWhetherTheBoardIsBehind(
        QStringLiteral("%1 %2").arg(QLatin1String(sideWord(side)), direction == Direction::Up ? "+" : "-"), from);
    emit changed();
}

void Match::update(const QString &from)
{
    if (waitsItsTurn([=] { update(from); }))
        return;
    operatorActed();
    const QString action = QStringLiteral("Update");
    showSendOutcome(sendDigits(action, from), action, from);
    emit changed();
    runWaiting();
}

void Match::reset(const QString &from)
{
    if (waitsItsTurn([=] { reset(from); }))
        return;
    operatorActed();
    const QString action = QStringLiteral("Reset");
    const SendOutcome sent = m_scores.ResetScores([&] {
        windowChanged(); // kept before the send, which a crash may cut short
        m_announcements.scoreChanged(true);
        m_announcements.scoreChanged(false);
        return sendDigits(action, from);
    });
    showSendOutcome(sent, action, from);
    emit changed();
    runWaiting();
}

void Match::restore(const QString &from)
{
    if (waitsItsTurn([=] { restore(from); }))
        return;
    const auto &last = m_memory.lastMatch();
    if (m_offer.isEmpty() || !last)
        return;
    withdrawLastMatch();
    // The window's scores where they are known, else what the board showed.
    const ScoreKeeper::DigitCells &digits = last->windowShowed ? *last->windowShowed : *last->boardShowed;
    const auto score = [&](std::size_t tens) {
        return std::int16_t((digits[tens][0] - '0') * 10 + (digits[tens + 1][0] - '0'));
    };
    m_scores.RestoreScores(score(0), score(2));
    windowChanged();
    m_announcements.scoreChanged(true);
    m_announcements.scoreChanged(false);
    showWhetherTheBoardIsBehind(QStringLiteral("Restore"), from);
    emit changed();
}

bool Match::waitsItsTurn(std::function<void()> operation)
{
    // Only a send lets anything in while it runs (a nested event loop
    // somewhere below it); what comes then runs after it, in order.
    if (!m_sending)
        return false;
    m_waiting.push_back(std::move(operation));
    return true;
}

void Match::runWaiting()
{
    while (!m_sending && !m_waiting.empty()) {
        const std::function<void()> next = std::move(m_waiting.front());
        m_waiting.pop_front();
        next();
    }
}

void Match::operatorActed()
{
    // The offer stands until the match goes on without it.
    if (!m_offer.isEmpty())
        withdrawLastMatch();
}

void Match::windowChanged()
{
    // Kept at every change: whatever ends the program next loses nothing.
    if (!m_memory.windowChanged(m_scores.digitCells()))
        m_memoryTroubleDue = true;
}

Match::SendOutcome Match::sendDigits(const QString &action, const QString &from)
{
    // The update blocks for 0.4 s: say so before it starts.
    if (m_session.link().isOpen())
        showStatus(StatusText::byRemote(action, from, StatusText::sending(m_session.link().portNumber())), false);
    SendOutcome sent;
    m_sending = true;
    const ScoreKeeper::DigitCells cells = m_scores.digitCells();
    sent.result = m_session.send([&](SerialLink &link) { return UpdateScoreboard(cells, link, &sent.digitsSent); });
    m_sending = false;
    return sent;
}

void Match::showSendOutcome(const SendOutcome &sent, const QString &action, const QString &from)
{
    if (!sent.result.ok()) {
        showStatus(StatusText::byRemote(action, from,
                                        StatusText::notSent(sent.result, sent.digitsSent, m_session.awaitingReturn())),
                   true);
        return;
    }
    const QDateTime now = QDateTime::currentDateTime();
    m_board = m_lastSent = m_scores.digitCells();
    m_lastSentStatus = StatusText::boardShows(m_scores.digitCells(), sent.result, now.time());
    if (!m_memory.boardSent(m_scores.digitCells(), now))
        m_memoryTroubleDue = true;
    QString status = m_lastSentStatus;
    // Said once; it changes nothing else.
    if (m_memoryTroubleDue && !std::exchange(m_memoryTroubleSaid, true))
        status += QStringLiteral(". ") + StatusText::notKept(m_memory.settingsFile());
    showStatus(StatusText::byRemote(action, from, status), false);
}

void Match::showWhetherTheBoardIsBehind(const QString &action, const QString &from)
{
    const QString status =
        m_lastSent && *m_lastSent == m_scores.digitCells() ? m_lastSentStatus : StatusText::notOnTheBoardYet();
    showStatus(StatusText::byRemote(action, from, status), false);
}

void Match::showPortEvent(const PortEvent &event)
{
    using Kind = PortEvent::Kind;
    if (event.kind == Kind::MemoryNotWritable) {
        m_memoryTroubleDue = true; // said with the send's outcome
        return;
    }
    QString text = StatusText::of(event, m_session.lastPortNumber());
    // Said after how the start went, not instead of it.
    if (event.kind == Kind::RememberedElsewhere && !m_status.isEmpty())
        text = StatusText::followedBy(m_status, text);
    // Red while no port is open: nothing the operator sends can arrive.
    showStatus(text, !m_session.link().isOpen());
    emit changed();
}

void Match::showStatus(const QString &text, bool failure)
{
    m_status = text;
    m_failure = failure;
    emit statusChanged();
    const QString said = m_offer.isEmpty() ? m_status : StatusText::followedBy(m_status, m_offer);
    qCInfo(statusLog, "%s", qUtf8Printable(said));
    m_announcements.statusChanged(said);
}

void Match::offerLastMatch()
{
    m_offer = StatusText::lastMatch(*m_memory.lastMatch());
    showStatus(m_status, m_failure);
}

void Match::withdrawLastMatch()
{
    m_offer.clear();
    showStatus(m_status, m_failure);
}
