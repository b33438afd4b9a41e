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
