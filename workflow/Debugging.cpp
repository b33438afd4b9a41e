#include "workflow/Debugging.h"

#include "engine/HostReport.h"
#include "engine/jscript/Refusal.h"
#include "workflow/CallBox.h"
#include "workflow/OutputLog.h"

namespace jsdebug::workflow {
namespace {

bool resetAndLoad(Workbench& bench, engine::ScriptEngine& engine) {
  engine.SetBrowserEnvironment(bench.browserEnvironmentOn(),
                               engine::pageAddress(bench.urlBoxText()));
  engine.Reset();
  const std::string script = bench.editor().wholeText();
  if (engine.LoadCode(script)) return true;

  const std::string report = engine.ErrorReport();
  appendFailureBlock(bench, kLoadFailedHeader, report);
  appendReasonLine(bench, engine::jscript::refusalReason(engine.LastError(), script, ""));
  appendBrowserNotes(bench, engine.TakeBrowserNotes());
  jumpToReportedLine(bench, engine::hostreport::reportedLine(report));

  // Read from the whole log, as the user sees it, not from the report alone.
  const std::string log = bench.logText();
  if (engine::hostreport::mentionsUndefined(log))
    bench.setFindBoxText(engine::hostreport::undefinedName(log));
  return false;
}

}  // namespace

bool loadCodeCommand(Workbench& bench, engine::ScriptEngine& engine) {
  bench.clearLog();
  if (!resetAndLoad(bench, engine)) return false;
  appendLoadSuccessBlock(bench);
  appendBrowserNotes(bench, engine.TakeBrowserNotes());
  return true;
}

void systemRunCommand(Workbench& bench, engine::ScriptEngine& engine, const TickCounter& ticks) {
  if (refuseMissingCall(bench)) return;
  bench.clearLog();
  if (!resetAndLoad(bench, engine)) return;

  const CallToRun call = splitCallToRun(bench.callBoxText());
  const std::uint32_t start = ticks();
  const std::string result = engine.CallFunction(call.name, call.arguments);
  if (result.empty()) {
    const std::string report = engine.ErrorReport();
    if (engine::hostreport::isFailure(report)) {
      appendFailureBlock(bench, kRunFailedHeader, report);
      appendReasonLine(bench, engine::jscript::refusalReason(
                                  engine.LastError(), bench.editor().wholeText(),
                                  call.name + "(" + call.arguments + ")"));
      appendBrowserNotes(bench, engine.TakeBrowserNotes());
      jumpToReportedLine(bench, engine::hostreport::reportedLine(report));
      return;
    }
  }
  const std::uint32_t elapsed = ticks() - start;
  appendResultBlock(bench, std::to_string(elapsed), result);
  appendBrowserNotes(bench, engine.TakeBrowserNotes());
}

}  // namespace jsdebug::workflow
