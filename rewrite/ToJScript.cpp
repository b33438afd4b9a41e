#include "rewrite/ToJScript.h"

#include "engine/HostReport.h"
#include "text/Text.h"
#include "v8engine/Report.h"
#include "workflow/CallBox.h"
#include "workflow/OutputLog.h"

namespace jsdebug::rewrite {
namespace {

constexpr const char* kCrLf = "\r\n";

bool hasCall(workflow::Workbench& bench) {
  const std::string call = bench.callBoxText();
  return !text::trimBlanks(call).empty() && call != workflow::kCallBoxCueText;
}

// A value or an error as one piece of the log: the error's message, marked as one.
std::string v8Answer(const std::string& result, bool& failed) {
  failed = v8report::isFailure(result);
  if (!failed) return result;
  return "错误（第" + v8report::reportedLine(result) + "行）：" + v8report::reportedMessage(result);
}

// The call on both engines, as one line or three.
std::string compareAnswers(workflow::Workbench& bench, engine::ScriptEngine& engine,
                           engine::V8Bridge& bridge, const std::string& original) {
  const std::string call = bench.callBoxText();
  const workflow::CallToRun split = workflow::splitCallToRun(call);
  bool v8Failed = false;
  // Both engines with the browser switch as it is set, as 对比运行 runs them.
  const std::string location =
      bench.browserEnvironmentOn() ? engine::pageAddress(bench.urlBoxText()) : "";
  engine::BrowserNotes notes;
  const std::string v8 = v8Answer(bridge.executeV8(original, split.name, split.arguments,
                                                   text::toInteger(bench.v8BufferLengthText()), location, notes),
                                  v8Failed);
  std::string system = engine.CallFunction(split.name, split.arguments);
  bool systemFailed = false;
  if (system.empty()) {
    const std::string report = engine.ErrorReport();
    if (engine::hostreport::isFailure(report)) {
      systemFailed = true;
      system = "错误（第" + engine::hostreport::reportedLine(report) + "行）：" +
               text::TextBetween(report, "【", "】");
    }
  }
  const std::string head = "验证 " + text::trimBlanks(call) + "：";
  if (!v8Failed && !systemFailed && v8 == system) return head + kAnswersAgree + "：" + v8;
  return head + kAnswersDiffer + kCrLf + "V8（原代码）：" + v8 + kCrLf + "系统引擎（转换后）：" + system;
}

void refuse(workflow::Workbench& bench, const std::string& body, long line) {
  bench.clearLog();
  workflow::appendFailureBlock(bench, kToJScriptFailed, body);
  if (line > 0) workflow::jumpToReportedLine(bench, std::to_string(line));
}

}  // namespace

ToJScriptOutcome toJScriptCommand(workflow::Workbench& bench, engine::ScriptEngine& engine,
                                  engine::V8Bridge* bridge, Rewriter& rewriter) {
  const std::string original = bench.editor().wholeText();
  if (text::trimBlanks(original).empty()) {
    refuse(bench, "编辑框中没有代码", 0);
    return ToJScriptOutcome::Refused;
  }
  const Outcome converted = rewriter.run("to-jscript", original);
  if (!converted.ok()) {
    refuse(bench, converted.failure, 0);
    return ToJScriptOutcome::Refused;
  }
  if (!converted.problems.empty() || !converted.hasText) {
    std::string body = "以下内容无法转换为 JScript 5.7，编辑框中的代码未改动：";
    for (const Problem& p : converted.problems) body += kCrLf + p.message;
    refuse(bench, body, converted.problems.empty() ? 0 : converted.problems.front().line);
    return ToJScriptOutcome::Refused;
  }

  // Loaded the way 加载代码 loads, the browser switch included.
  engine.SetBrowserEnvironment(bench.browserEnvironmentOn(), engine::pageAddress(bench.urlBoxText()));
  engine.Reset();
  if (!engine.LoadCode(converted.text)) {
    const std::string report = engine.ErrorReport();
    engine.TakeBrowserNotes();
    refuse(bench,
           std::string("转换后的代码不能在系统引擎中加载，编辑框中的代码未改动：") + kCrLf + report, 0);
    return ToJScriptOutcome::Refused;
  }

  std::string body;
  for (const std::string& line : converted.report) body += line + kCrLf;
  body += "验证：转换后的代码在系统引擎中加载成功";
  if (bridge != nullptr && hasCall(bench)) body += kCrLf + compareAnswers(bench, engine, *bridge, original);
  engine.TakeBrowserNotes();

  {
    workflow::EditRun oneStep(bench.editor());
    bench.editor().setText(converted.text);
  }
  bench.clearLog();
  workflow::appendFailureBlock(bench, kToJScriptDone, body);
  return ToJScriptOutcome::Converted;
}

}  // namespace jsdebug::rewrite
