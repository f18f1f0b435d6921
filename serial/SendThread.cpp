#include "serial/SendThread.h"

#include "serial/SerialLink.h"

#include <QCoreApplication>
#include <QEvent>

// The link as the sequence sees it: once told to stop, it writes nothing
// more.
class SendThread::StoppableLink final : public ForwardingLink
{
public:
    StoppableLink(SerialLink &link, SendThread &thread) : ForwardingLink(link), m_thread(thread) {}

    LinkResult write(const std::uint8_t *data, std::size_t size) override
    {
        {
            const std::lock_guard lock(m_thread.m_mutex);
            if (m_thread.m_stopping) {
                LinkResult refused;
                refused.error = LinkError::NotOpen;
                refused.portNumber = m_link.portNumber();
                return refused;
            }
        }
        return m_link.write(data, size);
    }

private:
    SendThread &m_thread;
};

SendThread::SendThread(QObject *parent) : QObject(parent), m_thread(&SendThread::work, this) {}

SendThread::~SendThread()
{
    // The outcome is not delivered: whoever would take it is going too.
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return ended(); });
        m_quitting = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void SendThread::run(SerialLink &link, SendSequence sequence, Done done)
{
    Q_ASSERT(!m_busy);
    m_busy = true;
    m_done = std::move(done);
    {
        const std::lock_guard lock(m_mutex);
        m_link = &link;
        m_sequence = std::move(sequence);
        m_stopping = false;
        m_outcome.reset();
    }
    m_changed.notify_all();
}

void SendThread::finish()
{
    if (!m_busy)
        return;
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return ended(); });
    }
    deliver();
}

bool SendThread::finishWithin(std::chrono::milliseconds limit)
{
    if (!m_busy)
        return true;
    {
        std::unique_lock lock(m_mutex);
        if (!m_changed.wait_for(lock, limit, [this] { return ended(); }))
            return false;
    }
    deliver();
    return true;
}

void SendThread::stopSoon()
{
    const std::lock_guard lock(m_mutex);
    m_stopping = true;
}

void SendThread::customEvent(QEvent *)
{
    deliver();
}

void SendThread::work()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        // Asleep until there is something to send: an idle line costs no
        // wake-ups.
        m_changed.wait(lock, [this] { return m_quitting || m_sequence; });
        if (!m_sequence)
            return;
        const SendSequence sequence = std::move(m_sequence);
        m_sequence = nullptr;
        SerialLink &link = *m_link;
        m_running = true;
        lock.unlock();

        StoppableLink stoppable(link, *this);
        const LinkResult outcome = sequence(stoppable);

        lock.lock();
        m_running = false;
        m_outcome = outcome;
        m_changed.notify_all();
        // A bare event: the outcome itself waits under m_mutex, where the
        // owner's thread takes it.
        QCoreApplication::postEvent(this, new QEvent(QEvent::User));
    }
}

bool SendThread::ended() const
{
    return !m_sequence && !m_running;
}

void SendThread::deliver()
{
    std::optional<LinkResult> outcome;
    {
        const std::lock_guard lock(m_mutex);
        outcome.swap(m_outcome);
    }
    if (!outcome || !m_busy)
        return;
    m_busy = false;
    const Done done = std::move(m_done);
    m_done = nullptr;
    if (done)
        done(*outcome);
}
