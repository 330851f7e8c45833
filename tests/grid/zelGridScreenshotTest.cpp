#include "zelGrid.h"

#include <QTest>
#include <gtest/gtest.h>

// Paints a results grid with a header row, two hidden columns and a range
// selection, and saves it for a look at /tmp/zelgrid.png.
TEST(zelGridPicture, HeaderHiddenColumnsAndSelection)
{
    TzelGrid grid;
    grid.SetColCount(7);
    grid.SetDefaultRowHeight(20);
    grid.SetFixedCols(0);
    grid.SetOptions(grid.Options() | goDrawFocusSelected | goColSizing);
    grid.SetColumnHeaders({"Number plate", "Wiegand 26-bit (hex)", "Digest (full hex)", "Digest (truncated hex)",
                           "Digest (truncated dec)", "Facility code", "ID number"});
    const QStringList rows[] = {
        {"HK55EVB", "0x3019E2A", "0xA44F633C 8A6D1581 50CCEB3E F83D9DE0 BA80CF15", "0x80CF15", "8441621", "128", "53013"},
        {"B123XYZ", "0x0704FF8", "0x11111111 22222222 33333333 44444444 55555555", "0x555555", "5592405", "85", "21845"},
        {"KÖLN1", "0x1A2B3C4", "0x9ABCDEF0 12345678 9ABCDEF0 12345678 00FF00FF", "0xFF00FF", "16711935", "255", "255"},
        {"ZZ9", "0x0000001", "0x00000000 00000000 00000000 00000000 00000001", "0x000001", "1", "0", "1"},
    };
    grid.SetRowCount(1 + int(std::size(rows)));
    for (int r = 0; r < int(std::size(rows)); ++r)
        grid.Rows(r + 1).Assign(rows[r]);
    grid.SetColWidths(0, 90);
    grid.SetColWidths(1, 130);
    grid.SetColWidths(2, -1); // hidden, as the View menu does
    grid.SetColWidths(3, 140);
    grid.SetColWidths(5, -1);
    grid.resize(640, 180);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    grid.SetSelection(TGridRect{1, 2, 3, 3});

    const QImage picture = grid.grab().toImage();
    ASSERT_TRUE(picture.save("/tmp/zelgrid.png"));
    // The selection is painted in the highlight colour, the header row is not;
    // the current cell (3, 3) bears the focus frame.
    const QRect selected = grid.CellRect(3, 2);
    EXPECT_EQ(picture.pixelColor(selected.topLeft() + QPoint(2, 1) + grid.viewport()->pos()), ToQColor(clHighlight));
    const QRect header = grid.CellRect(3, 0);
    EXPECT_NE(picture.pixelColor(header.topLeft() + QPoint(1, 1) + grid.viewport()->pos()), ToQColor(clHighlight));
    EXPECT_TRUE(grid.CellRect(2, 1).isEmpty());
}

// A long grid with every other row hidden, scrolled to the end and sideways,
// saved for a look at /tmp/zelgrid-scrolled.png.
TEST(zelGridPicture, ScrolledWithHiddenRows)
{
    TzelGrid grid;
    grid.SetColCount(6);
    grid.SetRowCount(2001);
    grid.SetDefaultRowHeight(20);
    grid.SetFixedCols(1);
    grid.SetOptions(grid.Options() | goDrawFocusSelected);
    for (int c = 0; c < 6; ++c)
        grid.SetCells(c, 0, QString("Header %1").arg(c));
    for (int r = 1; r < 2001; ++r) {
        grid.SetCells(0, r, QString::number(r));
        for (int c = 1; c < 6; ++c)
            grid.SetCells(c, r, QString("r%1c%2").arg(r).arg(c));
        if (r % 2)
            grid.HideRow(r);
    }
    grid.resize(360, 200);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    grid.SetCol(5);
    grid.SetRow(2000);
    const QImage picture = grid.grab().toImage();
    ASSERT_TRUE(picture.save("/tmp/zelgrid-scrolled.png"));
    const QRect last = grid.CellRect(5, 2000);
    ASSERT_FALSE(last.isEmpty());
    EXPECT_LE(last.bottom(), grid.viewport()->height());
    EXPECT_EQ(grid.MouseToCell(last.center().x(), last.center().y()), (TGridCoord{5, 2000}));
    EXPECT_EQ(grid.MouseToCell(last.center().x(), last.center().y() - 21), (TGridCoord{5, 1998}));
}
