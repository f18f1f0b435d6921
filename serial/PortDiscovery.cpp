#include "serial/PortDiscovery.h"

namespace {
// Opens and closes the port, nothing else: no settings, no bytes.
bool probe(SerialLink &link, int portNumber, PortSelector &selector, DiscoveryReport &report)
{
    link.setPortNumber(portNumber);
    if (LinkResult opened = link.open(); !opened.ok()) {
        report.failedProbes.push_back(std::move(opened));
        return false;
    }
    selector.AddItem(std::to_string(portNumber));
    link.close();
    return true;
}
} // namespace

DiscoveryReport DiscoverPorts(SerialLink &link, PortSelector &selector, const StartupCommand &sendStartupCommand)
{
    DiscoveryReport report;
    // The probe of port 1 may fail at most once quietly: it is then simply
    // not listed and port 2 gets its turn.
    const bool firstPortOpened = probe(link, 1, selector, report);

    if (!probe(link, 2, selector, report)) {
        if (!firstPortOpened) {
            report.noPortFound = true;
            return report;
        }
        // Only port 1 answers: it is taken to be the board's, and the board is
        // told the program has started.
        selector.SetText(selector.List(0));
        report.startupCommand = sendStartupCommand(link);
        return report;
    }

    selector.SetText(selector.List(0));
    return report;
}
