// The commands on the real script host: what a user sees for scripts that misbehave.

#include <gtest/gtest.h>

#include "text/Text.h"
#include "workflow/Debugging.h"
#include "workflow/HeadlessWorkbench.h"
#include "workflow/OutputLog.h"

using namespace jsdebug;
using namespace jsdebug::workflow;
using namespace std::string_literals;

namespace {

struct RealEngine : ::testing::Test {
  HeadlessWorkbench bench;
  engine::ScriptEngine engine{[](const std::string&) { FAIL() << "host creation failed"; }};
  TickCounter ticks = [] { return std::uint32_t{7}; };

  std::string reportedLine() { return text::TextBetween(bench.log, "错误所在行：  ", "\r\n"); }
  std::string run(const std::string& script, const std::string& call) {
    bench.editor().setText(script);
    bench.callBox = call;
    systemRunCommand(bench, engine, ticks);
    return bench.log;
  }
};

const std::string sep(65, '-');

}  // namespace

TEST_F(RealEngine, RunawayScriptAtLoadIsStoppedWithItsLineAndTheNextRunWorks) {
  // Long enough that a starved test process is not stopped before it reaches the loop.
  engine.SetTimeout(2500);
  bench.editor().setText("var i = 0;\r\nwhile (true) { i++; }\r\n");
  EXPECT_FALSE(loadCodeCommand(bench, engine));
  EXPECT_EQ(0u, bench.log.find(kLoadFailedHeader));
  EXPECT_EQ("2", reportedLine());
  EXPECT_EQ(12, bench.editor().getCurrentPos());

  EXPECT_EQ("代码运算成功!!执行时间：0\r\n" + sep + "\r\n\r\n返回内容：3\r\n\r\n" + sep,
            run("function f(a,b){return a+b;}", "f(1,2)"));
}

TEST_F(RealEngine, RunawayCallIsStoppedWithItsLineAndTheNextRunWorks) {
  engine.SetTimeout(2500);
  run("function spin() {\r\n  for (;;) {}\r\n}\r\nfunction ok() { return 'ok'; }", "spin()");
  EXPECT_EQ(0u, bench.log.find(kRunFailedHeader));
  EXPECT_EQ("2", reportedLine());
  EXPECT_NE(std::string::npos, run(bench.editor().wholeText(), "ok()").find("返回内容：ok\r\n"));
}

// The engine itself refuses a call missing its ")", as it does any syntax error in a call,
// instead of running test() without the arguments.
TEST_F(RealEngine, ACallMissingItsParenthesisFailsWith1006) {
  const std::string report =
      "错误代码：  1006\r\n错误说明：  JavaScript 编译错误 【缺少 ')'】\r\n"
      "错误语句：  test('abc',123\r\n错误所在行：  1\r\n错误所在行的位置：  14";
  EXPECT_EQ("代码运算失败!!\r\n" + sep + "\r\n\r\n" + report + "\r\n\r\n" + sep,
            run("function test(a,b){return a+b;}", "test('abc',123 ; // typed"));
}

TEST_F(RealEngine, DeepRecursionIsAnErrorNotACrash) {
  run("function f(n) {\r\n  return f(n + 1) + 1;\r\n}", "f(0)");
  EXPECT_EQ(0u, bench.log.find(kRunFailedHeader));
}

TEST_F(RealEngine, TenMegabyteResult) {
  const std::string log = run("function big(){ var s = 'x'; while (s.length < 10485760) s += s; return s; }", "big()");
  EXPECT_EQ(0u, log.find("代码运算成功!!"));
  EXPECT_GT(log.size(), 10485760u);
}

TEST_F(RealEngine, ValuesAsTheUserReadsThem) {
  const std::string script = "function t(){return true;} function e(){return '';} function u(){}"
                             " function n(){return 0.1+0.2;} function c(){return '中文';}";
  struct Case {
    std::string call, value;
  } cases[] = {{"t()", "-1"}, {"e()", ""}, {"u()", ""}, {"n()", "0.3"}, {"c()", "中文"}};
  for (const Case& c : cases) {
    EXPECT_EQ("代码运算成功!!执行时间：0\r\n" + sep + "\r\n\r\n返回内容：" + c.value + "\r\n\r\n" + sep,
              run(script, c.call))
        << c.call;
  }
}

TEST_F(RealEngine, UndefinedNameAtLoadGoesToTheFindBox) {
  bench.editor().setText("var a = 1;\r\nmissingFunction();\r\n");
  loadCodeCommand(bench, engine);
  EXPECT_EQ("missingFunction", bench.findBox);
  EXPECT_EQ("2", reportedLine());
}

TEST_F(RealEngine, StrayBytesAndNulInTheScript) {
  // A NUL ends the text the editor hands out; stray bytes survive into the result.
  EXPECT_NE(std::string::npos,
            run("function s(){return '\xFF\x81';}\0garbage"s, "s()")
                .find("返回内容：\xFF\x81\r\n"));
}

TEST_F(RealEngine, RefusalReasonFollowsTheUnchangedFailureBlock) {
  const std::string hint = "可改用“V8运行”，或先用“工具”里的“转为JScript”转换。";
  // At load: the block as before, then one line; the caret still goes to the reported line.
  bench.editor().setText("var o = {\r\n  a: 1,\r\n};");
  EXPECT_FALSE(loadCodeCommand(bench, engine));
  EXPECT_EQ("代码加载失败!!\r\n" + sep + "\r\n\r\n错误代码：  1028\r\n错误说明：  JavaScript 编译错误 "
            "【缺少标识符、字符串或数字】\r\n错误语句：  };\r\n错误所在行：  3\r\n错误所在行的位置：  0"
            "\r\n\r\n" + sep + "\r\n原因：对象字面量末尾的逗号（第3行）。" + hint,
            bench.log);
  EXPECT_EQ(20, bench.editor().getCurrentPos());

  // At run time, and the undefined name still reaches the find box from the report.
  EXPECT_EQ("代码运算失败!!\r\n" + sep + "\r\n\r\n错误代码：  5009\r\n错误说明：  JavaScript 运行时错误 "
            "【'JSON' 未定义】\r\n错误语句：  \r\n错误所在行：  2\r\n错误所在行的位置：  2\r\n\r\n" +
            sep + "\r\n原因：JScript 5.7 没有 ES5 的 JSON（第2行）。" + hint,
            run("function test() {\r\n  return JSON.stringify([1]);\r\n}", "test()"));

  // A mistake of the script's own gets the block alone.
  EXPECT_EQ("代码运算失败!!\r\n" + sep + "\r\n\r\n错误代码：  5009\r\n错误说明：  JavaScript 运行时错误 "
            "【'nothing' 未定义】\r\n错误语句：  \r\n错误所在行：  1\r\n错误所在行的位置：  18\r\n\r\n" + sep,
            run("function test() { return nothing; }", "test()"));
}
