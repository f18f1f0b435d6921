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
// small: a few short sentences at most. Every text is one or more whole
// sentences, each with its own punctuation, so that two of them can be shown
// one after the other.
namespace StatusText {
// What a window's or remote device's operation asked for.
enum class Request { Update, Reset, LeftUp, LeftDown, RightUp, RightDown, Restore };

struct Asker
{
    Request request = Request::Update;
    QString from; // the remote device ("192.168.1.23"); empty for the window
};

// What the port session reports; `lastPortNumber` is the highest number a
// port can have on this system.
QString of(const PortEvent &event, int lastPortNumber);

// "Sending 08 15 to port 1 ...", "Update from 192.168.1.23: Sending ...".
QString sending(const ScoreKeeper::DigitCells &digits, int portNumber, const Asker &asker = {});
// An update or reset asked for while the board is being sent `digits` (none
// for the start-up command): "Update waiting - the board is being sent 08 15.",
// "Reset from 192.168.1.23 waiting - ...".
QString waiting(const Asker &asker, const ScoreKeeper::DigitCells *digits);
QString boardShows(const ScoreKeeper::DigitCells &digits, const LinkResult &sent, const QTime &at,
                   const Asker &asker = {});
QString notOnTheBoardYet();
// A send that did not reach the board whole: `digitsSent` of the four had
// gone out; `awaited`: the port was unplugged and reopens when it is back.
QString notSent(const LinkResult &result, int digitsSent, bool awaited);
// Said after the send that should have kept it.
QString notKept(const QString &settingsFile);
// The offer of the match kept from the last run; names only what is known.
QString lastMatch(const MatchMemory::LastMatch &last);
// How to take the offer, said after it; `key` is the shortcut, if any.
QString restoreHint(const QString &key = {});
// The caption of what takes the offer.
QString restoreCaption();
// Who asked, when a remote device did, for what says it in no other way:
// "192.168.1.23 asked for an update."; empty for the window.
QString askedBy(const Asker &asker);
// Whole sentences one after the other; the empty ones left out.
QString together(const QString &first, const QString &then);
} // namespace StatusText
