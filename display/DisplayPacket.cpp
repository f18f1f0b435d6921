#include "display/DisplayPacket.h"

DisplayPacket BuildDisplayPacket(std::uint8_t address, std::uint8_t command, std::uint8_t data)
{
    const unsigned sum = Board::kStartByte + address + command + data;
    // Two's complement of the byte sum; a sum that is a multiple of 256 gives 0.
    const auto checksum = static_cast<std::uint8_t>((256 - sum % 256) % 256);
    return {Board::kStartByte, address, command, data, checksum};
}
