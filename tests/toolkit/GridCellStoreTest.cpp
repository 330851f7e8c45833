#include "GridCellStore.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// A text of `size` bytes that tells its row and version apart from every other.
std::string TextOf(int row, int version, std::size_t size)
{
    std::string text = std::to_string(row) + ":" + std::to_string(version) + ":";
    while (text.size() < size)
        text.push_back(char('a' + (text.size() + std::size_t(row)) % 26));
    text.resize(size);
    return text;
}

void ExpectColumn(const TGridCellStore& store, int c, const std::vector<std::string>& expected)
{
    ASSERT_EQ(store.RowCount(), int(expected.size()));
    for (int r = 0; r < store.RowCount(); ++r)
        ASSERT_EQ(store.Text(c, r), expected[std::size_t(r)]) << "row " << r;
}

} // namespace

// Texts of every length class (in the cell, in the arena, with a length of their
// own, larger than an arena block) survive rewriting many times over (which
// compacts the arena), sorting moves, row deletion, shrinking and growing.
TEST(GridCellStore, TextsOfEverySizeSurviveRewritesMovesAndResizes)
{
    const std::size_t sizes[] = {0, 1, 7, 8, 15, 46, 254, 255, 300, (std::size_t(1) << 20) + 5};
    const int rows = 20000;
    TGridCellStore store(2, rows);
    std::vector<std::string> expected(rows);
    std::mt19937 random(25);
    for (int version = 0; version < 12; ++version) {
        for (int r = 0; r < rows; ++r) {
            const std::size_t size = r == 7 && version == 3 ? sizes[9] : sizes[random() % 9];
            expected[std::size_t(r)] = TextOf(r, version, size);
            store.Assign(0, r, expected[std::size_t(r)]);
        }
    }
    ExpectColumn(store, 0, expected);

    // A text assigned from a view of the cell itself.
    const std::string before(store.Text(0, 3));
    store.Assign(0, 3, store.Text(0, 3));
    EXPECT_EQ(store.Text(0, 3), before);

    std::vector<int> from(rows - 1);
    for (int k = 0; k < rows - 1; ++k)
        from[std::size_t(k)] = rows - 1 - k;
    store.PermuteRows(1, from);
    std::vector<std::string> permuted(expected);
    for (int k = 0; k < rows - 1; ++k)
        permuted[std::size_t(1 + k)] = expected[std::size_t(from[std::size_t(k)])];
    ExpectColumn(store, 0, permuted);

    store.EraseRow(5);
    permuted.erase(permuted.begin() + 5);
    ExpectColumn(store, 0, permuted);

    store.Resize(2, 3);
    permuted.resize(3);
    ExpectColumn(store, 0, permuted);
    store.Resize(2, 10);
    permuted.resize(10);
    ExpectColumn(store, 0, permuted);
    EXPECT_EQ(store.Text(1, 9), "");
}

TEST(GridCellStore, KeptTextsComeBackWhenTheStoreGrows)
{
    TGridCellStore store(1, 2);
    store.KeepBeyond(0, 4, "a text longer than a cell");
    store.KeepBeyond(0, 5, "short");
    EXPECT_EQ(store.Text(0, 4), "");
    store.Resize(1, 6);
    EXPECT_EQ(store.Text(0, 4), "a text longer than a cell");
    EXPECT_EQ(store.Text(0, 5), "short");
}
