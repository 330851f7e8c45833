#include "NumberText.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <random>
#include <string>

TEST(NumberText, DecimalAndUpperCaseHexAcrossDigitBoundaries)
{
    auto dec = [](std::uint64_t v) { char b[20]; return std::string(b, WriteDecimal(b, v)); };
    auto hex = [](std::uint64_t v, int digits) { char b[64]; return std::string(b, WriteHex(b, v, digits)); };
    EXPECT_EQ(dec(0), "0");
    EXPECT_EQ(dec(9), "9");
    EXPECT_EQ(dec(10), "10");
    EXPECT_EQ(dec(100), "100");
    EXPECT_EQ(dec(99999999), "99999999");
    EXPECT_EQ(dec(100000000), "100000000");
    EXPECT_EQ(dec(100000007), "100000007");
    EXPECT_EQ(dec(18446744073709551615ull), "18446744073709551615");
    EXPECT_EQ(hex(0, 7), "0000000");
    EXPECT_EQ(hex(0x704FF8, 7), "0704FF8");
    EXPECT_EQ(hex(0xA44F633C, 8), "A44F633C");
    EXPECT_EQ(hex(0xABC, 0), "ABC");
    EXPECT_EQ(hex(0xFFFFFFFFFFFFFFFFull, 16), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(hex(0x6000000000000010ull, 16), "6000000000000010");

    // On either side of every power of ten, where the number of digits changes.
    for (std::uint64_t power = 10; power <= 1000000000ull; power *= 10) {
        for (const std::uint64_t v : {power - 2, power - 1, power, power + 1}) {
            ASSERT_EQ(dec(v), std::to_string(v));
            if (v < 100000000) {
                ASSERT_EQ(DecimalDigitCount8(static_cast<std::uint32_t>(v)), int(std::to_string(v).size())) << v;
            }
        }
    }
    EXPECT_EQ(DecimalDigitCount8(0), 1);

    // Against the C library's conversions, upper-cased, for random values.
    std::mt19937_64 random(5);
    for (int i = 0; i < 100000; ++i) {
        const std::uint64_t v = random() >> (random() % 64);
        char expected[40];
        std::snprintf(expected, sizeof expected, "%" PRIu64, v);
        ASSERT_EQ(dec(v), expected);
        const int digits = 1 + static_cast<int>(random() % 17);
        std::snprintf(expected, sizeof expected, "%.*" PRIX64, digits, v);
        ASSERT_EQ(hex(v, digits), expected);
    }
}
