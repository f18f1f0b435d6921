#pragma once

#include <QHostAddress>
#include <QList>
#include <QNetworkAddressEntry>

// Who "The local network" lets in: this computer itself, and devices on a
// network this computer is on now, by the address and netmask each of its
// interfaces has. A phone on the same Wi-Fi gets in; an address from further
// away, routed here, does not, even with a code. The server listens on any
// IPv4 address, so a network joined after the start is served without a
// restart, and one left is shut out at the next connection.

// Whether `peer` is this computer or in the subnet of one of `networks`.
// An IPv4 peer that the system reports IPv6-mapped counts as IPv4.
bool OnLocalNetwork(const QHostAddress &peer, const QList<QNetworkAddressEntry> &networks);

// The same, against the interfaces that are up now: for each new connection.
bool OnLocalNetworkNow(const QHostAddress &peer);

// This computer's IPv4 addresses that another device may reach now, in the
// order the system lists them, link-local ones (169.254.x.x) last: those of
// interfaces that are up and running, loopback left out.
QList<QHostAddress> NetworkAddressesNow();
