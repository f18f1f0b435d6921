#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <map>
#include <vector>

class QTcpSocket;
class QWebSocket;
class QWebSocketServer;

// The WebSocket connections: Qt WebSockets speaks the protocol, behind the
// server's HTTP front, which decided who may connect. Each gets the whole
// state at once and at each change.
//
// Bounded per client: while a client has not read what it was sent, only
// the newest state waits for it (each is the whole state), and one whose
// backlog outlives two heartbeats is closed. A ping with a random payload
// goes out every heartbeat; only the pong that echoes it counts, and a
// client that missed one is closed at the next. A page sees no ping: it
// counts the heartbeat message to know the link is alive.
class WebSocketSide : public QObject
{
    Q_OBJECT

public:
    struct Client
    {
        QString peer;
        bool control = false; // came with the control code
        QHostAddress local;   // where it came in
        quint16 localPort = 0;
    };
    // The state as a client with or without the control code sees it.
    using StateFor = std::function<QByteArray(bool control)>;

    WebSocketSide(int heartbeatMs, StateFor state, QObject *parent = nullptr);
    ~WebSocketSide() override;

    // Takes `socket`, its upgrade request still unread in it.
    void take(QTcpSocket *socket, const Client &client);
    // The state changed; `now`: written out before this returns.
    void push(bool now);
    // Closes those `closing` names: a code that changed, a reach narrowed.
    void closeWhere(const std::function<bool(const Client &)> &closing, const QString &reason);

    std::vector<Client> clients() const;
    int count() const { return int(m_handshaking.size() + m_live.size()); }

signals:
    // A client came or went.
    void clientsChanged();

private:
    struct Live
    {
        Client client;
        QByteArray ping;      // the payload of the ping not yet answered; empty once answered
        QByteArray waiting;   // the newest state, while the client has not read the last
        int backlogBeats = 0; // heartbeats in a row that found it behind
    };

    void upgraded();
    // Each client in turn, also where one before it ended on the way.
    void forEachLive(const std::function<void(QWebSocket *, Live &)> &each);
    void send(QWebSocket *socket, Live &live, const QByteArray &message);
    void heartbeat();
    void drop(QWebSocket *socket);

    const int m_heartbeatMs;
    const StateFor m_state;
    QWebSocketServer *m_server;
    std::map<QTcpSocket *, Client> m_handshaking;
    std::map<QWebSocket *, Live> m_live; // owned; deleted later when dropped
    QByteArray m_lastControlState;
    QTimer m_heartbeat;
};
