#include <gtest/gtest.h>

#include "workflow/MemoryEditor.h"

using namespace jsdebug;
using namespace jsdebug::workflow;

TEST(MemoryEditorTest, LinesCharsAndArgumentRules) {
  MemoryEditor e;
  e.setText("a\r\nb");
  EXPECT_EQ("b", e.getLine(1));
  EXPECT_EQ("a\r\n", e.getLine(0));
  EXPECT_EQ("", e.getLine(-1));
  EXPECT_EQ(2, e.getLineCount());
  EXPECT_EQ("", e.getCharAt(-1));
  EXPECT_EQ("", e.getCharAt(e.getLength()));
  EXPECT_EQ(0, e.lineFromPosition(-5));
  e.moveCaretToPos(3);
  e.moveCaretToLine(-1);
  EXPECT_EQ(3, e.getCurrentPos());
  e.setText("a\0b");
  EXPECT_EQ("a", e.wholeText());
  // A text with a NUL inside ends there, length included, as in the window's editor.
  for (std::string text : {std::string("ab\0cd", 5), std::string("\0x", 2)}) {
    const std::string before = text.substr(0, text.find('\0'));
    e.setText(text);
    EXPECT_EQ(before, e.wholeText());
    EXPECT_EQ(static_cast<int>(before.size()), e.getLength());
    e.setText(std::move(text));
    EXPECT_EQ(static_cast<int>(before.size()), e.getLength());
  }
}

TEST(MemoryEditorTest, FindTextBothDirectionsWholeMatchInside) {
  MemoryEditor e;
  e.setText("中ab中ab中ab");  // matches at 2, 6, 10
  FindResult r = e.findText(kFindMatchCase, 0, e.getLength(), "ab");
  EXPECT_TRUE(r.found);
  EXPECT_EQ(2, r.start);
  r = e.findText(kFindMatchCase, 11, 0, "ab");  // the match at 10 straddles 11
  EXPECT_EQ(6, r.start);
  EXPECT_EQ(8, r.end);
  r = e.findText(0, 0, 5, "x", FindResult{false, 7, 9});
  EXPECT_FALSE(r.found);
  EXPECT_EQ(7, r.start);
}
