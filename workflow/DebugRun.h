#pragma once
// 调试运行: the call box's call run as 系统引擎运行 runs it, with a debugging session attached,
// and the CLI's scripted form of it (a list of actions taken one per pause).

#include <functional>
#include <string>
#include <vector>

#include "engine/DebugSession.h"
#include "engine/ScriptEngine.h"
#include "workflow/Debugging.h"
#include "workflow/Workbench.h"

namespace jsdebug::workflow {

// Said after the run's blocks when the system engine cannot pause (the Script Control).
inline constexpr const char* kCannotPauseNote =
    "提示：系统引擎是 Windows Script Control，调试运行不能在断点暂停或单步，调用已直接运行到结束；"
    "断点和单步需要内置的 JScript 模拟引擎（jsdebug-cli 用 --engine=profile）\r\n";

// Runs on the calling thread, which is not the one driving the session: resets, loads and calls
// as 系统引擎运行 does, writing the same blocks, and ends the session when the run is over. The
// elapsed time leaves out the time spent paused. A host that cannot pause runs the call to the
// end, and the log says so after the run's blocks.
void debugRunCommand(Workbench& bench, engine::ScriptEngine& engine, engine::DebugSession& session,
                     const TickCounter& ticks);

// The log line for a breakpoint that moved, or was dropped, because its line has no code.
std::string breakpointMoveLine(const engine::BreakpointMove& move);

// What one pause shows: the line, the call stack, the top frame's locals as "name = value" and
// each watch expression's value, CR LF lines, a blank line after.
std::string pauseBlock(engine::DebugSession& session, const std::vector<std::string>& watches);

struct DebugPlan {
  std::vector<int> breakpoints;
  std::vector<engine::DebugStep> actions;  // one per pause, then Continue
  std::vector<std::string> watches;         // GBK
};

// Reads "continue,over,into,out" into steps; false on any other word.
bool parseDebugActions(const std::string& text, std::vector<engine::DebugStep>& steps);

// The call under the debugger, the run on a thread of its own: writes the breakpoint moves and
// each pause's block through `out` as they come; the run's blocks end up in the log as usual.
void scriptedDebugRun(Workbench& bench, engine::ScriptEngine& engine, const DebugPlan& plan,
                      const TickCounter& ticks, const std::function<void(const std::string&)>& out);

}  // namespace jsdebug::workflow
