#include "zelGrid.h"

#include "Dialogs.h"

#include <gtest/gtest.h>
#include <numbers>

namespace {

// A grid of cols x rows cells with the given fixed lines, every cell text from
// `cells` (row by row), values not yet computed.
void Fill(TzelGrid& grid, int fixedCols, int fixedRows, const std::vector<QStringList>& cells)
{
    grid.SetAutoCalculate(false);
    grid.SetColCount(int(cells.front().size()));
    grid.SetRowCount(int(cells.size()));
    grid.SetFixedCols(fixedCols);
    grid.SetFixedRows(fixedRows);
    for (int r = 0; r < int(cells.size()); ++r)
        grid.Rows(r).Assign(cells[r]);
}

long double Value(TzelGrid& grid, int col, int row)
{
    return grid.CellValues()(col, row);
}

} // namespace

TEST(zelGridFormulas, ReferenceTextsAndTheirParsing)
{
    TzelGrid grid;
    grid.SetColCount(800);
    grid.SetFixedCols(0);
    // Column numbers count from the first non-fixed column.
    EXPECT_EQ(grid.ColumnLetters(0), "A");
    EXPECT_EQ(grid.ColumnLetters(25), "Z");
    EXPECT_EQ(grid.ColumnLetters(26), "AA");
    EXPECT_EQ(grid.ColumnLetters(51), "AZ");
    EXPECT_EQ(grid.ColumnLetters(52), "BA");
    EXPECT_EQ(grid.ColumnLetters(701), "ZZ");
    EXPECT_EQ(grid.ColumnLetters(702), ""); // no letter form above 702
    EXPECT_EQ(grid.CellRefA1(1, 12), "B12");
    EXPECT_EQ(grid.CellRefRowCol(2, 3), "c2r3");
    // Every column up to ZZ reads back to itself, in either case.
    for (int c = 0; c < 702; ++c) {
        int col = -1, row = -1;
        ASSERT_TRUE(grid.ParseCellRef(grid.CellRefA1(c, 7), col, row)) << c;
        EXPECT_EQ(col, c);
        EXPECT_EQ(row, 7);
        ASSERT_TRUE(grid.ParseCellRef(grid.CellRefA1(c, 7).toLower(), col, row));
        EXPECT_EQ(col, c);
    }

    grid.SetFixedCols(1);
    EXPECT_EQ(grid.ColumnLetters(0), ""); // the fixed column has none
    EXPECT_EQ(grid.ColumnLetters(1), "A");
    EXPECT_EQ(grid.ColumnLetters(26), "Z");
    EXPECT_EQ(grid.ColumnLetters(27), "AA");
    EXPECT_EQ(grid.ColumnLetters(702), "ZZ");
    int col = -9, row = -9;
    EXPECT_TRUE(grid.ParseCellRef("a1", col, row));
    EXPECT_EQ((std::pair{col, row}), (std::pair{1, 1}));
    EXPECT_TRUE(grid.ParseCellRef("7", col, row)); // no letter: column number 0
    EXPECT_EQ((std::pair{col, row}), (std::pair{0, 7}));
    EXPECT_TRUE(grid.ParseCellRef("zz2147483647", col, row));
    EXPECT_EQ((std::pair{col, row}), (std::pair{702, 2147483647}));
    for (const char* bad : {"", "A", "AB", "ABC1", "A1X", "A 1", "A-1", "A+1", "A1.5", "A2147483648", "A99999999999"})
        EXPECT_FALSE(grid.ParseCellRef(bad, col, row)) << bad;

    EXPECT_TRUE(grid.ParseRowColRef("c2r3", col, row));
    EXPECT_EQ((std::pair{col, row}), (std::pair{2, 3}));
    EXPECT_TRUE(grid.ParseRowColRef("R3C2", col, row));
    EXPECT_EQ((std::pair{col, row}), (std::pair{2, 3}));
    EXPECT_TRUE(grid.ParseRowColRef("c0r2147483647", col, row));
    EXPECT_EQ((std::pair{col, row}), (std::pair{0, 2147483647}));
    for (const char* bad : {"", "c2", "r3", "cr", "c2r", "rc3", "c2x3", "c1r2147483648", "r99999999999c1", "c1c2r3"})
        EXPECT_FALSE(grid.ParseRowColRef(bad, col, row)) << bad;
}

TEST(zelGridFormulas, RecalculateIsOneRowMajorPassOverReferences)
{
    TScopedRecordingDialogs dialogs;
    TzelGrid grid;
    // FixedCols 1 and FixedRows 1: A1 is the first data cell.
    Fill(grid, 1, 1,
         {{"", "", "", "", ""},
          {"", "2.5", "4", "=A1+B1", "=c1r1*r1c2"},
          {"", "=B2", "=5", "=A3*2", ""},
          {"", "=5", "=A3", "=0.1+0.2", ""}});
    grid.Recalculate();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(Value(grid, 3, 1), 6.5L);
    EXPECT_EQ(Value(grid, 4, 1), 10.0L);
    EXPECT_EQ(Value(grid, 1, 2), 0);  // B2 is computed after A2
    EXPECT_EQ(Value(grid, 2, 2), 5);
    EXPECT_EQ(Value(grid, 3, 2), 0);  // A3 is still 0 when C2 is computed
    EXPECT_EQ(Value(grid, 2, 3), 5);  // A3 before B3: its value is seen
    EXPECT_EQ(Value(grid, 3, 3), 0.1L + 0.2L);
    // Plain numbers keep their loaded values; texts never change.
    EXPECT_EQ(Value(grid, 1, 1), 2.5L);
    EXPECT_EQ(grid.Cells(3, 1), "=A1+B1");
    // A reference outside the grid is an unknown name: a syntax error.
    grid.SetCells(4, 3, "=c9r1");
    grid.SetCells(4, 2, "=E1"); // column 5 of a 4-column grid
    grid.Recalculate();
    EXPECT_EQ(dialogs.messages, QStringList{"Error in: E1"});
    dialogs.messages.clear();
    grid.SetCells(4, 2, "");
    grid.Recalculate();
    EXPECT_EQ(dialogs.messages, QStringList{"Error in: c9r1"});

    // Each pass starts again from the texts: A2 never sees B2's value of the last pass.
    dialogs.messages.clear();
    grid.SetCells(4, 3, "");
    grid.Recalculate();
    EXPECT_EQ(Value(grid, 1, 2), 0);
    EXPECT_TRUE(dialogs.messages.empty());

}

TEST(zelGridFormulas, ErrorsStopAtTheFirstSyntaxErrorAndMathErrorsGiveZero)
{
    TScopedRecordingDialogs dialogs;
    TzelGrid grid;
    Fill(grid, 0, 1,
         {{"=9", "", ""},
          {"=1/0", "=sqrt(-1)", "=2"},
          {"=3", "=1+", "=4"},
          {"=5", "=x", "=6"}});
    grid.SetRow(1);
    grid.SetCol(0);
    grid.Recalculate();
    ASSERT_EQ(dialogs.messages, QStringList{"Error in: 1+"});
    EXPECT_EQ(Value(grid, 0, 1), 0); // math errors: 0, silently
    EXPECT_EQ(Value(grid, 1, 1), 0);
    EXPECT_EQ(Value(grid, 2, 1), 2);
    EXPECT_EQ(Value(grid, 0, 2), 3);
    EXPECT_EQ(Value(grid, 2, 2), 0); // never reached
    EXPECT_EQ(Value(grid, 0, 3), 0);
    EXPECT_EQ(Value(grid, 0, 0), 0); // header rows hold no formulas
    EXPECT_EQ((TGridCoord{grid.Col(), grid.Row()}), (TGridCoord{1, 2}));

    dialogs.messages.clear();
    grid.SetCells(1, 2, "1+1");
    grid.Recalculate();
    EXPECT_EQ(dialogs.messages, QStringList{"Error in: x"});
    EXPECT_EQ((TGridCoord{grid.Col(), grid.Row()}), (TGridCoord{1, 3}));
    EXPECT_EQ(Value(grid, 2, 2), 4);
}

TEST(zelGridFormulas, NamesAndBuiltIns)
{
    TScopedRecordingDialogs dialogs;
    TzelGrid grid;
    Fill(grid, 0, 1,
         {{"", "", "", "", "", ""},
          {"-1", "-2", "-3", "", "", ""},
          {"=sumrow", "=SumRow", "=avgrow", "=minrow", "=maxrow", "=pi"},
          {"=sumcol", "=avgcol", "=mincol", "=MAXCOL", "=total*2", "=TOTAL+a1"},
          {"", "7", "", "", "=sumcol", "=avgcol"}});
    grid.SetCells(3, 1, "10");
    grid.SetCells(4, 1, "-7");
    grid.CellNames() << "other=B4"
                     << "Total=C1"
                     << "total=A1"; // a later line of the same name does not count
    grid.SetRowCount(grid.RowCount()); // unchanged: values stay as loaded
    grid.Recalculate();
    ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages.join("|").toStdString();
    // Row 2: the aggregates of columns 1 up to the formula's left neighbour.
    EXPECT_EQ(Value(grid, 0, 2), 0);                  // column 0: nothing to sum
    EXPECT_EQ(Value(grid, 1, 2), 0);                  // column 1: nothing either
    EXPECT_EQ(Value(grid, 2, 2), 0);                  // avg of column 1 (=sumrow, 0)
    EXPECT_EQ(Value(grid, 3, 2), 0);                  // min starts from column 1's value
    EXPECT_EQ(Value(grid, 4, 2), 0);
    EXPECT_EQ(Value(grid, 5, 2), std::numbers::pi_v<long double>);
    // Row 3: column aggregates over rows 1 to 2 of each column.
    EXPECT_EQ(Value(grid, 0, 3), -1);
    EXPECT_EQ(Value(grid, 1, 3), -1); // (-2 + 0) / 2
    EXPECT_EQ(Value(grid, 2, 3), -3); // min(-3, 0) starting from row 1
    EXPECT_EQ(Value(grid, 3, 3), 10);
    EXPECT_EQ(Value(grid, 4, 3), -6); // total is C1, the name in any case
    EXPECT_EQ(Value(grid, 5, 3), -4); // TOTAL + A1
    EXPECT_EQ(Value(grid, 4, 4), -7 + 0 - 6L);
    EXPECT_EQ(Value(grid, 5, 4), (std::numbers::pi_v<long double> + -4) / 3);

    // Row aggregates over -1, -2, -3 in a formula in column 4.
    grid.Rows(2).Assign({"-1", "-2", "-3", "0", "=sumrow", "=avgrow"});
    grid.Rows(3).Assign({"", "-1", "-2", "-3", "=maxrow", "=minrow"});
    grid.Rows(4).Assign({"", "-1", "-2", "-3", "=avgrow", ""});
    grid.CellNames().clear();
    grid.SetRowCount(5);
    grid.SetRowCount(6);
    grid.Recalculate();
    ASSERT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(Value(grid, 4, 2), -5);          // columns 1 to 3; column 0 never counts
    EXPECT_EQ(Value(grid, 5, 2), -10.0L / 4);  // -2 - 3 + 0 - 5 over 4 columns
    EXPECT_EQ(Value(grid, 4, 3), 0);           // maxrow never goes below 0
    EXPECT_EQ(Value(grid, 5, 3), -3);
    EXPECT_EQ(Value(grid, 4, 4), -2); // (-1 - 2 - 3) / 3

    // A name beats an A1 reference; a name whose reference lies outside the grid
    // falls through to the next ways of reading the identifier.
    grid.CellNames() << "A1=B2" << "pi=ZZ9";
    grid.Rows(4).Assign({"=A1", "=pi", "", "", "", ""});
    grid.Recalculate();
    EXPECT_EQ(Value(grid, 0, 4), -2);
    EXPECT_EQ(Value(grid, 1, 4), std::numbers::pi_v<long double>);
    EXPECT_EQ(grid.CellNameOf(1, 2), "A1");
    EXPECT_EQ(grid.CellNameOf(1, 3), "");
}

TEST(zelGridFormulas, MinOfALineWithoutIndexOneIsZero)
{
    TScopedRecordingDialogs dialogs;
    // One column left after deleting the others: no column 1 to start from.
    TzelGrid grid;
    Fill(grid, 0, 1, {{"", "x"}, {"5", "9"}, {"=minrow", "=maxrow"}});
    grid.SetCol(1);
    grid.DeleteColumnAtCurrent();
    ASSERT_EQ(grid.ColCount(), 1);
    grid.SetCells(0, 2, "=minrow+mincol");
    grid.Recalculate();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(Value(grid, 0, 2), 5); // minrow 0, mincol min(5, 5)

    // One row left: mincol in row 0 has no row 1.
    TzelGrid flat;
    Fill(flat, 0, 0, {{"3", "=mincol", "=minrow", "=sumcol+avgcol+maxcol"}});
    flat.SetFixedRows(0);
    flat.SetRowCount(1);
    flat.Recalculate();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(Value(flat, 1, 0), 0);
    EXPECT_EQ(Value(flat, 2, 0), 0); // min(value in column 1 = 0, 0)
    EXPECT_EQ(Value(flat, 3, 0), 0);
}

TEST(zelGridFormulas, SettersThatRecalculate)
{
    TScopedRecordingDialogs dialogs;
    TzelGrid grid;
    Fill(grid, 0, 1, {{"", ""}, {"2", "=A1*3"}});
    grid.SetShowValues(true); // switched on: computes
    EXPECT_EQ(Value(grid, 1, 1), 6);
    grid.SetCells(0, 1, "4");
    grid.SetShowValues(false);
    grid.SetShowValues(false);
    EXPECT_EQ(Value(grid, 1, 1), 6);
    grid.SetNumberFormat("%.3f"); // a new format computes
    EXPECT_EQ(Value(grid, 1, 1), 12);
    grid.SetCells(0, 1, "5");
    grid.SetNumberFormat("%.3f"); // the same one does not
    EXPECT_EQ(Value(grid, 1, 1), 12);
    grid.SetAutoCalculate(true);
    EXPECT_EQ(Value(grid, 1, 1), 15);
    grid.SetCells(0, 1, "6");
    grid.SetAutoCalculate(false);
    EXPECT_EQ(Value(grid, 1, 1), 15);
}
