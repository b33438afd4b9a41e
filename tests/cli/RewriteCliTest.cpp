// jsdebug-cli to-jscript: the converted text on standard output, ready for `run`; the log on
// standard error; status 1 with the reasons when it cannot convert.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/cli/CliHarness.h"
#include "tests/support/TempDir.h"

namespace {

using jsdebug::testing::Outcome;
using jsdebug::testing::runCommand;

std::string write(const jsdebug::testsupport::TempDir& dir, const std::string& name, const std::string& text) {
  const std::string path = dir.file(name);
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

TEST(CliToJScript, PrintsTheConvertedTextThatRunThenRuns) {
  jsdebug::testsupport::TempDir dir("jsdebug-tojscript-");
  const std::string modern = write(dir, "a.js", "const twice = (s) => `${s}${s}`;\nfunction test(s) { return [twice(s)].map(x => x.length).join(); }\n");
  Outcome converted = runCommand({"to-jscript", modern});
  ASSERT_EQ(0, converted.status) << converted.err;
  EXPECT_EQ(0u, converted.err.find("转为JScript成功!!\r\n"));
  EXPECT_NE(std::string::npos, converted.err.find("补充的库：Array.prototype.iteration（"));
  EXPECT_NE(std::string::npos, converted.out.find("var twice = function (s) {"));

  // The system engine refuses the original and runs the conversion.
  EXPECT_EQ(1, runCommand({"run", modern, "test('ab')"}).status);
  Outcome ran = runCommand({"run", write(dir, "b.js", converted.out), "test('ab')"});
  EXPECT_EQ(0, ran.status);
  EXPECT_NE(std::string::npos, ran.out.find("返回内容：4\r\n"));
}

TEST(CliToJScript, WithACallComparesTheEngines) {
  jsdebug::testsupport::TempDir dir("jsdebug-tojscript-");
  Outcome o = runCommand({"to-jscript", write(dir, "a.js", "function test(a, b = 2) { return a ** b; }"), "test(3)"});
  EXPECT_EQ(0, o.status) << o.err;
  EXPECT_NE(std::string::npos, o.err.find("验证 test(3)：两个引擎的结果相同：9\r\n"));
}

TEST(CliToJScript, RefusalPrintsNothingAndSaysWhyWithTheLine) {
  jsdebug::testsupport::TempDir dir("jsdebug-tojscript-");
  Outcome o = runCommand({"to-jscript", write(dir, "a.js", "var a = 1;\nvar o = { get x() { return 1; } };\n")});
  EXPECT_EQ(1, o.status);
  EXPECT_EQ("", o.out);
  EXPECT_NE(std::string::npos, o.err.find("getter/setter（get x）：JScript 5.7 没有访问器属性（第2行）"));
  // A file that is not there is a refusal too, not a conversion of nothing.
  EXPECT_EQ(1, runCommand({"to-jscript", dir.file("missing.js")}).status);
}

}  // namespace
