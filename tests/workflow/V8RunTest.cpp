// "V8运行" on the real engine library, found next to this test executable as the program finds
// its own.
#include <gtest/gtest.h>

#include "examples/SampleScript.h"
#include "tests/support/RunBlocks.h"
#include "tests/support/V8Bridge.h"
#include "workflow/CallBox.h"
#include "workflow/HeadlessWorkbench.h"
#include "workflow/V8Run.h"

using namespace jsdebug;
using namespace jsdebug::workflow;

namespace {

const std::string& sep = testsupport::kRunSeparator;
const std::string kDefaultCode = examples::kSampleScriptBytes;

using testsupport::runFailure;
using testsupport::runSuccess;

struct V8Run : ::testing::Test {
  HeadlessWorkbench bench;
  std::uint32_t now = 1000;
  TickCounter ticks = [this] { return now += 5; };

  void SetUp() override {
    bench.editor().setText(kDefaultCode);
    bench.editor().moveCaretToPos(3);
    bench.callBox = "test('abc',123)";
  }
  void run() { v8RunCommand(bench, testsupport::startedV8Bridge(), ticks); }
  // A script returning a text of `length` bytes, run with the given buffer-length box text.
  void runProducing(int length, const std::string& bufferBox) {
    bench.editor().setText("function big(n){return 'x'.repeat(n);}");
    bench.callBox = std::string("big(") + std::to_string(length) + ")";
    bench.v8BufferLength = bufferBox;
    run();
  }
};

}  // namespace

TEST_F(V8Run, DefaultCodeSucceedsWithTheElapsedTime) {
  bench.log = "earlier run";
  run();
  EXPECT_EQ(runSuccess("5", "abc123"), bench.log);
  EXPECT_TRUE(bench.focusHistory.empty());
  EXPECT_EQ(3, bench.editor().getCurrentPos());
  EXPECT_TRUE(bench.messages.empty());
  // The counter wraps like the system's; the difference does not.
  now = 0xFFFFFFFEu;
  run();
  EXPECT_EQ(runSuccess("5", "abc123"), bench.log);
  // Nothing but the log changes.
  EXPECT_EQ(kDefaultCode, bench.editor().wholeText());
  EXPECT_EQ("test('abc',123)", bench.callBox);
}

TEST_F(V8Run, ErrorReportsItsLineAndMovesTheCaretThere) {
  bench.editor().setText("function test(a){\r\n  var x = null;\r\n  return x.y;\r\n}");
  bench.callBox = "test(1)";
  run();
  EXPECT_EQ(runFailure("3", "TypeError: Cannot read properties of null (reading 'y')"), bench.log);
  ASSERT_EQ(std::vector<Control>{Control::CodeEditor}, bench.focusHistory);
  EXPECT_EQ(2, bench.editor().lineFromPosition(bench.editor().getCurrentPos()));
  EXPECT_EQ(0, bench.editor().getColumn(bench.editor().getCurrentPos()));
  EXPECT_TRUE(bench.messages.empty());
}

TEST_F(V8Run, ErrorOutsideTheScriptFocusesTheEditorButLeavesTheCaret) {
  bench.callBox = "nothere(1)";
  run();
  EXPECT_EQ(runFailure("0", "ReferenceError: nothere is not defined"), bench.log);
  EXPECT_EQ(std::vector<Control>{Control::CodeEditor}, bench.focusHistory);
  EXPECT_EQ(3, bench.editor().getCurrentPos());

  // A value that merely contains the marker is taken for a failure; it has no line.
  bench.focusHistory.clear();
  bench.callBox = "test('错误信息',1)";
  run();
  EXPECT_EQ(runFailure("", ""), bench.log);
  EXPECT_EQ(std::vector<Control>{Control::CodeEditor}, bench.focusHistory);
  EXPECT_EQ(3, bench.editor().getCurrentPos());
}

TEST_F(V8Run, TheCallBoxIsSentWithoutBeingChecked) {
  for (const char* box : {"", kCallBoxCueText}) {
    bench.callBox = box;
    run();
    EXPECT_EQ(0u, bench.log.find("代码运算失败!!\r\n")) << box;
    EXPECT_NE(std::string::npos, bench.log.find("错误行:0\r\n\r\n错误信息:SyntaxError")) << bench.log;
  }
  EXPECT_TRUE(bench.messages.empty());
  EXPECT_EQ(kCallBoxCueText, bench.callBox);
}

TEST_F(V8Run, TheCallIsSplitAndRebuiltBeforeTheEngineSeesIt) {
  bench.editor().setText(
      "function f(){return 'n=' + arguments.length + ':' + Array.prototype.join.call(arguments, '/');}\n"
      "function a(x){return function(y){return x + y;};}\nvar b = 'B', c = 'C';");
  struct Case {
    const char* box;
    std::string result;
  } cases[] = {
      {"\xA1\xA1 f(1,2)  \xA1\xA1", "n=2:1/2"},  // ASCII and full-width blanks trimmed
      {"f(1);", "n=1:1"},                        // a trailing ";" does not lose the arguments
      {"f(1, 'a') // call", "n=2:1/a"},
      {"a(b)(c)", "BC"},                         // name "a", arguments "b)(c"
      {"f('(x)')", "n=1:(x)"},
  };
  for (const Case& c : cases) {
    bench.callBox = c.box;
    run();
    EXPECT_EQ(runSuccess("5", c.result), bench.log) << c.box;
  }
  // The arguments end at the first ")|": f(')|') becomes f('), which does not parse.
  bench.callBox = "f(')|')";
  run();
  EXPECT_EQ(0u, bench.log.find("代码运算失败!!\r\n")) << bench.log;
  EXPECT_NE(std::string::npos, bench.log.find("SyntaxError: Invalid or unexpected token"));
}

// A buffer shorter than the engine's shortest failure report gets the empty text for a failure,
// which would read as success: such lengths, and what E's 32-bit integer cannot hold, are
// refused before the engine is called. Every length that is let through shows a failure as one.
TEST_F(V8Run, BufferLengthsThatCannotCarryAFailureAreRefusedBeforeTheEngine) {
  const std::string tooSmall = "太小，至少要 8：更短的缓冲区连出错的报告都装不下，运行出错也会显示为成功。";
  const std::string range = "请填写 8 到 2147483647 之间的整数。";
  struct Row {
    std::string box;
    std::string message;  // empty: accepted
  } rows[] = {
      {"0", "V8缓冲区长度 0 " + tooSmall},
      {"1", "V8缓冲区长度 1 " + tooSmall},
      {"2", "V8缓冲区长度 2 " + tooSmall},
      {"3", "V8缓冲区长度 3 " + tooSmall},
      {"4", "V8缓冲区长度 4 " + tooSmall},
      {"5", "V8缓冲区长度 5 " + tooSmall},
      {"6", "V8缓冲区长度 6 " + tooSmall},
      {"7", "V8缓冲区长度 7 " + tooSmall},
      {"-5", "V8缓冲区长度 -5 " + tooSmall},
      {"-2147483648", "V8缓冲区长度 -2147483648 " + tooSmall},
      {"\xA3\xB7", "V8缓冲区长度 7 " + tooSmall},  // full-width ７
      {"abc", "V8缓冲区长度“abc”不是整数，" + range},
      {"", "V8缓冲区长度“”不是整数，" + range},
      {"12abc", "V8缓冲区长度“12abc”不是整数，" + range},
      {"1.5", "V8缓冲区长度“1.5”不是整数，" + range},
      {"2147483648", "V8缓冲区长度 2147483648 超出了易语言整数型的范围，" + range},
      {"99999999999", "V8缓冲区长度 99999999999 超出了易语言整数型的范围，" + range},
      {"8", ""},
      {"2147483647", ""},
      {" 1024 ", ""},
      {"\xA3\xB2\xA3\xB0\xA3\xB4\xA3\xB8", ""},  // ２０４８
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.box);
    EXPECT_EQ(row.message, v8BufferLengthProblem(row.box));
    if (row.message.empty()) continue;
    bench.log = "earlier run";
    bench.messages.clear();
    bench.focusHistory.clear();
    bench.v8BufferLength = row.box;
    run();
    EXPECT_EQ("earlier run", bench.log);
    ASSERT_EQ(1u, bench.messages.size());
    EXPECT_EQ(row.message, bench.messages[0].text);
    EXPECT_EQ("信息：", bench.messages[0].title);
    EXPECT_EQ(MessageIcon::Error, bench.messages[0].icon);
    EXPECT_EQ(std::vector<Control>{Control::V8BufferLengthBox}, bench.focusHistory);
  }
}

TEST_F(V8Run, EveryAcceptedShortLengthShowsATooLongResultAsAFailure) {
  for (int length : {8, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 39, 40}) {
    runProducing(100, std::to_string(length));
    EXPECT_EQ(0u, bench.log.find("代码运算失败!!\r\n")) << length << ": " << bench.log;
    EXPECT_TRUE(bench.messages.empty());
  }
  // One that fits is still a success.
  runProducing(8, "8");
  EXPECT_EQ(runSuccess("5", "xxxxxxxx"), bench.log);
}

// "test('abc',123" would be split to test() and run without its arguments: it is refused as the
// system engine refuses it, before the engine is called, in the V8 run's own failure form.
TEST_F(V8Run, ACallMissingItsParenthesisIsASyntaxError) {
  struct Row {
    const char* box;
    const char* message;
  } rows[] = {
      {"test('abc',123", "SyntaxError: 缺少 ')'"},
      {"test('abc',123 // comment", "SyntaxError: 缺少 ')'"},
      {"test(f(1)", "SyntaxError: 缺少 ')'"},
      {"test('abc", "SyntaxError: 未结束的字符串常量"},
  };
  for (const Row& row : rows) {
    bench.focusHistory.clear();
    bench.callBox = row.box;
    run();
    EXPECT_EQ(runFailure("0", row.message), bench.log) << row.box;
    EXPECT_EQ(std::vector<Control>{Control::CodeEditor}, bench.focusHistory);
    EXPECT_EQ(3, bench.editor().getCurrentPos());
  }
  // Parentheses inside quotes are text; a closed call runs.
  bench.callBox = "test('(',123)";
  run();
  EXPECT_EQ(runSuccess("5", "(123"), bench.log);
}

TEST_F(V8Run, ResultsAtAndPastTheBufferLength) {
  runProducing(1024, "1024");
  EXPECT_EQ(runSuccess("5", std::string(1024, 'x')), bench.log);

  runProducing(1025, "1024");
  EXPECT_EQ(0u, bench.log.find("代码运算失败!!\r\n")) << bench.log;
  EXPECT_NE(std::string::npos, bench.log.find("1025")) << bench.log;

  // Too short even for the engine's report: still a failure, not a piece of the report shown
  // as the value.
  for (const char* tiny : {"8", "12", "20"}) {
    runProducing(100, tiny);
    EXPECT_EQ(0u, bench.log.find("代码运算失败!!\r\n")) << tiny << ": " << bench.log;
  }

  // Full-width digits count: ２０４８ is 2048.
  runProducing(2048, "\xA3\xB2\xA3\xB0\xA3\xB4\xA3\xB8");
  EXPECT_EQ(runSuccess("5", std::string(2048, 'x')), bench.log);
  runProducing(2049, "\xA3\xB2\xA3\xB0\xA3\xB4\xA3\xB8");
  EXPECT_EQ(0u, bench.log.find("代码运算失败!!\r\n"));
}

TEST_F(V8Run, TenMegabyteResults) {
  const int tenMb = 10 * 1024 * 1024;
  runProducing(tenMb, "1024");
  EXPECT_EQ(0u, bench.log.find("代码运算失败!!\r\n"));
  EXPECT_NE(std::string::npos, bench.log.find(std::to_string(tenMb))) << bench.log;

  runProducing(tenMb, std::to_string(tenMb));
  ASSERT_EQ(runSuccess("5", std::string(static_cast<std::size_t>(tenMb), 'x')).size(), bench.log.size());
  EXPECT_EQ(0u, bench.log.find("代码运算成功!!"));
}
