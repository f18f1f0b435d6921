#pragma once

#include "serial/LinkResult.h"
#include "serial/SerialLink.h"

#include <functional>
#include <vector>

// What the start-up probes of ports 1 and 2 found.
struct DiscoveryReport
{
    // The ports that opened, in probe order: the selector's list. The first
    // is to be selected.
    std::vector<int> openedPorts;
    // Why each port that did not open failed its probe, in probe order.
    std::vector<LinkResult> failedProbes;
    // Port 1 opened and port 2 did not: port 1 is taken to be the board's,
    // and once it is selected the board is told the program has started.
    bool startupCommandDue = false;
};

// A message sequence for the board (the start-up command, an update), run
// on the link; passed in so that the port rules know nothing of the board.
using SendSequence = std::function<LinkResult(SerialLink &link)>;

// Runs once as the program starts: opens and closes ports 1 and 2, nothing
// else (no settings, no bytes).
DiscoveryReport DiscoverPorts(SerialLink &link);
