#pragma once
// The Wiegand 26-bit frame: even parity, 24 payload bits, odd parity.

#include <cstdint>

// Frame bits: 25 even parity over bits 24 to 13, 24 to 1 the payload (the
// facility code in 24 to 17, the ID number in 16 to 1), 0 odd parity over bits
// 12 to 1.
constexpr std::uint32_t kWiegand26EvenParityBit = 0x2000000u;
constexpr std::uint32_t kWiegand26UpperHalf = 0x1FFE000u;
constexpr std::uint32_t kWiegand26LowerHalf = 0x1FFEu;
constexpr std::uint32_t kWiegand26OddParityBit = 1u;
// Every frame lies below this.
constexpr std::uint32_t kWiegand26Limit = 0x4000000u;

// The 26-bit code of a payload; only its low 24 bits are used.
std::uint32_t Wiegand26Frame(std::uint32_t payload);

// The 24-bit payload a frame carries, whatever its parity bits.
constexpr std::uint32_t Wiegand26Payload(std::uint32_t frame)
{
    return (frame >> 1) & 0xFFFFFFu;
}

// The facility code (top 8 bits) and ID number (low 16 bits) of a payload.
constexpr std::uint32_t FacilityCodeOf(std::uint32_t payload)
{
    return (payload >> 16) & 0xFFu;
}
constexpr std::uint32_t IdNumberOf(std::uint32_t payload)
{
    return payload & 0xFFFFu;
}

// The number of 1 bits of a value.
int BitCount(std::uint32_t value);
