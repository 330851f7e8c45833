#pragma once
// Cell texts of a string grid, stored column by column as UTF-8 in 8-byte cells
// and in fixed-size chunks, so that a million rows fit in memory, appending a row
// never moves the rows already there, and sorting moves 8 bytes a cell. A text of
// up to 7 bytes lives in its cell; a longer one lives in its column's arena, a
// run of blocks it is appended to, and its cell points there. Texts given up
// leave garbage in the arena, which is compacted once there is more garbage than
// text, so that its cost stays with the writes that made it. Reads outside the
// store give the empty text; writes outside it are dropped, except texts kept on
// purpose for rows past the end (KeepBeyond).

#include <QString>
#include <QStringView>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// UTF-8 bytes of a text, with a fast path for ASCII.
void AssignUtf8(std::string& target, QStringView text);
QString FromUtf8(std::string_view text);

// One cell's UTF-8 text in 8 bytes. Byte 7 holds the length of a text of up to
// 7 bytes kept in bytes 0 to 6, or kArenaTag for a longer text: then bytes 0 to
// 5 are its address and byte 6 its length, or 255 when its length stands in the
// 4 bytes before it. All bytes 0 is the empty text, so zeroed memory is a run of
// empty cells. The column that holds the cell owns the text.
class TCellText {
public:
    static constexpr std::size_t kInlineMax = 7;

    std::string_view View() const
    {
        const std::uint8_t tag = Byte(7);
        if (tag != kArenaTag)
            return std::string_view(bytes_, tag);
        const char* text = Address();
        const std::size_t size = Byte(6) != kLongSize ? Byte(6) : LongSize(text);
        return std::string_view(text, size);
    }
    bool Empty() const { return Byte(7) == 0; }
    bool InArena() const { return Byte(7) == kArenaTag; }
    // Bytes the text takes in the arena (0 for a text in the cell).
    std::size_t ArenaBytes() const;

    static TCellText Inline(std::string_view text);
    // A text written into the arena at `text` (with its length before it when long).
    static TCellText Arena(const char* text, std::size_t size);
    static bool NeedsLengthPrefix(std::size_t size) { return size >= kLongSize; }

private:
    static constexpr std::uint8_t kArenaTag = 0x80;
    static constexpr std::uint8_t kLongSize = 255;
    std::uint8_t Byte(int i) const { return static_cast<std::uint8_t>(bytes_[i]); }
    const char* Address() const
    {
        std::uint64_t bits = 0;
        std::memcpy(&bits, bytes_, 6);
        return reinterpret_cast<const char*>(static_cast<std::uintptr_t>(bits));
    }
    static std::size_t LongSize(const char* text)
    {
        std::uint32_t size = 0;
        std::memcpy(&size, text - 4, 4);
        return size;
    }

    char bytes_[8] = {};
};
static_assert(sizeof(TCellText) == 8);

// One column's cells in chunks of 4096, and the arena of its long texts. The
// first chunks come from the heap; past 128K rows chunks are carved from 2 MB
// slabs mapped as huge pages, so a million rows cost a few page faults instead of
// thousands. Fresh memory is zero, which is an empty cell, so new rows need no
// initialising.
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

    std::string_view Text(int r) const { return At(r).View(); }
    void Assign(int r, std::string_view text);
    // Rows beyond the new count are emptied and their memory given back; rows
    // that come back take the texts kept for them.
    void Resize(int oldRows, int rows);
    // A text for row r past the end, taken when the column grows to it.
    void KeepBeyond(int r, std::string_view text);
    // Rows first .. first + from.size() - 1 take the texts rows from[k] had.
    void Permute(int first, const std::vector<int>& from);
    // Drops row r; the rows below move up one. The row count is the caller's.
    void Erase(int r, int rows);
    // The memory the column takes: its cells and its arena.
    std::size_t MemoryBytes() const;

private:
    TCellText& At(int r) { return chunks_[r >> kChunkBits][r & kChunkMask]; }
    const TCellText& At(int r) const { return chunks_[r >> kChunkBits][r & kChunkMask]; }
    TCellText Store(std::string_view text);
    void GiveUp(const TCellText& cell);
    void CompactIfWasteful();
    void Release();

    std::vector<TCellText*> chunks_;
    std::vector<void*> slabs_;
    std::map<int, std::string> beyond_;
    int rows_ = 0;
    // The arena: blocks of long texts; the last one is filled from `blockUsed_` on.
    struct TBlockRelease {
        std::size_t bytes;
        void operator()(char* block) const;
    };
    using TBlock = std::unique_ptr<char[], TBlockRelease>;
    std::vector<TBlock> blocks_;
    std::size_t blockUsed_ = 0;
    std::size_t blockSize_ = 0;
    std::size_t liveBytes_ = 0;    // arena bytes of the texts in cells
    std::size_t garbageBytes_ = 0; // arena bytes of texts given up
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
    std::string_view Text(int c, int r) const { return Contains(c, r) ? cols_[c].Text(r) : std::string_view(); }
    // Writes a cell inside the store.
    void Assign(int c, int r, std::string_view text) { cols_[c].Assign(r, text); }

    // Keeps a text for cell (c, r) of a row past the end, shown when the store
    // grows to that row. Rows dropped by shrinking keep nothing.
    void KeepBeyond(int c, int r, std::string_view text);

    void EraseRow(int r);
    void EraseCol(int c);
    // Takes column c out whole, without copying its texts.
    TCellColumn TakeCol(int c);
    // Puts a column taken out before column c (0 .. ColCount()); it must have
    // RowCount() rows.
    void PutCol(int c, TCellColumn&& column);
    // Exchanges the whole content with another store.
    void Swap(TGridCellStore& other) noexcept;
    std::size_t MemoryBytes() const;
    // Rows first .. first + from.size() - 1 take the texts rows from[k] had before.
    void PermuteRows(int first, const std::vector<int>& from);
    // The same for columns.
    void PermuteCols(int first, const std::vector<int>& from);

private:
    std::vector<TCellColumn> cols_;
    int rows_ = 0;
};
