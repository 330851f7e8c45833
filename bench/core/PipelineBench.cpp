// The core pipeline per plate: normalise, compute both codes, build both rows.
// Budget: 5 million plates a second on one core with the SHA instructions,
// 2 million with the portable SHA-1.
#include "PlateCodes.h"

#include <benchmark/benchmark.h>

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

void RunPipeline(benchmark::State& state, bool portable)
{
    Sha1UsePortable(portable);
    const std::vector<std::string> lines = SampleLines();
    std::size_t i = 0;
    for (auto _ : state) {
        const auto plate = NormalizePlate(lines[i++ & 4095]);
        if (!plate)
            continue;
        const TPlateCodes codes = ComputePlateCodes(*plate);
        benchmark::DoNotOptimize(Wiegand26RowCells(codes));
        benchmark::DoNotOptimize(Wiegand64RowCells(codes));
    }
    state.SetItemsProcessed(state.iterations());
    Sha1UsePortable(false);
}

void BM_PipelineBulk(benchmark::State& state)
{
    const std::vector<std::string> lines = SampleLines();
    std::size_t i = 0;
    constexpr std::size_t kBatch = 64;
    TPlateBytes plates[kBatch];
    TPlateCodes codes[kBatch];
    while (state.KeepRunningBatch(kBatch)) {
        std::size_t n = 0;
        for (std::size_t k = 0; k < kBatch; ++k)
            n += NormalizePlateTo(lines[i++ & 4095], plates[n]);
        ComputePlateCodesInBulk(std::span(plates, n), codes);
        for (std::size_t k = 0; k < n; ++k) {
            benchmark::DoNotOptimize(Wiegand26RowCells(codes[k]));
            benchmark::DoNotOptimize(Wiegand64RowCells(codes[k]));
        }
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_Sha1Latency(benchmark::State& state)
{
    std::string message = "HK55EVB";
    for (auto _ : state) {
        const TSha1Digest d = Sha1SingleBlock(message);
        message[0] = char('A' + (d[0] & 7));
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_PipelineShaInstructions(benchmark::State& state)
{
    if (!Sha1HasShaInstructions()) {
        state.SkipWithError("this processor has no SHA instructions");
        return;
    }
    RunPipeline(state, false);
}

void BM_PipelinePortableSha1(benchmark::State& state) { RunPipeline(state, true); }

void BM_Sha1ShaInstructions(benchmark::State& state)
{
    if (!Sha1HasShaInstructions()) {
        state.SkipWithError("this processor has no SHA instructions");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(Sha1SingleBlockShaNi("HK55EVB"));
    state.SetItemsProcessed(state.iterations());
}

void BM_Sha1ShaInstructionsTwoAtATime(benchmark::State& state)
{
    if (!Sha1HasShaInstructions()) {
        state.SkipWithError("this processor has no SHA instructions");
        return;
    }
    const std::string_view messages[2] = {"HK55EVB", "AB12"};
    TSha1Digest digests[2];
    for (auto _ : state) {
        Sha1SingleBlocksShaNi(messages, digests);
        benchmark::DoNotOptimize(digests);
    }
    state.SetItemsProcessed(2 * state.iterations());
}

void BM_Sha1Portable(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Sha1SingleBlockPortable("HK55EVB"));
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(BM_PipelineShaInstructions);
BENCHMARK(BM_PipelineBulk);
BENCHMARK(BM_Sha1Latency);
BENCHMARK(BM_PipelinePortableSha1);
BENCHMARK(BM_Sha1ShaInstructions);
BENCHMARK(BM_Sha1ShaInstructionsTwoAtATime);
BENCHMARK(BM_Sha1Portable);
BENCHMARK_MAIN();
