// "对比运行": the block byte for byte from given outcomes, the number of runs as typed, and the
// command on the real engines (the system engine in-process, V8 through the engine library).

#include <gtest/gtest.h>

#include "examples/SampleScript.h"
#include "tests/support/V8Bridge.h"
#include "workflow/CompareRun.h"
#include "workflow/HeadlessWorkbench.h"

using namespace jsdebug;
using namespace jsdebug::workflow;

namespace {

const std::string sep(65, '-');

EngineOutcome value(const std::string& text, std::vector<std::uint32_t> ms, bool varied = false) {
  return EngineOutcome{false, text, "", 0, std::move(ms), varied};
}
EngineOutcome failure(const std::string& kind, const std::string& text, int run = 1) {
  return EngineOutcome{true, text, kind, run, {}, false};
}

const std::string kReport =
    "错误代码：  5009\r\n错误说明：  JavaScript 运行时错误 【'JSON' 未定义】\r\n错误语句：  \r\n"
    "错误所在行：  2\r\n错误所在行的位置：  2";
const std::string kV8Failure = "错误行:2\r\n\r\n错误信息:ReferenceError: x is not defined";

}  // namespace

TEST(CompareBlock, EachCaseByteForByte) {
  const std::string longA = std::string(40, 'a') + "中文" + "xyz";
  const std::string longB = std::string(40, 'a') + "中文" + "xyq";
  struct Row {
    const char* name;
    int runs;
    EngineOutcome system, v8;
    Agreement agreement;
    std::string block;
  } rows[] = {
      {"same value", 5, value("abc123", {3, 1, 2, 2, 9}), value("abc123", {30, 31, 29, 40, 30}),
       Agreement::Same,
       "两个引擎的结果相同!!每个引擎运行 5 次\r\n" + sep + "\r\n\r\n"
       "系统引擎：最短 1 毫秒，中位 2 毫秒\r\n返回内容：abc123\r\n\r\n"
       "V8：最短 29 毫秒，中位 30 毫秒\r\n返回内容：abc123\r\n\r\n" + sep},
      {"different short values: no position", 2, value("1", {1, 2}), value("2", {4, 7}),
       Agreement::Different,
       "两个引擎的结果不同!!每个引擎运行 2 次\r\n" + sep + "\r\n\r\n"
       "系统引擎：最短 1 毫秒，中位 1.5 毫秒\r\n返回内容：1\r\n\r\n"
       "V8：最短 4 毫秒，中位 5.5 毫秒\r\n返回内容：2\r\n\r\n" + sep},
      {"long values part at character 45, GBK characters counted once", 1, value(longA, {0}),
       value(longB, {1}), Agreement::Different,
       "两个引擎的结果不同!!每个引擎运行 1 次\r\n" + sep + "\r\n\r\n"
       "系统引擎：最短 0 毫秒，中位 0 毫秒\r\n返回内容：" + longA + "\r\n\r\n"
       "V8：最短 1 毫秒，中位 1 毫秒\r\n返回内容：" + longB + "\r\n\r\n"
       "第一处不同在第 45 个字符：系统引擎为“z”，V8 为“q”（两者分别长 45 和 45 个字符）\r\n\r\n" + sep},
      {"one value is the start of the other; quotes stop after 16 characters", 1,
       value(std::string(40, 'b'), {0}), value(std::string(60, 'b'), {0}), Agreement::Different,
       "两个引擎的结果不同!!每个引擎运行 1 次\r\n" + sep + "\r\n\r\n"
       "系统引擎：最短 0 毫秒，中位 0 毫秒\r\n返回内容：" + std::string(40, 'b') + "\r\n\r\n"
       "V8：最短 0 毫秒，中位 0 毫秒\r\n返回内容：" + std::string(60, 'b') + "\r\n\r\n"
       "第一处不同在第 41 个字符：系统引擎为（到此结束），V8 为“" + std::string(16, 'b') +
       "…”（两者分别长 40 和 60 个字符）\r\n\r\n" + sep},
      {"the system engine fails to load", 5, failure("代码加载失败", kReport),
       value("{}", {20, 21, 22, 23, 24}), Agreement::Different,
       "两个引擎的结果不同!!每个引擎运行 5 次\r\n" + sep + "\r\n\r\n"
       "系统引擎：代码加载失败\r\n" + kReport + "\r\n\r\n"
       "V8：最短 20 毫秒，中位 22 毫秒\r\n返回内容：{}\r\n\r\n" + sep},
      {"V8 fails on its third run", 3, value("x", {1, 1, 1}), failure("代码运算失败", kV8Failure, 3),
       Agreement::Different,
       "两个引擎的结果不同!!每个引擎运行 3 次\r\n" + sep + "\r\n\r\n"
       "系统引擎：最短 1 毫秒，中位 1 毫秒\r\n返回内容：x\r\n\r\n"
       "V8：代码运算失败（第 3 次运行）\r\n" + kV8Failure + "\r\n\r\n" + sep},
      {"both fail", 5, failure("代码运算失败", kReport), failure("代码运算失败", kV8Failure),
       Agreement::BothFailed,
       "两个引擎都运行失败!!每个引擎运行 5 次\r\n" + sep + "\r\n\r\n"
       "系统引擎：代码运算失败\r\n" + kReport + "\r\n\r\n"
       "V8：代码运算失败\r\n" + kV8Failure + "\r\n\r\n" + sep},
      {"true as the system engine writes it", 1, value("-1", {0}), value("true", {0}),
       Agreement::SameAsWritten,
       "两个引擎的结果相同!!每个引擎运行 1 次\r\n" + sep + "\r\n\r\n"
       "系统引擎：最短 0 毫秒，中位 0 毫秒\r\n返回内容：-1\r\n\r\n"
       "V8：最短 0 毫秒，中位 0 毫秒\r\n返回内容：true\r\n\r\n"
       "注意：V8 的“true”在系统引擎里写作“-1”，按此算作相同\r\n\r\n" + sep},
      {"a number with 17 digits", 1, value("0.3", {0}), value("0.30000000000000004", {0}),
       Agreement::SameAsWritten,
       "两个引擎的结果相同!!每个引擎运行 1 次\r\n" + sep + "\r\n\r\n"
       "系统引擎：最短 0 毫秒，中位 0 毫秒\r\n返回内容：0.3\r\n\r\n"
       "V8：最短 0 毫秒，中位 0 毫秒\r\n返回内容：0.30000000000000004\r\n\r\n"
       "注意：V8 的“0.30000000000000004”在系统引擎里写作“0.3”，按此算作相同\r\n\r\n" + sep},
      {"values that vary from run to run", 2, value("0.5", {0, 0}, true), value("0.25", {0, 0}, true),
       Agreement::Different,
       "两个引擎的结果不同!!每个引擎运行 2 次\r\n" + sep + "\r\n\r\n"
       "系统引擎：最短 0 毫秒，中位 0 毫秒\r\n返回内容：0.5\r\n\r\n"
       "注意：系统引擎 2 次运行的结果不全相同，上面是第一次的\r\n\r\n"
       "V8：最短 0 毫秒，中位 0 毫秒\r\n返回内容：0.25\r\n\r\n"
       "注意：V8 2 次运行的结果不全相同，上面是第一次的\r\n\r\n" + sep},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.block, compareBlock(row.runs, row.system, row.v8)) << row.name;
    EXPECT_EQ(row.agreement, compareOutcomes(row.system, row.v8)) << row.name;
  }
}

TEST(CompareBlock, OnlyTheSystemEnginesOwnWritingCountsAsSame) {
  struct Row {
    const char* system;
    const char* v8;
    Agreement agreement;
  } rows[] = {
      {"0", "false", Agreement::SameAsWritten},
      {"", "undefined", Agreement::SameAsWritten},
      {"", "null", Agreement::SameAsWritten},
      {"1E+21", "1e+21", Agreement::SameAsWritten},
      {"-1", "-1", Agreement::Same},
      {"true", "true", Agreement::Same},
      {"-1", "1", Agreement::Different},
      {"0.3", "0.3000000000000001", Agreement::SameAsWritten},  // past the 15th digit
      {"0.31", "0.3000000000000001", Agreement::Different},
      {"1", "true", Agreement::Different},
      {"", "", Agreement::Same},
      {"16", "0x10", Agreement::Different},  // String(number) writes no hexadecimal
      {"16", " 16", Agreement::Different},
      {"NaN", "NaN", Agreement::Same},
      {"", "NaN", Agreement::Different},
  };
  for (const Row& row : rows)
    EXPECT_EQ(row.agreement, compareOutcomes(value(row.system, {0}), value(row.v8, {0})))
        << row.system << " / " << row.v8;
}

TEST(CompareRuns, AWholeNumberFromOneToAThousand) {
  struct Row {
    const char* typed;
    std::optional<int> runs;
  } rows[] = {
      {"1", 1},        {"5", 5},       {" 12 ", 12},       {"1000", 1000},   {"0", {}},
      {"1001", {}},    {"-3", {}},     {"2.5", {}},        {"", {}},         {"abc", {}},
      {"99999999999", {}}, {"0x10", {}}, {"5x", {}},
  };
  for (const Row& row : rows) EXPECT_EQ(row.runs, parseCompareRuns(row.typed)) << row.typed;
}

namespace {

struct CompareRun : ::testing::Test {
  HeadlessWorkbench bench;
  engine::ScriptEngine engine{[](const std::string&) {}};
  std::uint32_t now = 0;
  TickCounter ticks = [this] { return now += 2; };

  bool run(const std::string& script, const std::string& call, int runs) {
    bench.editor().setText(script);
    bench.callBox = call;
    return compareRunCommand(bench, engine, testsupport::startedV8Bridge(), ticks, runs);
  }
};

}  // namespace

TEST_F(CompareRun, BothEnginesOnTheDefaultCode) {
  EXPECT_TRUE(run(examples::kSampleScriptBytes, "test('abc',123)", 3));
  // Each reading of the clock adds 2: a call is timed between two readings.
  EXPECT_EQ("两个引擎的结果相同!!每个引擎运行 3 次\r\n" + sep + "\r\n\r\n"
            "系统引擎：最短 2 毫秒，中位 2 毫秒\r\n返回内容：abc123\r\n\r\n"
            "V8：最短 2 毫秒，中位 2 毫秒\r\n返回内容：abc123\r\n\r\n" + sep,
            bench.log);
}

TEST_F(CompareRun, ARefusedScriptGetsItsReasonAfterTheBlock) {
  EXPECT_FALSE(run("function test() {\r\n  return [1, 2].map(function (x) { return x * 2; }).join();\r\n}",
                   "test()", 2));
  EXPECT_EQ(0u, bench.log.find("两个引擎的结果不同!!每个引擎运行 2 次\r\n"));
  EXPECT_NE(std::string::npos, bench.log.find("\r\n\r\nV8：最短 2 毫秒，中位 2 毫秒\r\n返回内容：2,4\r\n\r\n"));
  EXPECT_NE(std::string::npos,
            bench.log.find(sep + "\r\n原因：JScript 5.7 没有 ES5 的 Array.prototype.map（第2行）。"));
}

TEST_F(CompareRun, AnEmptyCallIsRefusedAndTheLogKept) {
  bench.log = "before";
  EXPECT_FALSE(run("function f() {}", "", 5));
  EXPECT_EQ("before", bench.log);
  ASSERT_EQ(1u, bench.messages.size());
}
