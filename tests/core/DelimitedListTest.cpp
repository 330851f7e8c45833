#include "DelimitedPlateList.h"
#include "DelimitedText.h"
#include "PlateList.h"
#include "ResultFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

using ::testing::ElementsAre;
using Fields = std::vector<std::string>;

namespace {

struct TParsed {
    std::vector<Fields> records;
    std::vector<std::uint64_t> lines;
    std::vector<std::uint64_t> unclosed;
    std::vector<std::pair<std::uint64_t, TTextFault>> rejected;
};

class TCollectRecords : public TRecordSink {
public:
    void Record(const TDelimitedRecord& record) override
    {
        parsed.records.emplace_back(record.Fields.begin(), record.Fields.end());
        parsed.lines.push_back(record.Line);
        texts.emplace_back(record.Text);
        // A whole record lies in a text that may be read on past its fields.
        EXPECT_EQ(record.TextEnd != nullptr, !record.Text.empty());
        for (const std::string_view field : record.TextEnd ? record.Fields : std::vector<std::string_view>())
            EXPECT_LE(field.data() + field.size(), record.TextEnd);
    }
    void UnclosedQuote(std::uint64_t line) override { parsed.unclosed.push_back(line); }
    void RecordRejected(std::uint64_t line, TTextFault fault) override { parsed.rejected.emplace_back(line, fault); }
    TParsed parsed;
    std::vector<std::string> texts;
};

TParsed Parse(std::string_view text, char separator = ',')
{
    TCollectRecords collect;
    TDelimitedParser parser(collect, separator);
    parser.Text(text);
    parser.End();
    return collect.parsed;
}

struct TPlateOut {
    std::string plate;
    Fields fields;
    std::uint64_t line;
};

class TCollectPlates : public TListPlateSink {
public:
    void ListColumns(const TListColumns& c) override { columns = c; }
    void ListPlate(const TPlateBytes& plate, const TDelimitedRecord& record) override
    {
        plates.push_back({std::string(plate), Fields(record.Fields.begin(), record.Fields.end()), record.Line});
    }
    void ListIssue(const TRecordIssue& issue) override { issues.push_back(IssueMessage(issue)); }
    TListColumns columns;
    std::vector<TPlateOut> plates;
    std::vector<std::string> issues;
};

TCollectPlates ReadList(std::string_view text, bool header, TPlateColumn column = {}, char separator = 0)
{
    TCollectPlates collect;
    TDelimitedListOptions options;
    options.Separator = separator;
    options.Header = header;
    options.PlateColumn = std::move(column);
    ReadDelimitedText(text, options, collect);
    return collect;
}

std::string Utf16(std::u16string_view text, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : text) {
        const char high = char(unit >> 8), low = char(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

} // namespace

TEST(DelimitedText, QuotedFieldsHoldSeparatorsDoubledQuotesAndLineBreaks)
{
    const TParsed parsed = Parse("a,\"b, c\",\"say \"\"hi\"\"\"\r\n\"two\r\nlines\",x\n\"\",,\r\nlast");
    EXPECT_THAT(parsed.records, ElementsAre(Fields{"a", "b, c", "say \"hi\""}, Fields{"two\r\nlines", "x"},
                                            Fields{"", "", ""}, Fields{"last"}));
    // A record is numbered by the line it starts on; a break inside quotes counts.
    EXPECT_THAT(parsed.lines, ElementsAre(1, 2, 4, 5));
    EXPECT_TRUE(parsed.unclosed.empty());

    // CR LF, LF and CR all end a record; blank lines are no records.
    EXPECT_THAT(Parse("a\r\n\r\nb\rc\n\nd\r").records,
                ElementsAre(Fields{"a"}, Fields{"b"}, Fields{"c"}, Fields{"d"}));
    EXPECT_THAT(Parse("a\r\n\r\nb\rc\n\nd\r").lines, ElementsAre(1, 3, 4, 6));
    // Leniently, as spreadsheets read: a quote inside an unquoted field is a
    // character; text after a closing quote joins the field; blanks stay.
    EXPECT_THAT(Parse("ab\"c,\"q\"r, s ").records, ElementsAre(Fields{"ab\"c", "qr", " s "}));
    EXPECT_THAT(Parse("a;b,c\tt", ';').records, ElementsAre(Fields{"a", "b,c\tt"}));
    EXPECT_THAT(Parse("a\tb;c\t\"x\ty\"", '\t').records, ElementsAre(Fields{"a", "b;c", "x\ty"}));
}

TEST(DelimitedText, AQuoteNeverClosedIsReportedWithItsLineAndGivesNoRecord)
{
    const TParsed parsed = Parse("a,1\nb,\"open\nc,3\nd,4\n");
    EXPECT_THAT(parsed.records, ElementsAre(Fields{"a", "1"}));
    EXPECT_THAT(parsed.unclosed, ElementsAre(2));
    EXPECT_THAT(Parse("x,\"\"").records, ElementsAre(Fields{"x", ""})) << "an empty quoted field is closed";
}

TEST(DelimitedText, PiecewiseParsingEqualsWholeParsing)
{
    std::mt19937 random(11);
    const std::string parts[] = {"a", ",", ";", "\t", "\"", "\"\"", "\r", "\n", "\r\n", "\xC3\xA9", " "};
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        for (int i = int(random() % 30); i > 0; --i)
            text += parts[random() % std::size(parts)];
        for (const char separator : {char(0), ',', ';', '\t'}) {
            TCollectRecords whole, pieces;
            TDelimitedParser wholeParser(whole, separator), pieceParser(pieces, separator);
            wholeParser.Text(text);
            wholeParser.End();
            for (std::size_t at = 0; at < text.size();) {
                const std::size_t n = 1 + random() % 4;
                pieceParser.Text(std::string_view(text).substr(at, n));
                at += n;
            }
            pieceParser.End();
            ASSERT_EQ(pieces.parsed.records, whole.parsed.records) << text;
            ASSERT_EQ(pieces.parsed.lines, whole.parsed.lines) << text;
            ASSERT_EQ(pieces.parsed.unclosed, whole.parsed.unclosed) << text;
            ASSERT_EQ(pieceParser.Separator(), wholeParser.Separator());
            // A record given with its text is that text, parsed alone.
            for (std::size_t i = 0; i < whole.texts.size(); ++i) {
                if (!whole.texts[i].empty()) {
                    ASSERT_THAT(Parse(whole.texts[i], wholeParser.Separator()).records,
                                ElementsAre(whole.parsed.records[i]))
                        << text;
                }
            }
        }
    }
}

TEST(DelimitedText, AFirstPieceBeyondTheDetectedSampleParsesAsAWhole)
{
    // Long lines: the separator is detected from the first 64 KiB, and the
    // text beyond them in the same piece is parsed as it stands.
    std::string text;
    int lines = 0;
    for (; text.size() < 200 * 1024; ++lines)
        text += std::string(900, char('a' + lines % 26)) + ";" + std::to_string(lines) + ",x\r\n";
    const TParsed whole = Parse(text, 0);
    ASSERT_EQ(whole.records.size(), std::size_t(lines));
    const int last = lines - 1;
    EXPECT_THAT(whole.records.back(), ElementsAre(std::string(900, char('a' + last % 26)), std::to_string(last) + ",x"));
    TCollectRecords pieces;
    TDelimitedParser parser(pieces, 0);
    parser.Text(std::string_view(text).substr(0, 100 * 1024));
    parser.Text(std::string_view(text).substr(100 * 1024));
    parser.End();
    EXPECT_EQ(pieces.parsed.records, whole.records);
    EXPECT_EQ(parser.Separator(), ';');
}

TEST(DelimitedText, SeparatorIsTheOneThatSplitsTheFirstLinesAlike)
{
    EXPECT_EQ(DetectSeparator("Plate,Owner,Department\r\nM-AB 1234,\"Smith; John\",Sales\r\nX 1,Lee,IT\r\n"), ',');
    // A German spreadsheet: ";" between fields, decimal commas inside them.
    EXPECT_EQ(DetectSeparator("Kennzeichen;Halter;Betrag\nM-AB 1234;M\xC3\xBCller;1,50\nB-C 2;Lee;2\n"), ';');
    EXPECT_EQ(DetectSeparator("Plate\tOwner\nM-AB 1234\tSmith, John\nX 1\tLee, Ann\n"), '\t');
    // Separators inside quotes do not count; one column is read with a comma.
    EXPECT_EQ(DetectSeparator("\"a;b\",1\n\"c;d\",2\n"), ',');
    EXPECT_EQ(DetectSeparator("M-AB 1234\nX 1\n"), ',');
    EXPECT_EQ(DetectSeparator(""), ',');
}

TEST(DelimitedPlateList, PlatesComeFromTheChosenColumnWithTheOtherFields)
{
    const std::string list = "Owner;Kennzeichen;Abteilung\r\nSmith;M-AB 1234;Sales\r\nLee;hk 55 evb;IT\r\n";
    const TCollectPlates byName = ReadList(list, true, {0, "kennzeichen"});
    EXPECT_THAT(byName.columns.Names, ElementsAre("Owner", "Kennzeichen", "Abteilung"));
    EXPECT_EQ(byName.columns.Plate, 1u);
    ASSERT_EQ(byName.plates.size(), 2u);
    EXPECT_EQ(byName.plates[0].plate, "MAB1234");
    EXPECT_THAT(byName.plates[0].fields, ElementsAre("Smith", "M-AB 1234", "Sales"));
    EXPECT_EQ(byName.plates[1].plate, "HK55EVB");
    EXPECT_EQ(byName.plates[1].line, 3u);
    EXPECT_TRUE(byName.issues.empty());
    EXPECT_EQ(ReadList(list, true, {1, ""}).plates[1].plate, "HK55EVB") << "by position";
    EXPECT_EQ(FindPlateColumn(byName.columns.Names), 1u);

    // Without a header the columns are numbered.
    EXPECT_THAT(ReadList("a,b\nc,d\n", false).columns.Names, ElementsAre("Column 1", "Column 2"));
    EXPECT_THAT(ReadList("Plate,,x\n", true).columns.Names, ElementsAre("Plate", "Column 2", "x"));
}

TEST(DelimitedPlateList, ARejectedRecordSaysWhyAndNeverBecomesAnotherPlate)
{
    const std::string list = "Owner,Plate\n"
                             "one,AB 12\n"
                             "\n"
                             ",,\n"
                             "empty,   \t\n"
                             "lonely\n"
                             "punctuation,--- ;x\n"
                             "long,ABCDEFGHIJKLMNOPQ\n"
                             "header,Number plate\n"
                             "two,CD 34,extra\n"
                             "three,\"EF 56\n"
                             "GH 78,lost\n";
    const TCollectPlates read = ReadList(list, true, {1, ""});
    ASSERT_EQ(read.plates.size(), 2u);
    EXPECT_EQ(read.plates[0].plate, "AB12");
    EXPECT_EQ(read.plates[1].plate, "CD34");
    EXPECT_THAT(read.plates[1].fields, ElementsAre("two", "CD 34", "extra"));
    EXPECT_THAT(read.issues,
                ElementsAre("line 5: the plate field is empty", "line 6: no field in column 2 for the plate",
                            "line 7: no plate is left of \"--- ;x\" once spaces and punctuation are removed",
                            "line 8: \"ABCDEFGHIJKLMNOPQ\" is longer than 16 bytes as a plate",
                            "line 9: \"Number plate\" reads as a column header, not a plate",
                            "line 10: the record has more fields than the list has columns; they are left out",
                            "line 11: a quote opened here is never closed; the rest of the list is not read"));
}

TEST(DelimitedPlateList, EachKindOfRejectedPlateField)
{
    const TCollectPlates read = ReadList("Plate\n  \n--- ; parked\nABCDEFGHIJKLMNOPQ\nNumber-Plate\n"
                                         "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\nok\n",
                                         true);
    ASSERT_EQ(read.plates.size(), 1u);
    EXPECT_EQ(read.plates[0].plate, "OK");
    EXPECT_THAT(read.issues,
                ElementsAre("line 2: the plate field is empty",
                            "line 3: no plate is left of \"--- ; parked\" once spaces and punctuation are removed",
                            "line 4: \"ABCDEFGHIJKLMNOPQ\" is longer than 16 bytes as a plate",
                            "line 5: \"Number-Plate\" reads as a column header, not a plate",
                            "line 6: \"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\" is "
                            "longer than 16 bytes as a plate"));
    // Only records whose fields are all empty are skipped without a word.
    EXPECT_THAT(ReadList("a\n \n,\n", false).issues, ElementsAre("line 2: the plate field is empty"));

    // A header line the list was not said to have is not a plate either.
    const TCollectPlates unsaid = ReadList("Kennzeichen,Owner\nX 1,Lee\n", false);
    EXPECT_THAT(unsaid.issues, ElementsAre("line 1: \"Kennzeichen\" reads as a column header, not a plate"));
    ASSERT_EQ(unsaid.plates.size(), 1u);
    EXPECT_EQ(unsaid.plates[0].plate, "X1");
}

TEST(DelimitedPlateList, ATotalRowAtTheEndAndAComputedPlateAreNoPlates)
{
    // A total is skipped only as the last record that holds anything; before
    // it, "Total" may well be a plate.
    const TCollectPlates last = ReadList("Plate,Count\nTotal,1\nAB 1,2\nSumme:,2\n,\n", true);
    ASSERT_EQ(last.plates.size(), 2u);
    EXPECT_EQ(last.plates[0].plate, "TOTAL");
    EXPECT_EQ(last.plates[1].plate, "AB1");
    EXPECT_THAT(last.issues, ElementsAre("line 4: the last record reads as a total row (\"Summe:\"), not as a vehicle"));
    // Its label may stand in the first column beside a count in the plate's.
    const TCollectPlates label = ReadList("Nr.,Kennzeichen\n1,AB 1\nGESAMT,1\n", true, {1, ""});
    ASSERT_EQ(label.plates.size(), 1u);
    EXPECT_THAT(label.issues, ElementsAre("line 3: the last record reads as a total row (\"GESAMT\"), not as a vehicle"));

    // A sheet's row whose plate a formula computed, numbered as the sheet numbers it.
    TCollectPlates computed;
    TDelimitedListOptions options;
    options.SheetRows = true;
    TDelimitedPlateReader reader(computed, options);
    TDelimitedRecord record;
    record.Fields = {"AB1X", "Lee"};
    record.FormulaFields = {0};
    record.Line = 7;
    reader.Record(record);
    reader.Finish();
    EXPECT_TRUE(computed.plates.empty());
    EXPECT_THAT(computed.issues,
                ElementsAre("row 7: a formula computes the plate cell \"AB1X\"; a plate is typed, not computed"));
}

TEST(DelimitedPlateList, APlateColumnTheListDoesNotHaveIsAnError)
{
    EXPECT_THROW(ReadList("Plate,Owner\nX,Y\n", true, {0, "Kennzeichen"}), TListColumnError);
    EXPECT_THROW(ReadList("Plate,Owner\nX,Y\n", true, {2, ""}), TListColumnError);
    try {
        ReadList("Plate,Owner\n", true, {0, "Reg"});
    } catch (const TListColumnError& e) {
        EXPECT_STREQ(e.what(), "no column \"Reg\" in the header (its columns: \"Plate\", \"Owner\")");
    }
    // An empty list has no columns and no plates, and no error.
    const TCollectPlates empty = ReadList("", true, {3, ""});
    EXPECT_TRUE(empty.columns.Names.empty());
    EXPECT_TRUE(empty.plates.empty());
}

TEST(DelimitedPlateList, EveryEncodingOfPlateListsReadsTheSame)
{
    const std::u16string text = u"Plate\tOwner\r\nM-AB 1234\tM\u00FCller\r\n\u00C9T\u00C9 1\t\u20AC\r\n";
    const std::string utf8 = "Plate\tOwner\r\nM-AB 1234\tM\xC3\xBCller\r\n\xC3\x89T\xC3\x89 1\t\xE2\x82\xAC\r\n";
    const std::string windows1252 = "Plate\tOwner\r\nM-AB 1234\tM\xFCller\r\n\xC9T\xC9 1\t\x80\r\n";
    for (const std::string& bytes : {utf8, "\xEF\xBB\xBF" + utf8, windows1252, Utf16(text, false), Utf16(text, true)}) {
        const TCollectPlates read = ReadList(DecodeListText(bytes), true);
        ASSERT_EQ(read.plates.size(), 2u);
        EXPECT_THAT(read.columns.Names, ElementsAre("Plate", "Owner")) << "the byte order mark is no part of the name";
        EXPECT_EQ(read.plates[0].plate, "MAB1234");
        EXPECT_EQ(read.plates[0].fields[1], "M\xC3\xBCller");
        EXPECT_EQ(read.plates[1].plate, "\xC3\x89T\xC3\x89" "1");
        EXPECT_EQ(read.plates[1].fields[1], "\xE2\x82\xAC");
    }
}

TEST(DelimitedPlateList, ColumnNamesPlaceLaterListsBesideEarlierOnes)
{
    EXPECT_TRUE(NamesPlateColumn("Number plate"));
    EXPECT_TRUE(NamesPlateColumn(" KFZ-Kennzeichen "));
    EXPECT_TRUE(NamesPlateColumn("registration"));
    EXPECT_FALSE(NamesPlateColumn("Owner"));
    EXPECT_EQ(FindPlateColumn(std::vector<std::string>{"Owner", "Plate owner", "Reg. No."}), 2u)
        << "a name of the plate column before one that only contains the word";
    EXPECT_EQ(FindPlateColumn(std::vector<std::string>{"Owner", "Car plate text"}), 1u);
    EXPECT_FALSE(FindPlateColumn(std::vector<std::string>{"Owner", "Car"}));
    EXPECT_TRUE(SameColumnName(" owner", "OWNER "));
    EXPECT_TRUE(SameColumnName("\xC3\x84mter", "\xC3\xA4MTER"));
    EXPECT_FALSE(SameColumnName("Owner", "Owners"));

    TOtherColumns others;
    EXPECT_THAT(others.Place({{"Plate", "Owner", "Department"}, 0}, true), ElementsAre(-1, 0, 1));
    // A later list in another order, with a new column and a second "owner".
    EXPECT_THAT(others.Place({{"department", "Kennzeichen", "Phone", "OWNER", "Owner"}, 1}, true),
                ElementsAre(1, -1, 2, 0, 3));
    EXPECT_THAT(others.Names(), ElementsAre("Owner", "Department", "Phone", "Owner"));
    EXPECT_THAT(others.Place({{"Plate", "Fax", "Phone"}, 0}, false), ElementsAre(-1, -1, 2)) << "without growing";
}

TEST(DelimitedPlateList, IssuesAreCountedByProblem)
{
    TIssueTally tally;
    EXPECT_EQ(tally.Summary(), "");
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(tally.Add(i % 3 ? TRecordProblem::EmptyPlate : TRecordProblem::PlateTooLong), i < 10);
    tally.Add(TRecordProblem::FieldsLeftOut);
    EXPECT_EQ(tally.Rejected(), 12u);
    EXPECT_EQ(tally.Issues(), 13u);
    EXPECT_EQ(tally.Summary(), "12 records skipped: 8 with an empty plate field, 4 with a plate longer than 16 bytes; "
                               "1 record with fields beyond the columns, left out");
}

TEST(DelimitedText, PlainListsThatLookDelimitedAreNoticed)
{
    const auto look = [](std::string_view list) {
        TDelimiterLook look;
        TPlateListDecoder decoder(TTextEncoding::Utf8);
        decoder.Feed(list, look);
        decoder.Finish(look);
        return look;
    };
    const TDelimiterLook commas = look("Plate,Owner\nM-AB 1234,1042\nX 1,Lee\n\nY 2\n");
    EXPECT_EQ(commas.Lines(), 4u) << "blank lines do not count";
    EXPECT_EQ(commas.Suggested(), ',');
    EXPECT_EQ(commas.LinesWith(','), 3u);
    EXPECT_EQ(look("a\tb\nc\td\ne,f\n").Suggested(), '\t');
    // A comma after the ";" is in the part a plate list ignores: a result file.
    EXPECT_EQ(look("AB12;Smith, John\nCD34;Lee, Ann\n").Suggested(), 0);
    EXPECT_EQ(look("a,b\nc\nd\ne,f\n").Suggested(), 0) << "half is not most";
    // Lines that reach it in pieces are looked at as whole ones are.
    const std::string list = "Plate,Owner\r\nA\tB,C;D\r\n;,\nx\ty\n\nAB12;Smith, John\n";
    for (std::size_t step = 1; step <= 4; ++step) {
        TDelimiterLook pieces;
        TPlateListDecoder decoder(TTextEncoding::Utf8);
        for (std::size_t at = 0; at < list.size(); at += step)
            decoder.Feed(std::string_view(list).substr(at, step), pieces);
        decoder.Finish(pieces);
        const TDelimiterLook whole = look(list);
        EXPECT_EQ(pieces.Lines(), whole.Lines()) << step;
        EXPECT_EQ(pieces.LinesWith(','), whole.LinesWith(',')) << step;
        EXPECT_EQ(pieces.LinesWith('\t'), whole.LinesWith('\t')) << step;
    }
    EXPECT_EQ(look(list).LinesWith(','), 2u);
    EXPECT_EQ(look(list).LinesWith('\t'), 2u);

    // Many short lines, most looked at 16 bytes at once: each counted as its
    // own text says, whatever the lines after it hold.
    std::mt19937 random(3);
    std::string many;
    std::uint64_t lines = 0, commaLines = 0, tabLines = 0;
    for (int i = 0; i < 5000; ++i) {
        std::string line;
        for (std::size_t n = random() % 19; n > 0; --n)
            line += "a,\t;x"[random() % 6];
        const std::string plate = line.substr(0, line.find(';'));
        lines += !line.empty();
        commaLines += plate.find(',') != std::string::npos;
        tabLines += plate.find('\t') != std::string::npos;
        many += line + "\n";
    }
    const TDelimiterLook counted = look(many);
    EXPECT_EQ(counted.Lines(), lines);
    EXPECT_EQ(counted.LinesWith(','), commaLines);
    EXPECT_EQ(counted.LinesWith('\t'), tabLines);
}

TEST(ResultLineWriter, ATextFromOutsideKeepsItsLineOneRowOfTheResultFile)
{
    const auto write = [](TLineFormat format) {
        std::string out;
        TResultLineWriter line(out, format);
        for (const char* cell : {"plain", "a;b", "say \"hi\"", "two\r\nlines\nand\rmore", "a,b", "a\tb", " x"})
            line.TextCell(cell);
        line.EndLine();
        return out;
    };
    // A spreadsheet's text import splits at ";", "," and tabs alike: each is quoted in either format.
    EXPECT_EQ(write(TLineFormat::Semicolon),
              "plain;\"a;b\";\"say \"\"hi\"\"\";two lines and more;\"a,b\";\"a\tb\"; x\r\n");
    EXPECT_EQ(write(TLineFormat::Csv),
              "plain,\"a;b\",\"say \"\"hi\"\"\",\"two\r\nlines\nand\rmore\",\"a,b\",\"a\tb\",\" x\"\r\n");
}
