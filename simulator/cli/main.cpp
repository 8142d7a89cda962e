// ignaro-cli's entry: the arguments as they came, progress only for a person watching.
#include "ignaro_cli.h"

#include <exception>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv)
{
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        return runCli(args, std::cout, std::cerr, isatty(STDERR_FILENO) != 0);
    } catch (const std::exception& error) {
        std::cerr << "ignaro-cli: " << error.what() << '\n';
        return 1;
    }
}
