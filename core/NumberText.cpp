#include "NumberText.h"

#include <cstring>

namespace {

// Two characters per byte value and per number below 100, so that texts are
// written a pair of digits at a time.
struct TDigitPairs {
    char hex[256][2];
    char decimal[100][2];
    constexpr TDigitPairs() : hex(), decimal()
    {
        const char* digits = "0123456789ABCDEF";
        for (int i = 0; i < 256; ++i) {
            hex[i][0] = digits[i >> 4];
            hex[i][1] = digits[i & 15];
        }
        for (int i = 0; i < 100; ++i) {
            decimal[i][0] = static_cast<char>('0' + i / 10);
            decimal[i][1] = static_cast<char>('0' + i % 10);
        }
    }
};

constexpr TDigitPairs kPairs;

} // namespace

char* WriteHex(char* out, std::uint64_t value, int digits)
{
    int n = value == 0 ? 1 : (64 - __builtin_clzll(value) + 3) / 4;
    if (n < digits)
        n = digits;
    int i = n;
    for (; i >= 2; i -= 2, value >>= 8)
        std::memcpy(out + i - 2, kPairs.hex[value & 0xFF], 2);
    if (i == 1)
        out[0] = kPairs.hex[value & 0xF][1];
    return out + n;
}

namespace {

// Writes the last digits of a 32-bit value backwards from `end`, exactly
// `width` of them when width > 0 (zero-filled), else as many as it has.
char* WriteDecimalBackwards(char* end, std::uint32_t value, int width)
{
    char* p = end;
    while (value >= 100) {
        p -= 2;
        std::memcpy(p, kPairs.decimal[value % 100], 2);
        value /= 100;
    }
    if (value >= 10) {
        p -= 2;
        std::memcpy(p, kPairs.decimal[value], 2);
    } else {
        *--p = static_cast<char>('0' + value);
    }
    while (end - p < width)
        *--p = '0';
    return p;
}

} // namespace

char* WriteDecimal(char* out, std::uint64_t value)
{
    // Eight digits at a time in 32-bit arithmetic.
    char reversed[20];
    char* end = reversed + 20;
    char* p = end;
    while (value >= 100000000u) {
        p = WriteDecimalBackwards(p, static_cast<std::uint32_t>(value % 100000000u), 8);
        value /= 100000000u;
    }
    p = WriteDecimalBackwards(p, static_cast<std::uint32_t>(value), 0);
    const std::size_t length = static_cast<std::size_t>(end - p);
    std::memcpy(out, p, length);
    return out + length;
}
