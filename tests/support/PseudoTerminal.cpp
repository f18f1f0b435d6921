#include "support/PseudoTerminal.h"

#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <sys/ioctl.h>
#include <unistd.h>

PseudoTerminal::PseudoTerminal()
{
    char name[256] = {};
    if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0)
        throw std::runtime_error("openpty failed");
    m_devicePath = name;
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
    while (!m_stop) {
        int master = -1;
        {
            std::lock_guard<std::mutex> guard(m_mutex);
            const long limit = m_unplugAfter;
            if (limit >= 0 && m_total >= static_cast<std::size_t>(limit))
                closeFarSide();
            master = m_master;
        }
        if (master < 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        pollfd fd{master, POLLIN, 0};
        if (::poll(&fd, 1, 10) <= 0 || !(fd.revents & POLLIN))
            continue;
        std::uint8_t buffer[4096];
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        const auto now = Clock::now();
        if (n <= 0)
            continue;
        std::lock_guard<std::mutex> guard(m_mutex);
        m_chunks.push_back({now, {buffer, buffer + n}});
        m_total += static_cast<std::size_t>(n);
    }
}

std::vector<PseudoTerminal::Chunk> PseudoTerminal::received(std::chrono::milliseconds quiet)
{
    std::size_t seen = static_cast<std::size_t>(-1);
    for (;;) {
        {
            std::lock_guard<std::mutex> guard(m_mutex);
            if (m_total == seen)
                return m_chunks;
            seen = m_total;
        }
        std::this_thread::sleep_for(quiet);
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
    Clock::time_point last;
    for (const Chunk &chunk : chunks) {
        if (result.empty() || chunk.time - last >= gap)
            result.push_back({chunk.time, {}});
        result.back().bytes.insert(result.back().bytes.end(), chunk.bytes.begin(), chunk.bytes.end());
        last = chunk.time;
    }
    return result;
}

std::vector<std::uint8_t> Hex(const char *text)
{
    std::vector<std::uint8_t> bytes;
    char *end = nullptr;
    for (const char *p = text; *p; p = end) {
        const unsigned long value = std::strtoul(p, &end, 16);
        if (end == p)
            break;
        bytes.push_back(static_cast<std::uint8_t>(value));
    }
    return bytes;
}

std::string ToHex(const std::vector<std::uint8_t> &bytes)
{
    std::string text;
    char part[4];
    for (std::uint8_t byte : bytes) {
        std::snprintf(part, sizeof part, text.empty() ? "%02X" : " %02X", byte);
        text += part;
    }
    return text;
}
