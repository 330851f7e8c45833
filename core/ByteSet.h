#pragma once
// A few bytes to look for in text, found eight bytes at a time: the scanning of
// cells for characters that need quoting and of delimited text for separators,
// quotes and line breaks, where texts are short and many.

#include "ShortBytes.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

class TByteSet {
public:
    static constexpr std::size_t kMaxMembers = 4;

    constexpr explicit TByteSet(std::string_view members)
    {
        for (char c : members.substr(0, kMaxMembers))
            words_[count_++] = kOnes * static_cast<unsigned char>(c);
    }

    // The position of the first byte of `text` in the set, or npos.
    std::size_t Find(std::string_view text) const
    {
        static_assert(std::endian::native == std::endian::little);
        const char* p = text.data();
        const std::size_t n = text.size();
        std::size_t i = 0;
        for (; i + 8 <= n; i += 8) {
            std::uint64_t word;
            std::memcpy(&word, p + i, 8);
            if (const std::uint64_t hits = Hits(word))
                return i + std::size_t(std::countr_zero(hits) >> 3);
        }
        if (i == n)
            return std::string_view::npos;
        // The last 1 to 7 bytes as one word: hits in the zero bytes above them do
        // not count (and, being above, cannot hide a hit below).
        const std::size_t left = n - i;
        const std::uint64_t hits = Hits(LoadShort(p + i, left)) & ((std::uint64_t(1) << (8 * left)) - 1);
        return hits != 0 ? i + std::size_t(std::countr_zero(hits) >> 3) : std::string_view::npos;
    }
    bool AnyIn(std::string_view text) const { return Find(text) != std::string_view::npos; }

private:
    // The top bit of each byte of `word` that is a member is set. A byte of
    // `word ^ member` is zero where the member stands; the lowest flag this
    // sets is exact, whatever it sets above it.
    std::uint64_t Hits(std::uint64_t word) const
    {
        std::uint64_t hits = 0;
        for (std::size_t k = 0; k < count_; ++k) {
            const std::uint64_t v = word ^ words_[k];
            hits |= (v - kOnes) & ~v & kHighs;
        }
        return hits;
    }

    static constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    static constexpr std::uint64_t kHighs = 0x8080808080808080ull;
    std::uint64_t words_[kMaxMembers] = {};
    std::size_t count_ = 0;
};
