// corvana-cli --collisions: the report of the plates that share a code.
#include "CliProcess.h"
#include "TestFiles.h"

#include "CollidingPlates.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

using ::testing::HasSubstr;

namespace {

const std::string kHeader26 = "Wiegand 26-bit (hex);Number plates\r\n";
const std::string kHeader64 = "Wiegand 64-bit (hex);Number plates\r\n";

// The report line of a group: its code, then its plates.
std::string Line(const std::vector<std::string>& plates)
{
    std::string line = Code26(plates[0]);
    for (const std::string& plate : plates)
        line += ";" + plate;
    return line + "\r\n";
}

} // namespace

TEST(CollisionReport, TwentySixBitGroupsFromEveryInput)
{
    const auto pairs = FindColliding26(2, 2);
    const auto triple = FindColliding26(1, 3, "TR")[0];
    TTempDir dir;
    // A UTF-16 file with a byte order mark holds part of the list.
    std::string utf16 = "\xFF\xFE";
    for (const std::string& line : {pairs[0][1], std::string("hk 55 evb"), triple[1], pairs[1][1]}) {
        for (char c : line + "\r\n")
            utf16 += std::string{c, '\0'};
    }
    WriteBytes(dir / "list16.txt", utf16);
    // --plate comes first; then the file; then standard input, where a member of
    // the triple repeats and plates repeat without sharing a code.
    const std::string stdinText = triple[0] + "\n" + pairs[1][0] + "\nAB-12\n" + triple[2] + "\nab12\nhk55evb\n";
    const TCliRun run = RunCli({"--collisions", "--plate", pairs[0][0], "--plate", triple[0], "-o", dir / "report.txt",
                                dir / "list16.txt", "-"},
                               stdinText);
    EXPECT_EQ(run.Status, 3) << run.Err;
    EXPECT_EQ(run.Out, "");

    // Ascending by code; each group's plates in order of first appearance.
    std::vector<std::vector<std::string>> groups{pairs[0], {pairs[1][1], pairs[1][0]}, triple};
    std::sort(groups.begin(), groups.end(), [](const auto& a, const auto& b) { return Code26(a[0]) < Code26(b[0]); });
    std::string expected = kHeader26;
    for (const auto& group : groups)
        expected += Line(group);
    EXPECT_EQ(ReadBytes(dir / "report.txt"), expected);

    const TCliRun verbose = RunCli({"--collisions", "--verbose", "--plate", pairs[0][0], "--plate", triple[0], dir / "list16.txt", "-"}, stdinText);
    EXPECT_EQ(verbose.Status, 3);
    EXPECT_EQ(verbose.Err, "corvana-cli: 12 plates, 3 groups, 7 plates in groups, 3 repeats\n");
}

TEST(CollisionReport, SixtyFourBitByTheTenByteLimitAndGroup63)
{
    TTempDir dir;
    // ÉTÉ1 written in Windows-1252; ÄTÄ1 given as UTF-8.
    WriteBytes(dir / "list1252.txt", "\xC9T\xC9" "1\r\nABCDEFGHIJ\r\nabcdefghij-77\r\n");
    const TCliRun run = RunCli({"--collisions", "--table", "64", "--plate", "\xC3\xA4T\xC3\xA4" "1", dir / "list1252.txt"});
    EXPECT_EQ(run.Status, 3) << run.Err;
    EXPECT_EQ(run.Out, kHeader64 +
                           "0x6000000FFFB7FFD1;\xC3\x84T\xC3\x84" "1;\xC3\x89T\xC3\x89" "1\r\n"
                           "0x669B71D79F8218A3;ABCDEFGHIJ;ABCDEFGHIJ77\r\n");
    // The same plates share no 26-bit code.
    const TCliRun table26 = RunCli({"--collisions", "--plate", "\xC3\xA4T\xC3\xA4" "1", dir / "list1252.txt"});
    EXPECT_EQ(table26.Status, 0);
    EXPECT_EQ(table26.Out, kHeader26);
}

TEST(CollisionReport, NoCollisionEmptyListAndUsage)
{
    const TCliRun repeats = RunCli({"--collisions", "--verbose"}, "AB12\nab-12\nHK55EVB\n");
    EXPECT_EQ(repeats.Status, 0);
    EXPECT_EQ(repeats.Out, kHeader26);
    EXPECT_EQ(repeats.Err, "corvana-cli: 3 plates, 0 groups, 0 plates in groups, 1 repeats\n");

    const TCliRun empty = RunCli({"--collisions", "--table", "64"}, "");
    EXPECT_EQ(empty.Status, 0);
    EXPECT_EQ(empty.Out, kHeader64);

    // A failed input still means 1, and nothing is written.
    TTempDir dir;
    const TCliRun missing = RunCli({"--collisions", "-o", dir / "report.txt", dir / "missing.txt"});
    EXPECT_EQ(missing.Status, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "report.txt"));

    const TCliRun help = RunCli({"--help"});
    EXPECT_THAT(help.Out, HasSubstr("| --collisions]"));
    EXPECT_THAT(help.Out, HasSubstr("3 the collision report lists at least one code"));
}
