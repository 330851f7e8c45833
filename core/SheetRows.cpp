#include "SheetRows.h"

#include <algorithm>

void TSheetRows::StartRow(std::uint64_t row, std::uint64_t repeat)
{
    if (open_)
        EndRow(); // a row inside a row (no spreadsheet writes one) ends the row before it
    open_ = true;
    row_ = std::max(row, next_);
    repeat_ = repeat;
    text_.clear();
    ends_.clear();
    formulas_.clear();
    filled_ = false;
}

void TSheetRows::Cell(std::size_t column, std::string_view text, bool formula)
{
    if (!open_ || column >= kSheetColumns || (text.empty() && !formula))
        return;
    if (column < ends_.size())
        return; // a cell given twice, or out of order: the first stands
    ends_.resize(column, text_.size()); // the empty cells before it
    text_.append(text);
    ends_.push_back(text_.size());
    if (formula)
        formulas_.push_back(column);
    filled_ = filled_ || !text.empty();
}

void TSheetRows::EndRow()
{
    if (!open_)
        return;
    open_ = false;
    const std::uint64_t repeat = repeat_;
    next_ = row_ + repeat;
    if (!filled_ || row_ > kSheetRows)
        return;
    record_.Fields.clear();
    std::size_t start = 0;
    for (const std::size_t end : ends_) {
        record_.Fields.emplace_back(text_.data() + start, end - start);
        start = end;
    }
    record_.FormulaFields = formulas_;
    for (std::uint64_t r = row_; r < row_ + repeat && r <= kSheetRows; ++r) {
        record_.Line = r;
        sink_.Record(record_);
    }
}
