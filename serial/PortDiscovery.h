#pragma once

#include "serial/LinkResult.h"
#include "serial/PortSelector.h"
#include "serial/SerialLink.h"

#include <functional>
#include <optional>
#include <vector>

struct DiscoveryReport
{
    // Neither port 1 nor port 2 could be opened: the list is empty, no port
    // is open, and the operator has to type a port number.
    bool noPortFound = false;
    // Why each port that did not open failed its probe, in probe order.
    std::vector<LinkResult> failedProbes;
    // Set when the start-up command was due (port 1 opened, port 2 did not):
    // what became of sending it.
    std::optional<LinkResult> startupCommand;
};

// What tells the board the program has started; passed in so that the port
// rules know nothing of the board's messages.
using StartupCommand = std::function<LinkResult(SerialLink &link)>;

// Runs once as the program starts: probes ports 1 and 2 (open and close
// only), lists those that opened and selects the first, which opens it
// through the selector's change. Sends the start-up command when only port 1
// opened.
DiscoveryReport DiscoverPorts(SerialLink &link, PortSelector &selector, const StartupCommand &sendStartupCommand);
