#pragma once

#include "remote/HttpRequest.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

class QTcpSocket;

// How long a connection's waits are; tests make them short.
struct HttpConnectionTiming
{
    int firstRequestMs = 5000; // to send a first whole request
    int idleMs = 15000;        // between requests
    int backlogMs = 10000;     // answers left unread over the cap
    int drainMs = 1000;        // after a last answer, for the client to close
};

// One client's TCP connection while it speaks HTTP: reads one request at a
// time, hands it on (requestReceived), writes the answer, and reads the next
// only once that answer is written and mostly read. A client that pipelines
// requests without reading the answers stops being read; one that stays so
// is closed. The server decides what is answered; this class only keeps the
// connection orderly and bounded.
class HttpConnection : public QObject
{
    Q_OBJECT

public:
    using Timing = HttpConnectionTiming;

    // Answers the client has not read yet, beyond which no request is read.
    static constexpr qint64 kBacklogLimit = qint64(64) * 1024;

    // Takes `socket` as its child.
    HttpConnection(QTcpSocket *socket, QString peer, Timing timing, QObject *parent = nullptr);
    ~HttpConnection() override;

    QTcpSocket *socket() const { return m_socket; }
    const QString &peer() const { return m_peer; }
    // Since it was accepted; for choosing which to close when full.
    qint64 age() const { return m_since.elapsed(); }
    bool sentWholeRequest() const { return m_sentWholeRequest; }
    // Between requests, nothing under way: closing it loses nothing.
    bool waitingForRequest() const;
    bool coded() const { return m_coded; }
    void setCoded() { m_coded = true; }
    bool control() const { return m_control; }
    void setControl() { m_control = true; }

    // The request handed on with requestReceived, until it is answered.
    const HttpRequest &request() const { return m_reader.request(); }

    // The answer to the request under way; a HEAD gets the head alone. A
    // last answer (the client asked to close, or `last`) is followed by the
    // connection's end.
    void answer(int status, const QByteArray &type, const QByteArray &body, const QByteArray &moreHeaders = {},
                bool last = false);
    // The answer comes later (a send under way, a slowed refusal): nothing
    // more is read until it does, and the idle time does not run.
    void hold();
    // Refuses at once, with the connection's end.
    void refuse(int status, const QByteArray &reason, const QByteArray &moreHeaders = {});
    // Lets go of the socket with the request still unread in it, for the
    // WebSocket server to read again; the connection is over.
    QTcpSocket *release();
    // Ends it now.
    void abort();
    bool over() const { return m_over; }

    static const char *reasonPhrase(int status);

signals:
    void requestReceived();
    // Once, whatever ended it.
    void ended();

private:
    void readOn();
    void checkBacklog();
    void end();
    void finishAfterLastAnswer();

    QTcpSocket *m_socket;
    const QString m_peer;
    const Timing m_timing;
    QElapsedTimer m_since;
    HttpRequestReader m_reader;
    qsizetype m_fed = 0; // of the bytes waiting in the socket, those the reader has seen
    QTimer m_idle;
    QTimer m_backlog;
    bool m_sentWholeRequest = false;
    bool m_coded = false;
    bool m_control = false;
    bool m_continueSent = false;
    bool m_handedOn = false; // a request waits for its answer
    bool m_held = false;
    bool m_reading = false; // within readOn(), which goes on by itself after an answer
    bool m_closing = false; // the last answer is written; nothing more is read
    bool m_over = false;
};
