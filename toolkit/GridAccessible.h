#pragma once
// The string grid as screen readers see it: a table whose cells are the grid's
// visible cells, the header rows (and fixed columns) their column (and row)
// headers, hidden lines left out. Cells are made when a screen reader asks for
// them, never for the whole grid, and are told about the current cell, the
// selection and their texts as they change. Nothing of this runs while no
// assistive technology listens.

class QString;
class TStringGrid;

// Installs the factory that gives every string grid its table (once per program).
void InstallGridAccessibility();

// What the grid tells its table; each does nothing while accessibility is off.
namespace GridAccessibility {
// Whether an assistive technology listens, so that the grid reads what it tells.
bool Listening();
// The current cell or the selection moved.
void CurrentChanged(TStringGrid* grid, bool selectionChanged);
// The grid got the focus: its current cell is the focused object.
void FocusIn(TStringGrid* grid);
// The text of a cell changed.
void TextChanged(TStringGrid* grid, int col, int row, const QString& oldText, const QString& newText);
// Lines were added, removed, moved, hidden or shown.
void LinesChanged(TStringGrid* grid);
} // namespace GridAccessibility
