#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <termios.h>

// A pseudo-terminal standing in for a serial port. The program under test
// opens devicePath(); the test reads what arrives on the far side, with the
// time each read returned.
class PseudoTerminal
{
public:
    using Clock = std::chrono::steady_clock;
    struct Chunk
    {
        Clock::time_point time;
        std::vector<std::uint8_t> bytes;
    };
    // Bytes that arrived close together: one write of the program.
    struct Burst
    {
        Clock::time_point start;
        std::vector<std::uint8_t> bytes;
    };

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

    // Everything read so far, waiting up to `quiet` for more to arrive.
    std::vector<Chunk> received(std::chrono::milliseconds quiet = std::chrono::milliseconds(150));
    std::vector<std::uint8_t> receivedBytes(std::chrono::milliseconds quiet = std::chrono::milliseconds(150));

    // Groups chunks separated by less than `gap` into bursts.
    static std::vector<Burst> bursts(const std::vector<Chunk> &chunks,
                                     std::chrono::milliseconds gap = std::chrono::milliseconds(30));

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
};

std::vector<std::uint8_t> Hex(const char *text); // "0D 01 41" -> bytes
std::string ToHex(const std::vector<std::uint8_t> &bytes);
