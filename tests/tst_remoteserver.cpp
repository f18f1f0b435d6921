#include "match/Language.h"
#include "remote/RemoteServer.h"
#include "support/PseudoTranslator.h"
#include "support/SendGate.h"
#include "support/TestMatch.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QNetworkProxy>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QUrlQuery>
#include <QWebSocket>

namespace {
const QByteArray kControl = "ctrlcode23";
const QByteArray kView = "viewcode45";
// Short, so that the rules that wait can be seen in a test.
RemoteServer::Timing quick()
{
    RemoteServer::Timing timing;
    timing.connection = {400, 400, 300, 20};
    timing.heartbeatMs = 150;
    timing.wrongCodeDelayMs = 20;
    return timing;
}
const RemoteServer::Timing kQuick = quick();
// None closed for being idle or silent meanwhile.
RemoteServer::Timing patient()
{
    RemoteServer::Timing timing = quick();
    timing.connection.firstRequestMs = timing.connection.idleMs = 60000;
    timing.heartbeatMs = 60000;
    return timing;
}

// The match on fakes, started (port 1 open), served on a free loopback port.
struct Served : TestMatch
{
    explicit Served(RemoteServer::Timing timing = kQuick, const QString &settingsFolder = {})
        : TestMatch({}, {}, settingsFolder), server(std::make_unique<RemoteServer>(*match, timing))
    {
        match->start();
        server->setCodes(QString::fromLatin1(kControl), QString::fromLatin1(kView));
        server->setHostNames({QStringLiteral("localhost"), QStringLiteral("scorepc")});
        if (!server->listen({QHostAddress(QHostAddress::LocalHost)}, 0))
            qFatal("cannot listen: %s", qPrintable(server->problem()));
    }

    quint16 port() const { return server->port(); }
    int left() const { return std::stoi(match->windowDigits()[0] + match->windowDigits()[1]); }

    std::unique_ptr<RemoteServer> server;
};

// {port}, {control} and {view} in a request stand for the served port and the codes.
QByteArray filledIn(QByteArray request, quint16 port)
{
    return request.replace("{port}", QByteArray::number(port)).replace("{control}", kControl).replace("{view}", kView);
}

struct Reply
{
    int status = 0;
    QByteArray head;
    QByteArray body;
    bool closed = false;
};

// Reads one response from the client, leaving any that follows it; the
// server runs on this thread, so the loop turns while waiting.
Reply readReply(QTcpSocket &client, int timeoutMs = 5000)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < timeoutMs) {
        const QByteArray got = client.peek(client.bytesAvailable());
        const qsizetype end = got.indexOf("\r\n\r\n");
        if (end >= 0) {
            Reply reply;
            reply.head = got.left(end);
            reply.status = got.mid(9, 3).toInt();
            const qsizetype length = reply.head.indexOf("Content-Length: ");
            const qsizetype bodySize = length < 0 ? 0 : reply.head.mid(length + 16).split('\r').first().toInt();
            if (got.size() >= end + 4 + bodySize) {
                reply.body = got.mid(end + 4, bodySize);
                client.read(end + 4 + bodySize);
                return reply;
            }
        }
        if (client.state() == QAbstractSocket::UnconnectedState && client.bytesAvailable() == 0)
            break;
        QTest::qWait(2);
    }
    return {};
}

// A page's text as a person meets it: its title, what is shown, what a
// screen reader says (aria-label); not its style sheet, scripts or markup.
QString wordsOf(const QByteArray &page)
{
    QString html = QString::fromUtf8(page);
    html.remove(QRegularExpression(QStringLiteral("<!--.*?-->|<(style|script)[^>]*>.*?</\\1>"),
                                   QRegularExpression::DotMatchesEverythingOption));
    QStringList words;
    const QRegularExpression label(QStringLiteral("aria-label=\"([^\"]*)\""));
    for (auto match = label.globalMatch(html); match.hasNext();)
        words << match.next().captured(1);
    html.remove(QRegularExpression(QStringLiteral("<[^>]*>"))).remove(QRegularExpression(QStringLiteral("&\\w+;")));
    return (words << html).join(QLatin1Char(' '));
}

// What is left of `text` outside the pseudo translator's ⟦marks⟧: a word
// there did not go through the translation.
QString unmarked(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\u27e6[^\u27e7]*\u27e7")))
        .remove(QRegularExpression(QStringLiteral("[^A-Za-z]")));
}

Reply exchange(quint16 port, const QByteArray &request)
{
    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, port);
    client.write(request);
    Reply reply = readReply(client);
    QElapsedTimer waited;
    waited.start();
    while (reply.status >= 400 && client.state() == QAbstractSocket::ConnectedState && waited.elapsed() < 5000)
        QTest::qWait(2);
    reply.closed = client.state() != QAbstractSocket::ConnectedState;
    return reply;
}

QByteArray get(const QByteArray &target, const QByteArray &more = {})
{
    return "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\n" + more + "\r\n";
}

QByteArray post(const QByteArray &target, const QByteArray &more = {})
{
    return "POST " + target + " HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\nContent-Length: 0\r\n" + more + "\r\n";
}

const QByteArray kUpgrade = "Connection: Upgrade\r\nUpgrade: websocket\r\nSec-WebSocket-Version: 13\r\n"
                            "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n";

// A WebSocket client's end, made by hand: the handshake, and the server's
// unmasked frames read back.
struct WebSocketClient
{
    QTcpSocket socket;
    QByteArray buffer;

    bool open(quint16 port, const QByteArray &code)
    {
        socket.connectToHost(QHostAddress::LocalHost, port);
        socket.write(filledIn(get("/ws?code=" + code, kUpgrade), port));
        QElapsedTimer waited;
        waited.start();
        while (!buffer.contains("\r\n\r\n") && waited.elapsed() < 3000) {
            QTest::qWait(2);
            buffer += socket.readAll();
        }
        const bool upgraded = buffer.startsWith("HTTP/1.1 101 ");
        buffer.remove(0, buffer.indexOf("\r\n\r\n") + 4); // frames may follow at once
        return upgraded;
    }
    // The next state message; empty when none came in time.
    QByteArray nextState() { return next(false); }
    // The next text message, a heartbeat or a state.
    QByteArray next(bool heartbeats = true, int timeoutMs = 3000)
    {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < timeoutMs) {
            buffer += socket.readAll();
            // A state is under 64 KiB: a 7-bit length, or 126 and 16 bits.
            const int head = buffer.size() >= 2 && (quint8(buffer[1]) & 0x7F) == 126 ? 4 : 2;
            const int length = buffer.size() < head ? -1
                               : head == 4          ? quint8(buffer[2]) << 8 | quint8(buffer[3])
                                                    : quint8(buffer[1]) & 0x7F;
            if (length >= 0 && buffer.size() >= head + length) {
                const int opcode = quint8(buffer[0]) & 0x0F;
                const QByteArray payload = buffer.mid(head, length);
                buffer.remove(0, head + length);
                if (opcode == 0x1 && (heartbeats || !payload.contains("heartbeat")))
                    return payload;
                continue; // a ping: this client does not answer
            }
            if (socket.state() == QAbstractSocket::UnconnectedState)
                return {};
            QTest::qWait(2);
        }
        return {};
    }
};
} // namespace

class TestRemoteServer : public QObject
{
    Q_OBJECT

private slots:
    // The clients here are on loopback: no system proxy lookup (libproxy's
    // thread, whose hand-over ThreadSanitizer cannot see).
    void initTestCase() { QNetworkProxyFactory::setUseSystemConfiguration(false); }

    // Every kind of request and what it gets: the rules of who may do what,
    // each broken one way per row. `left` is the left score after it, from 0.
    void requests_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("left");

        QTest::newRow("the remote page, no code needed") << get("/remote") << 200 << 0;
        QTest::newRow("the overlay page") << get("/overlay") << 200 << 0;
        QTest::newRow("the state with the view code") << get("/api/v1/state?code={view}") << 200 << 0;
        QTest::newRow("the state with the control code") << get("/api/v1/state?code={control}") << 200 << 0;
        QTest::newRow("the state without a code") << get("/api/v1/state") << 403 << 0;
        QTest::newRow("the state with a wrong code") << get("/api/v1/state?code=guess") << 403 << 0;
        QTest::newRow("plus with the control code") << post("/api/v1/left/plus?code={control}") << 200 << 1;
        QTest::newRow("plus with the control code, percent-encoded")
            << post("/api/v1/left/plus?code=%63trlcode23") << 200 << 1;
        QTest::newRow("minus wraps to 99") << post("/api/v1/left/minus?code={control}") << 200 << 99;
        QTest::newRow("plus with the view code") << post("/api/v1/left/plus?code={view}") << 403 << 0;
        QTest::newRow("plus without a code, also from this computer") << post("/api/v1/left/plus") << 403 << 0;
        QTest::newRow("plus with a wrong code") << post("/api/v1/left/plus?code=ctrlcode2") << 403 << 0;
        QTest::newRow("plus as a plain GET") << get("/api/v1/left/plus?code={control}") << 405 << 0;
        QTest::newRow("plus by GET .../action") << get("/api/v1/left/plus/action?code={control}") << 200 << 1;
        QTest::newRow(".../action by POST") << post("/api/v1/left/plus/action?code={control}") << 405 << 0;
        QTest::newRow(".../action with the view code") << get("/api/v1/left/plus/action?code={view}") << 403 << 0;
        QTest::newRow("another method") << QByteArray("DELETE /api/v1/left/plus?code={control} HTTP/1.1\r\nHost: "
                                                      "127.0.0.1:{port}\r\n\r\n")
                                        << 501 << 0;
        QTest::newRow("a method http-parser does not know")
            << QByteArray("BREW /remote HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\n\r\n") << 501 << 0;
        QTest::newRow("a page by POST") << post("/remote") << 405 << 0;
        // A HEAD reads where a GET does, gets the head alone, and never acts.
        const auto head = [](const QByteArray &target) {
            return "HEAD " + target + " HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\nConnection: close\r\n\r\n";
        };
        QTest::newRow("HEAD of a page") << head("/remote") << 200 << 0;
        QTest::newRow("HEAD of the state with the view code") << head("/api/v1/state?code={view}") << 200 << 0;
        QTest::newRow("HEAD of the state without a code") << head("/api/v1/state") << 403 << 0;
        QTest::newRow("HEAD of .../action") << head("/api/v1/left/plus/action?code={control}") << 405 << 0;
        QTest::newRow("HEAD of /ws") << head("/ws?code={view}") << 405 << 0;
        QTest::newRow("Expect: 100-continue, the body once asked for")
            << QByteArray("POST /api/v1/left/plus?code={control} HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\n"
                          "Expect: 100-continue\r\nContent-Length: 2\r\n\r\n{continue}{}")
            << 200 << 1;
        QTest::newRow("another Expect") << post("/api/v1/left/plus?code={control}", "Expect: haste\r\n") << 417 << 0;
        QTest::newRow("a change another site's page made")
            << post("/api/v1/left/plus?code={control}", "Sec-Fetch-Site: cross-site\r\n") << 403 << 0;
        QTest::newRow("a change a page of the same site made, by .../action")
            << get("/api/v1/left/plus/action?code={control}", "Sec-Fetch-Site: same-site\r\n") << 403 << 0;
        QTest::newRow("a change our own page made")
            << post("/api/v1/left/plus?code={control}", "Sec-Fetch-Site: same-origin\r\n") << 200 << 1;
        QTest::newRow("restore with the view code") << post("/api/v1/restore?code={view}") << 403 << 0;
        QTest::newRow("Host: localhost") << QByteArray("POST /api/v1/left/plus?code={control} HTTP/1.1\r\nHost: "
                                                       "localhost:{port}\r\nContent-Length: 0\r\n\r\n")
                                         << 200 << 1;
        QTest::newRow("Host: the host name, in capitals")
            << QByteArray("GET /api/v1/state?code={view} HTTP/1.1\r\nHost: ScorePC:{port}\r\n\r\n") << 200 << 0;
        QTest::newRow("a foreign Host (DNS rebinding)")
            << QByteArray("POST /api/v1/left/plus?code={control} HTTP/1.1\r\nHost: evil.example:{port}\r\n"
                          "Content-Length: 0\r\n\r\n")
            << 403 << 0;
        QTest::newRow("a foreign Host, reading")
            << QByteArray("GET /api/v1/state?code={view} HTTP/1.1\r\nHost: evil.example:{port}\r\n\r\n") << 403 << 0;
        QTest::newRow("our name at another port")
            << QByteArray("GET /api/v1/state?code={view} HTTP/1.1\r\nHost: 127.0.0.1:1\r\n\r\n") << 403 << 0;
        QTest::newRow("no Host") << QByteArray("GET /api/v1/state?code={view} HTTP/1.0\r\n\r\n") << 400 << 0;
        QTest::newRow("Host twice") << QByteArray(
                                           "GET /api/v1/state?code={view} HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\nHost: "
                                           "evil.example\r\n\r\n")
                                    << 400 << 0;
        QTest::newRow("our own page's Origin")
            << post("/api/v1/left/plus?code={control}", "Origin: http://127.0.0.1:{port}\r\n") << 200 << 1;
        QTest::newRow("a foreign Origin")
            << post("/api/v1/left/plus?code={control}", "Origin: http://evil.example\r\n") << 403 << 0;
        QTest::newRow("a foreign Origin on .../action")
            << get("/api/v1/left/plus/action?code={control}", "Origin: http://evil.example\r\n") << 403 << 0;
        QTest::newRow("Origin null (a sandboxed or local file)")
            << post("/api/v1/left/plus?code={control}", "Origin: null\r\n") << 403 << 0;
        QTest::newRow("our name and port over https")
            << post("/api/v1/left/plus?code={control}", "Origin: https://127.0.0.1:{port}\r\n") << 403 << 0;
        QTest::newRow("a WebSocket with the view code") << get("/ws?code={view}", kUpgrade) << 101 << 0;
        QTest::newRow("a WebSocket without a code") << get("/ws", kUpgrade) << 403 << 0;
        QTest::newRow("a WebSocket from a foreign Origin")
            << get("/ws?code={view}", kUpgrade + "Origin: http://evil.example\r\n") << 403 << 0;
        QTest::newRow("a WebSocket elsewhere") << get("/remote?code={view}", kUpgrade) << 400 << 0;
        QTest::newRow("/ws without the upgrade") << get("/ws?code={view}") << 426 << 0;
        QTest::newRow("a WebSocket key of 18 bytes, 24 characters")
            << get("/ws?code={view}", QByteArray(kUpgrade).replace("Q==", "SEh")) << 400 << 0;
        QTest::newRow("a WebSocket over HTTP/1.0")
            << get("/ws?code={view}", kUpgrade).replace("HTTP/1.1", "HTTP/1.0") << 400 << 0;
        QTest::newRow("no such page") << get("/etc/passwd") << 404 << 0;
        QTest::newRow("a request id at its limit")
            << post("/api/v1/left/plus?code={control}&id=" + QByteArray(64, 'a')) << 200 << 1;
        QTest::newRow("a request id over its limit")
            << post("/api/v1/left/plus?code={control}&id=" + QByteArray(65, 'a')) << 400 << 0;
        QTest::newRow("a target over 2 KiB") << get("/remote?x=" + QByteArray(2100, 'x')) << 414 << 0;
        QTest::newRow("a blank before a header's colon")
            << post("/api/v1/left/plus?code={control}", "Origin : http://evil.example\r\n") << 400 << 0;
        QTest::newRow("a head over 8 KiB")
            << get("/api/v1/state?code={view}", "X-Filler: " + QByteArray(8200, 'x') + "\r\n") << 431 << 0;
        QTest::newRow("a head that never ends")
            << QByteArray("GET / HTTP/1.1\r\nX: ") + QByteArray(9000, 'x') << 431 << 0;
        QTest::newRow("a body over 1 KiB") << QByteArray("POST /api/v1/left/plus?code={control} HTTP/1.1\r\nHost: "
                                                         "127.0.0.1:{port}\r\nContent-Length: 1025\r\n\r\n") +
                                                  QByteArray(1025, 'x')
                                           << 413 << 0;
        QTest::newRow("a body announced over 1 KiB, refused before it comes")
            << post("/api/v1/left/plus?code={control}").replace("Content-Length: 0", "Content-Length: 1000000") << 413
            << 0;
        QTest::newRow("a chunked body over 1 KiB")
            << QByteArray(
                   "POST /api/v1/left/plus?code={control} HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\nTransfer-Encoding: "
                   "chunked\r\n\r\n401\r\n") +
                   QByteArray(1025, 'x') + "\r\n0\r\n\r\n"
            << 413 << 0;
        QTest::newRow("not HTTP") << QByteArray("\x16\x03\x01\x02\x00\x01\x00\x01\xfc\x03\x03", 11) << 400 << 0;
        // The pages in the program's language, or the one asked for in a
        // known form; anything else is never put into the page.
        QTest::newRow("the remote page in French") << get("/remote?code={control}&lang=fr") << 200 << 0;
        QTest::newRow("the overlay in Canadian French") << get("/overlay?code={view}&lang=fr-CA") << 200 << 0;
        QTest::newRow("the hall screen in English") << get("/board?lang=en") << 200 << 0;
        QTest::newRow("a language without a translation") << get("/remote?lang=tlh") << 200 << 0;
        QTest::newRow("lang= closing the script element")
            << get("/remote?lang=%3C/script%3E%3Cscript%3Ealert(1)%3C/script%3E") << 200 << 0;
        QTest::newRow("lang= as a path") << get("/overlay?lang=../../x") << 200 << 0;
        QTest::newRow("lang= with a quote") << get("/board?lang=fr%22%20onload=%22alert(1)") << 200 << 0;
        QTest::newRow("an absolute target")
            << QByteArray("GET http://127.0.0.1:{port}/api/v1/state?code={view} HTTP/1.1\r\nHost: "
                          "127.0.0.1:{port}\r\n\r\n")
            << 400 << 0;
    }
    void requests()
    {
        QFETCH(QByteArray, request);
        QFETCH(int, status);
        QFETCH(int, left);
        Served served;
        QByteArray bytes = filledIn(request, served.port());
        QTcpSocket client;
        client.connectToHost(QHostAddress::LocalHost, served.port());
        // Past "{continue}", the body waits until the server asks for it.
        const QByteArray pause = "{continue}";
        if (const qsizetype at = bytes.indexOf(pause); at >= 0) {
            client.write(bytes.left(at));
            QCOMPARE(readReply(client).status, 100);
            bytes.remove(0, at + pause.size());
        }
        client.write(bytes);
        const bool headOnly = request.startsWith("HEAD ");
        Reply reply;
        if (headOnly) {
            // The head alone, whatever its Content-Length says; these rows ask
            // for the connection to be closed after it.
            QTRY_COMPARE_WITH_TIMEOUT(client.state(), QAbstractSocket::UnconnectedState, 5000);
            const QByteArray got = client.readAll();
            QVERIFY2(got.indexOf("\r\n\r\n") == got.size() - 4, got);
            reply.status = got.mid(9, 3).toInt();
            reply.head = got.chopped(4);
        } else {
            reply = readReply(client);
            QElapsedTimer waited;
            waited.start();
            while (reply.status >= 400 && client.state() == QAbstractSocket::ConnectedState && waited.elapsed() < 5000)
                QTest::qWait(2);
            reply.closed = client.state() != QAbstractSocket::ConnectedState;
        }
        QCOMPARE(reply.status, status);
        QCOMPARE(served.left(), left);
        // A plain status and a short reason; never a door left open to other
        // sites. (Qt's WebSocket handshake names any origin; CORS does not
        // govern a WebSocket, whose Origin the rules check before it.)
        QVERIFY(status == 101 || !reply.head.contains("Access-Control-Allow-Origin"));
        if (status == 405) {
            const qsizetype allow = reply.head.indexOf("\r\nAllow: ");
            const QByteArray method = request.left(request.indexOf(' '));
            QVERIFY2(allow >= 0 && !reply.head.mid(allow + 9).split('\r').first().contains(method), reply.head);
        }
        if (reply.head.contains("Content-Type: text/html") && !headOnly) {
            // In the language lang= names where this program has it, else in
            // the program's; what else was asked never shows in the page.
            const QString asked = QUrlQuery(QUrl(QString::fromLatin1(request.split(' ').at(1))).query())
                                      .queryItemValue(QStringLiteral("lang"), QUrl::FullyDecoded);
            const QString code = asked.section(QLatin1Char('-'), 0, 0);
            const QString language =
                code == QLatin1String("en") || Language::translated().contains(code) ? code : Language::current();
            QVERIFY2(reply.body.contains("<html lang=\"" + language.toLatin1() + "\">"), reply.body.left(80));
            QVERIFY2(reply.head.contains("\r\nContent-Language: " + language.toLatin1()), reply.head);
            if (!asked.isEmpty() && asked != language)
                QVERIFY2(!reply.body.contains(asked.toUtf8()) && !reply.body.contains("alert("), reply.body);
            QVERIFY2(!reply.body.contains("{{"), "a text the program does not have");
        }
        if (status >= 400 && !headOnly) {
            QVERIFY2(reply.body.size() > 3 && reply.body.size() < 80 && !reply.body.contains('<'), reply.body);
            QVERIFY2(reply.closed, "a refused connection is closed");
        }
    }

    // Every word a person reads or hears on a page goes through the
    // translation: the page's own, and those its scripts are handed.
    void everyWordOfThePagesIsTranslated_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::newRow("the remote control") << QByteArray("/remote");
        QTest::newRow("the overlay") << QByteArray("/overlay");
        QTest::newRow("the hall screen") << QByteArray("/board");
    }
    void everyWordOfThePagesIsTranslated()
    {
        QFETCH(QByteArray, page);
        const PseudoTranslator pseudo;
        Served served;
        const Reply reply = exchange(served.port(), filledIn(get(page), served.port()));
        QCOMPARE(reply.status, 200);
        const QString words = wordsOf(reply.body);
        QVERIFY2(words.contains(QChar(0x27e6)), qPrintable(words));
        QVERIFY2(unmarked(words).isEmpty(), qPrintable(words));
        const QByteArray texts =
            QRegularExpression(QStringLiteral(R"(<script type="application/json" id="texts">(.*?)</script>)"))
                .match(QString::fromUtf8(reply.body))
                .captured(1)
                .toUtf8();
        // Walked as JSON: a QVariantMap made inside Qt is a std::map of
        // another layout under the checked containers.
        const QJsonObject forScripts = QJsonDocument::fromJson(texts).object();
        for (auto text = forScripts.begin(); text != forScripts.end(); ++text)
            QVERIFY2(unmarked(text.value().toString()).isEmpty(), qPrintable(text.key()));
        QCOMPARE(forScripts.isEmpty(), page != "/remote");
    }

    // The four buttons, Update and Reset run the match's operations, as the
    // window's buttons do, and the status line says where they came from.
    void actionsRunTheMatchsOperations()
    {
        Served served;
        const auto act = [&](const QByteArray &action) {
            return exchange(served.port(), filledIn(post("/api/v1/" + action + "?code={control}"), served.port()));
        };
        for (const QByteArray action : {"left/plus", "left/plus", "right/plus", "right/minus", "right/minus"})
            QCOMPARE(act(action).status, 200);
        QCOMPARE(served.match->windowDigits(), (ScoreKeeper::DigitCells{"0", "2", "9", "9"}));
        QVERIFY(served.recording->writes.empty());
        const Reply updated = act("update");
        QCOMPARE(updated.status, 200);
        QCOMPARE(served.recording->writes.size(), std::size_t(5));
        QVERIFY2(served.match->status().startsWith(QStringLiteral("Update from 127.0.0.1: Board shows 02 99")),
                 qPrintable(served.match->status()));
        QVERIFY2(updated.body.contains(R"("boardLeft":2,"boardRight":99,)") && updated.body.contains(R"("left":2,)") &&
                     updated.body.contains(R"("behind":false)") && updated.body.contains(R"("port":1,)"),
                 updated.body);
        QCOMPARE(act("reset").status, 200);
        QCOMPARE(served.match->windowDigits(), (ScoreKeeper::DigitCells{"0", "0", "0", "0"}));
        QCOMPARE(served.recording->writes.size(), std::size_t(10));
        // A send that fails is no success.
        served.recording->writesBeforeFailure = 0;
        const Reply failed = act("update");
        QCOMPARE(failed.status, 503);
        QVERIFY2(failed.body.contains(R"("failure":true)"), failed.body);
    }

    // An update that starts its send is answered once the send has ended,
    // with its outcome; the connection's next request waits for that answer.
    // One asked while another send is on the wire waits its turn and is
    // answered at once, as is a "+". Requests sent at once on one
    // connection; answers as "status" and what the state holds.
    void duringASend_data()
    {
        QTest::addColumn<bool>("windowSending"); // the window's update is on the wire first
        QTest::addColumn<QByteArrayList>("actions");
        QTest::addColumn<bool>("atOnce"); // answered while the send is held
        QTest::addColumn<QList<QByteArrayList>>("answers");

        QTest::newRow("an update: answered with its outcome")
            << false << QByteArrayList{"update"} << false
            << QList<QByteArrayList>{{"200", R"("boardLeft":0,)", R"("sending":false)"}};
        QTest::newRow("the next request on the connection: after the update's answer")
            << false << QByteArrayList{"update", "left/plus"} << false
            << QList<QByteArrayList>{{"200", R"("left":0,)"}, {"200", R"("left":1,)"}};
        QTest::newRow("an update during a send: 202 at once")
            << true << QByteArrayList{"update"} << true
            << QList<QByteArrayList>{
                   {"202", R"("boardLeft":null,)", R"("sending":true)", "Update from 127.0.0.1 waiting"}};
        QTest::newRow("+ during a send: at once")
            << true << QByteArrayList{"left/plus"} << true
            << QList<QByteArrayList>{{"200", R"("left":1,)", R"("sending":true)"}};
    }
    void duringASend()
    {
        QFETCH(bool, windowSending);
        QFETCH(QByteArrayList, actions);
        QFETCH(bool, atOnce);
        QFETCH(QList<QByteArrayList>, answers);
        Served served;
        SendGate gate(*served.recording);
        gate.close();
        if (windowSending)
            QCOMPARE(served.match->update(), Match::Asked::Started);
        QTcpSocket client;
        client.connectToHost(QHostAddress::LocalHost, served.port());
        for (const QByteArray &action : actions)
            client.write(filledIn(post("/api/v1/" + action + "?code={control}"), served.port()));
        QVERIFY(WaitFor([&] { return served.match->sending(); }));
        QVERIFY(gate.holding());
        if (!atOnce) {
            QCOMPARE(readReply(client, 200).status, 0);
            gate.open();
        }
        for (const QByteArrayList &answer : answers) {
            const Reply reply = readReply(client);
            QCOMPARE(QByteArray::number(reply.status), answer.front());
            for (const QByteArray &part : answer.mid(1))
                QVERIFY2(reply.body.contains(part), reply.body);
        }
        gate.open();
        QVERIFY(WaitFor([&] { return !served.match->sending(); }));
    }

    // A retry of a request whose answer was lost is carried out once.
    void aRetriedRequestIsCarriedOutOnce()
    {
        Served served;
        const QByteArray plus = filledIn(post("/api/v1/left/plus?code={control}&id=press-1"), served.port());
        QCOMPARE(exchange(served.port(), plus).status, 200);
        const Reply again = exchange(served.port(), plus);
        QCOMPARE(again.status, 200);
        QCOMPARE(served.left(), 1);
        QVERIFY2(again.body.contains(R"("left":1,)"), again.body);
        // The same id on another action is another press.
        QCOMPARE(exchange(served.port(), filledIn(post("/api/v1/right/plus?code={control}&id=press-1"), served.port()))
                     .status,
                 200);
        QCOMPARE(served.match->windowDigits()[3], std::string("1"));
        QCOMPARE(exchange(served.port(), filledIn(post("/api/v1/left/plus?code={control}&id=press-2"), served.port()))
                     .status,
                 200);
        QCOMPARE(served.left(), 2);
    }

    // Guessing costs time, more at each wrong guess; the right code does not.
    void aWrongCodeIsAnsweredSlowly()
    {
        Served served;
        const int delay = kQuick.wrongCodeDelayMs;
        const auto guess = [&](const QByteArray &request) {
            auto client = std::make_unique<QTcpSocket>();
            client->connectToHost(QHostAddress::LocalHost, served.port());
            client->write(filledIn(request, served.port()));
            return client;
        };
        QElapsedTimer took;
        took.start();
        // Four guesses side by side are answered one after another, each
        // later than the one before: 1, 2, 4 and 8 times the first wait.
        std::vector<std::unique_ptr<QTcpSocket>> guesses;
        for (int i = 0; i < 4; ++i)
            guesses.push_back(guess(get("/api/v1/state?code=guess" + QByteArray::number(i))));
        for (auto &client : guesses)
            QCOMPARE(readReply(*client).status, 403);
        QVERIFY2(took.elapsed() >= 15 * delay, qPrintable(QString::number(took.elapsed())));

        // The control code's count is its own: a right view code does not
        // start it again.
        for (int i = 0; i < 2; ++i)
            QCOMPARE(readReply(*guess(post("/api/v1/left/plus?code=wrong" + QByteArray::number(i)))).status, 403);
        QCOMPARE(exchange(served.port(), filledIn(get("/api/v1/state?code={view}"), served.port())).status, 200);
        took.restart();
        QCOMPARE(readReply(*guess(post("/api/v1/left/plus?code=wrong3"))).status, 403);
        QVERIFY2(took.elapsed() >= 4 * delay, qPrintable(QString::number(took.elapsed())));
    }

    void theCodeNeverAppearsInTheLog()
    {
        static QStringList logged;
        logged.clear();
        QLoggingCategory::setFilterRules(QStringLiteral("scoreboard.*=true"));
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &text) { logged << text; });
        {
            Served served;
            for (const QByteArray &request :
                 {get("/api/v1/state?code={view}"), post("/api/v1/left/plus?code={control}&id=1"),
                  post("/api/v1/update?code={view}"), get("/api/v1/left/plus/action?code={control}"),
                  get("/ws?code={control}", kUpgrade), get("/remote?code={control}")})
                exchange(served.port(), filledIn(request, served.port()));
        }
        qInstallMessageHandler(previous);
        QLoggingCategory::setFilterRules(QString());
        QVERIFY(logged.size() >= 6);
        for (const QString &line : logged)
            QVERIFY2(!line.contains(QString::fromLatin1(kControl)) && !line.contains(QString::fromLatin1(kView)),
                     qPrintable(line));
    }

    // No device locks out another: a few connections per address, and
    // connections that never sent a request make room for a newcomer, the
    // oldest first.
    void noDeviceLocksOutAnother()
    {
        RemoteServer::Timing timing = quick();
        timing.connection.firstRequestMs = 60000; // none closed for being idle meanwhile
        Served served(timing);
        std::vector<std::unique_ptr<QTcpSocket>> idle;
        for (int i = 0; i < RemoteServer::kConnectionLimit; ++i) {
            idle.push_back(std::make_unique<QTcpSocket>());
            idle.back()->bind(QHostAddress(QStringLiteral("127.0.0.%1").arg(2 + i % 8)));
            idle.back()->connectToHost(QHostAddress::LocalHost, served.port());
            QVERIFY(idle.back()->waitForConnected(2000));
            QTest::qWait(1); // accepted in order
        }
        const auto open = [&] {
            return std::count_if(idle.begin(), idle.end(),
                                 [](const auto &socket) { return socket->state() == QAbstractSocket::ConnectedState; });
        };
        // Code-less devices have all but the places kept for devices with a code.
        QTRY_COMPARE(open(), RemoteServer::kConnectionLimit - RemoteServer::kKeptForCodedDevices);
        const auto firstOpen = std::find_if(idle.begin(), idle.end(), [](const auto &socket) {
            return socket->state() == QAbstractSocket::ConnectedState;
        });
        QVERIFY(std::all_of(firstOpen, idle.end(),
                            [](const auto &socket) { return socket->state() == QAbstractSocket::ConnectedState; }));

        // A phone with the control code: answered at once, and the oldest
        // connection that never asked anything is the one closed for it.
        QElapsedTimer took;
        took.start();
        QCOMPARE(exchange(served.port(), filledIn(post("/api/v1/left/plus?code={control}"), served.port())).status,
                 200);
        QVERIFY2(took.elapsed() < 1000, qPrintable(QString::number(took.elapsed())));
        QTRY_COMPARE((*firstOpen)->state(), QAbstractSocket::UnconnectedState);
        QCOMPARE(open(), RemoteServer::kConnectionLimit - RemoteServer::kKeptForCodedDevices - 1);

        // A ninth connection from one address is refused, and closed at once.
        std::vector<std::unique_ptr<QTcpSocket>> eight;
        for (int i = 0; i < RemoteServer::kConnectionsPerAddress; ++i) {
            eight.push_back(std::make_unique<QTcpSocket>());
            eight.back()->bind(QHostAddress(QStringLiteral("127.0.0.10")));
            eight.back()->connectToHost(QHostAddress::LocalHost, served.port());
            QVERIFY(eight.back()->waitForConnected(2000));
        }
        QTcpSocket ninth;
        ninth.bind(QHostAddress(QStringLiteral("127.0.0.10")));
        ninth.connectToHost(QHostAddress::LocalHost, served.port());
        const Reply refused = readReply(ninth);
        QCOMPARE(refused.status, 503);
        QTRY_COMPARE_WITH_TIMEOUT(ninth.state(), QAbstractSocket::UnconnectedState, 1000);
        const std::vector<RemoteServer::Device> devices = served.server->devices();
        QVERIFY(std::none_of(devices.begin(), devices.end(), [](const RemoteServer::Device &device) {
            return device.coded && device.address != "127.0.0.1";
        }));
    }

    // A client that does not read what it is sent costs a bounded amount of
    // memory, and is closed when it stays so; one that reads is not.
    void aClientThatDoesNotReadIsBounded_data()
    {
        QTest::addColumn<bool>("webSocket");
        QTest::addColumn<bool>("emptyPongs"); // unasked pongs, to look alive
        QTest::newRow("pipelined requests never read") << false << false;
        QTest::newRow("a WebSocket never read") << true << false;
        QTest::newRow("a WebSocket never read, sending empty pongs") << true << true;
    }
    void aClientThatDoesNotReadIsBounded()
    {
        QFETCH(bool, webSocket);
        QFETCH(bool, emptyPongs);
        Served served;
        // From an address of its own, to be told apart from the one that reads.
        QTcpSocket stuck;
        stuck.bind(QHostAddress(QStringLiteral("127.0.0.3")));
        stuck.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 4096);
        stuck.setReadBufferSize(1); // Qt reads nothing more for it either
        stuck.connectToHost(QHostAddress::LocalHost, served.port());
        QVERIFY(stuck.waitForConnected(2000));
        const auto stuckIsServed = [&] {
            const std::vector<RemoteServer::Device> devices = served.server->devices();
            return std::any_of(devices.begin(), devices.end(),
                               [](const RemoteServer::Device &device) { return device.address == "127.0.0.3"; });
        };
        QTRY_VERIFY(stuckIsServed());
        QWebSocket reading;
        if (webSocket) {
            stuck.write(filledIn(get("/ws?code={view}", kUpgrade), served.port()));
            reading.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/ws?code=%2").arg(served.port()).arg(kView)));
            QTRY_COMPARE(reading.state(), QAbstractSocket::ConnectedState);
        }
        const QByteArray pipelined = filledIn(get("/remote.js"), served.port()).repeated(400);
        const QByteArray emptyPong("\x8a\x80\x01\x02\x03\x04", 6); // masked, as from a client
        qint64 mostQueued = 0;
        QElapsedTimer took;
        took.start();
        while (stuckIsServed() && took.elapsed() < 20 * kQuick.heartbeatMs) {
            if (webSocket) {
                served.match->step(Side::Left, Direction::Up);
                if (emptyPongs)
                    stuck.write(emptyPong);
            } else if (took.elapsed() < 1000) {
                stuck.write(pipelined);
            }
            for (const QAbstractSocket *socket : served.server->findChildren<QAbstractSocket *>())
                mostQueued = std::max(mostQueued, socket->bytesToWrite());
            for (const QWebSocket *socket : served.server->findChildren<QWebSocket *>())
                mostQueued = std::max(mostQueued, socket->bytesToWrite());
            QTest::qWait(10);
        }
        QVERIFY2(!stuckIsServed(), "closed");
        QVERIFY2(mostQueued <= HttpConnection::kBacklogLimit + 16 * 1024, qPrintable(QString::number(mostQueued)));
        if (webSocket)
            QCOMPARE(reading.state(), QAbstractSocket::ConnectedState);
    }

    // The last answer ends the connection at once (a half-close), whatever
    // the client does; a page missing from the program is an error, not an
    // empty page.
    void aLastAnswerEndsTheConnectionAtOnce()
    {
        RemoteServer::Timing timing = patient();
        timing.connection.drainMs = 60000;
        Served served(timing);
        QTcpSocket client;
        client.connectToHost(QHostAddress::LocalHost, served.port());
        client.write(filledIn(get("/api/v1/state?code={view}", "Connection: close\r\n"), served.port()));
        QCOMPARE(readReply(client).status, 200);
        QTRY_COMPARE_WITH_TIMEOUT(client.state(), QAbstractSocket::UnconnectedState, 1000);

        Q_CLEANUP_RESOURCE(remote_pages);
        const Reply missing = exchange(served.port(), filledIn(get("/remote"), served.port()));
        Q_INIT_RESOURCE(remote_pages);
        QCOMPARE(missing.status, 500);
        QCOMPARE(exchange(served.port(), filledIn(get("/remote"), served.port())).status, 200);
    }

    // After a restart the board still shows the last match: the phone gets
    // its offer and Restore, and an Update that would lower the board's
    // scores asks once more.
    void theLastMatchAfterARestart()
    {
        QString folder;
        {
            Served before;
            for (int i = 0; i < 12; ++i)
                before.match->step(Side::Left, Direction::Up);
            before.match->update();
            QVERIFY(WaitFor([&] { return !before.match->sending(); }));
            before.writer.flush();
            folder = before.settingsFolder();
            before.folder->setAutoRemove(false);
        }
        Served after(kQuick, folder);
        const std::size_t writes = after.recording->writes.size();
        const auto act = [&](const QByteArray &action) {
            return exchange(after.port(), filledIn(post("/api/v1/" + action + "code={control}"), after.port()));
        };
        const Reply asked = act("update?");
        QCOMPARE(asked.status, 409);
        QVERIFY2(asked.body.contains(R"("boardLeft":12,)") && asked.body.contains(R"("lastMatch":{"left":12,)"),
                 asked.body);
        QCOMPARE(after.recording->writes.size(), writes);
        QCOMPARE(act("restore?").status, 200);
        QCOMPARE(after.left(), 12);
        QCOMPARE(act("restore?").status, 409); // offered no more
        QCOMPARE(act("left/minus?").status, 200);
        QCOMPARE(act("update?").status, 409);
        QCOMPARE(act("update?confirm=1&").status, 200);
        QCOMPARE(act("left/minus?").status, 200);
        QCOMPARE(act("update?").status, 200); // once sent in this run, the board is this run's
        QDir(folder).removeRecursively();
    }

    // A connection that brings no whole request in time is closed; one that
    // keeps asking stays.
    void idleConnectionsAreClosed()
    {
        Served served;
        QTcpSocket silent;
        silent.connectToHost(QHostAddress::LocalHost, served.port());
        silent.write("GET /api/v1/state?code=");
        QTcpSocket asking;
        asking.connectToHost(QHostAddress::LocalHost, served.port());
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 3 * kQuick.connection.idleMs) {
            asking.write(filledIn(get("/api/v1/state?code={view}"), served.port()));
            QCOMPARE(readReply(asking).status, 200);
            QTest::qWait(kQuick.connection.idleMs / 4);
        }
        QCOMPARE(silent.state(), QAbstractSocket::UnconnectedState);
        QCOMPARE(asking.state(), QAbstractSocket::ConnectedState);
    }

    // The whole state when the WebSocket opens and after every change; a
    // heartbeat while nothing changes; closed when it stops answering pings.
    void theWebSocketFollowsTheMatch()
    {
        Served served;
        WebSocketClient client;
        QVERIFY(client.open(served.port(), kView));
        QVERIFY(client.nextState().contains(R"("left":0,)"));
        served.match->step(Side::Left, Direction::Up);
        const QByteArray changed = client.nextState();
        QVERIFY2(changed.contains(R"("left":1,)") && changed.contains("Not on the board yet"), changed.constData());
        QCOMPARE(client.next(), QByteArray(R"({"heartbeat":true})"));
        // This client never answers a ping.
        QTRY_COMPARE_WITH_TIMEOUT(client.socket.state(), QAbstractSocket::UnconnectedState, 3 * kQuick.heartbeatMs);
    }

    // New codes close the links let in with the old one of the same kind.
    void aNewCodeShutsOutTheOldOne()
    {
        Served served(patient());
        WebSocketClient viewer;
        WebSocketClient controller;
        QVERIFY(viewer.open(served.port(), kView));
        QVERIFY(controller.open(served.port(), kControl));
        served.server->setCodes(QStringLiteral("newcontrol"), QString::fromLatin1(kView));
        QTRY_COMPARE(controller.socket.state(), QAbstractSocket::UnconnectedState);
        QCOMPARE(viewer.socket.state(), QAbstractSocket::ConnectedState);
        QCOMPARE(exchange(served.port(), filledIn(post("/api/v1/left/plus?code={control}"), served.port())).status,
                 403);
        QCOMPARE(exchange(served.port(), filledIn(post("/api/v1/left/plus?code=newcontrol"), served.port())).status,
                 200);
    }

    void aDisconnectedDeviceIsKeptOutUntilLetIn()
    {
        Served served;
        WebSocketClient client;
        QVERIFY(client.open(served.port(), kView));
        QTRY_COMPARE(served.server->devices().size(), std::size_t(1));
        served.server->disconnectDevice(QStringLiteral("127.0.0.1"));
        QTRY_COMPARE(client.socket.state(), QAbstractSocket::UnconnectedState);
        const QByteArray state = filledIn(get("/api/v1/state?code={view}"), served.port());
        QCOMPARE(exchange(served.port(), state).status, 403);
        QVERIFY(served.server->devices().front().keptOut);
        served.server->letIn(QStringLiteral("127.0.0.1"));
        QCOMPARE(exchange(served.port(), state).status, 200);
    }

    // Another program holds the port: said, and what was served stays served.
    void aPortTakenByAnotherProgram()
    {
        Served served;
        QTcpServer another;
        QVERIFY(another.listen(QHostAddress::LocalHost));
        QVERIFY(!served.server->listen({QHostAddress(QHostAddress::LocalHost)}, another.serverPort()));
        QVERIFY2(served.server->problem().contains(
                     QStringLiteral("Port %1 is in use by another program").arg(another.serverPort())),
                 qPrintable(served.server->problem()));
        QCOMPARE(exchange(served.port(), filledIn(get("/api/v1/state?code={view}"), served.port())).status, 200);
    }
};

QTEST_GUILESS_MAIN(TestRemoteServer)
#include "tst_remoteserver.moc"
