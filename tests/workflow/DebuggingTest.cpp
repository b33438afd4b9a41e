#include <gtest/gtest.h>

#include "FakeScriptHost.h"
#include "workflow/CallBox.h"
#include "workflow/Debugging.h"
#include "workflow/HeadlessWorkbench.h"
#include "workflow/OutputLog.h"

using namespace jsdebug;
using namespace jsdebug::workflow;
using jsdebug::testing::FakeHostGuard;
using jsdebug::testing::FakeHostScript;

namespace {

const std::string sep(65, '-');

engine::ScriptError syntaxErrorOnLine3() {
  return {"1002", "Microsoft JScript 编译错误", "语法错误", "b = ;", "3", "4"};
}

const std::string kLine3Report =
    "错误代码：  1002\r\n错误说明：  Microsoft JScript 编译错误 【语法错误】\r\n"
    "错误语句：  b = ;\r\n错误所在行：  3\r\n错误所在行的位置：  4";

struct Fixture : ::testing::Test {
  FakeHostScript script;
  FakeHostGuard guard{script};
  HeadlessWorkbench bench;
  std::vector<std::string> notices;
  engine::ScriptEngine engine{[this](const std::string& t) { notices.push_back(t); }};
  std::uint32_t now = 1000;
  TickCounter ticks = [this] { return now += 5; };

  void SetUp() override {
    script.loadError = {"0", "", "", "", "", ""};
    bench.editor().setText("l1\r\nl2\r\nl3\r\nl4");
    bench.editor().moveCaretToPos(1);
  }
};

}  // namespace

using LoadCode = Fixture;

TEST_F(LoadCode, SuccessWritesTheLoadBlockOnly) {
  bench.log = "old";
  EXPECT_TRUE(loadCodeCommand(bench, engine));
  EXPECT_EQ("代码加载成功!!\r\n" + sep + "\r\n\r\n\r\n\r\n" +
                "小提示：双击函数名调用方法自动写入调试框！\r\n\r\n\r\n\r\n" + sep,
            bench.log);
  EXPECT_EQ("l1\r\nl2\r\nl3\r\nl4", script.lastCode);
  EXPECT_EQ(1, script.resets);
  EXPECT_TRUE(bench.focusHistory.empty());
}

TEST_F(LoadCode, SyntaxErrorWritesTheReportAndJumpsToItsLine) {
  script.loadError = syntaxErrorOnLine3();
  EXPECT_FALSE(loadCodeCommand(bench, engine));
  EXPECT_EQ("代码加载失败!!\r\n" + sep + "\r\n\r\n" + kLine3Report + "\r\n\r\n" + sep, bench.log);
  ASSERT_EQ(1u, bench.focusHistory.size());
  EXPECT_EQ(Control::CodeEditor, bench.focusHistory[0]);
  EXPECT_EQ(8, bench.editor().getCurrentPos());  // start of line 3
  EXPECT_EQ("", bench.findBox);
}

TEST_F(LoadCode, UndefinedNameGoesToTheFindBox) {
  script.loadError = {"5009", "Microsoft JScript 运行时错误", "'abc' 未定义", "abc()", "1", "0"};
  bench.findBox = "before";
  loadCodeCommand(bench, engine);
  EXPECT_EQ("abc", bench.findBox);
}

TEST_F(LoadCode, UndefinedWithoutQuotedNameEmptiesTheFindBox) {
  script.loadError = {"5009", "x", "something 未定义", "", "1", "0"};
  bench.findBox = "before";
  loadCodeCommand(bench, engine);
  EXPECT_EQ("", bench.findBox);
}

TEST_F(LoadCode, LineZeroOrMissingLeavesTheCaret) {
  script.loadError = {"1", "", "", "", "0", ""};
  loadCodeCommand(bench, engine);
  EXPECT_EQ(1, bench.editor().getCurrentPos());
  EXPECT_EQ(Control::CodeEditor, bench.focusHistory.back());
}

TEST_F(LoadCode, NegativeLineNumbersLeaveTheCaret) {
  // The most negative number is the one that would wrap round to the last line.
  for (const char* line : {"-1", "-2147483648", "-99999999999"}) {
    script.loadError = {"1", "", "", "", line, ""};
    bench.editor().moveCaretToPos(1);
    loadCodeCommand(bench, engine);
    EXPECT_EQ(1, bench.editor().getCurrentPos()) << line;
  }
}

TEST_F(LoadCode, LinePastTheEndGoesToTheLastLine) {
  script.loadError = {"1", "", "", "", "99", ""};
  loadCodeCommand(bench, engine);
  EXPECT_EQ(12, bench.editor().getCurrentPos());
}

TEST(LoadCodeWithoutHost, EveryLoadFailsWithAnEmptyReport) {
  FakeHostScript script;
  FakeHostGuard guard(script, /*fail=*/true);
  std::vector<std::string> notices;
  engine::ScriptEngine engine([&](const std::string& t) { notices.push_back(t); });
  ASSERT_EQ(std::vector<std::string>{"对象创建失败！"}, notices);
  HeadlessWorkbench bench;
  bench.editor().setText("var a = 1;");
  EXPECT_FALSE(loadCodeCommand(bench, engine));
  EXPECT_EQ("代码加载失败!!\r\n" + sep + "\r\n\r\n" +
                "错误代码：  \r\n错误说明：   【】\r\n错误语句：  \r\n错误所在行：  \r\n"
                "错误所在行的位置：  " + "\r\n\r\n" + sep,
            bench.log);
  EXPECT_EQ(0, bench.editor().getCurrentPos());
}

using RunCall = Fixture;

TEST_F(RunCall, RefusesEmptyOrCueTextCallBox) {
  for (std::string call : {std::string(), std::string(kCallBoxCueText)}) {
    bench.callBox = call;
    bench.log = "untouched";
    bench.messages.clear();
    bench.focusHistory.clear();
    systemRunCommand(bench, engine, ticks);
    EXPECT_EQ("untouched", bench.log);
    ASSERT_EQ(1u, bench.messages.size());
    EXPECT_EQ("请输入调用方法 如 test('abc',123) 或者双击调用函数名", bench.messages[0].text);
    EXPECT_EQ("信息：", bench.messages[0].title);
    EXPECT_EQ(MessageIcon::Error, bench.messages[0].icon);
    EXPECT_EQ(std::vector<Control>{Control::CallBox}, bench.focusHistory);
    EXPECT_EQ("", bench.callBox);  // the focus empties a cue text
    EXPECT_EQ(0, script.resets);
  }
}

TEST_F(RunCall, SuccessWritesTheResultBlockWithElapsedTicks) {
  script.values["test('abc',123)"] = "abc123";
  bench.callBox = "　 test('abc',123) ";
  systemRunCommand(bench, engine, ticks);
  EXPECT_EQ("test('abc',123)", script.lastExpression);
  EXPECT_EQ("代码运算成功!!执行时间：5\r\n" + sep + "\r\n\r\n返回内容：abc123\r\n\r\n" + sep, bench.log);
}

TEST_F(RunCall, EmptyValueWithoutErrorIsASuccess) {
  bench.callBox = "f()";
  systemRunCommand(bench, engine, ticks);
  EXPECT_EQ("代码运算成功!!执行时间：5\r\n" + sep + "\r\n\r\n返回内容：\r\n\r\n" + sep, bench.log);
}

TEST_F(RunCall, ErrorInTheCallWritesTheFailureBlockAndJumps) {
  script.errors["boom()"] = {"5009", "Microsoft JScript 运行时错误", "'x' 未定义", "x()", "2", "1"};
  bench.callBox = "boom()";
  bench.findBox = "kept";
  systemRunCommand(bench, engine, ticks);
  const std::string report =
      "错误代码：  5009\r\n错误说明：  Microsoft JScript 运行时错误 【'x' 未定义】\r\n"
      "错误语句：  x()\r\n错误所在行：  2\r\n错误所在行的位置：  1";
  EXPECT_EQ("代码运算失败!!\r\n" + sep + "\r\n\r\n" + report + "\r\n\r\n" + sep, bench.log);
  EXPECT_EQ(4, bench.editor().getCurrentPos());
  EXPECT_EQ("kept", bench.findBox);  // no undefined-name extraction after a call
}

TEST_F(RunCall, LoadFailureStopsBeforeTheCall) {
  script.loadError = syntaxErrorOnLine3();
  bench.callBox = "test()";
  systemRunCommand(bench, engine, ticks);
  EXPECT_EQ("", script.lastExpression);
  EXPECT_EQ("代码加载失败!!\r\n" + sep + "\r\n\r\n" + kLine3Report + "\r\n\r\n" + sep, bench.log);
}

TEST_F(RunCall, SplitsTheCallAsTheUserTypedIt) {
  struct Case {
    std::string call, expression;
  } cases[] = {
      {"test()", "test()"},
      {"f(g(1))", "f(g(1))"},
      {"test", "()"},
      {"f('a)|b')", "f('a)"},
      {"x = test(1)", "x = test(1)"},
      {"\ttest(1)", "\ttest(1)"},
      {"f(1);", "f(1)"},
      {"f(1); /* end */ ", "f(1)"},
      // An unclosed call goes as typed, so the engine refuses it itself instead of running test().
      {"test('abc',123", "test('abc',123"},
      {"test('abc',123 // more", "test('abc',123"},
      {"test(')'", "test(')'"},
  };
  for (const Case& c : cases) {
    bench.callBox = c.call;
    systemRunCommand(bench, engine, ticks);
    EXPECT_EQ(c.expression, script.lastExpression) << c.call;
  }
}

// A character the call box cannot hold in GBK reaches the engine as "?": the log says so, on a
// line after the result block, and the log is scrolled back so the block's first line shows.
TEST_F(RunCall, LostCallCharactersAreNotedAfterTheBlock) {
  script.values["f('?')"] = "?";
  bench.callBox = "f('?')";
  bench.callBoxLost = U"\U0001F600\u0E01";
  systemRunCommand(bench, engine, ticks);
  EXPECT_EQ("代码运算成功!!执行时间：5\r\n" + sep + "\r\n\r\n返回内容：?\r\n\r\n" + sep +
                "\r\n提示：调用方法中的 U+1F600、U+0E01 是GBK没有的字符，已当作“?”使用。\r\n",
            bench.log);
  EXPECT_EQ(1, bench.logScrolledToTop);

  // Nothing lost, nothing added: the log stays where appending left it.
  bench.callBoxLost.clear();
  systemRunCommand(bench, engine, ticks);
  EXPECT_EQ(1, bench.logScrolledToTop);
  EXPECT_EQ(sep, bench.log.substr(bench.log.size() - sep.size()));
}

TEST_F(RunCall, TwoRunsLeaveOnlyTheSecond) {
  script.values["a()"] = "1";
  script.values["b()"] = "2";
  bench.callBox = "a()";
  systemRunCommand(bench, engine, ticks);
  bench.callBox = "b()";
  systemRunCommand(bench, engine, ticks);
  EXPECT_EQ("代码运算成功!!执行时间：5\r\n" + sep + "\r\n\r\n返回内容：2\r\n\r\n" + sep, bench.log);
}
