#pragma once
// Locale-free number texts for the result cells: upper-case hexadecimal with
// zero fill ("%.7x" and the like) and plain decimal ("%d").

#include <cstdint>
#include <string>

// Appends `value` in hexadecimal digits 0-9 and A-F, zero-filled to `digits`.
void AppendHex(std::string& out, std::uint64_t value, int digits);
// Appends `value` in decimal without grouping or leading zeros.
void AppendDecimal(std::string& out, std::uint64_t value);
