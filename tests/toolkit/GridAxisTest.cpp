#include "GridAxis.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <random>

namespace {

// Positions recomputed from scratch, to check the tree against.
struct TNaiveAxis {
    std::vector<int> sizes;
    int Extent(int i) const { return sizes[i] > 0 ? sizes[i] + 1 : 0; }
    std::int64_t Start(int i) const
    {
        std::int64_t s = 0;
        for (int k = 0; k < i; ++k)
            s += Extent(k);
        return s;
    }
    int LineAt(std::int64_t pos) const
    {
        std::int64_t s = 0;
        for (int k = 0; k < int(sizes.size()); ++k) {
            s += Extent(k);
            if (pos < s)
                return k;
        }
        return int(sizes.size());
    }
};

} // namespace

TEST(GridAxis, PositionsAndLookupsMatchARecountUnderRandomChanges)
{
    std::mt19937 rng(7);
    TGridAxis axis(3, 20);
    TNaiveAxis naive{{20, 20, 20}};
    for (int step = 0; step < 3000; ++step) {
        const int op = int(rng() % 6);
        if (op == 0 || naive.sizes.empty()) {
            const int n = int(rng() % 40) + 1;
            axis.SetCount(axis.Count() + n);
            naive.sizes.resize(naive.sizes.size() + n, 20);
        } else if (op == 1) {
            const int n = int(rng() % std::min<std::size_t>(naive.sizes.size(), 80));
            axis.SetCount(axis.Count() - n);
            naive.sizes.resize(naive.sizes.size() - n);
        } else if (op == 2) {
            const int i = int(rng() % naive.sizes.size());
            axis.Erase(i);
            naive.sizes.erase(naive.sizes.begin() + i);
        } else if (op == 3) {
            // A sort or a row insert moves lines with their sizes.
            const int first = int(rng() % naive.sizes.size());
            const int n = int(rng() % std::min<std::size_t>(naive.sizes.size() - first, 100)) + 1;
            std::vector<int> from(n);
            for (int k = 0; k < n; ++k)
                from[k] = first + k;
            std::shuffle(from.begin(), from.end(), rng);
            std::vector<int> moved(n);
            for (int k = 0; k < n; ++k)
                moved[k] = naive.sizes[from[k]];
            axis.Permute(first, from);
            std::copy(moved.begin(), moved.end(), naive.sizes.begin() + first);
        } else {
            // Sizes of 0 or less hide the line.
            const int i = int(rng() % naive.sizes.size());
            const int size = int(rng() % 50) - 10;
            axis.SetSize(i, size);
            naive.sizes[i] = size;
        }
        ASSERT_EQ(axis.Count(), int(naive.sizes.size()));
        ASSERT_EQ(axis.Total(), naive.Start(int(naive.sizes.size())));
        ASSERT_EQ(axis.HiddenCount(), std::count_if(naive.sizes.begin(), naive.sizes.end(), [](int s) { return s <= 0; }))
            << "step " << step;
        for (int probe = 0; probe < 4 && !naive.sizes.empty(); ++probe) {
            const int i = int(rng() % naive.sizes.size());
            ASSERT_EQ(axis.Start(i), naive.Start(i)) << "step " << step;
            const std::int64_t pos = std::int64_t(rng() % (axis.Total() + 10));
            ASSERT_EQ(axis.LineAt(pos), naive.LineAt(pos)) << "step " << step << " pos " << pos;
            int next = i;
            while (next < int(naive.sizes.size()) && naive.sizes[next] <= 0)
                ++next;
            ASSERT_EQ(axis.NextVisible(i), next);
            int prev = i;
            while (prev >= 0 && naive.sizes[prev] <= 0)
                --prev;
            ASSERT_EQ(axis.PrevVisible(i), prev);
            // A line's place among the visible lines, and back.
            const int before = int(std::count_if(naive.sizes.begin(), naive.sizes.begin() + i, [](int s) { return s > 0; }));
            ASSERT_EQ(axis.VisibleBefore(i), before) << "step " << step;
            ASSERT_EQ(axis.NthVisible(before), next) << "step " << step;
        }
    }
    EXPECT_EQ(axis.LineAt(-1), -1);
}

TEST(GridAxis, NewDefaultSizeResetsEveryLine)
{
    TGridAxis axis(4, 24);
    axis.SetSize(2, -1);
    EXPECT_EQ(axis.HiddenCount(), 1);
    axis.SetDefaultSize(20);
    EXPECT_EQ(axis.Size(2), 20);
    EXPECT_EQ(axis.HiddenCount(), 0);
    EXPECT_EQ(axis.Total(), 4 * 21);
    EXPECT_EQ(axis.Start(3), 3 * 21);
}
