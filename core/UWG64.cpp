#include "UWG64.h"

#include <algorithm>

int Wiegand64Group(unsigned char byte)
{
    if (byte >= '0' && byte <= '9')
        return byte - '0' + 16;
    if (byte >= 'A' && byte <= 'Z')
        return byte - 'A' + 26;
    return 63;
}

std::uint64_t Wiegand64Pack(std::string_view plate)
{
    std::uint64_t value = 0;
    for (unsigned char byte : plate.substr(0, std::min<std::size_t>(plate.size(), 10)))
        value = (value << 6) | static_cast<std::uint64_t>(Wiegand64Group(byte));
    return value | 0x6000000000000000ull;
}
