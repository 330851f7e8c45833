#include "CodeDecoder.h"
#include "PlateCodes.h"
#include "UWG26.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

namespace {

// The message a decoder gives for `text`, or "decoded".
template <class Decode>
std::string ErrorOf(Decode decode, const std::string& text)
{
    try {
        decode(text);
    } catch (const TDecodeError& e) {
        return e.what();
    }
    return "decoded";
}

// The reading of an input that reads one way only.
TDecodedCode DecodeCode(std::string_view text)
{
    const std::vector<TCodeReading> readings = ReadCode(text);
    EXPECT_EQ(readings.size(), 1u) << text;
    return readings.front().Decoded;
}

std::string DecodeError26(const std::string& text) { return ErrorOf(DecodeWiegand26, text); }
std::string DecodeError64(const std::string& text) { return ErrorOf(DecodeWiegand64, text); }
std::string DecodeErrorAny(const std::string& text) { return ErrorOf(DecodeCode, text); }

// A random plate line: digits, capitals, small letters, punctuation and a few
// letters outside ASCII.
std::string RandomLine(std::mt19937& random)
{
    static const char* const pieces[] = {"0", "7", "9", "A", "K", "Z", "q", "-", " ", "_", "[", "\xC3\xA9", "\xC3\x84", "~"};
    std::string line;
    for (int n = 1 + int(random() % 14); n > 0; --n)
        line += pieces[random() % std::size(pieces)];
    return line;
}

bool IsTableByte(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'); }

} // namespace

TEST(CodeDecoder, RoundTripsTheCodesOfRandomPlates)
{
    std::mt19937 random(16);
    int plain = 0;
    for (int i = 0; i < 20000; ++i) {
        const std::optional<std::string> plate = NormalizePlate(RandomLine(random));
        if (!plate)
            continue;
        const TPlateCodes codes = ComputePlateCodes(*plate);
        const TWiegand26Row row26 = Wiegand26RowCells(codes);
        const std::string pair = std::to_string(codes.FacilityCode) + "/" + std::to_string(codes.IdNumber);
        for (const std::string& form : {std::string(row26[1]), pair, Wiegand26BitGroups(codes.Wiegand26)}) {
            const TWiegand26Decoded d = DecodeWiegand26(form);
            ASSERT_EQ(d.Frame, codes.Wiegand26) << form;
            ASSERT_TRUE(d.ParityOk()) << form;
            ASSERT_EQ(d.Payload, codes.Payload);
            ASSERT_EQ(d.FacilityCode, codes.FacilityCode);
            ASSERT_EQ(d.IdNumber, codes.IdNumber);
        }
        const TWiegand64Row row64 = Wiegand64RowCells(codes);
        std::string expected; // the packed bytes, "?" for each byte outside the table
        for (char c : plate->substr(0, 10))
            expected += IsTableByte(c) ? c : '?';
        for (const std::string& form : {std::string(row64[1]), Wiegand64BitGroups(codes.Wiegand64)}) {
            const TWiegand64Decoded d = std::get<TWiegand64Decoded>(DecodeCode(form));
            ASSERT_EQ(d.Code, codes.Wiegand64) << form;
            ASSERT_TRUE(d.PrefixOk);
            ASSERT_EQ(d.PlateText, expected) << *plate;
        }
        if (expected == *plate)
            ++plain;
    }
    EXPECT_GT(plain, 1000) << "plates of digits and capitals read back whole";
}

TEST(CodeDecoder, AcceptsEveryFormOfTheWorkedExamples)
{
    for (const char* form : {"0x3019E2A", "3019E2A", "0X3019e2a", " \t0x3019E2A  ", "128/53013", "128:53013",
                             " 128 / 53013 ", "11000000011001111000101010", "1 10000000 1100111100010101 0",
                             "1_1000_0000_1100_1111_0001_0101_0"}) {
        const TWiegand26Decoded d = DecodeWiegand26(form);
        EXPECT_EQ(d.Frame, 0x3019E2Au) << form;
        EXPECT_EQ(d.Payload, 0x80CF15u) << form;
        EXPECT_EQ(d.FacilityCode, 128u) << form;
        EXPECT_EQ(d.IdNumber, 53013u) << form;
        EXPECT_EQ(ParityText(d), "ok") << form;
        EXPECT_TRUE(std::holds_alternative<TWiegand26Decoded>(DecodeCode(form))) << form;
    }
    EXPECT_EQ(Wiegand26BitGroups(0x3019E2A), "1 10000000 1100111100010101 0");
    // Short hex frames and the extremes of the facility code and ID number.
    EXPECT_EQ(DecodeWiegand26("1").Frame, 1u);
    EXPECT_EQ(DecodeWiegand26("0/0").Frame, 0x0000001u);
    EXPECT_EQ(DecodeWiegand26("255:65535").Frame, 0x1FFFFFFu);
    EXPECT_EQ(DecodeWiegand26("3FFFFFF").Frame, 0x3FFFFFFu);

    const std::string bits64 = "0110000000000000000000100001100100010101010101011110101111011011";
    for (const std::string form : {"0x600002191555EBDB", "600002191555ebdb", bits64.c_str(),
                                   "0110 000000 000000 000000 100001 100100 010101 010101 011110 101111 011011"}) {
        const TWiegand64Decoded d = DecodeWiegand64(form);
        EXPECT_EQ(d.Code, 0x600002191555EBDBull) << form;
        EXPECT_EQ(d.PlateText, "HK55EVB") << form;
        EXPECT_EQ(PrefixText(d), "ok");
        EXPECT_TRUE(std::holds_alternative<TWiegand64Decoded>(DecodeCode(form))) << form;
    }
    EXPECT_EQ(DecodeWiegand64("0x6000000FFFB7FFD1").PlateText, "??T??1");
    EXPECT_EQ(DecodeWiegand64("0x6CF3CF3CF3CF3CF3").PlateText, "ZZZZZZZZZZ");
    EXPECT_EQ(DecodeWiegand64("0x6000000000000010").PlateText, "0");
}

TEST(CodeDecoder, NamesEachWrongParityBitAndAWrongPrefix)
{
    const auto parity = [](std::uint32_t frame) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%07X", frame);
        const TWiegand26Decoded d = DecodeWiegand26(hex);
        EXPECT_EQ(d.Payload, 0x80CF15u) << "the payload survives a wrong parity bit";
        return std::string(ParityText(d));
    };
    EXPECT_EQ(parity(0x3019E2A ^ kWiegand26EvenParityBit), "even parity bit wrong");
    EXPECT_EQ(parity(0x3019E2A ^ kWiegand26OddParityBit), "odd parity bit wrong");
    EXPECT_EQ(parity(0x3019E2A ^ kWiegand26EvenParityBit ^ kWiegand26OddParityBit), "both parity bits wrong");
    // A flipped payload bit shows as a wrong parity bit of its half.
    EXPECT_EQ(ParityText(DecodeWiegand26("0x3019E28")), "odd parity bit wrong");
    EXPECT_EQ(ParityText(DecodeWiegand26("0x1019E2B")), "both parity bits wrong");

    const TWiegand64Decoded d = DecodeWiegand64("0xE00002191555EBDB");
    EXPECT_FALSE(d.PrefixOk);
    EXPECT_EQ(PrefixText(d), "not 0110");
    EXPECT_EQ(d.PlateText, "HK55EVB");
    EXPECT_EQ(Wiegand64Groups(d.Code), Wiegand64Groups(0x600002191555EBDBull));
}

TEST(CodeDecoder, RejectsEveryOtherInputWithWhatWasExpected)
{
    const std::string expected26 =
        "expected 1 to 7 hex digits such as 0x3019E2A, 26 binary digits, or a facility code and ID number "
        "such as 128/53013";
    const std::pair<const char*, std::string> cases26[] = {
        {"", expected26},
        {"   ", expected26},
        {"hk55evb", expected26},
        {"0x3019G2A", expected26},
        {"0x", "expected hex digits after 0x"},
        {"12345678", "expected 1 to 7 hex digits, got 8"},
        {"0x03019E2A", "expected 1 to 7 hex digits, got 8"},
        {"4000000", "0x4000000 is above the largest 26-bit frame 0x3FFFFFF"},
        {"10101010", "expected 1 to 7 hex digits or 26 binary digits, got 8 digits"},
        {"1 0 1", "expected 26 binary digits, got 3"},
        {"1_" "1000000011001111000101010" "1", "expected 26 binary digits, got 27"},
        {"256/1", "facility code 256 is above 255"},
        {"1/65536", "ID number 65536 is above 65535"},
        {"1/99999999999999999999999", "ID number 99999999999999999999999 is above 65535"},
        {"12/ab", "expected a facility code and ID number such as 128/53013"},
        {"-1/5", "expected a facility code and ID number such as 128/53013"},
        {"128/", "expected a facility code and ID number such as 128/53013"},
        {"1/2/3", "expected a facility code and ID number such as 128/53013"},
    };
    for (const auto& [input, message] : cases26)
        EXPECT_EQ(DecodeError26(input), message) << input;

    const std::string expected64 = "expected 16 hex digits such as 0x600002191555EBDB, or 64 binary digits";
    const std::pair<const char*, std::string> cases64[] = {
        {"", expected64},
        {"128/53013", expected64},
        {"0x600002191555EBDG", expected64},
        {"0x600002191555EBD", "expected 16 hex digits, got 15"},
        {"0x3019E2A", "expected 16 hex digits, got 7"},
        {"0110 0000", "expected 64 binary digits, got 8"},
        {"0x6000000000000001", "group 10 has the value 1, which no plate gives"},
        {"0x600000000000000F", "group 10 has the value 15, which no plate gives"},
        {"0x6000000000000034", "group 10 has the value 52, which no plate gives"},
        {"0x600000000003E000", "group 8 has the value 62, which no plate gives"},
        {"0x6000000000000400", "group 10 is 0 (empty) after a character; no plate gives that"},
        {"0x6400000000000010", "group 2 is 0 (empty) after a character; no plate gives that"},
        {"0x6000000000000000", "all ten groups are 0 (empty); no plate gives that"},
    };
    for (const auto& [input, message] : cases64)
        EXPECT_EQ(DecodeError64(input), message) << input;

    EXPECT_EQ(DecodeErrorAny("0x12345678"), "expected 1 to 7 hex digits for a 26-bit code or 16 for a 64-bit code, got 8");
    EXPECT_EQ(DecodeErrorAny("1 0 1 1"), "expected 26 or 64 binary digits, got 4");
    EXPECT_EQ(DecodeErrorAny("0x6000000000000001"), "group 10 has the value 1, which no plate gives");
    EXPECT_EQ(DecodeErrorAny("plate"),
              "expected a 26-bit code (1 to 7 hex digits such as 0x3019E2A, 26 binary digits, or a facility code "
              "and ID number such as 128/53013) or a 64-bit code (16 hex digits or 64 binary digits)");
    EXPECT_EQ(DecodeErrorAny("300/1"), "facility code 300 is above 255");
}

TEST(CodeDecoder, ReadsTheCodeCellsOfTheResultsTables)
{
    EXPECT_EQ(ParseHexCell("0x3019E2A", 7), 0x3019E2Au);
    EXPECT_EQ(ParseHexCell("0x600002191555EBDB", 16), 0x600002191555EBDBull);
    for (const char* cell : {"", "0x", "3019E2A", "0x3019E2AA", "0x30 9E2A", "0X3019E2A"})
        EXPECT_EQ(ParseHexCell(cell, 7), std::nullopt) << cell;
}

TEST(CodeDecoder, ReadsEveryCodeCellOfBothTablesAsItStands)
{
    std::mt19937 random(23);
    for (int i = 0; i < 5000; ++i) {
        const std::optional<std::string> plate = NormalizePlate(RandomLine(random));
        if (!plate)
            continue;
        const TPlateCodes codes = ComputePlateCodes(*plate);
        const TWiegand26Row row26 = Wiegand26RowCells(codes);
        const TWiegand64Row row64 = Wiegand64RowCells(codes);
        const std::string facility(row26[5]), id(row26[6]);
        // Each cell, and the facility code and ID number with a blank, a tab or
        // the ";" a copy of both cells puts between them.
        const std::vector<std::string> cells26 = {std::string(row26[1]), std::string(row26[2]), std::string(row26[3]),
                                                  std::string(row26[4]), facility + " " + id, facility + "\t" + id,
                                                  facility + ";" + id};
        for (const std::string& cell : cells26) {
            for (TCodeKinds kinds : {TCodeKinds::Any, TCodeKinds::Wiegand26}) {
                const std::vector<TCodeReading> readings = ReadCode(cell, kinds);
                ASSERT_TRUE(std::any_of(readings.begin(), readings.end(), [&](const TCodeReading& r) {
                    return SearchKey(r.Decoded) == codes.Payload && std::get<TWiegand26Decoded>(r.Decoded).ParityOk();
                })) << cell;
            }
        }
        for (std::string_view cell : {row64[1], row64[2]}) {
            const std::vector<TCodeReading> readings = ReadCode(cell, TCodeKinds::Wiegand64);
            ASSERT_EQ(readings.size(), 1u) << cell;
            ASSERT_EQ(std::get<TWiegand64Decoded>(readings[0].Decoded).Code, codes.Wiegand64) << cell;
            ASSERT_EQ(ReadCode(cell).size(), 1u) << cell;
        }
    }
}

TEST(CodeDecoder, GivesBothReadingsOfAnAmbiguousInput)
{
    const auto readings = [](std::string_view text, TCodeKinds kinds = TCodeKinds::Any) {
        std::vector<std::string> shown;
        for (const TCodeReading& r : ReadCode(text, kinds)) {
            const auto* d26 = std::get_if<TWiegand26Decoded>(&r.Decoded);
            shown.push_back(std::string(ReadAsText(r.As)) + " " +
                            (d26 ? CodeText(TCodeTable::Wiegand26, d26->Frame)
                                 : CodeText(TCodeTable::Wiegand64, std::get<TWiegand64Decoded>(r.Decoded).Code)));
        }
        return shown;
    };
    using V = std::vector<std::string>;
    // 7 decimal digits: the truncated digest in decimal, and a frame in hex.
    EXPECT_EQ(readings("2269431"), (V{"Digest (truncated dec) " + CodeText(TCodeTable::Wiegand26, Wiegand26Frame(2269431)),
                                      "Wiegand 26-bit 0x2269431"}));
    // 0x and 6 hex digits: the truncated digest in hex, and a frame.
    EXPECT_EQ(readings("0x80CF15"), (V{"Digest (truncated hex) 0x3019E2A", "Wiegand 26-bit 0x080CF15"}));
    // One reading where the frame is out of range or the form is a code's own.
    EXPECT_EQ(readings("8441621"), (V{"Digest (truncated dec) 0x3019E2A"}));
    EXPECT_EQ(readings("16777215"), (V{"Digest (truncated dec) 0x1FFFFFF"}));
    EXPECT_EQ(readings("0x3019E2A"), (V{"Wiegand 26-bit 0x3019E2A"}));
    EXPECT_EQ(readings("0xA44F633C 8A6D1581 50CCEB3E F83D9DE0 BA80CF15"), (V{"Digest (full hex) 0x3019E2A"}));
    EXPECT_EQ(readings("A44F633C8A6D158150CCEB3EF83D9DE0BA80CF15"), (V{"Digest (full hex) 0x3019E2A"}));
    EXPECT_EQ(readings("6917531334396472283"), (V{"Wiegand 64-bit (dec) 0x600002191555EBDB"}));
    EXPECT_EQ(readings("34 41207"), (V{"Wiegand 26-bit " + CodeText(TCodeTable::Wiegand26, Wiegand26Frame((34 << 16) | 41207))}));
    // The kinds asked for leave out the others.
    EXPECT_EQ(readings("2269431", TCodeKinds::Wiegand26).size(), 2u);
    EXPECT_EQ(ErrorOf([](std::string_view t) { return ReadCode(t, TCodeKinds::Wiegand26); }, "6917531334396472283"),
              "expected 1 to 7 hex digits, got 19");
    EXPECT_EQ(ErrorOf([](std::string_view t) { return ReadCode(t, TCodeKinds::Wiegand64); }, "2269431"),
              "expected 16 hex digits, got 7");
    // A decimal 64-bit code with a group no plate gives says which.
    EXPECT_EQ(DecodeErrorAny("6917529027641081857"), "group 10 has the value 1, which no plate gives");
    EXPECT_EQ(DecodeErrorAny("99999999"), "expected 1 to 7 hex digits for a 26-bit code or 16 for a 64-bit code, got 8");
}
