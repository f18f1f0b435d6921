#include "remote/RemoteServer.h"

#include "match/Match.h"
#include "remote/WebSocketLink.h"
#include "serial/PortSession.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <algorithm>
#include <memory>

// What became of each request, for whoever looks into a problem:
// QT_LOGGING_RULES=scoreboard.remote.info=true. Never the query: the code is
// there.
Q_LOGGING_CATEGORY(remoteLog, "scoreboard.remote", QtWarningMsg)

namespace {
// A link that misses one heartbeat is closed at the next: within 10 s on
// this side too.
static_assert(2 * RemoteServer::Timing().heartbeatMs < 10000);
constexpr int kWrongCodeDelayDoublings = 4;
constexpr int kUnreadAnswerMs = 5000;
constexpr std::size_t kRememberedRequestIds = 256;
// A head and a body at their limits, and some room: a client that sends
// faster than it is answered waits in the system's buffers, not in ours.
constexpr qint64 kReadBuffer = qint64(16) * 1024;
constexpr int kWebSocketMessageLimit = 1024;
constexpr char kHeartbeatMessage[] = R"({"heartbeat":true})";

const char *reasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 202: return "Accepted";
    case 400: return "Bad Request";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 413: return "Content Too Large";
    case 426: return "Upgrade Required";
    case 431: return "Request Header Fields Too Large";
    case 503: return "Service Unavailable";
    default: return "Error";
    }
}

// The pages run only their own files; OBS adds its custom CSS as a style
// element, hence inline styles. No other site may frame them.
constexpr char kPageHeaders[] = "Content-Security-Policy: default-src 'self'; style-src 'self' 'unsafe-inline'; "
                                "img-src 'self' data:; frame-ancestors 'none'\r\n";

QByteArray response(int status, const QByteArray &type, const QByteArray &body, bool keepAlive,
                    const QByteArray &moreHeaders = {})
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonPhrase(status) + "\r\n";
    head += "Content-Type: " + type + "\r\n";
    head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    // The state changes under the client; the code is in the address, which
    // a Referer would carry to whatever a page links to (nothing, so far).
    head += "Cache-Control: no-store\r\nX-Content-Type-Options: nosniff\r\nReferrer-Policy: no-referrer\r\n";
    head += moreHeaders;
    head += keepAlive ? "Connection: keep-alive\r\n\r\n" : "Connection: close\r\n\r\n";
    return head + body;
}

QByteArray refusal(const Verdict &verdict)
{
    QByteArray more;
    if (!verdict.allow.empty())
        more += "Allow: " + QByteArray::fromStdString(verdict.allow) + "\r\n";
    if (verdict.status == 426)
        more += "Upgrade: websocket\r\nSec-WebSocket-Version: 13\r\n";
    return response(verdict.status, "text/plain; charset=utf-8", QByteArray::fromStdString(verdict.reason) + '\n',
                    false, more);
}

// An IPv4 peer as IPv4, also where the system reports it IPv6-mapped.
QString peerName(const QHostAddress &address)
{
    bool ipv4 = false;
    const quint32 v4 = address.toIPv4Address(&ipv4);
    return ipv4 ? QHostAddress(v4).toString() : address.toString();
}

// Writes the last answer, then reads and drops what the client sends until it
// closes, or `lingerMs` pass: closing with bytes unread would reset the
// connection, and the client could lose the answer with it. A client that
// does not even read the answer is cut off later.
void answerAndClose(QTcpSocket &socket, const QByteArray &answer, int lingerMs)
{
    QObject::connect(&socket, &QTcpSocket::readyRead, &socket, [&socket] { socket.readAll(); });
    socket.write(answer);
    QTimer::singleShot(lingerMs, &socket, [&socket] {
        socket.readAll();
        socket.disconnectFromHost();
    });
    QTimer::singleShot(lingerMs + kUnreadAnswerMs, &socket, &QTcpSocket::abort);
}

int twoDigits(const ScoreKeeper::DigitCells &cells, std::size_t tens)
{
    const auto digit = [&](std::size_t cell) { return cells[cell].empty() ? 0 : cells[cell][0] - '0'; };
    return digit(tens) * 10 + digit(tens + 1);
}
} // namespace

struct RemoteServer::Connection : QObject
{
    using QObject::QObject;

    QTcpSocket *socket = nullptr; // a child, until it becomes a WebSocket
    QString peer;
    HttpRequestReader reader;
    qsizetype fed = 0; // of the bytes waiting in the socket, those the reader has seen
    QTimer idle;
    bool control = false;
    bool answeredLast = false; // the answer closes the connection: nothing more is read
    bool awaitingSend = false; // answered when the send it started ends; what follows is read then
    bool dropped = false;
};

struct RemoteServer::Listener
{
    QString peer;
    bool control = false;
    bool awaitingPong = false;
};

RemoteServer::RemoteServer(Match &match, Timing timing, QObject *parent)
    : QObject(parent), m_match(match), m_timing(timing)
{
    m_heartbeat.setInterval(m_timing.heartbeatMs);
    connect(&m_heartbeat, &QTimer::timeout, this, &RemoteServer::heartbeat);
    connect(&m_match, &Match::statusChanged, this, &RemoteServer::broadcast);
    connect(&m_match, &Match::changed, this, &RemoteServer::broadcast);
}

RemoteServer::~RemoteServer()
{
    close();
}

bool RemoteServer::listen(const QList<QHostAddress> &addresses, quint16 port)
{
    if (addresses.isEmpty()) {
        close();
        return true;
    }
    std::vector<QTcpServer *> kept;
    std::vector<std::unique_ptr<QTcpServer>> added;
    quint16 chosen = port;
    for (const QHostAddress &address : addresses) {
        const auto serving = std::find_if(m_listeners.begin(), m_listeners.end(), [&](const auto &server) {
            return chosen != 0 && server->serverAddress() == address && server->serverPort() == chosen;
        });
        if (serving != m_listeners.end()) {
            kept.push_back(serving->get());
            continue;
        }
        auto server = std::make_unique<QTcpServer>();
        if (!server->listen(address, chosen)) {
            m_problem = server->serverError() == QAbstractSocket::AddressInUseError
                            ? QStringLiteral("Port %1 is in use by another program: pick another port, or end "
                                             "that program.")
                                  .arg(chosen)
                            : QStringLiteral("Cannot serve at %1 port %2: %3.")
                                  .arg(address.toString())
                                  .arg(chosen)
                                  .arg(server->errorString());
            return false;
        }
        chosen = server->serverPort();
        added.push_back(std::move(server));
    }

    std::vector<std::unique_ptr<QTcpServer>> next;
    for (auto &server : m_listeners)
        if (std::find(kept.begin(), kept.end(), server.get()) != kept.end())
            next.push_back(std::move(server));
    for (auto &server : added) {
        QTcpServer *at = server.get();
        connect(at, &QTcpServer::newConnection, this, [this, at] { accept(*at); });
        next.push_back(std::move(server));
    }
    m_listeners = std::move(next);
    m_problem.clear();

    // A device let in by the choices before may be out now.
    const QList<QHostAddress> served = this->addresses();
    closeWhere([&](const Link &link) { return link.localPort != chosen || !served.contains(link.local); });
    return true;
}

void RemoteServer::close()
{
    m_listeners.clear();
    m_problem.clear();
    closeWhere([](const Link &) { return true; });
}

quint16 RemoteServer::port() const
{
    return m_listeners.empty() ? 0 : m_listeners.front()->serverPort();
}

QList<QHostAddress> RemoteServer::addresses() const
{
    QList<QHostAddress> served;
    for (const auto &server : m_listeners)
        served << server->serverAddress();
    return served;
}

void RemoteServer::setCodes(const QString &control, const QString &view)
{
    const bool controlChanged = control != m_controlCode;
    const bool viewChanged = view != m_viewCode;
    m_controlCode = control;
    m_viewCode = view;
    // HTTP requests bring their code each time; a WebSocket was let in once.
    std::vector<WebSocketLink *> shutOut;
    for (const auto &[link, listener] : m_webSocketListeners)
        if (listener.control ? controlChanged : viewChanged)
            shutOut.push_back(link);
    for (WebSocketLink *link : shutOut) {
        link->close(WebSocketLink::PolicyViolated, QStringLiteral("The code changed"));
        dropListener(link);
    }
}

void RemoteServer::setHostNames(const QStringList &names)
{
    m_hostNames = names;
}

std::vector<RemoteServer::Device> RemoteServer::devices() const
{
    std::map<QString, Device> byAddress;
    const auto seen = [&](const QString &peer, bool control) {
        Device &device = byAddress[peer];
        device.address = peer;
        ++device.links;
        device.controls = device.controls || control;
    };
    for (const auto &[socket, connection] : m_connections)
        seen(connection->peer, connection->control);
    for (const auto &[link, listener] : m_webSocketListeners)
        seen(listener.peer, listener.control);
    for (const QString &peer : m_keptOut) {
        byAddress[peer].address = peer;
        byAddress[peer].keptOut = true;
    }
    std::vector<Device> devices;
    devices.reserve(byAddress.size());
    for (auto &[peer, device] : byAddress)
        devices.push_back(device);
    return devices;
}

void RemoteServer::disconnectDevice(const QString &address)
{
    m_keptOut.insert(address);
    closeWhere([&](const Link &link) { return link.peer == address; });
    devicesChangedSoon();
}

void RemoteServer::letIn(const QString &address)
{
    m_keptOut.erase(address);
    devicesChangedSoon();
}

QByteArray RemoteServer::stateJson(Match &match)
{
    const ScoreKeeper::DigitCells &window = match.windowDigits();
    const std::optional<ScoreKeeper::DigitCells> &board = match.boardDigits();
    const std::optional<int> port = match.session().openPort();
    const QJsonObject state{
        {QStringLiteral("left"), twoDigits(window, 0)},
        {QStringLiteral("right"), twoDigits(window, 2)},
        {QStringLiteral("boardLeft"), board ? QJsonValue(twoDigits(*board, 0)) : QJsonValue()},
        {QStringLiteral("boardRight"), board ? QJsonValue(twoDigits(*board, 2)) : QJsonValue()},
        {QStringLiteral("behind"), match.boardBehind()},
        {QStringLiteral("port"), port ? QJsonValue(*port) : QJsonValue()},
        {QStringLiteral("sending"), match.sending()},
        {QStringLiteral("status"), match.status()},
        {QStringLiteral("failure"), match.statusIsFailure()},
    };
    return QJsonDocument(state).toJson(QJsonDocument::Compact);
}

void RemoteServer::accept(QTcpServer &server)
{
    while (QTcpSocket *socket = server.nextPendingConnection()) {
        const QString peer = peerName(socket->peerAddress());
        Verdict refused;
        if (m_keptOut.count(peer) > 0) {
            refused.status = 403;
            refused.reason = "This device was disconnected at the scoreboard";
        } else if (linkCount() >= kConnectionLimit) {
            refused.status = 503;
            refused.reason = "Too many connections";
        }
        if (refused.status != 0) {
            qCInfo(remoteLog, "%s: %d %s", qUtf8Printable(peer), refused.status, refused.reason.c_str());
            socket->setParent(this);
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            answerAndClose(*socket, refusal(refused), m_timing.lingerMs);
            continue;
        }

        auto *connection = new Connection(this);
        connection->socket = socket;
        connection->peer = peer;
        socket->setParent(connection);
        socket->setReadBufferSize(kReadBuffer);
        connection->idle.setSingleShot(true);
        connect(socket, &QTcpSocket::readyRead, connection, [this, connection] { readFrom(*connection); });
        connect(socket, &QTcpSocket::disconnected, connection, [this, connection] { drop(*connection); });
        connect(&connection->idle, &QTimer::timeout, connection, [this, connection] { drop(*connection); });
        connection->idle.start(m_timing.idleMs);
        m_connections[socket] = connection;
        devicesChangedSoon();
        if (socket->bytesAvailable() > 0)
            readFrom(*connection);
    }
}

void RemoteServer::readFrom(Connection &connection)
{
    // A connection that waits for a slowed answer, or for its send to end,
    // reads on after it.
    while (!connection.answeredLast && !connection.awaitingSend && !connection.dropped) {
        QTcpSocket *socket = connection.socket;
        // Peeked, not read: a request that becomes a WebSocket is read
        // again by the WebSocket server.
        const QByteArray waiting = socket->peek(socket->bytesAvailable());
        if (waiting.size() <= connection.fed)
            return;
        connection.fed += qsizetype(connection.reader.read(
            std::string_view(waiting.constData() + connection.fed, std::size_t(waiting.size() - connection.fed))));

        using State = HttpRequestReader::State;
        if (connection.reader.state() == State::Reading)
            return;
        if (connection.reader.state() == State::Refused) {
            Verdict verdict;
            verdict.status = connection.reader.refusalStatus();
            verdict.reason = connection.reader.refusalReason();
            qCInfo(remoteLog, "%s: %d %s", qUtf8Printable(connection.peer), verdict.status, verdict.reason.c_str());
            answer(connection, verdict);
            return;
        }

        const HttpRequest &request = connection.reader.request();
        const Verdict verdict = JudgeRequest(request, access());
        qCInfo(remoteLog, "%s %s %s: %d%s%s", qUtf8Printable(connection.peer), request.method.c_str(),
               request.path.c_str(), verdict.status, verdict.reason.empty() ? "" : " ", verdict.reason.c_str());
        if (verdict.kind == Verdict::Kind::WebSocket) {
            m_wrongCodes.erase(connection.peer);
            upgrade(connection, verdict.control);
            return;
        }
        socket->skip(connection.fed);
        connection.fed = 0;
        connection.idle.start(m_timing.idleMs);
        connection.answeredLast = !request.keepAlive;
        connection.reader.startNext();
        if (verdict.wrongCode) {
            answerSlowly(connection, verdict);
            return;
        }
        if (verdict.kind != Verdict::Kind::Refuse && verdict.kind != Verdict::Kind::Page) {
            m_wrongCodes.erase(connection.peer);
            if (connection.control != verdict.control) {
                connection.control = connection.control || verdict.control;
                devicesChangedSoon();
            }
        }
        QPointer<Connection> alive(&connection);
        answer(connection, verdict);
        if (!alive)
            return;
    }
}

void RemoteServer::answer(Connection &connection, const Verdict &verdict)
{
    const bool keepAlive = !connection.answeredLast;
    QByteArray reply;
    switch (verdict.kind) {
    case Verdict::Kind::Refuse:
        // A refused client is not trusted with a second request.
        connection.answeredLast = true;
        reply = refusal(verdict);
        break;
    case Verdict::Kind::Page: {
        // "remote" is remote/pages/remote.html, "live.js" remote/pages/live.js.
        const QString name = QString::fromStdString(verdict.page);
        const bool script = name.endsWith(QLatin1String(".js"));
        QFile file(QStringLiteral(":/remote/pages/") + name + (script ? QString() : QStringLiteral(".html")));
        file.open(QIODevice::ReadOnly);
        reply = response(200, script ? "text/javascript; charset=utf-8" : "text/html; charset=utf-8", file.readAll(),
                         keepAlive, kPageHeaders);
        break;
    }
    case Verdict::Kind::State: reply = response(200, "application/json", stateJson(m_match), keepAlive); break;
    case Verdict::Kind::Act: act(connection, verdict); return;
    case Verdict::Kind::WebSocket: return;
    }
    if (connection.answeredLast)
        answerAndClose(*connection.socket, reply, m_timing.lingerMs);
    else
        connection.socket->write(reply);
}

void RemoteServer::act(Connection &connection, const Verdict &verdict)
{
    // A retry of a request already carried out gets the state, and nothing
    // is done again.
    const std::string &id = verdict.requestId;
    const bool repeated =
        !id.empty() && std::find(m_recentRequestIds.begin(), m_recentRequestIds.end(), id) != m_recentRequestIds.end();
    Match::Asked asked = Match::Asked::Waiting;
    bool sends = false;
    if (!repeated) {
        if (!id.empty()) {
            m_recentRequestIds.push_back(id);
            if (m_recentRequestIds.size() > kRememberedRequestIds)
                m_recentRequestIds.pop_front();
        }
        QPointer<Connection> alive(&connection);
        const QString from = connection.peer;
        switch (verdict.action) {
        case RemoteAction::LeftPlus: m_match.step(Side::Left, Direction::Up, from); break;
        case RemoteAction::LeftMinus: m_match.step(Side::Left, Direction::Down, from); break;
        case RemoteAction::RightPlus: m_match.step(Side::Right, Direction::Up, from); break;
        case RemoteAction::RightMinus: m_match.step(Side::Right, Direction::Down, from); break;
        case RemoteAction::Update: asked = m_match.update(from), sends = true; break;
        case RemoteAction::Reset: asked = m_match.reset(from), sends = true; break;
        }
        if (!alive || connection.dropped)
            return;
    }
    if (sends && asked == Match::Asked::Started) {
        // Answered with the outcome, when the send ends (about 0.4 s);
        // the connection's next request waits for that answer.
        connection.awaitingSend = true;
        connection.idle.stop();
        const auto ended = std::make_shared<QMetaObject::Connection>();
        *ended = connect(&m_match, &Match::sendEnded, &connection, [this, &connection, ended] {
            QObject::disconnect(*ended);
            connection.awaitingSend = false;
            if (connection.dropped)
                return;
            sendActAnswer(connection, 200);
            if (!connection.answeredLast && !connection.dropped) {
                connection.idle.start(m_timing.idleMs);
                readFrom(connection);
            }
        });
        return;
    }
    // One that waits its turn is answered at once; the WebSocket brings the
    // rest.
    sendActAnswer(connection, sends ? 202 : 200);
}

void RemoteServer::sendActAnswer(Connection &connection, int status)
{
    const QByteArray reply = response(status, "application/json", stateJson(m_match), !connection.answeredLast);
    if (connection.answeredLast)
        answerAndClose(*connection.socket, reply, m_timing.lingerMs);
    else
        connection.socket->write(reply);
}

void RemoteServer::answerSlowly(Connection &connection, const Verdict &verdict)
{
    // Guessing the code takes longer at each wrong guess from the same
    // address, until it gives a right one.
    const int wrong = m_wrongCodes[connection.peer]++;
    const int delay = m_timing.wrongCodeDelayMs << std::min(wrong, kWrongCodeDelayDoublings);
    connection.answeredLast = true;
    connection.idle.stop();
    QTimer::singleShot(delay, &connection, [this, &connection, verdict] {
        if (!connection.dropped)
            answer(connection, verdict);
    });
}

void RemoteServer::upgrade(Connection &connection, bool control)
{
    QTcpSocket *socket = connection.socket;
    socket->write(WebSocketLink::handshakeResponse(
        QByteArray::fromStdString(connection.reader.request().header("sec-websocket-key"))));
    socket->skip(connection.fed);
    // A client may send its first frames right behind the request.
    const QByteArray pending = socket->readAll();
    socket->disconnect(&connection);
    socket->setReadBufferSize(0);
    connection.socket = nullptr;
    connection.dropped = true;
    m_connections.erase(socket);
    connection.deleteLater();

    auto *link = new WebSocketLink(socket, kWebSocketMessageLimit, {}, this);
    m_webSocketListeners[link] = Listener{connection.peer, control, false};
    connect(link, &WebSocketLink::disconnected, this, [this, link] { dropListener(link); });
    const auto alive = [this, link] {
        if (const auto found = m_webSocketListeners.find(link); found != m_webSocketListeners.end())
            found->second.awaitingPong = false;
    };
    connect(link, &WebSocketLink::pong, this, alive);
    connect(link, &WebSocketLink::textMessageReceived, this, alive);
    link->sendTextMessage(QString::fromUtf8(stateJson(m_match)));
    if (!pending.isEmpty())
        link->take(pending);
    if (!m_heartbeat.isActive())
        m_heartbeat.start();
    devicesChangedSoon();
}

void RemoteServer::drop(Connection &connection)
{
    if (std::exchange(connection.dropped, true))
        return;
    connection.idle.stop();
    m_connections.erase(connection.socket);
    connection.socket->disconnect(&connection);
    connection.socket->abort();
    connection.deleteLater();
    devicesChangedSoon();
}

void RemoteServer::dropListener(WebSocketLink *link)
{
    if (m_webSocketListeners.erase(link) == 0)
        return;
    link->disconnect(this);
    // Whatever it was sent last (a close frame) goes out first.
    link->flush();
    link->abort();
    link->deleteLater();
    if (m_webSocketListeners.empty())
        m_heartbeat.stop();
    devicesChangedSoon();
}

void RemoteServer::broadcast()
{
    if (m_webSocketListeners.empty())
        return;
    const QByteArray state = stateJson(m_match);
    if (state == m_lastState)
        return;
    m_lastState = state;
    const QString message = QString::fromUtf8(state);
    for (const auto &[link, listener] : m_webSocketListeners) {
        link->sendTextMessage(message);
        // "Sending" reaches every device before the first byte leaves.
        if (m_match.sending())
            link->flush();
    }
}

void RemoteServer::heartbeat()
{
    std::vector<WebSocketLink *> silent;
    for (auto &[link, listener] : m_webSocketListeners) {
        if (listener.awaitingPong) {
            silent.push_back(link);
            continue;
        }
        link->ping();
        // A page sees no ping: it counts this message to know the link is alive.
        link->sendTextMessage(QString::fromLatin1(kHeartbeatMessage));
        listener.awaitingPong = true;
    }
    for (WebSocketLink *link : silent) {
        qCInfo(remoteLog, "%s: no answer to the heartbeat, closed", qUtf8Printable(m_webSocketListeners[link].peer));
        dropListener(link);
    }
}

void RemoteServer::closeWhere(const std::function<bool(const Link &)> &closing)
{
    const auto link = [](const QTcpSocket &socket, const QString &peer, bool control) {
        bool ipv4 = false;
        const quint32 v4 = socket.localAddress().toIPv4Address(&ipv4);
        return Link{ipv4 ? QHostAddress(v4) : socket.localAddress(), socket.localPort(), peer, control};
    };
    std::vector<Connection *> connections;
    for (const auto &[socket, connection] : m_connections)
        if (closing(link(*socket, connection->peer, connection->control)))
            connections.push_back(connection);
    for (Connection *connection : connections)
        drop(*connection);
    std::vector<WebSocketLink *> listeners;
    for (const auto &[webSocket, listener] : m_webSocketListeners)
        if (closing(link(webSocket->socket(), listener.peer, listener.control)))
            listeners.push_back(webSocket);
    for (WebSocketLink *webSocket : listeners)
        dropListener(webSocket);
}

int RemoteServer::linkCount() const
{
    return int(m_connections.size() + m_webSocketListeners.size());
}

void RemoteServer::devicesChangedSoon()
{
    if (std::exchange(m_devicesChangedDue, true))
        return;
    QTimer::singleShot(0, this, [this] {
        m_devicesChangedDue = false;
        emit devicesChanged();
    });
}

RemoteAccess RemoteServer::access() const
{
    RemoteAccess access;
    access.controlCode = m_controlCode.toStdString();
    access.viewCode = m_viewCode.toStdString();
    for (const QString &name : m_hostNames)
        access.hostNames.push_back(name.toLower().toStdString());
    for (const QHostAddress &address : addresses()) {
        const QString name = address.protocol() == QAbstractSocket::IPv6Protocol
                                 ? QStringLiteral("[%1]").arg(address.toString())
                                 : address.toString();
        access.hostNames.push_back(name.toLower().toStdString());
    }
    access.port = port();
    return access;
}
