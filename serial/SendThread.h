#pragma once

#include "serial/LinkResult.h"
#include "serial/PortDiscovery.h"

#include <QObject>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

class SerialLink;

// The board line's own thread. A send takes about 0.4 s of writes and
// pauses; run here, it holds up no one: the window, the remote control and
// the screen reader go on while the bytes leave.
//
// The link has one owner at a time. While a sequence runs it belongs to this
// thread, and its owner leaves it alone; it comes back with the outcome,
// which `done` receives on the owner's thread. All that crosses between the
// two threads goes through m_mutex.
class SendThread : public QObject
{
public:
    using Done = std::function<void(const LinkResult &)>;

    explicit SendThread(QObject *parent = nullptr);
    // Lets the sequence in progress end first, so that the board is not left
    // with a mix; its outcome goes nowhere.
    ~SendThread() override;

    SendThread(const SendThread &) = delete;
    SendThread &operator=(const SendThread &) = delete;

    // A sequence runs, or its outcome has not been delivered yet.
    bool busy() const { return m_busy; }

    // Hands `link` to this thread and runs `sequence` on it. Only while not
    // busy.
    void run(SerialLink &link, SendSequence sequence, Done done);

    // Waits for the sequence in progress to end and delivers its outcome at
    // once, in the caller's stack rather than from the event loop.
    void finish();
    // The same within `limit`; false when the sequence still runs.
    bool finishWithin(std::chrono::milliseconds limit);
    // The sequence in progress writes nothing more: its next write fails as
    // if the port were closed.
    void stopSoon();

protected:
    void customEvent(QEvent *event) override;

private:
    class StoppableLink;

    void work();
    bool ended() const; // with m_mutex held
    void deliver();

    // Owner's thread only.
    bool m_busy = false;
    Done m_done;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    // Guarded by m_mutex.
    SerialLink *m_link = nullptr;
    SendSequence m_sequence;
    bool m_running = false;
    bool m_stopping = false;
    bool m_quitting = false;
    std::optional<LinkResult> m_outcome;

    std::thread m_thread; // last: it starts once the rest is in place
};
