#include "ListImport.h"

#include "CollisionView.h"
#include "GridCellStore.h"
#include "zelGrid.h"

#include <QFontMetrics>

#include <algorithm>

namespace {

// Rows put into the grids at a time, so that a long list changes their size
// once per batch.
constexpr std::size_t kBatch = 8192;

// A result row with cells after its computed ones, as the grid takes rows.
template <class TRow>
class TRowWithOthers {
public:
    TRowWithOthers(const TRow& computed, const std::string_view* others, std::size_t count)
        : computed_(&computed), others_(others), count_(count)
    {
    }
    std::size_t size() const { return TRow::size() + count_; }
    std::string_view operator[](std::size_t c) const
    {
        return c < TRow::size() ? (*computed_)[c] : others_[c - TRow::size()];
    }

private:
    const TRow* computed_;
    const std::string_view* others_;
    std::size_t count_;
};

// A field's text for a grid cell, which is one line: each line break a space.
void AppendOneLine(std::string& out, std::string_view field)
{
    for (std::size_t i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c == '\r' && i + 1 < field.size() && field[i + 1] == '\n')
            continue;
        out.push_back(c == '\r' || c == '\n' ? ' ' : c);
    }
}

int HeaderWidth(const TzelGrid* grid, const QString& name)
{
    const int text = QFontMetrics(grid->Font()).horizontalAdvance(name) + 2 * grid->TextMarginX + 8;
    return std::clamp(text, 80, 240);
}

} // namespace

TListImport::TListImport(TzelGrid* sg26, TzelGrid* sg64, TCollisionView* collisions)
    : grid26_{sg26, int(kWiegand26Table.ColumnCount()), {}, 0},
      grid64_{sg64, int(kWiegand64Table.ColumnCount()), {}, 0},
      collisions_(collisions)
{
    rows26_.reserve(kBatch);
    rows64_.reserve(kBatch);
}

void TListImport::ListColumns(const TListColumns& columns)
{
    listColumns_ = columns.Names.size();
    PlaceColumns(grid26_, columns);
    PlaceColumns(grid64_, columns);
}

void TListImport::PlaceColumns(TGridColumns& target, const TListColumns& columns)
{
    TzelGrid* grid = target.grid;
    std::vector<std::string> existing;
    for (int c = target.computed; c < grid->ColCount(); ++c)
        existing.emplace_back(grid->CellText(c, 0));
    TOtherColumns others(std::move(existing));
    const std::vector<int> places = others.Place(columns, true);

    const int oldCount = grid->ColCount();
    const int count = std::max(oldCount, target.computed + int(others.Names().size()));
    if (count > oldCount) {
        grid->SetColCount(count);
        for (int c = std::max(oldCount, target.computed); c < count; ++c) {
            const std::string& name = others.Names()[std::size_t(c - target.computed)];
            const QString header = FromUtf8(name);
            grid->SetCells(c, 0, header);
            grid->SetColWidths(c, HeaderWidth(grid, header));
        }
    }
    target.columnOf.assign(places.size(), -1);
    target.others = 0;
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (places[i] < 0)
            continue;
        target.columnOf[i] = target.computed + places[i];
        target.others = std::max(target.others, std::size_t(places[i]) + 1);
    }
}

void TListImport::ListPlate(const TPlateBytes& plate, const TDelimitedRecord& record)
{
    const TPlateCodes codes = ComputePlateCodes(plate);
    rows26_.push_back(Wiegand26RowCells(codes));
    rows64_.push_back(Wiegand64RowCells(codes));
    collisions_->Take(codes);
    for (std::size_t i = 0; i < listColumns_; ++i) {
        if (i < record.Fields.size())
            AppendOneLine(texts_, record.Fields[i]);
        textEnds_.push_back(texts_.size());
    }
    ++imported_;
    if (rows26_.size() == kBatch)
        Flush();
}

void TListImport::ListIssue(const TRecordIssue& issue)
{
    issues_.Add(issue.Problem);
}

std::vector<std::string_view> TListImport::OtherCells(const TGridColumns& target) const
{
    std::vector<std::string_view> cells(rows26_.size() * target.others);
    for (std::size_t k = 0; k < rows26_.size(); ++k) {
        for (std::size_t i = 0; i < listColumns_; ++i) {
            if (target.columnOf[i] < 0)
                continue;
            const std::size_t at = k * listColumns_ + i;
            const std::size_t start = at == 0 ? 0 : textEnds_[at - 1];
            cells[k * target.others + std::size_t(target.columnOf[i] - target.computed)] =
                std::string_view(texts_).substr(start, textEnds_[at] - start);
        }
    }
    return cells;
}

void TListImport::Flush()
{
    if (rows26_.empty())
        return;
    const std::vector<std::string_view> cells26 = OtherCells(grid26_);
    const std::vector<std::string_view> cells64 = OtherCells(grid64_);
    std::vector<TRowWithOthers<TWiegand26Row>> put26;
    std::vector<TRowWithOthers<TWiegand64Row>> put64;
    put26.reserve(rows26_.size());
    put64.reserve(rows64_.size());
    for (std::size_t k = 0; k < rows26_.size(); ++k) {
        put26.emplace_back(rows26_[k], cells26.data() + k * grid26_.others, grid26_.others);
        put64.emplace_back(rows64_[k], cells64.data() + k * grid64_.others, grid64_.others);
    }
    collisions_->PutRows([&] {
        grid26_.grid->PutRows(put26.data(), put26.size());
        grid64_.grid->PutRows(put64.data(), put64.size());
    });
    rows26_.clear();
    rows64_.clear();
    texts_.clear();
    textEnds_.clear();
}
