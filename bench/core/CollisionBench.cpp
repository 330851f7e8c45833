// Times the collision finder over 1,000,000 random plates taken in bulk (and,
// for comparison, one by one) and reports the memory it holds beyond the
// records. Budget: 150 ms on one core (the thread's CPU time, since the machine
// is shared; the wall time is shown beside it), 100 MB. Each figure is the
// minimum and the median of RUNS runs (3 by default); the budget is met by the
// median.
//   bench_collisions [PLATES] [RUNS] [bulk]   (bulk: leave out the one-by-one runs)
#include "BenchMeasure.h"
#include "CodeCollisions.h"
#include "PlateCodes.h"

#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

// The thread's CPU time: the finder's own, without anything else the process does.
double ThreadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

} // namespace

int main(int argc, char** argv)
{
    const std::size_t count = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1000000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 3;
    const bool bulkOnly = argc > 3 && std::string(argv[3]) == "bulk";
    std::mt19937 random(2026);
    const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::vector<TPlateCodes> codes;
    codes.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::string plate;
        for (int n = 5 + int(random() % 6); n > 0; --n)
            plate.push_back(alphabet[random() % 36]);
        codes.push_back(ComputePlateCodes(plate));
    }
    std::vector<TCollisionRecord> records;
    records.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        records.push_back({codes[i].Plate, codes[i].Wiegand26, codes[i].Wiegand64, i + 1});

    std::vector<double> cpuTimes, wallTimes, singleTimes;
    long heldKiB = 0;
    TCollisionCounts counts26, counts64;
    std::uint64_t pairs = 0;
    for (int run = 0; run < runs; ++run) {
        const long before = ResidentKiB();
        auto start = std::chrono::steady_clock::now();
        double cpu = ThreadCpuSeconds();
        {
            TCollisionFinder finder;
            finder.Add(records);
            cpuTimes.push_back(ThreadCpuSeconds() - cpu);
            wallTimes.push_back(Seconds(start));
            heldKiB = std::max(heldKiB, ResidentKiB() - before);
            counts26 = finder.Counts(TCodeTable::Wiegand26);
            counts64 = finder.Counts(TCodeTable::Wiegand64);
            pairs = 0;
            for (const auto& group : finder.Groups(TCodeTable::Wiegand26))
                pairs += group.Plates.size() * (group.Plates.size() - 1) / 2;
        }
        cpu = ThreadCpuSeconds();
        if (bulkOnly)
            continue;
        {
            TCollisionFinder finder;
            for (const TCollisionRecord& record : records)
                finder.Add(record);
            singleTimes.push_back(ThreadCpuSeconds() - cpu);
        }
    }
    const double n = double(count);
    std::printf("%zu plates: %llu repeats; 26-bit: %llu colliding pairs (estimate n^2/2^25 = %.0f) in %llu groups of "
                "%llu plates; 64-bit: %llu groups\n",
                count, static_cast<unsigned long long>(counts26.Repeats), static_cast<unsigned long long>(pairs),
                n * n / 33554432.0, static_cast<unsigned long long>(counts26.Groups),
                static_cast<unsigned long long>(counts26.PlatesInGroups),
                static_cast<unsigned long long>(counts64.Groups));
    std::printf("bulk: CPU %.1f / %.1f ms (minimum / median; budget 150 ms), wall %.1f / %.1f ms; held %.1f MB "
                "(budget 100 MB)\n",
                Minimum(cpuTimes) * 1e3, Median(cpuTimes) * 1e3, Minimum(wallTimes) * 1e3, Median(wallTimes) * 1e3,
                double(heldKiB) / 1024.0);
    if (!bulkOnly)
        std::printf("one by one: CPU %.1f / %.1f ms\n", Minimum(singleTimes) * 1e3, Median(singleTimes) * 1e3);
    return Median(cpuTimes) <= 0.150 && heldKiB <= 100 * 1024 ? 0 : 1;
}
