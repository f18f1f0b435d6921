#include "serial/PortNumberText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t skipDigits(const std::string &s, std::size_t pos)
{
    while (pos < s.size() && isDigit(s[pos]))
        ++pos;
    return pos;
}

// Power of ten of the first significant digit of a number whose magnitude
// from_chars could not represent: below zero means it underflowed to 0.
long leadingPowerOfTen(const std::string &digits, std::size_t integerDigits, long exponent)
{
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return -1;
    return static_cast<long>(integerDigits) - 1 - static_cast<long>(first) + exponent;
}
} // namespace

std::optional<std::int16_t> PortNumberFromText(std::string_view text)
{
    std::string compact;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            compact += c;

    std::size_t pos = 0;
    bool negative = false;
    if (pos < compact.size() && (compact[pos] == '+' || compact[pos] == '-')) {
        negative = compact[pos] == '-';
        ++pos;
    }
    const std::size_t mantissaStart = pos;
    pos = skipDigits(compact, pos);
    const std::size_t integerDigits = pos - mantissaStart;
    std::string digits = compact.substr(mantissaStart, integerDigits);
    if (pos < compact.size() && compact[pos] == '.') {
        const std::size_t fractionStart = ++pos;
        pos = skipDigits(compact, pos);
        digits += compact.substr(fractionStart, pos - fractionStart);
    }
    if (digits.empty())
        return 0;

    long exponent = 0;
    if (pos < compact.size() && (compact[pos] == 'e' || compact[pos] == 'E')) {
        std::size_t p = pos + 1;
        bool negativeExponent = false;
        if (p < compact.size() && (compact[p] == '+' || compact[p] == '-'))
            negativeExponent = compact[p++] == '-';
        const std::size_t exponentEnd = skipDigits(compact, p);
        if (exponentEnd > p) { // an 'e' with no digits after it ends the number
            // Saturate far beyond any text's length, so that a long run of
            // digits in the mantissa cannot outweigh a saturated exponent.
            constexpr long kExponentCap = std::numeric_limits<long>::max() / 20;
            for (std::size_t i = p; i < exponentEnd; ++i)
                exponent = std::min(exponent * 10 + (compact[i] - '0'), kExponentCap);
            if (negativeExponent)
                exponent = -exponent;
            pos = exponentEnd;
        }
    }

    double magnitude = 0;
    const char *first = compact.data() + mantissaStart;
    const char *last = compact.data() + pos;
    const auto [end, ec] = std::from_chars(first, last, magnitude);
    if (ec == std::errc::result_out_of_range) {
        if (leadingPowerOfTen(digits, integerDigits, exponent) >= 0)
            return std::nullopt;
        magnitude = 0;
    } else if (ec != std::errc() || end != last) {
        return 0; // cannot happen for the prefix read above; be safe anyway
    }

    // nearbyint rounds half to even in the default rounding mode.
    const double rounded = std::nearbyint(negative ? -magnitude : magnitude);
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}
