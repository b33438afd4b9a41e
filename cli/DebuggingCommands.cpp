// load and run: the output log after "加载代码" and "系统引擎运行".

#include <cstdlib>

#include "cli/Cli.h"
#include "platform/Ticks.h"
#include "workflow/DebugRun.h"
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
      {"debug", "FILE CALL [--break LINE]... [--do ACTIONS] [--watch EXPR]...", 2, 1000,
       [](Context& c, const std::vector<std::string>& a) {
         workflow::DebugPlan plan;
         for (std::size_t i = 2; i < a.size(); i += 2) {
           if (i + 1 >= a.size() || (a[i] != "--break" && a[i] != "--do" && a[i] != "--watch")) {
             c.error("debug takes --break LINE, --do ACTIONS and --watch EXPR after FILE and CALL");
             return kExitUsage;
           }
           const std::string& value = a[i + 1];
           if (a[i] == "--break") {
             char* end = nullptr;
             const long line = std::strtol(value.c_str(), &end, 10);
             if (value.empty() || *end != '\0' || line < 1 || line > 100000000) {
               c.error("--break takes a line number from 1");
               return kExitUsage;
             }
             plan.breakpoints.push_back(static_cast<int>(line));
           } else if (a[i] == "--do") {
             if (!workflow::parseDebugActions(value, plan.actions)) {
               c.error("--do takes a comma-separated list of continue, over, into and out");
               return kExitUsage;
             }
           } else {
             plan.watches.push_back(c.fromTerminal(value));
           }
         }
         if (!c.loadEditorFrom(a[0])) return kExitFailure;
         c.bench.callBox = c.fromTerminal(a[1]);
         workflow::scriptedDebugRun(c.bench, c.engine(), plan, platform::tickCount,
                                    [&](const std::string& text) { c.write(text); });
         c.write(c.bench.log);
         return c.statusFromLog();
       }},
  };
}

}  // namespace jsdebug::cli
