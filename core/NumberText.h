#pragma once
// Locale-free number texts for the result cells: upper-case hexadecimal with
// zero fill ("%.7x" and the like) and plain decimal ("%d").

#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Writes `value` in hexadecimal digits 0-9 and A-F, zero-filled to `digits`;
// returns the end of what was written (at most max(16, digits) characters).
char* WriteHex(char* out, std::uint64_t value, int digits);
// Writes `value` in decimal without grouping or leading zeros (at most 20
// characters); returns the end.
char* WriteDecimal(char* out, std::uint64_t value);

// The digit words below hold up to eight characters of a text in one 64-bit
// number, the first character in the lowest byte, so that a cell writer stores
// them with one move instead of copying them a character at a time.
static_assert(std::endian::native == std::endian::little);

// The 8 hexadecimal digits of a 32-bit value, upper case, zero-filled: each
// nibble spread into a byte of its own, then turned into its character.
constexpr std::uint64_t HexDigits8(std::uint32_t value)
{
    std::uint64_t x = value;
    x = ((x & 0xFFFF0000ull) << 16) | (x & 0xFFFFull);
    x = ((x & 0x0000FF000000FF00ull) << 8) | (x & 0x000000FF000000FFull);
    x = ((x & 0x00F000F000F000F0ull) << 4) | (x & 0x000F000F000F000Full);
    const std::uint64_t letters = ((x + 0x0606060606060606ull) >> 4) & 0x0101010101010101ull;
    x += 0x3030303030303030ull + letters * 7;
    return __builtin_bswap64(x);
}

// HexDigits8 of four values at once (SSE2 on x86-64, where it is always there).
inline void HexDigits8x4(const std::uint32_t* values, std::uint64_t* digits)
{
#if defined(__SSE2__)
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(values));
    // Each value's bytes in big-endian order, so that its first digit comes first.
    __m128i t = _mm_or_si128(_mm_slli_epi16(x, 8), _mm_srli_epi16(x, 8));
    t = _mm_shufflehi_epi16(_mm_shufflelo_epi16(t, 0xB1), 0xB1);
    const __m128i nibble = _mm_set1_epi8(0x0F);
    const __m128i high = _mm_and_si128(_mm_srli_epi16(t, 4), nibble);
    const __m128i low = _mm_and_si128(t, nibble);
    // Nibble values to characters: "0" to "9", and 7 more from 10 on for "A" to "F".
    const auto characters = [](__m128i v) {
        const __m128i letters = _mm_and_si128(_mm_cmpgt_epi8(v, _mm_set1_epi8(9)), _mm_set1_epi8(7));
        return _mm_add_epi8(v, _mm_add_epi8(_mm_set1_epi8('0'), letters));
    };
    _mm_storeu_si128(reinterpret_cast<__m128i*>(digits), characters(_mm_unpacklo_epi8(high, low)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(digits + 2), characters(_mm_unpackhi_epi8(high, low)));
#else
    for (int i = 0; i < 4; ++i)
        digits[i] = HexDigits8(values[i]);
#endif
}

// The 8 decimal digit values (0 to 9, not yet characters) of a value below
// 100,000,000, zero-filled: split into halves of four digits, those into pairs,
// those into digits, each step a multiplication in place of a division.
constexpr std::uint64_t DecimalDigitValues8(std::uint32_t value)
{
    // Two lanes of 32 bits: the upper four digits first (lowest), then the lower four.
    std::uint64_t x = (value / 10000) | (std::uint64_t(value % 10000) << 32);
    // Each lane below 10,000: its hundreds into 16-bit lanes (x / 100 as x * 10486 >> 20).
    const std::uint64_t hundreds = ((x * 10486) >> 20) & 0x0000007F0000007Full;
    x = ((x - hundreds * 100) << 16) | hundreds;
    // Each 16-bit lane below 100: its tens into bytes (x / 10 as x * 103 >> 10).
    const std::uint64_t tens = ((x * 103) >> 10) & 0x000F000F000F000Full;
    return ((x - tens * 10) << 8) | tens;
}

constexpr std::uint64_t kDigitCharacters8 = 0x3030303030303030ull; // "00000000"

// The number of decimal digits of a value below 100,000,000 (1 for 0). Told
// from the value, not from its digits, so that where the next text begins
// need not wait for the digits to be worked out.
constexpr int DecimalDigitCount8(std::uint32_t value)
{
    // The digits of the highest power of two at most `value`, one fewer where
    // the value is below the power of ten that has them.
    constexpr std::uint32_t kPowers[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};
    // (value | 1: zero counts as one, and no other count changes, the powers of ten being even.)
    const std::uint32_t odd = value | 1;
    const int guess = (std::bit_width(odd) * 1233) >> 12; // log10 of 2 is 1233 / 4096, nearly
    return guess + 1 - int(odd < kPowers[guess]);
}

// Stores the first `n` (1 to 8) characters of a digit word at `out`, in at most
// two moves that may overlap.
inline void StoreDigits(char* out, std::uint64_t word, int n)
{
    if (n == 8) {
        std::memcpy(out, &word, 8);
    } else if (n >= 4) {
        const auto head = static_cast<std::uint32_t>(word);
        const auto tail = static_cast<std::uint32_t>(word >> (8 * (n - 4)));
        std::memcpy(out, &head, 4);
        std::memcpy(out + n - 4, &tail, 4);
    } else if (n >= 2) {
        const auto head = static_cast<std::uint16_t>(word);
        const auto tail = static_cast<std::uint16_t>(word >> (8 * (n - 2)));
        std::memcpy(out, &head, 2);
        std::memcpy(out + n - 2, &tail, 2);
    } else {
        out[0] = static_cast<char>(word);
    }
}

// Writes a value below 100,000,000 in decimal without leading zeros; returns the end.
inline char* WriteDecimal8(char* out, std::uint32_t value)
{
    const std::uint64_t digits = DecimalDigitValues8(value);
    const int n = DecimalDigitCount8(value);
    StoreDigits(out, (digits >> (8 * (8 - n))) + kDigitCharacters8, n);
    return out + n;
}
