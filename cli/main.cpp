#include <iostream>

#include "cli/Cli.h"
#include "platform/StandardStreams.h"

int main(int argc, char** argv) {
  jsdebug::platform::useBinaryStandardStreams();
  return jsdebug::cli::runCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
