#pragma once

#include "score/ScoreKeeper.h"
#include "serial/LinkResult.h"
#include "serial/SerialDevices.h"

#include <QString>

#include <vector>

// The words the operator reads in the window's status line. Each names the
// port and its device, and says what to do next where there is something to do.
namespace StatusText {
QString portOpened(const LinkResult &result);
QString selectionFailed(const LinkResult &result);
QString sending(int portNumber);
QString boardShows(const ScoreKeeper::DigitCells &digits, const LinkResult &sent);
QString notOnTheBoardYet();
QString notSent(const LinkResult &result);
QString startupCommandSent(const LinkResult &result);
QString noPortFound(const std::vector<LinkResult> &failedProbes, const std::vector<SerialDevice> &devices);
QString devicesFound(const std::vector<SerialDevice> &devices);
QString rememberedPortOpened(const LinkResult &result);
QString portUnplugged(const LinkResult &result);
QString portBack(const LinkResult &result);
} // namespace StatusText
