// Memory asked for huge pages is memory like any other: zeroed when mapped,
// and a hint given on a block already written never changes what it holds.
#include "HugePages.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

TEST(HugePages, MappedMemoryIsZeroedAndAHintKeepsWhatABlockHolds)
{
    const std::size_t bytes = std::size_t(5) << 20;
    auto* mapped = static_cast<unsigned char*>(MapHugePages(bytes, true));
    EXPECT_EQ(std::accumulate(mapped, mapped + bytes, 0u), 0u);
    mapped[bytes - 1] = 7;
    UnmapHugePages(mapped, bytes);

    std::vector<int> numbers(3 << 20);
    std::iota(numbers.begin(), numbers.end(), 0);
    AdviseHugePages(numbers.data() + 1, numbers.size() * sizeof(int) - 5); // any edges
    ReserveInHugePages(numbers, numbers.size() * 2);
    for (std::size_t i = 0; i < numbers.size(); i += 4093)
        ASSERT_EQ(numbers[i], int(i));
    std::string text = "kept";
    ReserveInHugePages(text, std::size_t(4) << 20);
    EXPECT_EQ(text, "kept");
    AdviseHugePages(nullptr, 0);
}
