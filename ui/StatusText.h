#pragma once

#include "score/ScoreKeeper.h"
#include "serial/LinkResult.h"
#include "serial/PortSession.h"

#include <QDateTime>
#include <QString>

// The words the operator reads in the window's status line. Each names the
// port and its device, and says once what to do next where there is
// something to do. The line is small: a few short sentences at most.
namespace StatusText {
// What the port session reports; `lastPortNumber` is the highest number a
// port can have on this system.
QString of(const PortEvent &event, int lastPortNumber);

QString sending(int portNumber);
QString boardShows(const ScoreKeeper::DigitCells &digits, const LinkResult &sent, const QTime &at);
QString notOnTheBoardYet();
QString notSent(const LinkResult &result);
// Said after the send that should have kept it.
QString notKept(const QString &settingsFile);
// The match when the program last ended: what the board was last sent and
// when (invalid: never), and what the window showed.
QString lastMatch(const ScoreKeeper::DigitCells &board, const QDateTime &sentAt, const ScoreKeeper::DigitCells &window);
} // namespace StatusText
