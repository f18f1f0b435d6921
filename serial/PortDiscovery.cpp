#include "serial/PortDiscovery.h"

namespace {
bool probe(SerialLink &link, int portNumber, DiscoveryReport &report)
{
    link.setPortNumber(portNumber);
    if (LinkResult opened = link.open(); !opened.ok()) {
        report.failedProbes.push_back(std::move(opened));
        return false;
    }
    report.openedPorts.push_back(portNumber);
    link.close();
    return true;
}
} // namespace

DiscoveryReport DiscoverPorts(SerialLink &link)
{
    DiscoveryReport report;
    const bool firstPortOpened = probe(link, 1, report);
    report.startupCommandDue = !probe(link, 2, report) && firstPortOpened;
    return report;
}
