// Quick find, find next, replace and go to line, on whichever editor the suite is instantiated
// with. Narrow literals are GBK, so "中" is two bytes and positions below are GBK byte offsets.

#include "workflow/GoToLine.h"
#include "workflow/QuickFind.h"
#include "tests/support/SearchHarness.h"

namespace jsdebug::testing {
namespace {

using Range = std::pair<int, int>;

const std::string kNotFoundAb = "未找到指定文本“ab”";

// ---- quick find ----

TEST_P(SearchTest, QuickFindWalksEveryOccurrenceThenReportsNotFoundForever) {
  editor.setText("ab 中ab\r\nx ab");  // "ab" at 0, 5 and 11
  bench.findBox = "ab";
  for (const Range& expected : {Range{0, 2}, Range{5, 7}, Range{11, 13}}) {
    EXPECT_EQ(expected, quickFind());
  }
  EXPECT_TRUE(bench.messages.empty());
  for (int press = 0; press < 3; ++press) {
    quickFind();
    ASSERT_EQ(static_cast<std::size_t>(press + 1), bench.messages.size());
    EXPECT_EQ(kNotFoundAb, bench.messages.back().text);
    EXPECT_EQ("错误", bench.messages.back().title);
    EXPECT_EQ(workflow::MessageIcon::Error, bench.messages.back().icon);
  }
  EXPECT_EQ(11, quickFindState.matchStart);  // unchanged by the failures: "向上" goes back from here
  bench.searchDown = false;
  EXPECT_EQ(Range(5, 7), quickFind());
}

TEST_P(SearchTest, QuickFindUpRightAfterAnEditIsNotFound) {
  editor.setText("ab ab ab");
  bench.findBox = "ab";
  quickFind();
  EXPECT_EQ(Range(3, 5), quickFind());

  editor.setSelection(8, 8);
  editor.replaceSelection(" ab");
  bench.searchDown = false;
  quickFind();
  EXPECT_EQ(std::vector<std::string>{kNotFoundAb},
            std::vector<std::string>{lastMessage()});
  // The reset match is at offset 0, so "向下" starts over from the beginning.
  bench.searchDown = true;
  EXPECT_EQ(Range(0, 2), quickFind());
}

TEST_P(SearchTest, QuickFindIgnoresTheCaretAndAnUnchangedSetText) {
  editor.setText("ab ab ab");
  bench.findBox = "ab";
  quickFind();
  editor.moveCaretToPos(7);
  editor.setText("ab ab ab");  // the same bytes: the copy does not differ, the match stays
  EXPECT_EQ(Range(3, 5), quickFind());
}

TEST_P(SearchTest, QuickFindNeverMatchesFromTheSecondByteOfACharacter) {
  // 癮 is B0 61: its second byte and the following "b" read "ab".
  editor.setText("癮b 癮b");
  bench.findBox = "ab";
  quickFind();
  EXPECT_EQ(kNotFoundAb, lastMessage());

  // 字小 is D7 D6 D0 A1: "中" (D6 D0) seems to stand across the two, walking either way.
  editor.setText("中字小中");
  bench.findBox = "中";
  for (const Range& expected : {Range{0, 2}, Range{6, 8}}) {
    EXPECT_EQ(expected, quickFind());
  }
  bench.searchDown = false;
  EXPECT_EQ(Range(0, 2), quickFind());
  bench.searchDown = true;
  bench.findBox = "ab";

  // A stray high byte hides the byte after it just as a lead byte does.
  editor.setText("\x80" "ab ab");
  EXPECT_EQ(Range(4, 6), quickFind());
  bench.searchDown = false;
  quickFind();
  EXPECT_EQ(2u, bench.messages.size());
}

TEST_P(SearchTest, QuickFindIsByteExactAndCaseSensitive) {
  editor.setText("AB 中文 ab");
  bench.findBox = "中文";
  EXPECT_EQ(Range(3, 7), quickFind());
  bench.findBox = "ab";
  EXPECT_EQ(Range(8, 10), quickFind());
  EXPECT_TRUE(bench.messages.empty());
}

TEST_P(SearchTest, QuickFindWithAnEmptyFindBoxDoesNothing) {
  editor.setText("ab");
  editor.setSelection(1, 2);
  quickFind();
  EXPECT_TRUE(bench.messages.empty());
  EXPECT_EQ(Range(1, 2), selection());
}

// ---- find next ----

TEST_P(SearchTest, FindNextSearchesFromTheSelectionInBothDirections) {
  editor.setText("ab 中ab ab ab");  // "ab" at 0, 5, 8, 11
  panel.find = "ab";
  editor.setSelection(5, 7);
  EXPECT_EQ(Range(8, 10), findNext());
  panel.down = false;
  editor.setSelection(8, 12);  // the match at 5 ends before the selection's start
  EXPECT_EQ(Range(5, 7), findNext());
  EXPECT_EQ(Range(0, 2), findNext());
  EXPECT_TRUE(bench.messages.empty());
  EXPECT_EQ(std::vector<std::string>{"ab"}, history.entries());
  EXPECT_EQ(std::vector<std::string>{"ab"}, panel.list);
}

TEST_P(SearchTest, FindNextNotFoundLeavesSelectionAndShowsTheMessageBelowTheWindow) {
  editor.setText("中文 ab");
  editor.setSelection(5, 7);
  panel.find = "中";
  workflow::ReplaceMatch match{1, 2};
  workflow::findNext(bench, history, panel, &match);
  EXPECT_EQ(Range(5, 7), selection());
  ASSERT_EQ(1u, bench.messages.size());
  EXPECT_EQ("没有找到与“中”匹配的文本", bench.messages[0].text);
  EXPECT_EQ("查找", bench.messages[0].title);
  EXPECT_EQ(workflow::MessageIcon::None, bench.messages[0].icon);
  EXPECT_EQ((std::vector<bool>{false, true}), panel.onTop);
  EXPECT_EQ(0, match.start);
  EXPECT_EQ(0, match.end);
}

TEST_P(SearchTest, FindNextWithAnEmptyTextIsNotFoundAndAddsNoHistory) {
  editor.setText("abc abc");
  for (int caret : {0, 4}) {
    editor.setSelection(caret, caret);
    findNext();
    EXPECT_EQ("没有找到与“”匹配的文本", lastMessage());
  }
  EXPECT_EQ(2u, bench.messages.size());
  EXPECT_TRUE(history.entries().empty());
  EXPECT_TRUE(panel.list.empty());
}

TEST_P(SearchTest, FindNextHistoryIsSharedAndHasNoDuplicates) {
  editor.setText("a b");
  FakePanel replaceWindow;
  panel.find = "a";
  findNext();
  replaceWindow.find = "b";
  workflow::findNext(bench, history, replaceWindow);
  replaceWindow.find = "a";
  workflow::findNext(bench, history, replaceWindow);
  EXPECT_EQ((std::vector<std::string>{"a", "b"}), history.entries());
  EXPECT_EQ((std::vector<std::string>{"b"}), replaceWindow.list);
}

TEST_P(SearchTest, FindNextFlags) {
  editor.setText("Abc abcd abc");
  panel.find = "abc";
  panel.matchCase = true;
  EXPECT_EQ(Range(4, 7), findNext());
  panel.wholeWord = true;
  EXPECT_EQ(Range(9, 12), findNext());

  // A zero-length match at position 0 is the only match that counts as not found.
  panel = FakePanel{};
  panel.regExp = true;
  panel.find = "x*";
  editor.setSelection(0, 0);
  findNext();
  EXPECT_EQ("没有找到与“x*”匹配的文本", lastMessage());
}

TEST_P(SearchTest, FindNextNeverMatchesFromTheSecondByteOfACharacter) {
  editor.setText("癮b ab");  // 癮 is B0 61
  panel.find = "ab";
  EXPECT_EQ(Range(4, 6), findNext());
  panel.down = false;
  editor.setSelection(4, 4);
  findNext();
  EXPECT_EQ("没有找到与“ab”匹配的文本", lastMessage());
}

TEST_P(SearchTest, FindNextSearchesBackwardsForTheHighestMatchEndingBeforeTheSelection) {
  editor.setText("ab ab ab");
  panel.find = "ab";
  panel.down = false;
  editor.setSelection(4, 8);  // the match at 3 straddles the selection's start
  EXPECT_EQ(Range(0, 2), findNext());
}

// ---- replace ----

TEST_P(SearchTest, ReplaceAllCountsItsReplacements) {
  editor.setText("ab ab ab");
  panel.find = "ab";
  panel.replace = "x";
  panel.down = false;  // ignored: replace all always runs from the start
  editor.setSelection(8, 8);
  workflow::ReplaceMatch match{3, 5};
  EXPECT_EQ(3, workflow::replaceAll(bench, panel, match));
  EXPECT_EQ("x x x", editor.wholeText());
  ASSERT_EQ(1u, bench.messages.size());
  EXPECT_EQ("替换3次..", bench.messages[0].text);
  EXPECT_EQ("信息：", bench.messages[0].title);
  EXPECT_EQ(workflow::MessageIcon::None, bench.messages[0].icon);
  EXPECT_EQ((std::vector<bool>{false, true}), panel.onTop);
  EXPECT_EQ(0, match.start);
  EXPECT_EQ(0, match.end);
  // The whole run is one undo step, and one redo step.
  editor.undo();
  EXPECT_EQ("ab ab ab", editor.wholeText());
  editor.redo();
  EXPECT_EQ("x x x", editor.wholeText());
  // Edits after the run are steps of their own again.
  editor.setSelection(0, 1);
  editor.replaceSelection("y");
  editor.undo();
  EXPECT_EQ("x x x", editor.wholeText());
  editor.undo();
  EXPECT_EQ("ab ab ab", editor.wholeText());
}

TEST_P(SearchTest, ReplaceAllWithoutAnOccurrence) {
  editor.setText("中文");
  panel.find = "ab";
  EXPECT_EQ(0, workflow::replaceAll(bench, panel, *std::make_unique<workflow::ReplaceMatch>()));
  EXPECT_EQ("替换0次..", lastMessage());
  EXPECT_EQ("中文", editor.wholeText());
  panel.find = "";
  EXPECT_EQ(0, workflow::replaceAll(bench, panel, *std::make_unique<workflow::ReplaceMatch>()));
}

TEST_P(SearchTest, ReplaceAllEndsWhenTheReplacementWouldMatchAgain) {
  workflow::ReplaceMatch match;
  struct Case {
    std::string text, find, replace;
    bool regExp;
    int count;
    std::string after;
  };
  const Case cases[] = {
      // The replacement ends with the find text.
      {"a-a", "a", "ba", false, 2, "ba-ba"},
      {"中中", "中", "文中", false, 2, "文中文中"},
      // The replacement contains the find text further in.
      {"ab", "ab", "xaby", false, 1, "xaby"},
      // A match may still begin on the replacement's last byte when it reaches past it.
      {"abb", "ab", "xa", false, 2, "xxa"},
      // Removing text may join a new match across the gap.
      {"aabb", "ab", "", false, 2, ""},
      // Regular expressions that match empty text.
      {"xaxb", "x*", "--", true, 2, "--a--b"},
      {"ax", "a*", "a", true, 1, "ax"},
      // An empty match at position 0 counts as not found, which ends the run.
      {"abba", "b*", "", true, 0, "abba"},
      {"bab", "b*", "", true, 1, "ab"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text + " / " + c.find + " -> " + c.replace);
    editor.setText(c.text);
    panel.find = c.find;
    panel.replace = c.replace;
    panel.regExp = c.regExp;
    EXPECT_EQ(c.count, workflow::replaceAll(bench, panel, match));
    EXPECT_EQ(c.after, editor.wholeText());
    EXPECT_EQ("替换" + std::to_string(c.count) + "次..", lastMessage());
  }
}

TEST_P(SearchTest, ReplaceOneReplacesAndSelectsTheNextMatch) {
  editor.setText("x ab ab");
  editor.moveCaretToPos(0);
  panel.find = "ab";
  panel.replace = "中";
  workflow::ReplaceMatch match;
  workflow::replaceOne(bench, panel, match);
  EXPECT_EQ("x 中 ab", editor.wholeText());
  EXPECT_EQ(Range(5, 7), selection());
  EXPECT_EQ(5, match.start);
  EXPECT_EQ(7, match.end);

  workflow::replaceOne(bench, panel, match);  // the last one: nothing further to select, no message
  EXPECT_EQ("x 中 中", editor.wholeText());
  EXPECT_TRUE(bench.messages.empty());
  EXPECT_EQ(0, match.end);

  workflow::replaceOne(bench, panel, match);
  EXPECT_EQ("没有找到与“ab”匹配的文本", lastMessage());
  EXPECT_EQ("查找", bench.messages.back().title);
  EXPECT_EQ("x 中 中", editor.wholeText());
}

TEST_P(SearchTest, ReplaceOneReplacesTheMatchItsWindowSelected) {
  editor.setText("ab ab ab ab");
  panel.find = "ab";
  panel.replace = "x";
  workflow::ReplaceMatch match;
  editor.setSelection(1, 1);
  workflow::findNext(bench, history, panel, &match);
  EXPECT_EQ(Range(3, 5), selection());
  workflow::replaceOne(bench, panel, match);
  EXPECT_EQ("ab x ab ab", editor.wholeText());
  workflow::replaceOne(bench, panel, match);  // the match selected by the previous click
  EXPECT_EQ("ab x x ab", editor.wholeText());
  EXPECT_EQ(Range(7, 9), selection());

  // A selection the user made is not the window's match: the search starts one byte back into
  // its end.
  editor.setSelection(0, 2);
  workflow::replaceOne(bench, panel, match);
  EXPECT_EQ("ab x x x", editor.wholeText());

  panel.down = false;
  editor.setText("ab ab ab");
  editor.setSelection(8, 8);
  workflow::replaceOne(bench, panel, match);
  EXPECT_EQ("ab ab x", editor.wholeText());
  EXPECT_EQ(Range(3, 5), selection());
  workflow::replaceOne(bench, panel, match);
  EXPECT_EQ("ab x x", editor.wholeText());
  EXPECT_EQ(Range(0, 2), selection());
}

TEST_P(SearchTest, ReplaceOneUpwards) {
  editor.setText("ab ab ab");
  editor.moveCaretToPos(8);
  panel.find = "ab";
  panel.replace = "x";
  panel.down = false;
  workflow::ReplaceMatch match;
  workflow::replaceOne(bench, panel, match);
  EXPECT_EQ("ab ab x", editor.wholeText());
  EXPECT_EQ(Range(3, 5), selection());
}

TEST_P(SearchTest, ReadOnlyEditorForbidsReplacing) {
  EXPECT_TRUE(workflow::replacingAllowed(editor));
  editor.setSetting(workflow::EditorSetting::ReadOnly, 1);
  EXPECT_FALSE(workflow::replacingAllowed(editor));
}

TEST_P(SearchTest, FindBoxStartsWithTheClipboardCutAtACharacterBoundary) {
  const std::string a99(99, 'a');
  struct Case {
    std::string clipboard, expected;
  };
  const Case cases[] = {
      {"ab", "ab"},
      {"", ""},
      {std::string(120, 'x'), std::string(100, 'x')},
      // A character across the 100th byte is left out whole.
      {a99 + "中文", a99},
      // One that ends on it stays.
      {std::string(98, 'a') + "中文", std::string(98, 'a') + "中"},
      // A stray byte is a character of one byte.
      {a99 + "\x80\x80", a99 + "\x80"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.clipboard);
    bench.clipboard = c.clipboard;
    EXPECT_EQ(c.expected, workflow::initialFindText(bench));
  }
}

// ---- the save point, which closing the window asks about ----

TEST_P(SearchTest, SavePointFollowsEditsUndoAndRedoAsInBothEditors) {
  EXPECT_FALSE(editor.isModified());
  editor.setText("ab ab");
  EXPECT_TRUE(editor.isModified());
  editor.setSavePoint();
  EXPECT_FALSE(editor.isModified());
  editor.setSelection(0, 1);
  editor.replaceSelection("x");
  EXPECT_TRUE(editor.isModified());
  editor.undo();
  EXPECT_FALSE(editor.isModified());
  editor.undo();  // before the save point
  EXPECT_TRUE(editor.isModified());
  editor.redo();
  EXPECT_FALSE(editor.isModified());
  // Replace all is one step away from it.
  panel.find = "ab";
  panel.replace = "y";
  workflow::replaceAll(bench, panel, *std::make_unique<workflow::ReplaceMatch>());
  EXPECT_TRUE(editor.isModified());
  editor.undo();
  EXPECT_FALSE(editor.isModified());
  // An edit made after undoing past the save point leaves no way back to it.
  editor.undo();
  editor.setText("ab ab");
  EXPECT_TRUE(editor.isModified());
}

// ---- go to line ----

TEST_P(SearchTest, GoToPromptShowsTheLineCount) {
  editor.setText("a\r\nb\r\nc");
  EXPECT_EQ("输入行数(1 - 3)：", workflow::goToPrompt(editor));
  editor.setText("");
  EXPECT_EQ("输入行数(1 - 1)：", workflow::goToPrompt(editor));
}

TEST_P(SearchTest, GoToLineReadsNumbersAsTheBoxAllows) {
  editor.setText("one\r\ntwo\r\nthree");
  struct Case {
    std::string box;
    int line;  // -1: refused
  };
  const Case cases[] = {{"", -1},     {"0", -1},  {"abc", -1},   {"-2", -1},    {"1.9", 0},
                        {"0.5", 0},   {"２", 1},  {"　3", 2},    {"+2x", 1},    {"99", 2},
                        {"99999999999999999999", 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.box);
    bench.messages.clear();
    editor.moveCaretToPos(1);
    const bool closes = workflow::goToLine(bench, c.box);
    EXPECT_EQ(c.line >= 0, closes);
    if (c.line < 0) {
      EXPECT_EQ("你输入的行数错误", lastMessage());
      EXPECT_EQ("信息：", bench.messages.back().title);
      EXPECT_EQ(1, editor.getCurrentPos());
    } else {
      EXPECT_TRUE(bench.messages.empty());
      EXPECT_EQ(c.line, editor.lineFromPosition(editor.getCurrentPos()));
      EXPECT_EQ(editor.getSelectionStart(), editor.getSelectionEnd());
    }
  }
}

}  // namespace
}  // namespace jsdebug::testing
