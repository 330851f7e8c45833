#pragma once
// A few bytes to look for in text, found sixteen (or eight) bytes at a time: the scanning of
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
#if defined(__SSE2__)
        if (count_ == 0)
            return std::string_view::npos;
        return n <= 16 ? FindShort(p, n) : FindLong(p, n);
#else
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
#endif
    }
    [[gnu::always_inline]] bool AnyIn(std::string_view text) const { return Find(text) != std::string_view::npos; }

    // A bit for each of the `n` (at most 16) bytes from `p` that is a member,
    // bit i for p[i]; no byte beyond them is read.
    unsigned Members16(const char* p, std::size_t n) const
    {
        std::uint64_t low, high;
        LoadShort16(p, n, low, high); // zeros after the bytes, which are no member
#if defined(__SSE2__)
        const unsigned hits = count_ == 0 ? 0u : Hits(_mm_set_epi64x(static_cast<long long>(high), static_cast<long long>(low)));
        return hits & ((1u << n) - 1);
#else
        unsigned bits = 0;
        for (std::size_t i = 0; i < n; ++i)
            for (std::size_t k = 0; k < count_; ++k)
                if (static_cast<unsigned char>(p[i]) == (words_[k] & 0xFF))
                    bits |= 1u << i;
        return bits;
#endif
    }

    // A bit for each of the 64 bytes from `p` that is a member, bit i for p[i].
    std::uint64_t Members64(const char* p) const
    {
        std::uint64_t bits = 0;
        if (count_ == 0)
            return bits;
#if defined(__SSE2__)
        for (int block = 3; block >= 0; --block)
            bits = bits << 16 | Hits(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * block)));
#else
        for (int i = 63; i >= 0; --i) {
            bool member = false;
            for (std::size_t k = 0; k < count_; ++k)
                member |= static_cast<unsigned char>(p[i]) == (words_[k] & 0xFF);
            bits = bits << 1 | std::uint64_t(member);
        }
#endif
        return bits;
    }

private:
#if defined(__SSE2__)
    // Sixteen bytes at a time with SSE2 (on x86-64, where it is always there).
    // A bit of the mask for each byte of `block` that is a member; every place
    // is compared, the places beyond the members repeating the first.
    unsigned Hits(__m128i block) const
    {
        static_assert(kMaxMembers == 4);
        const __m128i a = _mm_cmpeq_epi8(block, Member(0)), b = _mm_cmpeq_epi8(block, Member(1));
        const __m128i c = _mm_cmpeq_epi8(block, Member(2)), d = _mm_cmpeq_epi8(block, Member(3));
        return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(a, b), _mm_or_si128(c, d))));
    }
    __m128i Member(std::size_t k) const { return _mm_set1_epi64x(static_cast<long long>(words_[k])); }

    // 0 to 16 bytes in one block, read without a byte beyond them: 8 to 16 as
    // their first and their last eight (which may overlap), fewer as one word
    // with zeros above them, whose hits do not count.
    std::size_t FindShort(const char* p, std::size_t n) const
    {
        if (n >= 8) {
            std::uint64_t head, tail;
            std::memcpy(&head, p, 8);
            std::memcpy(&tail, p + n - 8, 8);
            const unsigned hits = Hits(_mm_set_epi64x(static_cast<long long>(tail), static_cast<long long>(head)));
            if (hits == 0)
                return std::string_view::npos;
            // A hit in the last eight that the first eight share is found there first.
            const std::size_t at = std::size_t(std::countr_zero(hits));
            return at < 8 ? at : n - 16 + at;
        }
        const unsigned hits = Hits(_mm_cvtsi64_si128(static_cast<long long>(LoadShort(p, n)))) & ((1u << n) - 1);
        return hits != 0 ? std::size_t(std::countr_zero(hits)) : std::string_view::npos;
    }

    // More than 16 bytes: whole blocks, then the last sixteen bytes (which
    // overlap what was searched, where no member stands).
    std::size_t FindLong(const char* p, std::size_t n) const
    {
        std::size_t i = 0;
        for (; i + 16 <= n; i += 16)
            if (const unsigned hits = Hits(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i))))
                return i + std::size_t(std::countr_zero(hits));
        if (i == n)
            return std::string_view::npos;
        const unsigned hits = Hits(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + n - 16)));
        return hits != 0 ? n - 16 + std::size_t(std::countr_zero(hits)) : std::string_view::npos;
    }
#else
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
#endif

    static constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    static constexpr std::uint64_t kHighs = 0x8080808080808080ull;
    std::uint64_t words_[kMaxMembers] = {};
    std::size_t count_ = 0;
};

// Finds the members of a byte set in one text, position after position, by
// the bits of 64 bytes at a time: where the texts between them are short, as
// the fields of delimited text are, each costs a count of bits, not a search.
class TByteSetScan {
public:
    explicit TByteSetScan(const TByteSet& set) : set_(set) {}

    // Starts over on a new text.
    void Reset(const char* begin, const char* end)
    {
        base_ = blockEnd_ = begin;
        end_ = end;
        bits_ = 0;
    }

    // The first member at or after `p` (within the text), or the text's end.
    [[gnu::always_inline]] const char* Next(const char* p)
    {
        for (;;) {
            if (p >= base_ && p < blockEnd_) {
                if (const std::uint64_t ahead = bits_ >> (p - base_))
                    return p + std::countr_zero(ahead);
                p = blockEnd_;
            }
            if (p >= end_)
                return end_;
            Load(p);
        }
    }

private:
    // The bits of the 64 bytes from `p`, or of the bytes left when fewer.
    void Load(const char* p)
    {
        base_ = p;
        const std::size_t left = std::size_t(end_ - p);
        if (left >= 64) {
            blockEnd_ = p + 64;
            bits_ = set_.Members64(p);
            return;
        }
        // The last bytes, copied beside zeros whose bits do not count.
        char tail[64] = {};
        std::memcpy(tail, p, left);
        blockEnd_ = end_;
        bits_ = set_.Members64(tail) & ((std::uint64_t(1) << left) - 1);
    }

    TByteSet set_;
    const char* end_ = nullptr;
    const char* base_ = nullptr;     // where the bits start
    const char* blockEnd_ = nullptr; // and end
    std::uint64_t bits_ = 0;
};

