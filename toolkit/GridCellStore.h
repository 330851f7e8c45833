#pragma once
// Cell texts of a string grid, stored column by column as UTF-8 so that a million
// rows fit in memory, rows append in amortised O(1) and sorting compares bytes.
// Reads outside the store give the empty text; writes outside it are dropped.

#include <QString>
#include <QStringView>
#include <string>
#include <string_view>
#include <vector>

// UTF-8 bytes of a text, with a fast path for ASCII.
void AssignUtf8(std::string& target, QStringView text);
QString FromUtf8(std::string_view text);

class TGridCellStore {
public:
    TGridCellStore(int cols, int rows) { Resize(cols, rows); }

    int ColCount() const { return static_cast<int>(cols_.size()); }
    int RowCount() const { return rows_; }
    // Lines beyond the new size are dropped; new lines are empty.
    void Resize(int cols, int rows);

    bool Contains(int c, int r) const { return c >= 0 && r >= 0 && c < ColCount() && r < rows_; }
    std::string_view Text(int c, int r) const
    {
        return Contains(c, r) ? std::string_view(cols_[c][r]) : std::string_view();
    }
    std::string& At(int c, int r) { return cols_[c][r]; }

    void EraseRow(int r);
    void EraseCol(int c);
    // Rows first .. first + from.size() - 1 take the texts rows from[k] had before.
    void PermuteRows(int first, const std::vector<int>& from);
    // The same for columns.
    void PermuteCols(int first, const std::vector<int>& from);

private:
    std::vector<std::vector<std::string>> cols_;
    int rows_ = 0;
};
