// 调试运行 on the real engine: the CLI's scripted runs byte for byte (each action, nested calls,
// recursion, exceptions while stepping, breakpoints on lines without code, watches that throw
// or loop, the time limit), and the failure blocks of a debugged run against a plain run's.

#include <gtest/gtest.h>

#include <chrono>
#include <regex>
#include <thread>

#include "FakeScriptHost.h"
#include "tests/support/DebugScripts.h"
#include "workflow/DebugRun.h"
#include "workflow/HeadlessWorkbench.h"

using namespace jsdebug;
using namespace jsdebug::workflow;
using engine::DebugStep;

namespace {

const std::string sep(65, '-');

std::string success(const std::string& value) {
  return "代码运算成功!!执行时间：N\r\n" + sep + "\r\n\r\n返回内容：" + value + "\r\n\r\n" + sep;
}

// The elapsed milliseconds are the machine's; everything else is compared byte for byte.
std::string withoutTime(const std::string& text) {
  return std::regex_replace(text, std::regex("执行时间：[0-9]+"), "执行时间：N");
}

const char* const kCalls = testsupport::kDebugScript;

struct Row {
  const char* name;
  const char* call;
  std::vector<int> breaks;
  std::vector<DebugStep> actions;
  std::vector<std::string> watches;
  std::string expected;
};

struct DebugRun : ::testing::Test {
  HeadlessWorkbench bench;
  engine::ScriptEngine engine{[](const std::string&) { FAIL() << "host creation failed"; }};
  TickCounter ticks = [] { return std::uint32_t{7}; };

  std::string scripted(const std::string& script, const std::string& call, const DebugPlan& plan) {
    bench.editor().setText(script);
    bench.callBox = call;
    std::string out;
    scriptedDebugRun(bench, engine, plan, ticks, [&](const std::string& text) { out += text; });
    return withoutTime(out + bench.log);
  }
  std::string plain(const std::string& script, const std::string& call) {
    bench.editor().setText(script);
    bench.callBox = call;
    systemRunCommand(bench, engine, ticks);
    return withoutTime(bench.log);
  }
};

}  // namespace

TEST_F(DebugRun, ScriptedRunsPrintEachPauseThenTheRunsBlock) {
  const std::string atTest8 =
      "暂停：第 8 行\r\n调用栈：\r\n  test 第 8 行\r\n局部变量：\r\n  x = 1\r\n  y = 2\r\n"
      "  o = [object Object]\r\n  r = \r\n";
  const std::string inAdd2 =
      "暂停：第 2 行\r\n调用栈：\r\n  add 第 2 行\r\n  test 第 8 行\r\n局部变量：\r\n  a = 1\r\n"
      "  b = 2\r\n  s = \r\n\r\n";
  const std::string inAdd3 =
      "暂停：第 3 行\r\n调用栈：\r\n  add 第 3 行\r\n  test 第 8 行\r\n局部变量：\r\n  a = 1\r\n"
      "  b = 2\r\n  s = 3\r\n\r\n";
  const std::string atTest9 =
      "暂停：第 9 行\r\n调用栈：\r\n  test 第 9 行\r\n局部变量：\r\n  x = 1\r\n  y = 2\r\n"
      "  o = [object Object]\r\n  r = 3\r\n\r\n";
  const std::string fact = [] {
    std::string out;
    std::string stack;
    for (int n = 3; n >= 1; --n) {
      out += "暂停：第 13 行\r\n调用栈：\r\n  fact 第 13 行\r\n" + stack + "局部变量：\r\n  n = " +
             std::to_string(n) + "\r\n\r\n";
      stack += "  fact 第 14 行\r\n";
    }
    return out;
  }();
  const Row rows[] = {
      {"continue runs to the end", "test(1,2)", {8}, {DebugStep::Continue}, {}, atTest8 + "\r\n" + success("6")},
      {"into enters the call, over walks its lines", "test(1,2)", {8},
       {DebugStep::Into, DebugStep::Over, DebugStep::Over}, {}, atTest8 + "\r\n" + inAdd2 + inAdd3 +
       "暂停：第 8 行\r\n调用栈：\r\n  test 第 8 行\r\n局部变量：\r\n  x = 1\r\n  y = 2\r\n"
       "  o = [object Object]\r\n  r = \r\n\r\n" + success("6")},
      {"over steps past the call", "test(1,2)", {8}, {DebugStep::Over}, {}, atTest8 + "\r\n" + atTest9 + success("6")},
      {"out leaves the function at its caller", "test(1,2)", {2}, {DebugStep::Out}, {},
       inAdd2 + "暂停：第 8 行\r\n调用栈：\r\n  test 第 8 行\r\n局部变量：\r\n  x = 1\r\n  y = 2\r\n"
       "  o = [object Object]\r\n  r = \r\n\r\n" + success("6")},
      {"out of the called function runs to the end", "add(1,2)", {2}, {DebugStep::Out}, {},
       "暂停：第 2 行\r\n调用栈：\r\n  add 第 2 行\r\n局部变量：\r\n  a = 1\r\n  b = 2\r\n  s = \r\n\r\n" +
       success("3")},
      {"recursion stacks its frames", "fact(3)", {13}, {}, {}, fact + success("6")},
      {"stepping into a throw lands in the catch", "safe({})", {22}, {DebugStep::Into, DebugStep::Over}, {},
       "暂停：第 22 行\r\n调用栈：\r\n  safe 第 22 行\r\n局部变量：\r\n  v = [object Object]\r\n\r\n"
       "暂停：第 17 行\r\n调用栈：\r\n  boom 第 17 行\r\n  safe 第 22 行\r\n局部变量：\r\n"
       "  v = [object Object]\r\n  t = \r\n\r\n"
       "暂停：第 21 行\r\n调用栈：\r\n  safe 第 21 行\r\n局部变量：\r\n  v = [object Object]\r\n\r\n" +
       success("caught")},
      {"a breakpoint never reached runs to the end", "add(1,2)", {9}, {}, {}, success("3")},
      {"a breakpoint on a line without code moves on", "add(1,2)", {4, 5, 1}, {}, {},
       "断点：第 4 行没有代码，改设在第 7 行\r\n断点：第 5 行没有代码，改设在第 7 行\r\n"
       "断点：第 1 行没有代码，改设在第 2 行\r\n"
       "暂停：第 2 行\r\n调用栈：\r\n  add 第 2 行\r\n局部变量：\r\n  a = 1\r\n  b = 2\r\n  s = \r\n\r\n" +
       success("3")},
      {"a breakpoint past the last code is dropped", "add(1,2)", {31}, {}, {},
       "断点：第 31 行及以后没有代码，断点不设\r\n" + success("3")},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.expected, scripted(kCalls, row.call, {row.breaks, row.actions, row.watches}));
  }
}

// Code at the top level runs while the script loads: it pauses there, with no locals of its
// own, and a breakpoint on its first line is taken.
TEST_F(DebugRun, TheScriptsTopLevelPausesWhileItLoads) {
  const std::string script = "var g = 1;\r\nvar h = g + 1;\r\nfunction f() { return h; }\r\n";
  EXPECT_EQ("暂停：第 1 行\r\n调用栈：\r\n  （全局代码） 第 1 行\r\n局部变量：\r\n  （无）\r\n\r\n"
            "暂停：第 2 行\r\n调用栈：\r\n  （全局代码） 第 2 行\r\n局部变量：\r\n  （无）\r\n\r\n" +
                success("2"),
            scripted(script, "f()", {{1}, {DebugStep::Over}, {}}));
}

TEST_F(DebugRun, WatchesShowValuesAndErrorsAndALoopingWatchEndsAloneAtTheTimeLimit) {
  engine.SetTimeout(300);
  const std::string out = scripted(
      kCalls, "test(1,2)",
      {{8}, {}, {"x + y", "nope", "'中文' + x", "o.k === 1", "null", "1/3", "(function(){for(;;){}})()", "o.q.w"}});
  EXPECT_EQ(
      "暂停：第 8 行\r\n调用栈：\r\n  test 第 8 行\r\n局部变量：\r\n  x = 1\r\n  y = 2\r\n"
      "  o = [object Object]\r\n  r = \r\n监视：\r\n  x + y = 3\r\n  nope = 错误：'nope' 未定义\r\n"
      "  '中文' + x = 中文1\r\n  o.k === 1 = -1\r\n  null = \r\n  1/3 = 0.333333333333333\r\n"
      "  (function(){for(;;){}})() = 错误：脚本运行超时（超过 300 毫秒），已停止\r\n"
      "  o.q.w = 错误：缺少对象\r\n\r\n" +
          success("6"),
      out);
}

// What a failing script reports is the same with the debugger stepping through it as without.
TEST_F(DebugRun, FailuresReadTheSameAsAPlainRun) {
  struct Failing {
    const char* script;
    const char* call;
    std::vector<int> breaks;
  } failing[] = {
      {kCalls, "boom({})", {17}},
      {kCalls, "test(1,2,", {2}},
      {kCalls, "nothere(1)", {2}},
      {"function f() {\r\n  var a = 1;\r\n  throw 'text';\r\n}\r\n", "f()", {2}},
      {"function f() {\r\n  var a = 1;\r\n  return g(a);\r\n}\r\nfunction g(b) {\r\n  return b.c.d;\r\n}\r\n",
       "f()", {2, 6}},
      {"var x = 1;\r\nvar y = {a:1,};\r\n", "x", {1}},
      {"var x = 1;\r\nx.y.z = 2;\r\n", "x", {1}},
  };
  for (const Failing& f : failing) {
    SCOPED_TRACE(f.script + std::string(" / ") + f.call);
    const std::string expected = plain(f.script, f.call);
    for (const auto& actions : {std::vector<DebugStep>{}, std::vector<DebugStep>(8, DebugStep::Over),
                                std::vector<DebugStep>(8, DebugStep::Into)}) {
      const std::string out = scripted(f.script, f.call, {f.breaks, actions, {}});
      ASSERT_GE(out.size(), expected.size());
      EXPECT_EQ(expected, out.substr(out.size() - expected.size()));
      EXPECT_NE(std::string::npos, expected.find("代码"));
    }
  }
}

TEST_F(DebugRun, TheTimeLimitStopsARunawayLoopButNotAPause) {
  engine.SetTimeout(300);
  // Which instruction of the loop the limit lands on is the clock's doing, so the column is
  // left out; the rest of the block is the plain run's.
  const std::string column = "错误所在行的位置：";
  const std::string timedOut = plain(kCalls, "spin()");
  EXPECT_NE(std::string::npos, timedOut.find("脚本运行超时（超过 300 毫秒），已停止"));
  const std::string debugged = scripted(kCalls, "spin()", {{28}, {}, {}});
  const std::string paused = "暂停：第 28 行\r\n调用栈：\r\n  spin 第 28 行\r\n局部变量：\r\n  i = \r\n\r\n";
  EXPECT_EQ(paused + timedOut.substr(0, timedOut.find(column)), debugged.substr(0, debugged.find(column)));

  // Paused longer than the limit, then on: the pause did not count.
  bench.editor().setText(kCalls);
  bench.callBox = "test(1,2)";
  engine::DebugSession session;
  session.setBreakpoints(kCalls, {8});
  std::thread runner([&] { debugRunCommand(bench, engine, session, ticks); });
  ASSERT_TRUE(session.waitForPause());
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  session.resume(DebugStep::Continue);
  EXPECT_FALSE(session.waitForPause());
  runner.join();
  EXPECT_EQ(success("6"), withoutTime(bench.log));
}

TEST_F(DebugRun, StopEndsTheRunPausedOrRunning) {
  const std::string stopped = "代码运算失败!!\r\n" + sep +
                              "\r\n\r\n错误代码：  -2147467260\r\n错误说明：  JavaScript 运行时错误 【脚本已被调试器停止】\r\n";
  for (const int line : {28, 29}) {
    SCOPED_TRACE(line);
    bench.editor().setText(kCalls);
    bench.callBox = "spin()";
    engine::DebugSession session;
    session.setBreakpoints(kCalls, {line});
    std::thread runner([&] { debugRunCommand(bench, engine, session, ticks); });
    ASSERT_TRUE(session.waitForPause());
    if (line == 28) {
      session.stop();
    } else {
      // Breakpoint on the loop's line: let it go, and stop it while it runs.
      session.removeBreakpoint(29);
      session.resume(DebugStep::Continue);
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      session.stop();
    }
    EXPECT_FALSE(session.waitForPause());
    runner.join();
    EXPECT_EQ(0u, bench.log.find(stopped)) << bench.log;
  }
  // The engine runs normally afterwards.
  EXPECT_EQ(success("3"), plain(kCalls, "add(1,2)"));
}

// The Script Control gives a debugger no way in. A debugged call on such a host runs to the end
// with the plain run's blocks, whatever they are, and one line after them says why nothing
// paused; a call refused before the run says nothing more. A stand-in plays the Script Control.
TEST(DebugRunOnAHostThatCannotPause, RunsToTheEndAndSaysWhyAfterTheBlocks) {
  jsdebug::testing::FakeHostScript script;
  jsdebug::testing::FakeHostGuard guard{script};
  script.values["test(1,2)"] = "6";
  script.errors["boom({})"] = {"5007", "Microsoft JScript 运行时错误", "缺少对象", "", "17", "2"};
  const engine::ScriptError loaded{"0", "", "", "", "", ""};
  const engine::ScriptError syntax{"1002", "Microsoft JScript 编译错误", "语法错误", "b = ;", "3", "4"};
  HeadlessWorkbench bench;
  engine::ScriptEngine engine{[](const std::string&) { FAIL() << "host creation failed"; }};
  ASSERT_TRUE(engine.hasHost());
  EXPECT_FALSE(engine.CanPause());
  const TickCounter ticks = [] { return std::uint32_t{7}; };
  const std::string note = kCannotPauseNote;

  const struct Row {
    const char* name;
    engine::ScriptError load;
    const char* call;
    bool noted;
  } rows[] = {
      {"a value", loaded, "test(1,2)", true},
      {"an error in the call", loaded, "boom({})", true},
      {"a script that does not load", syntax, "test(1,2)", true},
      {"no call", loaded, "", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    script.loadError = row.load;
    bench.editor().setText(kCalls);
    bench.callBox = row.call;
    bench.log = "before";
    bench.messages.clear();
    systemRunCommand(bench, engine, ticks);
    const std::string plain = bench.log;
    bench.log = "before";
    std::string out;
    scriptedDebugRun(bench, engine, {{8}, {DebugStep::Over}, {"x"}}, ticks,
                     [&](const std::string& text) { out += text; });
    EXPECT_EQ("", out);  // no pause, so no pause block
    EXPECT_EQ(row.noted ? plain + "\r\n" + note : plain, bench.log);
    EXPECT_EQ(row.noted ? 0u : 2u, bench.messages.size());  // the missing call's box, once a run
  }
}

TEST(DebugActions, ParseTheCliList) {
  std::vector<DebugStep> steps;
  EXPECT_TRUE(parseDebugActions("continue,over,into,out", steps));
  EXPECT_EQ((std::vector<DebugStep>{DebugStep::Continue, DebugStep::Over, DebugStep::Into, DebugStep::Out}), steps);
  for (const char* bad : {"", "over,", "Over", "over,,into", "step"}) EXPECT_FALSE(parseDebugActions(bad, steps)) << bad;
}
