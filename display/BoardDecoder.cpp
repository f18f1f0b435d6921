#include "display/BoardDecoder.h"

#include "display/DisplayPacket.h"

#include <algorithm>
#include <cstdio>

namespace {
constexpr std::size_t kMessageSize = std::tuple_size_v<DisplayPacket>;

bool isDigitData(std::uint8_t data)
{
    return data >= '0' && data <= '9';
}

BoardEventKind classify(const DisplayPacket &message)
{
    const std::uint8_t address = message[1];
    const std::uint8_t command = message[2];
    const std::uint8_t data = message[3];
    // A corrupted message says nothing reliable about its fields, so the
    // checksum is judged before anything else.
    if (BuildDisplayPacket(address, command, data) != message)
        return BoardEventKind::BadChecksum;
    if (command == Board::kCommandS) {
        if (address != Board::kBoardWide)
            return BoardEventKind::BadAddress;
        return data == Board::kSData ? BoardEventKind::CommandS : BoardEventKind::BadData;
    }
    if (command != Board::kCommandDigit)
        return BoardEventKind::UnknownCommand;
    if (address == Board::kBoardWide)
        return data == Board::kStartupData ? BoardEventKind::Startup : BoardEventKind::BadData;
    if (address > kBoardDigitCount)
        return BoardEventKind::BadAddress;
    return isDigitData(data) ? BoardEventKind::Digit : BoardEventKind::BadData;
}

std::string hexByte(std::uint8_t byte)
{
    char text[3];
    std::snprintf(text, sizeof text, "%02X", byte);
    return text;
}

std::string commandName(std::uint8_t command)
{
    return "'" + std::string(1, static_cast<char>(command)) + "'";
}
} // namespace

bool BoardEvent::isProblem() const
{
    return kind != BoardEventKind::Digit && kind != BoardEventKind::Startup && kind != BoardEventKind::CommandS;
}

std::vector<BoardEvent> BoardDecoder::feed(const std::uint8_t *bytes, std::size_t count)
{
    std::vector<BoardEvent> events;
    for (std::size_t i = 0; i < count; ++i)
        take(bytes[i], events);
    return events;
}

std::vector<BoardEvent> BoardDecoder::flush()
{
    std::vector<BoardEvent> events;
    reportStray(events);
    reportTorn(events);
    return events;
}

void BoardDecoder::take(std::uint8_t byte, std::vector<BoardEvent> &events)
{
    if (byte == Board::kStartByte) {
        reportStray(events);
        reportTorn(events);
        m_message.push_back(byte);
        return;
    }
    if (m_message.empty()) {
        m_stray.push_back(byte);
        if (m_stray.size() == kMaxStrayBytesPerEvent)
            reportStray(events);
        return;
    }
    m_message.push_back(byte);
    if (m_message.size() == kMessageSize)
        events.push_back(completeMessage());
}

BoardEvent BoardDecoder::completeMessage()
{
    DisplayPacket message{};
    std::copy(m_message.begin(), m_message.end(), message.begin());
    m_message.clear();

    const BoardEventKind kind = classify(message);
    if (kind == BoardEventKind::Digit)
        m_shown[static_cast<std::size_t>(message[1] - 1)] = message[3] - '0';
    return {kind, {message.begin(), message.end()}, m_shown};
}

void BoardDecoder::reportStray(std::vector<BoardEvent> &events)
{
    if (m_stray.empty())
        return;
    events.push_back({BoardEventKind::StrayBytes, std::move(m_stray), m_shown});
    m_stray.clear();
}

void BoardDecoder::reportTorn(std::vector<BoardEvent> &events)
{
    if (m_message.empty())
        return;
    events.push_back({BoardEventKind::TornMessage, std::move(m_message), m_shown});
    m_message.clear();
}

std::string DescribeBoardEvent(const BoardEvent &event)
{
    const auto &b = event.bytes;
    switch (event.kind) {
    case BoardEventKind::Digit:
        return "digit " + std::to_string(b[1]) + " = " + std::string(1, static_cast<char>(b[3]));
    case BoardEventKind::Startup: return "start-up";
    case BoardEventKind::CommandS: return "'S'";
    case BoardEventKind::BadChecksum:
        return "PROBLEM: bad checksum " + hexByte(b[4]) + ", should be " +
               hexByte(BuildDisplayPacket(b[1], b[2], b[3])[4]);
    case BoardEventKind::StrayBytes:
        return "PROBLEM: " + std::to_string(b.size()) + (b.size() == 1 ? " stray byte" : " stray bytes") +
               " outside a message";
    case BoardEventKind::TornMessage:
        return "PROBLEM: torn message, " + std::to_string(b.size()) + " of " + std::to_string(kMessageSize) + " bytes";
    case BoardEventKind::UnknownCommand: return "PROBLEM: unknown command " + hexByte(b[2]);
    case BoardEventKind::BadAddress:
        return "PROBLEM: bad address " + std::to_string(b[1]) + " for " + commandName(b[2]);
    case BoardEventKind::BadData:
        if (b[2] == Board::kCommandS)
            return "PROBLEM: 'S' with data " + hexByte(b[3]) + ", should be " + hexByte(Board::kSData);
        if (b[1] == Board::kBoardWide)
            return "PROBLEM: board-wide 'A' with data " + hexByte(b[3]) + ", start-up is " +
                   hexByte(Board::kStartupData);
        return "PROBLEM: data " + hexByte(b[3]) + " for digit " + std::to_string(b[1]) + " is not a digit";
    }
    return "PROBLEM: unknown event";
}

std::string ShownDigitsText(const ShownDigits &digits)
{
    std::string text;
    for (const int digit : digits) {
        if (!text.empty())
            text += ' ';
        text += digit == kNoDigitYet ? '_' : static_cast<char>('0' + digit);
    }
    return text;
}
