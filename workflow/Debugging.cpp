#include "workflow/Debugging.h"

#include "engine/HostReport.h"
#include "workflow/CallBox.h"
#include "workflow/OutputLog.h"

namespace jsdebug::workflow {
namespace {

bool resetAndLoad(Workbench& bench, engine::ScriptEngine& engine) {
  engine.SetBrowserEnvironment(bench.browserEnvironmentOn(),
                               engine::pageAddress(bench.urlBoxText()));
  engine.Reset();
  if (engine.LoadCode(bench.editor().wholeText())) return true;

  const std::string report = engine.ErrorReport();
  appendFailureBlock(bench, kLoadFailedHeader, report);
  appendBrowserNotes(bench, engine.TakeBrowserNotes());
  jumpToReportedLine(bench, engine::hostreport::reportedLine(report));

  // Read from the whole log, as the user sees it, not from the report alone.
  const std::string log = bench.logText();
  if (engine::hostreport::mentionsUndefined(log))
    bench.setFindBoxText(engine::hostreport::undefinedName(log));
  return false;
}

// Every run through the Script Control with its full object set says so after its blocks: the
// script could have reached the user's files and programs.
void noteUnsafeObjects(Workbench& bench, engine::ScriptEngine& engine) {
  if (engine.AllowsUnsafeObjects())
    bench.appendLog("\r\n注意：系统引擎是开放完整对象集的 Script Control，脚本可以创建访问文件和程序的对象"
                    "（WScript.Shell、Scripting.FileSystemObject 等）\r\n");
}

bool loadCode(Workbench& bench, engine::ScriptEngine& engine) {
  bench.clearLog();
  if (!resetAndLoad(bench, engine)) return false;
  appendLoadSuccessBlock(bench);
  appendBrowserNotes(bench, engine.TakeBrowserNotes());
  return true;
}

void systemRun(Workbench& bench, engine::ScriptEngine& engine, const TickCounter& ticks) {
  bench.clearLog();
  if (!resetAndLoad(bench, engine)) return;

  const CallToRun call = splitCallToRun(bench.callBoxText());
  const std::uint32_t start = ticks();
  const std::string result = engine.CallFunction(call.name, call.arguments);
  if (result.empty()) {
    const std::string report = engine.ErrorReport();
    if (engine::hostreport::isFailure(report)) {
      appendFailureBlock(bench, kRunFailedHeader, report);
      appendBrowserNotes(bench, engine.TakeBrowserNotes());
      jumpToReportedLine(bench, engine::hostreport::reportedLine(report));
      return;
    }
  }
  const std::uint32_t elapsed = ticks() - start;
  appendResultBlock(bench, std::to_string(elapsed), result);
  appendBrowserNotes(bench, engine.TakeBrowserNotes());
}

}  // namespace

bool loadCodeCommand(Workbench& bench, engine::ScriptEngine& engine) {
  const bool loaded = loadCode(bench, engine);
  noteUnsafeObjects(bench, engine);
  return loaded;
}

void systemRunCommand(Workbench& bench, engine::ScriptEngine& engine, const TickCounter& ticks) {
  if (refuseMissingCall(bench)) return;
  systemRun(bench, engine, ticks);
  noteUnsafeObjects(bench, engine);
}

}  // namespace jsdebug::workflow
