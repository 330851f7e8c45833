#include "AtomicFile.h"
#include "PlateList.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

class AtomicFile : public testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("corvana-atomic-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    static std::string Read(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::size_t EntryCount() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {})); }

    fs::path folder;
};

} // namespace

TEST_F(AtomicFile, ReplacesTheTargetKeepingItsPermissions)
{
    const fs::path target = folder / "result.txt";
    TAtomicFileWriter::WriteFile(target, "first\r\n");
    EXPECT_EQ(Read(target), "first\r\n");
    ::chmod(target.c_str(), 0640);
    TAtomicFileWriter::WriteFile(target, "second\r\n");
    EXPECT_EQ(Read(target), "second\r\n");
    struct stat st;
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(EntryCount(), 1u) << "no temporary file is left behind";
}

TEST_F(AtomicFile, PiecesSmallAndLargeLandInTheirOrder)
{
    // Small pieces are gathered, large ones go straight: the file holds them
    // all as they were written, whatever their sizes.
    const fs::path target = folder / "result.txt";
    TAtomicFileWriter writer(target);
    std::string expected;
    for (const std::size_t size : {std::size_t(3), std::size_t(100) << 10, std::size_t(5), std::size_t(64) << 10,
                                   std::size_t(700) << 10, std::size_t(700) << 10, std::size_t(2) << 20, std::size_t(1)}) {
        const std::string piece(size, static_cast<char>('a' + expected.size() % 26));
        writer.Write(piece);
        expected += piece;
    }
    writer.Commit();
    EXPECT_TRUE(Read(target) == expected);
}

TEST_F(AtomicFile, AnUnfinishedWriteLeavesTheTargetUntouched)
{
    const fs::path target = folder / "result.txt";
    TAtomicFileWriter::WriteFile(target, "kept");
    {
        TAtomicFileWriter writer(target);
        writer.Write(std::string(3 << 20, 'x')); // past the buffer: data reaches the temporary file
    } // destroyed without Commit
    EXPECT_EQ(Read(target), "kept");
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(AtomicFile, ErrorsNameTheTarget)
{
    const std::string missing = (folder / "no-such-folder" / "x.txt").string();
    try {
        TAtomicFileWriter::WriteFile(missing, "x");
        FAIL() << "writing into a missing folder succeeded";
    } catch (const TFileError& e) {
        EXPECT_EQ(e.FileName, missing);
        EXPECT_FALSE(e.Reason.empty());
    }
    // A folder in the target's place cannot be replaced by a file.
    fs::create_directories(folder / "dir");
    EXPECT_THROW(TAtomicFileWriter::WriteFile(folder / "dir", "x"), TFileError);
    EXPECT_TRUE(fs::is_directory(folder / "dir"));
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(AtomicFile, FollowsLinksAndRefusesDevicesAndPipes)
{
    const fs::path real = folder / "real.txt";
    TAtomicFileWriter::WriteFile(real, "old");
    fs::create_symlink(real, folder / "link.txt");
    TAtomicFileWriter::WriteFile(folder / "link.txt", "new");
    EXPECT_TRUE(fs::is_symlink(folder / "link.txt"));
    EXPECT_EQ(Read(real), "new");

    // A result file is a regular file: a device or a named pipe (which nobody
    // reads) is refused at once, and stays what it was.
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
    for (const std::string& target : {std::string("/dev/null"), (folder / "fifo").string()}) {
        try {
            TAtomicFileWriter::WriteFile(target, "x");
            FAIL() << "wrote to " << target;
        } catch (const TFileError& e) {
            EXPECT_EQ(e.FileName, target);
            EXPECT_THAT(e.Reason, testing::EndsWith(", not a regular file"));
        }
    }
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_TRUE(fs::is_fifo(folder / "fifo"));
}
