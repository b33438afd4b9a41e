#include "workflow/DebugRun.h"

#include <thread>

#include "workflow/CallBox.h"
#include "workflow/OutputLog.h"

namespace jsdebug::workflow {
namespace {

// One line per value: line breaks inside a value are shown, not taken.
std::string oneLine(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else out += c;
  }
  return out;
}

std::string valueText(const engine::DebugValue& value) {
  return value.failed ? "错误：" + oneLine(value.value) : oneLine(value.value);
}

// Ends the session however the run returns, so that its driver never waits for a pause that
// cannot come.
struct SessionEnd {
  engine::ScriptEngine& engine;
  engine::DebugSession& session;
  ~SessionEnd() {
    engine.AttachDebugger(nullptr);
    session.runEnded();
  }
};

}  // namespace

void debugRunCommand(Workbench& bench, engine::ScriptEngine& engine, engine::DebugSession& session,
                     const TickCounter& ticks) {
  SessionEnd end{engine, session};
  engine.AttachDebugger(&session);
  const TickCounter runningTicks = [&] { return ticks() - session.pausedMilliseconds(); };
  if (systemRunCommand(bench, engine, runningTicks) && engine.hasHost() && !engine.CanPause())
    appendLogLine(bench, kCannotPauseNote);
}

std::string breakpointMoveLine(const engine::BreakpointMove& move) {
  if (move.to == 0)
    return "断点：第 " + std::to_string(move.from) + " 行及以后没有代码，断点不设\r\n";
  return "断点：第 " + std::to_string(move.from) + " 行没有代码，改设在第 " + std::to_string(move.to) +
         " 行\r\n";
}

std::string pauseBlock(engine::DebugSession& session, const std::vector<std::string>& watches) {
  std::string out = "暂停：第 " + std::to_string(session.pausedLine()) + " 行\r\n调用栈：\r\n";
  const std::vector<engine::DebugFrame> frames = session.callStack();
  for (const engine::DebugFrame& frame : frames)
    out += "  " + frame.function + " 第 " + std::to_string(frame.line) + " 行\r\n";
  out += "局部变量：\r\n";
  const std::vector<engine::DebugValue> locals =
      frames.empty() ? std::vector<engine::DebugValue>() : session.locals(frames.front());
  for (const engine::DebugValue& local : locals) out += "  " + local.name + " = " + valueText(local) + "\r\n";
  if (locals.empty()) out += "  （无）\r\n";
  if (!watches.empty()) {
    out += "监视：\r\n";
    for (const std::string& watch : watches) {
      engine::DebugFrame top = frames.empty() ? engine::DebugFrame{} : frames.front();
      out += "  " + watch + " = " + valueText(session.evaluate(top, watch)) + "\r\n";
    }
  }
  return out + "\r\n";
}

bool parseDebugActions(const std::string& text, std::vector<engine::DebugStep>& steps) {
  steps.clear();
  std::size_t at = 0;
  while (at <= text.size()) {
    std::size_t comma = text.find(',', at);
    if (comma == std::string::npos) comma = text.size();
    const std::string word = text.substr(at, comma - at);
    if (word == "continue") steps.push_back(engine::DebugStep::Continue);
    else if (word == "over") steps.push_back(engine::DebugStep::Over);
    else if (word == "into") steps.push_back(engine::DebugStep::Into);
    else if (word == "out") steps.push_back(engine::DebugStep::Out);
    else return false;
    at = comma + 1;
  }
  return true;
}

void scriptedDebugRun(Workbench& bench, engine::ScriptEngine& engine, const DebugPlan& plan,
                      const TickCounter& ticks, const std::function<void(const std::string&)>& out) {
  engine::DebugSession session;
  for (const engine::BreakpointMove& move :
       session.setBreakpoints(bench.editor().wholeText(), plan.breakpoints))
    out(breakpointMoveLine(move));
  std::thread runner([&] { debugRunCommand(bench, engine, session, ticks); });
  std::size_t next = 0;
  while (session.waitForPause()) {
    out(pauseBlock(session, plan.watches));
    session.resume(next < plan.actions.size() ? plan.actions[next++] : engine::DebugStep::Continue);
  }
  runner.join();
}

}  // namespace jsdebug::workflow
