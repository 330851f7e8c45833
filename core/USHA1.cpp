#include "USHA1.h"

#include "ShortBytes.h"

#include <cstring>
#include <stdexcept>
#include <utility>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <immintrin.h>
#define CORVANA_HAVE_SHA_NI 1
#endif

namespace {

constexpr TSha1Digest kInitialState = {0x67452301u, 0xEFCDAB89u, 0x98BADCFEu, 0x10325476u, 0xC3D2E1F0u};

using TBlock = unsigned char[64];

// The message, the 0x80 marker, zero fill and the bit length in bytes 56 to 63.
void BuildBlock(std::string_view message, TBlock block)
{
    if (message.size() > kSha1SingleBlockMax)
        throw std::length_error("SHA-1 single block takes at most 55 bytes");
    std::memset(block, 0, 64);
    if (!message.empty())
        std::memcpy(block, message.data(), message.size());
    block[message.size()] = 0x80;
    const std::uint64_t bits = static_cast<std::uint64_t>(message.size()) * 8;
    for (int i = 0; i < 8; ++i)
        block[63 - i] = static_cast<unsigned char>(bits >> (8 * i));
}

constexpr std::uint32_t Rotl(std::uint32_t x, int n) { return (x << n) | (x >> (32 - n)); }

std::uint32_t ReadBigEndian(const unsigned char* p)
{
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}

// Plates have at most 16 bytes: their block is built in registers rather than
// in memory, where small stores read back as wider loads would stall.
constexpr std::size_t kShortMessageMax = 16;

// The block words W0 to W3 of a message of at most 16 bytes, with its 0x80
// marker when it has fewer than 16 bytes: W0 and W1 in `first` (W0 on top), W2
// and W3 in `second`. Reads no byte beyond the message.
void LoadShortMessage(std::string_view message, std::uint64_t& first, std::uint64_t& second)
{
    const std::size_t n = message.size();
    std::uint64_t low, high; // bytes 0 to 7 and 8 to 15, the first byte lowest
    LoadShort16(message.data(), n, low, high);
    if (n < 8)
        low |= std::uint64_t(0x80) << (8 * n);
    else if (n < 16)
        high |= std::uint64_t(0x80) << (8 * (n - 8));
    first = __builtin_bswap64(low);
    second = __builtin_bswap64(high);
}

// The sixteen block words of a message: built in registers for a short one.
void LoadBlockWords(std::string_view message, std::uint32_t* w)
{
    if (message.size() <= kShortMessageMax) {
        std::uint64_t first, second;
        LoadShortMessage(message, first, second);
        w[0] = std::uint32_t(first >> 32);
        w[1] = std::uint32_t(first);
        w[2] = std::uint32_t(second >> 32);
        w[3] = std::uint32_t(second);
        w[4] = message.size() == kShortMessageMax ? 0x80000000u : 0;
        for (int t = 5; t < 15; ++t)
            w[t] = 0;
        w[15] = std::uint32_t(message.size() * 8);
        return;
    }
    TBlock block;
    BuildBlock(message, block);
    for (int t = 0; t < 16; ++t)
        w[t] = ReadBigEndian(block + 4 * t);
}

} // namespace

namespace {

// One round: the working variables are renamed from round to round instead of
// moved, so five consecutive rounds take them in rotated order.
template <int T>
inline void PortableRound(std::uint32_t a, std::uint32_t& b, std::uint32_t c, std::uint32_t d, std::uint32_t& e,
                          std::uint32_t* w)
{
    std::uint32_t wt;
    if constexpr (T < 16) {
        wt = w[T];
    } else {
        wt = Rotl(w[(T + 13) & 15] ^ w[(T + 8) & 15] ^ w[(T + 2) & 15] ^ w[T & 15], 1);
        w[T & 15] = wt;
    }
    std::uint32_t f, k;
    if constexpr (T < 20) {
        f = d ^ (b & (c ^ d));
        k = 0x5A827999u;
    } else if constexpr (T < 40) {
        f = b ^ c ^ d;
        k = 0x6ED9EBA1u;
    } else if constexpr (T < 60) {
        f = (b & c) | (d & (b | c));
        k = 0x8F1BBCDCu;
    } else {
        f = b ^ c ^ d;
        k = 0xCA62C1D6u;
    }
    e += Rotl(a, 5) + f + k + wt;
    b = Rotl(b, 30);
}

template <int T>
inline void PortableFiveRounds(std::uint32_t& a, std::uint32_t& b, std::uint32_t& c, std::uint32_t& d,
                               std::uint32_t& e, std::uint32_t* w)
{
    PortableRound<T>(a, b, c, d, e, w);
    PortableRound<T + 1>(e, a, b, c, d, w);
    PortableRound<T + 2>(d, e, a, b, c, w);
    PortableRound<T + 3>(c, d, e, a, b, w);
    PortableRound<T + 4>(b, c, d, e, a, w);
}

template <std::size_t... G>
inline void PortableRounds(std::uint32_t& a, std::uint32_t& b, std::uint32_t& c, std::uint32_t& d,
                           std::uint32_t& e, std::uint32_t* w, std::index_sequence<G...>)
{
    (PortableFiveRounds<static_cast<int>(G) * 5>(a, b, c, d, e, w), ...);
}

} // namespace

TSha1Digest Sha1SingleBlockPortable(std::string_view message)
{
    // The message schedule is kept as a rolling window of its last 16 words.
    std::uint32_t w[16];
    LoadBlockWords(message, w);

    std::uint32_t a = kInitialState[0], b = kInitialState[1], c = kInitialState[2], d = kInitialState[3],
                  e = kInitialState[4];
    PortableRounds(a, b, c, d, e, w, std::make_index_sequence<16>{});

    return {kInitialState[0] + a, kInitialState[1] + b, kInitialState[2] + c, kInitialState[3] + d,
            kInitialState[4] + e};
}

#ifdef CORVANA_HAVE_SHA_NI

bool Sha1HasShaInstructions()
{
    static const bool has = [] {
        unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
        if (!__get_cpuid(1, &eax, &ebx, &ecx, &edx))
            return false;
        const bool ssse3 = ecx & bit_SSSE3, sse41 = ecx & bit_SSE4_1;
        if (!__get_cpuid_count(7, 0, &eax, &ebx, &ecx, &edx))
            return false;
        return ssse3 && sse41 && (ebx & bit_SHA);
    }();
    return has;
}

namespace {

#define CORVANA_SHA_TARGET __attribute__((target("sha,sse4.1,ssse3")))

// The four message vectors hold W[4g..4g+3] with the first word in the top lane.
struct TShaNiState {
    __m128i abcd;
    __m128i e[2];
    __m128i msg[4];
};

// Four rounds (group G of 20) plus the message schedule work that group G
// contributes to the groups after it.
template <int G>
[[gnu::always_inline]] CORVANA_SHA_TARGET inline void ShaNiGroup(TShaNiState& s)
{
    constexpr int cur = G % 2, next = 1 - cur;
    __m128i& m = s.msg[G % 4];
    if constexpr (G == 0)
        s.e[cur] = _mm_add_epi32(s.e[cur], m);
    else
        s.e[cur] = _mm_sha1nexte_epu32(s.e[cur], m);
    s.e[next] = s.abcd;
    if constexpr (G >= 3 && G <= 18)
        s.msg[(G + 1) % 4] = _mm_sha1msg2_epu32(s.msg[(G + 1) % 4], m);
    s.abcd = _mm_sha1rnds4_epu32(s.abcd, s.e[cur], G / 5);
    if constexpr (G >= 1 && G <= 16)
        s.msg[(G + 3) % 4] = _mm_sha1msg1_epu32(s.msg[(G + 3) % 4], m);
    if constexpr (G >= 2 && G <= 17)
        s.msg[(G + 2) % 4] = _mm_xor_si128(s.msg[(G + 2) % 4], m);
}

// W0 to W3 of a message of at most 16 bytes with 16 bytes to read from its
// start, with its 0x80 marker when it has fewer: loaded whole and masked to its
// length, without a branch on it. The words big-endian, W0 in the top lane.
[[gnu::always_inline]] CORVANA_SHA_TARGET inline __m128i LoadPaddedMessage(std::string_view message)
{
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(message.data()));
    const __m128i lane = _mm_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    const __m128i size = _mm_set1_epi8(static_cast<char>(message.size()));
    const __m128i block = _mm_or_si128(_mm_and_si128(bytes, _mm_cmpgt_epi8(size, lane)),
                                       _mm_and_si128(_mm_cmpeq_epi8(lane, size), _mm_set1_epi8(char(0x80))));
    return _mm_shuffle_epi8(block, _mm_setr_epi8(15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0));
}

// The state before the block, and the four message vectors of the block;
// `Padded`: the message is as LoadPaddedMessage takes it.
template <bool Padded = false>
[[gnu::always_inline]] CORVANA_SHA_TARGET inline void ShaNiStart(TShaNiState& s, std::string_view message)
{
    s.abcd = _mm_set_epi32(static_cast<int>(kInitialState[0]), static_cast<int>(kInitialState[1]),
                           static_cast<int>(kInitialState[2]), static_cast<int>(kInitialState[3]));
    s.e[0] = _mm_set_epi32(static_cast<int>(kInitialState[4]), 0, 0, 0);
    s.e[1] = _mm_setzero_si128();
    if (Padded || message.size() <= kShortMessageMax) {
        if constexpr (Padded) {
            s.msg[0] = LoadPaddedMessage(message);
        } else {
            std::uint64_t first, second;
            LoadShortMessage(message, first, second);
            s.msg[0] = _mm_set_epi64x(static_cast<long long>(first), static_cast<long long>(second));
        }
        s.msg[1] = message.size() == kShortMessageMax ? _mm_set_epi32(static_cast<int>(0x80000000u), 0, 0, 0)
                                                      : _mm_setzero_si128();
        s.msg[2] = _mm_setzero_si128();
        s.msg[3] = _mm_set_epi32(0, 0, 0, static_cast<int>(message.size() * 8));
        return;
    }
    TBlock block;
    BuildBlock(message, block);
    const __m128i byteSwap = _mm_set_epi64x(0x0001020304050607LL, 0x08090A0B0C0D0E0FLL);
    for (int i = 0; i < 4; ++i)
        s.msg[i] = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * i)), byteSwap);
}

// The digest: the state after the rounds plus the state before them.
[[gnu::always_inline]] CORVANA_SHA_TARGET inline TSha1Digest ShaNiFinish(const TShaNiState& s)
{
    // After group 19 the E of the next group waits in e[0]; fold in the start values.
    const __m128i e = _mm_sha1nexte_epu32(s.e[0], _mm_set_epi32(static_cast<int>(kInitialState[4]), 0, 0, 0));
    const __m128i abcd =
        _mm_add_epi32(s.abcd, _mm_set_epi32(static_cast<int>(kInitialState[0]), static_cast<int>(kInitialState[1]),
                                            static_cast<int>(kInitialState[2]), static_cast<int>(kInitialState[3])));
    return {static_cast<std::uint32_t>(_mm_extract_epi32(abcd, 3)), static_cast<std::uint32_t>(_mm_extract_epi32(abcd, 2)),
            static_cast<std::uint32_t>(_mm_extract_epi32(abcd, 1)), static_cast<std::uint32_t>(_mm_extract_epi32(abcd, 0)),
            static_cast<std::uint32_t>(_mm_extract_epi32(e, 3))};
}

// Group G of N blocks, one block after the other.
template <int G, std::size_t N, std::size_t... I>
[[gnu::always_inline]] CORVANA_SHA_TARGET inline void ShaNiGroupOfEach(TShaNiState (&s)[N], std::index_sequence<I...>)
{
    (ShaNiGroup<G>(s[I]), ...);
}

template <std::size_t N, std::size_t... G>
[[gnu::always_inline]] CORVANA_SHA_TARGET inline void ShaNiRoundsSideBySide(TShaNiState (&s)[N],
                                                                          std::index_sequence<G...>)
{
    (ShaNiGroupOfEach<static_cast<int>(G)>(s, std::make_index_sequence<N>{}), ...);
}

// N blocks (1 to 3) side by side, group by group: each group of one block
// waits for the latency of its SHA instructions while the others' groups run.
// Three fill the wait; more would not fit the sixteen vector registers.
template <std::size_t N, bool Padded>
CORVANA_SHA_TARGET void ShaNiSideBySide(const std::string_view* messages, TSha1Digest* digests)
{
    TShaNiState s[N];
    for (std::size_t i = 0; i < N; ++i)
        ShaNiStart<Padded>(s[i], messages[i]);
    ShaNiRoundsSideBySide(s, std::make_index_sequence<20>{});
    for (std::size_t i = 0; i < N; ++i)
        digests[i] = ShaNiFinish(s[i]);
}

} // namespace

CORVANA_SHA_TARGET TSha1Digest Sha1SingleBlockShaNi(std::string_view message)
{
    TSha1Digest digest;
    ShaNiSideBySide<1, false>(&message, &digest);
    return digest;
}

namespace {
bool g_useShaNi = Sha1HasShaInstructions();
}

void Sha1UsePortable(bool on) { g_useShaNi = !on && Sha1HasShaInstructions(); }

TSha1Digest Sha1SingleBlock(std::string_view message)
{
    return g_useShaNi ? Sha1SingleBlockShaNi(message) : Sha1SingleBlockPortable(message);
}

void Sha1SingleBlocks(std::span<const std::string_view> messages, TSha1Digest* digests)
{
    if (!g_useShaNi) {
        for (std::size_t i = 0; i < messages.size(); ++i)
            digests[i] = Sha1SingleBlockPortable(messages[i]);
        return;
    }
    Sha1SingleBlocksShaNi(messages, digests);
}

namespace {

// Three blocks side by side, then a pair, then one; `Padded`: every message is
// as LoadPaddedMessage takes it.
template <bool Padded>
void ShaNiBlocks(std::span<const std::string_view> messages, TSha1Digest* digests)
{
    std::size_t i = 0;
    for (; i + 3 <= messages.size(); i += 3)
        ShaNiSideBySide<3, Padded>(messages.data() + i, digests + i);
    if (messages.size() - i == 2)
        ShaNiSideBySide<2, Padded>(messages.data() + i, digests + i);
    else if (messages.size() - i == 1)
        ShaNiSideBySide<1, Padded>(messages.data() + i, digests + i);
}

} // namespace

void Sha1SingleBlocksShaNi(std::span<const std::string_view> messages, TSha1Digest* digests)
{
    for (const std::string_view message : messages) {
        if (message.size() > kSha1SingleBlockMax)
            throw std::length_error("SHA-1 single block takes at most 55 bytes");
    }
    ShaNiBlocks<false>(messages, digests);
}

#else

bool Sha1HasShaInstructions() { return false; }

void Sha1UsePortable(bool) {}

TSha1Digest Sha1SingleBlockShaNi(std::string_view message) { return Sha1SingleBlockPortable(message); }

TSha1Digest Sha1SingleBlock(std::string_view message) { return Sha1SingleBlockPortable(message); }

void Sha1SingleBlocks(std::span<const std::string_view> messages, TSha1Digest* digests)
{
    for (std::size_t i = 0; i < messages.size(); ++i)
        digests[i] = Sha1SingleBlockPortable(messages[i]);
}

void Sha1SingleBlocksShaNi(std::span<const std::string_view> messages, TSha1Digest* digests)
{
    Sha1SingleBlocks(messages, digests);
}

#endif

void Sha1PaddedBlocks(std::span<const std::string_view> messages, TSha1Digest* digests)
{
    for (const std::string_view message : messages) {
        if (message.size() > kSha1PaddedMessageMax)
            throw std::length_error("a padded SHA-1 message has at most 16 bytes");
    }
#ifdef CORVANA_HAVE_SHA_NI
    if (g_useShaNi) {
        ShaNiBlocks<true>(messages, digests);
        return;
    }
#endif
    Sha1SingleBlocks(messages, digests);
}
