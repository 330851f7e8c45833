#include "zelGrid.h"

#include "Dialogs.h"

#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A shown results-like grid of the given texts, values computed, no focus rectangle.
void Show(TzelGrid& grid, const std::vector<QStringList>& cells, int fixedCols = 0)
{
    grid.SetAutoCalculate(false);
    grid.SetColCount(int(cells.front().size()));
    grid.SetRowCount(int(cells.size()));
    grid.SetFixedCols(fixedCols);
    grid.SetDefaultRowHeight(20);
    grid.SetSortIndex(-1);
    for (int r = 0; r < int(cells.size()); ++r)
        grid.Rows(r).Assign(cells[r]);
    grid.resize(560, 220);
    grid.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&grid));
}

QImage Grab(TzelGrid& grid)
{
    return grid.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

// A results grid with everything the cells can show, saved for a look at
// /tmp/zelgrid-cells.png: bands, a selection, right-aligned numbers, formula
// values in red, links, a wrapped text and A1 labels.
TEST(zelGridPicture, CellsWithEverythingOn)
{
    TScopedRecordingDialogs dialogs;
    TzelGrid grid;
    Show(grid, {{"Plate", "Amount", "Twice", "Link", "Note"},
                {"HK55EVB", "12.5", "=B1*2", "http://example.com", "a note long enough to wrap in its cell"},
                {"B123XYZ", "7", "=B2*2", "mailto:desk@example.com", "short"},
                {"KÖLN1", "abc", "=sumcol", "https://secure.example", "-"},
                {"ZZ9", "-3.25", "=1/0", "HTTP://UPPER.example", "1e3"},
                {"total", "=sumcol", "=avgcol", "", ""}});
    grid.SetColWidths(3, 150);
    grid.SetColWidths(4, 110);
    grid.SetRowHeights(1, 34);
    grid.SetOptions(grid.Options() | goDrawFocusSelected);
    grid.SetBandsShow(true);
    grid.SetNumbersalRight(true);
    grid.SetHighlightURL(true);
    grid.SetWordWrap(true);
    grid.SetCellRefStyle(rsA1);
    grid.SetShowValues(true);
    grid.SetSelection(TGridRect{0, 4, 1, 4});
    ASSERT_TRUE(dialogs.messages.empty());
    ASSERT_TRUE(Grab(grid).save("/tmp/zelgrid-cells.png"));
}

// Row headers with row/column labels, saved for a look at /tmp/zelgrid-rowcol.png.
TEST(zelGridPicture, RowHeadersWithRowColLabels)
{
    TzelGrid grid;
    Show(grid, {{"", "Plate", "Code", "Value"},
                {"first", "HK55EVB", "0x3019E2A", "8441621"},
                {"second", "B123XYZ", "0x0704FF8", "5592405"},
                {"third", "ZZ9", "0x0000001", "1"}},
         1);
    grid.SetCellRefStyle(rsRowCol);
    grid.SetColWidths(0, 80);
    ASSERT_TRUE(Grab(grid).save("/tmp/zelgrid-rowcol.png"));
}

// The header row with the ascending arrow above the descending one, four times
// enlarged, saved for a look at /tmp/zelgrid-arrows.png.
TEST(zelGridPicture, SortArrowsBothWays)
{
    TzelGrid grid;
    Show(grid, {{"Plate", "Code", "Value"}, {"HK55EVB", "0x3019E2A", "8441621"}});
    grid.SetSortIndex(1);
    const QRect header = grid.CellRect(0, 0).united(grid.CellRect(2, 0)).adjusted(0, 0, 1, 1);
    const QImage up = Grab(grid).copy(header);
    grid.SetSortDirection(Descending);
    const QImage down = Grab(grid).copy(header);
    QImage both(header.width(), header.height() * 2, QImage::Format_RGB32);
    QPainter painter(&both);
    painter.drawImage(0, 0, up);
    painter.drawImage(0, header.height(), down);
    painter.end();
    ASSERT_TRUE(both.scaled(both.size() * 4).save("/tmp/zelgrid-arrows.png"));
}
