#include "workflow/Debugging.h"

#include "text/Text.h"
#include "workflow/CallBox.h"
#include "workflow/OutputLog.h"

namespace jsdebug {
namespace {

bool resetAndLoad(Workbench& bench, ScriptEngine& engine) {
  engine.SetBrowserEnvironment(bench.browserEnvironmentOn(), pageAddress(bench.urlBoxText()));
  engine.Reset();
  if (engine.LoadCode(bench.editor().wholeText())) return true;

  bench.appendLog(kLoadFailedHeader);
  bench.appendLog(kLogSeparator + "\r\n\r\n");
  const std::string report = engine.ErrorReport();
  const std::string line = text::TextBetween(report, "错误所在行：  ", "\r\n");
  bench.appendLog(report);
  bench.appendLog("\r\n\r\n");
  bench.appendLog(kLogSeparator);
  appendBrowserNotes(bench, engine.TakeBrowserNotes());
  jumpToReportedLine(bench, line);

  const std::string log = bench.logText();
  if (text::findText(log, "未定义】") > 0) bench.setFindBoxText(text::TextBetween(log, "【'", "'"));
  return false;
}

}  // namespace

bool loadCode(Workbench& bench, ScriptEngine& engine) {
  bench.clearLog();
  if (!resetAndLoad(bench, engine)) return false;
  appendLoadSuccessBlock(bench);
  appendBrowserNotes(bench, engine.TakeBrowserNotes());
  return true;
}

void runCall(Workbench& bench, ScriptEngine& engine, const TickCounter& ticks) {
  if (refuseMissingCall(bench)) return;
  bench.clearLog();
  if (!resetAndLoad(bench, engine)) return;

  const SplitCall call = splitCall(bench.callBoxText());
  const std::uint32_t start = ticks();
  const std::string result = engine.CallFunction(call.name, call.arguments);
  if (result.empty()) {
    const std::string report = engine.ErrorReport();
    if (text::findText(report, "错误所在行") > 0) {
      appendFailureBlock(bench, kRunFailedHeader, report);
      appendBrowserNotes(bench, engine.TakeBrowserNotes());
      jumpToReportedLine(bench, text::TextBetween(report, "错误所在行：  ", "\r\n"));
      return;
    }
  }
  const std::uint32_t elapsed = ticks() - start;
  appendResultBlock(bench, std::to_string(elapsed), result);
  appendBrowserNotes(bench, engine.TakeBrowserNotes());
}

}  // namespace jsdebug
