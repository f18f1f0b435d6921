#pragma once

#include "match/MatchMemory.h"
#include "score/ScoreKeeper.h"
#include "serial/LinkResult.h"
#include "serial/PortSession.h"

#include <QDateTime>
#include <QString>

// The words the operator reads in the status line. Each names the port and
// its device, and says once what to do next where there is something to do;
// none tells the operator to do what the program does by itself. The line is
// small: a few short sentences at most.
namespace StatusText {
// What the port session reports; `lastPortNumber` is the highest number a
// port can have on this system.
QString of(const PortEvent &event, int lastPortNumber);

// "Sending 08 15 to port 1 ..."
QString sending(const ScoreKeeper::DigitCells &digits, int portNumber);
// An update or reset asked for while the board is being sent `digits` (none
// for the start-up command): "Update waiting - the board is being sent 08 15",
// "Reset from 192.168.1.23 waiting - ...".
QString waiting(const QString &action, const QString &from, const ScoreKeeper::DigitCells *digits);
QString boardShows(const ScoreKeeper::DigitCells &digits, const LinkResult &sent, const QTime &at);
QString notOnTheBoardYet();
// A send that did not reach the board whole: `digitsSent` of the four had
// gone out; `awaited`: the port was unplugged and reopens when it is back.
QString notSent(const LinkResult &result, int digitsSent, bool awaited);
// Said after the send that should have kept it.
QString notKept(const QString &settingsFile);
// The offer of the match kept from the last run; names only what is known.
QString lastMatch(const MatchMemory::LastMatch &last);
// What a remote device did: "Update from 192.168.1.23: <status>"; the
// status alone when `from` is empty (the window).
QString byRemote(const QString &action, const QString &from, const QString &status);
// Two sentences in a row.
QString followedBy(const QString &first, const QString &then);
// "a" or "an" before `words`, as it is said: "an FTDI", "a USB-Serial".
QString article(const QString &words);
} // namespace StatusText
