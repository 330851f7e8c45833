#pragma once
// The Wiegand 64-bit code: the bits 0110 on top of ten 6-bit groups, one per
// plate byte, filled from the right.

#include <cstddef>
#include <cstdint>
#include <string_view>

constexpr std::uint64_t kWiegand64Prefix = 0x6000000000000000ull;     // the bits 0110 on top
constexpr std::uint64_t kWiegand64PrefixMask = 0xF000000000000000ull; // bits 63 to 60
constexpr int kWiegand64GroupCount = 10;
constexpr int kWiegand64GroupBits = 6;
// The group of a leading position the plate leaves empty, and of any byte
// outside the digits and capitals.
constexpr int kWiegand64EmptyGroup = 0;
constexpr int kWiegand64OtherGroup = 63;

// The 64-bit code of a canonical plate; only its first 10 bytes are packed.
std::uint64_t Wiegand64Pack(std::string_view plate);
// The same for a plate of `size` bytes that stand in a buffer of at least
// kWiegand64GroupCount bytes, packed without a branch on its length.
std::uint64_t Wiegand64PackPadded(const char* bytes, std::size_t size);

// The 6-bit group of one plate byte: digits 16 to 25, capitals 26 to 51, else 63.
constexpr int Wiegand64Group(unsigned char byte)
{
    if (byte >= '0' && byte <= '9')
        return byte - '0' + 16;
    if (byte >= 'A' && byte <= 'Z')
        return byte - 'A' + 26;
    return kWiegand64OtherGroup;
}

// Group 1 (leftmost) to 10 (rightmost) of a code.
constexpr int Wiegand64GroupAt(std::uint64_t code, int group)
{
    return int((code >> ((kWiegand64GroupCount - group) * kWiegand64GroupBits)) & 0x3F);
}
