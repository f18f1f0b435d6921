#pragma once

#include "remote/RequestRules.h"

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

class Match;
class QTcpServer;
class QTcpSocket;
class WebSocketLink;

// How long the server's waits are; tests make them short.
struct RemoteServerTiming
{
    int idleMs = 15000;          // a connection without a whole request
    int heartbeatMs = 4000;      // a WebSocket that misses one is closed at the next
    int wrongCodeDelayMs = 1000; // the first; it doubles at each wrong code up to 16 times that
    int lingerMs = 1000;         // after a last answer, for the client to close first
};

// The remote control's server: the pages, the API and the WebSocket, on the
// match's own thread. A request is read with HttpRequestReader, judged by
// JudgeRequest, and an action runs the match's operation with the device's
// address as `from`, as the window's button runs it without; the answer is
// the state after it. Every change the match reports goes to each WebSocket
// as the whole state.
//
// Nothing here blocks: the sockets are Qt's asynchronous ones. While an
// update holds the thread (0.4 s) requests wait in the system's buffers, and
// are answered after it.
//
// Limits: at most 64 connections, WebSockets included; a connection with no
// whole request for 15 s is closed; a wrong code is answered slowly, more
// slowly at each wrong code from the same address. A WebSocket gets a ping
// and a heartbeat message every 4 s; one that did not answer the ping before
// the next is closed, and a page that hears nothing for 9 s reconnects: both
// sides notice a dead link within 10 s. Nothing is logged of a request but
// its method, path and what became of it: never its query, where the code is.
class RemoteServer : public QObject
{
    Q_OBJECT

public:
    static constexpr int kConnectionLimit = 64;

    // A device connected now, or kept out: by its address.
    struct Device
    {
        QString address;
        int links = 0;
        bool controls = false; // gave the control code
        bool keptOut = false;
    };

    using Timing = RemoteServerTiming;

    explicit RemoteServer(Match &match, Timing timing = {}, QObject *parent = nullptr);
    ~RemoteServer() override;

    // Listens at `port` (0: a free one) on each address. What was served
    // before stays served until all of them listen; when one cannot,
    // nothing changes, false is returned and problem() says why. Links that
    // came in where it no longer listens are closed.
    bool listen(const QList<QHostAddress> &addresses, quint16 port);
    void close();
    bool listening() const { return !m_listeners.empty(); }
    quint16 port() const;
    QList<QHostAddress> addresses() const;
    const QString &problem() const { return m_problem; }

    // Links that came in with a code no longer valid are closed.
    void setCodes(const QString &control, const QString &view);
    // The names a Host header may carry, besides the addresses listened on.
    void setHostNames(const QStringList &names);

    std::vector<Device> devices() const;
    // Closes the device's links and keeps it out until let in.
    void disconnectDevice(const QString &address);
    void letIn(const QString &address);

    // What GET /api/v1/state answers and each WebSocket is sent.
    static QByteArray stateJson(Match &match);

signals:
    // Sent once per turn of the event loop at most.
    void devicesChanged();

private:
    struct Connection;
    struct Listener;
    // Where a link came in, and from whom.
    struct Link
    {
        QHostAddress local;
        quint16 localPort = 0;
        QString peer;
        bool control = false;
    };

    void accept(QTcpServer &server);
    void readFrom(Connection &connection);
    void answer(Connection &connection, const Verdict &verdict);
    void act(Connection &connection, const Verdict &verdict);
    void sendActAnswer(Connection &connection, int status);
    void answerSlowly(Connection &connection, const Verdict &verdict);
    void upgrade(Connection &connection, bool control);
    void drop(Connection &connection);
    void dropListener(WebSocketLink *link);
    void broadcast();
    void heartbeat();
    void closeWhere(const std::function<bool(const Link &)> &closing);
    int linkCount() const;
    void devicesChangedSoon();
    RemoteAccess access() const;

    Match &m_match;
    const Timing m_timing;
    std::vector<std::unique_ptr<QTcpServer>> m_listeners;
    std::map<QTcpSocket *, Connection *> m_connections;       // children, deleted later when dropped
    std::map<WebSocketLink *, Listener> m_webSocketListeners; // children, deleted later when dropped
    QString m_controlCode;
    QString m_viewCode;
    QStringList m_hostNames;
    QString m_problem;
    std::set<QString> m_keptOut;
    std::map<QString, int> m_wrongCodes; // by address, since its last right code
    std::deque<std::string> m_recentRequestIds;
    QByteArray m_lastState;
    QTimer m_heartbeat;
    bool m_devicesChangedDue = false;
};
