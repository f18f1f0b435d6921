#pragma once

#include "remote/HttpConnection.h"
#include "remote/RequestRules.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

class Match;
class QTcpServer;
class QTcpSocket;
class WebSocketSide;

// How long the server's waits are; tests make them short.
struct RemoteServerTiming
{
    HttpConnectionTiming connection;
    int heartbeatMs = 4000;        // a WebSocket that misses one is closed at the next
    int wrongCodeDelayMs = 1000;   // the first; it doubles at each wrong code up to 16 times that
    int wrongCodeWindowMs = 60000; // how long a wrong code counts
    int acceptPauseMs = 1000;      // after the system refused a connection (no file descriptors left)
};

// The remote control's server: the pages, the API and the WebSocket, on the
// match's own thread. It listens, admits or refuses each connection, judges
// each request (JudgeRequest) and runs an action as the match's operation
// with the device's address as `from`, as the window's button runs it
// without; the answer is the state after it. Each connection's reading and
// writing is HttpConnection's; the WebSockets are WebSocketSide's.
//
// No device locks out another: at most 8 connections per address (this
// computer's own excepted; an idle one of the address makes room), 16 of the
// 64 kept for devices that have shown a valid code, and when full the oldest
// connection that never sent a whole request makes room. Wrong codes are
// answered slowly, per address and per code, in turn: parallel guesses wait
// for each other. Nothing is logged of a request but its method, path and
// what became of it: never its query, where the code is.
class RemoteServer : public QObject
{
    Q_OBJECT

public:
    static constexpr int kConnectionLimit = 64;
    static constexpr int kKeptForCodedDevices = 16;
    static constexpr int kConnectionsPerAddress = 8;

    // A device connected now, kept out, or refused for its code: by its
    // address.
    struct Device
    {
        QString address;
        int links = 0;
        bool controls = false; // gave the control code
        bool coded = false;    // gave a valid code
        bool keptOut = false;
        QString refusedView; // "overlay", "board", "remote": refused for its code, last
    };

    using Timing = RemoteServerTiming;

    explicit RemoteServer(Match &match, Timing timing = {}, QObject *parent = nullptr);
    ~RemoteServer() override;

    // Listens at `port` (0: a free one) on each address; on the any-address
    // (0.0.0.0) it admits only this computer and its networks' devices.
    // What was served before stays served until all of them listen; when
    // one cannot, nothing changes, false is returned and problem() says
    // why. Links that came in where it no longer listens are closed.
    bool listen(const QList<QHostAddress> &addresses, quint16 port);
    void close();
    bool listening() const { return !m_listeners.empty(); }
    quint16 port() const;
    QList<QHostAddress> addresses() const;
    // Why the last listen() failed, or why connections are not taken now.
    const QString &problem() const { return m_problem; }

    // Links that came in with a code no longer valid are closed.
    void setCodes(const QString &control, const QString &view);
    // The names a Host header may carry, besides the address connected to.
    void setHostNames(const QStringList &names);

    std::vector<Device> devices() const;
    // Closes the device's links and keeps it out until let in.
    void disconnectDevice(const QString &address);
    void letIn(const QString &address);

    // What GET /api/v1/state answers and each WebSocket is sent; `control`:
    // whether the client holds the control code.
    static QByteArray stateJson(Match &match, bool control = true);

signals:
    // Sent once per turn of the event loop at most.
    void devicesChanged();
    void problemChanged();

private:
    // Where a link came in, and from whom.
    struct Link
    {
        QHostAddress local;
        quint16 localPort = 0;
        QString peer;
        bool control = false;
    };
    // Wrong codes from one address for one code, over the last while.
    struct Guesses
    {
        std::deque<qint64> at;
        qint64 nextAnswerAt = 0;
    };

    void accept(QTcpServer &server);
    void acceptFailed(QTcpServer &server);
    void pauseAccepting(QTcpServer &server, const QString &why);
    bool listenAt(const QList<QHostAddress> &addresses, quint16 port);
    bool makeRoomFrom(const QString &peer, HttpConnection *newcomer);
    bool makeRoomFor(const QString &peer, HttpConnection *newcomer);
    void handle(HttpConnection &connection);
    void act(HttpConnection &connection, const Verdict &verdict);
    void answerSlowly(HttpConnection &connection, const Verdict &verdict, bool forControl);
    void noteRefusedView(const QString &peer, const HttpRequest &request);
    void upgrade(HttpConnection &connection, bool control);
    void forget(HttpConnection *connection);
    void closeWhere(const std::function<bool(const Link &)> &closing);
    int connectionsFrom(const QString &peer) const;
    int linkCount() const;
    void devicesChangedSoon();
    RemoteAccess accessFor(const HttpConnection &connection) const;
    bool lowersTheBoard() const;

    Match &m_match;
    const Timing m_timing;
    std::vector<std::unique_ptr<QTcpServer>> m_listeners;
    std::vector<HttpConnection *> m_connections; // children, oldest first; deleted by themselves
    WebSocketSide *m_webSockets;
    QString m_controlCode;
    QString m_viewCode;
    QStringList m_hostNames;
    QString m_problem;
    bool m_problemIsPortInUse = false;
    std::set<QString> m_keptOut;
    std::set<QString> m_codedAddresses;
    std::map<QString, QString> m_refusedViews;
    std::map<std::pair<QString, bool>, Guesses> m_guesses; // by address, and whether the control code was wanted
    QElapsedTimer m_clock;
    std::deque<std::pair<std::string, RemoteAction>> m_recentRequests;
    bool m_devicesChangedDue = false;
};
