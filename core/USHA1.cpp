#include "USHA1.h"

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
    TBlock block;
    BuildBlock(message, block);

    // The message schedule is kept as a rolling window of its last 16 words.
    std::uint32_t w[16];
    for (int t = 0; t < 16; ++t)
        w[t] = ReadBigEndian(block + 4 * t);

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
CORVANA_SHA_TARGET inline void ShaNiGroup(TShaNiState& s)
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

template <std::size_t... G>
CORVANA_SHA_TARGET inline void ShaNiRounds(TShaNiState& s, std::index_sequence<G...>)
{
    (ShaNiGroup<static_cast<int>(G)>(s), ...);
}

} // namespace

CORVANA_SHA_TARGET TSha1Digest Sha1SingleBlockShaNi(std::string_view message)
{
    TBlock block;
    BuildBlock(message, block);

    const __m128i byteSwap = _mm_set_epi64x(0x0001020304050607LL, 0x08090A0B0C0D0E0FLL);
    TShaNiState s;
    const __m128i abcdStart = _mm_set_epi32(static_cast<int>(kInitialState[0]), static_cast<int>(kInitialState[1]),
                                            static_cast<int>(kInitialState[2]), static_cast<int>(kInitialState[3]));
    const __m128i eStart = _mm_set_epi32(static_cast<int>(kInitialState[4]), 0, 0, 0);
    s.abcd = abcdStart;
    s.e[0] = eStart;
    s.e[1] = _mm_setzero_si128();
    for (int i = 0; i < 4; ++i)
        s.msg[i] = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * i)), byteSwap);

    ShaNiRounds(s, std::make_index_sequence<20>{});

    // After group 19 the E of the next group waits in e[0]; fold in the start values.
    const __m128i e = _mm_sha1nexte_epu32(s.e[0], eStart);
    const __m128i abcd = _mm_add_epi32(s.abcd, abcdStart);
    return {static_cast<std::uint32_t>(_mm_extract_epi32(abcd, 3)), static_cast<std::uint32_t>(_mm_extract_epi32(abcd, 2)),
            static_cast<std::uint32_t>(_mm_extract_epi32(abcd, 1)), static_cast<std::uint32_t>(_mm_extract_epi32(abcd, 0)),
            static_cast<std::uint32_t>(_mm_extract_epi32(e, 3))};
}

namespace {
bool g_useShaNi = Sha1HasShaInstructions();
}

void Sha1UsePortable(bool on) { g_useShaNi = !on && Sha1HasShaInstructions(); }

TSha1Digest Sha1SingleBlock(std::string_view message)
{
    return g_useShaNi ? Sha1SingleBlockShaNi(message) : Sha1SingleBlockPortable(message);
}

#else

bool Sha1HasShaInstructions() { return false; }

void Sha1UsePortable(bool) {}

TSha1Digest Sha1SingleBlockShaNi(std::string_view message) { return Sha1SingleBlockPortable(message); }

TSha1Digest Sha1SingleBlock(std::string_view message) { return Sha1SingleBlockPortable(message); }

#endif
