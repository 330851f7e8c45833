// corvana-cli with workbooks: sheets read as lists (--input xlsx|ods), and the
// result table written as a workbook (--format xlsx) that an independent reader
// finds typed as it must be.

#include "CliProcess.h"
#include "TestFiles.h"
#include "TestWorkbooks.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>


using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

std::string InlineCell(const std::string& reference, const std::string& text)
{
    return "<c r=\"" + reference + "\" t=\"inlineStr\"><is><t>" + text + "</t></is></c>";
}

} // namespace

TEST(CorvanaCliWorkbook, ASheetReadsLikeItsCsvExportAndSaysWhichRowsItSkips)
{
    TTempDir dir;
    // The plate 00001 is a number shown with leading zeros, 007 a text; row 4 is
    // blank, row 5's plate a formula's, and the last row the total.
    const std::string data =
        "<row r=\"1\">" + InlineCell("A1", "Nr.") + InlineCell("B1", "Kennzeichen") + InlineCell("C1", "Halter") +
        "</row><row r=\"2\"><c r=\"A2\"><v>1</v></c>" + InlineCell("B2", "007") + InlineCell("C2", "Schmidt, Hans") +
        "</row><row r=\"3\"><c r=\"A3\"><v>2</v></c><c r=\"B3\" s=\"1\"><v>1</v></c>" + InlineCell("C3", "M\xC3\xBCller") +
        "</row><row r=\"5\"><c r=\"A5\"><v>3</v></c><c r=\"B5\" t=\"str\"><f>B2&amp;\"X\"</f><v>007X</v></c></row>"
        "<row r=\"6\">" + InlineCell("A6", "Total") + "<c r=\"B6\"><v>2</v></c></row>";
    WriteBytes(dir / "vehicles.xlsx",
               ZipBytes(XlsxParts({{"Fahrzeuge", data}}, "", "<numFmt numFmtId=\"164\" formatCode=\"00000\"/>",
                                  "<xf numFmtId=\"0\"/><xf numFmtId=\"164\"/>")));
    WriteBytes(dir / "vehicles.csv", "Nr.,Kennzeichen,Halter\n1,007,\"Schmidt, Hans\"\n2,00001,M\xC3\xBCller\n");
    const TCliRun csv = RunCli({"--input", "csv", "--header", dir / "vehicles.csv"});
    ASSERT_EQ(csv.Status, 0) << csv.Err;

    // The plate column is found by its name, as the window finds it.
    const TCliRun xlsx = RunCli({"--input", "xlsx", "--header", "--strict", dir / "vehicles.xlsx"});
    EXPECT_EQ(xlsx.Status, 1);
    EXPECT_EQ(xlsx.Out, csv.Out);
    EXPECT_THAT(xlsx.Out, HasSubstr("\r\n007;0x0AA0902;85;1153;1;\"Schmidt, Hans\"\r\n00001;0x3416247;"));
    const std::string name = dir / "vehicles.xlsx";
    EXPECT_EQ(xlsx.Err, "corvana-cli: " + name +
                            ": row 5: a formula computes the plate cell \"007X\"; a plate is typed, not computed\n"
                            "corvana-cli: " + name +
                            ": row 6: the last record reads as a total row (\"Total\"), not as a vehicle\n"
                            "corvana-cli: 2 records skipped: 1 with a formula for a plate, 1 reading as a total row\n");

    // An .ods, from standard input, its sheet chosen by name; a sheet it lacks is named with those it has.
    const std::string ods = ZipBytes(OdsParts(
        "<table:table table:name=\"Notes\"/><table:table table:name=\"Fahrzeuge\"><table:table-row>"
        "<table:table-cell><text:p>Plate</text:p></table:table-cell></table:table-row><table:table-row>"
        "<table:table-cell><text:p>HK 55 EVB</text:p></table:table-cell></table:table-row></table:table>"));
    const TCliRun fromInput = RunCli({"--input", "ods", "--sheet", "Fahrzeuge", "--header", "-"}, ods);
    EXPECT_EQ(fromInput.Out, "Number plate;Wiegand 26-bit (hex);Facility code;ID number\r\nHK55EVB;0x3019E2A;128;53013\r\n");
    const TCliRun noSheet = RunCli({"--input", "ods", "--sheet", "3", "-"}, ods);
    EXPECT_EQ(noSheet.Status, 1);
    EXPECT_EQ(noSheet.Err, "corvana-cli: standard input: cannot read the workbook: it has no sheet \"3\"; its "
                           "sheets: \"Notes\", \"Fahrzeuge\"\n");
    EXPECT_EQ(noSheet.Out, "");
}

TEST(CorvanaCliWorkbook, TheWorkbookWrittenKeepsEveryCodeExactlyForAnIndependentReader)
{
    TTempDir dir;
    WriteBytes(dir / "owners.csv", "Plate,Owner\n007,\"Smith, John\"\nHK 55 EVB,0042\n");
    const TCliRun run = RunCli({"--input", "csv", "--header", "--all-columns", "--format", "xlsx", "-o",
                                dir / "cards.xlsx", dir / "owners.csv"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"cards.xlsx", "owners.csv"}));
    // Plates, hexadecimal codes and the digest are text, the numbers a spreadsheet keeps exactly are
    // numbers, and the other columns are text as they came ("0042" too).
    EXPECT_THAT(OpenpyxlCells(dir / "cards.xlsx"),
                ElementsAre("s:Number plate|s:Wiegand 26-bit (hex)|s:Digest (full hex)|s:Digest (truncated hex)|"
                            "s:Digest (truncated dec)|s:Facility code|s:ID number|s:Owner",
                            "s:007|s:0x0AA0902|s:0x15346B59 3C4D0CF0 5FB6E67A 5669D852 E6550481|s:0x550481|"
                            "n:5571713|n:85|n:1153|s:Smith, John",
                            "s:HK55EVB|s:0x3019E2A|s:0xA44F633C 8A6D1581 50CCEB3E F83D9DE0 BA80CF15|s:0x80CF15|"
                            "n:8441621|n:128|n:53013|s:0042",
                            "Wiegand 26-bit (SHA-1) A2 True"));
    // The 64-bit code's 19 decimal digits are text, as the result file has them;
    // a number would lose four of them.
    const std::vector<std::string> table64 = {"--table", "64", "--all-columns", "--plate", "ÄTÄ1SCHLÜSSEL"};
    std::vector<std::string> args = table64;
    args.insert(args.end(), {"--format", "xlsx", "-o", dir / "wide.xlsx"});
    ASSERT_EQ(RunCli(args).Status, 0);
    std::string cells = RunCli(table64).Out;
    cells = "s:" + cells.substr(cells.find("\r\n") + 2, cells.size() - cells.find("\r\n") - 4);
    for (std::size_t at; (at = cells.find(';')) != std::string::npos;)
        cells.replace(at, 1, "|s:");
    EXPECT_EQ(cells.size(), std::string("s:ÄTÄ1SCHLÜSSEL|s:0x6FFFB7FFD1B1C865|s:").size() + 19);
    EXPECT_THAT(OpenpyxlCells(dir / "wide.xlsx"),
                ElementsAre("s:Number plate|s:Wiegand 64-bit (raw)|s:Wiegand 64-bit (dec)", cells, "Wiegand 64-bit A2 True"));
}
