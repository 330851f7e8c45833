// Short texts moved and searched a word at a time: every length and position.
#include "ByteSet.h"
#include "ShortBytes.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

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
