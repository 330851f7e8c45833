#pragma once
// Locale-free number texts for the result cells: upper-case hexadecimal with
// zero fill ("%.7x" and the like) and plain decimal ("%d").

#include <cstdint>

// Writes `value` in hexadecimal digits 0-9 and A-F, zero-filled to `digits`;
// returns the end of what was written (at most max(16, digits) characters).
char* WriteHex(char* out, std::uint64_t value, int digits);
// Writes `value` in decimal without grouping or leading zeros (at most 20
// characters); returns the end.
char* WriteDecimal(char* out, std::uint64_t value);
