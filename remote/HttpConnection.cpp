#include "remote/HttpConnection.h"

#include "remote/SystemSockets.h"

#include <QScopedValueRollback>
#include <QTcpSocket>

#include <string_view>
#include <utility>

namespace {
// A head and a body at their limits, and some room: a client that sends
// faster than it is answered waits in the system's buffers, not in ours.
constexpr qint64 kReadBuffer = qint64(16) * 1024;
} // namespace

HttpConnection::HttpConnection(QTcpSocket *socket, QString peer, Timing timing, QObject *parent)
    : QObject(parent), m_socket(socket), m_peer(std::move(peer)), m_timing(timing)
{
    m_since.start();
    m_socket->setParent(this);
    m_socket->setReadBufferSize(kReadBuffer);
    m_idle.setSingleShot(true);
    m_backlog.setSingleShot(true);
    connect(m_socket, &QTcpSocket::readyRead, this, &HttpConnection::readOn);
    connect(m_socket, &QTcpSocket::bytesWritten, this, [this] {
        checkBacklog();
        readOn();
    });
    connect(m_socket, &QTcpSocket::disconnected, this, &HttpConnection::end);
    connect(&m_idle, &QTimer::timeout, this, &HttpConnection::abort);
    connect(&m_backlog, &QTimer::timeout, this, &HttpConnection::abort);
    m_idle.start(m_timing.firstRequestMs);
}

HttpConnection::~HttpConnection() = default;

bool HttpConnection::waitingForRequest() const
{
    return m_sentWholeRequest && !m_handedOn && !m_held && !m_closing && !m_over && m_socket->bytesToWrite() == 0;
}

const char *HttpConnection::reasonPhrase(int status)
{
    switch (status) {
    case 100: return "Continue";
    case 200: return "OK";
    case 202: return "Accepted";
    case 400: return "Bad Request";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 409: return "Conflict";
    case 413: return "Content Too Large";
    case 414: return "URI Too Long";
    case 417: return "Expectation Failed";
    case 426: return "Upgrade Required";
    case 431: return "Request Header Fields Too Large";
    case 500: return "Internal Server Error";
    case 501: return "Not Implemented";
    case 503: return "Service Unavailable";
    default: return "Error";
    }
}

void HttpConnection::readOn()
{
    if (m_over)
        return;
    if (m_closing) {
        m_socket->readAll(); // dropped: the answer said this is the end
        return;
    }
    const QScopedValueRollback reading(m_reading, true);
    // Answers pile up unread: the client's next requests wait in the
    // system's buffers until it reads.
    while (!m_handedOn && !m_held && m_socket->bytesToWrite() <= kBacklogLimit) {
        // Peeked, not read: a request that becomes a WebSocket is read again
        // by the WebSocket server.
        const QByteArray waiting = m_socket->peek(m_socket->bytesAvailable());
        if (waiting.size() <= m_fed)
            return;
        m_fed += qsizetype(
            m_reader.read(std::string_view(waiting.constData() + m_fed, std::size_t(waiting.size() - m_fed))));

        using State = HttpRequestReader::State;
        if (m_reader.state() == State::Reading) {
            if (m_reader.expectsContinue() && !std::exchange(m_continueSent, true))
                m_socket->write("HTTP/1.1 100 Continue\r\n\r\n");
            return;
        }
        if (m_reader.state() == State::Refused) {
            refuse(m_reader.refusalStatus(), QByteArray::fromStdString(m_reader.refusalReason()));
            return;
        }
        m_sentWholeRequest = true;
        m_handedOn = true;
        m_idle.stop();
        emit requestReceived();
    }
}

void HttpConnection::answer(int status, const QByteArray &type, const QByteArray &body, const QByteArray &moreHeaders,
                            bool last)
{
    if (m_over || m_closing)
        return;
    const bool complete = m_reader.state() == HttpRequestReader::State::Complete;
    last = last || !complete || !m_reader.request().keepAlive;
    const bool headOnly = complete && m_reader.request().method == "HEAD";

    QByteArray reply = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonPhrase(status) + "\r\n";
    reply += "Content-Type: " + type + "\r\n";
    reply += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    // The state changes under the client; the code is in the address, which
    // a Referer would carry to whatever a page links to (nothing, so far).
    reply += "Cache-Control: no-store\r\nX-Content-Type-Options: nosniff\r\nReferrer-Policy: no-referrer\r\n";
    reply += moreHeaders;
    reply += last ? "Connection: close\r\n\r\n" : "Connection: keep-alive\r\n\r\n";
    if (!headOnly)
        reply += body;

    if (complete) {
        m_socket->skip(m_fed);
        m_fed = 0;
        m_reader.startNext();
    }
    m_continueSent = false;
    m_handedOn = false;
    m_held = false;
    m_socket->write(reply);
    if (last) {
        finishAfterLastAnswer();
        return;
    }
    m_idle.start(m_timing.idleMs);
    checkBacklog();
    // Within readOn()'s loop it goes on by itself; after a held answer it
    // starts again here.
    if (!m_reading)
        readOn();
}

void HttpConnection::hold()
{
    m_held = true;
    m_idle.stop();
}

void HttpConnection::refuse(int status, const QByteArray &reason, const QByteArray &moreHeaders)
{
    answer(status, "text/plain; charset=utf-8", reason + '\n', moreHeaders, true);
}

QTcpSocket *HttpConnection::release()
{
    QTcpSocket *socket = std::exchange(m_socket, nullptr);
    socket->disconnect(this);
    socket->setReadBufferSize(0);
    socket->setParent(nullptr);
    m_over = true;
    m_idle.stop();
    m_backlog.stop();
    emit ended();
    deleteLater();
    return socket;
}

void HttpConnection::abort()
{
    if (m_over)
        return;
    m_socket->disconnect(this);
    m_socket->abort();
    end();
}

void HttpConnection::checkBacklog()
{
    if (m_over)
        return;
    const qint64 unread = m_socket->bytesToWrite();
    if (unread > kBacklogLimit) {
        if (!m_backlog.isActive())
            m_backlog.start(m_timing.backlogMs);
    } else {
        m_backlog.stop();
    }
    if (m_closing && unread == 0 && m_socket->state() == QAbstractSocket::ConnectedState) {
        StopSending(*m_socket);
        if (!m_idle.isActive())
            m_idle.start(m_timing.drainMs);
    }
}

void HttpConnection::finishAfterLastAnswer()
{
    m_closing = true;
    m_idle.stop();
    m_socket->readAll();
    // The end follows once the answer has left; one that is never read is
    // cut off with the backlog.
    m_socket->flush();
    checkBacklog();
}

void HttpConnection::end()
{
    if (std::exchange(m_over, true))
        return;
    m_idle.stop();
    m_backlog.stop();
    emit ended();
    deleteLater();
}
