#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sstream>

#include "cli/Cli.h"
#include "text/Codec.h"

using namespace jsdebug;

namespace {

struct Outcome {
  int status;
  std::string out, err;
};

Outcome runCommand(std::vector<std::string> args) {
  std::ostringstream out, err;
  int status = cli::runCli(args, out, err);
  return {status, out.str(), err.str()};
}

std::string data(const std::string& name) { return std::string(JSDEBUG_SOURCE_DIR) + "/" + name; }

const std::string sep(65, '-');

}  // namespace

TEST(CliRun, DefaultCodeReturnsAbc123) {
  Outcome o = runCommand({"run", data("examples/test.js"), "test('abc',123)"});
  EXPECT_EQ(0, o.status) << o.err;
  EXPECT_EQ(0u, o.out.find("代码运算成功!!执行时间："));
  EXPECT_NE(std::string::npos, o.out.find("\r\n" + sep + "\r\n\r\n返回内容：abc123\r\n\r\n" + sep));
}

TEST(CliRun, CallFromTheTerminalIsConvertedToGbk) {
  // Arguments arrive in UTF-8; literals here are GBK, so convert as a terminal would have them.
  Outcome o = runCommand({"--utf8", "run", data("examples/test.js"), gbk::toUtf8("test('中文',1)")});
  EXPECT_EQ(0, o.status);
  EXPECT_NE(std::string::npos, o.out.find(gbk::toUtf8("返回内容：中文1")));
}

TEST(CliRun, CueTextOrEmptyCallIsRefusedWithTheMessageOnStandardError) {
  Outcome o = runCommand({"run", data("examples/test.js"), ""});
  EXPECT_EQ(1, o.status);
  EXPECT_EQ("", o.out);
  EXPECT_EQ("[信息：] 请输入调用方法 如 test('abc',123) 或者双击调用函数名\n", o.err);
}

TEST(CliLoad, SyntaxErrorOnLineThreeFailsWithItsLine) {
  Outcome o = runCommand({"load", data("tests/data/syntax_error_line3.js")});
  EXPECT_EQ(1, o.status);
  EXPECT_EQ(0u, o.out.find("代码加载失败!!\r\n" + sep + "\r\n\r\n错误代码：  "));
  EXPECT_NE(std::string::npos, o.out.find("\r\n错误所在行：  3\r\n错误所在行的位置：  "));
}

TEST(CliLoad, SuccessfulLoad) {
  Outcome o = runCommand({"load", data("examples/test.js")});
  EXPECT_EQ(0, o.status);
  EXPECT_EQ(0u, o.out.find("代码加载成功!!\r\n"));
}

TEST(CliUsage, UnknownCommandsWrongArgumentsAndMissingFiles) {
  EXPECT_EQ(2, runCommand({}).status);
  EXPECT_EQ(2, runCommand({"--utf8"}).status);
  EXPECT_EQ(2, runCommand({"frobnicate"}).status);
  EXPECT_EQ(2, runCommand({"run", data("examples/test.js")}).status);
  EXPECT_EQ(2, runCommand({"load", "/nonexistent/x.js"}).status);
}

// The built executable, as a user runs it.
TEST(CliExecutable, PrintsTheResultBlockInUtf8) {
  const std::string command = std::string(JSDEBUG_CLI) + " --utf8 run " +
                              data("examples/test.js") + " \"test('abc',123)\"";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(nullptr, pipe);
  std::string out;
  std::array<char, 4096> buffer;
  for (std::size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) out.append(buffer.data(), n);
  EXPECT_EQ(0, pclose(pipe));
  EXPECT_NE(std::string::npos, out.find(gbk::toUtf8("返回内容：abc123")));
}
