#pragma once
// The selected cells of a grid as an HTML table, the form in which spreadsheets
// paste cells: the header cells of the selected columns, then row by row, the
// visible rows and columns of the selection only, each cell's text as it is.

#include <QString>

class TStringGrid;
struct TGridRect;

QString GridSelectionHtml(const TStringGrid& grid, const TGridRect& selection);
