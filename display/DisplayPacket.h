#pragma once

#include <array>
#include <cstdint>

// One message to the board: start byte 0x0D, address, command letter, data,
// and a checksum that makes the five bytes add up to 0 modulo 256.
using DisplayPacket = std::array<std::uint8_t, 5>;

namespace Board {
constexpr std::uint8_t kStartByte = 0x0D;
constexpr std::uint8_t kBoardWide = 0; // address of commands for the whole board
constexpr std::uint8_t kCommandDigit = 'A';
constexpr std::uint8_t kCommandS = 'S';
constexpr std::uint8_t kStartupData = 0xED;
constexpr std::uint8_t kSData = 0x13;
} // namespace Board

DisplayPacket BuildDisplayPacket(std::uint8_t address, std::uint8_t command, std::uint8_t data);
