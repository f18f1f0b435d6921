#pragma once

// The board's line, the one definition every port opener applies: 2400 baud,
// 8 data bits, no parity, 1 stop bit, no flow control.
namespace BoardLine {
constexpr int kBaudRate = 2400;
constexpr int kDataBits = 8;
constexpr int kStopBits = 1;
} // namespace BoardLine
