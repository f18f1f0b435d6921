#include "display/SendSequences.h"

#include "display/DisplayPacket.h"
#include "display/Pause.h"

#include <array>
#include <chrono>

namespace {
constexpr auto kPause = std::chrono::milliseconds(100);

// The board takes every message twice in a row, in one write.
using DoublePacket = std::array<std::uint8_t, 2 * sizeof(DisplayPacket)>;

DoublePacket twice(const DisplayPacket &packet)
{
    DoublePacket bytes{};
    for (std::size_t i = 0; i < packet.size(); ++i)
        bytes[i] = bytes[i + packet.size()] = packet[i];
    return bytes;
}

template <std::size_t N> LinkResult writeBytes(SerialLink &link, const std::array<std::uint8_t, N> &bytes)
{
    return link.write(bytes.data(), bytes.size());
}

LinkResult notSent(const SerialLink &link)
{
    LinkResult result;
    result.error = LinkError::NotOpen;
    result.portNumber = link.portNumber();
    return result;
}

std::uint8_t digitData(const std::string &cell)
{
    // A cell holds one character "0" to "9"; its ASCII code is the data byte.
    return cell.size() == 1 && cell[0] >= '0' && cell[0] <= '9' ? static_cast<std::uint8_t>(cell[0])
                                                                : static_cast<std::uint8_t>('0');
}
} // namespace

LinkResult UpdateScoreboard(const ScoreKeeper::DigitCells &cells, SerialLink &link, int *digitsSent)
{
    if (!link.isOpen())
        return notSent(link);
    for (std::size_t cell = 0; cell < cells.size(); ++cell) {
        const auto address = static_cast<std::uint8_t>(cell + 1);
        const auto packet = BuildDisplayPacket(address, Board::kCommandDigit, digitData(cells[cell]));
        if (LinkResult result = writeBytes(link, twice(packet)); !result.ok())
            return result;
        if (digitsSent)
            ++*digitsSent;
        PauseTenth();
    }
    return SendCommandS(link);
}

LinkResult SendCommandS(SerialLink &link)
{
    if (!link.isOpen())
        return notSent(link);
    return writeBytes(link, BuildDisplayPacket(Board::kBoardWide, Board::kCommandS, Board::kSData));
}

LinkResult SendStartupCommand(SerialLink &link)
{
    if (!link.isOpen())
        return notSent(link);
    const auto startup = BuildDisplayPacket(Board::kBoardWide, Board::kCommandDigit, Board::kStartupData);
    if (LinkResult result = writeBytes(link, twice(startup)); !result.ok())
        return result;
    return SendCommandS(link);
}

void PauseTenth()
{
    // steady_clock never steps (midnight, clock changes); sleeping keeps the
    // CPU idle.
    SleepUntil(std::chrono::steady_clock::now() + kPause);
}
