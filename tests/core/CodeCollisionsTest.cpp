#include "CodeCollisions.h"

#include "CollidingPlates.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace {

// The records of a list of plates, rows counted from 1.
struct TList {
    std::vector<TPlateCodes> codes;
    std::vector<TCollisionRecord> Records() const
    {
        std::vector<TCollisionRecord> records;
        for (std::size_t i = 0; i < codes.size(); ++i)
            records.push_back({codes[i].Plate, codes[i].Wiegand26, codes[i].Wiegand64, i + 1});
        return records;
    }
};

TList ListOf(const std::vector<std::string>& plates)
{
    TList list;
    for (const std::string& plate : plates)
        list.codes.push_back(ComputePlateCodes(plate));
    return list;
}

TCollisionFinder FinderOf(const std::vector<std::string>& plates)
{
    TCollisionFinder finder;
    const TList list = ListOf(plates);
    for (const TCollisionRecord& record : list.Records())
        finder.Add(record);
    return finder;
}

std::vector<std::string> PlatesOf(const TCollisionFinder& finder, const std::vector<TCollisionFinder::TPlateId>& ids)
{
    std::vector<std::string> plates;
    for (auto id : ids)
        plates.emplace_back(finder.Plate(id));
    return plates;
}

void ExpectCounts(const TCollisionCounts& c, std::uint64_t plates, std::uint64_t repeats, std::uint64_t groups,
                  std::uint64_t platesInGroups, std::uint64_t rowsInGroups)
{
    EXPECT_EQ(c.Plates, plates);
    EXPECT_EQ(c.Repeats, repeats);
    EXPECT_EQ(c.Groups, groups);
    EXPECT_EQ(c.PlatesInGroups, platesInGroups);
    EXPECT_EQ(c.RowsInGroups, rowsInGroups);
}

} // namespace

TEST(CodeCollisions, TwentySixBitGroupsOfTwoAndThreeWithRepeats)
{
    const auto pairs = FindColliding26(2, 2);
    const auto triple = FindColliding26(1, 3, "TR")[0];
    const std::string a = pairs[0][0], b = pairs[0][1], c = pairs[1][0], d = pairs[1][1];
    // The second pair comes in reverse order; a triple member repeats inside its group.
    TCollisionFinder finder = FinderOf({a, "HK55EVB", d, triple[0], b, triple[1], triple[0], c, triple[2], "HK55EVB"});

    ExpectCounts(finder.Counts(TCodeTable::Wiegand26), 10, 2, 3, 7, 8);
    ExpectCounts(finder.Counts(TCodeTable::Wiegand64), 10, 2, 0, 0, 0);
    EXPECT_EQ(PlatesOf(finder, finder.GroupOf(TCodeTable::Wiegand26, finder.Find(b))), (std::vector{a, b}));
    EXPECT_EQ(PlatesOf(finder, finder.GroupOf(TCodeTable::Wiegand26, finder.Find(c))), (std::vector{d, c}));
    EXPECT_EQ(PlatesOf(finder, finder.GroupOf(TCodeTable::Wiegand26, finder.Find(triple[2]))), triple);
    EXPECT_FALSE(finder.SharesCode(TCodeTable::Wiegand26, finder.Find("HK55EVB")));
    EXPECT_EQ(finder.Occurrences(finder.Find(triple[0])), 2u);
    EXPECT_EQ(finder.FirstRow(finder.Find(triple[0])), 4u);

    const auto groups = finder.Groups(TCodeTable::Wiegand26);
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_LT(groups[0].Code, groups[1].Code);
    EXPECT_LT(groups[1].Code, groups[2].Code);
    for (const auto& group : groups) {
        EXPECT_EQ(finder.GroupOf(TCodeTable::Wiegand26, group.Plates[0]), group.Plates);
        for (auto id : group.Plates)
            EXPECT_EQ(finder.Code(TCodeTable::Wiegand26, id), group.Code);
    }
}

TEST(CodeCollisions, SixtyFourBitByTheTenByteLimitAndGroup63)
{
    // ÉTÉ1 and ÄTÄ1: each non-ASCII byte packs as group 63.
    TCollisionFinder finder = FinderOf({"ABCDEFGHIJKL", "\xC3\x89T\xC3\x89" "1", "ABCDEFGHIJ", "ABCDEFGHIJ7",
                                        "\xC3\x84T\xC3\x84" "1", "ABCDEFGHIJ"});
    ExpectCounts(finder.Counts(TCodeTable::Wiegand64), 6, 1, 2, 5, 6);
    EXPECT_EQ(finder.Counts(TCodeTable::Wiegand26).Groups, 0u);
    const auto groups = finder.Groups(TCodeTable::Wiegand64);
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(CodeText(TCodeTable::Wiegand64, groups[0].Code), "0x6000000FFFB7FFD1");
    EXPECT_EQ(PlatesOf(finder, groups[0].Plates), (std::vector<std::string>{"\xC3\x89T\xC3\x89" "1", "\xC3\x84T\xC3\x84" "1"}));
    EXPECT_EQ(CodeText(TCodeTable::Wiegand64, groups[1].Code), "0x669B71D79F8218A3");
    EXPECT_EQ(PlatesOf(finder, groups[1].Plates), (std::vector<std::string>{"ABCDEFGHIJKL", "ABCDEFGHIJ", "ABCDEFGHIJ7"}));
}

TEST(CodeCollisions, RepeatsAloneAndTheEmptyList)
{
    TCollisionFinder empty;
    ExpectCounts(empty.Counts(TCodeTable::Wiegand26), 0, 0, 0, 0, 0);
    EXPECT_TRUE(empty.Groups(TCodeTable::Wiegand64).empty());
    EXPECT_EQ(empty.Find("AB12"), TCollisionFinder::kNoPlate);

    TCollisionFinder finder = FinderOf({"AB12", "AB12", "XY9", "AB12"});
    for (TCodeTable table : {TCodeTable::Wiegand26, TCodeTable::Wiegand64})
        ExpectCounts(finder.Counts(table), 4, 2, 0, 0, 0);
    EXPECT_EQ(finder.DistinctPlates(), 2u);
    EXPECT_EQ(CodeText(TCodeTable::Wiegand26, finder.Code(TCodeTable::Wiegand26, finder.Find("AB12"))), "0x2DE4806");
    EXPECT_THROW(finder.Add({"ABCDEFGHIJKLMNOPQ", 1, 1, 1}), std::length_error);
    EXPECT_THROW(finder.Add({"", 1, 1, 1}), std::length_error);
    finder.Clear();
    EXPECT_EQ(finder.Counts(TCodeTable::Wiegand26).Plates, 0u);
    EXPECT_EQ(finder.Find("AB12"), TCollisionFinder::kNoPlate);
}

// A million random plates, taken in bulk and one by one, counted against plain maps.
TEST(CodeCollisions, MillionRandomPlatesAgainstMapCounts)
{
    std::mt19937 random(15);
    const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::vector<std::string> plates(1000000);
    for (std::string& plate : plates) {
        // Short plates now and then, so that some repeat.
        const int length = random() % 50 == 0 ? 3 : 7;
        for (int i = 0; i < length; ++i)
            plate.push_back(alphabet[random() % 36]);
    }
    const TList list = ListOf(plates);
    const std::vector<TCollisionRecord> records = list.Records();
    TCollisionFinder bulk;
    bulk.Add(std::span<const TCollisionRecord>(records).first(500000));
    bulk.Add(std::span<const TCollisionRecord>(records).subspan(500000));
    TCollisionFinder single;
    for (const TCollisionRecord& record : records)
        single.Add(record);
    // Room made for the whole list first, as File > Open does, and asked again
    // for fewer than it holds: the same answers.
    TCollisionFinder reserved;
    reserved.Reserve(records.size());
    for (std::size_t begin = 0; begin < records.size(); begin += 8192) {
        reserved.Add(std::span<const TCollisionRecord>(records).subspan(begin, std::min<std::size_t>(8192, records.size() - begin)));
        reserved.Reserve(100);
    }

    std::map<std::string_view, std::pair<std::uint64_t, const TPlateCodes*>> occurrences;
    for (const TPlateCodes& codes : list.codes) {
        auto& entry = occurrences[codes.Plate];
        ++entry.first;
        entry.second = &codes;
    }
    for (TCodeTable table : {TCodeTable::Wiegand26, TCodeTable::Wiegand64}) {
        std::map<std::uint64_t, std::pair<std::uint64_t, std::uint64_t>> byCode; // distinct plates, rows
        for (const auto& [plate, occurrence] : occurrences) {
            const auto& [count, codes] = occurrence;
            auto& entry = byCode[table == TCodeTable::Wiegand26 ? codes->Wiegand26 : codes->Wiegand64];
            ++entry.first;
            entry.second += count;
        }
        TCollisionCounts expected;
        expected.Plates = plates.size();
        expected.Repeats = plates.size() - occurrences.size();
        for (const auto& [code, entry] : byCode) {
            if (entry.first < 2)
                continue;
            ++expected.Groups;
            expected.PlatesInGroups += entry.first;
            expected.RowsInGroups += entry.second;
        }
        for (const TCollisionFinder* finder : {&bulk, &single, &reserved})
            ExpectCounts(finder->Counts(table), expected.Plates, expected.Repeats, expected.Groups,
                         expected.PlatesInGroups, expected.RowsInGroups);
        EXPECT_EQ(bulk.Groups(table).size(), expected.Groups);
        const auto groups = reserved.Groups(table), bulkGroups = bulk.Groups(table);
        ASSERT_EQ(groups.size(), bulkGroups.size());
        for (std::size_t g = 0; g < groups.size(); ++g)
            ASSERT_EQ(groups[g].Plates, bulkGroups[g].Plates);
    }
    EXPECT_GT(bulk.Counts(TCodeTable::Wiegand26).Groups, 20000u);
    EXPECT_GT(bulk.Counts(TCodeTable::Wiegand26).Repeats, 0u);
}
