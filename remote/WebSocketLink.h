#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QTcpSocket;

// The server's side of one WebSocket (RFC 6455) on a TCP connection whose
// upgrade request the HTTP side has read, checked and answered
// (handshakeResponse). Text messages both ways, ping and pong, the closing
// handshake; client frames must be masked, control frames short, messages
// no longer than the limit, text valid UTF-8, or the link is closed with the
// code that says why. Qt WebSockets would do this too, but it cannot be
// built for the Windows program from the sources at hand, and this much is
// small enough to own, test and fuzz.
class WebSocketLink : public QObject
{
    Q_OBJECT

public:
    // Close codes (RFC 6455, 7.4.1).
    enum CloseCode : quint16 {
        Normal = 1000,
        GoingAway = 1001,
        ProtocolError = 1002,
        InvalidText = 1007,
        PolicyViolated = 1008,
        TooBig = 1009,
    };

    // Sec-WebSocket-Accept for a request's Sec-WebSocket-Key.
    static QByteArray acceptFor(const QByteArray &key);
    // The whole "101 Switching Protocols" answer to that request.
    static QByteArray handshakeResponse(const QByteArray &key);

    // Takes the socket (and its ownership) once the handshake is answered;
    // `pending` holds bytes already read past the request's head.
    WebSocketLink(QTcpSocket *socket, int maxMessageSize, const QByteArray &pending = {}, QObject *parent = nullptr);
    ~WebSocketLink() override;

    void sendTextMessage(const QString &text);
    void ping();
    // Starts the closing handshake; the connection ends when the peer
    // answers, or at once if it has gone.
    void close(CloseCode code = Normal, const QString &reason = {});
    void abort();
    bool flush();
    QTcpSocket &socket() const { return *m_socket; }

    // Reads frames from bytes as they came; public for the fuzzer, which
    // feeds it without a socket.
    void take(const QByteArray &bytes);

signals:
    void textMessageReceived(const QString &text);
    void pong();
    void disconnected();

private:
    void readSocket();
    bool takeFrame();
    void send(quint8 opcode, const QByteArray &payload);
    void fail(CloseCode code, const QString &reason);

    QTcpSocket *m_socket;
    const int m_maxMessageSize;
    QByteArray m_buffer;
    QByteArray m_message; // a text message arriving in fragments
    bool m_inMessage = false;
    bool m_closeSent = false;
    bool m_gone = false;
};
