#include "serial/DeviceWatcher.h"

namespace {
constexpr int kSettleMs = 300;
} // namespace

DeviceWatcher::DeviceWatcher(const QString &folder, QObject *parent) : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &DeviceWatcher::devicesChanged);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle, qOverload<>(&QTimer::start));
    m_watcher.addPath(folder);
}
