#pragma once

#include "score/ScoreKeeper.h"
#include "serial/LinkResult.h"
#include "serial/PortSelector.h"
#include "serial/SerialLink.h"

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

// Runs once as the window loads: zeroes both counters, probes ports 1 and 2
// (open and close only), lists those that opened and selects the first,
// which opens it through the selector's change. Sends the start-up command
// when only port 1 opened.
DiscoveryReport DiscoverPorts(ScoreKeeper &scores, SerialLink &link, PortSelector &selector);
