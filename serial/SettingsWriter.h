#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

// Writes the program's settings on a thread of its own. QSettings::sync()
// writes the whole file through QSaveFile and, on Linux, syncs it to the disk
// twice: on a slow disk or an SD card that takes long enough to be felt at
// every click. Here the caller only hands the change over; the thread applies
// it to a QSettings of its own (one per thread: QSettings is not
// thread-safe) and syncs it at once. Changes that arrive while a write is on
// the disk go together into the next one.
//
// Reading stays with the caller's QSettings, at start-up: in one process,
// QSettings objects on the same file share what they hold, so it sees what
// was handed over here once it is written.
class SettingsWriter
{
public:
    // Writes where `like` reads: the same file (or registry key), in its
    // format.
    explicit SettingsWriter(const QSettings &like);
    // Writes what is still pending, then ends the thread.
    ~SettingsWriter();

    SettingsWriter(const SettingsWriter &) = delete;
    SettingsWriter &operator=(const SettingsWriter &) = delete;

    // Never wait for the disk. Applied in the order given.
    void setValue(const QString &key, const QVariant &value);
    // The key and, for a group, everything under it.
    void remove(const QString &key);
    // From the next write on, the file is for its owner's eyes only: it
    // holds secrets. Later writes keep its permissions.
    void keepPrivate();

    // False after a write that failed, until one succeeds: as far as is
    // known now. What a failed write held stays here and goes out with the
    // next one, or at the end.
    bool ok() const;
    // Waits until everything handed over so far has been tried on the disk;
    // whether it is there. For tests, and wherever the disk must have it now.
    bool flush();
    // Writes begun so far, each with all that waited then.
    std::uint64_t writes() const;

private:
    struct Change
    {
        QString key;
        QVariant value; // invalid: a removal
    };

    static void add(std::vector<Change> &changes, Change change);
    void hand(Change change);
    void work();
    bool write(const std::vector<Change> &changes, bool keepPrivate) const;

    const QString m_fileName;
    const QSettings::Format m_format;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;    // something pending, or the end
    std::condition_variable m_written; // a write ended
    std::vector<Change> m_pending;
    std::uint64_t m_handed = 0; // changes handed over so far
    std::uint64_t m_tried = 0;  // of those, how many a write has ended
    std::uint64_t m_writes = 0;
    bool m_ok = true;
    bool m_private = false;
    bool m_ending = false;
    std::thread m_thread; // last: it starts once the rest is ready
};
