// Short texts moved and searched a word at a time: every length and position.
#include "ByteSet.h"
#include "ShortBytes.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

TEST(ShortBytes, LoadsAndCopiesEveryLengthWithoutReachingBeyond)
{
    // Each text ends where its heap block ends, which the sanitizer build watches.
    for (std::size_t n = 0; n <= 16; ++n) {
        const std::unique_ptr<char[]> text(new char[n]);
        for (std::size_t i = 0; i < n; ++i)
            text[i] = static_cast<char>(0xA0 + i);
        if (n <= 8) {
            std::uint64_t expected = 0;
            for (std::size_t i = 0; i < n; ++i)
                expected |= std::uint64_t(std::uint8_t(text[i])) << (8 * i);
            EXPECT_EQ(LoadShort(text.get(), n), expected) << n;
        }
        const std::unique_ptr<char[]> copy(new char[n]);
        CopyShort(copy.get(), text.get(), n);
        EXPECT_EQ(std::string(copy.get(), n), std::string(text.get(), n)) << n;
    }
}

TEST(ByteSet, FindsTheFirstMemberAtEveryPositionOfEveryLength)
{
    const TByteSet set(std::string_view(";,\t\0", 4));
    // Up to beyond two blocks of sixteen, so that every way a text splits into
    // blocks and a last part is searched.
    for (std::size_t n = 0; n <= 40; ++n) {
        for (std::size_t at = 0; at <= n; ++at) {
            for (const char member : {';', ',', '\t', '\0'}) {
                std::string text(n, 'a');
                if (at < n)
                    text[at] = member;
                // A second member after the first never counts.
                if (at + 1 < n)
                    text[at + 1] = ';';
                const std::unique_ptr<char[]> block(new char[n]);
                text.copy(block.get(), n);
                const std::size_t expected = at < n ? at : std::string_view::npos;
                ASSERT_EQ(set.Find(std::string_view(block.get(), n)), expected) << n << " " << at;
            }
        }
    }
}

TEST(ByteSet, ASetOfFewerMembersFindsOnlyThem)
{
    const TByteSet set("\n");
    EXPECT_EQ(set.Find("abc"), std::string_view::npos);
    EXPECT_EQ(set.Find(std::string_view("ab\0c", 4)), std::string_view::npos);
    EXPECT_EQ(set.Find("0123456789abcdefghij\nx"), 20u);
    EXPECT_EQ(TByteSet("").Find(std::string_view("\0\0\0", 3)), std::string_view::npos);
}

TEST(ByteSet, AScanFindsEveryMemberInTurnAcrossBlocksAndTheLastBytes)
{
    const TByteSet set(",\"\r\n");
    std::mt19937 random(5);
    const char bytes[] = "ab,\"\r\n\xC3";
    for (std::size_t n = 0; n <= 200; ++n) {
        // The text ends where its heap block ends, which the sanitizer build watches.
        const std::unique_ptr<char[]> text(new char[n]);
        for (std::size_t i = 0; i < n; ++i)
            text[i] = random() % 3 ? 'x' : bytes[random() % (sizeof bytes - 1)];
        const char* const end = text.get() + n;
        std::vector<std::size_t> expected, found;
        for (std::size_t i = 0; i < n; ++i)
            if (set.AnyIn(std::string_view(text.get() + i, 1)))
                expected.push_back(i);
        TByteSetScan scan(set);
        scan.Reset(text.get(), end);
        for (const char* p = scan.Next(text.get()); p != end; p = scan.Next(p + 1))
            found.push_back(std::size_t(p - text.get()));
        ASSERT_EQ(found, expected) << n;
        // Asked again from an earlier place, it answers from there.
        if (!expected.empty()) {
            ASSERT_EQ(scan.Next(text.get()), text.get() + expected.front()) << n;
        }
    }
}
