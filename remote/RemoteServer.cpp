#include "remote/RemoteServer.h"

#include "match/Match.h"
#include "remote/LocalNetwork.h"
#include "remote/PageTexts.h"
#include "remote/SystemSockets.h"
#include "remote/WebSocketSide.h"
#include "serial/PortSession.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QNetworkProxy>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <memory>

// What became of each request, for whoever looks into a problem:
// QT_LOGGING_RULES=scoreboard.remote.info=true. Never the query: the code is
// there.
Q_LOGGING_CATEGORY(remoteLog, "scoreboard.remote", QtWarningMsg)

namespace {
// A link that misses one heartbeat is closed at the next: within 10 s on
// this side too.
static_assert(2 * RemoteServerTiming().heartbeatMs < 10000);
constexpr int kWrongCodeDelayDoublings = 4;
constexpr std::size_t kRememberedRequestIds = 256;
// Addresses remembered for having shown a code, or for a refused view; old
// ones are forgotten first.
constexpr std::size_t kRememberedAddresses = 256;
// Descriptors kept for the rest of the program (its settings, fonts, the
// port): below this, no more connections are taken for a while.
constexpr int kDescriptorReserve = 8;

// The pages run only their own files; OBS adds its custom CSS as a style
// element, hence inline styles. No other site may frame them.
constexpr char kPageHeaders[] = "Content-Security-Policy: default-src 'self'; style-src 'self' 'unsafe-inline'; "
                                "img-src 'self' data:; frame-ancestors 'none'\r\n";
constexpr char kJson[] = "application/json";

// An IPv4 address as IPv4, also where the system reports it IPv6-mapped.
QHostAddress plain(const QHostAddress &address)
{
    bool ipv4 = false;
    const quint32 v4 = address.toIPv4Address(&ipv4);
    return ipv4 ? QHostAddress(v4) : address;
}

QString hostName(const QHostAddress &address)
{
    return address.protocol() == QAbstractSocket::IPv6Protocol ? QStringLiteral("[%1]").arg(address.toString())
                                                               : address.toString();
}

int twoDigits(const ScoreKeeper::DigitCells &cells, std::size_t tens)
{
    const auto digit = [&](std::size_t cell) { return cells[cell].empty() ? 0 : cells[cell][0] - '0'; };
    return digit(tens) * 10 + digit(tens + 1);
}

template <typename Set> void rememberBounded(Set &set, const QString &address)
{
    if (set.size() >= kRememberedAddresses && set.count(address) == 0)
        set.erase(set.begin());
    set.insert(address);
}
} // namespace

RemoteServer::RemoteServer(Match &match, Timing timing, QObject *parent)
    : QObject(parent), m_match(match), m_timing(timing),
      m_webSockets(new WebSocketSide(
          timing.heartbeatMs, [&match](bool control) { return stateJson(match, control); }, this))
{
    m_clock.start();
    connect(m_webSockets, &WebSocketSide::clientsChanged, this, &RemoteServer::devicesChangedSoon);
    const auto push = [this] { m_webSockets->push(m_match.sending()); };
    connect(&m_match, &Match::statusChanged, this, push);
    connect(&m_match, &Match::changed, this, push);
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
    if (listenAt(addresses, port))
        return true;
    // Any address and 127.0.0.1 at one port exclude each other: a change of
    // reach lets go of what is served first, and takes it back if the new
    // one cannot be had.
    if (port == 0 || this->port() != port || !m_problemIsPortInUse)
        return false;
    const QList<QHostAddress> before = this->addresses();
    const QString problem = m_problem;
    m_listeners.clear();
    if (listenAt(addresses, port))
        return true;
    listenAt(before, port);
    m_problem = problem;
    emit problemChanged();
    return false;
}

bool RemoteServer::listenAt(const QList<QHostAddress> &addresses, quint16 port)
{
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
        // Served here, never through a proxy; nor is the system asked for one.
        server->setProxy(QNetworkProxy::NoProxy);
        if (!server->listen(address, chosen)) {
            m_problemIsPortInUse = server->serverError() == QAbstractSocket::AddressInUseError;
            if (m_problemIsPortInUse)
                //: %1 is the port number the remote control was to be served at
                m_problem = tr("Port %1 is in use by another program: pick another port, or end that program.")
                                .arg(QString::number(chosen));
            else
                //: %1 is an address of this computer such as 127.0.0.1, %2 the port number, %3 the system's reason
                m_problem = tr("Cannot serve at %1 port %2: %3.")
                                .arg(address.toString(), QString::number(chosen), server->errorString());
            emit problemChanged();
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
        connect(at, &QTcpServer::acceptError, this, [this, at] { acceptFailed(*at); });
        next.push_back(std::move(server));
    }
    m_listeners = std::move(next);
    m_problem.clear();
    m_problemIsPortInUse = false;
    emit problemChanged();

    // A device let in by the choices before may be out now.
    const QList<QHostAddress> served = this->addresses();
    const bool anywhere = served.contains(QHostAddress(QHostAddress::AnyIPv4));
    closeWhere([&](const Link &link) {
        if (link.localPort != chosen)
            return true;
        if (anywhere)
            return !OnLocalNetworkNow(QHostAddress(link.peer));
        return !served.contains(link.local);
    });
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
    m_webSockets->closeWhere(
        [&](const WebSocketSide::Client &client) { return client.control ? controlChanged : viewChanged; },
        QStringLiteral("The code changed"));
}

void RemoteServer::setHostNames(const QStringList &names)
{
    m_hostNames = names;
}

std::vector<RemoteServer::Device> RemoteServer::devices() const
{
    std::map<QString, Device> byAddress;
    const auto seen = [&](const QString &peer, bool control, bool coded) {
        Device &device = byAddress[peer];
        device.address = peer;
        ++device.links;
        device.controls = device.controls || control;
        device.coded = device.coded || coded || control;
    };
    for (const HttpConnection *connection : m_connections)
        seen(connection->peer(), connection->control(), connection->coded());
    for (const WebSocketSide::Client &client : m_webSockets->clients())
        seen(client.peer, client.control, true);
    for (const auto &[peer, view] : m_refusedViews) {
        byAddress[peer].address = peer;
        byAddress[peer].refusedView = view;
    }
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

QByteArray RemoteServer::stateJson(Match &match, bool control)
{
    const ScoreKeeper::DigitCells &window = match.windowDigits();
    const std::optional<ScoreKeeper::DigitCells> &board = match.boardDigits();
    const std::optional<int> port = match.session().openPort();
    QJsonValue lastMatch;
    if (const std::optional<ScoreKeeper::DigitCells> offered = match.offeredDigits())
        lastMatch = QJsonObject{
            {QStringLiteral("left"), twoDigits(*offered, 0)},
            {QStringLiteral("right"), twoDigits(*offered, 2)},
            {QStringLiteral("offer"), match.offer()},
        };
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
        {QStringLiteral("lastMatch"), lastMatch},
        {QStringLiteral("control"), control},
    };
    return QJsonDocument(state).toJson(QJsonDocument::Compact);
}

void RemoteServer::accept(QTcpServer &server)
{
    while (QTcpSocket *socket = server.nextPendingConnection()) {
        const QHostAddress address = plain(socket->peerAddress());
        const QString peer = address.toString();
        auto *connection = new HttpConnection(socket, peer, m_timing.connection, this);
        connect(connection, &HttpConnection::requestReceived, this, [this, connection] { handle(*connection); });
        connect(connection, &HttpConnection::ended, this, [this, connection] { forget(connection); });
        m_connections.push_back(connection);
        devicesChangedSoon();

        // Refused connections count against the limits until they are gone,
        // which is at once.
        QByteArray refusal;
        int status = 503;
        if (m_keptOut.count(peer) > 0) {
            status = 403;
            refusal = "This device was disconnected at the scoreboard";
        } else if (server.serverAddress() == QHostAddress(QHostAddress::AnyIPv4) && !OnLocalNetworkNow(address)) {
            status = 403;
            refusal = "Not from this computer's network";
        } else if (!makeRoomFrom(peer, connection)) {
            refusal = "Too many connections from this device";
        } else if (!makeRoomFor(peer, connection)) {
            refusal = "Too many connections";
        }
        if (!refusal.isEmpty()) {
            qCInfo(remoteLog, "%s: %d %s", qUtf8Printable(peer), status, refusal.constData());
            connection->refuse(status, refusal);
        }
    }
    if (DescriptorsLeft() < kDescriptorReserve)
        pauseAccepting(server, tr("too many connections and files are open"));
}

void RemoteServer::acceptFailed(QTcpServer &server)
{
    // Qt stops taking connections after the system refused one.
    pauseAccepting(server, server.errorString());
}

void RemoteServer::pauseAccepting(QTcpServer &server, const QString &why)
{
    if (m_problem.isEmpty())
        qCWarning(remoteLog, "connections are not taken for a moment: %s", qUtf8Printable(why));
    server.pauseAccepting();
    //: %1 is why, such as "too many connections and files are open" or the system's reason
    m_problem =
        tr("Connections are not taken for a moment: %1. Close other programs or devices if this stays.").arg(why);
    emit problemChanged();
    // Taken again once descriptors are free: the connections waiting are
    // then answered.
    QPointer<QTcpServer> paused(&server);
    QTimer::singleShot(m_timing.acceptPauseMs, this, [this, paused, why] {
        if (!paused)
            return;
        if (DescriptorsLeft() < kDescriptorReserve) {
            pauseAccepting(*paused, why);
            return;
        }
        m_problem.clear();
        emit problemChanged();
        paused->resumeAccepting();
    });
}

bool RemoteServer::makeRoomFrom(const QString &peer, HttpConnection *newcomer)
{
    // This computer's browsers and OBS open many connections side by side,
    // and no other device can come from its own address.
    if (peer == QLatin1String("127.0.0.1") || peer == QLatin1String("::1"))
        return true;
    if (connectionsFrom(peer) <= kConnectionsPerAddress)
        return true;
    // A browser keeps connections open between requests: the oldest of
    // those makes room for its next one.
    const auto oldest = std::find_if(m_connections.begin(), m_connections.end(), [&](const HttpConnection *c) {
        return c != newcomer && c->peer() == peer && c->waitingForRequest();
    });
    if (oldest == m_connections.end())
        return false;
    (*oldest)->abort();
    return true;
}

bool RemoteServer::makeRoomFor(const QString &peer, HttpConnection *newcomer)
{
    // Devices that have shown a code also have the last places.
    const int limit = m_codedAddresses.count(peer) > 0 ? kConnectionLimit : kConnectionLimit - kKeptForCodedDevices;
    if (linkCount() <= limit)
        return true;
    // The oldest connection that never sent a whole request makes room:
    // someone who holds connections open and idle cannot keep others out.
    const auto oldest = std::find_if(m_connections.begin(), m_connections.end(), [&](const HttpConnection *c) {
        return c != newcomer && !c->sentWholeRequest() && !c->over();
    });
    if (oldest == m_connections.end())
        return false;
    qCInfo(remoteLog, "%s: closed for a newcomer, no request in %lld ms", qUtf8Printable((*oldest)->peer()),
           (*oldest)->age());
    (*oldest)->abort();
    return true;
}

void RemoteServer::handle(HttpConnection &connection)
{
    const HttpRequest &request = connection.request();
    const Verdict verdict = JudgeRequest(request, accessFor(connection));
    qCInfo(remoteLog, "%s %s %s: %d%s%s", qUtf8Printable(connection.peer()), request.method.c_str(),
           request.path.c_str(), verdict.status, verdict.reason.empty() ? "" : " ", verdict.reason.c_str());
    if (verdict.kind == Verdict::Kind::Refuse) {
        const bool reading = request.path == "/api/v1/state" || request.path == "/ws";
        if (verdict.status == 403 && reading && (verdict.wrongCode || request.queryValue("code").value_or("").empty()))
            noteRefusedView(connection.peer(), request);
        if (verdict.wrongCode) {
            answerSlowly(connection, verdict, !reading);
            return;
        }
        QByteArray more;
        if (!verdict.allow.empty())
            more += "Allow: " + QByteArray::fromStdString(verdict.allow) + "\r\n";
        if (verdict.status == 426)
            more += "Upgrade: websocket\r\nSec-WebSocket-Version: 13\r\n";
        // A refused client is not trusted with a second request.
        connection.refuse(verdict.status, QByteArray::fromStdString(verdict.reason), more);
        return;
    }
    if (verdict.kind != Verdict::Kind::Page) {
        // A right code: this device is known, and its guesses at that code
        // (and only that one) start again from the first.
        m_guesses.erase({connection.peer(), verdict.control});
        m_refusedViews.erase(connection.peer());
        rememberBounded(m_codedAddresses, connection.peer());
        if (!connection.coded() || connection.control() != verdict.control) {
            connection.setCoded();
            if (verdict.control)
                connection.setControl();
            devicesChangedSoon();
        }
    }

    switch (verdict.kind) {
    case Verdict::Kind::Refuse: break;
    case Verdict::Kind::Page: {
        // "remote" is remote/pages/remote.html, "live.js" remote/pages/live.js.
        const QString name = QString::fromStdString(verdict.page);
        const bool script = name.endsWith(QLatin1String(".js"));
        QFile file(QStringLiteral(":/remote/pages/") + name + (script ? QString() : QStringLiteral(".html")));
        if (!file.open(QIODevice::ReadOnly)) {
            qCWarning(remoteLog, "the page %s is missing from the program", qUtf8Printable(name));
            connection.refuse(500, "This page is missing from the program: reinstall it");
            return;
        }
        if (script) {
            connection.answer(200, "text/javascript; charset=utf-8", file.readAll(), kPageHeaders);
            return;
        }
        // In the program's language, or the one its address asks for.
        const QString language =
            PageTexts::languageFor(QString::fromStdString(request.queryValue("lang").value_or(std::string())));
        connection.answer(200, "text/html; charset=utf-8", PageTexts::filledIn(file.readAll(), language),
                          QByteArray(kPageHeaders) + "Content-Language: " + language.toLatin1() + "\r\n");
        return;
    }
    case Verdict::Kind::State: connection.answer(200, kJson, stateJson(m_match, verdict.control)); return;
    case Verdict::Kind::Act: act(connection, verdict); return;
    case Verdict::Kind::WebSocket: upgrade(connection, verdict.control); return;
    }
}

bool RemoteServer::lowersTheBoard() const
{
    // After a restart the board shows the last run's scores: an Update of
    // the window's 00 00 would wipe them out at one tap.
    const std::optional<ScoreKeeper::DigitCells> &board = m_match.boardDigits();
    if (m_match.sentThisRun() || !board)
        return false;
    const ScoreKeeper::DigitCells &window = m_match.windowDigits();
    return twoDigits(window, 0) < twoDigits(*board, 0) || twoDigits(window, 2) < twoDigits(*board, 2);
}

void RemoteServer::act(HttpConnection &connection, const Verdict &verdict)
{
    // A retry of a request already carried out gets the state, and nothing
    // is done again.
    const std::pair<std::string, RemoteAction> request{verdict.requestId, verdict.action};
    if (!verdict.requestId.empty()) {
        if (std::find(m_recentRequests.begin(), m_recentRequests.end(), request) != m_recentRequests.end()) {
            connection.answer(200, kJson, stateJson(m_match));
            return;
        }
    }
    if (verdict.action == RemoteAction::Update && !verdict.confirmed && lowersTheBoard()) {
        connection.answer(409, kJson, stateJson(m_match));
        return;
    }
    if (verdict.action == RemoteAction::Restore && m_match.offer().isEmpty()) {
        connection.answer(409, kJson, stateJson(m_match));
        return;
    }
    if (!verdict.requestId.empty()) {
        m_recentRequests.push_back(request);
        if (m_recentRequests.size() > kRememberedRequestIds)
            m_recentRequests.pop_front();
    }

    QPointer<HttpConnection> alive(&connection);
    const QString from = connection.peer();
    Match::Asked asked = Match::Asked::Waiting;
    bool sends = false;
    switch (verdict.action) {
    case RemoteAction::LeftPlus: m_match.step(Side::Left, Direction::Up, from); break;
    case RemoteAction::LeftMinus: m_match.step(Side::Left, Direction::Down, from); break;
    case RemoteAction::RightPlus: m_match.step(Side::Right, Direction::Up, from); break;
    case RemoteAction::RightMinus: m_match.step(Side::Right, Direction::Down, from); break;
    case RemoteAction::Restore: m_match.restore(from); break;
    case RemoteAction::Update: asked = m_match.update(from), sends = true; break;
    case RemoteAction::Reset: asked = m_match.reset(from), sends = true; break;
    }
    if (!alive || alive->over())
        return;
    if (sends && asked == Match::Asked::Started) {
        // Answered with the outcome, when the send ends (about 0.4 s); the
        // connection's next request waits for that answer.
        connection.hold();
        const auto ended = std::make_shared<QMetaObject::Connection>();
        *ended = connect(&m_match, &Match::sendEnded, &connection, [this, alive, ended] {
            QObject::disconnect(*ended);
            if (alive && !alive->over())
                alive->answer(m_match.statusIsFailure() ? 503 : 200, kJson, stateJson(m_match));
        });
        return;
    }
    // One that waits its turn is answered at once; the WebSocket brings the
    // rest.
    connection.answer(sends ? 202 : 200, kJson, stateJson(m_match));
}

void RemoteServer::answerSlowly(HttpConnection &connection, const Verdict &verdict, bool forControl)
{
    // Guessing a code takes longer at each wrong guess from the same address
    // over the last while, and guesses sent side by side are answered one
    // after another.
    const qint64 now = m_clock.elapsed();
    Guesses &guesses = m_guesses[{connection.peer(), forControl}];
    while (!guesses.at.empty() && now - guesses.at.front() > m_timing.wrongCodeWindowMs)
        guesses.at.pop_front();
    const int wrong = int(guesses.at.size());
    guesses.at.push_back(now);
    const qint64 delay = qint64(m_timing.wrongCodeDelayMs) << std::min(wrong, kWrongCodeDelayDoublings);
    guesses.nextAnswerAt = std::max(now, guesses.nextAnswerAt) + delay;

    // Addresses whose guesses are all old are forgotten.
    for (auto it = m_guesses.begin(); m_guesses.size() > kRememberedAddresses && it != m_guesses.end();)
        it = it->second.nextAnswerAt < now - m_timing.wrongCodeWindowMs ? m_guesses.erase(it) : std::next(it);

    connection.hold();
    QPointer<HttpConnection> alive(&connection);
    const QByteArray reason = QByteArray::fromStdString(verdict.reason);
    QTimer::singleShot(int(guesses.nextAnswerAt - now), &connection, [alive, reason] {
        if (alive && !alive->over())
            alive->refuse(403, reason);
    });
}

void RemoteServer::noteRefusedView(const QString &peer, const HttpRequest &request)
{
    // A page left with an old code: the window names the view that needs
    // the new address.
    const std::optional<std::string> view = request.queryValue("view");
    if (!view)
        return;
    static const std::set<std::string> kViews{"remote", "overlay", "board"};
    if (kViews.count(*view) == 0)
        return;
    if (m_refusedViews.size() >= kRememberedAddresses && m_refusedViews.count(peer) == 0)
        m_refusedViews.erase(m_refusedViews.begin());
    const QString name = QString::fromStdString(*view);
    if (std::exchange(m_refusedViews[peer], name) != name)
        devicesChangedSoon();
}

void RemoteServer::upgrade(HttpConnection &connection, bool control)
{
    QTcpSocket *socket = connection.socket();
    const WebSocketSide::Client client{connection.peer(), control, plain(socket->localAddress()), socket->localPort()};
    m_webSockets->take(connection.release(), client);
}

void RemoteServer::forget(HttpConnection *connection)
{
    m_connections.erase(std::remove(m_connections.begin(), m_connections.end(), connection), m_connections.end());
    devicesChangedSoon();
}

void RemoteServer::closeWhere(const std::function<bool(const Link &)> &closing)
{
    // Collected first: closing one changes the list.
    std::vector<QPointer<HttpConnection>> connections;
    for (HttpConnection *connection : m_connections) {
        const QTcpSocket &socket = *connection->socket();
        if (closing(Link{plain(socket.localAddress()), socket.localPort(), connection->peer(), connection->control()}))
            connections.emplace_back(connection);
    }
    for (const QPointer<HttpConnection> &connection : connections)
        if (connection)
            connection->abort();
    m_webSockets->closeWhere(
        [&](const WebSocketSide::Client &client) {
            return closing(Link{client.local, client.localPort, client.peer, client.control});
        },
        QStringLiteral("No longer served"));
}

int RemoteServer::connectionsFrom(const QString &peer) const
{
    int count = int(std::count_if(m_connections.begin(), m_connections.end(),
                                  [&](const HttpConnection *c) { return c->peer() == peer; }));
    for (const WebSocketSide::Client &client : m_webSockets->clients())
        count += client.peer == peer ? 1 : 0;
    return count;
}

int RemoteServer::linkCount() const
{
    return int(m_connections.size()) + m_webSockets->count();
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

RemoteAccess RemoteServer::accessFor(const HttpConnection &connection) const
{
    RemoteAccess access;
    access.controlCode = m_controlCode.toStdString();
    access.viewCode = m_viewCode.toStdString();
    for (const QString &name : m_hostNames)
        access.hostNames.push_back(name.toLower().toStdString());
    // The address the device connected to names this machine, also one
    // that appeared after the server started.
    access.hostNames.push_back(hostName(plain(connection.socket()->localAddress())).toLower().toStdString());
    for (const QHostAddress &address : addresses())
        if (address != QHostAddress(QHostAddress::AnyIPv4))
            access.hostNames.push_back(hostName(address).toLower().toStdString());
    access.port = port();
    return access;
}
