#include "workflow/OutputLog.h"

#include <cstdint>

#include "text/Text.h"

namespace jsdebug {

void appendFailureBlock(Workbench& bench, const std::string& header, const std::string& body) {
  bench.appendLog(header);
  bench.appendLog(kLogSeparator + "\r\n\r\n");
  bench.appendLog(body);
  bench.appendLog("\r\n\r\n");
  bench.appendLog(kLogSeparator);
}

void appendResultBlock(Workbench& bench, const std::string& milliseconds, const std::string& result) {
  bench.appendLog("代码运算成功!!执行时间：" + milliseconds + "\r\n");
  bench.appendLog(kLogSeparator + "\r\n\r\n");
  bench.appendLog("返回内容：" + result + "\r\n\r\n" + kLogSeparator);
}

void appendLoadSuccessBlock(Workbench& bench) {
  bench.appendLog("代码加载成功!!\r\n");
  bench.appendLog(kLogSeparator + "\r\n\r\n\r\n\r\n");
  bench.appendLog("小提示：双击函数名调用方法自动写入调试框！\r\n\r\n\r\n\r\n");
  bench.appendLog(kLogSeparator);
}

void jumpToReportedLine(Workbench& bench, const std::string& lineText) {
  bench.setFocus(Control::CodeEditor);
  // The editor ignores a negative line, which is what "no number" and "0" come to. The line text
  // comes from an error report and may hold any number: the most negative one must not wrap
  // round to a line far down the script.
  const std::int32_t number = text::toInteger(lineText);
  bench.editor().moveCaretToLine(number < 1 ? -1 : number - 1);
}

}  // namespace jsdebug
