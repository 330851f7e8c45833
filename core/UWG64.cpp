#include "UWG64.h"

#include <algorithm>

std::uint64_t Wiegand64Pack(std::string_view plate)
{
    std::uint64_t value = 0;
    for (unsigned char byte : plate.substr(0, std::min<std::size_t>(plate.size(), kWiegand64GroupCount)))
        value = (value << kWiegand64GroupBits) | static_cast<std::uint64_t>(Wiegand64Group(byte));
    return value | kWiegand64Prefix;
}
