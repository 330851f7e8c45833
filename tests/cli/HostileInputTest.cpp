// corvana-cli on input that is endless, not text, or meant for another
// program, and in pipelines: it ends with a message, in bounded memory and
// time, and never takes such bytes for plates.
#include "CliProcess.h"
#include "TestFiles.h"
#include "TestWorkbooks.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>

using ::testing::HasSubstr;

namespace {

constexpr rlim_t kMemoryLimit = rlim_t(256) << 20;

// Standard input that never ends: `piece` again and again.
TInputSource Endless(std::string piece)
{
    return [piece](std::string& next) {
        next = piece;
        return true;
    };
}

// Standard input of `bytes` bytes of `c`, without a line break.
TInputSource OneLine(std::size_t bytes, char c)
{
    auto sent = std::make_shared<std::size_t>(0);
    return [=](std::string& next) {
        if (*sent >= bytes)
            return false;
        next.assign(std::size_t(1) << 20, c);
        *sent += next.size();
        return true;
    };
}

// The exit statuses of a pipeline run by bash.
std::string PipelineStatuses(const std::string& pipeline)
{
    TTempDir dir;
    WriteBytes(dir / "run.sh", "set -o pipefail\n" + pipeline + "\necho \"${PIPESTATUS[*]}\"\n");
    // The pipeline gets SIGPIPE as the system sets it, whatever this process was
    // given (a signal ignored here would be ignored by every tool of it).
    const auto inherited = std::signal(SIGPIPE, SIG_DFL);
    std::FILE* shell = ::popen(("bash " + dir / "run.sh").c_str(), "r");
    std::signal(SIGPIPE, inherited);
    std::string out;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, shell))
        out += buffer;
    ::pclose(shell);
    return out;
}

} // namespace

TEST(CorvanaCliInput, EndlessInputsEndWithAMessageInBoundedMemoryAndTime)
{
    // NUL bytes without end, on every input path, as a device and through a
    // pipe: no text, refused at once.
    const std::string binary = "binary data (it holds NUL bytes), not ";
    const std::pair<std::vector<std::string>, std::string> zeros[] = {
        {{"/dev/zero"}, "/dev/zero: " + binary + "a plate list"},
        {{"--input", "csv", "/dev/zero"}, "/dev/zero: " + binary + "a delimited list"},
        {{"--decode-file", "/dev/zero", "--plate", "A"}, "/dev/zero: " + binary + "a list of codes"},
        {{}, "standard input: " + binary + "a plate list"},
        {{"--collisions", "--input", "csv"}, "standard input: " + binary + "a delimited list"},
    };
    for (const auto& [args, message] : zeros) {
        TCliCall call;
        call.Args = args;
        call.Source = Endless(std::string(1 << 16, '\0'));
        call.MemoryLimit = kMemoryLimit;
        const TCliRun run = RunCli(call);
        EXPECT_EQ(run.Status, 1) << message;
        EXPECT_EQ(run.Err, "corvana-cli: " + message + "\n");
        EXPECT_EQ(run.Out, "");
        EXPECT_LT(run.Seconds, 30);
    }

    // A line (or record, or code) of 300 MB: rejected with its number once it
    // passes 64 KiB, told at once, and passed over in bounded memory.
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{}, {"--input", "csv"}, {"--decode-file", "-", "--plate", "A"}}) {
        TCliCall call;
        call.Args = args;
        call.Source = OneLine(std::size_t(300) << 20, 'a');
        call.MemoryLimit = kMemoryLimit;
        const TCliRun run = RunCli(call);
        EXPECT_EQ(run.Status, 0) << run.Err;
        EXPECT_EQ(run.Err, "corvana-cli: standard input: line 1: longer than 64 KiB; passed over up to its end\n");
        EXPECT_LT(run.PeakRssKb, 64 * 1024);
        EXPECT_LT(run.Seconds, 30);
    }

    // Codes without end: the run stops at a million of them.
    TCliCall codes;
    codes.Args = {"--decode-file", "-"};
    codes.Source = Endless("0x3019E2A\n");
    codes.MemoryLimit = kMemoryLimit;
    const TCliRun run = RunCli(codes);
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, "corvana-cli: standard input: more than 1000000 codes; decode them in parts\n");
    EXPECT_LT(run.Seconds, 30);
}

TEST(CorvanaCliInput, InAPipelineItEndsAsGnuToolsDo)
{
    // A reader that has read enough ends the converter by SIGPIPE, quietly, as
    // it ends cat in its place: the same statuses under pipefail, nothing said.
    TTempDir dir;
    const std::string cli = CORVANA_CLI_PATH;
    const std::string cat = PipelineStatuses("yes | cat | head -n 3 >/dev/null");
    EXPECT_EQ(cat, "141 141 0\n");
#if defined(__SANITIZE_ADDRESS__) // whose shadow memory takes terabytes of address space
    const std::string limit;
#else
    const std::string limit = "ulimit -v 262144; ";
#endif
    EXPECT_EQ(PipelineStatuses(limit + "yes | '" + cli + "' 2>'" + dir / "err" + "' | head -n 3 >/dev/null"), cat);
    EXPECT_EQ(ReadBytes(dir / "err"), "");
}

TEST(CorvanaCliInput, BytesThatAreNotTextAreNoPlates)
{
    TTempDir dir;
    // UTF-16 with a high surrogate alone (line 2), a low one alone (line 4) and
    // an odd last byte (line 5): those lines are rejected with their reasons.
    static constexpr char kUtf16[] = "\xFF\xFE" "A\0B\0 \0" "1\0\n\0" "\x3D\xD8" "C\0\n\0" "E\0F\0" "3\0\n\0"
                                      "\x97\xDE\n\0" "G\0" "x";
    WriteBytes(dir / "list.txt", std::string(kUtf16, sizeof kUtf16 - 1));
    const TCliRun plain = RunCli({"--table", "64", "--verbose", dir / "list.txt"});
    EXPECT_EQ(plain.Status, 0);
    EXPECT_EQ(plain.Out, "Number plate;Wiegand 64-bit (raw)\r\nAB1;0x600000000001A6D1\r\nEF3;0x600000000001E7D3\r\n");
    const std::string name = "corvana-cli: " + dir / "list.txt" + ": ";
    EXPECT_EQ(plain.Err, name + "line 2: it holds half of a UTF-16 surrogate pair, which is no character\n" + name +
                             "line 4: it holds half of a UTF-16 surrogate pair, which is no character\n" + name +
                             "line 5: the list ends here in the middle of a UTF-16 character (an odd number of "
                             "bytes)\ncorvana-cli: 2 accepted, 3 rejected\n");

    // The same as a delimited list: the records are rejected alike, and count
    // under --strict.
    static constexpr char kCsv[] = "\xFF\xFE" "P\0l\0a\0t\0e\0,\0O\0\n\0" "A\0B\0 \0" "1\0,\0x\0\n\0" "\x3D\xD8,\0y\0\n\0";
    WriteBytes(dir / "list.csv", std::string(kCsv, sizeof kCsv - 1));
    const TCliRun csv = RunCli({"--table", "64", "--input", "csv", "--header", "--strict", dir / "list.csv"});
    EXPECT_EQ(csv.Status, 1);
    EXPECT_EQ(csv.Out, "Number plate;Wiegand 64-bit (raw);O\r\nAB1;0x600000000001A6D1;x\r\n");
    EXPECT_EQ(csv.Err, "corvana-cli: " + dir / "list.csv" +
                           ": line 3: it holds half of a UTF-16 surrogate pair, which is no character\n"
                           "corvana-cli: 1 record skipped: 1 with half of a UTF-16 surrogate pair\n");

    // UTF-8 is decided from the first megabyte after the first byte above
    // 0x7F; a Windows-1252 byte later on rejects its line, and the list stays UTF-8.
    std::string utf8 = "K\xC3\x9CN 1\n";
    std::size_t lines = 1;
    for (; utf8.size() < (std::size_t(1) << 20) + 100; ++lines)
        utf8 += "\xC3\x84" "B 2\n";
    utf8 += "\xC4" "B 3\nZZ 9\n";
    WriteBytes(dir / "late.txt", utf8);
    const TCliRun late = RunCli({"--table", "64", dir / "late.txt"});
    EXPECT_EQ(late.Status, 0);
    EXPECT_THAT(late.Out, HasSubstr("\r\nK\xC3\x9CN" "1;"));
    EXPECT_THAT(late.Out, ::testing::EndsWith("\r\n\xC3\x84" "B2;0x6000000000FFF6D2\r\nZZ9;0x6000000000033CD9\r\n"));
    EXPECT_EQ(late.Err, "corvana-cli: " + dir / "late.txt" + ": line " + std::to_string(lines + 1) +
                            ": it holds bytes that are not UTF-8, the encoding of the list\n");
}

TEST(CorvanaCliInput, WorkbooksAndOtherFilesThatAreNoListsAreRefusedByWhatTheyAre)
{
    TTempDir dir;
    struct TCase {
        std::string file, bytes, what;
    };
    const TCase cases[] = {
        {"book.xlsx", ZipBytes(XlsxParts({{"Sheet1", ""}})), "an Excel workbook (.xlsx), not a plate list; read it with --input xlsx"},
        {"renamed.csv", ZipBytes(OdsParts("")), "an OpenDocument spreadsheet (.ods), not a plate list; read it "
                                                      "with --input ods"},
        {"plates.zip", ZipBytes({{"plates.txt", "AB 1\n"}}), "a ZIP archive, not a plate list"},
        {"scan.pdf", "%PDF-1.7\n%\xE2\xE3\xCF\xD3\n1 0 obj\n", "a PDF document, not a plate list"},
        {"data.bin", std::string("AB 1\nCD\0\x01\x02", 10), "binary data (it holds NUL bytes), not a plate list"},
        // A name with a line break and a terminal's colour code is shown escaped.
        {"x\n\x1B[31m.png", "\x89PNG\r\n\x1A\n", "a PNG image, not a plate list"},
    };
    for (const TCase& c : cases) {
        WriteBytes(dir / c.file, c.bytes);
        const std::string shown = c.file[0] == 'x' ? dir / "x\\n\\x1B[31m.png" : dir / c.file;
        const TCliRun run = RunCli({"--plate", "A", dir / c.file});
        EXPECT_EQ(run.Status, 1) << c.file;
        EXPECT_EQ(run.Err, "corvana-cli: " + shown + ": " + c.what + "\n");
        EXPECT_EQ(run.Out, "") << "no code is computed, the plates before it included";
    }
    // As a delimited list too; an output file is not made.
    const TCliRun csv = RunCli({"--input", "csv", "-o", dir / "out.csv", dir / "book.xlsx"});
    EXPECT_EQ(csv.Status, 1);
    EXPECT_EQ(csv.Err, "corvana-cli: " + dir / "book.xlsx" +
                           ": an Excel workbook (.xlsx), not a delimited list; read it with --input xlsx\n");
    EXPECT_EQ(::access((dir / "out.csv").c_str(), F_OK), -1);
}
