// jsfuck decoding and UTF-8 decoding on a headless workbench, through the real engine library
// built next to this test executable.
#include <gtest/gtest.h>

#include <cstdlib>

#include <future>
#include <memory>
#include <thread>

#include "examples/SampleScript.h"
#include "tests/support/Cases.h"
#include "tests/support/V8Bridge.h"
#include "transform/JsfuckDecoder.h"
#include "transform/Utf8Decoding.h"
#include "workflow/HeadlessWorkbench.h"
#include "workflow/V8Run.h"

using namespace jsdebug;

namespace {

using testsupport::expectEach;

// Starts the command as the button does and returns a future for the worker's end.
std::future<void> startJsfuck(workflow::HeadlessWorkbench& bench) {
  auto done = std::make_shared<std::promise<void>>();
  std::future<void> finished = done->get_future();
  transform::jsfuckCommand(bench, testsupport::startedV8Bridge(), [done] { done->set_value(); });
  return finished;
}

std::string decoded(const std::string& editorText) {
  workflow::HeadlessWorkbench bench;
  bench.editor().setText(editorText);
  startJsfuck(bench).wait();
  EXPECT_TRUE(bench.messages.empty());
  EXPECT_EQ("", bench.log);
  return bench.editor().wholeText();
}

}  // namespace

// The rows that need a value from V8 need a node for the system the tests run on: on Linux the
// machine's, under Wine a Windows node named by JSDEBUG_NODE.
bool nodeExpected() {
#ifdef _WIN32
  const char* node = std::getenv("JSDEBUG_NODE");
  return node != nullptr && *node != 0;
#else
  return true;
#endif
}

TEST(Jsfuck, TheEditorReceivesTheValue) {
  if (!nodeExpected()) GTEST_SKIP() << "no node for this system";
  expectEach(decoded, {
      {"(![]+[])[+[]]", "f"},
      {"1+1", "2"},
      // "true": t, r, u, e picked from !![]+[].
      {"(!![]+[])[+[]]+(!![]+[])[+!![]]+(!![]+[])[!![]+!![]]+(!![]+[])[!![]+!![]+!![]]", "true"},
      {"", "undefined"},
      // GBK in the editor, GBK back.
      {"'中' + '文'", "中文"},
  });
}

// A text that runs as a program gives undefined: the program would be replaced by that word.
TEST(Jsfuck, ATextThatRunsCodeInsteadOfGivingAValueStays) {
  if (!nodeExpected()) GTEST_SKIP() << "no node for this system";
  for (const char* text : {"void 0", "[].forEach(function(){})", "(function(){var a = 1;})()"}) {
    workflow::HeadlessWorkbench bench;
    bench.editor().setText(text);
    startJsfuck(bench).wait();
    EXPECT_EQ(text, bench.editor().wholeText());
    ASSERT_EQ(1u, bench.messages.size()) << text;
    EXPECT_EQ(0u, bench.messages[0].text.find("jsfuck解密失败：")) << bench.messages[0].text;
    EXPECT_EQ(workflow::MessageIcon::Error, bench.messages[0].icon);
  }
  // The word itself, spelled by the code, is a value like any other.
  EXPECT_EQ("undefined", decoded("[][[]]+[]"));
  EXPECT_EQ("undefined", decoded("'undefined'"));
}

TEST(Jsfuck, FailuresLeaveTheEditorAsItWas) {
  for (const char* text : {"(![]+[])[+[]]);", "1;2", "nope", "(function(){throw new Error('x')})()"})
    EXPECT_EQ(text, decoded(text));
}

TEST(Jsfuck, ResultsUpToTheFixedBufferLength) {
  if (!nodeExpected()) GTEST_SKIP() << "no node for this system";
  EXPECT_EQ(std::string(1024000, 'x'), decoded("'x'.repeat(1024000)"));
  // One byte more does not fit: the report is an error, so the text stays.
  EXPECT_EQ("'x'.repeat(1024001)", decoded("'x'.repeat(1024001)"));
}

TEST(Jsfuck, ClicksInQuickSuccessionShareTheEditor) {
  if (!nodeExpected()) GTEST_SKIP() << "no node for this system";
  // Each click has its own worker; a later one may read the text an earlier one wrote ("f", which
  // fails as an expression and so changes nothing). Either way the editor ends up decoded.
  workflow::HeadlessWorkbench bench;
  bench.editor().setText("(![]+[])[+[]]");
  std::vector<std::future<void>> clicks;
  for (int i = 0; i < 8; ++i) clicks.push_back(startJsfuck(bench));
  for (auto& click : clicks) click.wait();
  EXPECT_EQ("f", bench.editor().wholeText());
}

TEST(Utf8Decoding, ReinterpretsTheEditorBytes) {
  workflow::HeadlessWorkbench bench;
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"var a = 'plain';\r\n", "var a = 'plain';\r\n"},
      {"\xE4\xB8\xAD", "\xD6\xD0"},
      {"alert('\xE4\xB8\xAD\xE6\x96\x87');", "alert('\xD6\xD0\xCE\xC4');"},
      {std::string("a\0b", 3), "a"},
      {"\xEF\xBB\xBF" "a", "?a"},  // the byte order mark is U+FEFF, which GBK lacks
  };
  for (const auto& [in, out] : cases) {
    bench.editor().setText(in);
    transform::utf8DecodeCommand(bench, testsupport::startedV8Bridge());
    EXPECT_EQ(out, bench.editor().wholeText()) << in;
  }
  EXPECT_EQ("", bench.log);
  EXPECT_TRUE(bench.messages.empty());
}

// Text that is not UTF-8 (GBK already, or bytes broken some other way) would come back with its
// Chinese as "?": it stays as it is, and a box says why.
TEST(Utf8Decoding, TextThatIsNotUtf8StaysAsItIs) {
  const std::string rows[] = {
      "\xD6\xD0\xCE\xC4",                 // 中文 in GBK
      "var s = '\xD6\xD0'; // \xE4\xB8\xAD",  // GBK and UTF-8 mixed
      "\xE4\xB8",                         // cut short
      "\xC0\xAF",                         // overlong "/"
      "\xED\xA0\x80",                     // a surrogate
      "\xF4\x90\x80\x80",                 // past U+10FFFF
      "\x80",                             // a stray continuation byte
  };
  for (const std::string& text : rows) {
    EXPECT_FALSE(transform::isWellFormedUtf8(text)) << text;
    workflow::HeadlessWorkbench bench;
    bench.editor().setText(text);
    transform::utf8DecodeCommand(bench, testsupport::startedV8Bridge());
    EXPECT_EQ(text, bench.editor().wholeText());
    ASSERT_EQ(1u, bench.messages.size());
    EXPECT_EQ(transform::kNotUtf8Message, bench.messages[0].text);
    EXPECT_EQ(workflow::MessageIcon::Error, bench.messages[0].icon);
  }
  for (const char* utf8 : {"", "ascii", "\xF0\x9F\x98\x80", "\xF4\x8F\xBF\xBF", "\xEE\x80\x80"})
    EXPECT_TRUE(transform::isWellFormedUtf8(utf8)) << utf8;
}

// The GUI thread's V8 run and a jsfuck worker call the one bridge with the one context at the
// same time. Separate workbenches, so that each side's expected result is known; the engine and
// the bridge are what they share.
TEST(V8Concurrency, GuiRunAndJsfuckWorkerEachGetTheirOwnResult) {
  if (!nodeExpected()) GTEST_SKIP() << "no node for this system";
  const std::string sep(65, '-');
  workflow::HeadlessWorkbench gui;
  gui.editor().setText(examples::kSampleScriptBytes);
  workflow::TickCounter ticks = [] { return 0u; };
  std::vector<std::unique_ptr<workflow::HeadlessWorkbench>> workers;
  std::vector<std::future<void>> finished;
  for (int round = 0; round < 40; ++round) {
    const std::string n = std::to_string(round);
    workers.push_back(std::make_unique<workflow::HeadlessWorkbench>());
    workers.back()->editor().setText(std::string("(![]+[])[+[]]+") + n);
    finished.push_back(startJsfuck(*workers.back()));

    gui.callBox = std::string("test('abc',") + n + ")";
    gui.runOnGuiThread([&] { workflow::v8RunCommand(gui, testsupport::startedV8Bridge(), ticks); });
    EXPECT_EQ("代码运算成功!!执行时间：0\r\n" + sep + "\r\n\r\n返回内容：abc" + n + "\r\n\r\n" + sep,
              gui.log);
  }
  for (std::size_t round = 0; round < workers.size(); ++round) {
    finished[round].wait();
    std::string expected = "f";
    expected += std::to_string(round);
    EXPECT_EQ(expected, workers[round]->editor().wholeText());
  }
}
