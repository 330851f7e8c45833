#pragma once
// The selected cells of a grid as an HTML table, the form in which spreadsheets
// paste cells: row by row, the visible rows and columns of the selection only.

#include <QString>

class TStringGrid;
struct TGridRect;

QString GridSelectionHtml(const TStringGrid& grid, const TGridRect& selection);
