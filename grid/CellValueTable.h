#pragma once
// The grid's table of cell values (one extended number per cell). Loading sets
// every value to its cell's text read as a number, 0 when it is none; after that
// the values stay where they are while texts are edited or moved, until the next
// load. To keep loading O(1) on a million rows, values are not copied: a value is
// read from the text it was loaded from, followed through row and column moves,
// and a row is saved explicitly only just before one of its source texts changes
// or a value in it is set.

#include "GridCellStore.h"

#include <cstdint>
#include <vector>

class TCellValueTable {
public:
    explicit TCellValueTable(const TGridCellStore& texts) : texts_(texts) {}

    // Sizes the table like the texts and sets every value from its text.
    void Load();
    int ColCount() const { return cols_; }
    int RowCount() const { return rows_; }
    // 0 outside the table.
    long double Value(int col, int row) const;
    void SetValue(int col, int row, long double value);
    long double operator()(int col, int row) const { return Value(col, row); }

    // Told before the text at (col, row) changes.
    void TextChanging(int col, int row);
    // Told after text rows (columns) first + k took the texts of rows from[k].
    void RowsPermuted(int first, const std::vector<int>& from);
    void ColsPermuted(int first, const std::vector<int>& from);

private:
    long double FromText(int valueCol, int textRow) const;
    int TextColOf(int col) const { return colSrc_.empty() ? col : colSrc_[col]; }
    int TextRowOf(int row) const { return rowSrc_.empty() ? row : rowSrc_[row]; }
    void SaveRow(int row);
    void MapRows();

    const TGridCellStore& texts_;
    int cols_ = 0;
    int rows_ = 0;
    // Value row -> text row it reads (-1 once saved) and back; empty means identity.
    std::vector<int> rowSrc_;
    std::vector<int> rowSrcInv_;
    // Value column -> text column it reads; empty means identity.
    std::vector<int> colSrc_;
    // Saved rows: a row is saved when its stamp equals the current load's
    // generation, so a load forgets them all in O(1). Slot -1 stands for a row of
    // zeros, else the row's values are pool_[slot * cols_ ...], one block per saved
    // row in one array, so saving many rows allocates rarely.
    struct TSavedRow {
        std::uint32_t generation = 0;
        std::int32_t slot = -1;
    };
    bool IsSaved(int row) const { return row < int(saved_.size()) && saved_[row].generation == generation_; }
    std::vector<TSavedRow> saved_;
    std::vector<long double> pool_;
    std::uint32_t generation_ = 1;
    std::vector<int> savedRows_; // the rows saved in this generation
};
