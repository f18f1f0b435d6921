#include "match/Match.h"

#include "display/SendSequences.h"
#include "match/MatchMemory.h"
#include "match/StatusText.h"
#include "serial/PortSession.h"

#include <QLoggingCategory>

// Every status, for whoever helps an operator from afar:
// QT_LOGGING_RULES=scoreboard.status.info=true
Q_LOGGING_CATEGORY(statusLog, "scoreboard.status", QtWarningMsg)

Match::Match(PortSession &session, MatchMemory &memory, QObject *parent)
    : QObject(parent), m_session(session), m_memory(memory),
      m_announcements([this](bool left) { return scoreSentence(left ? Side::Left : Side::Right); })
{
    m_scores.setCellChangedHandler([this](int cell, const std::string &) { emit cellChanged(cell); });
    connect(&m_session, &PortSession::happened, this, &Match::showPortEvent);
    connect(&m_announcements, &Announcements::say, this, &Match::announce);
    m_board = m_memory.boardAtStart();
    // The next send starts from the event loop, once whatever ended this one
    // (an unplug, a removal, the end of the program) has had its say.
    connect(&m_session, &PortSession::sendEnded, this, [this] {
        if (m_waiting)
            QMetaObject::invokeMethod(this, &Match::startWaitingSend, Qt::QueuedConnection);
    });
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
    // What waits is dropped; the send on the wire ends whole.
    m_waiting.reset();
    m_session.closePort();
}

bool Match::sending() const
{
    return m_onTheWire.has_value() || m_waiting.has_value() || m_session.sending();
}

QString Match::scoreText(Side side) const
{
    const ScoreKeeper::DigitCells &cells = m_scores.digitCells();
    if (side == Side::Left)
        //: %1 is the left score's two digits, such as 08
        return tr("Left score %1").arg(QString::fromStdString(cells[0] + cells[1]));
    //: %1 is the right score's two digits, such as 08
    return tr("Right score %1").arg(QString::fromStdString(cells[2] + cells[3]));
}

QString Match::scoreSentence(Side side) const
{
    const ScoreKeeper::DigitCells &cells = m_scores.digitCells();
    if (side == Side::Left)
        //: Told to a screen reader; %1 is the left score's two digits, such as 08
        return tr("Left score %1.").arg(QString::fromStdString(cells[0] + cells[1]));
    //: Told to a screen reader; %1 is the right score's two digits, such as 08
    return tr("Right score %1.").arg(QString::fromStdString(cells[2] + cells[3]));
}

void Match::step(Side side, Direction direction, const QString &from)
{
    operatorActed();
    m_scores.StepScore(side, direction);
    windowChanged();
    m_announcements.scoreChanged(side == Side::Left);
    using Request = StatusText::Request;
    const bool up = direction == Direction::Up;
    const Request request =
        side == Side::Left ? (up ? Request::LeftUp : Request::LeftDown) : (up ? Request::RightUp : Request::RightDown);
    showWhetherTheBoardIsBehind({request, from});
    emit changed();
}

Match::Asked Match::update(const QString &from)
{
    operatorActed();
    return askForSend({StatusText::Request::Update, from});
}

Match::Asked Match::reset(const QString &from)
{
    operatorActed();
    return m_scores.ResetScores([&] {
        windowChanged(); // kept before the send, which a crash may cut short
        m_announcements.scoreChanged(true);
        m_announcements.scoreChanged(false);
        return askForSend({StatusText::Request::Reset, from});
    });
}

std::optional<ScoreKeeper::DigitCells> Match::offeredDigits() const
{
    const auto &last = m_memory.lastMatch();
    if (m_offer.isEmpty() || !last)
        return std::nullopt;
    // The window's scores where they are known, else what the board showed.
    return last->windowShowed ? last->windowShowed : last->boardShowed;
}

void Match::restore(const QString &from)
{
    const std::optional<ScoreKeeper::DigitCells> offered = offeredDigits();
    if (!offered)
        return;
    m_saidOnce.clear();
    withdrawLastMatch();
    const ScoreKeeper::DigitCells &digits = *offered;
    const auto score = [&](std::size_t tens) {
        return std::int16_t((digits[tens][0] - '0') * 10 + (digits[tens + 1][0] - '0'));
    };
    m_scores.RestoreScores(score(0), score(2));
    windowChanged();
    m_announcements.scoreChanged(true);
    m_announcements.scoreChanged(false);
    showWhetherTheBoardIsBehind({StatusText::Request::Restore, from});
    emit changed();
}

Match::Asked Match::askForSend(const Asker &asker)
{
    if (m_finished)
        return Asked::Waiting; // the program is ending: nothing more goes out
    if (!sending()) {
        startSend(asker);
        return Asked::Started;
    }
    m_waiting = asker;
    showStatus(StatusText::waiting(asker, m_onTheWire ? &*m_onTheWire : nullptr), false);
    emit changed();
    return Asked::Waiting;
}

void Match::startSend(const Asker &asker)
{
    const ScoreKeeper::DigitCells cells = m_scores.digitCells();
    m_onTheWire = cells;
    // Said, and pushed to every remote device, before the first byte leaves.
    if (const auto port = m_session.openPort())
        showStatus(StatusText::sending(cells, *port, asker), false);
    emit changed();

    // Counted on the board line's thread, read here once the outcome is in.
    const auto digitsSent = std::make_shared<int>(0);
    m_session.send([cells, digitsSent](SerialLink &link) { return UpdateScoreboard(cells, link, digitsSent.get()); },
                   [this, cells, digitsSent, asker](const LinkResult &result) {
                       m_onTheWire.reset();
                       showSendOutcome(result, *digitsSent, cells, asker);
                   });
}

void Match::startWaitingSend()
{
    if (m_finished || m_onTheWire || m_session.sending() || !m_waiting)
        return;
    const Asker asker = *m_waiting;
    m_waiting.reset();
    startSend(asker);
}

void Match::sayOnce(const QString &sentence)
{
    m_saidOnce = sentence;
    emit statusChanged();
    // Told once, with what stands around it; later statuses go without it.
    m_announcements.statusChanged(StatusText::together(m_status, sentence));
    emit changed();
}

void Match::operatorActed()
{
    if (!m_saidOnce.isEmpty()) {
        m_saidOnce.clear();
        emit statusChanged();
    }
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

void Match::showSendOutcome(const LinkResult &result, int digitsSent, const ScoreKeeper::DigitCells &sent,
                            const Asker &asker)
{
    if (!result.ok()) {
        showStatus(StatusText::together(StatusText::askedBy(asker),
                                        StatusText::notSent(result, digitsSent, m_session.awaitingReturn())),
                   true);
    } else {
        // What the board shows now is what was sent, whatever the window
        // went on to meanwhile.
        const QDateTime now = QDateTime::currentDateTime();
        m_board = m_lastSent = sent;
        m_lastSentStatus = StatusText::boardShows(sent, result, now.time());
        if (!m_memory.boardSent(sent, now))
            m_memoryTroubleDue = true;
        QString status = StatusText::boardShows(sent, result, now.time(), asker);
        // Said once; it changes nothing else.
        if (m_memoryTroubleDue && !std::exchange(m_memoryTroubleSaid, true))
            status = StatusText::together(status, StatusText::notKept(m_memory.settingsFile()));
        showStatus(status, false);
    }
    emit changed();
    emit sendEnded();
}

void Match::showWhetherTheBoardIsBehind(const Asker &asker)
{
    // During a send the status says what goes out, and what waits.
    if (sending())
        return;
    const QString status =
        m_lastSent && *m_lastSent == m_scores.digitCells() ? m_lastSentStatus : StatusText::notOnTheBoardYet();
    showStatus(StatusText::together(StatusText::askedBy(asker), status), false);
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
        text = StatusText::together(m_status, text);
    // Red while no port is open: nothing the operator sends can arrive.
    showStatus(text, !m_session.openPort());
    emit changed();
}

void Match::showStatus(const QString &text, bool failure)
{
    m_status = text;
    m_failure = failure;
    emit statusChanged();
    const QString said = m_offer.isEmpty()
                             ? m_status
                             : StatusText::together(m_status, StatusText::together(m_offer, StatusText::restoreHint()));
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
