#include "support/PseudoTerminal.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <pthread.h>
#include <pty.h>
#include <sched.h>
#include <stdexcept>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {
// How long one poll waits before it counts as having found the line empty:
// it bounds how far a read's window reaches back before the write.
constexpr int kPollMs = 1;

// Real-time priority lets the reader run the moment bytes arrive, whatever
// else wants the CPUs. Without it (not root) the reads' windows only widen:
// what they prove stays true.
void preferPromptWakeUps()
{
    sched_param param{};
    param.sched_priority = ::sched_get_priority_min(SCHED_FIFO);
    ::pthread_setschedparam(::pthread_self(), SCHED_FIFO, &param);
}
} // namespace

PseudoTerminal::PseudoTerminal()
{
    char name[256] = {};
    if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0)
        throw std::runtime_error("openpty failed");
    m_devicePath = name;
    m_seenEmpty = Clock::now(); // nobody has the path yet to write to it
    m_reader = std::thread([this] { readLoop(); });
}

PseudoTerminal::~PseudoTerminal()
{
    m_stop = true;
    m_reader.join();
    closeFarSide();
}

void PseudoTerminal::lockAgainstOpening()
{
    int lock = 1;
    ::ioctl(m_master, TIOCSPTLCK, &lock);
}

void PseudoTerminal::unplugAfter(std::size_t bytes)
{
    m_unplugAfter = static_cast<long>(bytes);
    // Only the reader thread closes the far side, so no fd is closed under it.
    while (bytes == 0 && !farSideClosed())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

bool PseudoTerminal::farSideClosed()
{
    std::lock_guard<std::mutex> guard(m_mutex);
    return m_master < 0;
}

termios PseudoTerminal::lineSettings() const
{
    termios settings{};
    ::tcgetattr(m_slave, &settings);
    return settings;
}

void PseudoTerminal::closeFarSide()
{
    if (m_master >= 0)
        ::close(m_master);
    if (m_slave >= 0)
        ::close(m_slave);
    m_master = m_slave = -1;
}

void PseudoTerminal::readLoop()
{
    preferPromptWakeUps();
    while (!m_stop) {
        int master = -1;
        {
            std::lock_guard<std::mutex> guard(m_mutex);
            const long limit = m_unplugAfter;
            if (limit >= 0 && m_total >= static_cast<std::size_t>(limit))
                closeFarSide();
            master = m_master;
            if (master < 0)
                m_seenEmpty = Clock::now(); // nothing can arrive any more
        }
        if (master < 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        const auto polled = Clock::now();
        pollfd fd{master, POLLIN, 0};
        const int ready = ::poll(&fd, 1, kPollMs);
        if (ready == 0) {
            std::lock_guard<std::mutex> guard(m_mutex);
            m_seenEmpty = polled;
            continue;
        }
        if (ready < 0 || !(fd.revents & POLLIN))
            continue;
        std::uint8_t buffer[4096];
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        const auto now = Clock::now();
        if (n <= 0)
            continue;
        std::lock_guard<std::mutex> guard(m_mutex);
        m_chunks.push_back({m_seenEmpty, now, {buffer, buffer + n}});
        m_total += static_cast<std::size_t>(n);
    }
}

std::vector<PseudoTerminal::Chunk> PseudoTerminal::received(std::chrono::milliseconds quiet)
{
    const auto asked = Clock::now();
    for (;;) {
        {
            std::lock_guard<std::mutex> guard(m_mutex);
            const auto since = m_chunks.empty() ? asked : std::max(asked, m_chunks.back().readAt);
            if (m_seenEmpty >= since + quiet)
                return m_chunks;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

std::vector<std::uint8_t> PseudoTerminal::receivedBytes(std::chrono::milliseconds quiet)
{
    std::vector<std::uint8_t> all;
    for (const Chunk &chunk : received(quiet))
        all.insert(all.end(), chunk.bytes.begin(), chunk.bytes.end());
    return all;
}

std::vector<PseudoTerminal::Burst> PseudoTerminal::bursts(const std::vector<Chunk> &chunks,
                                                          std::chrono::milliseconds gap)
{
    std::vector<Burst> result;
    Clock::time_point lastRead;
    for (const Chunk &chunk : chunks) {
        if (result.empty() || chunk.notBefore - lastRead >= gap)
            result.push_back({chunk.notBefore, chunk.readAt, {}});
        result.back().bytes.insert(result.back().bytes.end(), chunk.bytes.begin(), chunk.bytes.end());
        lastRead = chunk.readAt;
    }
    return result;
}
