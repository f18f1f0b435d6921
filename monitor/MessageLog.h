#pragma once

#include "display/BoardDecoder.h"

#include <QByteArray>
#include <QObject>
#include <QTime>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <optional>

// Decodes the bytes the line delivers and prints one line per message to
// `out`: wall-clock time, the gap since the previous message, the bytes,
// what they are, and the four digits the board now shows. A message gets
// the time of the read that completed it. Stray bytes and a torn message
// are only known as such when a new start byte follows them, and get the
// time of that read; when silence follows, the time of the last read.
class MessageLog : public QObject
{
    Q_OBJECT

public:
    explicit MessageLog(std::FILE *out, QObject *parent = nullptr);

    // After the first problem has been printed, print nothing more and emit
    // stoppedAtProblem.
    void setStopAtFirstProblem(bool stop) { m_stopAtFirstProblem = stop; }
    bool hasStopped() const { return m_stopped; }

    void takeBytes(const QByteArray &bytes);

    // Reports what the decoder holds back waiting for more bytes. Runs by
    // itself once the line has been quiet for a while.
    void lineWentQuiet();

signals:
    void shownDigitsChanged(const ShownDigits &digits);
    void stoppedAtProblem();

private:
    using Clock = std::chrono::steady_clock;
    struct Stamp
    {
        QTime wallClock;
        Clock::time_point monotonic;
    };

    void report(const std::vector<BoardEvent> &events, const Stamp &stamp);
    void printLine(const BoardEvent &event, const Stamp &stamp);

    std::FILE *m_out;
    BoardDecoder m_decoder;
    QTimer m_quietTimer;
    Stamp m_lastRead;
    std::optional<Clock::time_point> m_previousMessage;
    bool m_stopAtFirstProblem = false;
    bool m_stopped = false;
};
