// deobfuscate: the cleaned script on standard output, the passes' report (or why it could not
// be done) on standard error. eval-selection: the whole text with the selection [START, END)
// (0-based GBK byte offsets) replaced by the literal of its value in V8.

#include <limits>

#include "cli/Cli.h"
#include "engine/FatalError.h"
#include "engine/V8Bridge.h"
#include "rewrite/Deobfuscate.h"

namespace jsdebug::cli {
namespace {

engine::V8Bridge& startV8(Context& c) {
  engine::setFatalErrorBox([&c](const std::string& text, const std::string& title) {
    c.bench.messageBox(text, title, workflow::MessageIcon::Error);
  });
  engine::v8Bridge().initializeV8(engine::startupPath());
  engine::setFatalErrorBox(nullptr);
  return engine::v8Bridge();
}

// A byte offset as typed: digits only, within int.
bool readOffset(const std::string& s, int& value) {
  if (s.empty() || s.size() > 10 || s.find_first_not_of("0123456789") != std::string::npos) return false;
  const long long v = std::stoll(s);
  if (v > std::numeric_limits<int>::max()) return false;
  value = static_cast<int>(v);
  return true;
}

}  // namespace

std::vector<Command> deobfuscateCommands() {
  return {
      {"deobfuscate", "FILE [CALL]", 1, 2,
       [](Context& c, const std::vector<std::string>& a) {
         if (!c.loadEditorFrom(a[0])) return kExitFailure;
         engine::V8Bridge* bridge = nullptr;
         if (a.size() > 1) {
           bridge = &startV8(c);
           c.bench.callBox = c.fromTerminal(a[1]);
         }
         if (!rewrite::deobfuscateCommand(c.bench, bridge)) {
           c.report(c.bench.log);
           return kExitFailure;
         }
         c.report(c.bench.log);
         c.write(c.bench.editor().wholeText());
         return kExitSuccess;
       }},
      {"eval-selection", "FILE START END", 3, 3,
       [](Context& c, const std::vector<std::string>& a) {
         int start = 0;
         int end = 0;
         if (!readOffset(a[1], start) || !readOffset(a[2], end)) {
           c.error("START and END must be byte offsets (0, 1, 2 ...)");
           return kExitUsage;
         }
         if (!c.loadEditorFrom(a[0])) return kExitFailure;
         if (!rewrite::evalSelectionCommand(c.bench, startV8(c), start, end)) {
           c.report(c.bench.log);
           return kExitFailure;
         }
         c.write(c.bench.editor().wholeText());
         return kExitSuccess;
       }},
  };
}

}  // namespace jsdebug::cli
