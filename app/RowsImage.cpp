#include "RowsImage.h"

#include "PlateCodes.h"
#include "zelGrid.h"

#include <algorithm>
#include <limits>
#include <type_traits>
#include <vector>

namespace RowsImage {
namespace {

// Rows: first, count, the grid's column count; then each row:
//   0, every cell's text                                  (a row kept as it is)
//   1, plate, mask of the computed cells kept, their texts,
//      the texts of the columns after the computed ones   (a row computed from its plate)
constexpr std::uint8_t kPlainRow = 0;
constexpr std::uint8_t kComputedRow = 1;
// Plates computed at a time, as lists compute them, and rows written into a
// grid at a time, so that a million rows change its size a hundred times.
constexpr std::size_t kBatch = 256;
constexpr std::size_t kWriteBatch = 8192;

template <class TRow>
constexpr TCodeTable kTableOf = std::is_same_v<TRow, TWiegand26Row> ? TCodeTable::Wiegand26 : TCodeTable::Wiegand64;

template <class TRow>
TRow CellsOf(const TPlateCodes& codes)
{
    if constexpr (kTableOf<TRow> == TCodeTable::Wiegand26)
        return Wiegand26RowCells(codes);
    else
        return Wiegand64RowCells(codes);
}

// The computed cells of up to kBatch plates.
template <class TRow>
class TComputedBatch {
public:
    void Clear() { plates_.clear(); }
    // The index of the plate's row in the batch.
    std::size_t Add(std::string_view plate)
    {
        plates_.emplace_back(plate);
        return plates_.size() - 1;
    }
    std::size_t Size() const { return plates_.size(); }
    void Compute()
    {
        codes_.resize(plates_.size());
        ComputeTableCodesInBulk(kTableOf<TRow>, plates_, codes_.data()); // only what the row shows
        rows_.clear();
        for (const TPlateCodes& codes : codes_)
            rows_.push_back(CellsOf<TRow>(codes));
    }
    const TRow& Row(std::size_t i) const { return rows_[i]; }

private:
    std::vector<TPlateBytes> plates_;
    std::vector<TPlateCodes> codes_;
    std::vector<TRow> rows_;
};

// A row as WriteRows takes it: views of its cells' texts.
struct TCellViews {
    const std::string_view* cells;
    std::size_t count;
    std::size_t size() const { return count; }
    std::string_view operator[](std::size_t c) const { return cells[c]; }
};

bool IsPlateSized(std::string_view text)
{
    return !text.empty() && text.size() <= kPlateMaxBytes;
}

void WritePlainRow(const TzelGrid& grid, int r, int cols, TBytesOut& out)
{
    out.Byte(kPlainRow);
    for (int c = 0; c < cols; ++c)
        out.Text(grid.CellText(c, r));
}

// A row computed from its plate; `kept` marks the computed cells that differ.
template <class TRow>
void WriteComputedRow(const TzelGrid& grid, int r, int cols, std::uint8_t kept, TBytesOut& out)
{
    out.Byte(kComputedRow);
    out.Text(grid.CellText(0, r));
    out.Byte(kept);
    const int computedCols = std::min(cols, int(TRow::size()));
    for (int c = 0; c < computedCols; ++c)
        if (kept & (1u << c))
            out.Text(grid.CellText(c, r));
    for (int c = int(TRow::size()); c < cols; ++c)
        out.Text(grid.CellText(c, r));
}

template <class TRow>
void WriteRows(const TzelGrid& grid, int first, int count, TRows known, TBytesOut& out)
{
    const int cols = grid.ColCount();
    const int computedCols = std::min(cols, int(TRow::size()));
    out.Number(std::uint64_t(first));
    out.Number(std::uint64_t(count));
    out.Number(std::uint64_t(cols));
    if (known == TRows::Computed) {
        // Rows the window computed from their plates: nothing to compare.
        for (int r = first; r < first + count; ++r) {
            if (IsPlateSized(grid.CellText(0, r)))
                WriteComputedRow<TRow>(grid, r, cols, 0, out);
            else
                WritePlainRow(grid, r, cols, out);
        }
        return;
    }
    TComputedBatch<TRow> batch;
    std::vector<int> batchRow(kBatch); // per row of the batch: its index there, or -1
    for (int start = first; start < first + count; start += int(kBatch)) {
        const int end = std::min(first + count, start + int(kBatch));
        batch.Clear();
        for (int r = start; r < end; ++r) {
            const std::string_view plate = grid.CellText(0, r);
            TPlateBytes canonical;
            const bool computed = IsPlateSized(plate) && NormalizePlateTo(plate, canonical) && canonical == plate;
            batchRow[std::size_t(r - start)] = computed ? int(batch.Add(plate)) : -1;
        }
        batch.Compute();
        for (int r = start; r < end; ++r) {
            const int inBatch = batchRow[std::size_t(r - start)];
            if (inBatch < 0) {
                WritePlainRow(grid, r, cols, out);
                continue;
            }
            const TRow& cells = batch.Row(std::size_t(inBatch));
            std::uint8_t kept = 0;
            for (int c = 0; c < computedCols; ++c)
                if (grid.CellText(c, r) != cells[std::size_t(c)])
                    kept |= std::uint8_t(1u << c);
            WriteComputedRow<TRow>(grid, r, cols, kept, out);
        }
    }
}

// One row as read: its kind and its texts as they stand in the bytes.
struct TReadRow {
    bool computed = false;
    std::uint8_t kept = 0;
    std::size_t texts = 0; // index of its first text in the batch's texts
};

// Reads one row's kind and texts; throws TMalformedBytes when they do not fit.
template <class TRow>
TReadRow ReadRow(TBytesIn& in, int cols, std::vector<std::string_view>& texts)
{
    const int computedCols = std::min(cols, int(TRow::size()));
    TReadRow row;
    row.texts = texts.size();
    const std::uint8_t kind = in.Byte();
    if (kind == kPlainRow) {
        for (int c = 0; c < cols; ++c)
            texts.push_back(in.Text());
        return row;
    }
    if (kind != kComputedRow)
        throw TMalformedBytes();
    row.computed = true;
    texts.push_back(in.Text());
    if (!IsPlateSized(texts.back()))
        throw TMalformedBytes();
    row.kept = in.Byte();
    if (row.kept >> computedCols)
        throw TMalformedBytes();
    for (int c = 0; c < computedCols; ++c)
        if (row.kept & (1u << c))
            texts.push_back(in.Text());
    for (int c = int(TRow::size()); c < cols; ++c)
        texts.push_back(in.Text());
    return row;
}

// The rows' place, checked against a grid of `cols` columns and `rows` rows.
struct TPlace {
    int first;
    int count;
    int cols;
};

TPlace ReadPlace(TBytesIn& in, int cols, int rows)
{
    const int first = int(in.Number(std::uint64_t(rows)));
    const int count = int(in.Number(std::uint64_t(std::numeric_limits<int>::max() - first)));
    if (int(in.Number()) != cols)
        throw TMalformedBytes();
    return {first, count, cols};
}

template <class TRow>
int SkipRows(TBytesIn& in, int cols, int rows)
{
    const TPlace place = ReadPlace(in, cols, rows);
    std::vector<std::string_view> texts;
    for (int r = 0; r < place.count; ++r) {
        ReadRow<TRow>(in, cols, texts);
        texts.clear();
    }
    return std::max(rows, place.first + place.count);
}

template <class TRow>
void ReadRows(TBytesIn& in, TzelGrid& grid)
{
    {
        TBytesIn check = in; // every row is read before the grid changes
        SkipRows<TRow>(check, grid.ColCount(), grid.RowCount());
    }
    const TPlace place = ReadPlace(in, grid.ColCount(), grid.RowCount());
    const int cols = place.cols;
    const int computedCols = std::min(cols, int(TRow::size()));
    TComputedBatch<TRow> batch;
    std::vector<TReadRow> rows;
    std::vector<std::string_view> texts;
    std::vector<std::string_view> cells;
    std::vector<TCellViews> views;
    for (int start = 0; start < place.count; start += int(kWriteBatch)) {
        const int n = std::min(place.count - start, int(kWriteBatch));
        batch.Clear();
        rows.clear();
        texts.clear();
        for (int k = 0; k < n; ++k) {
            rows.push_back(ReadRow<TRow>(in, cols, texts));
            if (rows.back().computed)
                batch.Add(texts[rows.back().texts]);
        }
        batch.Compute();
        cells.assign(std::size_t(n) * std::size_t(cols), std::string_view());
        views.clear();
        std::size_t computed = 0;
        for (int k = 0; k < n; ++k) {
            const TReadRow& row = rows[std::size_t(k)];
            std::string_view* out = cells.data() + std::size_t(k) * std::size_t(cols);
            std::size_t text = row.texts;
            if (!row.computed) {
                std::copy_n(texts.begin() + std::ptrdiff_t(text), cols, out);
            } else {
                const TRow& made = batch.Row(computed++);
                ++text; // the plate
                for (int c = 0; c < computedCols; ++c)
                    out[c] = row.kept & (1u << c) ? texts[text++] : made[std::size_t(c)];
                for (int c = int(TRow::size()); c < cols; ++c)
                    out[c] = texts[text++];
            }
            views.push_back({out, std::size_t(cols)});
        }
        grid.WriteRows(place.first + start, views.data(), views.size());
    }
}

} // namespace

void Write(const TzelGrid& grid, TCodeTable table, int first, int count, TRows rows, TBytesOut& out)
{
    if (table == TCodeTable::Wiegand26)
        WriteRows<TWiegand26Row>(grid, first, count, rows, out);
    else
        WriteRows<TWiegand64Row>(grid, first, count, rows, out);
}

void Read(TBytesIn& in, TzelGrid& grid, TCodeTable table)
{
    if (table == TCodeTable::Wiegand26)
        ReadRows<TWiegand26Row>(in, grid);
    else
        ReadRows<TWiegand64Row>(in, grid);
}

bool SamePlates(const TzelGrid& grid, TCodeTable table, int first, int count, const TzelGrid& other, int from)
{
    if (grid.ColCount() > int(ResultTable(table).ColumnCount()))
        return false;
    for (int k = 0; k < count; ++k) {
        const std::string_view plate = grid.CellText(0, first + k);
        if (!IsPlateSized(plate) || plate != other.CellText(0, from + k))
            return false;
    }
    return true;
}

void Like(TzelGrid& grid, TCodeTable table, int first, int count, const TzelGrid& other, int from)
{
    // As Write would have written them: each a computed row with nothing kept,
    // or, should a text not be a plate, a plain row of it.
    const int cols = grid.ColCount();
    std::string bytes;
    TBytesOut out(bytes);
    out.Number(std::uint64_t(first));
    out.Number(std::uint64_t(count));
    out.Number(std::uint64_t(cols));
    for (int k = 0; k < count; ++k) {
        const std::string_view plate = other.CellText(0, from + k);
        if (IsPlateSized(plate)) {
            out.Byte(kComputedRow);
            out.Text(plate);
            out.Byte(0);
            continue;
        }
        out.Byte(kPlainRow);
        out.Text(plate);
        for (int c = 1; c < cols; ++c)
            out.Text(std::string_view());
    }
    TBytesIn in(bytes);
    Read(in, grid, table);
}

int Skip(TBytesIn& in, TCodeTable table, int cols, int rows)
{
    return table == TCodeTable::Wiegand26 ? SkipRows<TWiegand26Row>(in, cols, rows)
                                          : SkipRows<TWiegand64Row>(in, cols, rows);
}

} // namespace RowsImage
