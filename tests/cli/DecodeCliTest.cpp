// corvana-cli --decode and --format csv end to end: the real binary, plate lists
// in several encodings, standard streams and exit status.
#include "CliProcess.h"
#include "TestFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

using ::testing::HasSubstr;

namespace {

const std::string kDecodeHeader26 = "Code;Wiegand 26-bit (hex);Parity;Facility code;ID number;Number plates\r\n";
const std::string kDecodeHeader64 = "Code;Wiegand 64-bit (hex);Prefix;Number plate;Number plates\r\n";

// Three lists of the same kind of plates: UTF-8, Windows-1252 and UTF-16LE.
struct TPlateLists {
    TTempDir dir;
    std::string utf8 = dir / "utf8.txt", cp1252 = dir / "cp1252.txt", utf16 = dir / "utf16.txt";
    TPlateLists()
    {
        WriteBytes(utf8, "hk 55 evb\n\xC3\xA4t\xC3\xA4" "1\nab-12 ; parked\n");
        WriteBytes(cp1252, "\xE9t\xE9" "1\r\nHK55EVB\r\n");
        const char bytes16[] = "\xFF\xFE" "a\0b\0" "1\0" "2\0\n\0z\0";
        WriteBytes(utf16, std::string(bytes16, sizeof bytes16 - 1));
    }
};

} // namespace

TEST(CorvanaCliDecode, DecodesEach26BitCodeAndFindsItsPlates)
{
    TPlateLists lists;
    const TCliRun run = RunCli({"--decode", "0x3019E2A", "--decode", " 128/53013 ", "--decode", "0x1019E2B",
                                "--decode", "1 10000000 1100111100010101 1", "--decode", "03143E6", "--decode",
                                "0x2DE4806", "--decode", "0x0000001", lists.utf8, "--plate", "HK-55-EVB", lists.cp1252,
                                lists.utf16});
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    // Plates in order of first appearance, --plate first; a repeat is listed once;
    // a frame with a wrong parity bit still finds its plate.
    EXPECT_EQ(run.Out, kDecodeHeader26 +
                           "0x3019E2A;0x3019E2A;ok;128;53013;HK55EVB\r\n"
                           "128/53013;0x3019E2A;ok;128;53013;HK55EVB\r\n"
                           "0x1019E2B;0x1019E2B;both parity bits wrong;128;53013;HK55EVB\r\n"
                           "1 10000000 1100111100010101 1;0x3019E2B;odd parity bit wrong;128;53013;HK55EVB\r\n"
                           "03143E6;0x03143E6;ok;24;41459;\xC3\x89T\xC3\x89" "1\r\n"
                           "0x2DE4806;0x2DE4806;ok;111;9219;AB12\r\n"
                           "0x0000001;0x0000001;ok;0;0\r\n");

    // Without plate lists nothing is searched, and standard input is not read.
    EXPECT_EQ(RunCli({"--decode", "128:53013"}, "hk 55 evb\n").Out,
              kDecodeHeader26 + "128:53013;0x3019E2A;ok;128;53013\r\n");
}

TEST(CorvanaCliDecode, Decodes64BitCodesBackToThePlateText)
{
    TPlateLists lists;
    const std::string bits = "0110000000000000000000100001100100010101010101011110101111011011";
    const TCliRun run = RunCli({"--table", "64", "--decode", "0x600002191555EBDB", "--decode", "0x6000000FFFB7FFD1",
                                "--decode", "E00002191555ebdb", "--decode", bits, "-", lists.utf8, lists.cp1252},
                               "\xC3\xA9T\xC3\xA9" "1\n");
    EXPECT_EQ(run.Status, 0) << run.Err;
    // ÉTÉ1 and ÄTÄ1 share one 64-bit code; a wrong prefix still finds its plate.
    EXPECT_EQ(run.Out, kDecodeHeader64 +
                           "0x600002191555EBDB;0x600002191555EBDB;ok;HK55EVB;HK55EVB\r\n"
                           "0x6000000FFFB7FFD1;0x6000000FFFB7FFD1;ok;??T??1;\xC3\x89T\xC3\x89" "1;\xC3\x84T\xC3\x84" "1\r\n"
                           "E00002191555ebdb;0xE00002191555EBDB;not 0110;HK55EVB;HK55EVB\r\n" +
                           bits + ";0x600002191555EBDB;ok;HK55EVB;HK55EVB\r\n");
}

TEST(CorvanaCliDecode, ReportsEachCodeThatCannotBeDecodedAndGoesOn)
{
    TTempDir dir;
    const std::string out = dir / "decoded.txt";
    const TCliRun run = RunCli({"-o", out, "--decode", "0x4000000", "--decode", "0x3019E2A", "--decode", "hk55evb",
                                "--decode", "300/1", "--plate", "hk 55 evb"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, "corvana-cli: cannot decode \"0x4000000\": 0x4000000 is above the largest 26-bit frame 0x3FFFFFF\n"
                       "corvana-cli: cannot decode \"hk55evb\": expected 1 to 7 hex digits such as 0x3019E2A, 26 "
                       "binary digits, or a facility code and ID number such as 128/53013\n"
                       "corvana-cli: cannot decode \"300/1\": facility code 300 is above 255\n");
    EXPECT_EQ(ReadBytes(out), kDecodeHeader26 + "0x3019E2A;0x3019E2A;ok;128;53013;HK55EVB\r\n");

    const TCliRun bad64 = RunCli({"--table", "64", "--decode", "0x6000000000000001", "--decode", "0x3019E2A"});
    EXPECT_EQ(bad64.Status, 1);
    EXPECT_EQ(bad64.Out, kDecodeHeader64);
    EXPECT_EQ(bad64.Err, "corvana-cli: cannot decode \"0x6000000000000001\": group 10 has the value 1, which no plate gives\n"
                         "corvana-cli: cannot decode \"0x3019E2A\": expected 16 hex digits, got 7\n");

    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--decode"}, {"--decode", "1", "--columns", "2"}, {"--decode", "1", "--all-columns"},
             {"--format", "xml"}, {"--format"}}) {
        const TCliRun usage = RunCli(args);
        EXPECT_EQ(usage.Status, 2) << ::testing::PrintToString(args);
        EXPECT_THAT(usage.Err, HasSubstr("\nTry 'corvana-cli --help' for more information.\n")) << ::testing::PrintToString(args);
    }
}

TEST(CorvanaCliDecode, WritesCommaSeparatedValuesOnRequest)
{
    TPlateLists lists;
    // CSV starts with the UTF-8 byte order mark, so that spreadsheets read it as UTF-8.
    EXPECT_EQ(RunCli({"--format", "csv", "--plate", "hk 55 evb", lists.utf16}).Out,
              "\xEF\xBB\xBF" "Number plate,Wiegand 26-bit (hex),Facility code,ID number\r\n"
              "HK55EVB,0x3019E2A,128,53013\r\nAB12,0x2DE4806,111,9219\r\nZ,0x26BA1FA,53,53501\r\n");
    EXPECT_EQ(RunCli({"--format", "csv", "--no-bom", "--table", "64", "--all-columns", "--plate", "hk 55 evb"}).Out,
              "Number plate,Wiegand 64-bit (raw),Wiegand 64-bit (dec)\r\n"
              "HK55EVB,0x600002191555EBDB,6917531334396472283\r\n");
    EXPECT_EQ(RunCli({"--format", "csv", "--decode", "0x3019E2A", "--decode", "0x3019E2B", lists.cp1252}).Out,
              "\xEF\xBB\xBF" "Code,Wiegand 26-bit (hex),Parity,Facility code,ID number,Number plates\r\n"
              "0x3019E2A,0x3019E2A,ok,128,53013,HK55EVB\r\n0x3019E2B,0x3019E2B,odd parity bit wrong,128,53013,HK55EVB\r\n");
    // The explicit default is the result file, byte for byte.
    EXPECT_EQ(RunCli({"--format", "semicolon", "--all-columns", lists.utf8}).Out,
              RunCli({"--all-columns", lists.utf8}).Out);
}

namespace {

// The fields of one line of a result file.
std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t semicolon; (semicolon = line.find(';', start)) != std::string::npos; start = semicolon + 1)
        fields.push_back(line.substr(start, semicolon - start));
    fields.push_back(line.substr(start));
    return fields;
}

// The lines of a text, CR LF taken off.
std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

} // namespace

TEST(CorvanaCliDecode, EveryCodeCellOfTheResultFileDecodesAsItStandsAndFindsItsPlate)
{
    TTempDir dir;
    const std::string plates = dir / "plates.txt";
    WriteBytes(plates, "hk 55 evb\nzz 9\n\xC3\xA4t\xC3\xA4" "1\nab-12\n");
    for (const std::string table : {"26", "64"}) {
        // The result file with every column, as corvana-cli writes it.
        const std::vector<std::string> result = Lines(RunCli({"--table", table, "--all-columns", plates}).Out);
        ASSERT_EQ(result.size(), 5u);
        std::vector<std::string> args = {"--table", table};
        std::vector<std::string> expected; // the plate each code finds
        for (std::size_t line = 1; line < result.size(); ++line) {
            const std::vector<std::string> fields = Fields(result[line]);
            std::vector<std::string> codes(fields.begin() + 1, fields.end());
            if (table == "26") {
                codes.resize(4); // the pair, with a blank, instead of its two halves
                codes.push_back(fields[5] + " " + fields[6]);
            }
            for (const std::string& code : codes) {
                args.insert(args.end(), {"--decode", code});
                expected.push_back(fields[0]);
            }
        }
        args.push_back(plates);
        const TCliRun run = RunCli(args);
        EXPECT_EQ(run.Status, 0) << run.Err;
        // Each code has a line (of one of its readings) that ends with its plate.
        const std::vector<std::string> report = Lines(run.Out);
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const std::string& code = args[2 + 2 * i + 1];
            EXPECT_TRUE(std::any_of(report.begin() + 1, report.end(), [&](const std::string& line) {
                const std::vector<std::string> fields = Fields(line);
                return fields.front() == code && fields.back() == expected[i] && fields[2] == "ok";
            })) << code << " of " << expected[i] << "\n" << run.Out;
        }
    }
}

TEST(CorvanaCliDecode, AnAmbiguousCodeGivesALineForEachReading)
{
    // 3821729 is the truncated digest of AMB1927 in decimal, and the frame of
    // AMB23497 in hex.
    const TCliRun run = RunCli({"--decode", "3821729", "--decode", "0x3019E2A", "--plate", "AMB23497", "--plate", "AMB1927",
                                "--plate", "hk 55 evb"});
    EXPECT_EQ(run.Status, 0) << run.Err;
    const std::vector<std::string> lines = Lines(run.Out);
    ASSERT_EQ(lines.size(), 4u) << run.Out;
    EXPECT_EQ(Fields(lines[1]).front(), "3821729");
    EXPECT_EQ(Fields(lines[1]).back(), "AMB1927");
    EXPECT_EQ(lines[2].substr(0, 18), "3821729;0x3821729;");
    EXPECT_EQ(Fields(lines[2]).back(), "AMB23497");
    EXPECT_EQ(lines[3], "0x3019E2A;0x3019E2A;ok;128;53013;HK55EVB");
}

TEST(CorvanaCliDecode, ReadsCodesFromAFileOrStandardInputOnePerLine)
{
    TTempDir dir;
    const std::string codes = dir / "codes.txt";
    WriteBytes(codes, "0x3019E2A\r\n\r\n  128 53013 \r\n8441621\r\nhk55evb\r\n0x2DE4806");
    const std::string plates = dir / "plates.txt";
    WriteBytes(plates, "hk 55 evb\nab-12\n");
    const std::string expected = kDecodeHeader26 +
                                 "0x3019E2A;0x3019E2A;ok;128;53013;HK55EVB\r\n"
                                 "128 53013;0x3019E2A;ok;128;53013;HK55EVB\r\n"
                                 "8441621;0x3019E2A;ok;128;53013;HK55EVB\r\n"
                                 "0x2DE4806;0x2DE4806;ok;111;9219;AB12\r\n";
    const std::string error = "corvana-cli: cannot decode \"hk55evb\": expected 1 to 7 hex digits such as 0x3019E2A, 26 "
                              "binary digits, or a facility code and ID number such as 128/53013\n";
    const TCliRun fromFile = RunCli({"--decode-file", codes, plates});
    EXPECT_EQ(fromFile.Status, 1);
    EXPECT_EQ(fromFile.Out, expected);
    EXPECT_EQ(fromFile.Err, error);
    const TCliRun fromInput = RunCli({"--decode-file", "-", plates}, ReadBytes(codes));
    EXPECT_EQ(fromInput.Status, 1);
    EXPECT_EQ(fromInput.Out, expected);
    EXPECT_EQ(fromInput.Err, error);
    // Codes given and codes from a file keep their order.
    EXPECT_EQ(RunCli({"--decode", "0x2DE4806", "--decode-file", codes, plates}).Out.substr(kDecodeHeader26.size(), 38),
              "0x2DE4806;0x2DE4806;ok;111;9219;AB12\r\n");

    // Standard input is read once; a missing code file is a file error.
    const TCliRun twice = RunCli({"--decode-file", "-", "-"}, "0x3019E2A\n");
    EXPECT_EQ(twice.Status, 2);
    EXPECT_EQ(twice.Err, "corvana-cli: standard input (\"-\") can be read only once\n"
                         "Try 'corvana-cli --help' for more information.\n");
    const TCliRun missing = RunCli({"--decode-file", dir / "none.txt", plates});
    EXPECT_EQ(missing.Status, 1);
    EXPECT_THAT(missing.Err, HasSubstr("cannot open file \"" + dir / "none.txt" + "\""));
    EXPECT_EQ(missing.Out, "");
}
