#pragma once
// Runs of a program as a child process, as the command-line timing drivers take
// them: wall and CPU time and peak memory of each run, printed as the minimum
// and median of a figure's runs.

#include "BenchMeasure.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct TRun {
    double seconds;
    long peakKiB;
    double cpuSeconds; // user and system time of the child: what a busy machine does not inflate
};

// Each run writes a new file, as converting into a new file does: the file an
// earlier run wrote with -o is removed first, so that no run pays for freeing it.
inline TRun RunProgram(const char* program, const std::vector<std::string>& args)
{
    const auto output = std::find(args.begin(), args.end(), "-o");
    if (output != args.end() && output + 1 != args.end())
        ::unlink((output + 1)->c_str());
    std::vector<char*> argv{const_cast<char*>(program)};
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        // The room for arguments is a quarter of the stack limit; 100,000 codes
        // need more than the usual 8 MiB gives.
        struct rlimit stack {};
        ::getrlimit(RLIMIT_STACK, &stack);
        stack.rlim_cur = std::min<rlim_t>(stack.rlim_max, rlim_t(64) << 20);
        ::setrlimit(RLIMIT_STACK, &stack);
        ::execv(program, argv.data());
        std::_Exit(127);
    }
    int status = 0;
    struct rusage usage {};
    ::wait4(pid, &status, 0, &usage);
    const double seconds = Seconds(start);
    // 3: a collision report that lists a group.
    if (!WIFEXITED(status) || (WEXITSTATUS(status) != 0 && WEXITSTATUS(status) != 3)) {
        std::fprintf(stderr, "%s failed\n", program);
        std::exit(1);
    }
    const auto cpu = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return {seconds, usage.ru_maxrss, cpu(usage.ru_utime) + cpu(usage.ru_stime)};
}

// A figure: the minimum and median of its runs' wall and CPU time, and the
// largest peak resident memory of any run.
struct TFigure {
    double wallMin, wall, cpuMin, cpu; // wall and cpu: the medians
    long peakKiB;
};

// The runs of one figure.
struct TRuns {
    std::vector<double> wall, cpu;
    long peakKiB = 0;

    void Add(const TRun& run)
    {
        wall.push_back(run.seconds);
        cpu.push_back(run.cpuSeconds);
        peakKiB = std::max(peakKiB, run.peakKiB);
    }
    TFigure Print(const char* what) const
    {
        const TFigure figure{Minimum(wall), Median(wall), Minimum(cpu), Median(cpu), peakKiB};
        std::printf("%-32s wall %.3f / %.3f s, CPU %.3f / %.3f s, peak RSS %ld KiB\n", what, figure.wallMin,
                    figure.wall, figure.cpuMin, figure.cpu, figure.peakKiB);
        return figure;
    }
};

// Runs a program `runs` times and prints its figure.
inline TFigure Measure(const char* what, const char* program, const std::vector<std::string>& args, int runs)
{
    TRuns measured;
    for (int i = 0; i < runs; ++i)
        measured.Add(RunProgram(program, args));
    return measured.Print(what);
}

inline TFigure MeasureCli(const char* what, const std::vector<std::string>& args, int runs)
{
    return Measure(what, CORVANA_CLI, args, runs);
}

// Two corvana-cli runs taken in turns, `runs` pairs, and the median of the
// ratios of their CPU times within each pair: a machine whose speed drifts
// over a sitting moves both runs of a pair alike.
inline double MeasureRatio(const char* whatA, const std::vector<std::string>& argsA, const char* whatB,
                    const std::vector<std::string>& argsB, int runs)
{
    TRuns a, b;
    std::vector<double> ratios;
    for (int i = 0; i < runs; ++i) {
        a.Add(RunProgram(CORVANA_CLI, argsA));
        b.Add(RunProgram(CORVANA_CLI, argsB));
        ratios.push_back(b.cpu.back() / a.cpu.back());
    }
    a.Print(whatA);
    b.Print(whatB);
    return Median(ratios);
}

