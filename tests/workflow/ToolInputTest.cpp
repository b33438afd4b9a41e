// What the 编码工具 window is opened with: the editor's selection, or the log's last result.

#include <gtest/gtest.h>

#include "workflow/HeadlessWorkbench.h"
#include "workflow/OutputLog.h"

using namespace jsdebug::workflow;

TEST(ToolInput, LastResultOfTheLog) {
  const std::string sep(65, '-');
  const auto block = [&](const std::string& value) {
    return "代码运算成功!!执行时间：1\r\n" + sep + "\r\n\r\n返回内容：" + value + "\r\n\r\n" + sep;
  };
  const std::pair<std::string, std::string> rows[] = {
      {"", ""},
      {block("abc123"), "abc123"},
      {block("first") + block("中文\r\n两行"), "中文\r\n两行"},
      {block(""), ""},
      // The run's block followed by the console block.
      {block("v") + "\r\n控制台输出：\r\n" + sep + "\r\n\r\nlog\r\n\r\n" + sep, "v"},
      {"代码加载失败!!\r\n" + sep + "\r\n\r\n错误代码：  5009\r\n\r\n" + sep, ""},
      {"返回内容：cut short", ""},
  };
  for (const auto& [log, value] : rows) EXPECT_EQ(value, lastResult(log)) << log;
}

TEST(ToolInput, SelectionFirstThenTheLastResult) {
  HeadlessWorkbench bench;
  bench.memoryEditor.setText("var s = '中文';");
  bench.appendLog("代码运算成功!!执行时间：1\r\n" + kLogSeparator + "\r\n\r\n返回内容：结果\r\n\r\n" +
                  kLogSeparator);
  EXPECT_EQ("结果", selectionOrLastResult(bench));
  bench.memoryEditor.setSelection(9, 13);
  EXPECT_EQ("中文", selectionOrLastResult(bench));
}
