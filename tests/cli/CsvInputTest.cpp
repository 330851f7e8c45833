// corvana-cli --input csv end to end: spreadsheet exports as installers get them,
// made here, read by the real binary; the CSV it writes read back by Python's csv
// module as a spreadsheet-like reader.
#include "CliProcess.h"
#include "CommandOutput.h"
#include "TestFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>

using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

const std::string kBom = "\xEF\xBB\xBF";

struct TVehicle {
    std::string plate; // as the list writes it
    std::string owner; // UTF-8
    std::string department;
};

// 200 vehicles whose owners' names hold commas, quotes and letters beyond ASCII.
std::vector<TVehicle> Vehicles()
{
    std::vector<TVehicle> vehicles;
    const char* const owners[] = {"Smith, John", "M\xC3\xBCller", "O\"Brien", "\xC3\x89milie Durand", "Lee"};
    const char* const departments[] = {"Sales", "IT", "Stra\xC3\x9F" "enbau", "Front desk"};
    for (int i = 0; i < 200; ++i) {
        const std::string number = std::to_string(1000 + i);
        vehicles.push_back({std::string(i % 2 ? "m-ab " : "HK-") + number, owners[i % 5], departments[i % 4]});
    }
    vehicles[0].plate = "M-AB 1234"; // the example: facility code 92, ID number 1002
    return vehicles;
}

std::string CsvField(const std::string& text, char separator)
{
    if (text.find_first_of(std::string(1, separator) + "\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// The vehicles as a spreadsheet exports them: a header, then one record a line.
std::string Export(const std::vector<TVehicle>& vehicles, char separator, bool plateSecond, const std::string& plateName)
{
    const std::string sep(1, separator);
    std::string text = plateSecond ? "Owner" + sep + plateName + sep + "Department\r\n"
                                   : plateName + sep + "Owner" + sep + "Department\r\n";
    for (const TVehicle& v : vehicles) {
        const std::string plate = CsvField(v.plate, separator), owner = CsvField(v.owner, separator);
        text += (plateSecond ? owner + sep + plate : plate + sep + owner) + sep + CsvField(v.department, separator) +
                "\r\n";
    }
    return text;
}

std::string ToWindows1252(const std::string& utf8)
{
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x80) {
            out += char(byte);
            continue;
        }
        // Two-byte sequences of Latin-1 letters only, which is all the vehicles hold.
        out += char(((byte & 0x1F) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F));
    }
    return out;
}

std::string ToUtf16LE(const std::string& utf8)
{
    std::string out = "\xFF\xFE";
    for (unsigned char c : ToWindows1252(utf8)) {
        out += char(c);
        out += '\0';
    }
    return out;
}

// The result lines the plain converter writes for the plates (header left out).
std::vector<std::string> PlainLines(const std::vector<TVehicle>& vehicles, const std::vector<std::string>& options)
{
    std::string list;
    for (const TVehicle& v : vehicles)
        list += v.plate + "\n";
    std::vector<std::string> args = options;
    args.push_back("-");
    const TCliRun run = RunCli(args, list);
    EXPECT_EQ(run.Status, 0) << run.Err;
    std::vector<std::string> lines;
    for (std::size_t start = run.Out.find("\r\n") + 2; start < run.Out.size();) {
        const std::size_t end = run.Out.find("\r\n", start);
        lines.push_back(run.Out.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// What Python's csv module reads from a file as a spreadsheet would: its rows,
// each row's fields joined by U+001F.
std::vector<std::string> PythonCsvRows(const std::string& path)
{
    const std::string command = "python3 -c 'import csv, sys\n"
                                "with open(sys.argv[1], newline=\"\", encoding=\"utf-8-sig\") as f:\n"
                                "    for row in csv.reader(f): sys.stdout.write(\"\\x1f\".join(row) + \"\\x1e\")' " +
                                path;
    const std::string out = CommandOutput(command);
    std::vector<std::string> rows;
    for (std::size_t start = 0, end; (end = out.find('\x1e', start)) != std::string::npos; start = end + 1)
        rows.push_back(out.substr(start, end - start));
    return rows;
}

} // namespace

TEST(CorvanaCliCsv, TheFourExportsGiveTheRightCodesWithTheOwnersBesideThem)
{
    TTempDir dir;
    const std::vector<TVehicle> vehicles = Vehicles();
    const std::vector<std::string> plain = PlainLines(vehicles, {});
    ASSERT_EQ(plain.size(), vehicles.size());
    ASSERT_EQ(plain[0], "MAB1234;0x0B807D4;92;1002");

    struct TExport {
        const char* name;
        std::string bytes;
        std::vector<std::string> options;
    };
    const std::vector<TExport> exports = {
        {"comma.csv", Export(vehicles, ',', false, "Plate"), {}},
        {"german.csv", ToWindows1252(Export(vehicles, ';', true, "Kennzeichen")), {"--plate-column", "Kennzeichen"}},
        {"unicode.txt", ToUtf16LE(Export(vehicles, '\t', false, "Registration")), {}},
        {"windows.csv", ToWindows1252(Export(vehicles, ',', true, "Plate")), {"--plate-column", "2"}},
    };
    for (const TExport& e : exports) {
        SCOPED_TRACE(e.name);
        WriteBytes(dir / e.name, e.bytes);
        std::vector<std::string> args = {"--input", "csv", "--header"};
        args.insert(args.end(), e.options.begin(), e.options.end());
        args.push_back(dir / e.name);
        const TCliRun run = RunCli(args);
        ASSERT_EQ(run.Status, 0) << run.Err;
        EXPECT_EQ(run.Err, "");
        std::string expected = "Number plate;Wiegand 26-bit (hex);Facility code;ID number;Owner;Department\r\n";
        for (std::size_t i = 0; i < vehicles.size(); ++i) {
            // A spreadsheet's import would split "Smith, John" at its comma: it is quoted.
            const std::string& name = vehicles[i].owner;
            const std::string owner = name.find('"') != std::string::npos   ? "\"O\"\"Brien\""
                                      : name.find(',') != std::string::npos ? "\"" + name + "\""
                                                                            : name;
            expected += plain[i] + ";" + owner + ";" + vehicles[i].department + "\r\n";
        }
        EXPECT_EQ(run.Out, expected);
    }

    // The detected separator is the spreadsheet's, and one may still say it.
    const TCliRun said = RunCli({"--input", "csv", "--separator", ";", "--header", "--plate-column", "2",
                                 "--table", "64", dir / "german.csv"});
    EXPECT_THAT(said.Out, HasSubstr("\r\nMAB1234;0x6000"));
    EXPECT_THAT(said.Out, StartsWith("Number plate;Wiegand 64-bit (raw);Owner;Department\r\n"));
}

TEST(CorvanaCliCsv, CsvOutputStartsWithAByteOrderMarkAndReadsBackInASpreadsheetReader)
{
    TTempDir dir;
    WriteBytes(dir / "owners.csv",
               "Plate,Owner,Notes\r\nM-AB 1234,\"Smith, John\",\"two\r\nlines\"\r\nhk 55 evb,\"O\"\"Brien\",\"a;b\"\r\n");
    const TCliRun run =
        RunCli({"--input", "csv", "--header", "--format", "csv", "-o", dir / "cards.csv", dir / "owners.csv"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const std::string written = ReadBytes(dir / "cards.csv");
    EXPECT_THAT(written, StartsWith(kBom + "Number plate,"));
    EXPECT_THAT(PythonCsvRows(dir / "cards.csv"),
                ElementsAre("Number plate\x1fWiegand 26-bit (hex)\x1f" "Facility code\x1fID number\x1fOwner\x1fNotes",
                            "MAB1234\x1f" "0x0B807D4\x1f" "92\x1f" "1002\x1fSmith, John\x1ftwo\r\nlines",
                            "HK55EVB\x1f" "0x3019E2A\x1f" "128\x1f" "53013\x1fO\"Brien\x1f" "a;b"));

    // --no-bom leaves it out; the result file never had one.
    EXPECT_THAT(RunCli({"--format", "csv", "--no-bom", "--plate", "A"}).Out, StartsWith("Number plate,"));
    // In the result file a line break is a space and a field with ";" or "," is
    // quoted, so that each line stays one row and the file a plate list.
    EXPECT_EQ(RunCli({"--input", "csv", "--header", dir / "owners.csv"}).Out,
              "Number plate;Wiegand 26-bit (hex);Facility code;ID number;Owner;Notes\r\n"
              "MAB1234;0x0B807D4;92;1002;\"Smith, John\";two lines\r\n"
              "HK55EVB;0x3019E2A;128;53013;\"O\"\"Brien\";\"a;b\"\r\n");
}

TEST(CorvanaCliCsv, OtherCellsAreWrittenAlikeHoweverTheirRecordStands)
{
    // Records whose cells are written as they stand, and every kind that is not.
    TTempDir dir;
    WriteBytes(dir / "list.csv", "Plate;Owner;Note\r\nAB 1;Lee;x\r\n\"AB 2\";Ann;y\r\nAB 3;\"Smith; J\";z\r\n"
                                   "AB 4;\"Bob\";w\r\nAB 5;Kim\r\nAB 6;Tom;n;extra\r\nAB 7;O\"Brien;q\r\n");
    std::vector<TVehicle> vehicles;
    for (int i = 1; i <= 7; ++i)
        vehicles.push_back({"AB " + std::to_string(i), "", ""});
    const std::vector<std::string> resultCells = {"Lee;x", "Ann;y", "\"Smith; J\";z", "Bob;w",
                                                  "Kim;",  "Tom;n", "\"O\"\"Brien\";q"};
    const std::vector<std::string> csvCells = {"Lee,x", "Ann,y", "\"Smith; J\",z", "Bob,w", "Kim,", "Tom,n", "\"O\"\"Brien\",q"};
    for (const bool csv : {false, true}) {
        const std::vector<std::string> format = csv ? std::vector<std::string>{"--format", "csv"} : std::vector<std::string>{};
        const char sep = csv ? ',' : ';';
        const std::vector<std::string> codes = PlainLines(vehicles, format);
        std::string expected = std::string(csv ? kBom : "") + "Number plate" + sep + "Wiegand 26-bit (hex)" + sep +
                               "Facility code" + sep + "ID number" + sep + "Owner" + sep + "Note\r\n";
        for (std::size_t i = 0; i < codes.size(); ++i)
            expected += codes[i] + sep + (csv ? csvCells : resultCells)[i] + "\r\n";
        std::vector<std::string> args = {"--input", "csv", "--header"};
        args.insert(args.end(), format.begin(), format.end());
        args.push_back(dir / "list.csv");
        const TCliRun run = RunCli(args);
        EXPECT_EQ(run.Status, 0);
        EXPECT_EQ(run.Out, expected);
    }
    // A comma-separated list to CSV: a blank at either end of a cell, wherever it
    // falls among the bytes, is quoted, or a spreadsheet's import would drop it.
    WriteBytes(dir / "blanks.csv", "Plate,Owner,Note\nAB 1, lead,x\nAB 2,trail ,y\nAB 3,0123456789012 x,z\n"
                                   "AB 4,a,b \nAB 5,0123456789ABCD, 16th\n");
    const std::string out = RunCli({"--input", "csv", "--header", "--format", "csv", dir / "blanks.csv"}).Out;
    for (const char* cells : {",\" lead\",x\r\n", ",\"trail \",y\r\n", ",0123456789012 x,z\r\n", ",a,\"b \"\r\n",
                              ",0123456789ABCD,\" 16th\"\r\n"})
        EXPECT_THAT(out, HasSubstr(cells));
}

TEST(CorvanaCliCsv, RejectedRecordsAreReportedWithTheirLinesTheFirstTenThenACount)
{
    TTempDir dir;
    std::string list = "Plate,Owner\n";
    for (int i = 0; i < 24; ++i) // lines 2 to 25, every other one without a plate
        list += i % 2 ? "AB " + std::to_string(i) + ",ok\n" : ",nobody " + std::to_string(i) + "\n";
    list += "--,dash\nABCDEFGHIJKLMNOPQ,long\n";
    WriteBytes(dir / "list.csv", list);
    const TCliRun run = RunCli({"--input", "csv", "--header", "--verbose", dir / "list.csv"});
    EXPECT_EQ(run.Status, 0);
    std::string expected;
    for (int line = 2; line <= 20; line += 2)
        expected += "corvana-cli: " + dir / "list.csv" + ": line " + std::to_string(line) + ": the plate field is empty\n";
    expected += "corvana-cli: 14 records skipped: 12 with an empty plate field, 1 with only spaces and punctuation "
                "for a plate, 1 with a plate longer than 16 bytes (the first 10 are listed above)\n";
    expected += "corvana-cli: 12 accepted, 14 rejected\n";
    EXPECT_EQ(run.Err, expected);
    EXPECT_THAT(run.Out, HasSubstr("\r\nAB23;"));

    // --strict: any rejected record is exit status 1, with the count said.
    const TCliRun strict = RunCli({"--input", "csv", "--header", "--strict", "--plate", "X", dir / "list.csv"});
    EXPECT_EQ(strict.Status, 1);
    EXPECT_THAT(strict.Err, HasSubstr("corvana-cli: 14 records skipped: "));
    EXPECT_THAT(strict.Out, StartsWith("Number plate;Wiegand 26-bit (hex);Facility code;ID number;Owner\r\nX;"))
        << "a --plate comes first, with the list's columns empty";
    WriteBytes(dir / "clean.csv", "Plate,Owner\nAB 1,x\n");
    EXPECT_EQ(RunCli({"--input", "csv", "--header", "--strict", dir / "clean.csv"}).Status, 0);

    // A quote never closed loses the rest of the list: never without a word.
    WriteBytes(dir / "open.csv", "Plate,Owner\nAB 1,\"Lee\nCD 2,x\n");
    const TCliRun open = RunCli({"--input", "csv", "--header", "--strict", dir / "open.csv"});
    EXPECT_EQ(open.Status, 1);
    EXPECT_THAT(open.Err, HasSubstr(": line 2: a quote opened here is never closed; the rest of the list is not read\n"));
    EXPECT_EQ(open.Out, "Number plate;Wiegand 26-bit (hex);Facility code;ID number;Owner\r\n");
}

TEST(CorvanaCliCsv, CollisionsDecodeAndSeveralListsReadTheSameWay)
{
    TTempDir dir;
    WriteBytes(dir / "a.csv", "Owner;Kennzeichen;Phone\nLee;hk 55 evb;1\nAnn;ab-12;2\n");
    WriteBytes(dir / "b.csv", "Kennzeichen;Fax;Owner\nzz 9;7;Bob\nhk 55 evb;8;Lee again\n");
    const std::vector<std::string> lists = {dir / "a.csv", dir / "b.csv"};
    std::vector<std::string> args = {"--input", "csv", "--header", "--plate-column", "Kennzeichen"};
    args.insert(args.end(), lists.begin(), lists.end());
    const TCliRun both = RunCli(args);
    EXPECT_EQ(both.Status, 0);
    // The first list settles the other columns; the second's fit in by name.
    EXPECT_EQ(both.Out, "Number plate;Wiegand 26-bit (hex);Facility code;ID number;Owner;Phone\r\n"
                        "HK55EVB;0x3019E2A;128;53013;Lee;1\r\n"
                        "AB12;0x2DE4806;111;9219;Ann;2\r\n"
                        "ZZ9;0x1B844A0;220;8784;Bob;\r\n"
                        "HK55EVB;0x3019E2A;128;53013;Lee again;\r\n");
    EXPECT_EQ(both.Err, "corvana-cli: " + dir / "b.csv" +
                            ": its column \"Fax\" is not among the first list's columns; it is left out\n");

    std::vector<std::string> decode = {"--decode", "0x3019E2A"};
    decode.insert(decode.end(), args.begin(), args.end());
    EXPECT_THAT(RunCli(decode).Out, HasSubstr("\r\n0x3019E2A;0x3019E2A;ok;128;53013;HK55EVB\r\n"));
    std::vector<std::string> collisions = {"--collisions", "--table", "64", "--verbose"};
    collisions.insert(collisions.end(), args.begin(), args.end());
    const TCliRun report = RunCli(collisions);
    EXPECT_EQ(report.Status, 0);
    EXPECT_THAT(report.Err, HasSubstr("4 plates, 0 groups, 0 plates in groups, 1 repeats"));

    // A header the plate column is not in, or a plate column the list lacks.
    const TCliRun missing = RunCli({"--input", "csv", "--header", "--plate-column", "Plate", dir / "a.csv"});
    EXPECT_EQ(missing.Status, 1);
    EXPECT_EQ(missing.Err, "corvana-cli: " + dir / "a.csv" +
                               ": no column \"Plate\" in the header (its columns: \"Owner\", \"Kennzeichen\", \"Phone\")\n");
    EXPECT_EQ(RunCli({"--input", "csv", "--plate-column", "4", dir / "a.csv"}).Status, 1);
    // With a header and no plate column said, the one named like it holds the
    // plate; without such a name nothing is computed.
    const TCliRun unsaid = RunCli({"--input", "csv", "--header", dir / "a.csv"});
    EXPECT_EQ(unsaid.Status, 0);
    EXPECT_EQ(unsaid.Out, RunCli({"--input", "csv", "--header", "--plate-column", "2", dir / "a.csv"}).Out);
    WriteBytes(dir / "numbered.csv", "Nr.,Owner\n1,Lee\n");
    const TCliRun unnamed = RunCli({"--input", "csv", "--header", dir / "numbered.csv"});
    EXPECT_EQ(unnamed.Status, 1);
    EXPECT_EQ(unnamed.Out, "");
    EXPECT_EQ(unnamed.Err, "corvana-cli: " + dir / "numbered.csv" +
                               ": no column of the header reads like the plate column (its columns: \"Nr.\", "
                               "\"Owner\"); choose the plate column with --plate-column N|NAME\n");
}

TEST(CorvanaCliCsv, APlainListThatLooksDelimitedSaysSoAndStaysAsItWas)
{
    TTempDir dir;
    WriteBytes(dir / "owners.csv", "Plate,Owner\nM-AB 1234,1042\nX 1,Lee\n");
    const TCliRun run = RunCli({dir / "owners.csv"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, "corvana-cli: " + dir / "owners.csv" +
                           ": 3 of 3 lines hold a comma, so it looks like a comma-separated list; read it with "
                           "--input csv (and --header when its first line names the columns)\n");
    EXPECT_THAT(run.Out, HasSubstr("\r\nMAB12341042;"));
    const TCliRun tabs = RunCli({"-"}, "a\tb\nc\td\n");
    EXPECT_THAT(tabs.Err, HasSubstr("corvana-cli: standard input: 2 of 2 lines hold a tab, so it looks like a "
                                    "tab-separated list"));
    // A result file holds commas only after its ";": no word.
    EXPECT_EQ(RunCli({"-"}, "AB12;Smith, John\n").Err, "");
}

TEST(CorvanaCliCsv, ListOptionsAreCheckedLikeEveryOther)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--header"},
             {"--separator", ","},
             {"--input", "csv", "--separator", "|"},
             {"--input", "xls"},
             {"--input", "csv", "--plate-column", "0"},
             {"--input", "csv", "--plate-column", "Plate"},
             {"--strict"},
         }) {
        const TCliRun usage = RunCli(args);
        EXPECT_EQ(usage.Status, 2) << ::testing::PrintToString(args);
        EXPECT_THAT(usage.Err, EndsWith("\nTry 'corvana-cli --help' for more information.\n"))
            << ::testing::PrintToString(args);
        EXPECT_EQ(std::count(usage.Err.begin(), usage.Err.end(), '\n'), 2) << ::testing::PrintToString(args);
    }
    EXPECT_THAT(RunCli({"--header"}).Err,
                StartsWith("corvana-cli: --header reads delimited lists; it needs --input csv, xlsx or ods\n"));
}
