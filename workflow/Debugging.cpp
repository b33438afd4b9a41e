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
  appendNotesAfterBlock(bench, engine.TakeBrowserNotes(), false);
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
  appendNotesAfterBlock(bench, engine.TakeBrowserNotes(), false);
  return true;
}

void systemRun(Workbench& bench, engine::ScriptEngine& engine, const TickCounter& ticks) {
  bench.clearLog();
  if (!resetAndLoad(bench, engine)) return;

  const std::string callText = bench.callBoxText();
  const CallToRun call = splitCallToRun(callText);
  // A call whose "(" never closes would lose its arguments in the split and run as name():
  // the engine gets it as typed and refuses it as the syntax error it is.
  const bool unclosed = callIsUnclosed(callText);
  const std::uint32_t start = ticks();
  const std::string result = unclosed ? engine.Evaluate(callAsTyped(callText))
                                      : engine.CallFunction(call.name, call.arguments);
  if (result.empty()) {
    const std::string report = engine.ErrorReport();
    if (engine::hostreport::isFailure(report)) {
      appendFailureBlock(bench, kRunFailedHeader, report);
      appendReasonLine(bench, engine::jscript::refusalReason(
                                  engine.LastError(), bench.editor().wholeText(),
                                  call.name + "(" + call.arguments + ")"));
      appendNotesAfterBlock(bench, engine.TakeBrowserNotes(), true);
      jumpToReportedLine(bench, engine::hostreport::reportedLine(report));
      return;
    }
  }
  const std::uint32_t elapsed = ticks() - start;
  appendResultBlock(bench, std::to_string(elapsed), result);
  appendNotesAfterBlock(bench, engine.TakeBrowserNotes(), true);
}

}  // namespace

bool loadCodeCommand(Workbench& bench, engine::ScriptEngine& engine) {
  const bool loaded = loadCode(bench, engine);
  noteUnsafeObjects(bench, engine);
  return loaded;
}

bool systemRunCommand(Workbench& bench, engine::ScriptEngine& engine, const TickCounter& ticks) {
  if (refuseMissingCall(bench)) return false;
  systemRun(bench, engine, ticks);
  noteUnsafeObjects(bench, engine);
  return true;
}

}  // namespace jsdebug::workflow
