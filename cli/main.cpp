#include "cli/CommandLine.h"

#include <iostream>

int main(int argc, char** argv) {
    return CommandLine::run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
