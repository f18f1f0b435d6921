#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The board's side of the line: turns the bytes it receives, in chunks of any
// size, into the messages it would act on and the problems it would reject.
// A message starts at a start byte and is five bytes long. No message in use
// carries 0x0D after its start byte, so a 0x0D inside a message can only
// mean that a new message began: the unfinished one is reported torn and
// decoding carries on from the new start byte.

enum class BoardEventKind {
    Digit,          // address 1-4, 'A', '0'..'9'
    Startup,        // 0D 00 41 ED C5
    CommandS,       // 0D 00 53 13 8D
    BadChecksum,    // the five bytes do not add up to 0 modulo 256
    StrayBytes,     // bytes outside any message (up to kMaxStrayBytesPerEvent)
    TornMessage,    // fewer than five bytes, then a new start byte or silence
    UnknownCommand, // neither 'A' nor 'S'
    BadAddress,     // 'A' beyond address 4, or 'S' not board-wide
    BadData,        // not a digit for a digit message, or other data board-wide
};

constexpr int kBoardDigitCount = 4;
constexpr int kNoDigitYet = -1;
// The last digit received for each address 1-4, kNoDigitYet until then.
using ShownDigits = std::array<int, kBoardDigitCount>;

struct BoardEvent
{
    BoardEventKind kind;
    std::vector<std::uint8_t> bytes; // as they came off the line
    ShownDigits shownAfter;          // several events may come from one read

    bool isProblem() const;
};

class BoardDecoder
{
public:
    // Long runs of noise are cut into several events so no line grows without end.
    static constexpr std::size_t kMaxStrayBytesPerEvent = 16;

    std::vector<BoardEvent> feed(const std::uint8_t *bytes, std::size_t count);

    // The line went quiet: what is held back waiting for more bytes (an
    // unfinished message, stray bytes) is reported now.
    std::vector<BoardEvent> flush();

    const ShownDigits &shownDigits() const { return m_shown; }

private:
    void take(std::uint8_t byte, std::vector<BoardEvent> &events);
    BoardEvent completeMessage();
    void reportStray(std::vector<BoardEvent> &events);
    void reportTorn(std::vector<BoardEvent> &events);

    std::vector<std::uint8_t> m_message; // from a start byte on, fewer than five bytes
    std::vector<std::uint8_t> m_stray;
    ShownDigits m_shown{kNoDigitYet, kNoDigitYet, kNoDigitYet, kNoDigitYet};
};

// "digit 2 = 8", "start-up", "PROBLEM: bad checksum C0, should be 81", ...
std::string DescribeBoardEvent(const BoardEvent &event);

// "0 8 _ _": the four positions left to right, _ where no digit came yet.
std::string ShownDigitsText(const ShownDigits &digits);
