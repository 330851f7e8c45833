#include "zelGrid.h"

#include "Dialogs.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

// A grid set up like the program's results tables.
void ConfigureLikeResults(TzelGrid& grid, int cols)
{
    grid.SetColCount(cols);
    grid.SetDefaultRowHeight(20);
    grid.SetFixedCols(0);
    grid.SetSortIndex(-1);
    grid.SetAutoCalculate(false);
}

QStringList Column(TzelGrid& grid, int col)
{
    return grid.Cols(col).ToStringList();
}

} // namespace

TEST(zelGrid, ConstructionDefaults)
{
    TzelGrid grid;
    EXPECT_EQ(grid.CellRefStyle(), rsNone);
    EXPECT_TRUE(grid.KeyMappingsEnabled());
    EXPECT_FALSE(grid.NumbersalRight());
    EXPECT_FALSE(grid.BandsShow());
    EXPECT_EQ(grid.BandsColor(), 16777184);
    EXPECT_EQ(grid.BandsInterval(), 2);
    EXPECT_FALSE(grid.HighlightURL());
    EXPECT_EQ(grid.AdvanceDirection(), adNone);
    EXPECT_EQ(grid.NumberFormat(), "%.2f");
    EXPECT_TRUE(grid.AutoCalculate());
    EXPECT_FALSE(grid.ShowValues());
    EXPECT_EQ(grid.StartIndex(), 0);
    EXPECT_EQ(grid.EndIndex(), 0);
    EXPECT_EQ(grid.SortIndex(), 0);
    EXPECT_EQ(grid.SortType(), tstCharacter);
    EXPECT_FALSE(grid.CaseSensitiv());
    EXPECT_EQ(grid.SortDirection(), Ascending);
    EXPECT_EQ(grid.HowToSort(), stRow);
    EXPECT_FALSE(grid.ShowMessageOnError());
    EXPECT_EQ(grid.AutoSizemargin(), 0);
    EXPECT_FALSE(grid.WordWrap());
    EXPECT_FALSE(grid.FormuleMode());
    EXPECT_FALSE(grid.HideSelected());
    EXPECT_TRUE(grid.ShowHint());
    EXPECT_EQ(grid.TextMarginX, 5);
    EXPECT_EQ(grid.TextMarginY, 5);
    EXPECT_EQ(grid.Font().family(), "Arial");
    EXPECT_EQ(grid.Font().pointSize(), 8);
    EXPECT_EQ(grid.SavedColWidths(), std::vector<int>(5, 64));
    EXPECT_EQ(grid.CellValues().ColCount(), 5);
    EXPECT_EQ(grid.CellValues().RowCount(), 5);

    TPrintOptions& print = grid.PrintOptions();
    EXPECT_EQ(print.PageFooter(), "date|time|page");
    EXPECT_EQ(print.DateFormat(), "yyyy-mm-dd");
    EXPECT_EQ(print.TimeFormat(), "hh:nn");
    EXPECT_EQ(print.HeaderSize(), 10u);
    EXPECT_EQ(print.FooterSize(), 7u);
    EXPECT_EQ(print.Copies(), 0u);
    EXPECT_EQ(print.BorderStyle(), TPrintBorderStyle::bsNone);
    EXPECT_EQ(print.Orientation(), TPrintOrientation::poPortrait);

    const TGridKeyMappings& keys = grid.KeyMappings();
    EXPECT_EQ(keys.RowInsert(), 8237);
    EXPECT_EQ(keys.RowDelete(), 8238);
    EXPECT_EQ(keys.ColumnInsert(), 24621);
    EXPECT_EQ(keys.ColumnDelete(), 24622);
    EXPECT_EQ(keys.PrintPreview(), 16464);
    EXPECT_EQ(keys.QueryDialog(), 16465);
    EXPECT_EQ(keys.FormuleDialog(), 114);
    EXPECT_EQ(keys.CellNamesDialog(), 16462);
    EXPECT_EQ(keys.SetHeader(), 16456);
}

TEST(zelGrid, SettingsObjectsAreCopiedAndTheHintHookLeavesWithItsGrid)
{
    TGridKeyMappings mine;
    mine.SetRowInsert(ShortCut('R', ssCtrl));
    TPrintOptions options;
    options.SetPageTitle("Results");
    {
        TzelGrid first;
        EXPECT_EQ(ApplicationHintHookOwner(), &first);
        {
            TzelGrid second;
            EXPECT_EQ(ApplicationHintHookOwner(), &second); // the last grid holds it
            second.SetKeyMappings(mine);
            second.SetPrintOptions(options);
            mine.SetRowInsert(0); // the caller's objects stay the caller's
            options.SetPageTitle("changed");
            EXPECT_EQ(second.KeyMappings().RowInsert(), ShortCut('R', ssCtrl));
            EXPECT_EQ(second.PrintOptions().PageTitle(), "Results");
        }
        EXPECT_EQ(ApplicationHintHookOwner(), nullptr);
        // A hint asked after the holder went away reaches nobody.
        QString text = "tip";
        THintInfo info;
        info.HintControl = &first;
        EXPECT_TRUE(RunApplicationHintHook(text, info));
    }
    EXPECT_EQ(ApplicationHintHookOwner(), nullptr);
}

TEST(zelGrid, SizeChangesKeepSavedWidthsAndNotify)
{
    TzelGrid grid;
    std::vector<std::tuple<QObject*, int, int>> notes;
    grid.OnSizeChanged = [&](QObject* sender, int oldCols, int oldRows) { notes.emplace_back(sender, oldCols, oldRows); };
    grid.SetColWidths(2, 90);
    grid.SetColCount(6);
    EXPECT_EQ(notes.back(), std::make_tuple(static_cast<QObject*>(&grid), 5, 5));
    EXPECT_EQ(grid.SavedColWidths(), (std::vector<int>{64, 64, 90, 64, 64, 64}));
    // A hidden column keeps its saved width through later size changes.
    grid.SetColWidths(2, -1);
    grid.SetRowCount(9);
    grid.SetColCount(7);
    EXPECT_EQ(grid.SavedColWidths()[2], 90);
    grid.ShowColumn(2);
    EXPECT_EQ(grid.ColWidths(2), 90);
    // A column that never had a positive width comes back at the default width.
    grid.SetColCount(8);
    grid.SetColWidths(7, -1);
    grid.SetColCount(7);
    grid.SetColCount(8);
    EXPECT_EQ(grid.SavedColWidths()[7], 64);
    grid.SetColWidths(7, 0);
    grid.SetColCount(9);
    grid.SetColWidths(8, -1);
    grid.SetColCount(9);
    EXPECT_EQ(grid.SavedColWidths().size(), 9u);
    grid.ShowColumn(42); // out of range: nothing
    EXPECT_EQ(notes.size(), 7u);
}

TEST(zelGrid, HeadersAsStringLists)
{
    TzelGrid grid;
    ConfigureLikeResults(grid, 3);
    grid.SetColumnHeaders({"Number plate", "raw"});
    EXPECT_EQ(grid.ColumnHeaders().ToStringList(), (QStringList{"Number plate", "raw", ""}));
    grid.ColumnHeaders().Put(2, "dec"); // the live row 0
    EXPECT_EQ(grid.Cells(2, 0), "dec");
    // More row headers than rows: the extra ones are kept for the rows to come.
    grid.SetRowCount(2);
    grid.SetRowHeaders({" ", "a", "b", "c"});
    EXPECT_EQ(grid.RowHeaders(), (QStringList{" ", "a"}));
    grid.SetRowCount(3);
    EXPECT_EQ(grid.RowHeaders(), (QStringList{" ", "a", "b"}));
    grid.SetRowCount(5);
    EXPECT_EQ(grid.RowHeaders(), (QStringList{" ", "a", "b", "c", ""}));
    // Rows the grid drops are gone: a reset to one data row starts empty.
    grid.SetRowCount(2);
    grid.SetRowCount(5);
    EXPECT_EQ(grid.RowHeaders(), (QStringList{" ", "a", "", "", ""}));
}

TEST(zelGrid, RowCommands)
{
    TzelGrid grid;
    ConfigureLikeResults(grid, 2);
    grid.SetRowCount(4);
    grid.SetRowHeights(2, 33);
    for (int r = 0; r < 4; ++r)
        grid.Rows(r).Assign(QStringList{QString("r%1").arg(r), QString::number(r)});
    // Inserting on the last row empties it and moves the old last row down.
    grid.SetRow(3);
    grid.InsertRowAtCurrent();
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(Column(grid, 0), (QStringList{"r0", "r1", "r2", "", "r3"}));
    EXPECT_EQ(grid.Row(), 3);
    grid.SetRow(1);
    grid.InsertRowAtCurrent();
    EXPECT_EQ(Column(grid, 0), (QStringList{"r0", "", "r1", "r2", "", "r3"}));
    EXPECT_EQ(grid.RowHeights(3), 33); // a row's height moves with the row
    EXPECT_EQ(grid.RowHeights(1), 20);  // the new row has the default height

    grid.SetRow(2);
    grid.DeleteRowAtCurrent();
    EXPECT_EQ(Column(grid, 0), (QStringList{"r0", "", "r2", "", "r3"}));
    EXPECT_EQ(grid.Row(), 2);
    grid.SetRowCount(3);
    grid.SetRow(2);
    grid.DeleteRowAtCurrent(); // three rows: the current one goes
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Row(), 1);
    grid.DeleteRowAtCurrent(); // header and one row: nothing
    EXPECT_EQ(grid.RowCount(), 2);

    // CopyRowToHeader copies columns 1 on; column 0's header stays.
    grid.SetColCount(3);
    grid.SetRowCount(4);
    grid.Rows(0).Assign(QStringList{"h0", "h1", "h2"});
    grid.Rows(3).Assign(QStringList{"a", "b", "c"});
    grid.SetRow(3);
    grid.CopyRowToHeader();
    EXPECT_EQ(grid.Rows(0).ToStringList(), (QStringList{"h0", "b", "c"}));

    // Hidden rows: ShowAllRows resizes only those, never row 0.
    grid.SetRowHeights(0, -1);
    grid.HideRow(2);
    grid.SetRowHeights(3, 50);
    grid.ShowAllRows();
    EXPECT_EQ(grid.RowHeights(0), -1);
    EXPECT_GE(grid.RowHeights(2), grid.DefaultRowHeight());
    EXPECT_EQ(grid.RowHeights(3), 50);
    // AutoSizeRow fits a wrapped text.
    grid.SetCells(1, 1, "many words that will wrap in a narrow column again and again");
    grid.AutoSizeRow(1);
    EXPECT_GT(grid.RowHeights(1), grid.DefaultRowHeight());
    grid.SetCells(1, 1, "x");
    grid.ShowRow(1);
    EXPECT_EQ(grid.RowHeights(1), grid.DefaultRowHeight());
}

TEST(zelGrid, ColumnCommands)
{
    TzelGrid grid;
    ConfigureLikeResults(grid, 4);
    grid.SetRowCount(3);
    for (int c = 0; c < 4; ++c)
        grid.Cols(c).Assign(QStringList{QString("h%1").arg(c), QString("a%1").arg(c), QString("b%1").arg(c)});
    grid.SetColWidths(1, 80);
    grid.SetColCount(4); // no change, no size notification
    grid.SetColWidths(3, -1);
    grid.SetColWidths(0, -1);
    grid.SetCol(1);
    // Hidden columns come back first; the new column's header is empty.
    grid.InsertColumnAtCurrent();
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.Rows(0).ToStringList(), (QStringList{"h0", "", "h1", "h2", "h3"}));
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_GT(grid.ColWidths(0), 0);
    EXPECT_GT(grid.ColWidths(3), 0);
    EXPECT_EQ(grid.ColWidths(1), 64);
    EXPECT_EQ(grid.SavedColWidths()[1], 64);
    EXPECT_EQ(grid.SavedColWidths()[2], 64); // the saved widths moved with the columns
    EXPECT_EQ(grid.ColWidths(2), 64);       // the shown ones stayed by position

    // A hidden column right of a deleted one keeps its own saved width.
    grid.SetColWidths(4, 77);
    grid.SetColCount(6);
    grid.SetColWidths(4, -1);
    grid.SetCol(2);
    grid.DeleteColumnAtCurrent();
    grid.ShowColumn(3);
    EXPECT_EQ(grid.ColWidths(3), 77);
    EXPECT_EQ(grid.SavedColWidths().size(), 5u);

    // Deleting works down to one column, never zero.
    for (int i = 0; i < 10; ++i)
        grid.DeleteColumnAtCurrent();
    EXPECT_EQ(grid.ColCount(), 1);
    EXPECT_EQ(grid.Rows(0).ToStringList(), (QStringList{"h0"}));
}

TEST(zelGrid, ValuesLoadOnSizeChangesAndStayWhileTextsMove)
{
    TzelGrid grid;
    ConfigureLikeResults(grid, 3);
    grid.SetRowCount(4);
    grid.SetCells(1, 1, "2.5");
    grid.SetCells(1, 2, "=1+2");
    grid.SetCells(1, 3, "abc");
    // Texts written after the last load are not values yet.
    EXPECT_EQ(grid.CellValues()(1, 1), 0);
    grid.SetRowCount(5);
    EXPECT_EQ(grid.CellValues()(1, 1), 2.5L);
    EXPECT_EQ(grid.CellValues()(1, 2), 0); // a formula reads 0 until recalculated
    EXPECT_EQ(grid.CellValues()(1, 3), 0);
    EXPECT_EQ(grid.CellValues().RowCount(), 5);
    grid.CellValues().SetValue(1, 2, 3);
    grid.SetCells(1, 1, "7");
    EXPECT_EQ(grid.CellValues()(1, 1), 2.5L);
    EXPECT_EQ(grid.CellValues()(1, 2), 3);
    // Outside the table there is nothing to read.
    EXPECT_EQ(grid.CellValues()(9, 9), 0);
    EXPECT_EQ(grid.CellValues()(-1, 0), 0);

    // A sort moves texts but not values.
    grid.SetCells(1, 1, "9");
    grid.SetCells(1, 4, "1");
    grid.SetRowCount(5); // unchanged: values stay
    grid.SetSortIndex(1);
    grid.SetStartIndex(1);
    grid.SetEndIndex(4);
    grid.SetSortDirection(Descending);
    ASSERT_TRUE(grid.SortGrid());
    EXPECT_EQ(Column(grid, 1), (QStringList{"", "abc", "=1+2", "9", "1"}));
    EXPECT_EQ(grid.CellValues()(1, 1), 2.5L);
    EXPECT_EQ(grid.CellValues()(1, 2), 3);
    EXPECT_EQ(grid.CellValues()(1, 4), 0);
    // Edits after a sort still leave the values where they were.
    grid.SetCells(1, 3, "100");
    grid.SetCells(1, 1, "5");
    EXPECT_EQ(grid.CellValues()(1, 1), 2.5L);
    EXPECT_EQ(grid.CellValues()(1, 3), 0);
    EXPECT_EQ(grid.CellValues()(1, 4), 0);
    // The next size change loads what the texts say now, formulas as 0.
    grid.SetColCount(4);
    EXPECT_EQ(grid.CellValues()(1, 1), 5);
    EXPECT_EQ(grid.CellValues()(1, 2), 0);
    EXPECT_EQ(grid.CellValues()(1, 3), 100);
    EXPECT_EQ(grid.CellValues()(1, 4), 1);
    grid.SetCells(1, 2, "=sumcol");
    grid.SetRowCount(6);
    EXPECT_EQ(grid.CellValues()(1, 2), 0);

    // Inserting a row moves texts down; the values stay by position.
    grid.SetRowCount(4);
    grid.SetColCount(2);
    grid.Cols(1).Assign(QStringList{"", "1", "2", "3"});
    grid.SetRowCount(4); // no change
    grid.SetColCount(3);
    grid.SetColCount(2);
    grid.SetRow(2);
    grid.InsertRowAtCurrent();
    EXPECT_EQ(Column(grid, 1), (QStringList{"", "1", "", "2", "3"}));
    EXPECT_EQ(grid.CellValues()(1, 2), 2); // loaded when the row count grew
    EXPECT_EQ(grid.CellValues()(1, 3), 3);
    EXPECT_EQ(grid.CellValues()(1, 4), 0);
}

// What a query hides stays hidden with its rows: a sort moves each row's height
// with the row, and a row inserted or deleted by key shifts the heights below.
TEST(zelGrid, HiddenRowsMoveWithTheirRows)
{
    TScopedRecordingDialogs dialogs;
    TzelGrid grid;
    ConfigureLikeResults(grid, 1);
    grid.SetRowCount(6);
    const QStringList keys{"Key", "b1", "a2", "b3", "a4", "b5"};
    for (int r = 0; r < grid.RowCount(); ++r)
        grid.SetCells(0, r, keys[r]);
    auto visible = [&] {
        QStringList shown;
        for (int r = 1; r < grid.RowCount(); ++r)
            if (grid.RowHeights(r) > 0)
                shown << grid.Cells(0, r);
        return shown;
    };
    grid.QueryFilter(R"([Key] contains "b")", false);
    ASSERT_EQ(visible(), (QStringList{"b1", "b3", "b5"}));

    grid.SetSortIndex(0);
    grid.SetStartIndex(1);
    grid.SetEndIndex(grid.RowCount() - 1);
    ASSERT_TRUE(grid.SortGrid());
    EXPECT_EQ(Column(grid, 0), (QStringList{"Key", "a2", "a4", "b1", "b3", "b5"}));
    EXPECT_EQ(visible(), (QStringList{"b1", "b3", "b5"}));
    grid.SetSortDirection(Descending);
    ASSERT_TRUE(grid.SortGrid());
    EXPECT_EQ(visible(), (QStringList{"b5", "b3", "b1"}));

    grid.SetRow(2); // b3
    QTest::keyClick(&grid, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(Column(grid, 0), (QStringList{"Key", "b5", "", "b3", "b1", "a4", "a2"}));
    EXPECT_EQ(visible(), (QStringList{"b5", "", "b3", "b1"}));
    EXPECT_EQ(grid.RowHeights(2), grid.DefaultRowHeight());
    grid.SetRow(1);
    QTest::keyClick(&grid, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(visible(), (QStringList{"", "b3", "b1"}));
    EXPECT_EQ(grid.RowHeights(5), -1); // a2 stays hidden at the end
}
