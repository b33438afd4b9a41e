#include "workflow/V8Run.h"

#include <cstdio>
#include <optional>

#include "text/Text.h"
#include "v8engine/Report.h"
#include "workflow/CallBox.h"
#include "workflow/OutputLog.h"

namespace jsdebug::workflow {
namespace {

std::string elapsedText(std::uint32_t milliseconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%.13g", static_cast<double>(milliseconds));
  return text;
}

}  // namespace

std::string v8BufferLengthProblem(std::string_view boxText) {
  const std::string range = std::to_string(kMinimumV8BufferLength) + " 到 " +
                            std::to_string(kMaximumV8BufferLength) + " 之间的整数";
  const std::optional<std::int64_t> length = text::wholeInteger(boxText);
  if (!length) return "V8缓冲区长度“" + std::string(boxText) + "”不是整数，请填写 " + range + "。";
  if (*length < kMinimumV8BufferLength)
    return "V8缓冲区长度 " + std::to_string(*length) + " 太小，至少要 " +
           std::to_string(kMinimumV8BufferLength) +
           "：更短的缓冲区连出错的报告都装不下，运行出错也会显示为成功。";
  if (*length > kMaximumV8BufferLength)
    return "V8缓冲区长度 " + std::string(text::trimBlanks(boxText)) +
           " 超出了易语言整数型的范围，请填写 " + range + "。";
  return {};
}

bool refuseBadV8BufferLength(Workbench& bench) {
  const std::string problem = v8BufferLengthProblem(bench.v8BufferLengthText());
  if (problem.empty()) return false;
  bench.messageBox(problem, kDefaultMessageTitle, MessageIcon::Error);
  bench.setFocus(Control::V8BufferLengthBox);
  return true;
}

void v8RunCommand(Workbench& bench, engine::V8Bridge& bridge, const TickCounter& ticks) {
  // Before the engine: a buffer too short to carry a failure would show every failure as success.
  if (refuseBadV8BufferLength(bench)) return;
  // The call box's "(" never closes: the split would send name() without the arguments. It is
  // refused as the system engine refuses it, in the form V8 reports a call's syntax error (line
  // 0: no line of the script).
  if (const std::optional<engine::ScriptError> error = unclosedCallError(bench.callBoxText())) {
    bench.clearLog();
    appendFailureBlock(bench, kRunFailedHeader,
                       "错误行:0\r\n\r\n错误信息:SyntaxError: " + error->Description);
    appendNotesAfterBlock(bench, {}, true);
    jumpToReportedLine(bench, "0");
    return;
  }
  const CallToRun call = splitCallToRun(bench.callBoxText());
  // The time covers reading the editor, the engine call and the log work after it: what the
  // user waited for, not the engine alone.
  const std::uint32_t start = ticks();
  const std::string script = bench.editor().wholeText();
  const int bufferLength = text::toInteger(bench.v8BufferLengthText());
  // The console is always there; the page address switches the browser environment on.
  const std::string location =
      bench.browserEnvironmentOn() ? engine::pageAddress(bench.urlBoxText()) : "";
  engine::BrowserNotes notes;
  const std::string result =
      bridge.executeV8(script, call.name, call.arguments, bufferLength, location, notes);
  bench.clearLog();

  if (v8report::isFailure(result)) {
    const std::string line = v8report::reportedLine(result);
    const std::string message = v8report::reportedMessage(result);
    appendFailureBlock(bench, kRunFailedHeader, "错误行:" + line + "\r\n\r\n错误信息:" + message);
    appendNotesAfterBlock(bench, notes, true);
    jumpToReportedLine(bench, line);
    return;
  }
  appendResultBlock(bench, elapsedText(ticks() - start), result);
  appendNotesAfterBlock(bench, notes, true);
}

}  // namespace jsdebug::workflow
