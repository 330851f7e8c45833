#include "NumberFormat.h"
#include "TestWorkbooks.h"
#include "Workbook.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

// Each record as "row: field|field|...", a formula's field marked with "=".
class TRows : public TRecordSink {
public:
    void Record(const TDelimitedRecord& record) override
    {
        std::string row = std::to_string(record.Line) + ":";
        for (std::size_t i = 0; i < record.Fields.size(); ++i) {
            const bool formula = std::count(record.FormulaFields.begin(), record.FormulaFields.end(), i) > 0;
            row += std::string(i ? "|" : " ") + (formula ? "=" : "") + std::string(record.Fields[i]);
        }
        rows.push_back(row);
    }
    void UnclosedQuote(std::uint64_t) override {}
    void RecordRejected(std::uint64_t, TTextFault) override {}
    std::vector<std::string> rows;
};

std::vector<std::string> Rows(TWorkbook& workbook, std::size_t sheet)
{
    TRows rows;
    workbook.ReadSheet(sheet, rows);
    return rows.rows;
}

std::unique_ptr<TWorkbook> Open(const TZipParts& parts) { return TWorkbook::Open(TZipArchive::FromBytes(ZipBytes(parts))); }

std::string ErrorOf(const std::string& bytes)
{
    try {
        TWorkbook::Open(TZipArchive::FromBytes(bytes))->ReadSheet(0, *std::make_unique<TRows>());
    } catch (const TWorkbookError& error) {
        return error.what();
    }
    return "no error";
}

} // namespace

TEST(Workbook, AnXlsxSheetReadsAsTheSpreadsheetShowsIt)
{
    // Shared strings with rich text runs and a phonetic hint, inline strings, a
    // number padded by its format, a date, formulas with the values they last
    // computed, a merged cell (whose covered cells are empty), an escaped
    // carriage return, a cell without a reference, and a second, empty sheet.
    const std::string shared = "<si><t>Kennzeichen</t></si><si><t>Halter</t></si>"
                               "<si><r><t>M</t></r><r><rPr><b/></rPr><t>\xC3\xBCller</t></r><rPh><t>x</t></rPh></si>"
                               "<si><t xml:space=\"preserve\"> 007 </t></si>";
    const std::string formats = "<numFmt numFmtId=\"164\" formatCode=\"00000\"/>"
                                "<numFmt numFmtId=\"165\" formatCode=\"dd/mm/yyyy\"/>";
    const std::string xfs = "<xf numFmtId=\"0\"/><xf numFmtId=\"164\"/><xf numFmtId=\"165\"/><xf numFmtId=\"4\"/>";
    const std::string data =
        "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c></row>"
        "<row r=\"2\"><c r=\"A2\" s=\"1\"><v>1</v></c><c r=\"B2\" t=\"s\"><v>2</v></c><c r=\"C2\" s=\"2\"><v>46365</v></c></row>"
        "<row r=\"4\"><c r=\"A4\" t=\"s\"><v>3</v></c><c r=\"C4\"><v>1234</v></c><c r=\"D4\"><v>0.30000000000000004</v></c></row>"
        "<row r=\"5\"><c r=\"A5\" t=\"str\"><f>A2&amp;\"X\"</f><v>00001X</v></c><c r=\"B5\"><f>1+1</f><v>2</v></c>"
        "<c r=\"C5\" t=\"b\"><v>1</v></c><c r=\"D5\" t=\"e\"><v>#N/A</v></c></row>"
        "<row r=\"6\"><c r=\"A6\" t=\"inlineStr\"><is><t>AB_x000D_1</t></is></c><c t=\"inlineStr\"><is><t>next</t></is></c>"
        "<c r=\"D6\" s=\"3\"><v>1234.5</v></c></row>"
        "<row r=\"7\"><c r=\"A7\" s=\"1\"/></row>";
    const auto workbook = Open(XlsxParts({{"Fahrzeuge", data}, {"Leer", ""}}, shared, formats, xfs));
    EXPECT_EQ(workbook->Kind(), TWorkbookKind::Xlsx);
    EXPECT_THAT(workbook->SheetNames(), ElementsAre("Fahrzeuge", "Leer"));
    EXPECT_THAT(Rows(*workbook, 0), ElementsAre("1: Kennzeichen|Halter", "2: 00001|M\xC3\xBCller|2026-12-09",
                                                "4:  007 ||1234|0.3", "5: =00001X|=2|TRUE|#N/A",
                                                "6: AB\r1|next||1,234.50"));
    EXPECT_TRUE(Rows(*workbook, 1).empty());
    EXPECT_EQ(FindSheet(workbook->SheetNames(), "Leer"), 1u);
    EXPECT_EQ(FindSheet(workbook->SheetNames(), "1"), 0u);
    try {
        FindSheet(workbook->SheetNames(), "Tabelle3");
        ADD_FAILURE();
    } catch (const TWorkbookError& error) {
        EXPECT_STREQ(error.what(), "it has no sheet \"Tabelle3\"; its sheets: \"Fahrzeuge\", \"Leer\"");
    }
}

TEST(Workbook, SharedStringsReadBesideTheSheetServeItInAnyOrder)
{
    // The sheet asks for the last string first; then for one beyond the table.
    std::string shared, data;
    for (int i = 0; i < 20000; ++i)
        shared += "<si><t>S" + std::to_string(i) + "</t></si>";
    for (int r : {19999, 0, 12345, 20000})
        data += "<row><c t=\"s\"><v>" + std::to_string(r) + "</v></c></row>";
    const TZipParts parts = XlsxParts({{"A", data}, {"B", "<row><c t=\"s\"><v>7</v></c></row>"}}, shared);
    const auto workbook = Open(parts);
    EXPECT_THAT(Rows(*workbook, 0), ElementsAre("1: S19999", "2: S0", "3: S12345"));
    EXPECT_THAT(Rows(*workbook, 1), ElementsAre("1: S7"));
    // Shared strings that break off fail the sheet that uses them, with their part named.
    TZipParts damaged = parts;
    for (auto& [name, content] : damaged)
        if (name == "xl/sharedStrings.xml")
            content.resize(content.size() / 2);
    try {
        Rows(*Open(damaged), 0);
        ADD_FAILURE();
    } catch (const TWorkbookError& error) {
        EXPECT_THAT(error.what(), HasSubstr("its part \"xl/sharedStrings.xml\" is damaged"));
    }
}

TEST(Workbook, AnOdsSheetReadsAsTheSpreadsheetShowsIt)
{
    // The shown text of each cell, repeated rows and cells, a merged cell and
    // what it covers, a comment, runs of spaces, a date, a formula, a first sheet
    // passed over, and the trailing empty cells and rows every sheet has.
    const std::string tables =
        "<table:table table:name=\"Erste\"><table:table-row><table:table-cell office:value-type=\"string\">"
        "<text:p>other</text:p></table:table-cell></table:table-row></table:table>"
        "<table:table table:name=\"Fahrzeuge\">"
        "<table:table-row><table:table-cell office:value-type=\"string\"><text:p>Kennzeichen</text:p>"
        "</table:table-cell><table:table-cell><text:p>Halter</text:p></table:table-cell></table:table-row>"
        "<table:table-row table:number-rows-repeated=\"2\"><table:table-cell office:value-type=\"float\" "
        "office:value=\"1\"><text:p>00001</text:p></table:table-cell><table:table-cell "
        "table:number-columns-repeated=\"2\"><text:p>a<text:s text:c=\"2\"/>b</text:p></table:table-cell>"
        "</table:table-row>"
        "<table:table-row table:number-rows-repeated=\"3\"><table:table-cell table:number-columns-repeated=\"1024\"/>"
        "</table:table-row>"
        "<table:table-row><table:table-cell table:number-columns-spanned=\"2\"><text:p>merged</text:p>"
        "<office:annotation><text:p>a comment</text:p></office:annotation></table:table-cell>"
        "<table:covered-table-cell><text:p>hidden</text:p></table:covered-table-cell>"
        "<table:table-cell office:value-type=\"date\" office:date-value=\"2026-12-09T00:00:00\">"
        "<text:p>09.12.26</text:p></table:table-cell>"
        "<table:table-cell table:formula=\"of:=1+1\" office:value-type=\"float\" office:value=\"2\">"
        "<text:p>2</text:p></table:table-cell><table:table-cell table:number-columns-repeated=\"16000\"/>"
        "</table:table-row>"
        "<table:table-row table:number-rows-repeated=\"1048570\"><table:table-cell "
        "table:number-columns-repeated=\"1024\"/></table:table-row></table:table>";
    const auto workbook = Open(OdsParts(tables));
    EXPECT_EQ(workbook->Kind(), TWorkbookKind::Ods);
    EXPECT_THAT(workbook->SheetNames(), ElementsAre("Erste", "Fahrzeuge"));
    EXPECT_THAT(Rows(*workbook, 1), ElementsAre("1: Kennzeichen|Halter", "2: 00001|a  b|a  b", "3: 00001|a  b|a  b",
                                                "7: merged||2026-12-09|=2"));
    EXPECT_THAT(Rows(*workbook, 0), ElementsAre("1: other"));
}

TEST(Workbook, WhatIsNoWorkbookOrIsDamagedOrHostileSaysWhy)
{
    const std::string xlsx = ZipBytes(XlsxParts({{"S", "<row r=\"1\"><c t=\"inlineStr\"><is><t>A</t></is></c></row>"}}));
    EXPECT_THAT(ErrorOf("Plate\nAB 1\n"), HasSubstr("it is not a ZIP archive, as workbooks are"));
    EXPECT_THAT(ErrorOf(xlsx.substr(0, xlsx.size() / 2)), HasSubstr("it is not a ZIP archive, as workbooks are"));
    EXPECT_EQ(ErrorOf(ZipBytes({{"readme.txt", "hello"}})), "it is a ZIP archive, but no workbook");
    EXPECT_THAT(ErrorOf(ZipBytes({{"mimetype", "application/vnd.oasis.opendocument.text"}, {"content.xml", ""}})),
                HasSubstr("it is an OpenDocument file, but no spreadsheet"));
    // A document type declaration, the way to entities that expand or read
    // other files, is refused before any of them is read.
    const std::string entities = "<?xml version=\"1.0\"?><!DOCTYPE x [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b "
                                 "\"&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY e SYSTEM \"file:///etc/passwd\">]>"
                                 "<sst><si><t>&b;&e;</t></si></sst>";
    TZipParts parts = XlsxParts({{"S", "<row r=\"1\"><c t=\"s\"><v>0</v></c></row>"}});
    for (auto& [name, content] : parts)
        if (name == "xl/sharedStrings.xml")
            content = entities;
    EXPECT_EQ(ErrorOf(ZipBytes(parts)),
              "its part \"xl/sharedStrings.xml\" is damaged: it declares a document type, which no workbook does");
    // A part that unpacks to more than it may is stopped while it unpacks.
    const TZipArchive archive = TZipArchive::FromBytes(ZipBytes({{"big.xml", std::string(3 << 20, 'x')}}));
    std::size_t unpacked = 0;
    try {
        archive.Read("big.xml", 1 << 20, [&](std::string_view piece) {
            unpacked += piece.size();
            return true;
        });
        ADD_FAILURE();
    } catch (const TWorkbookError& error) {
        EXPECT_THAT(error.what(), HasSubstr("unpacks to more than 1 MiB"));
    }
    EXPECT_LE(unpacked, std::size_t(1) << 20);
}

TEST(NumberFormat, ShowsNumbersAsTheFormatsOfSpreadsheetsDo)
{
    const auto show = [](std::string_view code, double value) { return TNumberFormat::FromCode(code).Show(value); };
    EXPECT_EQ(GeneralNumberText(1234), "1234");
    EXPECT_EQ(GeneralNumberText(6926817681141220755.0), "6.92681768114122E+18");
    EXPECT_EQ(GeneralNumberText(-0.000125), "-0.000125");
    EXPECT_EQ(show("0.00", 2.675), "2.68");
    EXPECT_EQ(show("#,##0.0#", 1234567.5), "1,234,567.5");
    EXPECT_EQ(show("0%", 0.125), "13%");
    EXPECT_EQ(show("0.00E+00", 12345), "1.23E+04");
    EXPECT_EQ(show("\"No. \"000", 7), "No. 007");
    EXPECT_EQ(show("0;[Red]\\(0\\)", -5), "(5)");
    EXPECT_EQ(show("[$-407]DD.MM.YYYY", 1), "1900-01-01");
    EXPECT_EQ(show("d/m/yy h:mm", 60.75), "1900-02-29 18:00");
    EXPECT_EQ(show("mm:ss", 0.5 / 24), "00:30:00");
    EXPECT_EQ(TNumberFormat::FromCode("yyyy-mm-dd").Show(0, true), "1904-01-01");
}
