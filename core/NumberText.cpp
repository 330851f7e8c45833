#include "NumberText.h"

char* WriteHex(char* out, std::uint64_t value, int digits)
{
    int n = value == 0 ? 1 : (64 - std::countl_zero(value) + 3) / 4;
    if (n < digits) {
        // Zero fill beyond the 16 digits a 64-bit value can have.
        for (; digits > 16 && digits > n; --digits)
            *out++ = '0';
        n = digits;
    }
    const std::uint64_t high = HexDigits8(static_cast<std::uint32_t>(value >> 32));
    const std::uint64_t low = HexDigits8(static_cast<std::uint32_t>(value));
    if (n > 8) {
        StoreDigits(out, high >> (8 * (16 - n)), n - 8);
        std::memcpy(out + n - 8, &low, 8);
    } else {
        StoreDigits(out, low >> (8 * (8 - n)), n);
    }
    return out + n;
}

char* WriteDecimal(char* out, std::uint64_t value)
{
    // Eight digits at a time: the leading part without zeros, the rest zero-filled.
    constexpr std::uint64_t kEight = 100000000u;
    if (value < kEight)
        return WriteDecimal8(out, static_cast<std::uint32_t>(value));
    const auto low = DecimalDigitValues8(static_cast<std::uint32_t>(value % kEight)) + kDigitCharacters8;
    value /= kEight;
    if (value < kEight) {
        out = WriteDecimal8(out, static_cast<std::uint32_t>(value));
    } else {
        out = WriteDecimal8(out, static_cast<std::uint32_t>(value / kEight));
        const auto middle = DecimalDigitValues8(static_cast<std::uint32_t>(value % kEight)) + kDigitCharacters8;
        std::memcpy(out, &middle, 8);
        out += 8;
    }
    std::memcpy(out, &low, 8);
    return out + 8;
}
