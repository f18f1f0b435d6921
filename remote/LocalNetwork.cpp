#include "remote/LocalNetwork.h"

#include <QNetworkInterface>

#include <algorithm>

namespace {
// An IPv4 peer as IPv4, also where the system reports it IPv6-mapped.
QHostAddress unmapped(const QHostAddress &peer)
{
    bool ipv4 = false;
    const quint32 address = peer.toIPv4Address(&ipv4);
    return ipv4 ? QHostAddress(address) : peer;
}

QList<QNetworkInterface> interfacesWith(QNetworkInterface::InterfaceFlags flags)
{
    QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    interfaces.removeIf([flags](const QNetworkInterface &interface) { return (interface.flags() & flags) != flags; });
    return interfaces;
}
} // namespace

bool OnLocalNetwork(const QHostAddress &peer, const QList<QNetworkAddressEntry> &networks)
{
    const QHostAddress address = unmapped(peer);
    if (address.isLoopback())
        return true;
    if (address.protocol() != QAbstractSocket::IPv4Protocol)
        return false;
    return std::any_of(networks.begin(), networks.end(), [&](const QNetworkAddressEntry &network) {
        return network.ip().protocol() == QAbstractSocket::IPv4Protocol &&
               address.isInSubnet(network.ip(), network.prefixLength());
    });
}

bool OnLocalNetworkNow(const QHostAddress &peer)
{
    // The usual client, OBS on this computer, is let in without a look at
    // the interfaces; that look needs a socket of its own, and may fail.
    if (unmapped(peer).isLoopback())
        return true;
    QList<QNetworkAddressEntry> networks;
    for (const QNetworkInterface &interface : interfacesWith(QNetworkInterface::IsUp))
        networks += interface.addressEntries();
    return OnLocalNetwork(peer, networks);
}

QList<QHostAddress> NetworkAddressesNow()
{
    QList<QHostAddress> addresses;
    for (const QNetworkInterface &interface : interfacesWith(QNetworkInterface::IsUp | QNetworkInterface::IsRunning)) {
        if (interface.flags().testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry &entry : interface.addressEntries())
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol && !entry.ip().isLoopback())
                addresses << entry.ip();
    }
    // A link-local address is what a computer gives itself when no network
    // gave it one: a phone rarely reaches it.
    std::stable_partition(addresses.begin(), addresses.end(),
                          [](const QHostAddress &address) { return !address.isLinkLocal(); });
    return addresses;
}
