#include "monitor/MessageLog.h"

#include <QString>

using namespace std::chrono_literals;

namespace {
// Every message leaves the sender in one write, and at 2400 baud its bytes
// follow each other within a few milliseconds. Half a second of silence in
// the middle of a message means the rest is not coming.
constexpr auto kQuietAfter = 500ms;

QString hexBytes(const std::vector<std::uint8_t> &bytes)
{
    QString text;
    for (const std::uint8_t byte : bytes) {
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        text += QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
    }
    return text;
}
} // namespace

MessageLog::MessageLog(std::FILE *out, QObject *parent) : QObject(parent), m_out(out)
{
    m_quietTimer.setSingleShot(true);
    m_quietTimer.setInterval(kQuietAfter);
    connect(&m_quietTimer, &QTimer::timeout, this, &MessageLog::lineWentQuiet);
}

void MessageLog::takeBytes(const QByteArray &bytes)
{
    if (m_stopped)
        return;
    m_lastRead = {QTime::currentTime(), Clock::now()};
    m_quietTimer.start();
    report(m_decoder.feed(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                          static_cast<std::size_t>(bytes.size())),
           m_lastRead);
}

void MessageLog::lineWentQuiet()
{
    m_quietTimer.stop();
    if (!m_stopped)
        report(m_decoder.flush(), m_lastRead);
}

void MessageLog::report(const std::vector<BoardEvent> &events, const Stamp &stamp)
{
    for (const BoardEvent &event : events) {
        printLine(event, stamp);
        if (event.kind == BoardEventKind::Digit)
            emit shownDigitsChanged(event.shownAfter);
        if (event.isProblem() && m_stopAtFirstProblem) {
            m_stopped = true;
            m_quietTimer.stop();
            emit stoppedAtProblem();
            return;
        }
    }
}

void MessageLog::printLine(const BoardEvent &event, const Stamp &stamp)
{
    QString gap = QStringLiteral("--");
    if (m_previousMessage) {
        const std::chrono::duration<double, std::milli> sincePrevious = stamp.monotonic - *m_previousMessage;
        gap = QLatin1Char('+') + QString::number(sincePrevious.count(), 'f', 1);
    }
    m_previousMessage = stamp.monotonic;

    const QString line = QStringLiteral("%1  %2 ms  %3  %4  board: %5\n")
                             .arg(stamp.wallClock.toString(QStringLiteral("HH:mm:ss.zzz")))
                             .arg(gap, 8)
                             .arg(hexBytes(event.bytes), -14)
                             .arg(QString::fromStdString(DescribeBoardEvent(event)), -12)
                             .arg(QString::fromStdString(ShownDigitsText(event.shownAfter)));
    // Flushed line by line: whoever reads a pipe sees each message as it comes.
    const QByteArray text = line.toLocal8Bit();
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), m_out);
    std::fflush(m_out);
}
