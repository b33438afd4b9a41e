#include "workflow/OutputLog.h"

#include <cstdint>

#include "text/Text.h"
#include "workflow/CallBox.h"

namespace jsdebug::workflow {

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

std::string lastResult(const std::string& log) {
  static const std::string kValueLabel = "返回内容：";
  const std::size_t label = log.rfind(kValueLabel);
  if (label == std::string::npos) return {};
  const std::size_t from = label + kValueLabel.size();
  // The block's own end, not a separator-like line inside the value or a block after it.
  const std::size_t end = log.rfind("\r\n\r\n" + kLogSeparator);
  if (end == std::string::npos || end < from) return {};
  std::size_t stop = log.find("\r\n\r\n" + kLogSeparator, from);
  return log.substr(from, stop - from);
}

std::string selectionOrLastResult(Workbench& bench) {
  EditorOperations& editor = bench.editor();
  const int start = editor.getSelectionStart();
  const int end = editor.getSelectionEnd();
  if (end > start) return editor.getText(end).substr(static_cast<std::size_t>(start));
  return lastResult(bench.logText());
}

void appendReasonLine(Workbench& bench, const std::string& reason) {
  if (!reason.empty()) bench.appendLog("\r\n" + reason);
}

namespace {

// A console line may hold line breaks of any kind; the log's are CR LF.
std::string logLines(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      out += "\r\n";
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += c;
    }
  }
  return out;
}

void appendNoteBlock(Workbench& bench, const std::string& header, const std::string& body) {
  bench.appendLog("\r\n");
  appendFailureBlock(bench, header, body);
}

}  // namespace

void appendBrowserNotes(Workbench& bench, const engine::BrowserNotes& notes) {
  if (!notes.console.empty() || notes.droppedLines > 0 || notes.droppedTimers > 0) {
    std::string body;
    for (const std::string& line : notes.console) {
      if (!body.empty()) body += "\r\n";
      body += logLines(line);
    }
    auto note = [&body](const std::string& text) {
      if (!body.empty()) body += "\r\n";
      body += text;
    };
    if (notes.droppedLines > 0)
      note("……另有 " + std::to_string(notes.droppedLines) + " 行输出未显示");
    if (notes.droppedTimers > 0)
      note("……定时器回调次数已到上限，另有 " + std::to_string(notes.droppedTimers) + " 个未运行");
    appendNoteBlock(bench, kConsoleHeader, body);
  }
  if (!notes.missing.empty()) {
    std::string body;
    for (const std::string& name : notes.missing) {
      if (!body.empty()) body += "\r\n";
      body += name;
    }
    if (notes.droppedMissing > 0)
      body += "\r\n……另有 " + std::to_string(notes.droppedMissing) + " 个未列出";
    appendNoteBlock(bench, kMissingHeader, body);
  }
}

void appendNotesAfterBlock(Workbench& bench, const engine::BrowserNotes& notes, bool ranTheCall) {
  const std::size_t blockEnd = bench.logText().size();
  appendBrowserNotes(bench, notes);
  if (ranTheCall) noteLostCallCharacters(bench);
  if (bench.logText().size() != blockEnd) bench.scrollLogToTop();
}

void appendLogLine(Workbench& bench, const std::string& line) {
  const std::string log = bench.logText();
  if (!log.empty() && log.back() != '\n' && log.back() != '\r') bench.appendLog("\r\n");
  bench.appendLog(line);
}

void jumpToReportedLine(Workbench& bench, const std::string& lineText) {
  bench.setFocus(Control::CodeEditor);
  // The editor ignores a negative line, which is what "no number" and "0" come to. The line text
  // comes from an error report and may hold any number: the most negative one must not wrap
  // round to a line far down the script.
  const std::int32_t number = text::toInteger(lineText);
  bench.editor().moveCaretToLine(number < 1 ? -1 : number - 1);
}

}  // namespace jsdebug::workflow
