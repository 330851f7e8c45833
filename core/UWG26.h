#pragma once
// The Wiegand 26-bit frame: even parity, 24 payload bits, odd parity.

#include <cstdint>

// The 26-bit code of a payload; only its low 24 bits are used.
std::uint32_t Wiegand26Frame(std::uint32_t payload);

// The number of 1 bits of a value.
int BitCount(std::uint32_t value);
