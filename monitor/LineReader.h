#pragma once

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>

#include <memory>

class QSocketNotifier;

// Where the monitor's bytes come from: a serial device it only listens to,
// or a pseudo-terminal it creates so that a sender on the same machine can
// write to it as if it were a port. Nothing is ever written to the line.
class LineReader : public QObject
{
    Q_OBJECT

public:
    explicit LineReader(QObject *parent = nullptr);
    ~LineReader() override;

    // Opens the device read-only at 2400 baud 8N1, no flow control.
    bool listenOnDevice(const QString &path);

    // On success pseudoTerminalPath() is the path senders open.
    bool createPseudoTerminal();
    QString pseudoTerminalPath() const { return m_pseudoTerminalPath; }

    // Why the last listenOnDevice or createPseudoTerminal failed.
    QString errorString() const { return m_errorString; }

signals:
    void bytesRead(const QByteArray &bytes);
    // The device went away (an unplugged adapter); nothing more will come.
    void lineLost(const QString &reason);

private:
    void readSerialPort();
    void readPseudoTerminal();
    void handleSerialError(QSerialPort::SerialPortError error);

    QSerialPort m_port;
    int m_master = -1;
    int m_slave = -1; // held open so the master stays readable between the sender's opens
    std::unique_ptr<QSocketNotifier> m_masterNotifier;
    QString m_devicePath;
    QString m_pseudoTerminalPath;
    QString m_errorString;
};
