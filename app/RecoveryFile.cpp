#include "RecoveryFile.h"

#include "ByteCoding.h"
#include "RowsImage.h"
#include "zelGrid.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

namespace Recovery {
namespace {

constexpr std::string_view kMagic = "CORVANA-RECOVERY";
constexpr std::string_view kBatchMagic = "CVBT";
constexpr std::size_t kHeaderBytes = kMagic.size() + 4;
constexpr std::size_t kFrameBytes = kBatchMagic.size() + 4 + 4; // magic, length, CRC
// What a file may make a grid: far beyond any list, short of exhausting memory.
constexpr std::uint64_t kMaxRows = std::uint64_t(1) << 24;
constexpr std::uint64_t kMaxCols = 4096;

enum TRecord : std::uint8_t {
    kCell = 1,
    kSize,
    kRowInserted,
    kRowDeleted,
    kColumnDeleted,
    kRowsMoved,
    kColumnsMoved,
    kRows,
    kRowsLike,
};

TCodeTable TableOf(int grid)
{
    return grid == 0 ? TCodeTable::Wiegand26 : TCodeTable::Wiegand64;
}

void PutU32(std::string& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(char(value >> (8 * i)));
}

std::uint32_t GetU32(std::string_view bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= std::uint32_t(std::uint8_t(bytes[at + std::size_t(i)])) << (8 * i);
    return value;
}

// CRC-32, to find a batch a power cut damaged; `crc` continues that of the
// bytes before.
std::uint32_t Crc(std::string_view bytes, std::uint32_t crc = 0)
{
    return std::uint32_t(crc32_z(crc, reinterpret_cast<const Bytef*>(bytes.data()), bytes.size()));
}

void Moves(TBytesOut& out, const TGridChange& change, int first)
{
    out.Number(std::uint64_t(first));
    out.Number(change.From->size());
    for (const int from : *change.From)
        out.Number(std::uint64_t(from));
}

// A batch's body: its time, its plates, its records.
struct TBody {
    QDateTime time;
    std::uint64_t plates = 0;
    std::string_view records;
};

TBody ReadBody(std::string_view body)
{
    if (body.size() < 8)
        throw TMalformedBytes();
    std::int64_t ms = 0;
    for (int i = 7; i >= 0; --i)
        ms = std::int64_t(std::uint64_t(ms) << 8 | std::uint8_t(body[std::size_t(i)]));
    TBytesIn in(body.substr(8));
    TBody read;
    read.time = QDateTime::fromMSecsSinceEpoch(ms);
    read.plates = in.Number();
    read.records = in.Rest();
    return read;
}

// The shapes of the two grids as the records change them, to check each
// record before any is applied.
struct TShape {
    int cols;
    int rows;
};

int Index(TBytesIn& in, int limit)
{
    return int(in.Number(std::uint64_t(std::max(limit, 0))));
}

void CheckMoves(TBytesIn& in, int lines)
{
    const int first = Index(in, lines);
    const int count = Index(in, lines - first);
    std::vector<bool> seen(std::size_t(count), false);
    for (int k = 0; k < count; ++k) {
        const int from = Index(in, lines - 1) - first;
        if (from < 0 || from >= count || seen[std::size_t(from)])
            throw TMalformedBytes();
        seen[std::size_t(from)] = true;
    }
}

// Checks one record against the shapes and changes them as it would.
void Check(TBytesIn& in, TShape (&shapes)[2])
{
    const std::uint8_t kind = in.Byte();
    const int grid = int(in.Number(1));
    TShape& shape = shapes[grid];
    switch (kind) {
    case kCell:
        Index(in, shape.cols - 1);
        Index(in, shape.rows - 1);
        in.Text();
        return;
    case kSize:
        shape.cols = int(in.Number(kMaxCols));
        shape.rows = int(in.Number(kMaxRows));
        if (shape.cols < 1 || shape.rows < 1)
            throw TMalformedBytes();
        return;
    case kRowInserted:
        Index(in, shape.rows);
        if (++shape.rows > int(kMaxRows))
            throw TMalformedBytes();
        return;
    case kRowDeleted:
        Index(in, shape.rows - 1);
        if (--shape.rows < 1)
            throw TMalformedBytes();
        return;
    case kColumnDeleted:
        Index(in, shape.cols - 1);
        if (--shape.cols < 1)
            throw TMalformedBytes();
        return;
    case kRowsMoved: CheckMoves(in, shape.rows); return;
    case kColumnsMoved: CheckMoves(in, shape.cols); return;
    case kRows:
        shape.rows = RowsImage::Skip(in, TableOf(grid), shape.cols, shape.rows);
        if (shape.rows > int(kMaxRows))
            throw TMalformedBytes();
        return;
    case kRowsLike: {
        const int first = Index(in, shape.rows);
        const TShape& other = shapes[1 - grid];
        const int count = Index(in, other.rows);
        Index(in, other.rows - count);
        if (shape.cols > int(ResultTable(TableOf(grid)).ColumnCount()) || first + count > int(kMaxRows))
            throw TMalformedBytes();
        shape.rows = std::max(shape.rows, first + count);
        return;
    }
    default: throw TMalformedBytes();
    }
}

TLineOrder ReadMoves(TBytesIn& in, bool columns)
{
    TLineOrder order{columns, int(in.Number()), {}};
    order.From.resize(std::size_t(in.Number()));
    for (int& from : order.From)
        from = int(in.Number());
    return order;
}

// Applies one record checked before.
void Apply(TBytesIn& in, TzelGrid* (&grids)[2])
{
    const std::uint8_t kind = in.Byte();
    const int index = int(in.Number());
    TzelGrid& grid = *grids[index];
    switch (kind) {
    case kCell: {
        const int col = int(in.Number());
        const int row = int(in.Number());
        grid.SetCells(col, row, FromUtf8(in.Text()));
        return;
    }
    case kSize: {
        const int cols = int(in.Number());
        grid.SetColCount(cols);
        grid.SetRowCount(int(in.Number()));
        return;
    }
    case kRowInserted: grid.InsertRow(int(in.Number())); return;
    case kRowDeleted: grid.DeleteRow(int(in.Number())); return;
    case kColumnDeleted: grid.DeleteColumn(int(in.Number())); return;
    case kRowsMoved: grid.MoveLines(ReadMoves(in, false)); return;
    case kColumnsMoved: grid.MoveLines(ReadMoves(in, true)); return;
    case kRows: RowsImage::Read(in, grid, TableOf(index)); return;
    case kRowsLike: {
        const int first = int(in.Number());
        const int count = int(in.Number());
        RowsImage::Like(grid, TableOf(index), first, count, *grids[1 - index], int(in.Number()));
        return;
    }
    default: throw TMalformedBytes();
    }
}

// Calls `batch(body)` for each whole batch of a file Scan found whole.
template <class Each>
void ForEachBatch(std::string_view file, const TScan& scan, Each&& batch)
{
    for (std::size_t at = kHeaderBytes; at < scan.Length;) {
        const std::uint32_t length = GetU32(file, at + kBatchMagic.size());
        batch(ReadBody(file.substr(at + kBatchMagic.size() + 4, length)));
        at += kFrameBytes + length;
    }
}

// Writes the record of a change a grid told.
void WriteChange(TBytesOut& out, int grid, const TzelGrid& from, const TGridChange& change)
{
    auto record = [&](TRecord kind) {
        out.Byte(kind);
        out.Number(std::uint64_t(grid));
    };
    switch (change.Kind) {
    case TGridChange::Cell:
        record(kCell);
        out.Number(std::uint64_t(change.Col));
        out.Number(std::uint64_t(change.Row));
        out.Text(from.CellText(change.Col, change.Row));
        return;
    case TGridChange::Size:
        record(kSize);
        out.Number(std::uint64_t(from.ColCount()));
        out.Number(std::uint64_t(from.RowCount()));
        return;
    case TGridChange::RowInserted:
        record(kRowInserted);
        out.Number(std::uint64_t(change.Row));
        return;
    case TGridChange::RowDeleted:
        record(kRowDeleted);
        out.Number(std::uint64_t(change.Row));
        return;
    case TGridChange::ColumnDeleted:
        record(kColumnDeleted);
        out.Number(std::uint64_t(change.Col));
        return;
    case TGridChange::RowsMoved:
        record(kRowsMoved);
        Moves(out, change, change.Row);
        return;
    case TGridChange::ColumnsMoved:
        record(kColumnsMoved);
        Moves(out, change, change.Col);
        return;
    case TGridChange::RowsPut:
        // The window writes rows whole only as it computes them from their
        // plates (Calc, File > Open, Import list, and their Redo).
        record(kRows);
        RowsImage::Write(from, TableOf(grid), change.Row, change.Count, RowsImage::TRows::Computed, out);
        return;
    case TGridChange::Replaced: break; // the keeper writes the grids whole instead
    }
}

} // namespace

// A piece takes records until it holds this much.
constexpr std::size_t kPieceBytes = std::size_t(1) << 20;

std::string& TRecords::Out()
{
    if (pieces_.empty() || pieces_.back().size() >= kPieceBytes) {
        pieces_.emplace_back();
        pieces_.back().reserve(kPieceBytes + 64);
    }
    return pieces_.back();
}

void TRecords::Clear()
{
    std::vector<std::string>().swap(pieces_);
    size_ = 0;
    lastPut_ = TPut{};
}

void TRecords::Append(TRecords&& more)
{
    for (std::string& piece : more.pieces_)
        pieces_.push_back(std::move(piece));
    size_ += more.size_;
    lastPut_ = more.lastPut_;
    more.Clear();
}

void TRecords::Change(int grid, const TzelGrid& from, const TGridChange& change, const TzelGrid& other)
{
    std::string& bytes = Out();
    const std::size_t before = bytes.size();
    TBytesOut out(bytes);
    const bool put = change.Kind == TGridChange::RowsPut;
    if (put && lastPut_.grid == 1 - grid && lastPut_.count == change.Count &&
        RowsImage::SamePlates(from, TableOf(grid), change.Row, change.Count, other, lastPut_.first)) {
        out.Byte(kRowsLike);
        out.Number(std::uint64_t(grid));
        out.Number(std::uint64_t(change.Row));
        out.Number(std::uint64_t(change.Count));
        out.Number(std::uint64_t(lastPut_.first));
    } else {
        WriteChange(out, grid, from, change);
    }
    lastPut_ = put ? TPut{grid, change.Row, change.Count} : TPut{};
    Grown(before);
}

void TRecords::Grids(const TzelGrid& sg26, const TzelGrid& sg64)
{
    const TzelGrid* grids[] = {&sg26, &sg64};
    for (int grid = 0; grid < 2; ++grid) {
        const TzelGrid& from = *grids[grid];
        std::string& bytes = Out();
        const std::size_t before = bytes.size();
        TBytesOut out(bytes);
        // Two rows to write into, and fresh ones for the rest, which the image
        // fills faster than rows the grid had.
        out.Byte(kSize);
        out.Number(std::uint64_t(grid));
        out.Number(std::uint64_t(from.ColCount()));
        out.Number(std::uint64_t(std::min(from.RowCount(), 2)));
        out.Byte(kRows);
        out.Number(std::uint64_t(grid));
        RowsImage::Write(from, TableOf(grid), 0, from.RowCount(), RowsImage::TRows::Checked, out);
        Grown(before);
    }
    lastPut_ = TPut{};
}

std::string Header()
{
    std::string header(kMagic);
    PutU32(header, kVersion);
    return header;
}

std::size_t WriteBatch(const TRecords& records, const QDateTime& time, std::uint64_t plates,
                       const std::function<void(std::string_view)>& write)
{
    std::string head;
    const std::uint64_t ms = std::uint64_t(time.toMSecsSinceEpoch());
    for (int i = 0; i < 8; ++i)
        head.push_back(char(ms >> (8 * i)));
    TBytesOut(head).Number(plates);
    std::uint32_t crc = Crc(head);
    for (const std::string& piece : records.Pieces())
        crc = Crc(piece, crc);
    const std::size_t length = head.size() + records.Size();
    std::string frame(kBatchMagic);
    PutU32(frame, std::uint32_t(length));
    write(frame + head);
    for (const std::string& piece : records.Pieces())
        write(piece);
    std::string tail;
    PutU32(tail, crc);
    write(tail);
    return kFrameBytes + length;
}

std::uint64_t PlateCount(const TzelGrid& grid)
{
    const int last = grid.RowCount() - 1;
    const int rows = last + 1 - grid.FixedRows() - (grid.CellText(0, last).empty() ? 1 : 0);
    return std::uint64_t(std::max(rows, 0));
}

TScan Scan(std::string_view file)
{
    TScan scan;
    if (file.size() < kHeaderBytes || file.substr(0, kMagic.size()) != kMagic)
        return scan;
    const std::uint32_t version = GetU32(file, kMagic.size());
    if (version > kVersion) {
        scan.State = TScan::Newer;
        return scan;
    }
    if (version == 0)
        return scan;
    // A power cut can leave a batch cut short, or zeros where one was being
    // written: a batch that is not whole, with nothing but zeros after the end
    // it would have, is that torn end, and the batches before it are the file.
    // One that is not whole with more after it is damage.
    const std::size_t content = file.find_last_not_of('\0') + 1; // npos + 1 is 0
    std::size_t at = kHeaderBytes;
    while (at < content) {
        const std::string_view rest = file.substr(at);
        if (rest.size() < kFrameBytes)
            break;
        const bool framed = rest.substr(0, kBatchMagic.size()) == kBatchMagic;
        const std::uint32_t length = framed ? GetU32(rest, kBatchMagic.size()) : 0;
        if (rest.size() - kFrameBytes < length)
            break;
        const std::string_view body = rest.substr(kBatchMagic.size() + 4, length);
        std::optional<TBody> read;
        if (framed && Crc(body) == GetU32(rest, kBatchMagic.size() + 4 + length)) {
            try {
                read = ReadBody(body);
            } catch (const TMalformedBytes&) {
            }
        }
        if (!read) {
            if (at + kFrameBytes + length >= content)
                break;
            return scan;
        }
        scan.Time = read->time;
        scan.Plates = read->plates;
        at += kFrameBytes + length;
        scan.Length = at;
    }
    if (scan.Length > 0)
        scan.State = TScan::Whole;
    return scan;
}

void Load(std::string_view file, const TScan& scan, TzelGrid& sg26, TzelGrid& sg64)
{
    TShape shapes[2] = {{sg26.ColCount(), sg26.RowCount()}, {sg64.ColCount(), sg64.RowCount()}};
    ForEachBatch(file, scan, [&](const TBody& body) {
        for (TBytesIn in(body.records); !in.AtEnd();)
            Check(in, shapes);
    });
    TzelGrid* grids[2] = {&sg26, &sg64};
    ForEachBatch(file, scan, [&](const TBody& body) {
        for (TBytesIn in(body.records); !in.AtEnd();)
            Apply(in, grids);
    });
}

} // namespace Recovery
