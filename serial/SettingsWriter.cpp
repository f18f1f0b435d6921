#include "serial/SettingsWriter.h"

#include <QFile>

#include <algorithm>

SettingsWriter::SettingsWriter(const QSettings &like)
    : m_fileName(like.fileName()), m_format(like.format()), m_thread([this] { work(); })
{}

SettingsWriter::~SettingsWriter()
{
    {
        const std::lock_guard lock(m_mutex);
        m_ending = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void SettingsWriter::setValue(const QString &key, const QVariant &value)
{
    hand({key, value});
}

void SettingsWriter::remove(const QString &key)
{
    hand({key, QVariant()});
}

void SettingsWriter::keepPrivate()
{
    const std::lock_guard lock(m_mutex);
    m_private = true;
}

bool SettingsWriter::ok() const
{
    const std::lock_guard lock(m_mutex);
    return m_ok;
}

bool SettingsWriter::flush()
{
    std::unique_lock lock(m_mutex);
    const std::uint64_t handed = m_handed;
    m_written.wait(lock, [&] { return m_tried >= handed; });
    return m_ok;
}

// A later value of a key makes the earlier ones pointless, and a removal
// everything under it: what waits stays as small as the settings, however
// long the disk takes.
void SettingsWriter::add(std::vector<Change> &changes, Change change)
{
    const bool removal = !change.value.isValid();
    const QString group = change.key + QLatin1Char('/');
    changes.erase(std::remove_if(changes.begin(), changes.end(),
                                 [&](const Change &earlier) {
                                     return earlier.key == change.key ? earlier.value.isValid() || removal
                                                                      : removal && earlier.key.startsWith(group);
                                 }),
                  changes.end());
    changes.push_back(std::move(change));
}

std::uint64_t SettingsWriter::writes() const
{
    const std::lock_guard lock(m_mutex);
    return m_writes;
}

void SettingsWriter::hand(Change change)
{
    {
        const std::lock_guard lock(m_mutex);
        add(m_pending, std::move(change));
        ++m_handed;
    }
    m_wake.notify_one();
}

namespace {
constexpr int kRetries = 5;
constexpr auto kRetryAfter = std::chrono::milliseconds(100);
} // namespace

void SettingsWriter::work()
{
    // What a failed write held: it goes out again with the next one.
    std::vector<Change> unwritten;
    int retriesLeft = kRetries;
    std::unique_lock lock(m_mutex);
    for (;;) {
        const auto due = [this] { return !m_pending.empty() || m_ending; };
        // A file held a moment by another program (on Windows a virus
        // scanner, or a reader, keeps it from being replaced) is tried again
        // a few times before the next change would.
        if (!unwritten.empty() && retriesLeft > 0) {
            m_wake.wait_for(lock, kRetryAfter, due);
            --retriesLeft;
        } else {
            m_wake.wait(lock, due);
        }
        const bool last = m_ending;
        if (m_pending.empty() && unwritten.empty())
            break;
        std::vector<Change> changes = std::move(unwritten);
        unwritten.clear();
        for (Change &change : m_pending)
            add(changes, std::move(change));
        m_pending.clear();
        const std::uint64_t upTo = m_handed;
        const bool keepPrivate = m_private;
        ++m_writes;
        lock.unlock();

        const bool written = write(changes, keepPrivate);
        if (written)
            retriesLeft = kRetries;
        else
            unwritten = std::move(changes);

        lock.lock();
        m_ok = written;
        m_tried = upTo;
        m_written.notify_all();
        if (last)
            break;
    }
}

bool SettingsWriter::write(const std::vector<Change> &changes, bool keepPrivate) const
{
    // A QSettings of its own for each write: its status tells of this write
    // alone (it keeps the first error it met), and it is made and ended on
    // this thread.
    QSettings settings(m_fileName, m_format);
    for (const Change &change : changes) {
        if (change.value.isValid())
            settings.setValue(change.key, change.value);
        else
            settings.remove(change.key);
    }
    settings.sync();
    // A file edited by hand into something unreadable is written anew all the
    // same: only an access error keeps the change off the disk.
    const bool written = settings.status() != QSettings::AccessError;
    if (written && keepPrivate)
        QFile::setPermissions(settings.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return written;
}
