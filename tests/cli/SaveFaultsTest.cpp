// Saves under faults, through the real corvana-cli -o: each system call of a
// save failing in turn, kills at random moments, full and read-only file
// systems, folders the user may not write, links another user planted, and a
// pipe in the target's place. Whatever happens the target is the complete old
// file or the complete new one, no temporary file outlives its save, and a
// failure is reported, never passed off as success.

#include "CliProcess.h"
#include "FaultSupport.h"
#include "TestFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <future>
#include <random>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using testing::ElementsAre;
using testing::IsEmpty;
using testing::StartsWith;

namespace {

std::string PlateList(int count)
{
    std::string list;
    for (int i = 0; i < count; ++i)
        list += "P" + std::to_string(i) + "\n";
    return list;
}

std::string Canonical(const std::string& path)
{
    return std::filesystem::canonical(path).string();
}

// The environment of a run whose system call `call` fails in `folder` (none
// fails for "none"); with `unnamed` false, as on a file system without unnamed
// files.
std::vector<std::string> Failing(const std::string& call, const std::string& folder, bool unnamed = true)
{
    std::vector<std::string> environment = {std::string("LD_PRELOAD=") + CORVANA_FAILING_CALLS,
                                            "CORVANA_FAIL_CALL=" + call, "CORVANA_FAIL_IN=" + Canonical(folder)};
    if (!unnamed)
        environment.push_back("CORVANA_NO_TMPFILE=1");
    // A sanitized program wants its runtime loaded first; the library comes before it.
    const char* sanitizer = std::getenv("ASAN_OPTIONS");
    environment.push_back(std::string("ASAN_OPTIONS=") + (sanitizer ? sanitizer : "") + ":verify_asan_link_order=0");
    return environment;
}

std::string CannotCreate(const std::string& file, const std::string& reason)
{
    return "corvana-cli: cannot create file \"" + file + "\": " + reason + "\n";
}

bool IsRoot()
{
    return ::geteuid() == 0;
}

} // namespace

TEST(SaveFaults, EachFailingCallOfASaveLeavesTheTargetAsItWas)
{
    TTempDir inputs, dir;
    WriteBytes(inputs / "plates.txt", PlateList(20000));
    const std::string out = dir / "out.txt";
    const std::string expected = RunCli({inputs / "plates.txt"}).Out;

    // The calls each way of saving makes: an unnamed file is linked in, a named
    // one renamed; a new target takes the unnamed file's name by a link; only a
    // file saved over is given its owner.
    const std::vector<std::string> calls = {"create", "write", "fchown", "fchmod", "fsync",
                                            "link",   "rename", "close", "fsyncdir"};
    for (const bool unnamed : {true, false})
        for (const bool existing : {true, false})
            for (const std::string& call : calls) {
                if ((call == "fchown" && !existing) || (call == "link" && !unnamed) ||
                    (call == "rename" && unnamed && !existing))
                    continue;
                const std::string what =
                    call + (unnamed ? ", unnamed" : ", named") + (existing ? ", over a file" : ", a new file");
                std::filesystem::remove(out);
                if (existing)
                    WriteBytes(out, "old\r\n");
                TCliCall save;
                save.Args = {"-o", out, inputs / "plates.txt"};
                save.Environment = Failing(call, dir / ".", unnamed);
                const TCliRun run = RunCli(save);
                EXPECT_EQ(run.Status, 1) << what;
                EXPECT_EQ(run.Err, CannotCreate(out, "Input/output error")) << what;
                if (existing) {
                    EXPECT_THAT(dir.Entries(), ElementsAre("out.txt")) << what;
                    EXPECT_EQ(ReadBytes(out), "old\r\n") << what;
                } else {
                    EXPECT_THAT(dir.Entries(), IsEmpty()) << what;
                }
            }

    // With nothing failing, both ways save.
    for (const bool unnamed : {true, false}) {
        WriteBytes(out, "old\r\n");
        TCliCall save;
        save.Args = {"-o", out, inputs / "plates.txt"};
        save.Environment = Failing("none", dir / ".", unnamed);
        EXPECT_EQ(RunCli(save).Status, 0);
        EXPECT_TRUE(ReadBytes(out) == expected);
        EXPECT_THAT(dir.Entries(), ElementsAre("out.txt"));
    }
}

TEST(SaveFaults, AKilledSaveLeavesTheOldOrTheNewFileAndNoTemporaryStays)
{
    TTempDir inputs, dir;
    WriteBytes(inputs / "plates.txt", PlateList(300000));
    const std::string out = dir / "out.txt";
    const std::vector<std::string> args = {"--all-columns", "-o", out, inputs / "plates.txt"};
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(RunCli(args).Status, 0);
    const auto whole = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    const std::string fresh = ReadBytes(out);
    const std::string old = "old\r\n";

    // Killed anywhere from its start to past its end, unnamed or (where the file
    // system has no unnamed files) named.
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed) + ", a whole save " + std::to_string(whole.count()) + " ms");
    std::mt19937 random(seed);
    std::uniform_int_distribution<long> moment(0, whole.count() + whole.count() / 10 + 1);
    int killed = 0;
    for (int i = 0; i < 16; ++i) {
        WriteBytes(out, old);
        TCliCall save;
        save.Args = args;
        save.KillAfter = std::chrono::milliseconds(moment(random));
        if (i % 2 == 1)
            save.Environment = Failing("none", dir / ".", false);
        const TCliRun run = RunCli(save);
        killed += run.Status == 128 + SIGKILL;
        const std::string now = ReadBytes(out);
        EXPECT_TRUE(now == old || now == fresh) << now.size() << " bytes after a kill at " << save.KillAfter->count()
                                                << " ms";
    }
    EXPECT_GT(killed, 0);

    // The next save in the folder removes what killed saves left, and nothing else:
    // not a file of another user, nor one of a similar name.
    WriteBytes(dir / ".out.txt.corvana-ABC", "a user's");
    WriteBytes(dir / ".notes", "a user's");
    if (IsRoot()) {
        WriteBytes(dir / ".out.txt.corvana-Nobody00", "nobody's");
        ASSERT_EQ(::chown((dir / ".out.txt.corvana-Nobody00").c_str(), kNobody, kNobody), 0);
    }
    ASSERT_EQ(RunCli({"-o", dir / "other.txt", "--plate", "A"}).Status, 0);
    std::vector<std::string> kept = {".notes", ".out.txt.corvana-ABC", "other.txt", "out.txt"};
    if (IsRoot())
        kept.insert(kept.begin() + 2, ".out.txt.corvana-Nobody00");
    EXPECT_EQ(dir.Entries(), kept);
}

TEST(SaveFaults, ALiveSaveKeepsItsTemporaryWhileOthersSave)
{
    // A save waiting for its standard input holds its named temporary file; a
    // save beside it cleans the folder and leaves that file alone.
    TTempDir dir;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    TCliRun first;
    std::thread waiting([&] {
        TCliCall save;
        save.Args = {"-o", dir / "first.txt"};
        save.Environment = Failing("none", dir / ".", false);
        bool given = false;
        save.Source = [&](std::string& piece) {
            if (given) {
                released.wait();
                return false;
            }
            piece = "hk 55 evb\n";
            given = true;
            return true;
        };
        first = RunCli(save);
    });
    const auto temporaries = [&] {
        std::vector<std::string> names;
        for (const std::string& name : dir.Entries())
            if (name.starts_with(".first.txt.corvana-"))
                names.push_back(name);
        return names;
    };
    for (int i = 0; i < 500 && temporaries().empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const std::vector<std::string> live = temporaries();
    TCliCall second;
    second.Args = {"-o", dir / "second.txt", "--plate", "A"};
    second.Environment = Failing("none", dir / ".", false);
    EXPECT_EQ(RunCli(second).Status, 0);
    EXPECT_EQ(live.size(), 1u);
    EXPECT_EQ(temporaries(), live);
    release.set_value();
    waiting.join();
    EXPECT_EQ(first.Status, 0);
    EXPECT_THAT(ReadBytes(dir / "first.txt"), testing::HasSubstr("HK55EVB"));
    EXPECT_THAT(dir.Entries(), ElementsAre("first.txt", "second.txt"));
}

TEST(SaveFaults, FullOrReadOnlyPlacesAndPipesKeepTheOldFile)
{
    TTempDir dir;
    WriteBytes(dir / "plates.txt", PlateList(5000));
    // A named pipe nobody reads is refused at once, and stays a pipe.
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    const TCliRun pipe = RunCli({"-o", dir / "fifo", "--plate", "A"});
    EXPECT_EQ(pipe.Status, 1);
    EXPECT_EQ(pipe.Err, CannotCreate(dir / "fifo", "A named pipe that nobody reads"));

    if (!IsRoot())
        GTEST_SKIP() << "full and read-only file systems and a second user need root";
    // A file system without a free byte, or without a free inode (where the old
    // way rewrote the target in place), or read-only.
    for (const char* full : {"bytes", "inodes", "read-only"}) {
        const TSmallFileSystem small(dir / "small", 256 << 10, 16);
        ASSERT_EQ(small.Failure(), "");
        const std::string out = dir / "small/out.txt";
        WriteBytes(out, "old\r\n");
        const std::string what = full;
        if (what == "bytes")
            small.FillBytes();
        else if (what == "inodes")
            small.FillInodes();
        else
            ASSERT_TRUE(small.MakeReadOnly());
        const auto before = EntriesOf(dir / "small");
        const TCliRun run = RunCli({"-o", out, dir / "plates.txt"});
        EXPECT_EQ(run.Status, 1) << what;
        EXPECT_EQ(run.Err, CannotCreate(out, what == "read-only" ? "Read-only file system" : "No space left on device"))
            << what;
        EXPECT_EQ(ReadBytes(out), "old\r\n") << what;
        EXPECT_EQ(EntriesOf(dir / "small"), before) << what;
    }

    // As an ordinary user: a read-only folder, and a writable file in it, which
    // only a rewrite in place could save.
    ::chmod((dir / ".").c_str(), 0755);
    ::mkdir((dir / "locked").c_str(), 0555);
    WriteBytes(dir / "locked/out.txt", "old\r\n");
    ::chmod((dir / "locked/out.txt").c_str(), 0666);
    for (const std::string name : {"new.txt", "out.txt"}) {
        TCliCall save;
        save.Args = {"-o", dir / ("locked/" + name), "--plate", "A"};
        save.User = kNobody;
        const TCliRun run = RunCli(save);
        EXPECT_EQ(run.Status, 1) << name;
        if (name == "out.txt")
            EXPECT_EQ(run.Err, CannotCreate(dir / "locked/out.txt",
                                            "Permission denied: the file may be written, but its folder may not, and "
                                            "rewriting the file in place could destroy it; save it in another folder"));
        else
            EXPECT_EQ(run.Err, CannotCreate(dir / "locked/new.txt", "Permission denied"));
    }
    EXPECT_EQ(ReadBytes(dir / "locked/out.txt"), "old\r\n");
    EXPECT_THAT(EntriesOf(dir / "locked"), ElementsAre("out.txt"));
}

TEST(SaveFaults, SavesGoOnlyWhereTheUserMeant)
{
    if (!IsRoot())
        GTEST_SKIP() << "links of two users and kept owners need root";
    constexpr uid_t kAnother = 4242;
    TTempDir dir;
    ::chmod((dir / ".").c_str(), 0755);
    // /tmp as it is: a sticky folder anyone may write, owned by root; files
    // elsewhere that root and nobody own.
    ::mkdir((dir / "tmp").c_str(), 01777);
    ::chmod((dir / "tmp").c_str(), 01777);
    ::mkdir((dir / "nobodys").c_str(), 0755);
    ::chown((dir / "nobodys").c_str(), kNobody, kNobody);
    WriteBytes(dir / "roots.txt", "root's\r\n");
    WriteBytes(dir / "nobodys/file.txt", "nobody's\r\n");
    ::chown((dir / "nobodys/file.txt").c_str(), kNobody, kNobody);
    const auto plant = [&](const std::string& link, const std::string& target, uid_t owner) {
        std::filesystem::remove(link);
        std::filesystem::create_symlink(target, link);
        ASSERT_EQ(::lchown(link.c_str(), owner, owner), 0);
    };
    const auto save = [&](const std::string& target, uid_t user) {
        TCliCall call;
        call.Args = {"-o", target, "--plate", "A"};
        if (user != 0)
            call.User = user;
        return RunCli(call);
    };
    const std::string link = dir / "tmp/out.txt";
    const std::string refused =
        CannotCreate(link, "Permission denied: a link another user made in a folder anyone may write is not followed");

    // Another user's link leads neither root nor nobody anywhere; the file behind
    // it and the link stay.
    plant(link, dir / "roots.txt", kNobody);
    EXPECT_EQ(save(link, 0).Err, refused);
    plant(link, dir / "nobodys/file.txt", kAnother);
    EXPECT_EQ(save(link, kNobody).Err, refused);
    EXPECT_EQ(ReadBytes(dir / "roots.txt"), "root's\r\n");
    EXPECT_EQ(ReadBytes(dir / "nobodys/file.txt"), "nobody's\r\n");
    EXPECT_TRUE(std::filesystem::is_symlink(link));

    // The user's own link, or the folder owner's, is followed.
    plant(link, dir / "nobodys/file.txt", kNobody);
    EXPECT_EQ(save(link, kNobody).Status, 0);
    plant(link, dir / "nobodys/file.txt", 0);
    EXPECT_EQ(save(link, kNobody).Status, 0);
    EXPECT_THAT(ReadBytes(dir / "nobodys/file.txt"), StartsWith("Number plate;"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));

    // Saved over by root, another user's file stays theirs, with its mode less
    // the setuid and setgid bits.
    ::chmod((dir / "nobodys/file.txt").c_str(), 06640);
    EXPECT_EQ(save(dir / "nobodys/file.txt", 0).Status, 0);
    struct stat info {};
    ASSERT_EQ(::stat((dir / "nobodys/file.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, kNobody);
    EXPECT_EQ(info.st_gid, kNobody);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}
