#pragma once

// A second, deliberately different reading of the selector-text rule, against
// which the fuzz target and the corpus test hold PortNumberFromText: the
// number is found by a small state machine, valued by the C library's strtod
// and rounded by comparing the fraction with one half. Two ways of getting
// there are unlikely to share a mistake. Clarity matters here, speed does not.

#include "serial/PortNumberText.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <optional>
#include <string>
#include <string_view>

namespace PortNumberReference {

// States of a recogniser for
//   [+-]? ( digits ( '.' digits? )? | '.' digits ) ( [eE] [+-]? digits )?
enum class State { Start, Sign, Whole, WholeAndPoint, LonePoint, Fraction, E, ESign, Exponent, Stop };

inline bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}
inline bool IsSign(char c)
{
    return c == '+' || c == '-';
}
inline bool IsE(char c)
{
    return c == 'e' || c == 'E';
}

inline State Next(State state, char c)
{
    switch (state) {
    case State::Start:
        if (IsSign(c))
            return State::Sign;
        if (IsDigit(c))
            return State::Whole;
        if (c == '.')
            return State::LonePoint;
        return State::Stop;
    case State::Sign:
        if (IsDigit(c))
            return State::Whole;
        if (c == '.')
            return State::LonePoint;
        return State::Stop;
    case State::Whole:
        if (IsDigit(c))
            return State::Whole;
        if (c == '.')
            return State::WholeAndPoint;
        if (IsE(c))
            return State::E;
        return State::Stop;
    case State::WholeAndPoint:
    case State::Fraction:
        if (IsDigit(c))
            return State::Fraction;
        if (IsE(c))
            return State::E;
        return State::Stop;
    case State::LonePoint:
        if (IsDigit(c))
            return State::Fraction;
        return State::Stop;
    case State::E:
        if (IsSign(c))
            return State::ESign;
        if (IsDigit(c))
            return State::Exponent;
        return State::Stop;
    case State::ESign:
    case State::Exponent:
        if (IsDigit(c))
            return State::Exponent;
        return State::Stop;
    case State::Stop: return State::Stop;
    }
    return State::Stop;
}

// States in which the text read so far is a whole number ("7." and ".5" are).
inline bool IsComplete(State state)
{
    return state == State::Whole || state == State::WholeAndPoint || state == State::Fraction ||
           state == State::Exponent;
}

// The longest start of text that is a number, so "3e+x" gives "3".
inline std::string LongestNumberAtStart(const std::string &text)
{
    std::size_t length = 0;
    State state = State::Start;
    for (std::size_t i = 0; i < text.size() && state != State::Stop; ++i) {
        state = Next(state, text[i]);
        if (IsComplete(state))
            length = i + 1;
    }
    return text.substr(0, length);
}

inline std::optional<std::int16_t> PortNumber(std::string_view text)
{
    std::string kept;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            kept += c;

    const std::string number = LongestNumberAtStart(kept);
    if (number.empty())
        return 0;

    // The C locale because a Qt program runs under the user's locale, whose
    // decimal point may be a comma. strtod sees only text the grammar above
    // accepted, so its extras (hex, "inf", leading blanks) never come in.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    char *end = nullptr;
    const double value = strtod_l(number.c_str(), &end, cLocale);
    if (end != number.c_str() + number.size()) {
        std::fprintf(stderr, "reference: strtod stopped early in \"%s\"\n", number.c_str());
        std::abort();
    }

    // Overflow comes back as an infinity, caught here; underflow as 0 or a
    // subnormal, which rounds to 0. Within this range value - floor(value)
    // is exact, so the comparisons with one half are too.
    if (!(value > -40000.0 && value < 40000.0))
        return std::nullopt;
    const double below = std::floor(value);
    const double fraction = value - below;
    const bool belowIsOdd = static_cast<long>(below) % 2 != 0;
    const double rounded = fraction > 0.5 || (fraction == 0.5 && belowIsOdd) ? below + 1 : below;
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

// The text as a C string literal would spell it; of a long text, its two ends.
inline std::string Escaped(std::string_view text)
{
    constexpr std::size_t kHead = 120;
    constexpr std::size_t kTail = 60;
    if (text.size() > kHead + kTail)
        return Escaped(text.substr(0, kHead)) + "..." + Escaped(text.substr(text.size() - kTail)) + " (" +
               std::to_string(text.size()) + " bytes)";

    std::string out = "\"";
    for (const char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c >= 0x20 && c < 0x7f) {
            out += ch;
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out + '"';
}

inline std::string Shown(std::optional<std::int16_t> port)
{
    return port ? std::to_string(*port) : std::string("empty (out of range)");
}

// Empty when PortNumberFromText and the reference agree on text, otherwise a
// line with the text and both results.
inline std::string Disagreement(std::string_view text)
{
    const std::optional<std::int16_t> actual = PortNumberFromText(text);
    const std::optional<std::int16_t> expected = PortNumber(text);
    if (actual == expected)
        return {};
    return "PortNumberFromText(" + Escaped(text) + ") gives " + Shown(actual) + ", the reference " + Shown(expected);
}

} // namespace PortNumberReference
