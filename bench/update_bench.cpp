// "Update scoreboard" in the real window, on pseudo-terminals standing in for
// ports 1 and 2: for each click, when each message's first byte reached the
// far side and how much CPU the program spent. After each update the same
// bytes go out once more by plain write() and PauseTenth(), with no Qt: the
// machine's own noise, measured in the same run. Prints one tab-separated row
// per sequence for bench/run.py; the first of each warms caches and is marked.
//
// usage: scoreboard-bench-update [UPDATES]   (default 20; offscreen unless
// QT_QPA_PLATFORM says otherwise)

#include "display/SendSequences.h"
#include "match/Match.h"
#include "match/MatchMemory.h"
#include "serial/PortMemory.h"
#include "serial/PortSession.h"
#include "serial/SettingsWriter.h"
#include "serial/linux/LinuxSerialLink.h"
#include "support/FakeSerialPlatform.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <pty.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

namespace {
using Clock = std::chrono::steady_clock;
using Bytes = std::vector<std::uint8_t>;

// The scores are set to 12 and 34 so that a swapped address or digit shows.
constexpr int kLeftScore = 12;
constexpr int kRightScore = 34;
// Each digit to its address, twice in one write; then the 'S' message.
const std::vector<Bytes> kExpectedWrites = {
    {0x0D, 0x01, 0x41, 0x31, 0x80, 0x0D, 0x01, 0x41, 0x31, 0x80},
    {0x0D, 0x02, 0x41, 0x32, 0x7E, 0x0D, 0x02, 0x41, 0x32, 0x7E},
    {0x0D, 0x03, 0x41, 0x33, 0x7C, 0x0D, 0x03, 0x41, 0x33, 0x7C},
    {0x0D, 0x04, 0x41, 0x34, 0x7A, 0x0D, 0x04, 0x41, 0x34, 0x7A},
    {0x0D, 0x00, 0x53, 0x13, 0x8D},
};

struct Arrival
{
    Clock::time_point time;
    std::uint8_t byte;
};

// The far side of a pseudo-terminal. Its own thread reads it, so that bytes
// are stamped as they arrive while the window's thread is busy sending.
class FarSide
{
public:
    FarSide()
    {
        char name[256] = {};
        if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0)
            throw std::runtime_error("openpty failed");
        m_devicePath = name;
        m_reader = std::thread([this] { readLoop(); });
    }

    ~FarSide()
    {
        m_stop = true;
        m_reader.join();
        ::close(m_master);
        ::close(m_slave);
    }

    FarSide(const FarSide &) = delete;
    FarSide &operator=(const FarSide &) = delete;

    const std::string &devicePath() const { return m_devicePath; }

    // What arrived since the last call, once `count` bytes are there or
    // `limit` has passed.
    std::vector<Arrival> take(std::size_t count, Clock::duration limit)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_arrived.wait_for(lock, limit, [&] { return m_arrivals.size() >= count; });
        std::vector<Arrival> taken;
        taken.swap(m_arrivals);
        return taken;
    }

    // The reader's CPU is the benchmark's, not the program's.
    double readerCpuMs() { return cpuMs(readerClock()); }

    static double cpuMs(clockid_t clock)
    {
        timespec now{};
        ::clock_gettime(clock, &now);
        return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
    }

private:
    clockid_t readerClock()
    {
        clockid_t clock{};
        ::pthread_getcpuclockid(m_reader.native_handle(), &clock);
        return clock;
    }

    void readLoop()
    {
        while (!m_stop) {
            pollfd fd{m_master, POLLIN, 0};
            if (::poll(&fd, 1, 50) <= 0 || !(fd.revents & POLLIN))
                continue;
            std::uint8_t buffer[256];
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            const auto now = Clock::now();
            if (n <= 0)
                continue;
            {
                std::lock_guard<std::mutex> guard(m_mutex);
                for (ssize_t i = 0; i < n; ++i)
                    m_arrivals.push_back({now, buffer[i]});
            }
            m_arrived.notify_all();
        }
    }

    int m_master = -1;
    int m_slave = -1; // held open so the far side stays readable between opens
    std::string m_devicePath;
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::vector<Arrival> m_arrivals;
    std::thread m_reader;
};

double msBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

std::string hex(const std::vector<Arrival> &arrivals)
{
    std::string text;
    char part[4];
    for (const Arrival &arrival : arrivals) {
        std::snprintf(part, sizeof part, text.empty() ? "%02X" : " %02X", arrival.byte);
        text += part;
    }
    return text;
}

// When each expected write's first byte arrived; empty if the bytes differ.
std::vector<Clock::time_point> writeStarts(const std::vector<Arrival> &arrivals)
{
    std::vector<Clock::time_point> starts;
    std::size_t next = 0;
    for (const Bytes &write : kExpectedWrites) {
        if (next + write.size() > arrivals.size())
            return {};
        for (std::size_t i = 0; i < write.size(); ++i)
            if (arrivals[next + i].byte != write[i])
                return {};
        starts.push_back(arrivals[next].time);
        next += write.size();
    }
    if (next != arrivals.size())
        return {};
    return starts;
}

// The update's writes and pauses without Qt or the window, on a descriptor of
// the same device.
bool writePlainly(int fd)
{
    for (std::size_t i = 0; i < kExpectedWrites.size(); ++i) {
        const Bytes &write = kExpectedWrites[i];
        if (::write(fd, write.data(), write.size()) != static_cast<ssize_t>(write.size()))
            return false;
        if (i + 1 < kExpectedWrites.size())
            PauseTenth();
    }
    return true;
}

int openRaw(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY);
    termios settings{};
    if (fd < 0 || ::tcgetattr(fd, &settings) != 0)
        return -1;
    ::cfmakeraw(&settings);
    ::tcsetattr(fd, TCSANOW, &settings);
    return fd;
}

// One row: what, which run, first byte after `from`, gaps between message
// starts, CPU; false when the bytes were not those expected. The CPU is read
// once the bytes are all there: a send on a thread of its own is still at
// work when the click returns.
bool printRow(const char *kind, int run, Clock::time_point from, FarSide &port, const std::function<double()> &cpuMs)
{
    std::size_t expectedBytes = 0;
    for (const Bytes &write : kExpectedWrites)
        expectedBytes += write.size();
    const auto arrivals = port.take(expectedBytes, std::chrono::seconds(2));
    const auto starts = writeStarts(arrivals);
    if (starts.empty()) {
        std::fprintf(stderr, "%s %d: unexpected bytes on port 1: %s\n", kind, run, hex(arrivals).c_str());
        return false;
    }
    std::printf("%s\t%s\t%.3f", kind, run == 0 ? "warm-up" : std::to_string(run).c_str(), msBetween(from, starts[0]));
    for (std::size_t i = 1; i < starts.size(); ++i)
        std::printf("\t%.3f", msBetween(starts[i - 1], starts[i]));
    std::printf("\t%.3f\n", cpuMs());
    std::fflush(stdout);
    return true;
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int updates = argc > 1 ? std::atoi(argv[1]) : 20;

    FarSide port1;
    FarSide port2;
    const auto programCpuMs = [&] {
        return FarSide::cpuMs(CLOCK_PROCESS_CPUTIME_ID) - port1.readerCpuMs() - port2.readerCpuMs();
    };

    // Ports 1 and 2 and settings of its own: nothing of this machine's.
    FakeSerialPlatform platform([&](int portNumber) {
        return portNumber == 1 ? port1.devicePath() : portNumber == 2 ? port2.devicePath() : std::string();
    });
    const QTemporaryDir settingsFolder;
    QSettings settings(settingsFolder.filePath(QStringLiteral("scoreboard.conf")), QSettings::IniFormat);
    SettingsWriter settingsWriter(settings);
    PortMemory portMemory(settings, settingsWriter);
    MatchMemory matchMemory(settings, settingsWriter);
    PortSession session(std::make_unique<LinuxSerialLink>(platform), platform, portMemory, SendStartupCommand);
    Match match(session, matchMemory);
    Form1 window(match);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the window was never shown\n");
        return 1;
    }
    const auto button = [&](const char *name) { return window.findChild<QPushButton *>(QLatin1String(name)); };
    for (int i = 0; i < kLeftScore; ++i)
        button("Command2")->click();
    for (int i = 0; i < kRightScore; ++i)
        button("Command5")->click();
    // Both ports answer at start, so nothing was sent; make sure of it.
    if (!port1.take(1, std::chrono::milliseconds(200)).empty()) {
        std::fprintf(stderr, "bytes on port 1 before any update\n");
        return 1;
    }

    std::printf("# platform %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf(
        "kind\trun\tstart_to_first_byte_ms\tgap_pair1_ms\tgap_pair2_ms\tgap_pair3_ms\tgap_pair4_to_s_ms\tcpu_ms\n");
    QPushButton *update = button("Command3");
    const int plain = openRaw(port1.devicePath());
    if (plain < 0) {
        std::fprintf(stderr, "cannot open %s: %s\n", port1.devicePath().c_str(), std::strerror(errno));
        return 1;
    }
    for (int run = 0; run <= updates; ++run) {
        const double cpuBefore = programCpuMs();
        const auto clicked = Clock::now();
        QTest::mouseClick(update, Qt::LeftButton);
        const auto updateCpuMs = [&] {
            // The outcome, and the repaints it and the click posted, are part of the update's cost.
            if (!QTest::qWaitFor([&] { return !match.sending(); }, 2000)) {
                std::fprintf(stderr, "update %d: still sending 2 s after its last byte\n", run);
                std::exit(1);
            }
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
            return programCpuMs() - cpuBefore;
        };
        if (!printRow("update", run, clicked, port1, updateCpuMs))
            return 1;
        QTest::qWait(100);

        const double plainCpuBefore = programCpuMs();
        const auto plainStart = Clock::now();
        if (!writePlainly(plain)) {
            std::fprintf(stderr, "plain write failed: %s\n", std::strerror(errno));
            return 1;
        }
        if (!printRow("baseline", run, plainStart, port1, [&] { return programCpuMs() - plainCpuBefore; }))
            return 1;
        QTest::qWait(100);
    }
    ::close(plain);
    if (!port2.take(1, std::chrono::milliseconds(100)).empty()) {
        std::fprintf(stderr, "bytes on port 2, which was never selected\n");
        return 1;
    }
    return 0;
}
