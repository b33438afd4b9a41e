// The two error reports read back what was written into them, and only reports read as failures.

#include <gtest/gtest.h>

#include <string>

#include "engine/HostReport.h"
#include "v8engine/Report.h"

using namespace jsdebug;
using namespace jsdebug::engine;

TEST(V8Report, ReadsBackWhatItHolds) {
  struct Row {
    std::string text;
    bool failure;
    std::string line, message;
  };
  const Row rows[] = {
      {v8report::errorReport("12", "SyntaxError: x"), true, "12", "SyntaxError: x"},
      {v8report::errorReport("0", ""), true, "0", ""},
      // The shortened forms: a failure with no line, so the caret stays.
      {v8report::messageOnly("缓冲区太小"), true, "", "缓冲区太小"},
      {std::string(v8report::kFailureMarker), true, "", ""},
      // A value that spells the marker counts as a failure; one that spells the line label alone
      // does not.
      {"abc错误信息", true, "", ""},
      {"错误所在行:\r\n3\r\n", false, "3", ""},
      {"abc123", false, "", ""},
      {"", false, "", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(row.failure, v8report::isFailure(row.text));
    EXPECT_EQ(row.line, v8report::reportedLine(row.text));
    EXPECT_EQ(row.message, v8report::reportedMessage(row.text));
  }
  EXPECT_EQ("错误所在行:\r\n7\r\n错误信息:\r\nm\r\n", v8report::errorReport("7", "m"));
}

TEST(HostReport, ReadsBackItsLineAndTheUndefinedName) {
  const std::string report =
      hostreport::errorReport("5009", "JavaScript 运行时错误", "'abc' 未定义", "", "3", "2");
  EXPECT_EQ("错误代码：  5009\r\n错误说明：  JavaScript 运行时错误 【'abc' 未定义】\r\n错误语句：  "
            "\r\n错误所在行：  3\r\n错误所在行的位置：  2",
            report);
  EXPECT_TRUE(hostreport::isFailure(report));
  // The line is the fourth line's value, not the column's, whose label begins the same way.
  EXPECT_EQ("3", hostreport::reportedLine(report));
  EXPECT_TRUE(hostreport::mentionsUndefined(report));
  EXPECT_EQ("abc", hostreport::undefinedName(report));

  const std::string syntax =
      hostreport::errorReport("1002", "JavaScript 编译错误", "语法错误", "var c = ;", "14", "8");
  EXPECT_EQ("14", hostreport::reportedLine(syntax));
  EXPECT_FALSE(hostreport::mentionsUndefined(syntax));
  EXPECT_FALSE(hostreport::isFailure(""));
}
