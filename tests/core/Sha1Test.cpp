#include "USHA1.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <random>
#include <span>
#include <string>
#include <vector>

namespace {

// A streaming SHA-1 over any number of blocks, written independently of the
// single-block code under test: byte-wise padding and a 16-word rolling schedule.
TSha1Digest ReferenceSha1(const std::string& message)
{
    std::vector<std::uint8_t> data(message.begin(), message.end());
    const std::uint64_t bitLength = std::uint64_t(message.size()) * 8;
    data.push_back(0x80);
    while (data.size() % 64 != 56)
        data.push_back(0);
    for (int shift = 56; shift >= 0; shift -= 8)
        data.push_back(std::uint8_t(bitLength >> shift));

    std::uint32_t h[5] = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
    auto rotl = [](std::uint32_t x, int n) { return (x << n) | (x >> (32 - n)); };
    for (std::size_t block = 0; block < data.size(); block += 64) {
        std::uint32_t w[16];
        for (int i = 0; i < 16; ++i) {
            w[i] = 0;
            for (int j = 0; j < 4; ++j)
                w[i] = (w[i] << 8) | data[block + 4 * i + j];
        }
        std::uint32_t a = h[0], b = h[1], c = h[2], d = h[3], e = h[4];
        for (int t = 0; t < 80; ++t) {
            if (t >= 16)
                w[t & 15] = rotl(w[(t + 13) & 15] ^ w[(t + 8) & 15] ^ w[(t + 2) & 15] ^ w[t & 15], 1);
            std::uint32_t f, k;
            if (t < 20) {
                f = d ^ (b & (c ^ d));
                k = 0x5A827999;
            } else if (t < 40) {
                f = b ^ c ^ d;
                k = 0x6ED9EBA1;
            } else if (t < 60) {
                f = (b & c) ^ (b & d) ^ (c & d);
                k = 0x8F1BBCDC;
            } else {
                f = b ^ c ^ d;
                k = 0xCA62C1D6;
            }
            const std::uint32_t temp = rotl(a, 5) + f + e + k + w[t & 15];
            e = d, d = c, c = rotl(b, 30), b = a, a = temp;
        }
        h[0] += a, h[1] += b, h[2] += c, h[3] += d, h[4] += e;
    }
    return {h[0], h[1], h[2], h[3], h[4]};
}

} // namespace

TEST(Sha1SingleBlock, KnownDigests)
{
    EXPECT_EQ(Sha1SingleBlock("HK55EVB"), (TSha1Digest{0xA44F633C, 0x8A6D1581, 0x50CCEB3E, 0xF83D9DE0, 0xBA80CF15}));
    EXPECT_EQ(Sha1SingleBlock(""), (TSha1Digest{0xDA39A3EE, 0x5E6B4B0D, 0x3255BFEF, 0x95601890, 0xAFD80709}));
    EXPECT_EQ(Sha1SingleBlock(std::string(55, 'A')),
              (TSha1Digest{0x5021B3D4, 0x2AA093BF, 0xFC34EEDD, 0x7A1455F3, 0x624BC552}));
    EXPECT_EQ(Sha1SingleBlock("abc"), (TSha1Digest{0xA9993E36, 0x4706816A, 0xBA3E2571, 0x7850C26C, 0x9CD0D89D}));
    // The reference itself goes beyond one block, checked on the standard two-block vector.
    EXPECT_EQ(ReferenceSha1("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              (TSha1Digest{0x84983E44, 0x1C3BD26E, 0xBAAE4AA1, 0xF95129E5, 0xE54670F1}));
}

TEST(Sha1SingleBlock, EveryLengthMatchesAnIndependentSha1InBothImplementations)
{
    std::mt19937 random(20261208);
    for (std::size_t length = 0; length <= kSha1SingleBlockMax; ++length) {
        for (int sample = 0; sample < 20; ++sample) {
            std::string message(length, '\0');
            for (char& c : message)
                c = static_cast<char>(random() & 0xFF);
            const TSha1Digest expected = ReferenceSha1(message);
            ASSERT_EQ(Sha1SingleBlockPortable(message), expected) << "length " << length;
            ASSERT_EQ(Sha1SingleBlock(message), expected) << "length " << length;
            if (Sha1HasShaInstructions()) {
                ASSERT_EQ(Sha1SingleBlockShaNi(message), expected) << "length " << length;
            }
        }
    }
}

TEST(Sha1SingleBlock, RefusesMessagesLongerThanOneBlockHolds)
{
    EXPECT_THROW(Sha1SingleBlock(std::string(56, 'x')), std::length_error);
    EXPECT_THROW(Sha1SingleBlockPortable(std::string(1000, 'x')), std::length_error);
}

namespace {

// The first `count` messages through `blocks`, for each count and in either
// implementation: each gets the digest of its own bytes.
void ExpectEachItsOwnDigest(void (*blocks)(std::span<const std::string_view>, TSha1Digest*),
                            const std::vector<std::string_view>& views, std::initializer_list<std::size_t> counts)
{
    for (const bool portable : {false, true}) {
        Sha1UsePortable(portable);
        for (const std::size_t count : counts) {
            std::vector<TSha1Digest> digests(count);
            blocks(std::span(views).first(count), digests.data());
            for (std::size_t i = 0; i < count; ++i)
                ASSERT_EQ(digests[i], ReferenceSha1(std::string(views[i]))) << "message " << i << " of " << count;
        }
    }
    Sha1UsePortable(false);
}

} // namespace

TEST(Sha1SingleBlocks, ManyMessagesGiveEachItsOwnDigestInEitherImplementation)
{
    // Lengths across the short-message boundary of 16 bytes and up to the block's
    // limit, in an odd number so that one message goes through the rounds alone.
    std::mt19937 random(20261209);
    std::vector<std::string> messages;
    for (int i = 0; i < 301; ++i) {
        std::string message(random() % (kSha1SingleBlockMax + 1), '\0');
        for (char& c : message)
            c = static_cast<char>(random() & 0xFF);
        messages.push_back(message);
    }
    const std::vector<std::string_view> views(messages.begin(), messages.end());
    ExpectEachItsOwnDigest(Sha1SingleBlocks, views, {std::size_t(0), std::size_t(1), std::size_t(2), views.size()});
}

// Messages of 0 to 16 bytes, each at the start of 16 bytes or more of which
// the rest is anything: only the message's own bytes count.
TEST(Sha1SingleBlocks, PaddedMessagesGiveTheirOwnDigestsWhateverFollowsThem)
{
    std::mt19937 random(9);
    std::vector<std::string> texts;
    for (int i = 0; i < 200; ++i) {
        std::string text(16 + random() % 4, '\0');
        for (char& c : text)
            c = static_cast<char>(random() & 0xFF);
        texts.push_back(text);
    }
    std::vector<std::string_view> views;
    for (std::size_t i = 0; i < texts.size(); ++i)
        views.emplace_back(texts[i].data(), i % (kSha1PaddedMessageMax + 1));
    ExpectEachItsOwnDigest(Sha1PaddedBlocks, views, {std::size_t(1), std::size_t(2), std::size_t(4), views.size()});
}

TEST(Sha1SingleBlocks, RefusesAListWithAMessageTooLong)
{
    const std::string tooLong(kSha1SingleBlockMax + 1, 'x');
    const std::string_view messages[] = {"AB12", "x", tooLong};
    TSha1Digest digests[3] = {};
    EXPECT_THROW(Sha1SingleBlocks(messages, digests), std::length_error);
    const std::string seventeen(kSha1PaddedMessageMax + 1, 'x');
    const std::string_view padded[] = {"AB12", seventeen};
    EXPECT_THROW(Sha1PaddedBlocks(padded, digests), std::length_error);
}
