// jsdebug-cli debug: its options, and the pause blocks before the run's log on standard output.

#include <gtest/gtest.h>

#include <fstream>

#include "tests/cli/CliHarness.h"
#include "tests/support/TempDir.h"

using namespace jsdebug::testing;

namespace {

struct DebugCli : ::testing::Test {
  jsdebug::testsupport::TempDir dir{"jsdebug-debug-cli"};
  std::string script = (dir.path() / "s.js").string();
  void SetUp() override {
    std::ofstream(script, std::ios::binary) << "function f(a) {\n  var b = a * 2;\n\n  return b;\n}\n";
  }
};

}  // namespace

TEST_F(DebugCli, BadOptionsAreUsageErrors) {
  const std::vector<std::vector<std::string>> rows = {
      {"debug", script},
      {"debug", script, "f(1)", "--break"},
      {"debug", script, "f(1)", "--break", "0"},
      {"debug", script, "f(1)", "--break", "2x"},
      {"debug", script, "f(1)", "--do", "over,step"},
      {"debug", script, "f(1)", "--watch"},
      {"debug", script, "f(1)", "--speed", "1"},
  };
  for (const auto& args : rows) {
    SCOPED_TRACE(args.back());
    const Outcome o = runCommand(args);
    EXPECT_EQ(2, o.status);
    EXPECT_EQ("", o.out);
    EXPECT_NE("", o.err);
  }
}

// CALL and EXPR come from a UTF-8 terminal; the output is the program's GBK.
TEST_F(DebugCli, PausesThenTheRunsBlock) {
  const Outcome o = runCommand({"debug", script, "f(3)", "--break", "3", "--do", "over", "--watch",
                                "b + 1", "--watch", "\xe4\xb8\xad\xe6\x96\x87", "--watch", "b +"});
  EXPECT_EQ(0, o.status) << o.err;
  const std::string expectedStart =
      "断点：第 3 行没有代码，改设在第 4 行\r\n"
      "暂停：第 4 行\r\n调用栈：\r\n  f 第 4 行\r\n局部变量：\r\n  a = 3\r\n  b = 6\r\n"
      "监视：\r\n  b + 1 = 7\r\n  中文 = 错误：'中文' 未定义\r\n  b + = 错误：语法错误\r\n\r\n"
      "代码运算成功!!执行时间：";
  EXPECT_EQ(expectedStart, o.out.substr(0, expectedStart.size()));
  EXPECT_NE(std::string::npos, o.out.find("返回内容：6\r\n"));
}

TEST_F(DebugCli, AFailedRunExitsWithOne) {
  const Outcome o = runCommand({"debug", script, "g(1)", "--break", "2"});
  EXPECT_EQ(1, o.status);
  EXPECT_EQ(0u, o.out.find("\xb4\xfa\xc2\xeb\xd4\xcb\xcb\xe3\xca\xa7\xb0\xdc!!"));  // 代码运算失败!! in GBK
}
