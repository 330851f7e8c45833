#include "UWG64.h"

#include <algorithm>

namespace {

// The group of every byte, looked up rather than tested, since digits and
// letters come in any mix.
struct TGroups {
    std::uint8_t of[256];
    constexpr TGroups() : of()
    {
        for (int b = 0; b < 256; ++b)
            of[b] = static_cast<std::uint8_t>(Wiegand64Group(static_cast<unsigned char>(b)));
    }
};

constexpr TGroups kGroups;

} // namespace

std::uint64_t Wiegand64Pack(std::string_view plate)
{
    std::uint64_t value = 0;
    for (unsigned char byte : plate.substr(0, std::min<std::size_t>(plate.size(), kWiegand64GroupCount)))
        value = (value << kWiegand64GroupBits) | kGroups.of[byte];
    return value | kWiegand64Prefix;
}
