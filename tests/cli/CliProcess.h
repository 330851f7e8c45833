#pragma once
// Runs the real corvana-cli binary as a child process, feeds its standard input
// and collects its standard output, standard error, exit status, peak memory
// and time.

#include <sys/resource.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct TCliRun {
    int Status = -1; // exit status; 128 + the signal number when it was killed
    std::string Out;
    std::string Err;
    long PeakRssKb = 0; // the child's peak resident set size
    double Seconds = 0; // from its start to its end
};

// Gives standard input piece by piece: fills `piece` and returns true, or
// returns false when there is no more.
using TInputSource = std::function<bool(std::string& piece)>;

struct TCliCall {
    std::vector<std::string> Args;
    std::string Stdin;   // used when Source is empty
    TInputSource Source;
    int StdoutFd = -1;   // when set, the child writes its standard output there
    rlim_t FileSizeLimit = RLIM_INFINITY; // larger files fail with EFBIG
    std::vector<std::string> Environment; // NAME=VALUE, added to the child's
    std::optional<uid_t> User;            // run as this user and its group (the test runs as root)
    std::optional<std::chrono::milliseconds> KillAfter; // then SIGKILL, unless it ended
    rlim_t MemoryLimit = RLIM_INFINITY;   // of its address space (prlimit --as); none under ASan
};

TCliRun RunCli(const TCliCall& call);
TCliRun RunCli(std::vector<std::string> args, std::string stdinText = {});
