// The grid's keyboard: the mapped shortcuts that run grid commands, Enter that
// recalculates and advances, and the step over hidden lines after an arrow key.

#include "zelGrid.h"

#include <algorithm>

namespace {

// The shortcut's key code and exact modifier set match the pressed key.
bool Matches(TShortCut shortcut, int key, TShiftState shift)
{
    return shortcut != scNone && key <= 0xFF && shortcut == ShortCut(key, shift & ssModifiers);
}

// The first visible line from i on, or -1.
int VisibleFrom(const TGridAxis& axis, int i)
{
    const int next = axis.NextVisible(i);
    return next < axis.Count() ? next : -1;
}

// The last visible line from i back to `first`, or -1.
int VisibleBackTo(const TGridAxis& axis, int i, int first)
{
    const int prev = axis.PrevVisible(i);
    return prev >= first ? prev : -1;
}

// The visible line to step to in the key's direction, or back the other way when
// nothing visible lies ahead; -1 when neither has one.
int StepTo(bool forward, int next, int prev)
{
    const int ahead = forward ? next : prev;
    return ahead >= 0 ? ahead : (forward ? prev : next);
}

} // namespace

bool TzelGrid::RunMappedCommand(int key, TShiftState shift)
{
    const TGridKeyMappings& keys = keyMappings_;
    const std::pair<TShortCut, void (TzelGrid::*)()> commands[] = {
        {keys.RowInsert(), &TzelGrid::InsertRowAtCurrent},
        {keys.RowDelete(), &TzelGrid::DeleteRowAtCurrent},
        {keys.ColumnInsert(), &TzelGrid::InsertColumnAtCurrent},
        {keys.ColumnDelete(), &TzelGrid::DeleteColumnAtCurrent},
        {keys.PrintPreview(), &TzelGrid::ShowPrintPreview},
        {keys.QueryDialog(), &TzelGrid::ShowQueryDialog},
        {keys.FormuleDialog(), &TzelGrid::ShowFormulaDialog},
        {keys.CellNamesDialog(), &TzelGrid::ShowCellNamesDialog},
        {keys.SetHeader(), &TzelGrid::CopyRowToHeader},
    };
    for (const auto& [shortcut, command] : commands) {
        if (Matches(shortcut, key, shift)) {
            (this->*command)();
            return true;
        }
    }
    return false;
}

void TzelGrid::KeyDown(int& key, TShiftState shift)
{
    // A mapped key is consumed, so the base grid's navigation does nothing with it.
    if (keyMappingsEnabled_ && RunMappedCommand(key, shift))
        key = 0;
    TStringGrid::KeyDown(key, shift);
}

void TzelGrid::KeyUp(int& key, TShiftState shift)
{
    // The base grid moved onto the next line on key-down, which may be hidden:
    // step on in the key's direction, or back when nothing visible lies there.
    if ((key == VK_DOWN || key == VK_UP) && RowHeights(Row()) < 1) {
        const int row = StepTo(key == VK_DOWN, NextVisibleRow(Row()), PrevVisibleRow(Row()));
        if (row >= 0)
            SetRow(row);
    }
    if ((key == VK_RIGHT || key == VK_LEFT) && ColWidths(Col()) < 1) {
        const int col = StepTo(key == VK_RIGHT, NextVisibleColumn(Col()), PrevVisibleColumn(Col()));
        if (col >= 0)
            SetCol(col);
    }
    TStringGrid::KeyUp(key, shift);
}

void TzelGrid::KeyPress(QChar& key)
{
    if (key == QChar(VK_RETURN)) {
        if (autoCalculate_)
            Recalculate();
        AdvanceByEnter();
    }
    // The base grid's own key-press handling only notifies; that is all it does here.
    if (OnKeyPress)
        OnKeyPress(this, key);
}

void TzelGrid::AdvanceByEnter()
{
    const bool lastCol = Col() >= ColCount() - 1;
    const bool lastRow = Row() >= RowCount() - 1;
    switch (advanceDirection_) {
    case adRight:
        if (!lastCol) {
            SetCol(Col() + 1);
        } else if (!lastRow) {
            SetCol(1);
            SetRow(Row() + 1);
        }
        break;
    case adDown:
        if (!lastRow) {
            SetRow(Row() + 1);
        } else if (!lastCol) {
            SetRow(1);
            SetCol(Col() + 1);
        }
        break;
    case adNone: break;
    }
}

int TzelGrid::NextVisibleRow(int row) const
{
    return VisibleFrom(RowAxis(), row);
}

// Searching backwards never ends on a header line: the current cell cannot stand
// there. With the results grids' FixedCols of 0, column 0 is a data column and the
// left arrow must be able to reach it over hidden columns.
int TzelGrid::PrevVisibleRow(int row) const
{
    return VisibleBackTo(RowAxis(), row, std::max(FixedRows(), 1));
}

int TzelGrid::NextVisibleColumn(int col) const
{
    return VisibleFrom(ColAxis(), col);
}

int TzelGrid::PrevVisibleColumn(int col) const
{
    return VisibleBackTo(ColAxis(), col, FixedCols());
}
