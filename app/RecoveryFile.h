#pragma once
// The recovery file: what rebuilds both results grids after the program ended
// without saving them (a crash, a kill, a power cut). It is a header and then
// batches of records. The first batch holds both grids whole (their plates, the
// cells the plates do not give, the other columns' texts); each later batch is
// appended and holds the changes since the one before, as the grids told them
// (TGridChange): a cell, the counts, a row inserted or deleted, a column
// deleted, rows or columns moved, rows written whole (as their plates, or as
// the rows of the other grid whose plates they have).
//
// A batch carries its length and a CRC-32 of its body, and is appended whole
// and synced, so that after a power cut the file holds the batches written
// before it and perhaps a torn last one: the torn one is left out, and the
// grids come back as they were at the last batch whole (the old state or the
// new one, never a mixture). A batch that fails its check with others after it
// means the file is damaged; it is then never loaded.

#include "ResultTables.h"
#include "StringGrid.h"

#include <QDateTime>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class TzelGrid;

namespace Recovery {

constexpr std::uint32_t kVersion = 1;

// Records of changes to the two grids (0: the 26-bit grid, 1: the 64-bit grid),
// kept in pieces of about a megabyte, so that they grow and are handed on
// without copying what they hold.
class TRecords {
public:
    // A change a grid just told; `grid` is 0 or 1, `other` the other grid.
    void Change(int grid, const TzelGrid& from, const TGridChange& change, const TzelGrid& other);
    // Both grids whole.
    void Grids(const TzelGrid& sg26, const TzelGrid& sg64);

    const std::vector<std::string>& Pieces() const { return pieces_; }
    std::size_t Size() const { return size_; }
    bool Empty() const { return size_ == 0; }
    void Clear();
    // Takes the records of `more` after these; `more` is left empty.
    void Append(TRecords&& more);

private:
    // The piece the next record goes to.
    std::string& Out();
    // Counts what the last piece grew by since `before`.
    void Grown(std::size_t before) { size_ += pieces_.back().size() - before; }

    std::vector<std::string> pieces_;
    std::size_t size_ = 0;
    // The rows the last record put, when it put rows: a grid that gets the
    // same plates next (Calc puts them into both) refers to them.
    struct TPut {
        int grid = -1;
        int first = 0;
        int count = 0;
    } lastPut_;
};

// The header of a file.
std::string Header();
// Writes a batch of records, stamped with its time and the number of plates
// the 26-bit grid then held, as pieces handed to `write` in order; returns
// its length.
std::size_t WriteBatch(const TRecords& records, const QDateTime& time, std::uint64_t plates,
                       const std::function<void(std::string_view)>& write);
// The plates a grid holds: its data rows, an empty last row left out.
std::uint64_t PlateCount(const TzelGrid& grid);

// What a file holds, found without loading it.
struct TScan {
    enum TState { Whole, Damaged, Newer } State = Damaged;
    // The header and the whole batches: what loading reads.
    std::size_t Length = 0;
    QDateTime Time;          // of the last whole batch
    std::uint64_t Plates = 0; // the plates then
};
TScan Scan(std::string_view file);

// Rebuilds both grids from a file Scan found whole, up to its Length. Every
// record is read and checked against the grids' shapes first: a file that does
// not fit throws TMalformedBytes and leaves the grids as they were.
void Load(std::string_view file, const TScan& scan, TzelGrid& sg26, TzelGrid& sg64);

} // namespace Recovery
