#include "editor/CodeEditor.h"
#include "tests/support/SearchHarness.h"

namespace jsdebug::testing {

// The widget holds UTF-8 while the operations count GBK bytes: the same cases, through the
// position conversion and Scintilla's own search.
INSTANTIATE_TEST_SUITE_P(CodeEditor, SearchTest,
                         ::testing::Values(EditorFactory{
                             "CodeEditor", [] { return std::make_unique<editor::CodeEditor>(); }}),
                         factoryName);

}  // namespace jsdebug::testing

#include <Qsci/qsciscintillabase.h>

#include <random>

#include "workflow/MemoryEditor.h"

namespace jsdebug::testing {
namespace {

// Every byte read through the position conversion equals the byte of the whole text.
void expectPositionsMatchText(editor::CodeEditor& editor) {
  const std::string text = editor.wholeText();
  ASSERT_EQ(static_cast<int>(text.size()), editor.getLength());
  for (int pos = 0; pos < static_cast<int>(text.size()); ++pos)
    ASSERT_EQ(std::string(1, text[static_cast<std::size_t>(pos)]), editor.getCharAt(pos))
        << "at " << pos;
}

// Replacements skip the editing component's change reports and keep the GBK positions up to
// date themselves; the in-memory editor is the reference.
TEST(CodeEditorReplaceSelection, KeepsPositionsThroughManyReplacementsAndUndo) {
  editor::CodeEditor editor;
  workflow::MemoryEditor reference;
  std::string text;
  for (int i = 0; text.size() < 6000; ++i)
    text += "var 变量" + std::to_string(i) + " = '中文' + x;\r\n";
  editor.setText(text);
  reference.setText(text);
  const std::string pieces[] = {"", "a", "中", "文字\r\n", std::string(700, 'b'), "x中y"};
  std::mt19937 rng(7);
  for (int step = 0; step < 200; ++step) {
    const int length = reference.getLength();
    // From a line start, which is always a character boundary, to the next ";".
    const workflow::FindResult lineEnd = reference.findText(
        workflow::kFindMatchCase, static_cast<int>(rng() % static_cast<unsigned>(length + 1)),
        length, "\n");
    const int start = lineEnd.found ? lineEnd.end : 0;
    const workflow::FindResult word =
        reference.findText(workflow::kFindMatchCase, start, length, ";");
    const int end = word.found ? word.end : start;
    const std::string& piece = pieces[rng() % std::size(pieces)];
    editor.setSelection(start, end);
    reference.setSelection(start, end);
    ASSERT_EQ(start, editor.getSelectionStart());
    ASSERT_EQ(end, editor.getSelectionEnd());
    editor.replaceSelection(piece);
    reference.replaceSelection(piece);
    ASSERT_EQ(reference.getSelectionEnd(), editor.getSelectionEnd()) << "step " << step;
    ASSERT_EQ(reference.getLength(), editor.getLength()) << "step " << step;
    if (step % 40 == 0) expectPositionsMatchText(editor);
  }
  EXPECT_EQ(reference.wholeText(), editor.wholeText());
  expectPositionsMatchText(editor);
  for (int k = 0; k < 5; ++k) editor.undo();
  expectPositionsMatchText(editor);
}

// Replace all scrolls once, at its end, to where its last replacement left the caret.
TEST(CodeEditorReplaceAll, EndsWithTheCaretInView) {
  editor::CodeEditor editor;
  editor.resize(400, 300);
  editor.show();
  std::string text;
  for (int line = 0; line < 1000; ++line) text += line == 900 ? "中ab\r\n" : "x\r\n";
  editor.setText(text);
  SearchWorkbench bench(editor);
  FakePanel panel;
  panel.find = "ab";
  panel.replace = "文";
  workflow::ReplaceMatch match;
  EXPECT_EQ(1, workflow::replaceAll(bench, panel, match));
  EXPECT_EQ(900 * 3 + 4, editor.getCurrentPos());
  const long first = editor.editingWindow()->SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE);
  EXPECT_GT(first, 800);
  EXPECT_LE(first, 900);
}

TEST(CodeEditorReplaceSelection, RectangularSelectionStillKeepsPositions) {
  editor::CodeEditor editor;
  editor.setText("中文ab\r\n中文cd\r\n中文ef\r\n");
  QsciScintillaBase* sci = editor.editingWindow();
  sci->SendScintilla(QsciScintillaBase::SCI_SETSELECTIONMODE, QsciScintillaBase::SC_SEL_RECTANGLE);
  // Columns 2..3 (UTF-8 offsets 6..7) on the first two lines.
  sci->SendScintilla(QsciScintillaBase::SCI_SETANCHOR, 6UL);
  sci->SendScintilla(QsciScintillaBase::SCI_SETCURRENTPOS, 16UL);
  editor.replaceSelection("字");
  expectPositionsMatchText(editor);
  EXPECT_EQ(editor.getLength(), static_cast<int>(editor.wholeText().size()));
}

}  // namespace
}  // namespace jsdebug::testing
