// sorvik1-analyse: a figure's count in simulated spins or permanence files,
// beside the exact statistics of chance. "--help" explains the options.

#include "analyse/command.h"

#include <iostream>
#include <string_view>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    return sorvik1::analyse::runCommand(arguments, std::cout, std::cerr,
                                        isatty(STDERR_FILENO) == 1);
}
