#include "remote/WebSocketLink.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace {
// A client's frame: FIN set, masked with a fixed key.
QByteArray frame(quint8 opcode, const QByteArray &payload, bool final = true, bool masked = true)
{
    QByteArray bytes;
    bytes += char((final ? 0x80 : 0) | opcode);
    const char mask = masked ? char(0x80) : char(0);
    if (payload.size() < 126) {
        bytes += char(mask | char(payload.size()));
    } else {
        bytes += char(mask | 126);
        bytes += char(payload.size() >> 8);
        bytes += char(payload.size() & 0xFF);
    }
    const QByteArray key = "\x12\x34\x56\x78";
    if (!masked)
        return bytes + payload;
    bytes += key;
    for (int i = 0; i < payload.size(); ++i)
        bytes += char(payload[i] ^ key[i % 4]);
    return bytes;
}

QByteArray closeCode(quint16 code)
{
    return QByteArray(1, char(code >> 8)) + char(code & 0xFF);
}
} // namespace

class TestWebSocketLink : public QObject
{
    Q_OBJECT

private slots:
    void theHandshakeAnswersTheKey()
    {
        // The example of RFC 6455, 1.3.
        QCOMPARE(WebSocketLink::acceptFor("dGhlIHNhbXBsZSBub25jZQ=="), QByteArray("s3pPLMBiTxaQ9kYGzzhZRbK+xOo="));
    }

    // What a client sends, what the server's side hears and answers, and
    // whether the connection ends.
    void frames_data()
    {
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QStringList>("heard");
        QTest::addColumn<QByteArray>("answer"); // the server's frame after its first text message
        QTest::addColumn<int>("closedWith");    // the close code in that frame; 0: none, the link goes on

        QTest::newRow("a text message") << frame(0x1, "plus") << QStringList{"plus"} << QByteArray() << 0;
        QTest::newRow("in two fragments")
            << frame(0x1, "pl", false) + frame(0x0, "us") << QStringList{"plus"} << QByteArray() << 0;
        QTest::newRow("a long one") << frame(0x1, QByteArray(300, 'x')) << QStringList{QString(300, 'x')}
                                    << QByteArray() << 0;
        QTest::newRow("ping: pong with its payload")
            << frame(0x9, "hi") << QStringList{} << QByteArray("\x8A\x02hi", 4) << 0;
        const QByteArray closing("\x88", 1);
        QTest::newRow("close: answered with its code")
            << frame(0x8, closeCode(1000) + "bye") << QStringList{} << closing << 1000;
        QTest::newRow("unmasked: protocol error")
            << frame(0x1, "plus", true, false) << QStringList{} << closing << 1002;
        QTest::newRow("longer than allowed") << frame(0x1, QByteArray(1025, 'x')) << QStringList{} << closing << 1009;
        QTest::newRow("not UTF-8") << frame(0x1, "\xC3\x28") << QStringList{} << closing << 1007;
        QTest::newRow("binary") << frame(0x2, "plus") << QStringList{} << closing << 1008;
        QTest::newRow("a fragmented ping") << frame(0x9, "hi", false) << QStringList{} << closing << 1002;
        QTest::newRow("a continuation with nothing begun") << frame(0x0, "us") << QStringList{} << closing << 1002;
    }
    void frames()
    {
        QFETCH(QByteArray, sent);
        QFETCH(QStringList, heard);
        QFETCH(QByteArray, answer);
        QFETCH(int, closedWith);

        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        QTcpSocket client;
        client.connectToHost(QHostAddress::LocalHost, server.serverPort());
        QVERIFY(server.waitForNewConnection(5000));
        WebSocketLink link(server.nextPendingConnection(), 1024);
        QSignalSpy messages(&link, &WebSocketLink::textMessageReceived);
        QSignalSpy gone(&link, &WebSocketLink::disconnected);
        QVERIFY(client.waitForConnected(5000));

        link.sendTextMessage(QStringLiteral("state"));
        client.write(sent);
        QByteArray received;
        const QByteArray greeting("\x81\x05state", 7);
        const int expected = greeting.size() + answer.size() + (closedWith ? 3 : 0);
        QTRY_VERIFY(received.append(client.readAll()).size() >= expected);
        QTest::qWait(50); // anything more would be here by now
        received += client.readAll();
        QCOMPARE(received.left(greeting.size()), greeting);
        const QByteArray reply = received.mid(greeting.size());
        QCOMPARE(reply.left(answer.size()), answer);
        if (closedWith)
            QCOMPARE(reply.mid(2, 2), closeCode(quint16(closedWith)));
        QStringList texts;
        for (const auto &message : messages)
            texts << message.at(0).toString();
        QCOMPARE(texts, heard);
        if (closedWith)
            QTRY_COMPARE(client.state(), QAbstractSocket::UnconnectedState);
        else
            QCOMPARE(gone.count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestWebSocketLink)
#include "tst_websocketlink.moc"
