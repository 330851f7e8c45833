#include "GridSteps.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

std::size_t TextBytes(const std::string& text)
{
    return sizeof(std::string) + (text.size() > 15 ? text.capacity() : 0);
}

} // namespace

// ---- rows -------------------------------------------------------------------------

TInsertRowStep::TInsertRowStep(TzelGrid* grid, int row)
    : TGridStep(QCoreApplication::translate("TGridStep", "Insert row")), grid_(grid), row_(row)
{
}

// The current row stays row_, now the empty row.
void TInsertRowStep::Redo()
{
    grid_->InsertRow(row_);
}

void TInsertRowStep::Undo()
{
    grid_->DeleteRow(row_);
    grid_->ShowCell(grid_->Col(), std::min(row_, grid_->RowCount() - 1));
}

TDeleteRowStep::TDeleteRowStep(TzelGrid* grid, int row)
    : TGridStep(QCoreApplication::translate("TGridStep", "Delete row")), grid_(grid), row_(row), height_(grid->RowHeights(row))
{
    texts_.reserve(std::size_t(grid->ColCount()));
    for (int c = 0; c < grid->ColCount(); ++c)
        texts_.emplace_back(grid->CellText(c, row));
}

void TDeleteRowStep::Redo()
{
    grid_->DeleteRow(row_);
    if (row_ < grid_->RowCount())
        grid_->SetRow(row_);
}

void TDeleteRowStep::Undo()
{
    grid_->InsertRow(row_);
    for (int c = 0; c < int(texts_.size()); ++c)
        grid_->SetCells(c, row_, FromUtf8(texts_[std::size_t(c)]));
    // Hidden by a query or a view, it is hidden again.
    grid_->SetRowHeights(row_, height_);
    grid_->ShowCell(grid_->Col(), row_);
}

std::size_t TDeleteRowStep::Bytes() const
{
    std::size_t bytes = sizeof(*this);
    for (const std::string& text : texts_)
        bytes += TextBytes(text);
    return bytes;
}

// ---- columns ----------------------------------------------------------------------

TInsertColumnStep::TInsertColumnStep(TzelGrid* grid, int col)
    : TGridStep(QCoreApplication::translate("TGridStep", "Insert column")), grid_(grid), col_(col), savedWidths_(grid->SavedColWidths())
{
    for (int c = 0; c < grid->ColCount(); ++c)
        widths_.push_back(grid->ColWidths(c));
}

void TInsertColumnStep::Redo()
{
    grid_->ShowAllColumns();
    const int last = grid_->ColCount();
    grid_->SetColCount(last + 1);
    // Columns col .. last-1 move right one; the new empty last column lands at col.
    TLineOrder order{true, col_, {last}};
    for (int i = col_; i < last; ++i)
        order.From.push_back(i);
    grid_->MoveLines(order);
    std::vector<int> saved = grid_->SavedColWidths();
    for (int i = last - 1; i >= col_; --i)
        saved[std::size_t(i) + 1] = saved[std::size_t(i)];
    saved[std::size_t(col_)] = grid_->DefaultColWidth();
    grid_->SetSavedColWidths(std::move(saved));
    grid_->SetColWidths(col_, grid_->DefaultColWidth());
    grid_->Cols(col_).Clear();
    grid_->SetCol(col_);
}

void TInsertColumnStep::Undo()
{
    grid_->DeleteColumn(col_);
    for (int c = 0; c < int(widths_.size()); ++c)
        grid_->SetColWidths(c, widths_[std::size_t(c)]);
    grid_->SetSavedColWidths(savedWidths_);
    grid_->ShowCell(std::min(col_, grid_->ColCount() - 1), grid_->Row());
}

TDeleteColumnStep::TDeleteColumnStep(TzelGrid* grid, int col)
    : TGridStep(QCoreApplication::translate("TGridStep", "Delete column")), grid_(grid), col_(col)
{
}

void TDeleteColumnStep::Redo()
{
    column_ = grid_->TakeColumnOut(col_);
    if (col_ < grid_->ColCount())
        grid_->SetCol(col_);
}

void TDeleteColumnStep::Undo()
{
    grid_->PutColumnBack(col_, std::move(column_));
    column_ = TzelGrid::TTakenColumn();
    grid_->ShowCell(col_, grid_->Row());
}

std::size_t TDeleteColumnStep::Bytes() const
{
    return sizeof(*this) + column_.Cells.MemoryBytes();
}

// ---- cells ------------------------------------------------------------------------

TSetCellsStep::TSetCellsStep(QString name, TzelGrid* grid, const std::vector<TCellEdit>& edits)
    : TGridStep(std::move(name)), grid_(grid)
{
    std::string after;
    for (const TCellEdit& edit : edits) {
        if (edit.Col < 0 || edit.Row < 0 || edit.Col >= grid->ColCount() || edit.Row >= grid->RowCount())
            continue;
        AssignUtf8(after, edit.Text);
        const std::string_view before = grid->CellText(edit.Col, edit.Row);
        if (before != after)
            cells_.push_back({edit.Col, edit.Row, std::string(before), after});
    }
}

void TSetCellsStep::Redo()
{
    for (const TCell& cell : cells_)
        grid_->SetCells(cell.col, cell.row, FromUtf8(cell.after));
    Show();
}

void TSetCellsStep::Undo()
{
    for (auto cell = cells_.rbegin(); cell != cells_.rend(); ++cell)
        grid_->SetCells(cell->col, cell->row, FromUtf8(cell->before));
    Show();
}

// A body cell becomes current; a header cell cannot.
void TSetCellsStep::Show() const
{
    if (!cells_.empty() && cells_.front().row >= grid_->FixedRows())
        grid_->ShowCell(cells_.front().col, cells_.front().row);
}

std::size_t TSetCellsStep::Bytes() const
{
    std::size_t bytes = sizeof(*this);
    for (const TCell& cell : cells_)
        bytes += sizeof(TCell) + TextBytes(cell.before) + TextBytes(cell.after);
    return bytes;
}

// ---- sorting ----------------------------------------------------------------------

TSortMarks TSortMarks::Of(const TzelGrid& grid)
{
    return TSortMarks{grid.SortIndex(), grid.SortDirection(), grid.SortType()};
}

void TSortMarks::ApplyTo(TzelGrid& grid) const
{
    grid.SetSortIndex(Index);
    grid.SetSortDirection(Direction);
    grid.SetSortType(Type);
}

TSortStep::TSortStep(TzelGrid* grid, const TSortMarks& before)
    : TGridStep(QCoreApplication::translate("TGridStep", "Sort")), grid_(grid), before_(before)
{
}

void TSortStep::Redo()
{
    if (!sorted_) {
        if (grid_->SortIndex() >= 0) // otherwise the sort is switched off: the rows stay
            grid_->SortGrid(&moved_);
        after_ = TSortMarks::Of(*grid_); // a numeric sort may have fallen back to characters
        sorted_ = true;
        return;
    }
    after_.ApplyTo(*grid_);
    if (!moved_.From.empty())
        grid_->MoveLines(moved_);
}

void TSortStep::Undo()
{
    if (!moved_.From.empty()) {
        TLineOrder back{moved_.Columns, moved_.First, std::vector<int>(moved_.From.size())};
        for (std::size_t k = 0; k < moved_.From.size(); ++k)
            back.From[std::size_t(moved_.From[k] - moved_.First)] = moved_.First + int(k);
        grid_->MoveLines(back);
    }
    before_.ApplyTo(*grid_);
}
