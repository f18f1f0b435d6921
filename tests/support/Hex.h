#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// Bytes as the tests write them: "0D 01 41" <-> {0x0D, 0x01, 0x41}.
inline std::vector<std::uint8_t> Hex(const char *text)
{
    std::vector<std::uint8_t> bytes;
    char *end = nullptr;
    for (const char *p = text; *p; p = end) {
        const unsigned long value = std::strtoul(p, &end, 16);
        if (end == p)
            break;
        bytes.push_back(static_cast<std::uint8_t>(value));
    }
    return bytes;
}

inline std::string ToHex(const std::vector<std::uint8_t> &bytes)
{
    std::string text;
    char part[4];
    for (std::uint8_t byte : bytes) {
        std::snprintf(part, sizeof part, text.empty() ? "%02X" : " %02X", byte);
        text += part;
    }
    return text;
}
