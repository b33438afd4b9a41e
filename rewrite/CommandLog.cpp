#include "rewrite/CommandLog.h"

#include "text/Text.h"
#include "v8engine/Report.h"
#include "workflow/OutputLog.h"

namespace jsdebug::rewrite {

void refuse(workflow::Workbench& bench, const char* header, const std::string& body, long line) {
  bench.runOnGuiThread([&] {
    bench.clearLog();
    workflow::appendFailureBlock(bench, header, body);
    if (line > 0) workflow::jumpToReportedLine(bench, std::to_string(line));
  });
}

std::string failedAnswer(const std::string& line, const std::string& message) {
  return "错误（第" + line + "行）：" + message;
}

std::string v8Answer(const std::string& result) {
  if (!v8report::isFailure(result)) return result;
  return failedAnswer(v8report::reportedLine(result), v8report::reportedMessage(result));
}

std::string verifyHead(const std::string& call) { return "验证 " + text::trimBlanks(call) + "："; }

}  // namespace jsdebug::rewrite
