#pragma once
// The two result tables, each described once: its columns in order and what each
// column is. The grids' headers, the code cells' hexadecimal widths, the default
// column widths and which columns a first start shows, which columns sort as
// numbers, the column menus and settings keys, and the columns corvana-cli writes
// all read it here, so that a column is added or changed in this one place.

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

// Which result table: the 26-bit codes from the plate's SHA-1 digest, or the
// 64-bit codes that pack the plate's characters.
enum class TCodeTable { Wiegand26 = 0, Wiegand64 = 1 };

inline constexpr TCodeTable kCodeTables[] = {TCodeTable::Wiegand26, TCodeTable::Wiegand64};

struct TResultColumn {
    std::string_view Header;     // row 0 of the grid and of the result files
    int HexDigits = 0;           // a hexadecimal number written "0x" and this many digits; 0: not one
    bool Numeric = false;        // a click on its header sorts it as numbers
    bool ShownByDefault = true;  // shown on a first start (no settings yet)
    int Width = 100;             // width in pixels on a first start, and when shown again from the menu
    bool ConverterDefault = false; // written by corvana-cli without --columns (column 0 always is)
    // A number in a workbook, which a spreadsheet keeps exactly (at most 15
    // digits); every other column is text there, so that "007" and 19-digit
    // codes stay as they are.
    bool WorkbookNumber = false;
};

// The columns of the 26-bit table, by name.
namespace Wiegand26Column {
inline constexpr std::size_t Plate = 0, Code = 1, Digest = 2, PayloadHex = 3, PayloadDec = 4, FacilityCode = 5,
                             IdNumber = 6;
}

// The columns of the 64-bit table, by name.
namespace Wiegand64Column {
inline constexpr std::size_t Plate = 0, Code = 1, Decimal = 2;
}

inline constexpr std::array<TResultColumn, 7> kWiegand26Columns{{
    {.Header = "Number plate", .Width = 100},
    {.Header = "Wiegand 26-bit (hex)", .HexDigits = 7, .Width = 120, .ConverterDefault = true},
    {.Header = "Digest (full hex)", .ShownByDefault = false, .Width = 300},
    {.Header = "Digest (truncated hex)", .HexDigits = 6, .ShownByDefault = false, .Width = 140},
    {.Header = "Digest (truncated dec)", .Numeric = true, .ShownByDefault = false, .Width = 140, .WorkbookNumber = true},
    {.Header = "Facility code", .Numeric = true, .Width = 100, .ConverterDefault = true, .WorkbookNumber = true},
    {.Header = "ID number", .Numeric = true, .Width = 100, .ConverterDefault = true, .WorkbookNumber = true},
}};

inline constexpr std::array<TResultColumn, 3> kWiegand64Columns{{
    {.Header = "Number plate", .Width = 120},
    {.Header = "Wiegand 64-bit (raw)", .HexDigits = 16, .Width = 160, .ConverterDefault = true},
    {.Header = "Wiegand 64-bit (dec)", .Numeric = true, .ShownByDefault = false, .Width = 160},
}};

struct TResultTable {
    TCodeTable Table;
    std::string_view Title;                 // its tab's caption, and its sheet's name in a workbook
    int Bits;                               // 26 or 64: how --table and messages name it
    std::span<const TResultColumn> Columns; // in order; column 0 is the plate
    std::size_t CodeColumn;                 // the column of the Wiegand code

    std::size_t ColumnCount() const { return Columns.size(); }
    const TResultColumn& Code() const { return Columns[CodeColumn]; }
};

inline constexpr TResultTable kWiegand26Table{TCodeTable::Wiegand26, "Wiegand 26-bit (SHA-1)", 26, kWiegand26Columns,
                                              Wiegand26Column::Code};
inline constexpr TResultTable kWiegand64Table{TCodeTable::Wiegand64, "Wiegand 64-bit", 64, kWiegand64Columns,
                                              Wiegand64Column::Code};

constexpr const TResultTable& ResultTable(TCodeTable table)
{
    return table == TCodeTable::Wiegand26 ? kWiegand26Table : kWiegand64Table;
}

// The header texts of a table's columns, in order.
template <std::size_t N>
constexpr std::array<std::string_view, N> HeadersOf(const std::array<TResultColumn, N>& columns)
{
    std::array<std::string_view, N> headers{};
    for (std::size_t i = 0; i < N; ++i)
        headers[i] = columns[i].Header;
    return headers;
}

inline constexpr std::array<std::string_view, kWiegand26Columns.size()> Wiegand26Headers = HeadersOf(kWiegand26Columns);
inline constexpr std::array<std::string_view, kWiegand64Columns.size()> Wiegand64Headers = HeadersOf(kWiegand64Columns);
