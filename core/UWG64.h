#pragma once
// The Wiegand 64-bit code: the bits 0110 on top of ten 6-bit groups, one per
// plate byte, filled from the right.

#include <cstdint>
#include <string_view>

// The 64-bit code of a canonical plate; only its first 10 bytes are packed.
std::uint64_t Wiegand64Pack(std::string_view plate);

// The 6-bit group of one plate byte: digits 16 to 25, capitals 26 to 51, else 63.
int Wiegand64Group(unsigned char byte);
