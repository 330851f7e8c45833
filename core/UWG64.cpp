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

std::uint64_t Wiegand64PackPadded(const char* bytes, std::size_t size)
{
    // All ten places at once, those beyond the plate empty, then shifted so
    // that the plate's last byte takes the rightmost group.
    const std::size_t count = std::min<std::size_t>(size, kWiegand64GroupCount);
    std::uint64_t value = 0;
#pragma GCC unroll 10
    for (std::size_t i = 0; i < std::size_t(kWiegand64GroupCount); ++i) {
        const std::uint64_t inPlate = 0 - std::uint64_t(i < count); // all ones or zero, no branch
        const std::uint64_t group = kGroups.of[static_cast<unsigned char>(bytes[i])] & inPlate;
        value |= group << (kWiegand64GroupBits * (kWiegand64GroupCount - 1 - int(i)));
    }
    return (value >> (kWiegand64GroupBits * (kWiegand64GroupCount - int(count)))) | kWiegand64Prefix;
}
