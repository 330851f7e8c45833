#include "CellValueTable.h"

#include "CellConvert.h"

#include <algorithm>

void TCellValueTable::Load()
{
    cols_ = texts_.ColCount();
    rows_ = texts_.RowCount();
    std::vector<int>().swap(rowSrc_);
    std::vector<int>().swap(rowSrcInv_);
    std::vector<int>().swap(colSrc_);
    // A small pool is kept for the next load; a large one goes back to the system.
    if (pool_.capacity() > 65536)
        std::vector<long double>().swap(pool_);
    else
        pool_.clear();
    savedRows_.clear();
    if (++generation_ == 0) { // after 2^32 loads the stamps start over
        saved_.assign(saved_.size(), TSavedRow());
        generation_ = 1;
    }
    if (saved_.size() > std::size_t(rows_) * 2 + 4096)
        std::vector<TSavedRow>(std::size_t(rows_)).swap(saved_);
}

long double TCellValueTable::FromText(int valueCol, int textRow) const
{
    return CellTextValue(texts_.Text(TextColOf(valueCol), textRow));
}

long double TCellValueTable::Value(int col, int row) const
{
    if (col < 0 || row < 0 || col >= cols_ || row >= rows_)
        return 0;
    if (IsSaved(row))
        return saved_[row].slot < 0 ? 0 : pool_[std::size_t(saved_[row].slot) * std::size_t(cols_) + std::size_t(col)];
    return FromText(col, TextRowOf(row));
}

void TCellValueTable::SaveRow(int row)
{
    if (IsSaved(row))
        return;
    // Values go straight into a new block, given back when the row is all zeros.
    const std::size_t start = pool_.size();
    pool_.resize(start + std::size_t(cols_));
    const int textRow = TextRowOf(row);
    bool any = false;
    for (int c = 0; c < cols_; ++c) {
        const long double v = FromText(c, textRow);
        pool_[start + std::size_t(c)] = v;
        any = any || v != 0;
    }
    if (!any)
        pool_.resize(start);
    if (!rowSrc_.empty()) {
        rowSrcInv_[textRow] = -1;
        rowSrc_[row] = -1;
    }
    if (saved_.size() <= std::size_t(row))
        saved_.resize(std::max<std::size_t>(std::size_t(rows_), std::size_t(row) + 1));
    TSavedRow& entry = saved_[row];
    entry.generation = generation_;
    entry.slot = -1;
    if (any)
        entry.slot = std::int32_t(start / std::size_t(cols_));
    savedRows_.push_back(row);
}

void TCellValueTable::SetValue(int col, int row, long double value)
{
    if (col < 0 || row < 0 || col >= cols_ || row >= rows_)
        return;
    SaveRow(row);
    TSavedRow& entry = saved_[row];
    if (entry.slot < 0) {
        entry.slot = std::int32_t(pool_.size() / std::size_t(cols_));
        pool_.resize(pool_.size() + std::size_t(cols_), 0.0L);
    }
    pool_[std::size_t(entry.slot) * std::size_t(cols_) + std::size_t(col)] = value;
}

void TCellValueTable::TextChanging(int col, int row)
{
    (void)col;
    if (row < 0 || row >= rows_)
        return;
    if (rowSrc_.empty()) {
        SaveRow(row);
        return;
    }
    const int valueRow = rowSrcInv_[row];
    if (valueRow >= 0)
        SaveRow(valueRow);
}

void TCellValueTable::MapRows()
{
    if (!rowSrc_.empty() || rows_ == 0)
        return;
    rowSrc_.resize(rows_);
    rowSrcInv_.resize(rows_);
    for (int r = 0; r < rows_; ++r)
        rowSrc_[r] = rowSrcInv_[r] = r;
    for (int row : savedRows_)
        rowSrc_[row] = rowSrcInv_[row] = -1;
}

void TCellValueTable::RowsPermuted(int first, const std::vector<int>& from)
{
    MapRows();
    if (rowSrc_.empty())
        return;
    std::vector<int> dependents(from.size());
    for (std::size_t k = 0; k < from.size(); ++k)
        dependents[k] = rowSrcInv_[from[k]];
    for (std::size_t k = 0; k < from.size(); ++k) {
        const int textRow = first + int(k);
        rowSrcInv_[textRow] = dependents[k];
        if (dependents[k] >= 0)
            rowSrc_[dependents[k]] = textRow;
    }
}

void TCellValueTable::ColsPermuted(int first, const std::vector<int>& from)
{
    if (colSrc_.empty()) {
        colSrc_.resize(cols_);
        for (int c = 0; c < cols_; ++c)
            colSrc_[c] = c;
    }
    // Where each old text column went.
    std::vector<int> position(texts_.ColCount());
    for (int c = 0; c < int(position.size()); ++c)
        position[c] = c;
    for (std::size_t k = 0; k < from.size(); ++k)
        position[from[k]] = first + int(k);
    for (int& src : colSrc_)
        if (src >= 0 && src < int(position.size()))
            src = position[src];
}
