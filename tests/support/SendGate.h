#pragma once

#include "support/RecordingLink.h"

#include <QTest>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

// Holds a recording link's writes on the board line's thread until the test
// lets them go, so that a test can act while a send is on the wire. The
// link keeps the gate's state: a write let go as a failed test unwinds
// still finds it.
class SendGate
{
public:
    explicit SendGate(RecordingLink &link) : m_state(std::make_shared<State>())
    {
        link.beforeWrite = [state = m_state] {
            std::unique_lock lock(state->mutex);
            state->held = true;
            state->changed.notify_all();
            state->changed.wait(lock, [&] { return state->open; });
        };
    }
    ~SendGate() { open(); }

    SendGate(const SendGate &) = delete;
    SendGate &operator=(const SendGate &) = delete;

    // Writes from now on wait at the gate.
    void close()
    {
        const std::lock_guard lock(m_state->mutex);
        m_state->open = false;
        m_state->held = false;
    }
    void open()
    {
        const std::lock_guard lock(m_state->mutex);
        m_state->open = true;
        m_state->changed.notify_all();
    }
    // A write waits at the gate (within 5 s).
    bool holding()
    {
        std::unique_lock lock(m_state->mutex);
        return m_state->changed.wait_for(lock, std::chrono::seconds(5), [this] { return m_state->held; });
    }

private:
    struct State
    {
        std::mutex mutex;
        std::condition_variable changed;
        bool open = true;
        bool held = false;
    };
    std::shared_ptr<State> m_state;
};

// Runs the event loop until `done` holds, for at most 5 s: a send's outcome
// comes back from the board line's thread through the event loop.
template <typename Done> bool WaitFor(Done done)
{
    return QTest::qWaitFor(done, 5000);
}
