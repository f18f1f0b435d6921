#pragma once

class QTcpSocket;

// Ends the sending half of a connection (a FIN), keeping the receiving half:
// the client sees the end of the answer at once, and what it still sends is
// read and dropped rather than answered with a reset that could lose the
// answer. One file per system.
void StopSending(QTcpSocket &socket);
