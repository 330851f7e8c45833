#pragma once
// A few bytes to look for in text, found eight bytes at a time: the scanning of
// cells for characters that need quoting and of delimited text for separators,
// quotes and line breaks, where texts are short and many.

#include "ShortBytes.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

class TByteSet {
public:
    static constexpr std::size_t kMaxMembers = 4;

    constexpr explicit TByteSet(std::string_view members)
    {
        for (char c : members.substr(0, kMaxMembers))
            words_[count_++] = kOnes * static_cast<unsigned char>(c);
        // The blocks are searched for every place, whatever the number of
        // members, without a loop over them: the places left repeat the first.
        for (std::size_t k = count_; k < kMaxMembers; ++k)
            words_[k] = words_[0];
    }

    // The position of the first byte of `text` in the set, or npos.
    [[gnu::always_inline]] std::size_t Find(std::string_view text) const
    {
        static_assert(std::endian::native == std::endian::little);
        const char* p = text.data();
        const std::size_t n = text.size();
        std::size_t i = 0;
#if defined(__SSE2__)
        if (n >= 16 && count_ > 0)
            if (const std::size_t at = FindInBlocks(p, n, i); at != std::string_view::npos)
                return at;
#endif
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
    [[gnu::always_inline]] bool AnyIn(std::string_view text) const { return Find(text) != std::string_view::npos; }

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

#if defined(__SSE2__)
    // The first member in the whole blocks of sixteen bytes of the `n` at `p`
    // (SSE2 on x86-64, where it is always there); `searched` is set to the
    // bytes looked at when there is none.
    std::size_t FindInBlocks(const char* p, std::size_t n, std::size_t& searched) const
    {
        static_assert(kMaxMembers == 4);
        const __m128i a = Member(0), b = Member(1), c = Member(2), d = Member(3);
        std::size_t i = 0;
        for (; i + 16 <= n; i += 16) {
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
            const __m128i hits = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(block, a), _mm_cmpeq_epi8(block, b)),
                                              _mm_or_si128(_mm_cmpeq_epi8(block, c), _mm_cmpeq_epi8(block, d)));
            if (const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(hits)))
                return i + std::size_t(std::countr_zero(mask));
        }
        searched = i;
        return std::string_view::npos;
    }
    __m128i Member(std::size_t k) const { return _mm_set1_epi64x(static_cast<long long>(words_[k])); }
#endif

    static constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    static constexpr std::uint64_t kHighs = 0x8080808080808080ull;
    std::uint64_t words_[kMaxMembers] = {};
    std::size_t count_ = 0;
};
