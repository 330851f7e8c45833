#include "UWG26.h"

#include <bit>

int BitCount(std::uint32_t value)
{
    return std::popcount(value);
}

std::uint32_t Wiegand26Frame(std::uint32_t payload)
{
    std::uint32_t code = (payload << 1) & 0x1FFFFFEu;
    if (BitCount(code & 0x1FFE000u) % 2 == 1)
        code |= 0x2000000u; // even parity over frame bits 25 to 13
    if (BitCount(code & 0x1FFEu) % 2 == 0)
        code |= 1u; // odd parity over frame bits 12 to 0
    return code;
}
