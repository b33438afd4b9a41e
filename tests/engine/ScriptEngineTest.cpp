#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "engine/ScriptEngine.h"
#include "engine/SystemEngine.h"
#include "examples/SampleScript.h"

using namespace jsdebug;
using namespace jsdebug::engine;

namespace {

// The program's default script: what a user sees first and runs with test('abc',123).
const std::string kDefaultCode = examples::kSampleScriptBytes;

std::string report(const std::string& number, const std::string& source,
                   const std::string& description, const std::string& text,
                   const std::string& line, const std::string& column) {
  return "错误代码：  " + number + "\r\n错误说明：  " + source + " 【" + description +
         "】\r\n错误语句：  " + text + "\r\n错误所在行：  " + line + "\r\n错误所在行的位置：  " +
         column;
}

// These rows judge the JScript profile's answers; on Windows the system engine would otherwise be
// the Script Control.
struct ProfileChosen {
  ProfileChosen() { setSystemEngineSettings({SystemEngineChoice::Profile, false}); }
  ~ProfileChosen() { setSystemEngineSettings({}); }
};

// A call's value and the error report it left.
using Called = std::pair<std::string, std::string>;

struct EngineTest : ::testing::Test {
  ProfileChosen profile;
  std::vector<std::string> notices;
  ScriptEngine engine{[this](const std::string& text) { notices.push_back(text); }};

  Called call(const std::string& function, const std::string& arguments) {
    std::string value = engine.CallFunction(function, arguments);
    return {value, engine.ErrorReport()};
  }
};

// Makes host creation fail for one test and restores the real factory afterwards.
struct FailingFactory {
  FailingFactory() {
    setScriptHostFactory([](std::string_view) { return std::unique_ptr<ScriptHost>(); });
  }
  ~FailingFactory() { setScriptHostFactory({}); }
};

}  // namespace

TEST_F(EngineTest, DefaultCodeRunsWithoutNoticeOrReport) {
  EXPECT_TRUE(notices.empty());
  EXPECT_TRUE(engine.hasHost());
  engine.Reset();
  ASSERT_TRUE(engine.LoadCode(kDefaultCode));
  EXPECT_EQ("", engine.ErrorReport());
  EXPECT_EQ(Called("abc123", ""), call("test", "'abc',123"));
}

TEST_F(EngineTest, SyntaxErrorReportNamesItsLine) {
  EXPECT_FALSE(engine.LoadCode("var a = 1;\r\nvar b = 2;\r\nvar c = ;\r\n"));
  EXPECT_EQ(report("1002", "JavaScript 编译错误", "语法错误", "var c = ;", "3", "8"),
            engine.ErrorReport());
}

TEST_F(EngineTest, UndefinedNameAtLoadIsReportedForExtraction) {
  EXPECT_FALSE(engine.LoadCode("var a = 1;\n\n  abc();\n"));
  EXPECT_EQ(report("5009", "JavaScript 运行时错误", "'abc' 未定义", "", "3", "2"),
            engine.ErrorReport());
}

// A failed call gives the empty value and a report naming where it failed: in the script for an
// error inside the called function, in the call text for one in the call itself.
TEST_F(EngineTest, FailedCallsNameWhereTheyFailed) {
  struct Row {
    const char* name;
    std::string script, arguments, report;
  } rows[] = {
      // A script's own error has number 0, which the host reads as the generic failure; a
      // run-time error shows no statement text (as JScript's host does).
      {"error inside the called function names the script line",
       "function f(x) {\n  var y = 1;\n\n\n  throw new Error('boom');\n}", "1",
       report("-2147467259", "JavaScript 运行时错误", "boom", "", "5", "2")},
      {"syntax error in the call itself", "function f(s) { return s; }", "'a",
       report("1015", "JavaScript 编译错误", "未结束的字符串常量", "f('a)", "1", "2")},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    engine.Reset();
    ASSERT_TRUE(engine.LoadCode(row.script));
    EXPECT_EQ(Called("", row.report), call("f", row.arguments));
  }
}

TEST_F(EngineTest, EmptyAndUndefinedResultsAreNoError) {
  ASSERT_TRUE(engine.LoadCode("function e() { return ''; }\nfunction u() {}\n"));
  EXPECT_EQ(Called("", ""), call("e", ""));
  EXPECT_EQ(Called("", ""), call("u", ""));
}

TEST_F(EngineTest, EmptyArgumentsCallWithNoArguments) {
  ASSERT_TRUE(engine.LoadCode("function n() { return arguments.length + ':' + typeof arguments[0]; }"));
  EXPECT_EQ("0:undefined", engine.CallFunction("n", ""));
}

TEST_F(EngineTest, ResetForgetsCodeAndGlobals) {
  ASSERT_TRUE(engine.LoadCode("var kept = 5; function f() { return kept; }"));
  EXPECT_EQ("5", engine.CallFunction("f", ""));
  engine.Reset();
  EXPECT_EQ("", engine.CallFunction("f", ""));
  EXPECT_NE("", engine.ErrorReport());
  ASSERT_TRUE(engine.LoadCode("function g() { return typeof kept; }"));
  EXPECT_EQ("undefined", engine.CallFunction("g", ""));
}

TEST_F(EngineTest, SuccessAfterFailureClearsTheReport) {
  EXPECT_FALSE(engine.LoadCode("(("));
  EXPECT_NE("", engine.ErrorReport());
  engine.Reset();
  EXPECT_TRUE(engine.LoadCode(""));
  EXPECT_EQ("", engine.ErrorReport());
}

TEST_F(EngineTest, RunProcedurePassesTenValues) {
  ASSERT_TRUE(engine.LoadCode(
      "function p(a,b,c,d,e,f,g,h,i,j) {"
      " return [a, b, c, d, typeof e, arguments.length].join('|'); }"));
  std::array<ScriptValue, 10> values{std::string("中文"), 1.5, true, false};
  EXPECT_EQ("中文|1.5|true|false|undefined|10", engine.RunProcedure("p", values));
  EXPECT_EQ("", engine.ErrorReport());
  EXPECT_EQ("", engine.RunProcedure("missing", values));
  EXPECT_EQ(report("5009", "JavaScript 运行时错误", "'missing' 未定义", "", "0", "0"),
            engine.ErrorReport());
}

TEST_F(EngineTest, SetTimeoutStopsARunawayCall) {
  engine.SetTimeout(200);
  ASSERT_TRUE(engine.LoadCode("function spin() {\n  while (true) {}\n}\nfunction ok() { return 1; }"));
  EXPECT_EQ("", engine.CallFunction("spin", ""));
  std::string r = engine.ErrorReport();
  EXPECT_NE(std::string::npos, r.find("错误所在行：  2\r\n")) << r;
  EXPECT_EQ(Called("1", ""), call("ok", ""));
}

TEST(EngineCreation, FailureShowsNoticeOnceAndEverythingFailsQuietly) {
  FailingFactory failing;
  std::vector<std::string> notices;
  ScriptEngine engine([&](const std::string& text) { notices.push_back(text); });
  ASSERT_EQ(std::vector<std::string>{"对象创建失败！"}, notices);
  EXPECT_FALSE(engine.hasHost());
  engine.SetTimeout(100);
  engine.Reset();
  EXPECT_FALSE(engine.LoadCode("var a = 1;"));
  EXPECT_FALSE(engine.LoadCode(""));
  EXPECT_EQ("", engine.CallFunction("test", "'abc',123"));
  std::array<ScriptValue, 10> values{};
  EXPECT_EQ("", engine.RunProcedure("test", values));
  EXPECT_EQ("错误代码：  \r\n错误说明：   【】\r\n错误语句：  \r\n错误所在行：  \r\n错误所在行的位置：  ",
            engine.ErrorReport());
  EXPECT_EQ(1u, notices.size());
}

TEST(EngineCreation, FactoryIsAskedForScriptControl) {
  std::string asked;
  setScriptHostFactory([&](std::string_view progId) {
    asked = progId;
    return std::unique_ptr<ScriptHost>();
  });
  { ScriptEngine engine([](const std::string&) {}); }
  setScriptHostFactory({});
  EXPECT_EQ("ScriptControl", asked);
  EXPECT_NE(nullptr, createScriptHost("scriptcontrol"));
  EXPECT_EQ(nullptr, createScriptHost("Nothing.Here"));
}
