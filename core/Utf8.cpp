#include "Utf8.h"

#include <cstdint>
#include <cstring>

namespace {

struct TLeadInfo {
    std::size_t trail; // continuation bytes that follow
    unsigned char low, high; // allowed range of the first continuation byte
};

// Trail count and first-continuation range of a lead byte; trail 0 for bytes
// that cannot start a multi-byte sequence.
TLeadInfo LeadInfo(unsigned char lead)
{
    if (lead >= 0xC2 && lead <= 0xDF) return {1, 0x80, 0xBF};
    if (lead == 0xE0) return {2, 0xA0, 0xBF};
    if (lead == 0xED) return {2, 0x80, 0x9F};
    if (lead >= 0xE1 && lead <= 0xEF) return {2, 0x80, 0xBF};
    if (lead == 0xF0) return {3, 0x90, 0xBF};
    if (lead >= 0xF1 && lead <= 0xF3) return {3, 0x80, 0xBF};
    if (lead == 0xF4) return {3, 0x80, 0x8F};
    return {0, 0, 0};
}

} // namespace

std::size_t DecodeUtf8(const unsigned char* p, std::size_t n, char32_t& cp, bool final)
{
    const unsigned char lead = p[0];
    if (lead < 0x80) {
        cp = lead;
        return 1;
    }
    const TLeadInfo info = LeadInfo(lead);
    if (info.trail == 0) {
        cp = kReplacementCharacter;
        return 1;
    }
    char32_t value = lead & (0x3F >> info.trail);
    for (std::size_t k = 1; k <= info.trail; ++k) {
        if (k >= n) {
            if (!final)
                return 0;
            cp = kReplacementCharacter;
            return k;
        }
        const unsigned char b = p[k];
        const unsigned char low = k == 1 ? info.low : 0x80, high = k == 1 ? info.high : 0xBF;
        if (b < low || b > high) {
            cp = kReplacementCharacter;
            return k;
        }
        value = (value << 6) | (b & 0x3F);
    }
    cp = value;
    return info.trail + 1;
}

char* WriteUtf8(char* out, char32_t cp)
{
    if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
        cp = kReplacementCharacter;
    if (cp < 0x80) {
        *out++ = static_cast<char>(cp);
    } else if (cp < 0x800) {
        *out++ = static_cast<char>(0xC0 | (cp >> 6));
        *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        *out++ = static_cast<char>(0xE0 | (cp >> 12));
        *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | (cp >> 18));
        *out++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

void AppendUtf8(std::string& out, char32_t cp)
{
    char buffer[4];
    out.append(buffer, WriteUtf8(buffer, cp));
}

bool IsUtf8Character(const unsigned char* p, std::size_t used, char32_t cp)
{
    return cp != kReplacementCharacter || (used == 3 && p[0] == 0xEF && p[1] == 0xBF && p[2] == 0xBD);
}

std::size_t FirstNonAscii(std::string_view bytes)
{
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    // Runs of ASCII are the common case; skip them eight bytes at a time.
    for (; i + 8 <= n; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + i, 8);
        if (word & 0x8080808080808080ull)
            break;
    }
    while (i < n && static_cast<unsigned char>(bytes[i]) < 0x80)
        ++i;
    return i;
}

bool IsValidUtf8(std::string_view text)
{
    TUtf8Validator validator;
    validator.Feed(text);
    return validator.Finish();
}
