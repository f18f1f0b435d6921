#pragma once

#include "support/Hex.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <termios.h>

// A pseudo-terminal standing in for a serial port. The program under test
// opens devicePath(); the test reads what arrives on the far side.
//
// Each read is stamped from both sides, so that a test times the program's
// writes rather than the reader's wake-up: the bytes were not there yet when
// the reader last found the line empty, and they were there when the read
// returned. A busy machine that delays the reader widens that window but
// never moves it off the write. Where the system allows, the reader runs at
// real-time priority, which keeps the window narrow (about a millisecond)
// even with every CPU busy.
class PseudoTerminal
{
public:
    using Clock = std::chrono::steady_clock;
    struct Chunk
    {
        Clock::time_point notBefore; // the line was last seen empty then
        Clock::time_point readAt;    // the bytes had arrived by then
        std::vector<std::uint8_t> bytes;
    };
    // Bytes that arrived close together: one write of the program, stamped as
    // its first chunk.
    using Burst = Chunk;

    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    const std::string &devicePath() const { return m_devicePath; }

    // The device then exists but every open of it fails (EIO).
    void lockAgainstOpening();

    // Like an unplugged adapter: the far side goes away, once the given number
    // of bytes has arrived (0: at once). Later writes to the device fail.
    void unplugAfter(std::size_t bytes);

    // Line settings as the program left them on the device side.
    termios lineSettings() const;

    // Everything read so far, once the reader has found the line empty
    // `quiet` after both this call and the last bytes. A reader that wakes
    // late makes this wait longer, never return early.
    std::vector<Chunk> received(std::chrono::milliseconds quiet = std::chrono::milliseconds(150));
    std::vector<std::uint8_t> receivedBytes(std::chrono::milliseconds quiet = std::chrono::milliseconds(150));

    // Groups chunks into bursts, starting a new one where the reads prove
    // that at least `gap` passed since the chunk before.
    static std::vector<Burst> bursts(const std::vector<Chunk> &chunks,
                                     std::chrono::milliseconds gap = std::chrono::milliseconds(30));

    // The most time that can have passed between the starts of two bursts:
    // a late read of `earlier` cannot shorten it.
    static Clock::duration longestGap(const Burst &earlier, const Burst &later)
    {
        return later.readAt - earlier.notBefore;
    }

private:
    void readLoop();
    void closeFarSide();
    bool farSideClosed();

    int m_master = -1;
    int m_slave = -1; // held open so the far side stays readable between opens
    std::string m_devicePath;
    std::thread m_reader;
    std::atomic<bool> m_stop{false};
    std::atomic<long> m_unplugAfter{-1};
    std::mutex m_mutex;
    std::vector<Chunk> m_chunks;
    std::size_t m_total = 0;
    Clock::time_point m_seenEmpty; // the start of the reader's last poll that found nothing
};
