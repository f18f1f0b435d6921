#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The port number an operator's selector text stands for: the decimal number
// at the start of the text (sign, digits, decimal point, exponent), with
// blanks, tabs and line feeds ignored anywhere, rounded half to even. Text
// that does not start with a number gives 0. Empty when the value does not fit
// a signed 16-bit port number.
std::optional<std::int16_t> PortNumberFromText(std::string_view text);
