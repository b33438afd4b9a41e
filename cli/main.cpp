#include <iostream>

#include "cli/Cli.h"

int main(int argc, char** argv) {
  return jsdebug::cli::runCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
