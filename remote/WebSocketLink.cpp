#include "remote/WebSocketLink.h"

#include <QCryptographicHash>
#include <QStringDecoder>
#include <QTcpSocket>
#include <QtEndian>

namespace {
// RFC 6455, 1.3: the server proves it read the handshake with this GUID.
constexpr char kHandshakeGuid[] = "258EAFA5-E914-47DA-95CA-C5AB0DC85B11";

enum Opcode : quint8 { Continuation = 0x0, Text = 0x1, Binary = 0x2, Close = 0x8, Ping = 0x9, Pong = 0xA };
constexpr int kLongestControlPayload = 125;
} // namespace

QByteArray WebSocketLink::acceptFor(const QByteArray &key)
{
    return QCryptographicHash::hash(key.trimmed() + kHandshakeGuid, QCryptographicHash::Sha1).toBase64();
}

QByteArray WebSocketLink::handshakeResponse(const QByteArray &key)
{
    return "HTTP/1.1 101 Switching Protocols\r\nUpgrade: websocket\r\nConnection: Upgrade\r\nSec-WebSocket-Accept: " +
           acceptFor(key) + "\r\n\r\n";
}

WebSocketLink::WebSocketLink(QTcpSocket *socket, int maxMessageSize, const QByteArray &pending, QObject *parent)
    : QObject(parent), m_socket(socket), m_maxMessageSize(maxMessageSize)
{
    if (m_socket) {
        m_socket->setParent(this);
        connect(m_socket, &QTcpSocket::readyRead, this, &WebSocketLink::readSocket);
        connect(m_socket, &QTcpSocket::disconnected, this, [this] {
            if (!std::exchange(m_gone, true))
                emit disconnected();
        });
    }
    if (!pending.isEmpty())
        take(pending);
}

WebSocketLink::~WebSocketLink()
{
    if (m_socket)
        m_socket->disconnect(this);
}

void WebSocketLink::sendTextMessage(const QString &text)
{
    if (!m_closeSent)
        send(Text, text.toUtf8());
}

void WebSocketLink::ping()
{
    if (!m_closeSent)
        send(Ping, {});
}

void WebSocketLink::close(CloseCode code, const QString &reason)
{
    if (std::exchange(m_closeSent, true))
        return;
    QByteArray payload(2, '\0');
    qToBigEndian<quint16>(code, payload.data());
    payload += reason.toUtf8().left(kLongestControlPayload - 2);
    send(Close, payload);
    if (m_socket)
        m_socket->flush();
}

void WebSocketLink::abort()
{
    if (m_socket)
        m_socket->abort();
}

bool WebSocketLink::flush()
{
    return m_socket && m_socket->flush();
}

void WebSocketLink::readSocket()
{
    take(m_socket->readAll());
}

void WebSocketLink::take(const QByteArray &bytes)
{
    m_buffer += bytes;
    while (!m_gone && takeFrame()) {
    }
}

bool WebSocketLink::takeFrame()
{
    // RFC 6455, 5.2: FIN, opcode; MASK, length (7 bits, or 16 or 64 more);
    // the masking key; the payload.
    if (m_buffer.size() < 2)
        return false;
    const auto byte = [&](int i) { return quint8(m_buffer.at(i)); };
    const bool final = byte(0) & 0x80;
    const quint8 opcode = byte(0) & 0x0F;
    const bool masked = byte(1) & 0x80;
    quint64 length = byte(1) & 0x7F;
    int head = 2;
    if (length == 126) {
        if (m_buffer.size() < 4)
            return false;
        length = qFromBigEndian<quint16>(m_buffer.constData() + 2);
        head = 4;
    } else if (length == 127) {
        if (m_buffer.size() < 10)
            return false;
        length = qFromBigEndian<quint64>(m_buffer.constData() + 2);
        head = 10;
    }
    if (byte(0) & 0x70) {
        fail(ProtocolError, QStringLiteral("no extension was agreed"));
        return false;
    }
    if (!masked) {
        fail(ProtocolError, QStringLiteral("a client's frames are masked"));
        return false;
    }
    const bool control = opcode & 0x8;
    if (control && (!final || length > kLongestControlPayload)) {
        fail(ProtocolError, QStringLiteral("a control frame is short and whole"));
        return false;
    }
    if (length > quint64(m_maxMessageSize) || quint64(m_message.size()) + length > quint64(m_maxMessageSize)) {
        fail(TooBig, QStringLiteral("message too long"));
        return false;
    }
    if (quint64(m_buffer.size()) < head + 4 + length)
        return false;

    QByteArray payload = m_buffer.mid(head + 4, qsizetype(length));
    for (qsizetype i = 0; i < payload.size(); ++i)
        payload[i] = char(payload.at(i) ^ m_buffer.at(head + int(i % 4)));
    m_buffer.remove(0, qsizetype(head + 4 + length));

    switch (opcode) {
    case Text:
    case Continuation:
        if ((opcode == Text) == m_inMessage) {
            fail(ProtocolError, QStringLiteral("fragments out of order"));
            return false;
        }
        m_message += payload;
        m_inMessage = !final;
        if (final) {
            QStringDecoder utf8(QStringDecoder::Utf8);
            const QString text = utf8(std::exchange(m_message, {}));
            if (utf8.hasError()) {
                fail(InvalidText, QStringLiteral("text that is not UTF-8"));
                return false;
            }
            emit textMessageReceived(text);
        }
        return true;
    case Ping: send(Pong, payload); return true;
    case Pong: emit pong(); return true;
    case Close:
        // Answered with the same code, then the connection ends.
        if (!std::exchange(m_closeSent, true))
            send(Close, payload.left(2));
        if (m_socket) {
            m_socket->flush();
            m_socket->disconnectFromHost();
        }
        return false;
    case Binary:
    default: fail(PolicyViolated, QStringLiteral("text messages only")); return false;
    }
}

void WebSocketLink::send(quint8 opcode, const QByteArray &payload)
{
    if (!m_socket)
        return;
    QByteArray frame;
    frame.reserve(payload.size() + 10);
    frame += char(0x80 | opcode);
    if (payload.size() < 126) {
        frame += char(payload.size());
    } else if (payload.size() <= 0xFFFF) {
        frame += char(126);
        char length[2];
        qToBigEndian<quint16>(quint16(payload.size()), length);
        frame.append(length, 2);
    } else {
        frame += char(127);
        char length[8];
        qToBigEndian<quint64>(quint64(payload.size()), length);
        frame.append(length, 8);
    }
    m_socket->write(frame + payload);
}

void WebSocketLink::fail(CloseCode code, const QString &reason)
{
    close(code, reason);
    m_buffer.clear();
    if (m_socket)
        m_socket->disconnectFromHost();
    else
        m_gone = true;
}
