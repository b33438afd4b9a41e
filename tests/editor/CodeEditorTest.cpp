#include "editor/CodeEditor.h"

#include <gtest/gtest.h>

#include <Qsci/qsciscintillabase.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <memory>
#include <random>
#include <set>

#include "text/Codec.h"
#include "workflow/MemoryEditor.h"

namespace jsdebug::editor {
namespace {

using Setting = workflow::EditorSetting;

// The position of `needle` in `text` found the way a user counts: character by character.
int gbkFind(const std::string& text, const std::string& needle, std::size_t from) {
  for (std::size_t i = from; i + needle.size() <= text.size(); i += gbk::charLength(text, i))
    if (text.compare(i, needle.size(), needle) == 0) return static_cast<int>(i);
  return -1;
}

class CodeEditorTest : public ::testing::Test {
 protected:
  CodeEditor editor;
};

TEST_F(CodeEditorTest, LinesOfShortTextsAndBeyondTheirEnds) {
  editor.setText("a\r\nb");
  EXPECT_EQ("b", editor.getLine(1));
  EXPECT_EQ("a\r\n", editor.getLine(0));
  EXPECT_EQ("", editor.getLine(-1));
  EXPECT_EQ("", editor.getLine(2));
  editor.setText("甲乙\r\n丙b\n");
  EXPECT_EQ(3, editor.getLineCount());
  EXPECT_EQ("丙b\n", editor.getLine(1));
  EXPECT_EQ("", editor.getLine(2));  // the empty last line
  EXPECT_EQ(1, editor.lineFromPosition(6));
  EXPECT_EQ(2, editor.lineFromPosition(10));
  EXPECT_EQ(2, editor.lineFromPosition(500));
  EXPECT_EQ(0, editor.lineFromPosition(-3));
}

TEST_F(CodeEditorTest, CharAtCountsGbkBytesAndIsEmptyOutsideTheText) {
  editor.setText("a中\xff");
  ASSERT_EQ(4, editor.getLength());
  EXPECT_EQ("", editor.getCharAt(-1));
  EXPECT_EQ("", editor.getCharAt(4));
  EXPECT_EQ("a", editor.getCharAt(0));
  EXPECT_EQ(std::string(1, "中"[0]), editor.getCharAt(1));
  EXPECT_EQ(std::string(1, "中"[1]), editor.getCharAt(2));
  EXPECT_EQ("\xff", editor.getCharAt(3));
}

TEST_F(CodeEditorTest, TextsRoundTripByteForByte) {
  std::mt19937 rng(3);
  for (int round = 0; round < 40; ++round) {
    std::string bytes(rng() % 300, '\0');
    for (char& c : bytes) c = static_cast<char>(1 + rng() % 255);
    editor.setText(bytes);
    ASSERT_EQ(static_cast<int>(bytes.size()), editor.getLength());
    ASSERT_EQ(bytes, editor.wholeText());
    const int n = static_cast<int>(rng() % (bytes.size() + 2));
    ASSERT_EQ(bytes.substr(0, static_cast<std::size_t>(n)), editor.getText(n));
  }
  EXPECT_EQ("", editor.getText(0));
  EXPECT_EQ("", editor.getText(-1));
}

TEST_F(CodeEditorTest, TextStopsAtTheFirstNul) {
  editor.setText(std::string("ab\0cd", 5));
  EXPECT_EQ("ab", editor.wholeText());
  editor.replaceSelection(std::string("中\0x", 4));
  EXPECT_EQ("中ab", editor.wholeText());
}

TEST_F(CodeEditorTest, FindBackwardsTakesTheLastMatchWhollyBeforeTheStart) {
  // 中文ab repeated: "文a" occurs at 2 and at 8, and the one at 8 straddles 10.
  editor.setText("中文ab中文ab中文ab");
  workflow::FindResult r = editor.findText(0, 10, 0, "文a");
  EXPECT_TRUE(r.found);
  EXPECT_EQ(2, r.start);
  EXPECT_EQ(5, r.end);
  r = editor.findText(0, 10, 0, "中文");
  EXPECT_EQ(6, r.start);
  EXPECT_EQ(10, r.end);
  r = editor.findText(0, 0, 10, "中文");
  EXPECT_EQ(0, r.start);
  // Forwards, a match reaching past the end is not found either.
  r = editor.findText(0, 7, 10, "文a", {false, 42, 43});
  EXPECT_FALSE(r.found);
  EXPECT_EQ(42, r.start);
  EXPECT_EQ(43, r.end);
}

TEST_F(CodeEditorTest, FindPositionsAreTheGbkByteOffsets) {
  std::string text;
  for (int k = 0; k < 200; ++k) text += k % 3 ? "var 变量 = \"值\";\r\n" : "中 ab 变 ";
  editor.setText(text);
  int from = 0, count = 0;
  for (;;) {
    const workflow::FindResult r =
        editor.findText(workflow::kFindMatchCase, from, editor.getLength(), "变");
    const int expected = gbkFind(text, "变", static_cast<std::size_t>(from));
    if (!r.found) {
      EXPECT_EQ(-1, expected);
      break;
    }
    ASSERT_EQ(expected, r.start);
    ASSERT_EQ(expected + 2, r.end);
    editor.setSelection(r.start, r.end);
    ASSERT_EQ(r.start, editor.getSelectionStart());
    ASSERT_EQ(r.end, editor.getSelectionEnd());
    from = r.end;
    ++count;
  }
  EXPECT_EQ(200, count);
}

TEST_F(CodeEditorTest, FindFlags) {
  editor.setText("Abc abc abcd 中abc");
  EXPECT_EQ(0, editor.findText(0, 0, 100, "abc").start);
  EXPECT_EQ(4, editor.findText(workflow::kFindMatchCase, 0, 100, "abc").start);
  workflow::FindResult r =
      editor.findText(workflow::kFindWholeWord | workflow::kFindMatchCase, 5, 100, "abc");
  EXPECT_FALSE(r.found);
  r = editor.findText(workflow::kFindRegExp, 0, 100, "ab[c]d");
  EXPECT_EQ(8, r.start);
  EXPECT_EQ(12, r.end);
  EXPECT_FALSE(editor.findText(0, 0, 100, "").found);
}

TEST_F(CodeEditorTest, CaretMovesAndTheirArgumentRules) {
  editor.setText("第一行\r\n第二行\r\nlast");
  editor.moveCaretToPos(8);
  EXPECT_EQ(8, editor.getCurrentPos());
  editor.moveCaretToLine(-1);
  EXPECT_EQ(8, editor.getCurrentPos());
  editor.moveCaretToPos(-1);
  EXPECT_EQ(8, editor.getCurrentPos());
  editor.setSelection(-1, 3);
  EXPECT_EQ(8, editor.getSelectionStart());
  editor.moveCaretToLine(1);
  EXPECT_EQ(8, editor.getCurrentPos());
  editor.moveCaretToLine(99);  // the last line's start
  EXPECT_EQ(16, editor.getCurrentPos());
  EXPECT_EQ(editor.getSelectionStart(), editor.getSelectionEnd());
  editor.moveCaretToPos(1000);
  EXPECT_EQ(20, editor.getCurrentPos());
  // A selection edge inside a character takes in the whole character.
  editor.setSelection(1, 3);
  EXPECT_EQ(0, editor.getSelectionStart());
  EXPECT_EQ(4, editor.getSelectionEnd());
  editor.setSelection(5, 1);
  EXPECT_EQ(0, editor.getSelectionStart());
  EXPECT_EQ(6, editor.getSelectionEnd());
  EXPECT_EQ(0, editor.getCurrentPos());
}

TEST_F(CodeEditorTest, ColumnsCountGbkBytesAndTabStops) {
  editor.setText("x\r\n中\ta中");
  EXPECT_EQ(0, editor.getColumn(-4));
  EXPECT_EQ(0, editor.getColumn(3));
  EXPECT_EQ(2, editor.getColumn(5));
  EXPECT_EQ(8, editor.getColumn(6));
  EXPECT_EQ(9, editor.getColumn(7));
  EXPECT_EQ(11, editor.getColumn(9));
  EXPECT_EQ(11, editor.getColumn(100));
}

TEST_F(CodeEditorTest, ReplaceSelectionWithChineseAndUndoRedo) {
  editor.setText("旧文本");
  editor.setText("abc 中文 def");
  editor.setSelection(4, 8);
  editor.replaceSelection("汉字和ascii");
  EXPECT_EQ("abc 汉字和ascii def", editor.wholeText());
  EXPECT_EQ(15, editor.getCurrentPos());
  EXPECT_EQ(19, editor.getLength());
  editor.undo();
  EXPECT_EQ("abc 中文 def", editor.wholeText());
  editor.undo();
  EXPECT_EQ("旧文本", editor.wholeText());
  EXPECT_EQ(6, editor.getLength());
  editor.redo();
  EXPECT_EQ("abc 中文 def", editor.wholeText());
}

TEST_F(CodeEditorTest, SettingsReadBackAndRanges) {
  // As created.
  EXPECT_EQ(2, editor.getSetting(Setting::ScrollBars));
  EXPECT_EQ(0x0080FF, editor.getSetting(Setting::CaretFore));
  EXPECT_EQ(1, editor.getSetting(Setting::CaretLineVisible));
  EXPECT_EQ(0xDBE2FD, editor.getSetting(Setting::CaretLineBack));
  EXPECT_EQ(500, editor.getSetting(Setting::CaretPeriod));
  EXPECT_EQ(2, editor.getSetting(Setting::CaretWidth));
  EXPECT_EQ(1, editor.getSetting(Setting::IndentationGuides));
  EXPECT_EQ(1, editor.getSetting(Setting::WrapMode));
  EXPECT_EQ(0x800000, editor.getSetting(Setting::SelectionBack));
  // Out of range counts as 0 for these.
  for (Setting s : {Setting::ScrollBars, Setting::WhiteSpaceView, Setting::BusyPointer,
                    Setting::EolMode, Setting::CaretWidth}) {
    editor.setSetting(s, 7);
    EXPECT_EQ(0, editor.getSetting(s)) << static_cast<int>(s);
    editor.setSetting(s, -1);
    EXPECT_EQ(0, editor.getSetting(s)) << static_cast<int>(s);
  }
  editor.setSetting(Setting::EolMode, 2);
  EXPECT_EQ(2, editor.getSetting(Setting::EolMode));
  editor.setSetting(Setting::CaretPeriod, -20);
  EXPECT_EQ(0, editor.getSetting(Setting::CaretPeriod));
  editor.setSetting(Setting::CaretWidth, 3);
  EXPECT_EQ(3, editor.getSetting(Setting::CaretWidth));
  editor.setSetting(Setting::ShowLineBreaks, 1);
  EXPECT_EQ(1, editor.getSetting(Setting::ShowLineBreaks));
  editor.setSetting(Setting::ReadOnly, 1);
  editor.setText("x");
  EXPECT_EQ("", editor.wholeText());
  EXPECT_EQ(1, editor.getSetting(Setting::ReadOnly));
}

// Commands run against either editor; both must start alike, every setting set once.
TEST_F(CodeEditorTest, BothEditorsStartWithEverySettingAlike) {
  workflow::MemoryEditor memory;
  std::set<Setting> seen;
  for (const auto& [setting, value] : workflow::kInitialEditorSettings) {
    EXPECT_TRUE(seen.insert(setting).second) << static_cast<int>(setting);
    EXPECT_EQ(value, editor.getSetting(setting)) << static_cast<int>(setting);
    EXPECT_EQ(value, memory.getSetting(setting)) << static_cast<int>(setting);
  }
  EXPECT_EQ(static_cast<std::size_t>(Setting::WrapMode) + 1, seen.size());
}

TEST_F(CodeEditorTest, Utf8SettingPassesTextsThrough) {
  editor.setText("中a");
  editor.setSetting(Setting::Utf8Text, 1);
  // The program's bytes stay; the widget now reads them as UTF-8.
  EXPECT_EQ("中a", editor.wholeText());
  editor.setText("\xe4\xb8\xad b");
  EXPECT_EQ(5, editor.getLength());
  EXPECT_EQ("\xe4\xb8\xad b", editor.wholeText());
  EXPECT_EQ(4, editor.findText(0, 0, 5, "b").start);
  editor.setSelection(0, 3);
  EXPECT_EQ(3, editor.getSelectionEnd());
  editor.setSetting(Setting::Utf8Text, 0);
  // Back to GBK: E4 B8 is one character, AD a stray byte.
  EXPECT_EQ("\xe4\xb8\xad b", editor.wholeText());
  EXPECT_EQ(5, editor.getLength());
  EXPECT_EQ(4, editor.findText(0, 0, 5, "b").start);
  EXPECT_EQ(3, editor.getSelectionEnd());
  EXPECT_EQ(0, editor.getSetting(Setting::Utf8Text));
}

}  // namespace
}  // namespace jsdebug::editor

namespace jsdebug::editor {
namespace {

// A shown, active window holding a line edit and the editor, as the main window does.
class CodeEditorWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&window);
    before = new QLineEdit(&window);
    editor = new CodeEditor(&window);
    layout->addWidget(before);
    layout->addWidget(editor);
    window.resize(500, 400);
    // Lines taller than 23 pixels, as the window's fonts make them.
    editor->styleSetFont(1, "宋体");
    editor->styleSetSize(1, 18);
    editor->setMarginWidth(0, 32);
    editor->setMarginType(0, workflow::kMarginNumber);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  QWidget* editing() { return editor->editingWindow()->viewport(); }

  // Characters as a keyboard or input method delivers them (QTest's clicks know only ASCII).
  void type(const QString& text) {
    for (QChar c : text) {
      QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
      QApplication::sendEvent(editor->editingWindow(), &press);
    }
  }

  QWidget window;
  QLineEdit* before = nullptr;
  CodeEditor* editor = nullptr;
};

TEST_F(CodeEditorWindowTest, EditingWindowFillsTheControl) {
  EXPECT_EQ(editor->rect(), editor->editingWindow()->geometry());
  editor->resize(321, 123);
  EXPECT_EQ(QRect(0, 0, 321, 123), editor->editingWindow()->geometry());
}

TEST_F(CodeEditorWindowTest, FocusByTabSelectsTheFirstVisibleLineAndRaisesTheButtonEvents) {
  editor->setText("function test(aa,bb){\r\n\treturn aa;\r\n}");
  editor->moveCaretToPos(30);
  QSignalSpy released(editor, &CodeEditor::leftButtonReleased);
  before->setFocus();
  QTest::keyClick(before, Qt::Key_Tab);
  EXPECT_TRUE(editor->editingWindow()->hasFocus());
  EXPECT_EQ(0, editor->getSelectionStart());
  EXPECT_EQ(23, editor->getSelectionEnd());  // the line with its CR LF
  ASSERT_EQ(1, released.count());
  EXPECT_EQ((QList<QVariant>{8, 23, 0}), released.at(0));
}

TEST_F(CodeEditorWindowTest, TabAndEnterAreKeptByTheEditorAndEscIsNot) {
  editor->setText("ab");
  editor->editingWindow()->setFocus();
  editor->moveCaretToPos(1);
  QTest::keyClick(editor->editingWindow(), Qt::Key_Tab);
  EXPECT_EQ("a\tb", editor->wholeText());
  EXPECT_TRUE(editor->editingWindow()->hasFocus());
  QTest::keyClick(editor->editingWindow(), Qt::Key_Return);
  EXPECT_EQ("a\t\r\nb", editor->wholeText());
  // Esc goes on to the window, which closes on it.
  int escapes = 0;
  struct EscWatch : QObject {
    int* count;
    explicit EscWatch(int* c) : count(c) {}
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape)
        ++*count;
      return false;
    }
  } watch(&escapes);
  window.installEventFilter(&watch);
  QTest::keyClick(editor->editingWindow(), Qt::Key_Escape);
  EXPECT_EQ(1, escapes);
}

TEST_F(CodeEditorWindowTest, ButtonEventsComeBeforeTheEditorMovesTheCaret) {
  editor->setText("abc\r\ndef\r\nghi");
  editor->moveCaretToPos(0);
  int caretAtRelease = -1;
  QObject::connect(editor, &CodeEditor::leftButtonReleased, [&] { caretAtRelease = editor->getCurrentPos(); });
  QSignalSpy doubled(editor, &CodeEditor::leftButtonDoubleClicked);
  const QPoint end = editing()->rect().bottomRight() - QPoint(5, 5);
  QTest::mouseClick(editing(), Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier, end);
  EXPECT_EQ(editor->getLength(), caretAtRelease);
  QTest::mouseDClick(editing(), Qt::LeftButton, Qt::AltModifier, QPoint(60, 5));
  ASSERT_EQ(1, doubled.count());
  EXPECT_EQ((QList<QVariant>{60, 5, 4}), doubled.at(0));
}

TEST_F(CodeEditorWindowTest, TypedCharactersGbkLacksReadBackAsQuestionMarks) {
  editor->setText("");
  editor->editingWindow()->setFocus();
  type(QString::fromUtf16(u"a한中"));
  EXPECT_EQ("a?中", editor->wholeText());
  EXPECT_EQ(4, editor->getLength());
  EXPECT_EQ(4, editor->getCurrentPos());
  QApplication::clipboard()->setText(QString::fromUtf16(u"ß😀文"));
  editor->paste();
  EXPECT_EQ("a?中??文", editor->wholeText());
  EXPECT_EQ(8, editor->getCurrentPos());
}

TEST_F(CodeEditorWindowTest, AClickGoesStraightToTheEditingWindow) {
  before->setFocus();
  // The click brings the focus, with no hand-over click at (8, 23) before the user's own.
  QSignalSpy released(editor, &CodeEditor::leftButtonReleased);
  QTest::mouseClick(editing(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 10));
  ASSERT_EQ(1, released.count());
  EXPECT_EQ((QList<QVariant>{100, 10, 0}), released.at(0));
  EXPECT_TRUE(editor->editingWindow()->hasFocus());
}

TEST_F(CodeEditorWindowTest, ClipboardCarriesChineseAndStrayBytes) {
  editor->setText("前\xff中文后");
  editor->setSelection(2, 7);
  editor->copy();
  EXPECT_EQ(QString::fromUtf16(u"\uF7FF中文"), QApplication::clipboard()->text());
  editor->cut();
  EXPECT_EQ("前后", editor->wholeText());
  editor->moveCaretToPos(4);
  editor->paste();
  EXPECT_EQ("前后\xff中文", editor->wholeText());
  EXPECT_EQ(9, editor->getCurrentPos());
  editor->setSelection(0, 2);
  editor->clear();
  EXPECT_EQ("后\xff中文", editor->wholeText());
}

// Edits the user makes (typing, deleting, undo, redo, clipboard) interleaved with the program's,
// checked after each against the widget's own UTF-8 converted from scratch.
TEST_F(CodeEditorWindowTest, PositionsFollowEveryKindOfEdit) {
  using Sci = QsciScintillaBase;
  QsciScintillaBase* sci = editor->editingWindow();
  sci->setFocus();
  // Long enough for several stretches between position marks.
  std::string text;
  for (int k = 0; k < 100; ++k) text += "第一行 line\r\n第二行\t中文\r\n";
  editor->setText(text);
  std::mt19937 rng(9);
  const auto press = [&](Qt::Key key) {
    QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(sci, &e);
  };
  for (int round = 0; round < 300; ++round) {
    const int length = editor->getLength();
    switch (rng() % 10) {
      case 0: type(QString::fromUtf16(u"汉")); break;
      case 1: type("x"); break;
      case 2: press(Qt::Key_Backspace); break;
      case 3: press(Qt::Key_Delete); break;
      case 4: press(Qt::Key_Return); break;
      case 5: editor->undo(); break;
      case 6: editor->redo(); break;
      case 7:
        editor->setSelection(static_cast<int>(rng() % (length + 1)), static_cast<int>(rng() % (length + 1)));
        if (rng() % 2) editor->cut(); else editor->copy();
        break;
      case 8: editor->paste(); break;
      default:  // a deletion and an insertion in one edit, and so in one undo step
        editor->setSelection(static_cast<int>(rng() % (length + 1)), static_cast<int>(rng() % (length + 1)));
        editor->replaceSelection(rng() % 2 ? "替换\xff" : "");
        break;
    }
    const long rawLength = sci->SendScintilla(Sci::SCI_GETLENGTH);
    std::string raw(static_cast<std::size_t>(rawLength) + 1, '\0');
    sci->SendScintilla(Sci::SCI_GETTEXT, static_cast<unsigned long>(raw.size()), raw.data());
    raw.resize(static_cast<std::size_t>(rawLength));
    const std::string expected = gbk::fromUtf8(raw);
    ASSERT_EQ(static_cast<int>(expected.size()), editor->getLength()) << "round " << round;
    ASSERT_EQ(expected, editor->wholeText()) << "round " << round;
    const auto caret = static_cast<std::size_t>(sci->SendScintilla(Sci::SCI_GETCURRENTPOS));
    ASSERT_EQ(static_cast<int>(gbk::fromUtf8(raw.substr(0, caret)).size()), editor->getCurrentPos());
    const int p = static_cast<int>(rng() % (expected.size() + 1));
    ASSERT_EQ(p < static_cast<int>(expected.size()) ? std::string(1, expected[p]) : "",
              editor->getCharAt(p)) << "round " << round;
  }
}

QStringList enabledItems(QMenu* menu) {
  QStringList out;
  for (QAction* a : menu->actions())
    if (!a->isSeparator() && a->isEnabled()) out << a->text();
  return out;
}

TEST_F(CodeEditorWindowTest, ContextMenuItemsAndTheirEnabling) {
  QApplication::clipboard()->setText("clip");
  editor->setText("abc");
  std::unique_ptr<QMenu> menu(editor->createContextMenu());
  QStringList all;
  for (QAction* a : menu->actions()) all << (a->isSeparator() ? QString("-") : a->text());
  EXPECT_EQ(QString::fromUtf16(u"撤消 重复 - 剪切 复制 粘贴 删除 - 选择全部").split(' '), all);
  // Something to undo, nothing selected, text on the clipboard.
  EXPECT_EQ(QString::fromUtf16(u"撤消 粘贴 选择全部").split(' '), enabledItems(menu.get()));

  editor->setSelection(0, 2);
  menu.reset(editor->createContextMenu());
  EXPECT_EQ(QString::fromUtf16(u"撤消 剪切 复制 粘贴 删除 选择全部").split(' '),
            enabledItems(menu.get()));
  menu->actions().at(6)->trigger();  // 删除
  EXPECT_EQ("c", editor->wholeText());

  editor->setSelection(0, 1);
  editor->setSetting(workflow::EditorSetting::ReadOnly, 1);
  menu.reset(editor->createContextMenu());
  EXPECT_EQ(QString::fromUtf16(u"复制 选择全部").split(' '), enabledItems(menu.get()));
  menu->actions().at(8)->trigger();  // 选择全部
  EXPECT_EQ(0, editor->getSelectionStart());
  EXPECT_EQ(1, editor->getSelectionEnd());
}

TEST_F(CodeEditorWindowTest, WindowCommandsFollowTheEditorsOwnItems) {
  int runs = 0;
  editor->addContextCommand("求值选中", [&runs] { ++runs; }, true);
  editor->addContextCommand("其他", [] {}, false);
  editor->setText("abc");
  std::unique_ptr<QMenu> menu(editor->createContextMenu());
  QStringList all;
  for (QAction* a : menu->actions()) all << (a->isSeparator() ? QString("-") : a->text());
  EXPECT_EQ(QString::fromUtf16(u"撤消 重复 - 剪切 复制 粘贴 删除 - 选择全部 - 求值选中 其他").split(' '), all);
  // Without a selection only the command that needs none is enabled.
  EXPECT_FALSE(menu->actions().at(10)->isEnabled());
  EXPECT_TRUE(menu->actions().at(11)->isEnabled());

  editor->setSelection(0, 2);
  menu.reset(editor->createContextMenu());
  ASSERT_TRUE(menu->actions().at(10)->isEnabled());
  menu->actions().at(10)->trigger();
  EXPECT_EQ(1, runs);
}

}  // namespace
}  // namespace jsdebug::editor

namespace jsdebug::editor {
namespace {

long sci(CodeEditor& editor, unsigned int message, unsigned long w = 0, long l = 0) {
  return editor.editingWindow()->SendScintilla(message, w, l);
}

std::string representation(CodeEditor& editor, const std::string& utf8) {
  char shown[16] = {};
  editor.editingWindow()->SendScintilla(QsciScintillaBase::SCI_GETREPRESENTATION,
                                        reinterpret_cast<uintptr_t>(utf8.c_str()), shown);
  return shown;
}

TEST(CodeEditorLook, StrayBytesShowAsBlobsAndRealCharactersDoNot) {
  CodeEditor editor;
  EXPECT_EQ("xE4", representation(editor, gbk::toUtf8("\xE4")));
  EXPECT_EQ("xFF", representation(editor, gbk::toUtf8("\xFF")));
  EXPECT_EQ("", representation(editor, gbk::toUtf8("\x80")));  // the euro sign
  EXPECT_EQ("", representation(editor, gbk::toUtf8("中")));
  // Still there after the code page changes back and forth.
  editor.setSetting(workflow::EditorSetting::Utf8Text, 1);
  editor.setSetting(workflow::EditorSetting::Utf8Text, 0);
  EXPECT_EQ("x81", representation(editor, gbk::toUtf8("\x81")));
}

TEST(CodeEditorLook, LexerColoursKeywordsOfBothListsCaseSensitively) {
  using Sci = QsciScintillaBase;
  CodeEditor editor;
  editor.setLexer(3);
  editor.setKeywords(0, "function var return");
  editor.setKeywords(1, "navigator window ");
  editor.setText("var s = \"中文\"; // 注释\r\nwindow Window function");
  sci(editor, Sci::SCI_COLOURISE, 0, -1);
  const auto styleAt = [&](int gbkPos) {
    editor.moveCaretToPos(gbkPos);
    return static_cast<int>(sci(editor, Sci::SCI_GETSTYLEAT, static_cast<unsigned long>(sci(editor, Sci::SCI_GETCURRENTPOS))));
  };
  EXPECT_EQ(5, styleAt(0));    // var
  EXPECT_EQ(6, styleAt(11));   // inside the string, at 文
  EXPECT_EQ(2, styleAt(19));   // the line comment, at 注
  EXPECT_EQ(16, styleAt(25));  // window
  EXPECT_EQ(11, styleAt(32));  // Window: an identifier
  EXPECT_EQ(5, styleAt(39));   // function
}

TEST(CodeEditorLook, StylesMarginsAndFontNames) {
  using Sci = QsciScintillaBase;
  CodeEditor editor;
  editor.styleSetFont(1, "宋体");
  char font[64] = {};
  editor.editingWindow()->SendScintilla(Sci::SCI_STYLEGETFONT, 1UL, font);
  EXPECT_EQ(gbk::toUtf8("宋体"), font);
  editor.styleSetSize(32, 8);
  EXPECT_EQ(8, sci(editor, Sci::SCI_STYLEGETSIZE, 32));
  editor.styleSetFore(33, 0x808080);
  editor.styleSetBack(34, 0xFFFF00);
  EXPECT_EQ(0x808080, sci(editor, Sci::SCI_STYLEGETFORE, 33));
  EXPECT_EQ(0xFFFF00, sci(editor, Sci::SCI_STYLEGETBACK, 34));
  editor.setMarginType(0, workflow::kMarginNumber);
  editor.setMarginWidth(0, 32);
  editor.setMarginType(1, workflow::kMarginSymbol);
  editor.setMarginWidth(1, 20);
  EXPECT_EQ(workflow::kMarginNumber, editor.getMarginType(0));
  EXPECT_EQ(workflow::kMarginSymbol, editor.getMarginType(1));
  EXPECT_EQ(32, editor.getMarginWidth(0));
  EXPECT_EQ(20, editor.getMarginWidth(1));
}

// Regression: with 17262 lines the 32-pixel margin showed "7262".
TEST(CodeEditorLook, NumberMarginFitsTheLargestLineNumberAndNeverShrinksBelowItsWidth) {
  using Sci = QsciScintillaBase;
  CodeEditor editor;
  editor.setMarginType(0, workflow::kMarginNumber);
  editor.setMarginWidth(0, 32);
  editor.setMarginType(1, workflow::kMarginSymbol);
  editor.setMarginWidth(1, 20);
  const auto fits = [&](const char* number) {
    const long text = editor.editingWindow()->SendScintilla(Sci::SCI_TEXTWIDTH, 33UL, number);
    // Scintilla keeps 3 pixels right of the number.
    return editor.getMarginWidth(0) >= text + 3;
  };
  const auto lines = [](int n) {
    std::string text;
    for (int i = 1; i < n; ++i) text += "x\r\n";
    return text;
  };

  editor.setText(lines(17262));
  EXPECT_GT(editor.getMarginWidth(0), 32);
  EXPECT_TRUE(fits("17262"));
  EXPECT_EQ(20, editor.getMarginWidth(1));  // a symbol margin keeps its width

  // Back to a short script: the set width again.
  editor.setText(lines(7));
  EXPECT_EQ(32, editor.getMarginWidth(0));

  // Lines the user adds are measured once the edit is done.
  editor.setSelection(0, 0);
  editor.replaceSelection(lines(200000));
  QCoreApplication::processEvents();
  EXPECT_TRUE(fits("200006"));

  // Hidden stays hidden however long the script; shown again, it fits at once.
  editor.setMarginType(0, workflow::kMarginSymbol);
  editor.setMarginWidth(0, 0);
  editor.setText(lines(17262));
  QCoreApplication::processEvents();
  EXPECT_EQ(0, editor.getMarginWidth(0));
  editor.setMarginType(0, workflow::kMarginNumber);
  editor.setMarginWidth(0, 32);
  EXPECT_TRUE(fits("17262"));
}

TEST(CodeEditorLook, BracesByGbkPositions) {
  using Sci = QsciScintillaBase;
  CodeEditor editor;
  editor.setText("f(\"中文\", {a: [1]})");
  //              0 1 2 34 56 7 8 9 ...
  EXPECT_EQ(18, editor.braceMatch(1));
  EXPECT_EQ(1, editor.braceMatch(18));
  EXPECT_EQ(17, editor.braceMatch(10));
  EXPECT_EQ(-1, editor.braceMatch(3));
  EXPECT_EQ(-1, editor.braceMatch(-1));
  EXPECT_EQ(-1, editor.braceMatch(100));
  editor.braceHighlight(1, 18);
  editor.braceBadLight(10);
  editor.braceHighlight(-1, -1);
  editor.setHighlightGuide(4);
  EXPECT_EQ(4, sci(editor, Sci::SCI_GETHIGHLIGHTGUIDE));
}

}  // namespace
}  // namespace jsdebug::editor
