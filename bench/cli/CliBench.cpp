// Times corvana-cli on a 1,000,000-line plate list: the 26-bit result file
// (budget 0.5 s wall time), the collision report (budget 1.0 s, 200 MB
// resident), 100,000 26-bit codes decoded against the list (budget 2 s); the
// same plates as a spreadsheet export with three more columns through --input
// csv --header --format csv (at most 1.5 times the CPU time of the plain list
// to --format csv); then the list with every column against the plain Python
// script hashlib_convert.py (the two files must be equal): corvana-cli at least
// 50 times faster in CPU time, which a busy machine inflates far less than
// wall time. Each figure runs RUNS times (3 by default) and is printed as the
// minimum and the median of its runs; a budget is met by the median. The two
// lists to csv run in turns, and their ratio is the median of each pair's.
//   bench_cli [LINES] [RUNS] [CODES]
#include "CliRuns.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string WritePlateList(std::size_t lines)
{
    const std::string path = "/tmp/corvana-bench-plates.txt";
    std::ofstream out(path, std::ios::binary);
    std::mt19937 random(1);
    const std::string letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 -";
    std::string line;
    for (std::size_t i = 0; i < lines; ++i) {
        line.clear();
        for (int n = 5 + static_cast<int>(random() % 6); n > 0; --n)
            line.push_back(letters[random() % letters.size()]);
        line += "\r\n";
        out << line;
    }
    return path;
}

// The plates of a plate list as a spreadsheet exports them: a header, then each
// plate with an owner (every tenth one quoted, holding a comma), a department
// and a card note.
std::string WriteCsvList(const std::string& plateList)
{
    const std::string path = "/tmp/corvana-bench-plates.csv";
    std::ifstream in(plateList, std::ios::binary);
    std::ofstream out(path, std::ios::binary);
    out << "Plate,Owner,Department,Card\r\n";
    std::string plate;
    for (std::size_t i = 0; std::getline(in, plate); ++i) {
        plate.pop_back(); // the CR
        out << plate << (i % 10 == 0 ? ",\"Smith, John " : ",Owner ") << i << (i % 10 == 0 ? "\"" : "")
            << ",Department " << i % 17 << ",card " << i << "\r\n";
    }
    return path;
}

bool SameFile(const std::string& a, const std::string& b)
{
    std::ifstream fa(a, std::ios::binary), fb(b, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(fa), {}) == std::string(std::istreambuf_iterator<char>(fb), {});
}

// --decode arguments: every other one a frame of a list plate (taken from the
// result file), the rest random frames, a few of them with a wrong parity bit.
std::vector<std::string> DecodeArgs(const std::string& resultFile, std::size_t codes)
{
    std::vector<std::string> args;
    std::ifstream in(resultFile, std::ios::binary);
    std::string line;
    std::getline(in, line); // header
    std::mt19937 random(2);
    char frame[16];
    for (std::size_t i = 0; i < codes; ++i) {
        if (i % 2 == 0 && std::getline(in, line)) {
            const std::size_t start = line.find(';') + 1;
            args.push_back(line.substr(start, line.find(';', start) - start));
        } else {
            std::snprintf(frame, sizeof frame, "0x%07X", static_cast<unsigned>(random() & 0x3FFFFFF));
            args.emplace_back(frame);
        }
    }
    std::vector<std::string> withOptions;
    for (std::string& code : args) {
        withOptions.emplace_back("--decode");
        withOptions.push_back(std::move(code));
    }
    return withOptions;
}

// The Python interpreter itself, as "python3" names it. "python3" may be a
// launcher script (pyenv's shim costs 0.3 s of CPU a run), which the reference
// must not be charged with.
std::string PythonInterpreter()
{
    std::FILE* pipe = ::popen("python3 -c 'import sys; print(sys.executable, end=\"\")'", "r");
    char path[4096] = {};
    const std::size_t length = pipe ? std::fread(path, 1, sizeof path - 1, pipe) : 0;
    if (!pipe || ::pclose(pipe) != 0 || length == 0) {
        std::fprintf(stderr, "python3 is needed to time hashlib_convert.py\n");
        std::exit(1);
    }
    return std::string(path, length);
}

} // namespace

int main(int argc, char** argv)
{
    const std::size_t lines = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1000000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 3;
    const std::size_t codes = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 100000;
    const std::string input = WritePlateList(lines);
    const std::string output = "/tmp/corvana-bench-result.txt";
    std::printf("corvana-cli, %zu lines, %d runs a figure (minimum / median)\n", lines, runs);
    const TFigure convert = MeasureCli("26-bit result file", {"-o", output, input}, runs);
    const TFigure collisions =
        MeasureCli("collision report", {"--collisions", "-o", "/tmp/corvana-bench-collisions.txt", input}, runs);
    std::vector<std::string> decode = DecodeArgs(output, codes);
    decode.insert(decode.end(), {"-o", "/tmp/corvana-bench-decoded.txt", input});
    const TFigure decoded = MeasureCli("decode", decode, runs);
    const std::string csv = WriteCsvList(input);
    const double csvRatio = MeasureRatio(
        "plain list to csv", {"--format", "csv", "-o", "/tmp/corvana-bench-plain.csv", input}, "delimited list to csv",
        {"--input", "csv", "--header", "--format", "csv", "-o", "/tmp/corvana-bench-list.csv", csv}, runs);
    // Every column, against the plain Python script.
    const std::string allColumns = "/tmp/corvana-bench-all.txt";
    const std::string python = "/tmp/corvana-bench-python.txt";
    const TFigure cli = MeasureCli("every column", {"--all-columns", "-o", allColumns, input}, runs);
    const std::string interpreter = PythonInterpreter();
    std::printf("(Python: %s)\n", interpreter.c_str());
    const TFigure reference = Measure("python3 hashlib_convert.py", interpreter.c_str(), {HASHLIB_SCRIPT, input, python}, runs);
    const bool same = SameFile(allColumns, python);

    const double ratio = reference.cpu / cli.cpu;
    const bool convertOk = convert.wall <= 0.5;
    const bool collisionsOk = collisions.wall <= 1.0 && collisions.peakKiB <= 200 * 1024;
    const bool decodeOk = decoded.wall <= 2.0;
    const bool csvOk = csvRatio <= 1.5;
    const bool pythonOk = same && ratio >= 50;
    const auto verdict = [](bool ok) { return ok ? "ok" : "MISSED"; };
    std::printf("\nBudgets, by the median of the runs:\n");
    std::printf("26-bit result file: %.3f s wall (budget 0.5 s) %s\n", convert.wall, verdict(convertOk));
    std::printf("collision report: %.3f s wall (budget 1.0 s), peak RSS %ld KiB (budget 200 MB) %s\n", collisions.wall,
                collisions.peakKiB, verdict(collisionsOk));
    std::printf("%zu codes decoded: %.3f s wall (budget 2 s) %s\n", codes, decoded.wall, verdict(decodeOk));
    std::printf("delimited list with three more columns, --input csv --header --format csv: %.2f times the CPU time of "
                "the plain list to --format csv, by the median of paired runs (budget 1.5) %s\n",
                csvRatio, verdict(csvOk));
    std::printf("every column: %.1f times faster than Python with hashlib in CPU time (%.1f in wall time; budget at "
                "least 50), files %s %s\n",
                ratio, reference.wall / cli.wall, same ? "equal" : "DIFFERENT", verdict(pythonOk));
    for (const std::string& file : {allColumns, python, std::string("/tmp/corvana-bench-decoded.txt"),
                                    std::string("/tmp/corvana-bench-collisions.txt"),
                                    std::string("/tmp/corvana-bench-plain.csv"), std::string("/tmp/corvana-bench-list.csv"),
                                    input, output, csv})
        ::unlink(file.c_str());
    return convertOk && collisionsOk && decodeOk && csvOk && pythonOk ? 0 : 1;
}
