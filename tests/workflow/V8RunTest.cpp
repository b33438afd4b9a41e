// "V8运行" on the real engine library, found next to this test executable as the program finds
// its own.
#include <gtest/gtest.h>

#include "engine/V8Bridge.h"
#include "examples/SampleScript.h"
#include "workflow/CallBox.h"
#include "workflow/HeadlessWorkbench.h"
#include "workflow/V8Run.h"

using namespace jsdebug;
using namespace jsdebug::workflow;

namespace {

const std::string sep(65, '-');
const std::string kDefaultCode = examples::kSampleScriptBytes;

std::string success(const std::string& ms, const std::string& result) {
  return "代码运算成功!!执行时间：" + ms + "\r\n" + sep + "\r\n\r\n返回内容：" + result + "\r\n\r\n" + sep;
}

std::string failure(const std::string& line, const std::string& message) {
  return "代码运算失败!!\r\n" + sep + "\r\n\r\n错误行:" + line + "\r\n\r\n错误信息:" + message +
         "\r\n\r\n" + sep;
}

engine::V8Bridge& startedBridge() {
  static engine::V8Bridge& bridge = []() -> engine::V8Bridge& {
    engine::v8Bridge().initializeV8(engine::startupPath());
    return engine::v8Bridge();
  }();
  return bridge;
}

struct V8Run : ::testing::Test {
  HeadlessWorkbench bench;
  std::uint32_t now = 1000;
  TickCounter ticks = [this] { return now += 5; };

  void SetUp() override {
    bench.editor().setText(kDefaultCode);
    bench.editor().moveCaretToPos(3);
    bench.callBox = "test('abc',123)";
  }
  void run() { v8RunCommand(bench, startedBridge(), ticks); }
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
  EXPECT_EQ(success("5", "abc123"), bench.log);
  EXPECT_TRUE(bench.focusHistory.empty());
  EXPECT_EQ(3, bench.editor().getCurrentPos());
  EXPECT_TRUE(bench.messages.empty());
  // The counter wraps like the system's; the difference does not.
  now = 0xFFFFFFFEu;
  run();
  EXPECT_EQ(success("5", "abc123"), bench.log);
  // Nothing but the log changes.
  EXPECT_EQ(kDefaultCode, bench.editor().wholeText());
  EXPECT_EQ("test('abc',123)", bench.callBox);
}

TEST_F(V8Run, ErrorReportsItsLineAndMovesTheCaretThere) {
  bench.editor().setText("function test(a){\r\n  var x = null;\r\n  return x.y;\r\n}");
  bench.callBox = "test(1)";
  run();
  EXPECT_EQ(failure("3", "TypeError: Cannot read properties of null (reading 'y')"), bench.log);
  ASSERT_EQ(std::vector<Control>{Control::CodeEditor}, bench.focusHistory);
  EXPECT_EQ(2, bench.editor().lineFromPosition(bench.editor().getCurrentPos()));
  EXPECT_EQ(0, bench.editor().getColumn(bench.editor().getCurrentPos()));
  EXPECT_TRUE(bench.messages.empty());
}

TEST_F(V8Run, ErrorOutsideTheScriptFocusesTheEditorButLeavesTheCaret) {
  bench.callBox = "nothere(1)";
  run();
  EXPECT_EQ(failure("0", "ReferenceError: nothere is not defined"), bench.log);
  EXPECT_EQ(std::vector<Control>{Control::CodeEditor}, bench.focusHistory);
  EXPECT_EQ(3, bench.editor().getCurrentPos());

  // A value that merely contains the marker is taken for a failure; it has no line.
  bench.focusHistory.clear();
  bench.callBox = "test('错误信息',1)";
  run();
  EXPECT_EQ(failure("", ""), bench.log);
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
    EXPECT_EQ(success("5", c.result), bench.log) << c.box;
  }
  // The arguments end at the first ")|": f(')|') becomes f('), which does not parse.
  bench.callBox = "f(')|')";
  run();
  EXPECT_EQ(0u, bench.log.find("代码运算失败!!\r\n")) << bench.log;
  EXPECT_NE(std::string::npos, bench.log.find("SyntaxError: Invalid or unexpected token"));
}

TEST_F(V8Run, BufferLengthBoxBelowOneGivesAnEmptySuccess) {
  for (const char* box : {"abc", "0", "-5", ""}) {
    bench.v8BufferLength = box;
    run();
    EXPECT_EQ(success("5", ""), bench.log) << box;
  }
}

TEST_F(V8Run, ResultsAtAndPastTheBufferLength) {
  runProducing(1024, "1024");
  EXPECT_EQ(success("5", std::string(1024, 'x')), bench.log);

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
  EXPECT_EQ(success("5", std::string(2048, 'x')), bench.log);
  runProducing(2049, "\xA3\xB2\xA3\xB0\xA3\xB4\xA3\xB8");
  EXPECT_EQ(0u, bench.log.find("代码运算失败!!\r\n"));
}

TEST_F(V8Run, TenMegabyteResults) {
  const int tenMb = 10 * 1024 * 1024;
  runProducing(tenMb, "1024");
  EXPECT_EQ(0u, bench.log.find("代码运算失败!!\r\n"));
  EXPECT_NE(std::string::npos, bench.log.find(std::to_string(tenMb))) << bench.log;

  runProducing(tenMb, std::to_string(tenMb));
  ASSERT_EQ(success("5", std::string(static_cast<std::size_t>(tenMb), 'x')).size(), bench.log.size());
  EXPECT_EQ(0u, bench.log.find("代码运算成功!!"));
}
