// load and run: the output log after "加载代码" and "系统引擎运行".

#include "cli/Cli.h"
#include "platform/Ticks.h"
#include "workflow/Debugging.h"

namespace jsdebug::cli {

std::vector<Command> debuggingCommands() {
  return {
      {"load", "FILE", 1, 1,
       [](Context& c, const std::vector<std::string>& a) {
         if (!c.loadEditorFrom(a[0])) return kExitFailure;
         workflow::loadCodeCommand(c.bench, c.engine());
         c.write(c.bench.log);
         return c.statusFromLog();
       }},
      {"run", "FILE CALL", 2, 2,
       [](Context& c, const std::vector<std::string>& a) {
         if (!c.loadEditorFrom(a[0])) return kExitFailure;
         c.bench.callBox = c.fromTerminal(a[1]);
         workflow::systemRunCommand(c.bench, c.engine(), platform::tickCount);
         c.write(c.bench.log);
         return c.statusFromLog();
       }},
  };
}

}  // namespace jsdebug::cli
