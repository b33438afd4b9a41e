// 编码工具 in the real window, offscreen: opened from the 工具 drop-down's shortcut and from both
// right-click menus, its bytes, an operation's output, a reason, Esc.

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/EncodeWindow.h"
#include "app/MainWindow.h"
#include "app/OutputLogView.h"
#include "editor/CodeEditor.h"
#include "encode/Operations.h"
#include "tests/gui/GuiTestEnvironment.h"
#include "tests/support/MainWindowFixture.h"
#include "workflow/OutputLog.h"

using namespace jsdebug;
using namespace jsdebug::app;

namespace {

QAction* itemCaptioned(QMenu* menu, const QString& caption) {
  for (QAction* a : menu->actions())
    if (a->text() == caption) return a;
  return nullptr;
}

std::string text(QLabel* label) { return editor::fromQt(label->text()); }

class EncodeWindowTest : public testsupport::MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    ASSERT_NO_FATAL_FAILURE(showActive());
    window->clearLog();
    workflow::appendResultBlock(*window, "1", "结果abc");
  }
};

}  // namespace

TEST_F(EncodeWindowTest, OpensFromTheShortcutWithTheSelectionOrElseTheLastResult) {
  QTest::keyClick(window, Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
  EncodeWindow* tool = window->encodeWindow();
  ASSERT_NE(nullptr, tool);
  EXPECT_TRUE(tool->isVisible());
  EXPECT_EQ(QStringLiteral(u"编码工具"), tool->windowTitle());
  EXPECT_EQ("结果abc", editor::fromQt(tool->inputBox()->toPlainText()));

  // Opening again brings the same window back with the editor's selection.
  window->editor().setText("var s = '中文';");
  window->editor().setSelection(9, 13);
  QTest::keyClick(window, Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(tool, window->encodeWindow());
  EXPECT_EQ("中文", editor::fromQt(tool->inputBox()->toPlainText()));
}

TEST_F(EncodeWindowTest, OpensFromBothRightClickMenus) {
  window->editor().setText("abc 中文");
  window->editor().setSelection(4, 8);
  std::unique_ptr<QMenu> editorMenu(window->codeEditor()->createContextMenu());
  QAction* fromEditor = itemCaptioned(editorMenu.get(), QStringLiteral(u"编码工具"));
  ASSERT_NE(nullptr, fromEditor);
  fromEditor->trigger();
  ASSERT_NE(nullptr, window->encodeWindow());
  EXPECT_EQ("中文", editor::fromQt(window->encodeWindow()->inputBox()->toPlainText()));

  // The log's menu: without a selection its last result, with one the selection.
  std::unique_ptr<QMenu> logMenu(window->outputLog()->createContextMenu());
  QAction* fromLog = itemCaptioned(logMenu.get(), QStringLiteral(u"编码工具"));
  ASSERT_NE(nullptr, fromLog);
  fromLog->trigger();
  EXPECT_EQ("结果abc", editor::fromQt(window->encodeWindow()->inputBox()->toPlainText()));
  QTextCursor cursor = window->outputLog()->textCursor();
  cursor.setPosition(0);
  cursor.setPosition(6, QTextCursor::KeepAnchor);
  window->outputLog()->setTextCursor(cursor);
  fromLog->trigger();
  EXPECT_EQ("代码运算成功", editor::fromQt(window->encodeWindow()->inputBox()->toPlainText()));
}

TEST_F(EncodeWindowTest, ShowsBytesOutputsAndReasonsAndClosesOnEsc) {
  EncodeWindow* tool = window->openEncodeWindow("中文");
  EXPECT_EQ("GBK（4 字节）：", text(tool->gbkLabel()));
  EXPECT_EQ(QStringLiteral("d6 d0 ce c4"), tool->gbkBytes()->text());
  EXPECT_EQ("UTF-8（6 字节）：", text(tool->utf8Label()));
  EXPECT_EQ(QStringLiteral("e4 b8 ad e6 96 87"), tool->utf8Bytes()->text());

  struct Row {
    const char* op;
    bool utf8;
    std::string output;
  };
  const Row rows[] = {
      {"md5", false, "bcce109775e8e1972e9f5fcda3e12895"},
      {"md5", true, "a7bac2239fcdcb3a067903d8077c4a07"},
      {"base64", false, "1tDOxA=="},
      {"escape", true, "%u4E2D%u6587"},
  };
  for (const Row& row : rows) {
    (row.utf8 ? tool->utf8Choice() : tool->gbkChoice())->setChecked(true);
    QPushButton* button = tool->operationButton(row.op);
    ASSERT_NE(nullptr, button) << row.op;
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(row.output, editor::fromQt(tool->outputBox()->toPlainText())) << row.op;
    EXPECT_EQ("", text(tool->reasonLabel()));
  }
  QTest::mouseClick(tool->copyButton(), Qt::LeftButton);
  EXPECT_EQ(QStringLiteral("%u4E2D%u6587"), QGuiApplication::clipboard()->text());

  tool->setInput("Zm9v!");
  QTest::mouseClick(tool->operationButton("base64-decode"), Qt::LeftButton);
  EXPECT_EQ(QString(), tool->outputBox()->toPlainText());
  EXPECT_EQ("第 5 个字符处不是有效的Base64", text(tool->reasonLabel()));
  EXPECT_FALSE(tool->copyButton()->isEnabled());

  // A long output is shown cut, and copied whole.
  tool->setInput(std::string(100000, 'a'));
  QTest::mouseClick(tool->operationButton("hex"), Qt::LeftButton);
  EXPECT_EQ(200000u, tool->output().size());
  EXPECT_EQ(static_cast<std::size_t>(EncodeWindow::kShownOutput),
            editor::fromQt(tool->outputBox()->toPlainText()).find(" ..."));
  QTest::mouseClick(tool->copyButton(), Qt::LeftButton);
  EXPECT_EQ(200000, QGuiApplication::clipboard()->text().size());

  // HMAC takes its key from the key box.
  tool->setInput("what do ya want for nothing?");
  tool->gbkChoice()->setChecked(true);
  tool->keyBox()->setText(QStringLiteral("Jefe"));
  QTest::mouseClick(tool->operationButton("hmac-md5"), Qt::LeftButton);
  EXPECT_EQ("750c783e6ab0b503eaa86e310a5db738", tool->output());

  // Enter is a line break in the input, not a command; Esc closes from any control.
  tool->inputBox()->setFocus();
  tool->setInput("a");
  tool->inputBox()->moveCursor(QTextCursor::End);
  QTest::keyClick(tool->inputBox(), Qt::Key_Return);
  EXPECT_EQ(QStringLiteral("a\n"), tool->inputBox()->toPlainText());
  QTest::keyClick(tool->inputBox(), Qt::Key_Escape);
  EXPECT_FALSE(tool->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(nullptr, window->encodeWindow());
}

// One button per operation of the table (the CLI's base64url aside), none overlapping, all
// inside the window.
TEST_F(EncodeWindowTest, AButtonForEveryOperationInsideTheWindow) {
  EncodeWindow* tool = window->openEncodeWindow("");
  std::vector<QRect> places;
  for (const encode::Operation& op : encode::operations()) {
    QPushButton* button = tool->operationButton(op.name);
    if (op.cliOnly) {
      EXPECT_EQ(nullptr, button) << op.name;
      continue;
    }
    ASSERT_NE(nullptr, button) << op.name;
    EXPECT_EQ(op.caption, editor::fromQt(button->text()));
    for (const QRect& other : places) EXPECT_FALSE(other.intersects(button->geometry())) << op.name;
    places.push_back(button->geometry());
  }
  const QRect client(QPoint(0, 0), tool->size());
  for (QWidget* child : tool->findChildren<QWidget*>()) {
    if (child->parentWidget() == tool) {
      EXPECT_TRUE(client.contains(child->geometry())) << child->metaObject()->className();
    }
  }
}
