#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "cli/Cli.h"
#include "tests/cli/CliHarness.h"
#include "generate/ECode.h"
#include "generate/TestPage.h"
#include "platform/FileBytes.h"
#include "tests/support/LoopbackHttpServer.h"
#include "tests/support/TempDir.h"
#include "text/Codec.h"

using namespace jsdebug;

namespace {

namespace fs = std::filesystem;

using jsdebug::testing::Outcome;
using jsdebug::testing::runCommand;

TEST(CliGenerate, GeneratedTextsGoToStandardOutput) {
  Outcome o = runCommand({"gen-e", "test('abc', 123)"});
  EXPECT_EQ(0, o.status);
  EXPECT_EQ(generate::systemCallingCode("test('abc', 123)"), o.out);
  EXPECT_EQ(std::string("[信息：] ") + generate::kSystemCodeCopiedMessage + "\n", o.err);

  o = runCommand({"--utf8", "gen-v8", gbk::toUtf8("test('中文')"), " 2048"});
  EXPECT_EQ(0, o.status);
  EXPECT_EQ(gbk::toUtf8(generate::v8CallingCode("test('中文')", " 2048")), o.out);

  o = runCommand({"gen-v8", "t(1)"});
  EXPECT_EQ(generate::v8CallingCode("t(1)", "1024"), o.out);
}

TEST(CliGenerate, MissingCallIsRefused) {
  for (const char* command : {"gen-e", "gen-v8"}) {
    Outcome o = runCommand({command, ""});
    EXPECT_EQ("[信息：] 请输入调用方法 如 test('abc',123) 或者双击调用函数名\n", refusal(o));
    Outcome unclosed = runCommand({command, "test('abc',123"});
    EXPECT_EQ("[信息：] 调用方法有语法错误：缺少 ')'（错误代码 1006，位置 14）\n", refusal(unclosed));
  }
  // The length goes into the E source as E's integer: 2^31 would not compile there.
  Outcome big = runCommand({"gen-v8", "test(1)", "2147483648"});
  EXPECT_EQ(1, big.status);
  EXPECT_EQ("", big.out);
  EXPECT_NE(std::string::npos, big.err.find("2147483647"));
}

class CliPage : public ::testing::Test {
 protected:
  void SetUp() override {
    script = (dir / "s.js").string();
    ASSERT_FALSE(platform::writeFileBytes(script, "function test(a,b){return a+b}"));
  }
  testsupport::TempDir scratch{"jsdebug_cli_page_"};
  const fs::path& dir = scratch.path();
  std::string script;
};

TEST_F(CliPage, WritesThePageToOut) {
  const std::string out = (dir / "page.html").string();
  Outcome o = runCommand({"page", script, "test(1,2)", out});
  EXPECT_EQ(0, o.status) << o.err;
  EXPECT_EQ(generate::testPageText("function test(a,b){return a+b}", "test(1,2)"),
            platform::readFileBytes(out));
}

TEST_F(CliPage, RefusedOrUnwritablePageFails) {
  const std::string out = (dir / "page.html").string();
  EXPECT_EQ(1, runCommand({"page", script, "", out}).status);
  EXPECT_FALSE(fs::exists(out));
  Outcome unclosed = runCommand({"page", script, "test(1,2", out});
  EXPECT_EQ(1, unclosed.status);
  EXPECT_EQ("[信息：] 调用方法有语法错误：缺少 ')'（错误代码 1006，位置 8）\n", unclosed.err);
  EXPECT_FALSE(fs::exists(out));
  Outcome o = runCommand({"page", script, "test(1,2)", dir.string()});
  EXPECT_EQ(1, o.status);
  EXPECT_NE(std::string::npos, o.err.find("cannot write"));
  EXPECT_EQ(2, runCommand({"page", script, "test(1,2)"}).status);
}

TEST(CliFetch, RawBodyBytesNulIncluded) {
  ::unsetenv("http_proxy");
  ::unsetenv("all_proxy");
  const std::string body("var a=1;\0var b=2;", 17);
  loopback::LoopbackHttpServer server([&](const std::string&) {
    return loopback::HttpReply{loopback::httpResponse("200 OK", body)};
  });
  Outcome o = runCommand({"fetch", server.url("/x.js")});
  EXPECT_EQ(0, o.status);
  EXPECT_EQ(body, o.out);
}

TEST(CliFetch, AFailedDownloadPrintsNothingAndSaysWhy) {
  ::unsetenv("http_proxy");
  ::unsetenv("all_proxy");
  loopback::LoopbackHttpServer server([&](const std::string&) {
    return loopback::HttpReply{loopback::httpResponse("404 Not Found", "<h1>no</h1>")};
  });
  Outcome o = runCommand({"fetch", server.url("/x.js")});
  EXPECT_EQ(1, o.status);
  EXPECT_EQ("", o.out);
  EXPECT_EQ("[信息：] 下载失败：" + server.url("/x.js") + "\r\n服务器返回错误状态 404，编辑框的代码没有改变。\n",
            o.err);
}

}  // namespace
