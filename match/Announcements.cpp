#include "match/Announcements.h"

#include <QStringList>

using namespace std::chrono_literals;

namespace {
constexpr auto kBurstEnds = 500ms;
}

Announcements::Announcements(std::function<QString(bool left)> scoreText, QObject *parent)
    : QObject(parent), m_scoreText(std::move(scoreText))
{
    m_burstEnd.setSingleShot(true);
    m_burstEnd.setInterval(kBurstEnds);
    m_turnEnd.setSingleShot(true);
    m_turnEnd.setInterval(0);
    connect(&m_burstEnd, &QTimer::timeout, this, &Announcements::sayPending);
    connect(&m_turnEnd, &QTimer::timeout, this, &Announcements::sayPending);
}

void Announcements::scoreChanged(bool left)
{
    if (!m_leftDue && !m_rightDue)
        m_leftFirst = left;
    (left ? m_leftDue : m_rightDue) = true;
    m_turnEnd.stop();
    m_burstEnd.start();
}

void Announcements::statusChanged(const QString &text)
{
    m_status = text;
    if (!m_held && !m_burstEnd.isActive())
        m_turnEnd.start();
}

void Announcements::hold()
{
    m_held = true;
}

void Announcements::release()
{
    m_held = false;
    m_statusSaid.clear(); // the start's status is said even if it was said before
    m_turnEnd.start();    // once the views that show it are up
}

void Announcements::sayPending()
{
    QStringList message;
    const auto add = [&](bool left, bool &due) {
        if (std::exchange(due, false))
            message << m_scoreText(left);
    };
    add(m_leftFirst, m_leftFirst ? m_leftDue : m_rightDue);
    add(!m_leftFirst, m_leftFirst ? m_rightDue : m_leftDue);
    if (!m_status.isEmpty() && m_status != m_statusSaid)
        message << m_status;
    m_statusSaid = m_status;
    if (!message.isEmpty())
        emit say(message.join(QLatin1Char(' '))); // whole sentences, each with its own full stop
}
