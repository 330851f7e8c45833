#include "AppendStep.h"

#include "GridHistory.h"
#include "RowsImage.h"
#include "zelGrid.h"

#include <memory>

namespace {

TAppendRecorder::TBefore Before(TzelGrid* grid)
{
    TAppendRecorder::TBefore before{grid, grid->RowCount(), grid->ColCount(), {}};
    const int last = grid->RowCount() - 1;
    if (grid->CellText(0, last).empty())
        for (int c = 0; c < grid->ColCount(); ++c)
            before.lastRow.emplace_back(grid->CellText(c, last));
    return before;
}

bool Changed(const TAppendRecorder::TBefore& before)
{
    TzelGrid* grid = before.grid;
    return grid->RowCount() != before.rows || grid->ColCount() != before.cols ||
           (!before.lastRow.empty() && grid->CellText(0, before.rows - 1) != before.lastRow.front());
}

TCodeTable TableOf(int index)
{
    return index == 0 ? TCodeTable::Wiegand26 : TCodeTable::Wiegand64;
}

class TAppendStep : public TGridStep {
public:
    TAppendStep(QString name, const TAppendRecorder::TBefore (&before)[2]) : TGridStep(std::move(name))
    {
        for (int g = 0; g < 2; ++g) {
            TGrid& grid = grids_[g];
            grid.before = before[g];
            grid.rows = grid.before.grid->RowCount();
            grid.cols = grid.before.grid->ColCount();
        }
    }

    // The grids are as the action (or the last Redo) left them.
    void Undo() override
    {
        for (int g = 0; g < 2; ++g) {
            TGrid& grid = grids_[g];
            TzelGrid* sg = grid.before.grid;
            for (int c = grid.before.cols; c < grid.cols; ++c)
                grid.added.push_back({std::string(sg->CellText(c, 0)), sg->ColWidths(c)});
            TBytesOut out(grid.rowsImage);
            RowsImage::Write(*sg, TableOf(g), First(grid), grid.rows - First(grid), RowsImage::TRows::Computed, out);
            grid.rowsImage.shrink_to_fit();
            sg->SetColCount(grid.before.cols);
            sg->SetRowCount(grid.before.rows);
            for (int c = 0; c < int(grid.before.lastRow.size()); ++c)
                sg->SetCells(c, grid.before.rows - 1, FromUtf8(grid.before.lastRow[std::size_t(c)]));
        }
    }

    void Redo() override
    {
        for (int g = 0; g < 2; ++g) {
            TGrid& grid = grids_[g];
            TzelGrid* sg = grid.before.grid;
            sg->SetColCount(grid.cols);
            for (int c = grid.before.cols; c < grid.cols; ++c) {
                const TAddedColumn& added = grid.added[std::size_t(c - grid.before.cols)];
                sg->SetCells(c, 0, FromUtf8(added.header));
                sg->SetColWidths(c, added.width);
            }
            TBytesIn in(grid.rowsImage);
            RowsImage::Read(in, *sg, TableOf(g));
            std::string().swap(grid.rowsImage);
            grid.added.clear();
            sg->ShowCell(0, sg->RowCount() - 1);
        }
    }

    std::size_t Bytes() const override
    {
        std::size_t bytes = sizeof(*this);
        for (const TGrid& grid : grids_)
            bytes += grid.rowsImage.capacity() + grid.added.size() * sizeof(TAddedColumn);
        return bytes;
    }

private:
    struct TAddedColumn {
        std::string header;
        int width;
    };
    struct TGrid {
        TAppendRecorder::TBefore before;
        int rows = 0;
        int cols = 0;
        // While undone: the rows dropped and the columns an import had added.
        std::string rowsImage;
        std::vector<TAddedColumn> added;
    };
    // The first row the action wrote: the empty last row it filled, or the first new one.
    static int First(const TGrid& grid) { return grid.before.lastRow.empty() ? grid.before.rows : grid.before.rows - 1; }

    TGrid grids_[2];
};

} // namespace

TAppendRecorder::TAppendRecorder(TGridHistory* history, TzelGrid* sg26, TzelGrid* sg64, QString name)
    : history_(history), name_(std::move(name)), before_{Before(sg26), Before(sg64)}
{
}

TAppendRecorder::~TAppendRecorder()
{
    if (!history_ || !(Changed(before_[0]) || Changed(before_[1])))
        return;
    try {
        history_->Add(std::make_unique<TAppendStep>(name_, before_));
    } catch (...) {
        // Without room for the step the rows stay, and the history forgets what
        // came before them, so that nothing older is undone over them.
        history_->Stack().clear();
    }
}
