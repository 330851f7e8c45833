#include "PlateCodes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <memory>
#include <random>
#include <vector>
#include <string>

namespace {

using Texts = std::vector<std::string>;

template <class Row>
Texts TextsOf(const Row& row)
{
    Texts texts;
    for (std::size_t i = 0; i < row.size(); ++i)
        texts.emplace_back(row[i]);
    return texts;
}

std::string Code26(const std::string& line)
{
    auto plate = NormalizePlate(line);
    return plate ? std::string(Wiegand26RowCells(ComputePlateCodes(*plate))[1]) : "none";
}

std::string Code64(const std::string& line)
{
    auto plate = NormalizePlate(line);
    return plate ? std::string(Wiegand64RowCells(ComputePlateCodes(*plate))[1]) : "none";
}

} // namespace

TEST(NormalizePlate, TableOfLines)
{
    struct Case {
        const char* line;
        const char* plate; // nullptr: rejected
        const char* code26;
        const char* code64;
    };
    const Case cases[] = {
        {"hk 55 evb", "HK55EVB", "0x3019E2A", "0x600002191555EBDB"},
        {"ab-12 ; parked", "AB12", "0x2DE4806", "0x600000000069B452"},
        {"ABCDEFGHIJKLMNOP", "ABCDEFGHIJKLMNOP", "0x0704FF8", "0x669B71D79F8218A3"},
        {"ABCDEFGHIJKLMNOPQ", nullptr, "none", "none"},
        {"X[Y]_Z", "X[Y]_Z", "0x3501B15", "0x6000000C7FCBFFF3"},
        {"\xC3\xA9t\xC3\xA9" "1", "\xC3\x89T\xC3\x89" "1", "0x03143E6", "0x6000000FFFB7FFD1"},
        {"0", "0", "0x3D08218", "0x6000000000000010"},
        {"A", "A", "0x0263837", "0x600000000000001A"},
    };
    for (const Case& c : cases) {
        auto plate = NormalizePlate(c.line);
        if (c.plate)
            EXPECT_EQ(plate, std::optional<std::string>(c.plate)) << c.line;
        else
            EXPECT_FALSE(plate) << c.line;
        EXPECT_EQ(Code26(c.line), c.code26) << c.line;
        EXPECT_EQ(Code64(c.line), c.code64) << c.line;
    }
}

TEST(NormalizePlate, RejectsEmptyPunctuationAndHeaderLines)
{
    for (const char* line : {"", "   ", "\t\t", " \t ", ";ABC", "  ;ABC", "-./,:?@!", "Number plate",
                             "number-plate;Wiegand 26-bit (hex)", "NUMBER PLATE;x;y", "Number plate;Wiegand 64-bit (raw)"})
        EXPECT_FALSE(NormalizePlate(line)) << line;
    EXPECT_EQ(NormalizePlate("NUMBERPLATES"), "NUMBERPLATES");
    // Nine two-byte characters are 18 bytes: too long although only nine characters.
    EXPECT_FALSE(NormalizePlate("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"));
    EXPECT_EQ(NormalizePlate("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"),
              "\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3\x89");
    // Spaces and controls vanish wherever they stand; only the first ";" counts.
    EXPECT_EQ(NormalizePlate("\x01 a\tb\r\n c\x7F;d;e"), "ABC\x7F");
}

TEST(NormalizePlate, UpperCasesPerCodePointWithTheSimpleMapping)
{
    // Greek, Cyrillic, Turkish dotless i, German sharp s (stays: its upper case is two letters).
    EXPECT_EQ(NormalizePlate("\xCE\xB1\xCE\xB2\xCE\xB3 12"), "\xCE\x91\xCE\x92\xCE\x93" "12");
    EXPECT_EQ(NormalizePlate("\xD0\xB0\xD0\xB1\xD0\xB2-7"), "\xD0\x90\xD0\x91\xD0\x92" "7");
    EXPECT_EQ(NormalizePlate("\xC4\xB1x"), "IX");
    EXPECT_EQ(NormalizePlate("stra\xC3\x9F" "e"), "STRA\xC3\x9F" "E");
    // CJK has no case: five three-byte characters fit, six do not.
    EXPECT_EQ(NormalizePlate("\xE4\xBA\xAC\xE4\xBA\xAC\xE4\xBA\xAC\xE4\xBA\xAC\xE4\xBA\xAC"),
              "\xE4\xBA\xAC\xE4\xBA\xAC\xE4\xBA\xAC\xE4\xBA\xAC\xE4\xBA\xAC");
    EXPECT_FALSE(NormalizePlate("\xE4\xBA\xAC\xE4\xBA\xAC\xE4\xBA\xAC\xE4\xBA\xAC\xE4\xBA\xAC\xE4\xBA\xAC"));
    // Four-byte characters survive whole.
    EXPECT_EQ(NormalizePlate("\xF0\x9F\x9A\x97 a"), "\xF0\x9F\x9A\x97" "A");
}

TEST(NormalizePlate, InvalidUtf8BecomesReplacementCharacters)
{
    const std::string fffd = "\xEF\xBF\xBD";
    EXPECT_EQ(NormalizePlate("A\xFF" "B"), "A" + fffd + "B");
    EXPECT_EQ(NormalizePlate("\xC3"), fffd);                              // truncated sequence
    EXPECT_EQ(NormalizePlate("\xE2\x82" "A"), fffd + "A");                // one U+FFFD for the maximal subpart
    EXPECT_EQ(NormalizePlate("\xED\xA0\x80"), fffd + fffd + fffd);        // an encoded surrogate
    EXPECT_EQ(NormalizePlate("\xC0\xAF"), fffd + fffd);                   // an overlong form
    EXPECT_FALSE(NormalizePlate("\x80\x80\x80\x80\x80\x80"));             // 18 bytes of U+FFFD
}

TEST(NormalizePlate, PiecewiseFeedingEqualsTheWholeLine)
{
    std::mt19937 random(11);
    const char* alphabet[] = {"a", "Z", "9", " ", ";", "\xC3\xA9", "\xE4\xBA\xAC", "\xF0\x9F\x9A\x97", "\xFF",
                              "\xE2\x82", "\xC3", "\x80", "-", "_", "\t"};
    for (int round = 0; round < 5000; ++round) {
        std::string line;
        const int parts = static_cast<int>(random() % 12);
        for (int i = 0; i < parts; ++i)
            line += alphabet[random() % std::size(alphabet)];
        TPlateNormalizer normalizer;
        std::size_t at = 0;
        while (at < line.size()) {
            const std::size_t n = 1 + random() % 3;
            normalizer.Feed(std::string_view(line).substr(at, n));
            at += n;
        }
        ASSERT_EQ(normalizer.Finish(), NormalizePlate(line)) << line;
    }
    // A line far longer than a plate: spaces, then the plate.
    TPlateNormalizer normalizer;
    const std::string spaces(1 << 20, ' ');
    for (int i = 0; i < 16; ++i)
        normalizer.Feed(spaces);
    normalizer.Feed("hk 55 evb");
    EXPECT_EQ(normalizer.Finish(), "HK55EVB");
    EXPECT_FALSE(normalizer.Finish()) << "Finish starts a new line";
}

TEST(NormalizePlate, CountsTheCharactersThePlateKeeps)
{
    EXPECT_EQ(PlateCharacterCount("K\xC3\x9CN-AB 1234"), 9u); // KÜNAB1234, the separators not counted
    EXPECT_EQ(PlateCharacterCount("ab-12 ; parked"), 4u);
    EXPECT_EQ(PlateCharacterCount(" - ;"), 0u);
    EXPECT_EQ(PlateCharacterCount("\xC3\xA9t\xC3\xA9" "1"), 4u);
    EXPECT_EQ(PlateCharacterCount("ABCDEFGHIJKLMNOPQ"), 17u) << "counted beyond the 16 bytes a plate may have";
    // For every plate accepted, the count is its number of characters.
    std::mt19937 random(12);
    const char* alphabet[] = {"a", "Z", "9", " ", ";", "\xC3\xA9", "\xE4\xBA\xAC", "-", "_", "\t", "\xC4\xB1", "."};
    for (int round = 0; round < 5000; ++round) {
        std::string line;
        for (int i = static_cast<int>(random() % 12); i > 0; --i)
            line += alphabet[random() % std::size(alphabet)];
        const std::optional<std::string> plate = NormalizePlate(line);
        if (!plate)
            continue;
        const auto characters = std::count_if(plate->begin(), plate->end(), [](char c) { return (c & 0xC0) != 0x80; });
        ASSERT_EQ(PlateCharacterCount(line), std::size_t(characters)) << line;
    }
}

TEST(PlateRows, CellTextsOfTheWorkedExamples)
{
    EXPECT_EQ(TextsOf(Wiegand26RowCells(ComputePlateCodes("HK55EVB"))), (Texts{"HK55EVB", "0x3019E2A", "0xA44F633C 8A6D1581 50CCEB3E F83D9DE0 BA80CF15", "0x80CF15",
                                 "8441621", "128", "53013"}));
    EXPECT_EQ(TextsOf(Wiegand64RowCells(ComputePlateCodes("HK55EVB"))),
              (Texts{"HK55EVB", "0x600002191555EBDB", "6917531334396472283"}));

    const TPlateCodes ab = ComputePlateCodes(*NormalizePlate("ab-12 ; parked"));
    EXPECT_EQ(TextsOf(Wiegand26RowCells(ab)), (Texts{"AB12", "0x2DE4806", "0xB452B6F0 C08CCF2D BA4CB200 25677774 7D6F2403",
                                                   "0x6F2403", "7283715", "111", "9219"}));
    EXPECT_EQ(TextsOf(Wiegand64RowCells(ab)), (Texts{"AB12", "0x600000000069B452", "6917529027648009298"}));

    const TPlateCodes ete = ComputePlateCodes("\xC3\x89T\xC3\x89" "1");
    EXPECT_EQ(ete.Payload, 0x18A1F3u);
    EXPECT_EQ(ete.FacilityCode, 24u);
    EXPECT_EQ(ete.IdNumber, 41459u);
    EXPECT_EQ(ete.PlateText, "\xC3\x89T\xC3\x89" "1");

    // The widest texts fit: a 16-byte plate, and the largest numbers.
    const TPlateCodes wide = ComputePlateCodes("\xF0\x9F\x9A\x97\xF0\x9F\x9A\x97\xF0\x9F\x9A\x97\xF0\x9F\x9A\x97");
    EXPECT_EQ(Wiegand26RowCells(wide)[0], wide.Plate);
    EXPECT_EQ(Wiegand64RowCells(wide)[2], "8070450532247928831");
    EXPECT_THROW(ComputePlateCodes("ABCDEFGHIJKLMNOPQ"), std::length_error);
    EXPECT_THROW(ComputePlateCodes(""), std::length_error);
}

TEST(PlateRows, HeaderTexts)
{
    EXPECT_EQ(Wiegand26Headers[0], "Number plate");
    EXPECT_EQ(Wiegand26Headers[1], "Wiegand 26-bit (hex)");
    EXPECT_EQ(Wiegand26Headers[4], "Digest (truncated dec)");
    EXPECT_EQ(Wiegand26Headers[6], "ID number");
    EXPECT_EQ(Wiegand64Headers[2], "Wiegand 64-bit (dec)");
    // The header line of a saved result file is never taken for a plate.
    for (auto header : Wiegand26Headers)
        EXPECT_NE(NormalizePlate(std::string(header)), "NUMBERPLATE");
}

// The fast path for plain ASCII and the general path agree on lines at each of
// its edges: the 16th and 17th kept byte, a ";" or a non-ASCII byte before or
// after the outcome is decided, and the header text; a rejection gives the same
// reason on both.
TEST(NormalizePlate, FastPathAgreesWithTheGeneralPath)
{
    const char* lines[] = {"hk 55 evb", "ABCDEFGHIJKLMNOP", "ABCDEFGHIJKLMNOPQ", "ABCDEFGHIJKLMNOP\xC3\xA9",
                           "ABCDEFGHIJKLMNOPQ\xC3\xA9", "ab ; \xC3\xA9", "\xC3\xA9t\xC3\xA9 1", "number plate ; x",
                           "numberplates", "", " -;", "\x7F[]_`{|}~", "a\xFF", "ABCDEFGHIJKLMNO\xC3\xA9",
                           // Eight kept bytes at a time, and where such a word breaks off.
                           "abcdefgh", "abcdefghijklmnop", "abcdefghijklmnopq", "abcdefgh-ijklmnop", "abcdefg;hijk",
                           "@[`{abcdefgh", "abcdefgh\xC3\xA9", "abcdefghijklmnop;\xC3\xA9", "ab\x80" "cdefghij",
                           "NUMBERPL ATE", "numberplate;abcdefghijklmnopq", "0123456789:/ABCDEFG"};
    for (const char* line : lines) {
        TPlateRejection fast = TPlateRejection::None;
        TPlateRejection general = TPlateRejection::None;
        EXPECT_EQ(NormalizePlate(line, &fast), NormalizePlateGeneral(line, &general)) << line;
        EXPECT_EQ(fast, general) << line;
    }
}

// A line that lies in a longer text, read 16 bytes at once from its start when
// the text goes on that far: the bytes after the line never count, whatever
// they are, and the outcome is the general path's.
TEST(NormalizePlate, ALineInALongerTextAgreesWithTheGeneralPath)
{
    std::mt19937 random(23);
    // The bytes around every limit the normalisation has.
    const std::string alphabet("\0 -/09:;@AZ[`az{\x7F\x80\xC3\xA9\xFF", 21);
    const auto pick = [&] { return alphabet[random() % alphabet.size()]; };
    for (int round = 0; round < 200000; ++round) {
        std::string text;
        const std::size_t length = random() % 19;
        for (std::size_t i = 0; i < length; ++i)
            text += random() % 3 == 0 ? pick() : "hK5"[random() % 3];
        if (round % 50 == 0)
            text = round % 100 == 0 ? "numberplate" : "NUMBERPLATE;x";
        const std::size_t lineSize = text.size();
        for (std::size_t i = random() % 20; i > 0; --i)
            text += pick(); // what follows the line in the text
        const std::string_view line(text.data(), lineSize);
        TPlateBytes plate;
        TPlateRejection inText = TPlateRejection::None;
        TPlateRejection general = TPlateRejection::None;
        const bool accepted = NormalizePlateTo(line, text.data() + text.size(), plate, &inText);
        const std::optional<std::string> expected = NormalizePlateGeneral(line, &general);
        ASSERT_EQ(accepted ? std::optional<std::string>(plate) : std::nullopt, expected) << text;
        ASSERT_EQ(inText, general) << text;
    }
}

namespace {

// Plates of 1 to 16 bytes from digits, letters and multi-byte characters.
std::vector<std::string> RandomPlates(std::size_t count, unsigned seed)
{
    std::mt19937 random(seed);
    const char* pieces[] = {"A", "Z", "0", "9", "_", "\xC3\x89", "\xE4\xBA\xAC", "\xF0\x9F\x9A\x97"};
    std::vector<std::string> plates;
    while (plates.size() < count) {
        std::string plate;
        for (int n = 1 + static_cast<int>(random() % 16); n > 0; --n) {
            const std::string piece = pieces[random() % std::size(pieces)];
            if (plate.size() + piece.size() <= kPlateMaxBytes)
                plate += piece;
        }
        plates.push_back(plate);
    }
    return plates;
}

} // namespace

// The records of a list computed in bulk (the digests two at a time) are those of
// each plate alone, across the steps the bulk computation takes them in.
TEST(PlateCodes, InBulkAsOneByOne)
{
    const std::vector<std::string> texts = RandomPlates(203, 31);
    const std::vector<TPlateBytes> plates(texts.begin(), texts.end());
    std::vector<TPlateCodes> codes(plates.size());
    ComputePlateCodesInBulk(plates, codes.data());
    for (std::size_t i = 0; i < plates.size(); ++i) {
        const TPlateCodes one = ComputePlateCodes(texts[i]);
        ASSERT_EQ(codes[i].Plate, texts[i]);
        ASSERT_EQ(codes[i].PlateText, one.PlateText);
        ASSERT_EQ(codes[i].Digest, one.Digest) << texts[i];
        ASSERT_EQ(codes[i].Wiegand26, one.Wiegand26);
        ASSERT_EQ(codes[i].Wiegand64, one.Wiegand64);
        ASSERT_EQ(codes[i].IdNumber, one.IdNumber);
    }
    // One table's codes: its own as in the whole record, the rest zero, even
    // in records that held the other table's.
    std::vector<TPlateCodes> only26 = codes, only64 = codes;
    ComputeTableCodesInBulk(TCodeTable::Wiegand26, plates, only26.data());
    ComputeTableCodesInBulk(TCodeTable::Wiegand64, plates, only64.data());
    for (std::size_t i = 0; i < plates.size(); ++i) {
        ASSERT_EQ(only26[i].Plate, texts[i]);
        ASSERT_EQ(only64[i].PlateText, texts[i]);
        ASSERT_EQ(only26[i].Digest, codes[i].Digest);
        ASSERT_EQ(only26[i].Payload, codes[i].Payload);
        ASSERT_EQ(only26[i].Wiegand26, codes[i].Wiegand26);
        ASSERT_EQ(only26[i].FacilityCode, codes[i].FacilityCode);
        ASSERT_EQ(only26[i].IdNumber, codes[i].IdNumber);
        ASSERT_EQ(only26[i].Wiegand64, 0u);
        ASSERT_EQ(only64[i].Wiegand64, codes[i].Wiegand64);
        ASSERT_EQ(only64[i].Digest, TSha1Digest{});
        ASSERT_EQ(only64[i].Wiegand26 | only64[i].Payload | only64[i].FacilityCode | only64[i].IdNumber, 0u);
    }
    const TPlateBytes empty[1];
    EXPECT_THROW(ComputePlateCodesInBulk(empty, codes.data()), std::length_error);
    EXPECT_THROW(TPlateBytes("ABCDEFGHIJKLMNOPQ"), std::length_error);
}

// Each cell writer gives the C library's formatting of its number, and stays
// within the room it is given (a heap block of exactly that size, which the
// sanitizer build watches); so does the writer of a whole row.
TEST(PlateRows, CellWritersMatchTheGeneralFormattingWithinTheirRoom)
{
    const std::unique_ptr<char[]> room(new char[kCellRoom]);
    const std::unique_ptr<char[]> lineRoom(new char[kWiegand26Columns.size() * (kCellRoom + 1)]);
    const auto line = [&](TCodeTable table, const TPlateCodes& codes, char separator) {
        return std::string(lineRoom.get(), WriteRowLine(table, codes, separator, lineRoom.get()));
    };
    const auto joined = [](const Texts& texts, char separator) {
        std::string text = texts[0];
        for (std::size_t i = 1; i < texts.size(); ++i)
            text += separator + texts[i];
        return text;
    };
    for (const std::string& plate : RandomPlates(2000, 32)) {
        const TPlateCodes codes = ComputePlateCodes(plate);
        char expected[5][64];
        std::snprintf(expected[0], 64, "0x%.7X", unsigned(codes.Wiegand26));
        std::snprintf(expected[1], 64, "0x%.8X %.8X %.8X %.8X %.8X", unsigned(codes.Digest[0]), unsigned(codes.Digest[1]),
                      unsigned(codes.Digest[2]), unsigned(codes.Digest[3]), unsigned(codes.Digest[4]));
        std::snprintf(expected[2], 64, "0x%.6X", unsigned(codes.Payload));
        std::snprintf(expected[3], 64, "0x%.16" PRIX64, codes.Wiegand64);
        std::snprintf(expected[4], 64, "%" PRIu64, codes.Wiegand64);
        const Texts texts26 = {plate, expected[0], expected[1], expected[2], std::to_string(codes.Payload),
                               std::to_string(codes.FacilityCode), std::to_string(codes.IdNumber)};
        const Texts texts64 = {plate, expected[3], expected[4]};
        ASSERT_EQ(TextsOf(Wiegand26RowCells(codes)), texts26);
        ASSERT_EQ(TextsOf(Wiegand64RowCells(codes)), texts64);
        for (std::size_t column = 0; column < texts26.size(); ++column)
            ASSERT_EQ(std::string(room.get(), WriteRowCell(TCodeTable::Wiegand26, column, codes, room.get())),
                      texts26[column]);
        for (std::size_t column = 0; column < texts64.size(); ++column)
            ASSERT_EQ(std::string(room.get(), WriteRowCell(TCodeTable::Wiegand64, column, codes, room.get())),
                      texts64[column]);
        ASSERT_EQ(line(TCodeTable::Wiegand26, codes, ';'), joined(texts26, ';'));
        ASSERT_EQ(line(TCodeTable::Wiegand64, codes, ','), joined(texts64, ','));
    }
    // A record no payload splits into is still written cell by cell.
    TPlateCodes odd = ComputePlateCodes("AB12");
    odd.FacilityCode = 100000;
    odd.IdNumber = 4294967295u;
    EXPECT_EQ(line(TCodeTable::Wiegand26, odd, ';'), joined(TextsOf(Wiegand26RowCells(odd)), ';'));
    EXPECT_TRUE(line(TCodeTable::Wiegand26, odd, ';').ends_with(";100000;4294967295"));
    EXPECT_THROW(RowCellWriter(TCodeTable::Wiegand64, 3), std::out_of_range);
}
