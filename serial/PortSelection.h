#pragma once

#include "serial/LinkResult.h"
#include "serial/SerialLink.h"

#include <string_view>

// Closes the port if open, then configures and opens the port the selector
// text names, DTR on from the moment it opens. Runs on every change of the
// selector, even when the number is unchanged.
LinkResult SelectPort(SerialLink &link, std::string_view selectorText);

// DTR off, then close if open. Runs when the window ends.
void ClosePort(SerialLink &link);
