#include "rewrite/ToJScript.h"

#include "engine/HostReport.h"
#include "rewrite/Background.h"
#include "rewrite/CommandLog.h"
#include "text/Text.h"
#include "v8engine/Report.h"
#include "workflow/CallBox.h"
#include "workflow/OutputLog.h"

namespace jsdebug::rewrite {
namespace {

using workflow::kCrLf;

// What the command reads from the window, taken at once on the GUI thread: the worker then
// works on this copy, and the result lands only on the text it was made from.
struct Snapshot {
  std::string original;
  std::string call;
  bool browser = false;
  std::string url;
  int bufferLength = 0;
};

// The call on both engines, as one line or three. V8 runs on the calling thread; the system
// engine, which the window's own runs share, only on the GUI thread.
std::string compareAnswers(workflow::Workbench& bench, engine::ScriptEngine& engine,
                           engine::V8Bridge& bridge, const Snapshot& s) {
  const workflow::CallToRun split = workflow::splitCallToRun(s.call);
  // Both engines with the browser switch as it is set, as 对比运行 runs them.
  const std::string location = s.browser ? engine::pageAddress(s.url) : "";
  engine::BrowserNotes notes;
  const std::string v8Result =
      bridge.executeV8(s.original, split.name, split.arguments, s.bufferLength, location, notes);
  // An error's message could read like the other engine's value: which one failed counts too.
  const bool v8Failed = v8report::isFailure(v8Result);
  const std::string v8 = v8Answer(v8Result);
  std::string system;
  bool systemFailed = false;
  bench.runOnGuiThread([&] {
    system = engine.CallFunction(split.name, split.arguments);
    if (system.empty()) {
      const std::string report = engine.ErrorReport();
      if (engine::hostreport::isFailure(report)) {
        systemFailed = true;
        system = failedAnswer(engine::hostreport::reportedLine(report), text::TextBetween(report, "【", "】"));
      }
    }
  });
  const std::string head = verifyHead(s.call);
  if (!v8Failed && !systemFailed && v8 == system) return head + kAnswersAgree + "：" + v8;
  return head + kAnswersDiffer + kCrLf + "V8（原代码）：" + v8 + kCrLf + "系统引擎（转换后）：" + system;
}

}  // namespace

ToJScriptOutcome toJScriptCommand(workflow::Workbench& bench, engine::ScriptEngine& engine,
                                  engine::V8Bridge* bridge, Rewriter& rewriter) {
  Snapshot s;
  bench.runOnGuiThread([&] {
    s.original = bench.editor().wholeText();
    s.call = bench.callBoxText();
    s.browser = bench.browserEnvironmentOn();
    s.url = bench.urlBoxText();
    s.bufferLength = text::toInteger(bench.v8BufferLengthText());
  });
  if (s.original.find_first_not_of(" \t\r\n") == std::string::npos) {
    refuse(bench, kToJScriptFailed, "编辑框中没有代码", 0);
    return ToJScriptOutcome::Refused;
  }
  const Outcome converted = rewriter.run("to-jscript", s.original);
  if (!converted.ok()) {
    refuse(bench, kToJScriptFailed, converted.failure, 0);
    return ToJScriptOutcome::Refused;
  }
  if (!converted.problems.empty() || !converted.hasText) {
    std::string body = "以下内容无法转换为 JScript 5.7，编辑框中的代码未改动：";
    for (const Problem& p : converted.problems) body += kCrLf + p.message;
    refuse(bench, kToJScriptFailed, body, converted.problems.empty() ? 0 : converted.problems.front().line);
    return ToJScriptOutcome::Refused;
  }

  // Loaded the way 加载代码 loads, the browser switch included.
  std::string loadFailure;
  bench.runOnGuiThread([&] {
    engine.SetBrowserEnvironment(s.browser, engine::pageAddress(s.url));
    engine.Reset();
    if (!engine.LoadCode(converted.text)) {
      loadFailure = engine.ErrorReport();
      engine.TakeBrowserNotes();
    }
  });
  if (!loadFailure.empty()) {
    refuse(bench, kToJScriptFailed,
           std::string("转换后的代码不能在系统引擎中加载，编辑框中的代码未改动：") + kCrLf + loadFailure, 0);
    return ToJScriptOutcome::Refused;
  }

  std::string body;
  for (const std::string& line : converted.report) body += line + kCrLf;
  body += "验证：转换后的代码在系统引擎中加载成功";
  if (bridge != nullptr && workflow::callBoxHoldsCall(s.call))
    body += kCrLf + compareAnswers(bench, engine, *bridge, s);

  ToJScriptOutcome outcome = ToJScriptOutcome::Converted;
  bench.runOnGuiThread([&] {
    engine.TakeBrowserNotes();
    if (bench.editor().wholeText() != s.original) {
      bench.clearLog();
      workflow::appendFailureBlock(bench, kToJScriptFailed, kEditedMeanwhile);
      outcome = ToJScriptOutcome::Refused;
      return;
    }
    if (converted.text != s.original) {
      workflow::EditRun oneStep(bench.editor());
      bench.editor().setText(converted.text);
    }
    bench.clearLog();
    workflow::appendFailureBlock(bench, kToJScriptDone, body);
  });
  return outcome;
}

void toJScriptInBackground(workflow::Workbench& bench, engine::ScriptEngine& engine,
                           engine::V8Bridge* bridge, std::function<void()> finished) {
  startRewrite(
      bench, "转为JScript", [&bench, &engine, bridge] { toJScriptCommand(bench, engine, bridge); },
      std::move(finished));
}

}  // namespace jsdebug::rewrite
