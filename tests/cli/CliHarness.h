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

// What a command that refused its input (exit status 1, nothing on standard output) said on
// standard error; for any other outcome a text saying what it did instead.
inline std::string refusal(const Outcome& o) {
  if (o.status == 1 && o.out.empty()) return o.err;
  return "(not refused: status " + std::to_string(o.status) + ", output \"" + o.out + "\")";
}

// A file of the source tree, e.g. "examples/test.js".
inline std::string sourceFile(const std::string& name) {
  return std::string(JSDEBUG_SOURCE_DIR) + "/" + name;
}

}  // namespace jsdebug::testing
