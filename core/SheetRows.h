#pragma once
// Puts a sheet's cells together into records, row by row: cells come with their
// column (a gap between them is empty cells, as a spreadsheet shows it; empty
// cells after the last one are no fields), and a row that holds nothing is no
// record. A sheet has at most kSheetColumns columns and kSheetRows rows, the
// most any spreadsheet program has: cells beyond are not read.

#include "DelimitedText.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t kSheetColumns = 16384;
inline constexpr std::uint64_t kSheetRows = 1048576;

class TSheetRows {
public:
    explicit TSheetRows(TRecordSink& sink) : sink_(sink) {}

    // Starts the row of this number (from 1), or of the next number when the
    // sheet gives one already passed; it stands for `repeat` rows when the sheet
    // says so.
    void StartRow(std::uint64_t row, std::uint64_t repeat = 1);
    // A cell of the current row with its text; `formula` when the spreadsheet
    // computed the text.
    void Cell(std::size_t column, std::string_view text, bool formula);
    // Gives the row to the sink when it holds anything, once for each row it
    // stands for, with the following row numbers.
    void EndRow();
    // The number the next row gets when the sheet does not give one.
    std::uint64_t NextRow() const { return next_; }
    // Whether the rows reached the end of a sheet, after which nothing counts.
    bool Full() const { return next_ > kSheetRows; }

private:
    TRecordSink& sink_;
    std::uint64_t row_ = 0, next_ = 1, repeat_ = 1;
    bool open_ = false;   // a row is started and not yet ended
    std::string text_;
    std::vector<std::size_t> ends_;
    std::vector<std::size_t> formulas_;
    bool filled_ = false; // the row holds a cell with text
    TDelimitedRecord record_;
};
