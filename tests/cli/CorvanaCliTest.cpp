// corvana-cli end to end: the real binary, its arguments, files, standard
// streams and exit status.
#include "CliProcess.h"
#include "TestFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;
using ::testing::EndsWith;

namespace {

const std::string kHeader26 = "Number plate;Wiegand 26-bit (hex);Facility code;ID number\r\n";
const std::string kHeader26All =
    "Number plate;Wiegand 26-bit (hex);Digest (full hex);Digest (truncated hex);Digest (truncated dec);"
    "Facility code;ID number\r\n";
const std::string kHeader64 = "Number plate;Wiegand 64-bit (raw)\r\n";
const std::string kHeader64All = "Number plate;Wiegand 64-bit (raw);Wiegand 64-bit (dec)\r\n";

// Column 0 of every line after the header; each line must end with CR LF.
std::vector<std::string> Plates(const std::string& out)
{
    std::vector<std::string> plates;
    std::size_t start = out.find("\r\n");
    if (start == std::string::npos)
        return plates;
    start += 2;
    while (start < out.size()) {
        const std::size_t end = out.find("\r\n", start);
        if (end == std::string::npos) {
            plates.push_back("<no CR LF>");
            break;
        }
        const std::string line = out.substr(start, end - start);
        plates.push_back(line.substr(0, line.find(';')));
        start = end + 2;
    }
    return plates;
}

// The plates a plate list file yields, read through the 64-bit table.
std::vector<std::string> PlatesOfFile(const TTempDir& dir, const std::string& bytes)
{
    const std::string path = dir / "list.txt";
    WriteBytes(path, bytes);
    const TCliRun run = RunCli({"--table", "64", path});
    EXPECT_EQ(run.Status, 0) << run.Err;
    return Plates(run.Out);
}

std::string Utf16(const std::u16string& text, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

std::string Usage() { return "Usage: corvana-cli"; }
std::string TryHelp() { return "\nTry 'corvana-cli --help' for more information.\n"; }

} // namespace

TEST(CorvanaCli, WritesHeaderAndChosenColumnsOfEveryAcceptedPlate)
{
    const std::vector<std::string> plates = {"--plate", "hk 55 evb", "--plate", "   \t", "--plate", "ab-12 ; parked"};
    auto run = [&](std::vector<std::string> options) {
        options.insert(options.end(), plates.begin(), plates.end());
        const TCliRun result = RunCli(options);
        EXPECT_EQ(result.Status, 0);
        EXPECT_EQ(result.Err, "");
        return result.Out;
    };

    // Defaults: 26-bit table, columns 0, 1, 5, 6; UTF-8 without BOM; CR LF after every line.
    EXPECT_EQ(run({}), kHeader26 + "HK55EVB;0x3019E2A;128;53013\r\n"
                                   "AB12;0x2DE4806;111;9219\r\n");
    EXPECT_EQ(run({"--table", "26"}), run({}));
    EXPECT_EQ(run({"--table", "64"}), kHeader64 + "HK55EVB;0x600002191555EBDB\r\n"
                                                  "AB12;0x600000000069B452\r\n");
    EXPECT_EQ(run({"--all-columns"}),
              kHeader26All +
                  "HK55EVB;0x3019E2A;0xA44F633C 8A6D1581 50CCEB3E F83D9DE0 BA80CF15;0x80CF15;8441621;128;53013\r\n"
                  "AB12;0x2DE4806;0xB452B6F0 C08CCF2D BA4CB200 25677774 7D6F2403;0x6F2403;7283715;111;9219\r\n");
    EXPECT_EQ(run({"--table", "64", "--all-columns"}),
              kHeader64All + "HK55EVB;0x600002191555EBDB;6917531334396472283\r\n"
                             "AB12;0x600000000069B452;6917529027648009298\r\n");

    // A column list adds the listed columns to column 0, always in column order.
    const std::string digestColumns = "Number plate;Digest (full hex);Digest (truncated hex)\r\n"
                                      "HK55EVB;0xA44F633C 8A6D1581 50CCEB3E F83D9DE0 BA80CF15;0x80CF15\r\n"
                                      "AB12;0xB452B6F0 C08CCF2D BA4CB200 25677774 7D6F2403;0x6F2403\r\n";
    EXPECT_EQ(run({"--columns", "2,3"}), digestColumns);
    EXPECT_EQ(run({"--columns", "3,2"}), digestColumns);
    EXPECT_EQ(run({"--table", "64", "--columns", "2"}), "Number plate;Wiegand 64-bit (dec)\r\n"
                                                        "HK55EVB;6917531334396472283\r\n"
                                                        "AB12;6917529027648009298\r\n");

    // Plates at the edges of acceptance; rejected lines write nothing.
    const TCliRun edges = RunCli({"--table", "64", "--all-columns",  //
                                  "--plate", "ABCDEFGHIJKLMNOP", "--plate", "ABCDEFGHIJKLMNOPQ", "--plate", "X[Y]_Z",
                                  "--plate", "\xC3\xA9t\xC3\xA9" "1", "--plate", "0", "--plate", "", "--plate", ";A",
                                  "--plate", "!-./:@", "--plate", "Number plate;Wiegand 64-bit (raw)",
                                  "--plate", "number-plate", "--plate", "NUMBER PLATE ;x", "--plate", "NUMBERPLATES",
                                  "--plate", "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9",
                                  "--plate", "zzzzzzzzzz", "--plate", "\t a \x01"});
    EXPECT_EQ(edges.Status, 0);
    EXPECT_EQ(edges.Out, kHeader64All + "ABCDEFGHIJKLMNOP;0x669B71D79F8218A3;7393628384166811811\r\n"
                                        "X[Y]_Z;0x6000000C7FCBFFF3;6917529081324765171\r\n"
                                        "\xC3\x89T\xC3\x89" "1;0x6000000FFFB7FFD1;6917529096355839953\r\n"
                                        "0;0x6000000000000010;6917529027641081872\r\n"
                                        "NUMBERPLATES;0x69EE99B7ABA656AD;7633207432577439405\r\n"
                                        "ZZZZZZZZZZ;0x6CF3CF3CF3CF3CF3;7850846436132338931\r\n"
                                        "A;0x600000000000001A;6917529027641081882\r\n");
    const TCliRun edges26 = RunCli({"--plate", "ABCDEFGHIJKLMNOP", "--plate", "\xC3\xA9t\xC3\xA9" "1"});
    EXPECT_EQ(edges26.Out, kHeader26 + "ABCDEFGHIJKLMNOP;0x0704FF8;56;10236\r\n"
                                       "\xC3\x89T\xC3\x89" "1;0x03143E6;24;41459\r\n");

    // A plate argument that is not UTF-8 is read as Windows-1252.
    EXPECT_THAT(Plates(RunCli({"--plate", "\xE9t\xE9" "1 \x9A"}).Out), ElementsAre("\xC3\x89T\xC3\x89" "1\xC5\xA0"));
}

TEST(CorvanaCli, ReadsPlatesThenFilesInOrderAndStandardInput)
{
    TTempDir dir;
    WriteBytes(dir / "a.txt", "A1\nA2");
    WriteBytes(dir / "b.txt", "B1\r\n");

    // --plate lines first, in the order given, then the files in order, "-" being standard input.
    const TCliRun mixed = RunCli({dir / "a.txt", "--plate", "P1", "-", "--plate", "P2", dir / "b.txt"}, "S1\rS2");
    EXPECT_EQ(mixed.Status, 0) << mixed.Err;
    EXPECT_THAT(Plates(mixed.Out), ElementsAre("P1", "P2", "A1", "A2", "S1", "S2", "B1"));

    // Standard input alone: without inputs, and when "-" is the only one.
    EXPECT_EQ(RunCli({}, "s1\ns2\n").Out, kHeader26 + "S1;0x30BE520;133;62096\r\nS2;0x032E70C;25;29574\r\n");
    EXPECT_EQ(RunCli({"-"}, "s1\ns2\n").Out, RunCli({}, "s1\ns2\n").Out);
    // An empty input gives the header alone.
    EXPECT_EQ(RunCli({}, "").Out, kHeader26);

    // With --plate alone, standard input is not read.
    EXPECT_THAT(Plates(RunCli({"--plate", "P1"}, "S1\n").Out), ElementsAre("P1"));

    // A result file is a plate list: its header adds nothing and every row gives its plate again.
    for (const char* table : {"26", "64"}) {
        const TCliRun first = RunCli({"--table", table, "--all-columns", dir / "a.txt", dir / "b.txt"});
        WriteBytes(dir / "result.txt", first.Out);
        const TCliRun again = RunCli({"--table", table, "--all-columns", dir / "result.txt"});
        EXPECT_EQ(again.Out, first.Out) << "table " << table;
    }
}

TEST(CorvanaCli, DecodesPlateListsInEveryEncodingAndLineEnd)
{
    TTempDir dir;

    // UTF-8 with and without a byte order mark; ß has no one-letter upper case and stays.
    EXPECT_THAT(PlatesOfFile(dir, "\xEF\xBB\xBF\xC3\xA9t\xC3\xA9" "1\nstra\xC3\x9F" "e\n"),
                ElementsAre("\xC3\x89T\xC3\x89" "1", "STRA\xC3\x9F" "E"));
    // A first character that shares leading bytes with the byte order mark is kept whole
    // (U+FEC0; a full-width a, upper-cased to a full-width A).
    EXPECT_THAT(PlatesOfFile(dir, "\xEF\xBB\x80X\n"), ElementsAre("\xEF\xBB\x80X"));
    EXPECT_THAT(PlatesOfFile(dir, "\xEF\xBD\x81"), ElementsAre("\xEF\xBC\xA1"));

    // UTF-16 of both byte orders, with a surrogate pair (a car emoji) and CR LF, LF and CR.
    const std::u16string text = u"\u00e9t\u00e91\r\n\u03c0\u0436 1\n\U0001F697 9\r\u4e2d";
    const auto decoded = ElementsAre("\xC3\x89T\xC3\x89" "1", "\xCE\xA0\xD0\x96" "1", "\xF0\x9F\x9A\x97" "9",
                                     "\xE4\xB8\xAD");
    EXPECT_THAT(PlatesOfFile(dir, Utf16(text, false)), decoded);
    EXPECT_THAT(PlatesOfFile(dir, Utf16(text, true)), decoded);

    // Windows-1252, the five bytes without a character standing for the code points of the same value.
    EXPECT_THAT(PlatesOfFile(dir, "\xE9t\xE9" "1\r\n\x80\x81\x8D\x8F\x90\x9D\r\n\x9A" "a\xFF"),
                ElementsAre("\xC3\x89T\xC3\x89" "1", "\xE2\x82\xAC\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D",
                            "\xC5\xA0" "A\xC5\xB8"));
    // One invalid sequence anywhere makes the whole file Windows-1252, valid lines included.
    EXPECT_THAT(PlatesOfFile(dir, "\xC3\xA9t\xC3\xA9\n\xFF" "1\n"),
                ElementsAre("\xC3\x83\xC2\xA9T\xC3\x83\xC2\xA9", "\xC5\xB8" "1"));

    // Line ends: CR LF, LF and CR in any mix; blank lines add nothing; the last line needs no break.
    EXPECT_THAT(PlatesOfFile(dir, "A\r\nB\nC\rD\r\r\n\n\r\nE\n\rF"), ElementsAre("A", "B", "C", "D", "E", "F"));
    EXPECT_THAT(PlatesOfFile(dir, "\r\n\r\n"), ElementsAre());
    // Other breaks of Unicode are plate characters; a form feed is removed like any control.
    EXPECT_THAT(PlatesOfFile(dir, "A\xE2\x80\xA8" "B\nC\xC2\x85" "D\nE\x0C" "F\x0B" "G\n"),
                ElementsAre("A\xE2\x80\xA8" "B", "C\xC2\x85" "D", "EFG"));
}

TEST(CorvanaCli, ReportsUsageErrorsHelpVersionAndCounts)
{
    TTempDir dir;
    const std::string out = dir / "out.txt";
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--table", "32"},
             {"--table", "0x1A"},
             {"--table"},
             {"--columns", "7"},
             {"--table", "64", "--columns", "3"},
             {"--columns", "-1"},
             {"--columns", "2,x"},
             {"--columns", ""},
             {"--columns"},
             {"--all-columns", "--columns", "2"},
             {"--bogus"},
             {"-o"},
         }) {
        std::vector<std::string> withOutput = {"-o", out, "--plate", "A"};
        withOutput.insert(withOutput.end(), args.begin(), args.end());
        const TCliRun run = RunCli(withOutput);
        EXPECT_EQ(run.Status, 2) << ::testing::PrintToString(args);
        EXPECT_THAT(run.Err, EndsWith(TryHelp())) << ::testing::PrintToString(args);
        EXPECT_EQ(run.Out, "");
        EXPECT_THAT(dir.Entries(), ElementsAre()) << ::testing::PrintToString(args);
    }

    const TCliRun help = RunCli({"--help"});
    EXPECT_EQ(help.Status, 0);
    EXPECT_THAT(help.Out, StartsWith(Usage()));
    EXPECT_EQ(help.Err, "");

    const TCliRun version = RunCli({"--version"});
    EXPECT_EQ(version.Status, 0);
    EXPECT_THAT(version.Out, StartsWith("corvana-cli "));
    EXPECT_THAT(version.Out, EndsWith("\n"));
    EXPECT_EQ(version.Err, "");

    // --verbose counts on standard error and leaves the result as it is.
    const std::string lines = "a\n\n;x\nNumber plate\nb\n";
    const TCliRun verbose = RunCli({"--verbose"}, lines);
    EXPECT_EQ(verbose.Status, 0);
    EXPECT_EQ(verbose.Out, RunCli({}, lines).Out);
    EXPECT_THAT(verbose.Err, HasSubstr("2 accepted"));
    EXPECT_THAT(verbose.Err, HasSubstr("3 rejected"));
    EXPECT_EQ(RunCli({}, lines).Err, "");
}

TEST(CorvanaCli, UnreadableInputFailsWithoutOutput)
{
    TTempDir dir;
    std::string many;
    for (int i = 0; i < 20000; ++i)
        many += "P" + std::to_string(i) + "\n";
    WriteBytes(dir / "many.txt", many);
    ::mkdir((dir / "folder").c_str(), 0755);
    WriteBytes(dir / "kept.txt", "old");

    struct TCase {
        std::string input, reason;
    };
    for (const TCase& c : {TCase{dir / "missing.txt", "No such file or directory"},
                           TCase{dir / "folder", "Is a directory"}}) {
        const std::string message = "corvana-cli: cannot open file \"" + c.input + "\": " + c.reason + "\n";
        const TCliRun toStdout = RunCli({"--plate", "A", c.input});
        EXPECT_EQ(toStdout.Status, 1);
        EXPECT_EQ(toStdout.Err, message);
        EXPECT_EQ(toStdout.Out, "");

            // A new output file is not made; an existing one is untouched, even when the
        // failing input comes after thousands of rows; no temporary file remains.
        for (const char* target : {"new.txt", "kept.txt"}) {
            const TCliRun toFile = RunCli({"--all-columns", "-o", dir / target, dir / "many.txt", c.input});
            EXPECT_EQ(toFile.Status, 1);
            EXPECT_EQ(toFile.Err, message);
            EXPECT_EQ(toFile.Out, "");
            EXPECT_THAT(dir.Entries(), ElementsAre("folder", "kept.txt", "many.txt")) << c.input;
            EXPECT_EQ(ReadBytes(dir / "kept.txt"), "old");
        }
    }
}

TEST(CorvanaCli, WritesOutputFileWholeOrNotAtAll)
{
    TTempDir dir;
    std::string many;
    for (int i = 0; i < 5000; ++i)
        many += "plate " + std::to_string(i) + "\n";
    WriteBytes(dir / "many.txt", many);
    const TCliRun expected = RunCli({"--all-columns", dir / "many.txt"});
    ASSERT_EQ(expected.Status, 0);

    // A new file, then a replaced one that keeps its permissions; nothing else is left behind.
    const TCliRun created = RunCli({"--all-columns", "-o", dir / "out.txt", dir / "many.txt"});
    EXPECT_EQ(created.Status, 0);
    EXPECT_EQ(created.Out, "");
    EXPECT_EQ(created.Err, "");
    EXPECT_EQ(ReadBytes(dir / "out.txt"), expected.Out);
    ::chmod((dir / "out.txt").c_str(), 0640);
    const TCliRun replaced = RunCli({"--table", "64", "-o", dir / "out.txt", "--plate", "A"});
    EXPECT_EQ(replaced.Status, 0);
    EXPECT_EQ(ReadBytes(dir / "out.txt"), kHeader64 + "A;0x600000000000001A\r\n");
    struct stat st{};
    ::stat((dir / "out.txt").c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_THAT(dir.Entries(), ElementsAre("many.txt", "out.txt"));

    // The disk fills up in the middle of writing (a file size limit): the old file stays.
    WriteBytes(dir / "out.txt", "old");
    TCliCall limited;
    limited.Args = {"--all-columns", "-o", dir / "out.txt", dir / "many.txt"};
    limited.FileSizeLimit = 4096;
    const TCliRun tooLarge = RunCli(limited);
    EXPECT_EQ(tooLarge.Status, 1);
    EXPECT_EQ(tooLarge.Err, "corvana-cli: cannot create file \"" + dir / "out.txt" + "\": File too large\n");
    EXPECT_EQ(ReadBytes(dir / "out.txt"), "old");
    EXPECT_THAT(dir.Entries(), ElementsAre("many.txt", "out.txt"));
}

TEST(CorvanaCli, UnwritableOutputIsReported)
{
    // These hold for root too, which file modes do not stop.
    TTempDir dir;
    ::mkdir((dir / "folder").c_str(), 0755);
    WriteBytes(dir / "folder/inside.txt", "inside");
    struct TCase {
        std::string target, reason;
    };
    for (const TCase& c : {TCase{dir / "no-folder/out.txt", "No such file or directory"},
                           TCase{dir / "folder", "Is a directory"}}) {
        const TCliRun run = RunCli({"-o", c.target, "--plate", "A"});
        EXPECT_EQ(run.Status, 1);
        EXPECT_EQ(run.Err, "corvana-cli: cannot create file \"" + c.target + "\": " + c.reason + "\n");
        EXPECT_EQ(run.Out, "");
        EXPECT_THAT(dir.Entries(), ElementsAre("folder"));
        EXPECT_EQ(ReadBytes(dir / "folder/inside.txt"), "inside");
    }
    const TCliRun proc = RunCli({"-o", "/proc/version", "--plate", "A"});
    EXPECT_EQ(proc.Status, 1);
    EXPECT_THAT(proc.Err, StartsWith("corvana-cli: cannot create file \"/proc/version\": "));

    // Standard output on a full disk is a write error, as GNU tools say it,
    // for the result and for --help and --version alike; standard output is
    // no file being created.
    const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(full, 0);
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--plate", "A"}, {"--help"}, {"--version"}}) {
        TCliCall toFull;
        toFull.Args = args;
        toFull.StdoutFd = full;
        const TCliRun fullRun = RunCli(toFull);
        EXPECT_EQ(fullRun.Status, 1) << args[0];
        EXPECT_EQ(fullRun.Err, "corvana-cli: write error: No space left on device\n") << args[0];
    }
    ::close(full);

    // A pipe nobody reads ends it quietly by SIGPIPE, as it ends the other tools
    // of a pipeline, even when its parent ignored the signal (as this test does).
    int pipeFds[2];
    ASSERT_EQ(::pipe2(pipeFds, O_CLOEXEC), 0);
    ::close(pipeFds[0]);
    TCliCall toClosedPipe;
    toClosedPipe.Args = {"--plate", "A"};
    toClosedPipe.StdoutFd = pipeFds[1];
    const TCliRun pipeRun = RunCli(toClosedPipe);
    ::close(pipeFds[1]);
    EXPECT_EQ(pipeRun.Status, 128 + SIGPIPE);
    EXPECT_EQ(pipeRun.Err, "");
}

TEST(CorvanaCli, WritesThroughToADeviceOutput)
{
    // A private copy of /dev/full: a device named with -o must be written to, never
    // replaced by a regular file.
    TTempDir dir;
    const std::string device = dir / "full";
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0)
        GTEST_SKIP() << "cannot make a device node here";
    const TCliRun run = RunCli({"-o", device, "--plate", "A"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, "corvana-cli: cannot create file \"" + device + "\": No space left on device\n");
    struct stat st{};
    ::lstat(device.c_str(), &st);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
    EXPECT_THAT(dir.Entries(), ElementsAre("full"));
    // /dev/stdout leads through /proc to the pipe the output goes into.
    EXPECT_EQ(RunCli({"-o", "/dev/stdout", "--plate", "A"}).Out, RunCli({"--plate", "A"}).Out);
}

TEST(CorvanaCli, RejectsHugeLinesInBoundedMemoryAndReadsOn)
{
    // 200 MB of spaces before a plate, then 10 MB of letters, then a plate, all
    // through a pipe: the two lines longer than 64 KiB are rejected with their
    // numbers as soon as they pass the limit, and reading goes on.
    constexpr std::size_t kPiece = 1 << 20;
    int pieces = 0;
    TCliCall call;
    call.Args = {"--table", "64", "--verbose"};
    call.Source = [&](std::string& piece) {
        ++pieces;
        if (pieces <= 200)
            piece.assign(kPiece, ' ');
        else if (pieces == 201)
            piece = "hk 55 evb\n";
        else if (pieces <= 211)
            piece.assign(kPiece, 'a');
        else if (pieces == 212)
            piece = "\nab-12\n";
        else
            return false;
        return true;
    };
    const TCliRun run = RunCli(call);
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, kHeader64 + "AB12;0x600000000069B452\r\n");
    EXPECT_EQ(run.Err, "corvana-cli: standard input: line 1: longer than 64 KiB; passed over up to its end\n"
                       "corvana-cli: standard input: line 2: longer than 64 KiB; passed over up to its end\n"
                       "corvana-cli: 1 accepted, 2 rejected\n");
    EXPECT_LT(run.PeakRssKb, 64 * 1024);
}

TEST(CorvanaCli, ABadOptionValueSaysWhichInOneLineAndPointsToHelp)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--table", "32"}, "invalid value \"32\" for --table: 26 or 64"},
        {{"--format", "xml"}, "invalid value \"xml\" for --format: semicolon, csv or xlsx"},
        {{"--format", "x\n\x1B[2J"}, "invalid value \"x\\n\\x1B[2J\" for --format: semicolon, csv or xlsx"},
        {{"--columns", "2,x"}, "invalid value \"2,x\" for --columns: column numbers separated by commas, such as 2,3"},
        {{"--columns", "1,,2"}, "invalid value \"1,,2\" for --columns: column numbers separated by commas, such as 2,3"},
        {{"--columns", "7"}, "invalid value \"7\" for --columns: column 7 is outside the 26-bit table (0 to 6)"},
        {{"-o", ""}, "invalid value \"\" for -o: a file name"},
        {{"--decode-file", ""}, "invalid value \"\" for --decode-file: a file name, or - for standard input"},
        {{"--table"}, "option --table needs a value"},
        {{"--bogus"}, "unknown option \"--bogus\""},
    };
    for (const auto& [args, message] : cases) {
        const TCliRun run = RunCli(args, "A\n");
        EXPECT_EQ(run.Status, 2) << message;
        EXPECT_EQ(run.Err, "corvana-cli: " + message + TryHelp());
        EXPECT_EQ(run.Out, "");
    }
}

TEST(CorvanaCli, ColumnListsTakeBlanksAroundTheirNumbers)
{
    const std::string expected = RunCli({"--columns", "5,6", "--plate", "hk 55 evb"}).Out;
    EXPECT_EQ(expected, "Number plate;Facility code;ID number\r\nHK55EVB;128;53013\r\n");
    for (const char* list : {"5, 6", " 5 ,6 ", "5,\t6"}) {
        const TCliRun run = RunCli({"--columns", list, "--plate", "hk 55 evb"});
        EXPECT_EQ(run.Status, 0) << list << run.Err;
        EXPECT_EQ(run.Out, expected) << list;
    }
}
