#include "UWG26.h"

#include <bit>

int BitCount(std::uint32_t value)
{
    return std::popcount(value);
}

std::uint32_t Wiegand26Frame(std::uint32_t payload)
{
    std::uint32_t code = (payload << 1) & (kWiegand26UpperHalf | kWiegand26LowerHalf);
    if (BitCount(code & kWiegand26UpperHalf) % 2 == 1)
        code |= kWiegand26EvenParityBit; // even parity over frame bits 25 to 13
    if (BitCount(code & kWiegand26LowerHalf) % 2 == 0)
        code |= kWiegand26OddParityBit; // odd parity over frame bits 12 to 0
    return code;
}
