#include "CellConvert.h"
#include "zelGrid.h"

#include <gtest/gtest.h>
#include <random>

namespace {

// The value table as the grid defines it, kept the plain way: every size change
// reloads all values from the texts; setting a value changes one; nothing else
// (text edits, sorts, line moves) touches it.
struct TPlainValues {
    std::vector<std::vector<long double>> values; // [col][row]

    void Load(TzelGrid& grid)
    {
        values.assign(std::size_t(grid.ColCount()), std::vector<long double>(std::size_t(grid.RowCount())));
        for (int c = 0; c < grid.ColCount(); ++c)
            for (int r = 0; r < grid.RowCount(); ++r)
                values[c][r] = CellTextValue(grid.CellText(c, r));
    }
};

} // namespace

TEST(CellValueTable, LazyTableReadsLikeAPlainOneUnderRandomEdits)
{
    const QStringList texts{"", "1", "2.5", "-3", "=A1+1", "abc", "1e3", " 4 ", "7", "0x10"};
    std::mt19937 rng(99);
    for (int round = 0; round < 30; ++round) {
        TzelGrid grid;
        TPlainValues plain;
        grid.OnSizeChanged = [&](QObject*, int, int) { plain.Load(grid); };
        plain.Load(grid);
        grid.SetFixedCols(0);
        grid.SetColCount(3 + int(rng() % 3));
        grid.SetRowCount(4 + int(rng() % 10));
        auto anyText = [&] { return texts[int(rng() % texts.size())]; };
        for (int step = 0; step < 200; ++step) {
            const int cols = grid.ColCount();
            const int rows = grid.RowCount();
            switch (rng() % 12) {
            case 0:
            case 1:
            case 2:
                grid.SetCells(int(rng() % cols), int(rng() % rows), anyText());
                break;
            case 3:
                grid.SetRowCount(std::max(2, rows + int(rng() % 5) - 2));
                break;
            case 4:
                grid.SetColCount(std::max(1, cols + int(rng() % 3) - 1));
                break;
            case 5: {
                const int c = int(rng() % cols), r = int(rng() % rows);
                const long double v = int(rng() % 100);
                grid.CellValues().SetValue(c, r, v);
                plain.values[c][r] = v;
                break;
            }
            case 6:
                grid.SetSortIndex(int(rng() % cols));
                grid.SetHowToSort(stRow);
                grid.SetStartIndex(int(rng() % rows));
                grid.SetEndIndex(int(rng() % rows));
                grid.SetSortDirection(rng() % 2 ? Ascending : Descending);
                grid.SetSortType(tstCharacter);
                grid.SortGrid();
                break;
            case 7:
                grid.SetHowToSort(stColumn);
                grid.SetSortIndex(int(rng() % std::min(cols, rows)));
                grid.SetStartIndex(0);
                grid.SetEndIndex(std::min(cols, rows) - 1);
                grid.SetSortType(tstCharacter);
                grid.SortGrid();
                break;
            case 8:
                grid.SetSelection(TGridRect{int(rng() % cols), 1 + int(rng() % (rows - 1)), 0, 0});
                grid.SetSelection(TGridRect{grid.Col(), grid.Row(), grid.Col(), grid.Row()});
                if (rng() % 2)
                    grid.InsertRowAtCurrent();
                else
                    grid.InsertColumnAtCurrent();
                break;
            case 9:
                if (rng() % 2)
                    grid.DeleteRowAtCurrent();
                else
                    grid.DeleteColumnAtCurrent();
                break;
            case 10:
                grid.Rows(int(rng() % rows)).Assign(QStringList{anyText(), anyText(), anyText()});
                break;
            case 11:
                grid.Cols(int(rng() % cols)).Clear();
                break;
            }
            ASSERT_EQ(grid.CellValues().ColCount(), grid.ColCount());
            ASSERT_EQ(grid.CellValues().RowCount(), grid.RowCount());
            for (int c = 0; c < grid.ColCount(); ++c)
                for (int r = 0; r < grid.RowCount(); ++r)
                    ASSERT_EQ(grid.CellValues()(c, r), plain.values[c][r]) << "round " << round << " step " << step << " cell " << c << "," << r;
        }
    }
}

TEST(CellValueTable, NumberTexts)
{
    std::int32_t i = 0;
    EXPECT_TRUE(TryTextToInt32("  -12", i));
    EXPECT_EQ(i, -12);
    for (const char* hex : {"$1F", "x1F", "X1f", "0x1F", "0X1f"}) {
        EXPECT_TRUE(TryTextToInt32(hex, i)) << hex;
        EXPECT_EQ(i, 31);
    }
    for (const char* bad : {"", " ", "12 ", "1.0", "2147483648", "-2147483649", "0x", "$", "+", "1e3"})
        EXPECT_FALSE(TryTextToInt32(bad, i)) << bad;
    EXPECT_TRUE(TryTextToInt32("-2147483648", i));

    long double v = 0;
    EXPECT_TRUE(TryTextToExtended(" 1.5e2 ", '.', v));
    EXPECT_EQ(v, 150);
    EXPECT_TRUE(TryTextToExtended("-,5", ',', v));
    EXPECT_EQ(v, -0.5L);
    for (const char* bad : {"", ".", "1.2.3", "0x10", "$10", "1e", "abc", "1,5", "inf", "nan"})
        EXPECT_FALSE(TryTextToExtended(bad, '.', v)) << bad;
    EXPECT_EQ(CellTextValue("=1+2"), 0);
    EXPECT_EQ(CellTextValue("42"), 42);
}
