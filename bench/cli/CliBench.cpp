// Times corvana-cli converting a 1,000,000-line plate list to the 26-bit result
// file and reports its peak resident memory. Budget: 0.5 s wall time.
//   bench_cli [LINES] [RUNS]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
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

struct TRun {
    double seconds;
    long peakKiB;
};

TRun RunCli(const std::string& input, const std::string& output)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::execl(CORVANA_CLI, "corvana-cli", "-o", output.c_str(), input.c_str(), static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    int status = 0;
    struct rusage usage {};
    ::wait4(pid, &status, 0, &usage);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "corvana-cli failed\n");
        std::exit(1);
    }
    return {seconds, usage.ru_maxrss};
}

} // namespace

int main(int argc, char** argv)
{
    const std::size_t lines = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1000000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    const std::string input = WritePlateList(lines);
    const std::string output = "/tmp/corvana-bench-result.txt";
    TRun best{1e9, 0};
    for (int i = 0; i < runs; ++i) {
        const TRun run = RunCli(input, output);
        std::printf("run %d: %.3f s, peak RSS %ld KiB\n", i + 1, run.seconds, run.peakKiB);
        if (run.seconds < best.seconds)
            best = run;
    }
    std::printf("corvana-cli, %zu lines to the 26-bit result file: best %.3f s (budget 0.5 s), peak RSS %ld KiB\n",
                lines, best.seconds, best.peakKiB);
    ::unlink(input.c_str());
    ::unlink(output.c_str());
    return best.seconds <= 0.5 ? 0 : 1;
}
