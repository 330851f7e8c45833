#include "StringGrid.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

// A grid that records its size notifications and lets tests veto cell moves.
class TProbeGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
    std::vector<std::pair<int, int>> sizeChanges;
    bool allowSelect = true;

protected:
    void SizeChanged(int oldCols, int oldRows) override { sizeChanges.emplace_back(oldCols, oldRows); }
    bool SelectCell(int col, int row) override { return allowSelect && TStringGrid::SelectCell(col, row); }
};

QWidget* Viewport(TStringGrid& grid)
{
    return grid.viewport();
}

void Click(TStringGrid& grid, QPoint p, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QTest::mouseClick(Viewport(grid), Qt::LeftButton, mods, p);
}

void Key(TStringGrid& grid, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QTest::keyClick(&grid, key, mods);
}

} // namespace

TEST(StringGrid, DefaultsCellsAndSizeNotifications)
{
    TProbeGrid grid;
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.DefaultColWidth(), 64);
    EXPECT_EQ(grid.DefaultRowHeight(), 24);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Cells(3, 3), QString());

    grid.SetCells(2, 3, QStringLiteral("Grüße 😀"));
    EXPECT_EQ(grid.Cells(2, 3), QStringLiteral("Grüße 😀"));
    // Writes outside the grid are dropped, reads there give the empty text.
    grid.SetCells(9, 9, QStringLiteral("x"));
    grid.SetCells(-1, 0, QStringLiteral("x"));
    EXPECT_EQ(grid.Cells(9, 9), QString());

    grid.SetRowCount(8);
    grid.SetColCount(3);
    ASSERT_EQ(grid.sizeChanges.size(), 2u);
    EXPECT_EQ(grid.sizeChanges[0], std::make_pair(5, 5));
    EXPECT_EQ(grid.sizeChanges[1], std::make_pair(5, 8));
    grid.SetRowCount(8); // unchanged: no notification
    EXPECT_EQ(grid.sizeChanges.size(), 2u);
    EXPECT_EQ(grid.Cells(2, 3), QStringLiteral("Grüße 😀"));
    // Shrinking drops lines; growing again brings empty ones.
    grid.SetRowCount(3);
    grid.SetRowCount(8);
    EXPECT_EQ(grid.Cells(2, 3), QString());
}

TEST(StringGrid, RowAndColumnViewsFollowTheCopyRules)
{
    TStringGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.Rows(1).Assign(QStringList{"a", "b", "c"});
    EXPECT_EQ(grid.Rows(1).Count(), 3);
    EXPECT_EQ(grid.Cols(0).Count(), 3);
    EXPECT_EQ(grid.Rows(1)[1], "b");
    // A shorter list leaves the rest of the line; a longer one is cut.
    grid.Rows(1).Assign(QStringList{"x"});
    EXPECT_EQ(grid.Rows(1).ToStringList(), (QStringList{"x", "b", "c"}));
    grid.Rows(2).Assign(QStringList{"1", "2", "3", "4"});
    EXPECT_EQ(grid.Rows(2).ToStringList(), (QStringList{"1", "2", "3"}));
    // View to view copies the whole line.
    grid.Rows(0).Assign(grid.Rows(2));
    EXPECT_EQ(grid.Rows(0).ToStringList(), (QStringList{"1", "2", "3"}));
    grid.Cols(2).Assign(grid.Cols(0));
    EXPECT_EQ(grid.Cols(2).ToStringList(), (QStringList{"1", "x", "1"}));
    grid.Rows(0).Clear();
    EXPECT_EQ(grid.Rows(0).ToStringList(), (QStringList{"", "", ""}));

    // Deleting shifts the following lines and reduces the count.
    grid.DeleteRow(1);
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Rows(1).ToStringList(), (QStringList{"1", "2", "1"}));
    grid.DeleteColumn(0);
    EXPECT_EQ(grid.ColCount(), 2);
    EXPECT_EQ(grid.Rows(1).ToStringList(), (QStringList{"2", "1"}));
}

TEST(StringGrid, SelectionAssignmentAndCurrentCellGuards)
{
    TProbeGrid grid;
    std::vector<std::pair<int, int>> asked;
    grid.OnSelectCell = [&](QObject*, int c, int r, bool& can) { asked.emplace_back(c, r); can = c != 4; };
    grid.SetSelection(TGridRect{1, 2, 3, 4});
    EXPECT_TRUE(asked.empty()); // assignment never asks
    EXPECT_EQ(grid.Col(), 3);
    EXPECT_EQ(grid.Row(), 4);
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 2, 3, 4}));
    grid.SetCol(2);
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_EQ(asked.back(), std::make_pair(2, 4));
    grid.SetCol(4); // vetoed by the subscriber
    EXPECT_EQ(grid.Col(), 2);
    grid.allowSelect = false; // vetoed by the override
    grid.SetRow(1);
    EXPECT_EQ(grid.Row(), 4);
    grid.allowSelect = true;
    grid.SetCol(0); // fixed column never becomes current
    EXPECT_EQ(grid.Col(), 2);
    // Shrinking keeps the current cell inside the grid.
    grid.SetRowCount(3);
    EXPECT_EQ(grid.Row(), 2);
}

class StringGridWidget : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.SetColCount(8);
        grid.SetRowCount(200);
        grid.SetDefaultRowHeight(20);
        grid.SetOptions(grid.Options() | goColSizing | goDrawFocusSelected);
        grid.resize(400, 300);
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }
    TStringGrid grid;
};

TEST_F(StringGridWidget, MouseToCellAndCellRectWithHiddenLinesAndScrolling)
{
    grid.SetColWidths(2, -1);
    grid.SetRowHeights(2, 0);
    // Column 0 spans 0..64, column 1 65..129, column 2 hidden, column 3 from 130.
    EXPECT_EQ(grid.CellRect(3, 3), QRect(130, 42, 64, 20));
    EXPECT_EQ(grid.MouseToCell(131, 43), (TGridCoord{3, 3}));
    EXPECT_EQ(grid.MouseToCell(129, 10), (TGridCoord{1, 0}));
    EXPECT_TRUE(grid.CellRect(2, 3).isEmpty());
    EXPECT_TRUE(grid.CellRect(3, 2).isEmpty());
    // Beyond the last column the column is -1, the row still found.
    grid.SetColCount(3);
    EXPECT_EQ(grid.MouseToCell(300, 43), (TGridCoord{-1, 3}));
    grid.SetColCount(8);
    grid.SetColWidths(2, -1);

    // Scroll down by 10 rows: fixed row 0 stays, row 12 is now where row 2 would be.
    grid.verticalScrollBar()->setValue(10 * 21);
    EXPECT_EQ(grid.CellRect(1, 0), QRect(65, 0, 64, 20));
    EXPECT_EQ(grid.MouseToCell(70, 5), (TGridCoord{1, 0}));
    const QRect r13 = grid.CellRect(1, 13);
    EXPECT_EQ(r13.top(), 21 + (13 - 1 - 1) * 21 - 10 * 21); // rows 1 and 3..12 before it, row 2 hidden
    EXPECT_EQ(grid.MouseToCell(70, r13.top() + 1), (TGridCoord{1, 13}));
    EXPECT_TRUE(grid.CellRect(1, 5).isEmpty()); // scrolled out
    EXPECT_EQ(grid.TopRow(), 12); // rows 1 and 3..11 scrolled past
}

TEST_F(StringGridWidget, HeaderBorderDragResizesTheColumn)
{
    const QRect header = grid.CellRect(1, 0);
    const QPoint border(header.right() + 1, header.center().y());
    QTest::mousePress(Viewport(grid), Qt::LeftButton, {}, border);
    QTest::mouseMove(Viewport(grid), border + QPoint(30, 0));
    QTest::mouseRelease(Viewport(grid), Qt::LeftButton, {}, border + QPoint(30, 0));
    EXPECT_EQ(grid.ColWidths(1), 94);
    EXPECT_EQ(grid.Col(), 1); // the drag did not select anything
    // A drag in a body row selects instead of sizing.
    const QRect body = grid.CellRect(2, 2);
    QTest::mousePress(Viewport(grid), Qt::LeftButton, {}, QPoint(body.right() + 1, body.center().y()));
    QTest::mouseRelease(Viewport(grid), Qt::LeftButton, {}, QPoint(body.right() + 1, body.center().y()));
    EXPECT_EQ(grid.ColWidths(2), 64);
}

TEST_F(StringGridWidget, RangeSelectionByMouseDragAndShiftArrows)
{
    const QPoint from = grid.CellRect(1, 1).center();
    const QPoint to = grid.CellRect(3, 4).center();
    QTest::mousePress(Viewport(grid), Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(Viewport(grid)->mapToGlobal(to)), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Viewport(grid), &move);
    QTest::mouseRelease(Viewport(grid), Qt::LeftButton, {}, to);
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 1, 3, 4}));

    Click(grid, grid.CellRect(2, 2).center());
    EXPECT_EQ(grid.Selection(), (TGridRect{2, 2, 2, 2}));
    Key(grid, Qt::Key_Right, Qt::ShiftModifier);
    Key(grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid.Selection(), (TGridRect{2, 2, 3, 3}));
    Click(grid, grid.CellRect(4, 5).center(), Qt::ShiftModifier);
    EXPECT_EQ(grid.Selection(), (TGridRect{2, 2, 4, 5}));
    Key(grid, Qt::Key_Left);
    EXPECT_EQ(grid.Selection(), (TGridRect{3, 5, 3, 5}));
    // Clicking a header selects nothing.
    Click(grid, grid.CellRect(5, 0).center());
    EXPECT_EQ(grid.Selection(), (TGridRect{3, 5, 3, 5}));
}

TEST_F(StringGridWidget, KeyboardMovesOneLineAndNeverOntoFixedLines)
{
    grid.SetRowHeights(2, -1);
    std::vector<int> keys;
    grid.OnKeyDown = [&](QObject*, int& key, TShiftState) { keys.push_back(key); };
    Click(grid, grid.CellRect(1, 1).center());
    Key(grid, Qt::Key_Up);
    Key(grid, Qt::Key_Left);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 1);
    Key(grid, Qt::Key_Down); // a hidden row is a line like any other here
    EXPECT_EQ(grid.Row(), 2);
    Key(grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(grid.Col(), 7);
    EXPECT_EQ(grid.Row(), 199);
    EXPECT_FALSE(grid.CellRect(7, 199).isEmpty()); // scrolled into view
    Key(grid, Qt::Key_Home);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 199);
    Key(grid, Qt::Key_PageUp);
    EXPECT_LT(grid.Row(), 199);
    EXPECT_GT(grid.Row(), 180);
    Key(grid, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(keys.front(), VK_UP);
    // A handler that consumes the key stops the navigation.
    grid.OnKeyDown = [](QObject*, int& key, TShiftState) { key = 0; };
    Key(grid, Qt::Key_Down);
    EXPECT_EQ(grid.Row(), 1);
}

TEST_F(StringGridWidget, MouseEventsReachTheSubscribers)
{
    std::vector<std::tuple<int, int, int>> downs;
    grid.OnMouseDown = [&](QObject*, TMouseButton b, TShiftState, int x, int y) { downs.emplace_back(int(b), x, y); };
    int ups = 0;
    grid.OnMouseUp = [&](QObject*, TMouseButton, TShiftState, int, int) { ++ups; };
    QChar typed;
    grid.OnKeyPress = [&](QObject*, QChar& c) { typed = c; };
    Click(grid, QPoint(100, 5));
    QTest::keyClick(&grid, Qt::Key_A);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0], std::make_tuple(int(mbLeft), 100, 5));
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(typed, QLatin1Char('a'));
}

TEST_F(StringGridWidget, VetoedClicksAndHorizontalScrolling)
{
    std::vector<std::pair<int, int>> asked;
    grid.OnSelectCell = [&](QObject*, int c, int r, bool& can) {
        asked.emplace_back(c, r);
        can = r != 3;
    };
    Click(grid, grid.CellRect(2, 3).center());
    EXPECT_EQ(asked.back(), std::make_pair(2, 3));
    EXPECT_EQ(grid.Row(), 1); // refused: the current cell stays
    Click(grid, grid.CellRect(2, 4).center());
    EXPECT_EQ(grid.Row(), 4);
    EXPECT_EQ(grid.Col(), 2);
    Key(grid, Qt::Key_Up); // asks for row 3 and is refused too
    EXPECT_EQ(grid.Row(), 4);

    // Scrolled sideways, the fixed column stays put and the others shift left.
    grid.SetColWidths(3, -1);
    grid.horizontalScrollBar()->setValue(65 + 5);
    const int offset = grid.horizontalScrollBar()->value();
    ASSERT_GT(offset, 65);
    EXPECT_EQ(grid.CellRect(0, 2).left(), 0);
    EXPECT_EQ(grid.LeftCol(), 2);
    EXPECT_EQ(grid.CellRect(2, 2).left(), 65 + 65 - offset); // partly under the fixed column
    EXPECT_EQ(grid.MouseToCell(66, 30), (TGridCoord{2, 1}));
    EXPECT_EQ(grid.MouseToCell(130 - offset + 65 + 1, 30), (TGridCoord{4, 1})); // hidden column 3 is skipped
    EXPECT_EQ(grid.MouseToCell(10, 30), (TGridCoord{0, 1}));
    EXPECT_EQ(grid.MouseToCell(-1, 30), (TGridCoord{-1, 1}));

    // The wheel scrolls the rows.
    const int before = grid.verticalScrollBar()->value();
    QWheelEvent wheel(QPointF(100, 100), grid.viewport()->mapToGlobal(QPointF(100, 100)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid.viewport(), &wheel);
    EXPECT_GT(grid.verticalScrollBar()->value(), before);
}
