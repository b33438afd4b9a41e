// to-jscript: the converted script on standard output, the log (what was converted, the
// verification, or why it could not be) on standard error.

#include "cli/Cli.h"
#include "engine/FatalError.h"
#include "engine/V8Bridge.h"
#include "rewrite/ToJScript.h"

namespace jsdebug::cli {

std::vector<Command> rewriteCommands() {
  return {
      {"to-jscript", "FILE [CALL]", 1, 2,
       [](Context& c, const std::vector<std::string>& a) {
         if (!c.loadEditorFrom(a[0])) return kExitFailure;
         engine::V8Bridge* bridge = nullptr;
         if (a.size() > 1) {
           // The call is compared with V8's answer on the original, as in the window.
           engine::setFatalErrorBox([&c](const std::string& text, const std::string& title) {
             c.bench.messageBox(text, title, workflow::MessageIcon::Error);
           });
           engine::v8Bridge().initializeV8(engine::startupPath());
           engine::setFatalErrorBox(nullptr);
           bridge = &engine::v8Bridge();
           c.bench.callBox = c.fromTerminal(a[1]);
         }
         const auto outcome = rewrite::toJScriptCommand(c.bench, c.engine(), bridge);
         c.report(c.bench.log);
         if (outcome != rewrite::ToJScriptOutcome::Converted) return kExitFailure;
         c.write(c.bench.editor().wholeText());
         return kExitSuccess;
       }},
  };
}

}  // namespace jsdebug::cli
