#include "zelGrid.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A 4 x 6 grid (one header row, no header column) with each cell naming itself.
std::unique_ptr<TzelGrid> NamedGrid()
{
    auto grid = std::make_unique<TzelGrid>();
    grid->SetColCount(4);
    grid->SetRowCount(6);
    grid->SetFixedCols(0);
    grid->SetAutoCalculate(false);
    for (int r = 0; r < grid->RowCount(); ++r)
        for (int c = 0; c < grid->ColCount(); ++c)
            grid->SetCells(c, r, QStringLiteral("%1,%2").arg(c).arg(r));
    return grid;
}

void Press(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(widget, key, modifiers);
}

} // namespace

TEST(zelGridKeys, DefaultShortcutsRunTheRowAndColumnCommands)
{
    auto grid = NamedGrid();
    grid->SetRow(3);
    grid->SetCol(2);

    Press(grid.get(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(grid->RowCount(), 7);
    EXPECT_EQ(grid->Rows(3).ToStringList(), QStringList({"", "", "", ""}));
    EXPECT_EQ(grid->Cells(0, 4), "0,3");
    EXPECT_EQ(grid->Row(), 3);

    // Ctrl+Shift+Ins is the column command only: the modifier sets must be equal.
    Press(grid.get(), Qt::Key_Insert, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(grid->RowCount(), 7);
    EXPECT_EQ(grid->ColCount(), 5);
    EXPECT_EQ(grid->Cells(2, 0), "");
    EXPECT_EQ(grid->Cells(3, 0), "2,0");

    Press(grid.get(), Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(grid->ColCount(), 4);
    EXPECT_EQ(grid->Cells(2, 0), "2,0");

    Press(grid.get(), Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(grid->RowCount(), 6);
    EXPECT_EQ(grid->Cells(0, 3), "0,3");

    // Ctrl+H copies the current row, column 0 aside, into the header row.
    Press(grid.get(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(grid->Rows(0).ToStringList(), QStringList({"0,0", "1,3", "2,3", "3,3"}));

    // Row deletion stops at one data row, column deletion at one column.
    for (int i = 0; i < 8; ++i) {
        Press(grid.get(), Qt::Key_Delete, Qt::ShiftModifier);
        Press(grid.get(), Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    }
    EXPECT_EQ(grid->RowCount(), 2);
    EXPECT_EQ(grid->ColCount(), 1);
}

TEST(zelGridKeys, MappedKeysAreConsumedAndOthersReachTheBaseGrid)
{
    auto grid = NamedGrid();
    std::vector<int> seen;
    grid->OnKeyDown = [&](QObject*, int& key, TShiftState) {
        if (key != VK_SHIFT && key != VK_CONTROL && key != VK_MENU)
            seen.push_back(key);
    };
    grid->SetRow(2);

    Press(grid.get(), Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(grid->RowCount(), 5);
    Press(grid.get(), Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(seen, std::vector<int>({0, VK_DOWN}));

    // Switched off, Shift+Del is an ordinary key: nothing is deleted.
    seen.clear();
    grid->SetKeyMappingsEnabled(false);
    Press(grid.get(), Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(grid->RowCount(), 5);
    EXPECT_EQ(seen, std::vector<int>({VK_DELETE}));

    // Other shortcuts: the new key works, the old one is free, extra modifiers miss.
    grid->SetKeyMappingsEnabled(true);
    TGridKeyMappings keys;
    keys.SetRowDelete(TextToShortCut(QStringLiteral("Alt+D")));
    grid->SetKeyMappings(keys);
    Press(grid.get(), Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(grid->RowCount(), 5);
    Press(grid.get(), Qt::Key_D, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(grid->RowCount(), 5);
    Press(grid.get(), Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(grid->RowCount(), 4);
}

TEST(zelGridKeys, EnterRecalculatesAndAdvances)
{
    auto grid = NamedGrid();
    grid->SetCells(0, 1, "3");
    grid->SetCells(1, 1, "=A1*2");
    grid->SetAutoCalculate(true);
    grid->SetCells(0, 1, "4");
    std::vector<QChar> pressed;
    grid->OnKeyPress = [&](QObject*, QChar& key) { pressed.push_back(key); };

    // None: the cell stays, but the formulas are computed again.
    grid->SetSelection(TGridRect{3, 1, 3, 1});
    Press(grid.get(), Qt::Key_Return);
    EXPECT_EQ(double(grid->CellValues()(1, 1)), 8.0);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(pressed, std::vector<QChar>({QChar('\r')}));

    // Right: from the last column to column 1 of the next row; the last cell stays.
    grid->SetAdvanceDirection(adRight);
    Press(grid.get(), Qt::Key_Return);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 2);
    Press(grid.get(), Qt::Key_Return);
    EXPECT_EQ(grid->Col(), 2);
    grid->SetSelection(TGridRect{3, 5, 3, 5});
    Press(grid.get(), Qt::Key_Return);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Row(), 5);

    // Down: from the last row to row 1 of the next column.
    grid->SetAdvanceDirection(adDown);
    grid->SetSelection(TGridRect{1, 4, 1, 4});
    Press(grid.get(), Qt::Key_Return);
    EXPECT_EQ(grid->Row(), 5);
    Press(grid.get(), Qt::Key_Return);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 1);
}

TEST(zelGridKeys, ArrowKeysStepOverHiddenLinesWhenReleased)
{
    auto grid = NamedGrid();
    int keyUps = 0;
    grid->OnKeyUp = [&](QObject*, int&, TShiftState) { ++keyUps; };
    grid->HideRow(2);
    grid->HideRow(3);
    grid->SetRow(1);

    Press(grid.get(), Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_EQ(keyUps, 1);
    Press(grid.get(), Qt::Key_Up);
    EXPECT_EQ(grid->Row(), 1);

    // Nothing visible below: back to the nearest visible row above.
    grid->HideRow(5);
    grid->SetRow(4);
    Press(grid.get(), Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 4);
    // Nothing visible above but row 0: forwards instead.
    grid->HideRow(1);
    grid->SetRow(4);
    grid->ShowRow(5);
    QTest::keyPress(grid.get(), Qt::Key_Up);
    QTest::keyPress(grid.get(), Qt::Key_Up);
    QTest::keyPress(grid.get(), Qt::Key_Up);
    EXPECT_EQ(grid->Row(), 1); // still on the hidden row until the key is released
    QTest::keyRelease(grid.get(), Qt::Key_Up);
    EXPECT_EQ(grid->Row(), 4);

    grid->SetColWidths(1, -1);
    grid->SetColWidths(2, -1);
    grid->SetCol(0);
    Press(grid.get(), Qt::Key_Right);
    EXPECT_EQ(grid->Col(), 3);
    Press(grid.get(), Qt::Key_Left);
    EXPECT_EQ(grid->Col(), 0);
    // Other keys leave a hidden current line alone.
    grid->SetCol(1);
    Press(grid.get(), Qt::Key_Down);
    EXPECT_EQ(grid->Col(), 1);
}

TEST(zelGridKeys, VisibleLineSearch)
{
    auto grid = NamedGrid();
    grid->HideRow(1);
    grid->HideRow(2);
    grid->HideRow(5);
    EXPECT_EQ(grid->NextVisibleRow(0), 0);
    EXPECT_EQ(grid->NextVisibleRow(1), 3);
    EXPECT_EQ(grid->NextVisibleRow(5), -1);
    EXPECT_EQ(grid->NextVisibleRow(6), -1);
    EXPECT_EQ(grid->PrevVisibleRow(5), 4);
    EXPECT_EQ(grid->PrevVisibleRow(2), -1); // row 0 is never the answer
    grid->SetColWidths(1, -1);
    grid->SetColWidths(3, 0);
    EXPECT_EQ(grid->NextVisibleColumn(3), -1);
    EXPECT_EQ(grid->PrevVisibleColumn(3), 2);
    EXPECT_EQ(grid->NextVisibleColumn(1), 2);
    // Column 0 is a data column here (FixedCols 0), so the search reaches it ...
    EXPECT_EQ(grid->PrevVisibleColumn(1), 0);
    // ... but never a header column.
    grid->SetFixedCols(1);
    EXPECT_EQ(grid->PrevVisibleColumn(1), -1);
}

TEST(zelGridKeys, MenuShortcutsComeBeforeGridKeys)
{
    QMainWindow window;
    auto* grid = new TzelGrid(&window);
    window.setCentralWidget(grid);
    grid->SetColCount(3);
    grid->SetRowCount(4);
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    int news = 0;
    QAction* fileNew = file->addAction(QStringLiteral("New"), [&] { ++news; });
    fileNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction* insertRow = file->addAction(QStringLiteral("Row"), [&] { ++news; });
    insertRow->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_Insert));
    window.show();
    window.activateWindow();
    (void)QTest::qWaitForWindowActive(&window);
    grid->setFocus();

    Press(grid, Qt::Key_N, Qt::ControlModifier);
    Press(grid, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(news, 2);
    EXPECT_EQ(grid->RowCount(), 4);
    Press(grid, Qt::Key_Insert, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(grid->ColCount(), 4);
}
