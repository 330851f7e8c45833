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

namespace {

// The 8 hexadecimal digits of a 32-bit value, upper case, computed for all
// digits at once: each nibble spread into a byte of its own, then turned into
// its character.
std::uint64_t HexDigits8(std::uint32_t value)
{
    std::uint64_t x = value;
    x = ((x & 0xFFFF0000ull) << 16) | (x & 0xFFFFull);
    x = ((x & 0x0000FF000000FF00ull) << 8) | (x & 0x000000FF000000FFull);
    x = ((x & 0x00F000F000F000F0ull) << 4) | (x & 0x000F000F000F000Full);
    const std::uint64_t letters = ((x + 0x0606060606060606ull) >> 4) & 0x0101010101010101ull;
    x += 0x3030303030303030ull + letters * 7;
    return __builtin_bswap64(x); // the first digit first in memory
}

} // namespace

char* WriteHex(char* out, std::uint64_t value, int digits)
{
    int n = value == 0 ? 1 : (64 - __builtin_clzll(value) + 3) / 4;
    if (n < digits)
        n = digits;
    if (n <= 16) {
        char text[16];
        const std::uint64_t high = HexDigits8(static_cast<std::uint32_t>(value >> 32));
        const std::uint64_t low = HexDigits8(static_cast<std::uint32_t>(value));
        std::memcpy(text, &high, 8);
        std::memcpy(text + 8, &low, 8);
        std::memcpy(out, text + 16 - n, std::size_t(n));
        return out + n;
    }
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
