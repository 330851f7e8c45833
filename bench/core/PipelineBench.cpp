// Timing driver for the core pipeline: normalise a line, compute both codes,
// write the cell texts of both rows.
//   bench_core [PLATES] [RUNS]
// Each figure runs RUNS times (3 by default) over PLATES lines (4,000,000) and is
// printed as the minimum and the median of the runs' CPU time per million
// plates, with the plates per second of one core they make; wall time beside
// it. Budgets (met when the median CPU time holds them, which a busy machine
// inflates far less than wall time): 10 million plates/s with the SHA
// instructions for plates in bulk, as lists take them, and 2 million with the
// portable SHA-1. The figures without a budget show where the time goes.
#include "BenchMeasure.h"
#include "PlateCodes.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

std::vector<std::string> SampleLines()
{
    std::mt19937 random(2026);
    const std::string letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 -";
    std::vector<std::string> lines(4096);
    for (std::string& line : lines) {
        const int length = 5 + static_cast<int>(random() % 6);
        for (int i = 0; i < length; ++i)
            line.push_back(letters[random() % letters.size()]);
    }
    return lines;
}

// Keeps the compiler from dropping work whose result is not used.
template <class T>
void Use(const T& value)
{
    asm volatile("" : : "r"(&value) : "memory");
}

// The whole pipeline as lists take it: 64 lines normalised in place, their
// codes in bulk, then the rows.
void PipelineInBulk(const std::vector<std::string>& lines, std::size_t count)
{
    constexpr std::size_t kBatch = 64;
    TPlateBytes plates[kBatch];
    TPlateCodes codes[kBatch];
    for (std::size_t done = 0; done < count; done += kBatch) {
        std::size_t n = 0;
        for (std::size_t k = 0; k < kBatch; ++k)
            n += NormalizePlateTo(lines[(done + k) & 4095], plates[n]);
        ComputePlateCodesInBulk(std::span(plates, n), codes);
        for (std::size_t k = 0; k < n; ++k) {
            Use(Wiegand26RowCells(codes[k]));
            Use(Wiegand64RowCells(codes[k]));
        }
    }
}

// The pipeline one plate at a time, as a single Calc takes it.
void PipelineOneByOne(const std::vector<std::string>& lines, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        const auto plate = NormalizePlate(lines[i & 4095]);
        if (!plate)
            continue;
        const TPlateCodes codes = ComputePlateCodes(*plate);
        Use(Wiegand26RowCells(codes));
        Use(Wiegand64RowCells(codes));
    }
}

void Sha1OneByOne(const std::vector<std::string>& lines, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        Use(Sha1SingleBlock(std::string_view(lines[i & 4095]).substr(0, 16)));
}

void Sha1InBulk(const std::vector<std::string>& lines, std::size_t count)
{
    constexpr std::size_t kBatch = 64;
    std::string_view messages[kBatch];
    TSha1Digest digests[kBatch];
    for (std::size_t done = 0; done < count; done += kBatch) {
        for (std::size_t k = 0; k < kBatch; ++k)
            messages[k] = std::string_view(lines[(done + k) & 4095]).substr(0, 16);
        Sha1SingleBlocks(messages, digests);
        Use(digests);
    }
}

struct TFigure {
    const char* what;
    std::function<void(const std::vector<std::string>&, std::size_t)> run;
    bool portable;         // with the portable SHA-1 even where the SHA instructions exist
    double budgetMillions; // plates a second, 0 for none
};

} // namespace

int main(int argc, char** argv)
{
    const std::size_t plates = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 4000000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 3;
    const std::vector<std::string> lines = SampleLines();
    const bool sha = Sha1HasShaInstructions();
    const std::vector<TFigure> figures = {
        {"pipeline, plates in bulk", PipelineInBulk, false, sha ? 10.0 : 0},
        {"pipeline, one plate at a time", PipelineOneByOne, false, 0},
        {"pipeline, plates in bulk, portable SHA-1", PipelineInBulk, true, 2.0},
        {"SHA-1 alone, one at a time", Sha1OneByOne, false, 0},
        {"SHA-1 alone, in bulk", Sha1InBulk, false, 0},
        {"SHA-1 alone, portable", Sha1OneByOne, true, 0},
    };
    std::printf("core pipeline, %zu plates a run, %d runs, %s; CPU and wall seconds per million plates "
                "(minimum / median), and the plates a second of the median CPU time\n",
                plates, runs, sha ? "SHA instructions" : "no SHA instructions");
    bool ok = true;
    for (const TFigure& figure : figures) {
        Sha1UsePortable(figure.portable);
        std::vector<double> cpu, wall;
        for (int run = 0; run < runs; ++run) {
            const auto start = std::chrono::steady_clock::now();
            const double cpuStart = CpuSeconds();
            figure.run(lines, plates);
            cpu.push_back((CpuSeconds() - cpuStart) * 1e6 / double(plates));
            wall.push_back(Seconds(start) * 1e6 / double(plates));
        }
        const double millions = 1.0 / Median(cpu);
        const bool met = millions >= figure.budgetMillions;
        ok &= met;
        std::printf("%-42s CPU %.4f / %.4f s  wall %.4f / %.4f s  %6.2f M/s", figure.what, Minimum(cpu), Median(cpu),
                    Minimum(wall), Median(wall), millions);
        if (figure.budgetMillions > 0)
            std::printf("  (budget %.0f M/s) %s", figure.budgetMillions, met ? "ok" : "MISSED");
        std::printf("\n");
    }
    Sha1UsePortable(false);
    return ok ? 0 : 1;
}
