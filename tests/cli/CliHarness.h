#pragma once
// Running jsdebug-cli in-process, as the CLI tests do.

#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"

namespace jsdebug::testing {

struct Outcome {
  int status;
  std::string out, err;
};

inline Outcome runCommand(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  int status = cli::runCli(args, out, err);
  return {status, out.str(), err.str()};
}

// A file of the source tree, e.g. "examples/test.js".
inline std::string sourceFile(const std::string& name) {
  return std::string(JSDEBUG_SOURCE_DIR) + "/" + name;
}

}  // namespace jsdebug::testing
