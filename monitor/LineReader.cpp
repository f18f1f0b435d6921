#include "monitor/LineReader.h"

#include "serial/linux/LinuxSerialLink.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

LineReader::LineReader(QObject *parent) : QObject(parent)
{
    connect(&m_port, &QSerialPort::readyRead, this, &LineReader::readSerialPort);
    connect(&m_port, &QSerialPort::errorOccurred, this, &LineReader::handleSerialError);
}

LineReader::~LineReader()
{
    m_masterNotifier.reset(); // before its descriptor is closed
    if (m_master >= 0)
        ::close(m_master);
    if (m_slave >= 0)
        ::close(m_slave);
}

bool LineReader::listenOnDevice(const QString &path)
{
    m_devicePath = path;
    m_port.setPortName(path);
    SetBoardLine(m_port);
    if (m_port.open(QIODevice::ReadOnly))
        return true;
    m_errorString = QStringLiteral("cannot open %1: %2").arg(path, m_port.errorString());
    m_port.clearError();
    return false;
}

bool LineReader::createPseudoTerminal()
{
    char name[256] = {};
    if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        m_errorString =
            QStringLiteral("cannot create a pseudo-terminal: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    // Raw, so that a sender that leaves the line settings alone still gets
    // every byte through untouched (no 0x0A turned into 0D 0A). The speed is
    // for senders that read it back; a pseudo-terminal ignores it.
    termios settings{};
    ::tcgetattr(m_slave, &settings);
    ::cfmakeraw(&settings);
    ::cfsetspeed(&settings, B2400);
    ::tcsetattr(m_slave, TCSANOW, &settings);

    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_masterNotifier = std::make_unique<QSocketNotifier>(m_master, QSocketNotifier::Read);
    connect(m_masterNotifier.get(), &QSocketNotifier::activated, this, &LineReader::readPseudoTerminal);
    m_pseudoTerminalPath = QString::fromLocal8Bit(name);
    return true;
}

void LineReader::readSerialPort()
{
    const QByteArray bytes = m_port.readAll();
    if (!bytes.isEmpty())
        emit bytesRead(bytes);
}

void LineReader::readPseudoTerminal()
{
    char buffer[4096];
    const ssize_t count = ::read(m_master, buffer, sizeof buffer);
    if (count > 0) {
        emit bytesRead(QByteArray(buffer, static_cast<qsizetype>(count)));
        return;
    }
    if (count < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    // The notifier would fire again at once for ever: stop listening.
    const QString reason = count < 0 ? QString::fromLocal8Bit(std::strerror(errno)) : QStringLiteral("end of file");
    m_masterNotifier->setEnabled(false);
    emit lineLost(QStringLiteral("%1: %2").arg(m_pseudoTerminalPath, reason));
}

void LineReader::handleSerialError(QSerialPort::SerialPortError error)
{
    // Only a vanished device ends the session; an open failure is reported
    // by listenOnDevice, and anything else leaves the port readable.
    if (error != QSerialPort::ResourceError)
        return;
    const QString reason = QStringLiteral("%1: %2").arg(m_devicePath, m_port.errorString());
    m_port.close();
    emit lineLost(reason);
}
