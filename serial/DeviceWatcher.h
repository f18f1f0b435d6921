#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

// Tells when serial devices may have come or gone: the system adds and
// removes their nodes in /dev, and inotify reports that without any timer
// waking the program while nothing changes.
class DeviceWatcher : public QObject
{
    Q_OBJECT

public:
    explicit DeviceWatcher(const QString &folder = QStringLiteral("/dev"), QObject *parent = nullptr);

signals:
    void devicesChanged();

private:
    QFileSystemWatcher m_watcher;
    // An adapter plugged in makes its node first and gets its group and
    // rights from udev a moment later; one look after things settle sees it
    // whole, and once.
    QTimer m_settle;
};
