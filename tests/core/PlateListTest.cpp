#include "PlateList.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;
using TRejected = std::vector<std::pair<std::uint64_t, TTextFault>>;

TEST(PlateList, EncodingIsDecidedOverTheWholeInput)
{
    EXPECT_EQ(DetectEncoding("abc\n\xC3\xA9"), TTextEncoding::Utf8);
    EXPECT_EQ(DetectEncoding("\xEF\xBB\xBF" "abc"), TTextEncoding::Utf8);
    EXPECT_EQ(DetectEncoding(std::string(5000, 'a') + "\xE9"), TTextEncoding::Windows1252);
    EXPECT_EQ(DetectEncoding("\xC3"), TTextEncoding::Windows1252) << "a sequence cut off at the end";
    EXPECT_EQ(DetectEncoding("\xFF\xFE" "a\0"), TTextEncoding::Utf16LE);
    EXPECT_EQ(DetectEncoding("\xFE\xFF\0a"), TTextEncoding::Utf16BE);
    EXPECT_EQ(DetectEncoding(""), TTextEncoding::Utf8);
    EXPECT_EQ(DetectEncoding("\xEF\xBF\xBD"), TTextEncoding::Utf8) << "a literal U+FFFD is valid";
}

TEST(PlateList, LinesEndWithCrLfLfOrCrAndTheLastLineCountsWithoutABreak)
{
    EXPECT_EQ(DecodePlateListLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(DecodePlateListLines("a\n"), (Lines{"a"}));
    EXPECT_EQ(DecodePlateListLines("a\n\nb\r\r\n"), (Lines{"a", "", "b", ""}));
    EXPECT_EQ(DecodePlateListLines("\n"), (Lines{""}));
    EXPECT_EQ(DecodePlateListLines(""), (Lines{}));
    EXPECT_EQ(DecodePlateListLines("\xEF\xBB\xBF" "hk 55 evb\r\n"), (Lines{"hk 55 evb"}));
    EXPECT_EQ(DecodePlateListLines("x\xEF\xBB\xBF"), (Lines{"x\xEF\xBB\xBF"})) << "only a leading mark is skipped";
    // A text that begins like the mark keeps its first character.
    EXPECT_EQ(DecodePlateListLines("\xEF\xBC\x80" "A"), (Lines{"\xEF\xBC\x80" "A"}));
}

TEST(PlateList, Windows1252FallbackMapsEveryByte)
{
    EXPECT_EQ(DecodePlateListLines("\xE9t\xE9" "1\r\n\x80\x9F"), (Lines{"\xC3\xA9t\xC3\xA9" "1", "\xE2\x82\xAC\xC5\xB8"}));
    // The five unassigned bytes stand for the code points of the same value.
    EXPECT_EQ(DecodePlateListLines("\x81\x8D\x8F\x90\x9D"),
              (Lines{"\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"}));
    EXPECT_EQ(TextToUtf8("caf\xE9"), "caf\xC3\xA9");
    EXPECT_EQ(TextToUtf8("caf\xC3\xA9"), "caf\xC3\xA9");
}

namespace {

class TCollect : public TLineSink {
public:
    void LinePiece(std::string_view utf8) override { current += utf8; }
    void LineEnd() override
    {
        lines.push_back(current);
        current.clear();
    }
    void LineRejected(std::uint64_t line, TTextFault fault) override
    {
        current.clear();
        rejected.emplace_back(line, fault);
    }
    Lines lines;
    std::string current;
    TRejected rejected;
};

// Takes a line that lies in one piece whole, and the whole lines of a piece
// together, as the plate sinks do.
class TCollectWhole : public TCollect {
public:
    void Line(std::string_view utf8) override
    {
        EXPECT_TRUE(current.empty()) << "a whole line after a piece of another";
        lines.emplace_back(utf8);
        ++whole;
    }
    void WholeLines(std::span<const std::string_view> batch, const char* textEnd) override
    {
        EXPECT_FALSE(batch.empty());
        EXPECT_LE(batch.back().data() + batch.back().size(), textEnd);
        largestBatch = std::max(largestBatch, batch.size());
        for (const std::string_view line : batch)
            Line(line);
    }
    std::size_t whole = 0, largestBatch = 0;
};

} // namespace

TEST(PlateList, Utf16InBothByteOrders)
{
    const std::string le("\xFF\xFE" "a\0\r\0\n\0\xE9\0=\xD8\x97\xDE" "b\0", 16);
    EXPECT_EQ(DecodePlateListLines(le), (Lines{"a", "\xC3\xA9\xF0\x9F\x9A\x97" "b"}));
    const std::string be("\xFE\xFF\0a\0\r\0b", 8);
    EXPECT_EQ(DecodePlateListLines(be), (Lines{"a", "b"}));
    // An unpaired surrogate, high or low, and a cut-off last unit are no text:
    // their lines are rejected with their numbers, never read with U+FFFD.
    static constexpr char kBroken[] = "\xFF\xFE" "a\0\n\0" "\x3D\xD8" "b\0\n\0" "c\0\n\0" "\x97\xDE\n\0" "d\0" "x";
    const std::string broken(kBroken, sizeof kBroken - 1);
    TCollect collect;
    DecodePlateList(broken, collect);
    EXPECT_EQ(collect.lines, (Lines{"a", "c"}));
    EXPECT_EQ(collect.rejected, (TRejected{{2, TTextFault::UnpairedSurrogate},
                                          {4, TTextFault::UnpairedSurrogate},
                                          {5, TTextFault::HalfCharacter}}));
}

TEST(PlateList, PiecewiseDecodingEqualsWholeDecoding)
{
    std::mt19937 random(7);
    const std::string parts[] = {"a", "\r", "\n", "\r\n", "\xC3\xA9", "\xE9", "\xFF\xFE", std::string(1, '\0'),
                                 "\xD8", "\xDC", "z;"};
    for (int round = 0; round < 3000; ++round) {
        std::string input = round % 3 == 0 ? std::string("\xFF\xFE", 2) : round % 3 == 1 ? "\xEF\xBB\xBF" : "";
        for (int i = static_cast<int>(random() % 20); i > 0; --i)
            input += parts[random() % std::size(parts)];
        const TTextEncoding encoding = DetectEncoding(input);
        TPlateListDecoder decoder(encoding);
        TCollect collect;
        TCollectWhole collectWhole;
        TPlateListDecoder wholeDecoder(encoding);
        for (std::size_t at = 0; at < input.size();) {
            const std::size_t n = 1 + random() % 4;
            decoder.Feed(std::string_view(input).substr(at, n), collect);
            wholeDecoder.Feed(std::string_view(input).substr(at, n), collectWhole);
            at += n;
        }
        decoder.Finish(collect);
        wholeDecoder.Finish(collectWhole);
        TCollect whole;
        TPlateListDecoder onePiece(encoding);
        onePiece.Feed(input, whole);
        onePiece.Finish(whole);
        ASSERT_EQ(collect.lines, whole.lines);
        ASSERT_EQ(collect.rejected, whole.rejected);
        ASSERT_TRUE(collect.current.empty());
        ASSERT_EQ(collectWhole.lines, collect.lines);
        ASSERT_EQ(collectWhole.rejected, collect.rejected);
        // The list read as a file reads so too, unless it is no text at all.
        if (SniffContent(input) == TContentKind::Text) {
            ASSERT_EQ(DecodePlateListLines(input), whole.lines);
        }
    }
}

TEST(PlateList, TheWholeLinesOfLargePiecesArriveTogetherInTheirOrder)
{
    // Lines with every kind of break, cut into a few large pieces at random
    // places: a CR LF pair may be cut between its two bytes.
    std::mt19937 random(11);
    const std::string breaks[] = {"\r\n", "\n", "\r", "\r\n\r\n"};
    std::string input;
    for (int i = 0; i < 3000; ++i)
        input += "PL" + std::to_string(i) + breaks[random() % std::size(breaks)];
    input += "LAST";
    TPlateListDecoder decoder(TTextEncoding::Utf8);
    TCollectWhole collect;
    for (std::size_t at = 0; at < input.size();) {
        const std::size_t n = 1 + random() % 9000;
        decoder.Feed(std::string_view(input).substr(at, n), collect);
        at += n;
    }
    decoder.Finish(collect);
    EXPECT_EQ(collect.lines, DecodePlateListLines(input));
    EXPECT_EQ(collect.lines.back(), "LAST");
    EXPECT_GT(collect.largestBatch, 100u);
}

TEST(PlateList, ReadingStopsAtItsLimitWhateverTheFileIs)
{
    const std::string name = ::testing::TempDir() + "corvana-read-limit.txt";
    {
        std::FILE* file = std::fopen(name.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fputs("ab12\nhk55evb\n", file); // 13 bytes
        std::fclose(file);
    }
    EXPECT_EQ(ReadFileUpTo(name, 13), std::optional<std::string>("ab12\nhk55evb\n"));
    EXPECT_EQ(ReadFileUpTo(name, 12), std::nullopt);
    // Devices are not lists: refused unread, the endless one too.
    for (const char* device : {"/dev/zero", "/dev/null"})
        EXPECT_THROW(ReadFileUpTo(device, 1 << 20), TFileError) << device;
    EXPECT_THROW(ReadFileUpTo(name + ".missing", 10), TFileError);

    // A file of several megabytes comes whole, read into room for its size.
    std::string big;
    for (int i = 0; big.size() < (std::size_t(5) << 20); ++i)
        big += "HK " + std::to_string(i) + "\n";
    {
        std::FILE* file = std::fopen(name.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(big.data(), 1, big.size(), file);
        std::fclose(file);
    }
    EXPECT_EQ(ReadFileUpTo(name, big.size()), std::optional<std::string>(big));
    EXPECT_EQ(ReadFileUpTo(name, big.size() - 1), std::nullopt);
    std::remove(name.c_str());
}

namespace {

class TCollectText : public TTextSink {
public:
    void Text(std::string_view utf8) override { text.append(utf8); }
    void NotText(TTextFault) override {}
    void End() override { ended = true; }
    std::string text;
    bool ended = false;
};

} // namespace

// ASCII text is handed on while the encoding is still being decided; a byte
// above 0x7F after megabytes of it must still decide the encoding of all of it.
TEST(PlateList, ReadingAFileDecodesItAsAWhole)
{
    const std::string ascii(3 * (1 << 20) + 5, 'a');
    const std::string chunk(1 << 20, 'b');
    const std::string inputs[] = {
        ascii,
        ascii + "\xE9\r\n",                    // Windows-1252 after the first chunks
        chunk + chunk + "\xC3\xA9" + ascii,    // UTF-8 right at a chunk's start
        chunk + "\xEF\xBB\xBF" "x",            // a byte order mark's bytes in the middle stay
        "\xEF\xBB\xBF" + ascii + "\xC3\xA9",   // a byte order mark at the start goes
        std::string("\xFF\xFE" "a\0", 4) + ascii,
        "",
    };
    const std::string name = ::testing::TempDir() + "corvana-read-whole.txt";
    for (const std::string& input : inputs) {
        std::FILE* file = std::fopen(name.c_str(), "w+b");
        ASSERT_NE(file, nullptr);
        ASSERT_EQ(std::fwrite(input.data(), 1, input.size(), file), input.size());
        std::rewind(file);
        TCollectText collect;
        ReadListText(file, name, collect);
        std::fclose(file);
        EXPECT_TRUE(collect.ended);
        EXPECT_TRUE(collect.text == DecodeListText(input)) << "input of " << input.size() << " bytes";
    }
    std::remove(name.c_str());
}
