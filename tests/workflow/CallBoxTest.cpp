#include <gtest/gtest.h>

#include "workflow/CallBox.h"
#include "workflow/HeadlessWorkbench.h"

using namespace jsdebug;
using namespace jsdebug::workflow;

TEST(CallBoxCue, FocusEmptiesCueTextAndLeavingRestoresIt) {
  HeadlessWorkbench bench;
  ASSERT_EQ(kCallBoxCueText, bench.callBox);
  callBoxFocusIn(bench);
  EXPECT_EQ("", bench.callBox);
  callBoxFocusOut(bench);
  EXPECT_EQ(kCallBoxCueText, bench.callBox);
  bench.callBox = "  ";
  callBoxFocusOut(bench);
  EXPECT_EQ("  ", bench.callBox);  // blanks count as content
  bench.callBox = "test(1)";
  callBoxFocusIn(bench);
  EXPECT_EQ("test(1)", bench.callBox);
}

// What the rewrites take for a call to check their work with.
TEST(CallBoxCue, OnlyBlanksAndTheCueHoldNoCall) {
  const struct Row {
    std::string box;
    bool holds;
  } rows[] = {
      {"", false},
      {" ", false},
      {"\xA1\xA1 \xA1\xA1", false},
      {kCallBoxCueText, false},
      {"test(1)", true},
      {" f() ", true},
  };
  for (const Row& row : rows) EXPECT_EQ(row.holds, callBoxHoldsCall(row.box)) << "[" << row.box << "]";
}

TEST(SplitCallTest, NameBeforeFirstParenArgumentsToFirstCloseBar) {
  EXPECT_EQ("test", splitCallToRun("test('abc',123)").name);
  EXPECT_EQ("'abc',123", splitCallToRun("test('abc',123)").arguments);
  EXPECT_EQ("a", splitCallToRun("a(b)(c)").name);
  EXPECT_EQ("b)(c", splitCallToRun("a(b)(c)").arguments);
  EXPECT_EQ("'", splitCallToRun("f(')|')").arguments);
  EXPECT_EQ("", splitCallToRun("test").name);
  EXPECT_EQ("\ttest", splitCallToRun(" \ttest(1)　").name);
}

// Calls copied from code keep their arguments: the tail of ";", blanks and a last comment goes
// before the split; quoted text and the front of the call are left alone.
TEST(SplitCallTest, CallsCopiedFromCodeKeepTheirArguments) {
  struct Row {
    const char* box;
    const char* name;
    const char* arguments;
  } rows[] = {
      {"test('abc',123);", "test", "'abc',123"},
      {"test('abc',123) ; ;\t\r\n", "test", "'abc',123"},
      {"test(1); // call it", "test", "1"},
      {"test(1) /* a */ ; /* b */", "test", "1"},
      {"test(1);\xA1\xA1", "test", "1"},
      {"f('a;//b');", "f", "'a;//b'"},           // a comment mark inside quotes is text
      {"f(\"x/*\", '*/');", "f", "\"x/*\", '*/'"},
      {"f('it\\'s;') // ok", "f", "'it\\'s;'"},  // an escaped quote does not end the text
      {"f(1) // a\n;", "f", "1"},
      {"f(1) /* open", "f", ""},                // an open comment is not a tail: kept, as typed
      {"f('中;')；", "f", ""},                   // a full-width semicolon is no semicolon
      {"\ttest(1);", "\ttest", "1"},            // the front stays as it was
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.name, splitCallToRun(row.box).name) << row.box;
    EXPECT_EQ(row.arguments, splitCallToRun(row.box).arguments) << row.box;
  }
}

// An unclosed call is judged by JScript's grammar on the call as typed; parentheses in quotes
// are text, and a call whose parentheses close keeps the split it always had.
TEST(UnclosedCall, RowsAndTheirVerdicts) {
  struct Row {
    const char* box;
    bool unclosed;
    const char* number;  // empty: no refusal
    const char* description;
    const char* column;
  } rows[] = {
      {"test('abc',123", true, "1006", "缺少 ')'", "14"},
      {"  test('abc',123 ;  ", true, "1006", "缺少 ')'", "14"},
      {"test('abc',123 // note", true, "1006", "缺少 ')'", "14"},
      {"test(g(1)", true, "1006", "缺少 ')'", "9"},
      {"test(", true, "1002", "语法错误", "5"},  // JScript stops at the missing argument first
      {"test('中文',1", true, "1006", "缺少 ')'", "11"},  // columns count characters
      {"test('abc", true, "1015", "未结束的字符串常量", "5"},
      {"test(')'", true, "1006", "缺少 ')'", "8"},
      {"test(\"a\\\"(\"", true, "1006", "缺少 ')'", "11"},  // an escaped quote stays inside
      {"test('abc',123)", false, "", "", ""},
      {"test('(')", false, "", "", ""},
      {"f('a)|b')", false, "", "", ""},
      {"a(b)(c)", false, "", "", ""},
      {"f(1) + 1", false, "", "", ""},
      {"test", false, "", "", ""},
      {"", false, "", "", ""},
      {kCallBoxCueText, false, "", "", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.box);
    EXPECT_EQ(row.unclosed, callIsUnclosed(row.box));
    const std::optional<engine::ScriptError> error = unclosedCallError(row.box);
    ASSERT_EQ(*row.number != 0, error.has_value());
    if (!error) continue;
    EXPECT_EQ(row.number, error->Number);
    EXPECT_EQ(row.description, error->Description);
    EXPECT_EQ(row.column, error->Column);
    EXPECT_EQ("1", error->Line);

    HeadlessWorkbench bench;
    bench.callBox = row.box;
    EXPECT_TRUE(refuseUnclosedCall(bench));
    ASSERT_EQ(1u, bench.messages.size());
    EXPECT_EQ(std::string("调用方法有语法错误：") + row.description + "（错误代码 " + row.number +
                  "，位置 " + row.column + "）",
              bench.messages[0].text);
    EXPECT_EQ(MessageIcon::Error, bench.messages[0].icon);
    EXPECT_EQ(std::vector<Control>{Control::CallBox}, bench.focusHistory);
  }
}

TEST(LostCallCharacters, NoteNamesEachCodePoint) {
  EXPECT_EQ("", lostCallCharactersNote(U""));
  EXPECT_EQ("提示：调用方法中的 U+1F600 是GBK没有的字符，已当作“?”使用。\r\n",
            lostCallCharactersNote(U"\U0001F600"));
  EXPECT_EQ("提示：调用方法中的 U+0E01、U+DC00 是GBK没有的字符，已当作“?”使用。\r\n",
            lostCallCharactersNote(U"\u0E01\xDC00"));
}

TEST(FunctionPicking, SignatureCaptionAndCall) {
  struct Case {
    std::string line, call;
  } cases[] = {
      {"function test(aa,bb){\r\n", "test(aa,bb)"},
      {"function f() {\r\n", "f()"},
      {"var g = function (a, b) {\r\n", "(a, b)"},
      {"function f(a) { return g(b) }\r\n", "f(a)"},
  };
  for (const Case& c : cases) {
    const std::string sig = pickedSignature(c.line);
    ASSERT_FALSE(sig.empty()) << c.line;
    EXPECT_EQ(c.call, callFromCaption(debugItemCaption(sig))) << c.line;
  }
  EXPECT_EQ("调试 [test(aa,bb] 函数！", debugItemCaption(pickedSignature("function test(aa,bb){")));
  EXPECT_EQ("", pickedSignature("test(1, 2);\r\n"));
  EXPECT_EQ("", pickedSignature("Function f(a)"));  // case-sensitive
}

TEST(BraceHighlighting, PairUnmatchedAndNone) {
  MemoryEditor editor;
  editor.setText("test(aa,bb){\r\n\tx[1]\r\n");
  editor.moveCaretToPos(11);  // just after ")"
  highlightBraces(editor);
  EXPECT_EQ(10, editor.highlightA);
  EXPECT_EQ(4, editor.highlightB);
  EXPECT_EQ(4, editor.highlightGuide);

  editor.moveCaretToPos(12);  // after the unmatched "{"
  highlightBraces(editor);
  EXPECT_EQ(11, editor.badLight);
  EXPECT_EQ(0, editor.highlightGuide);

  editor.moveCaretToPos(2);  // no brace near the caret
  highlightBraces(editor);
  EXPECT_EQ(-1, editor.highlightA);
  EXPECT_EQ(-1, editor.highlightB);
  EXPECT_EQ(0, editor.highlightGuide);
}

TEST(BraceHighlighting, BraceBeforeTheCaretWins) {
  MemoryEditor editor;
  editor.setText("f(a)(b)");
  editor.moveCaretToPos(4);  // between ")" and "("
  highlightBraces(editor);
  EXPECT_EQ(3, editor.highlightA);
  EXPECT_EQ(1, editor.highlightB);
}

TEST(BraceHighlighting, GuideOnlyWithIndentationGuides) {
  MemoryEditor editor;
  editor.setText("\t{\r\n\t}");
  editor.setHighlightGuide(5);
  editor.setSetting(EditorSetting::IndentationGuides, 0);
  editor.moveCaretToPos(2);
  highlightBraces(editor);
  EXPECT_EQ(1, editor.highlightA);
  EXPECT_EQ(5, editor.highlightGuide);
  editor.setSetting(EditorSetting::IndentationGuides, 1);
  highlightBraces(editor);
  EXPECT_EQ(8, editor.highlightGuide);  // the tab reaches column 8
}
