// corvana-cli: computes the Wiegand codes of plate lists from scripts.
#include "Converter.h"

#include <csignal>
#include <iostream>

int main(int argc, char** argv)
{
    // A closed output pipe is reported as a write error, not a silent death.
    std::signal(SIGPIPE, SIG_IGN);
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = RunCorvanaCli(args, std::cout, std::cerr);
    std::cout.flush();
    return status;
}
