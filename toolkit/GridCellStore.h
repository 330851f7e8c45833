#pragma once
// Cell texts of a string grid, stored column by column as UTF-8 in 16-byte cells
// (texts up to 15 bytes inline) and in fixed-size chunks, so that a million rows
// fit in memory, appending a row never moves the rows already there, and sorting
// compares bytes. Reads outside the store give the empty text; writes outside it
// are dropped, except texts kept on purpose for rows past the end (KeepBeyond).

#include <QString>
#include <QStringView>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// UTF-8 bytes of a text, with a fast path for ASCII.
void AssignUtf8(std::string& target, QStringView text);
QString FromUtf8(std::string_view text);

// One cell's UTF-8 text in 16 bytes: short texts inline, longer ones on the heap.
class TCellText {
public:
    TCellText() noexcept { Reset(); }
    TCellText(const TCellText& other) : TCellText() { Assign(other.View()); }
    TCellText(TCellText&& other) noexcept { Steal(other); }
    TCellText& operator=(const TCellText& other)
    {
        if (this != &other)
            Assign(other.View());
        return *this;
    }
    TCellText& operator=(TCellText&& other) noexcept
    {
        if (this != &other) {
            Free();
            Steal(other);
        }
        return *this;
    }
    ~TCellText() { Free(); }

    std::string_view View() const
    {
        return IsHeap() ? std::string_view(heap_.ptr, heap_.size) : std::string_view(inline_, InlineSize());
    }
    bool Empty() const { return !IsHeap() && InlineSize() == 0; }
    void Assign(std::string_view text);

private:
    static constexpr std::uint8_t kHeapTag = 0xFF;
    bool IsHeap() const { return static_cast<std::uint8_t>(inline_[15]) == kHeapTag; }
    std::size_t InlineSize() const { return static_cast<std::uint8_t>(inline_[15]); }
    void Reset() noexcept { inline_[15] = 0; }
    void Free() noexcept;
    void Steal(TCellText& other) noexcept;

    struct THeap {
        char* ptr;
        std::uint32_t size;
    };
    union {
        char inline_[16];
        THeap heap_;
    };
};
static_assert(sizeof(TCellText) == 16);

// One column's cells in chunks of 4096. The first chunks come from the heap; past
// 128K rows chunks are carved from 2 MB slabs mapped as huge pages, so a million
// rows cost a few hundred page faults instead of tens of thousands. Fresh memory
// is zero, which is an empty cell, so new rows need no initialising.
class TCellColumn {
public:
    static constexpr int kChunkBits = 12;
    static constexpr int kChunkSize = 1 << kChunkBits;
    static constexpr int kChunkMask = kChunkSize - 1;

    TCellColumn() = default;
    TCellColumn(const TCellColumn&) = delete;
    TCellColumn& operator=(const TCellColumn&) = delete;
    TCellColumn(TCellColumn&& other) noexcept;
    TCellColumn& operator=(TCellColumn&& other) noexcept;
    ~TCellColumn();

    TCellText& At(int r) { return chunks_[r >> kChunkBits][r & kChunkMask]; }
    const TCellText& At(int r) const { return chunks_[r >> kChunkBits][r & kChunkMask]; }
    // Rows beyond the new count are emptied and their memory given back; rows
    // that come back take the texts kept for them.
    void Resize(int oldRows, int rows);
    // A text for row r past the end, taken when the column grows to it.
    void KeepBeyond(int r, std::string_view text);

private:
    void Release();

    std::vector<TCellText*> chunks_;
    std::vector<void*> slabs_;
    std::map<int, TCellText> beyond_;
};

class TGridCellStore {
public:
    TGridCellStore(int cols, int rows) { Resize(cols, rows); }
    ~TGridCellStore() { Resize(0, 0); }
    TGridCellStore(const TGridCellStore&) = delete;
    TGridCellStore& operator=(const TGridCellStore&) = delete;

    int ColCount() const { return static_cast<int>(cols_.size()); }
    int RowCount() const { return rows_; }
    // Lines beyond the new size are dropped; new lines are empty.
    void Resize(int cols, int rows);

    bool Contains(int c, int r) const { return c >= 0 && r >= 0 && c < ColCount() && r < rows_; }
    std::string_view Text(int c, int r) const { return Contains(c, r) ? cols_[c].At(r).View() : std::string_view(); }
    TCellText& At(int c, int r) { return cols_[c].At(r); }

    // Keeps a text for cell (c, r) of a row past the end, shown when the store
    // grows to that row. Rows dropped by shrinking keep nothing.
    void KeepBeyond(int c, int r, std::string_view text);

    void EraseRow(int r);
    void EraseCol(int c);
    // Rows first .. first + from.size() - 1 take the texts rows from[k] had before.
    void PermuteRows(int first, const std::vector<int>& from);
    // The same for columns.
    void PermuteCols(int first, const std::vector<int>& from);

private:
    std::vector<TCellColumn> cols_;
    int rows_ = 0;
};
