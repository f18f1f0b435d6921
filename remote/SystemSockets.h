#pragma once

class QTcpSocket;

// What the server needs of the system's sockets beyond Qt; one file per
// system.

// Ends the sending half of a connection (a FIN), keeping the receiving half:
// the client sees the end of the answer at once, and what it still sends is
// read and dropped rather than answered with a reset that could lose the
// answer.
void StopSending(QTcpSocket &socket);

// How many more files and connections this process may open now. Qt 6.4
// reports a refused accept (no descriptors left) as a temporary error once
// another was, and tries again at once, for ever: the server stops taking
// connections before it comes to that.
int DescriptorsLeft();
