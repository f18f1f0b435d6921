#include "remote/WebSocketSide.h"

#include <QLoggingCategory>
#include <QPointer>
#include <QRandomGenerator>
#include <QTcpSocket>
#include <QWebSocket>
#include <QWebSocketServer>

#include <utility>

Q_DECLARE_LOGGING_CATEGORY(remoteLog)

namespace {
// What a client may have unread before only the newest state waits for it:
// a few states, so that a client reading normally never waits.
constexpr qint64 kUnreadLimit = qint64(8) * 1024;
// The pages send nothing that needs more.
constexpr quint64 kIncomingLimit = 1024;
constexpr char kHeartbeatMessage[] = R"({"heartbeat":true})";
} // namespace

WebSocketSide::WebSocketSide(int heartbeatMs, StateFor state, QObject *parent)
    : QObject(parent), m_heartbeatMs(heartbeatMs), m_state(std::move(state)),
      m_server(new QWebSocketServer(QStringLiteral("scoreboard"), QWebSocketServer::NonSecureMode, this))
{
    connect(m_server, &QWebSocketServer::newConnection, this, &WebSocketSide::upgraded);
    m_heartbeat.setInterval(m_heartbeatMs);
    connect(&m_heartbeat, &QTimer::timeout, this, &WebSocketSide::heartbeat);
}

WebSocketSide::~WebSocketSide()
{
    for (auto &[socket, live] : m_live) {
        socket->disconnect(this);
        socket->abort();
        delete socket;
    }
}

void WebSocketSide::take(QTcpSocket *socket, const Client &client)
{
    m_handshaking[socket] = client;
    // Qt's server deletes the socket when the handshake fails.
    connect(socket, &QObject::destroyed, this, [this, socket] {
        if (m_handshaking.erase(socket) > 0)
            emit clientsChanged();
    });
    m_server->handleConnection(socket);
    emit clientsChanged();
}

void WebSocketSide::upgraded()
{
    while (QWebSocket *socket = m_server->nextPendingConnection()) {
        // Qt's server does not say which connection became this WebSocket:
        // the peer's address and port do.
        auto found = m_handshaking.begin();
        while (found != m_handshaking.end() && !(found->first->peerPort() == socket->peerPort() &&
                                                 found->first->peerAddress() == socket->peerAddress()))
            ++found;
        if (found == m_handshaking.end()) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        Live &live = m_live[socket];
        live.client = found->second;
        m_handshaking.erase(found);

        socket->setParent(this);
        socket->setMaxAllowedIncomingFrameSize(kIncomingLimit);
        socket->setMaxAllowedIncomingMessageSize(kIncomingLimit);
        connect(socket, &QWebSocket::disconnected, this, [this, socket] { drop(socket); });
        connect(socket, &QWebSocket::pong, this, [this, socket](quint64, const QByteArray &payload) {
            const auto it = m_live.find(socket);
            if (it != m_live.end() && !it->second.ping.isEmpty() && payload == it->second.ping)
                it->second.ping.clear();
        });
        connect(socket, &QWebSocket::bytesWritten, this, [this, socket] {
            const auto it = m_live.find(socket);
            if (it != m_live.end() && !it->second.waiting.isEmpty() && socket->bytesToWrite() <= kUnreadLimit)
                socket->sendTextMessage(QString::fromUtf8(std::exchange(it->second.waiting, {})));
        });
        send(socket, live, m_state(live.client.control));
        if (!m_heartbeat.isActive())
            m_heartbeat.start();
        emit clientsChanged();
    }
}

void WebSocketSide::send(QWebSocket *socket, Live &live, const QByteArray &message)
{
    if (socket->bytesToWrite() > kUnreadLimit || !live.waiting.isEmpty())
        live.waiting = message;
    else
        socket->sendTextMessage(QString::fromUtf8(message));
}

void WebSocketSide::push(bool now)
{
    if (m_live.empty())
        return;
    const QByteArray controlState = m_state(true);
    if (controlState == m_lastControlState)
        return;
    m_lastControlState = controlState;
    const QByteArray viewState = m_state(false);
    forEachLive([&](QWebSocket *socket, Live &live) {
        send(socket, live, live.client.control ? controlState : viewState);
        // "Sending" reaches every device before the first byte leaves.
        if (now)
            socket->flush();
    });
}

void WebSocketSide::forEachLive(const std::function<void(QWebSocket *, Live &)> &each)
{
    // A write that fails may end a client, and with it its entry here.
    std::vector<QPointer<QWebSocket>> sockets;
    for (const auto &[socket, live] : m_live)
        sockets.emplace_back(socket);
    for (const QPointer<QWebSocket> &socket : sockets) {
        const auto it = socket ? m_live.find(socket) : m_live.end();
        if (it != m_live.end())
            each(socket, it->second);
    }
}

void WebSocketSide::heartbeat()
{
    forEachLive([this](QWebSocket *socket, Live &live) {
        const bool behind = socket->bytesToWrite() > 0 || !live.waiting.isEmpty();
        live.backlogBeats = behind ? live.backlogBeats + 1 : 0;
        if (!live.ping.isEmpty() || live.backlogBeats >= 2) {
            qCInfo(remoteLog, "%s: %s, closed", qUtf8Printable(live.client.peer),
                   live.ping.isEmpty() ? "does not read" : "no answer to the heartbeat");
            socket->abort();
            drop(socket);
            return;
        }
        live.ping = QByteArray::number(QRandomGenerator::system()->generate64(), 16);
        socket->ping(live.ping);
        if (!behind)
            socket->sendTextMessage(QString::fromLatin1(kHeartbeatMessage));
    });
}

void WebSocketSide::closeWhere(const std::function<bool(const Client &)> &closing, const QString &reason)
{
    std::vector<QTcpSocket *> handshaking;
    for (const auto &[socket, client] : m_handshaking)
        if (closing(client))
            handshaking.push_back(socket);
    for (QTcpSocket *socket : handshaking)
        socket->abort(); // Qt's server deletes it
    std::vector<QPointer<QWebSocket>> live;
    for (const auto &[socket, state] : m_live)
        if (closing(state.client))
            live.emplace_back(socket);
    for (const QPointer<QWebSocket> &socket : live) {
        if (!socket)
            continue;
        socket->close(QWebSocketProtocol::CloseCodePolicyViolated, reason);
        // The close frame goes out first; a client that does not answer it
        // is not waited for.
        socket->flush();
        socket->abort();
        drop(socket);
    }
}

std::vector<WebSocketSide::Client> WebSocketSide::clients() const
{
    std::vector<Client> clients;
    for (const auto &[socket, client] : m_handshaking)
        clients.push_back(client);
    for (const auto &[socket, live] : m_live)
        clients.push_back(live.client);
    return clients;
}

void WebSocketSide::drop(QWebSocket *socket)
{
    if (m_live.erase(socket) == 0)
        return;
    socket->disconnect(this);
    socket->deleteLater();
    if (m_live.empty()) {
        m_heartbeat.stop();
        m_lastControlState.clear();
    }
    emit clientsChanged();
}
