#include "CellValueTable.h"

#include "CellConvert.h"

void TCellValueTable::Load()
{
    cols_ = texts_.ColCount();
    rows_ = texts_.RowCount();
    std::vector<int>().swap(rowSrc_);
    std::vector<int>().swap(rowSrcInv_);
    std::vector<int>().swap(colSrc_);
    if (!saved_.empty()) {
        if (saved_.bucket_count() > 64)
            std::unordered_map<int, std::vector<long double>>().swap(saved_);
        else
            saved_.clear();
    }
    lastSaved_ = -1;
}

long double TCellValueTable::FromText(int valueCol, int textRow) const
{
    return CellTextValue(texts_.Text(TextColOf(valueCol), textRow));
}

long double TCellValueTable::Value(int col, int row) const
{
    if (col < 0 || row < 0 || col >= cols_ || row >= rows_)
        return 0;
    if (!saved_.empty()) {
        const auto it = saved_.find(row);
        if (it != saved_.end())
            return it->second.empty() ? 0 : it->second[col];
    }
    return FromText(col, TextRowOf(row));
}

std::vector<long double>& TCellValueTable::SaveRow(int row)
{
    auto it = saved_.find(row);
    if (it != saved_.end())
        return it->second;
    std::vector<long double> values;
    const int textRow = TextRowOf(row);
    for (int c = 0; c < cols_; ++c) {
        const long double v = FromText(c, textRow);
        if (v != 0 && values.empty())
            values.assign(cols_, 0);
        if (!values.empty())
            values[c] = v;
    }
    if (!rowSrc_.empty()) {
        rowSrcInv_[textRow] = -1;
        rowSrc_[row] = -1;
    }
    lastSaved_ = row;
    return saved_.emplace(row, std::move(values)).first->second;
}

void TCellValueTable::SetValue(int col, int row, long double value)
{
    if (col < 0 || row < 0 || col >= cols_ || row >= rows_)
        return;
    std::vector<long double>& values = SaveRow(row);
    if (values.empty())
        values.assign(cols_, 0);
    values[col] = value;
}

void TCellValueTable::TextChanging(int col, int row)
{
    (void)col;
    if (row < 0 || row >= rows_)
        return;
    if (rowSrc_.empty()) {
        if (row != lastSaved_ && !saved_.count(row))
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
    for (const auto& entry : saved_)
        rowSrc_[entry.first] = rowSrcInv_[entry.first] = -1;
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
