#pragma once
// What the timing drivers measure: wall time since a point, and the resident
// memory of the process.

#include <chrono>
#include <fstream>
#include <string>

inline double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// The process's resident memory in KiB, or -1 when it cannot be read.
inline long ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}
