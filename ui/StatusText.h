#pragma once

#include "serial/LinkResult.h"

#include <QString>

// The words the operator reads in the window's status line. Each names the
// port and its device, and says what to do next where there is something to do.
namespace StatusText {
QString portOpened(const LinkResult &result);
QString selectionFailed(const LinkResult &result);
QString sending(int portNumber);
QString sent(const LinkResult &result);
QString notSent(const LinkResult &result);
QString startupCommandSent(const LinkResult &result);
QString noPortFound();
} // namespace StatusText
