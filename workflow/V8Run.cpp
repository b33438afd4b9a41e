#include "workflow/V8Run.h"

#include <cstdio>

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

void v8RunCommand(Workbench& bench, engine::V8Bridge& bridge, const TickCounter& ticks) {
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
    appendBrowserNotes(bench, notes);
    jumpToReportedLine(bench, line);
    return;
  }
  appendResultBlock(bench, elapsedText(ticks() - start), result);
  appendBrowserNotes(bench, notes);
}

}  // namespace jsdebug::workflow
