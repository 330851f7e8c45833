#pragma once
// Workbooks for the tests, made as spreadsheet programs make them: hand-written
// XML parts inside a ZIP archive written by libzip.

#include <string>
#include <utility>
#include <vector>

using TZipParts = std::vector<std::pair<std::string, std::string>>;

// A ZIP archive holding the parts, deflated ("mimetype" stored), as bytes.
std::string ZipBytes(const TZipParts& parts);

// The parts of an .xlsx workbook: each sheet's name and its <sheetData> content,
// the shared strings' <si> items and the styles' <numFmts> and <cellXfs> content.
struct TXlsxSheet {
    std::string Name;
    std::string Data;
};
TZipParts XlsxParts(const std::vector<TXlsxSheet>& sheets, const std::string& sharedItems = "",
                    const std::string& numberFormats = "", const std::string& cellFormats = "<xf numFmtId=\"0\"/>");

// The parts of an .ods spreadsheet whose <office:spreadsheet> holds `tables`.
TZipParts OdsParts(const std::string& tables);

// Each cell of a workbook's first sheet as openpyxl, an independent reader,
// reads it: its type ("s" text, "n" number) and value, a row a line; then the
// sheet's name, its frozen pane and whether A1 is bold.
std::vector<std::string> OpenpyxlCells(const std::string& path);
