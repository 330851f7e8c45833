#include "UWG26.h"
#include "UWG64.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

TEST(Wiegand26Frame, FramesTheTablePayloads)
{
    const std::pair<std::uint32_t, std::uint32_t> cases[] = {
        {0x000000, 0x0000001}, {0xFFFFFF, 0x1FFFFFF}, {0x800000, 0x3000001}, {0x000001, 0x0000002},
        {0x001000, 0x2002001}, {0x000FFF, 0x0001FFF}, {0x80CF15, 0x3019E2A},
    };
    for (auto [payload, code] : cases)
        EXPECT_EQ(Wiegand26Frame(payload), code) << std::hex << payload;
    EXPECT_EQ(Wiegand26Frame(0x1800000), Wiegand26Frame(0x800000));
    EXPECT_EQ(Wiegand26Frame(0xFF80CF15), 0x3019E2Au);
}

TEST(Wiegand26Frame, ParityHoldsAndPayloadSurvivesForManyPayloads)
{
    std::mt19937 random(26);
    for (int i = 0; i < 200000; ++i) {
        const std::uint32_t payload = random() & 0xFFFFFF;
        const std::uint32_t code = Wiegand26Frame(payload);
        ASSERT_LT(code, 0x4000000u);
        ASSERT_EQ((code >> 1) & 0xFFFFFF, payload);
        ASSERT_EQ(BitCount(code >> 13) % 2, 0) << "even parity over bits 25 to 13";
        ASSERT_EQ(BitCount(code & 0x1FFF) % 2, 1) << "odd parity over bits 12 to 0";
    }
    EXPECT_EQ(BitCount(0), 0);
    EXPECT_EQ(BitCount(0x1FFFFFF), 25);
    EXPECT_EQ(BitCount(0x80000001u), 2);
}

TEST(Wiegand64Pack, PacksTheTablePlates)
{
    EXPECT_EQ(Wiegand64Pack("0"), 0x6000000000000010ull);
    EXPECT_EQ(Wiegand64Pack("0"), 6917529027641081872ull);
    EXPECT_EQ(Wiegand64Pack("A"), 0x600000000000001Aull);
    EXPECT_EQ(Wiegand64Pack("HK55EVB"), 0x600002191555EBDBull);
    EXPECT_EQ(Wiegand64Pack("ZZZZZZZZZZ"), 0x6CF3CF3CF3CF3CF3ull);
    EXPECT_EQ(Wiegand64Pack("ABCDEFGHIJKLMNOP"), 0x669B71D79F8218A3ull);
    EXPECT_EQ(Wiegand64Pack("X[Y]_Z"), 0x6000000C7FCBFFF3ull);
    EXPECT_EQ(Wiegand64Pack("\xC3\x89T\xC3\x89" "1"), 0x6000000FFFB7FFD1ull);
    EXPECT_EQ(Wiegand64Pack("~~~~~~~~~~"), 0x6FFFFFFFFFFFFFFFull);
    EXPECT_EQ(Wiegand64Pack("~~~~~~~~~~"), 8070450532247928831ull);
}

TEST(Wiegand64Pack, APlateHeldPaddedPacksAsItsText)
{
    // Every length, bytes of every kind, whatever the padding holds.
    std::mt19937 random(64);
    const char bytes[] = "09AZaz_~\x80\xC3\x89 ";
    for (int round = 0; round < 20000; ++round) {
        const std::size_t size = 1 + random() % 16;
        char padded[16];
        for (char& c : padded)
            c = bytes[random() % (sizeof bytes - 1)];
        const std::string_view plate(padded, size);
        ASSERT_EQ(Wiegand64PackPadded(padded, size), Wiegand64Pack(plate)) << plate;
    }
}

TEST(Wiegand64Pack, GroupValuesCoverDigitsCapitalsAndEverythingElse)
{
    EXPECT_EQ(Wiegand64Group('0'), 16);
    EXPECT_EQ(Wiegand64Group('9'), 25);
    EXPECT_EQ(Wiegand64Group('A'), 26);
    EXPECT_EQ(Wiegand64Group('Z'), 51);
    for (int b : {0x00, 0x2F, 0x3A, 0x40, 0x5B, 0x61, 0x7F, 0x80, 0xFF})
        EXPECT_EQ(Wiegand64Group(static_cast<unsigned char>(b)), 63) << b;
}
