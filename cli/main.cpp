// corvana-cli: computes the Wiegand codes of plate lists from scripts.
#include "Converter.h"

#include <iostream>
#include <new>

int main(int argc, char** argv)
{
    RestoreDefaultSigpipe();
    std::ios::sync_with_stdio(false);
    // Nothing thrown reaches the user as an abort.
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        return RunCorvanaCli(args, std::cerr);
    } catch (const std::bad_alloc&) {
        std::cerr << "corvana-cli: out of memory\n";
    } catch (const std::exception& e) {
        std::cerr << "corvana-cli: " << e.what() << "\n";
    }
    return kExitTrouble;
}
