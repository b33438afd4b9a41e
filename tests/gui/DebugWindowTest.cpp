// 调试运行 in the real window, offscreen: breakpoints from the margin and F9, Ctrl+F5, the 调试
// window's stack and locals at a pause, stepping with its keys, the run's block at the end,
// and closing the window while paused.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "app/DebugWindow.h"
#include "app/MainWindow.h"
#include "editor/CodeEditor.h"
#include "tests/gui/GuiTestEnvironment.h"
#include "tests/support/DebugScripts.h"
#include "tests/support/MainWindowFixture.h"

using namespace jsdebug;
using namespace jsdebug::app;

namespace {

std::string text(QLabel* label) { return editor::fromQt(label->text()); }

std::vector<std::string> column(QTreeWidget* table, int col) {
  std::vector<std::string> cells;
  for (int i = 0; i < table->topLevelItemCount(); ++i) cells.push_back(editor::fromQt(table->topLevelItem(i)->text(col)));
  return cells;
}

class DebugWindowTest : public testsupport::MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    ASSERT_NO_FATAL_FAILURE(showActive());
    window->editor().setText(testsupport::kDebugScript);
    window->setCallBoxText("test(1,2)");
  }
  editor::CodeEditor& code() { return *window->codeEditor(); }
};

}  // namespace

TEST_F(DebugWindowTest, BreakpointsToggleFromTheMarginAndF9) {
  window->toggleBreakpoint(7);
  EXPECT_TRUE(code().hasBreakpoint(7));
  code().moveCaretToLine(1);
  QTest::keyClick(window, Qt::Key_F9);
  EXPECT_EQ((std::vector<int>{2, 7}), code().breakpointLines());
  window->toggleBreakpoint(7);
  EXPECT_EQ((std::vector<int>{2}), code().breakpointLines());
  // Tab into the editor selects its first line as a margin click would, and toggles nothing.
  window->control(workflow::Control::UrlBox)->setFocus();
  code().setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  EXPECT_EQ((std::vector<int>{2}), code().breakpointLines());
}

TEST_F(DebugWindowTest, PausesStepsAndEndsWithTheRunsBlock) {
  window->toggleBreakpoint(5);  // no code there: the run moves it on
  QTest::keyClick(window, Qt::Key_F5, Qt::ControlModifier);
  ASSERT_TRUE(window->debugWindow());
  DebugWindow& debug = *window->debugWindow();
  QTRY_VERIFY_WITH_TIMEOUT(code().pausedLine() == 7, 20000);
  EXPECT_EQ((std::vector<int>{7}), code().breakpointLines());
  EXPECT_NE(std::string::npos, text(debug.statusLabel()).find("已暂停：第 7 行"));
  EXPECT_NE(std::string::npos, text(debug.statusLabel()).find("断点：第 5 行没有代码，改设在第 7 行"));
  QTRY_VERIFY_WITH_TIMEOUT(debug.localsView()->topLevelItemCount() == 4, 20000);
  EXPECT_EQ((std::vector<std::string>{"test"}), column(debug.stackView(), 0));
  EXPECT_EQ((std::vector<std::string>{"x", "y", "o", "r"}), column(debug.localsView(), 0));
  EXPECT_EQ((std::vector<std::string>{"number", "number", "undefined", "undefined"}), column(debug.localsView(), 1));
  EXPECT_EQ((std::vector<std::string>{"1", "2", "", ""}), column(debug.localsView(), 2));

  // Over the object's line, then into add, from the main window's keys; an object local reads
  // as its string conversion.
  QTest::keyClick(window, Qt::Key_F10);
  QTRY_VERIFY_WITH_TIMEOUT(code().pausedLine() == 8, 20000);
  QTRY_VERIFY_WITH_TIMEOUT(column(debug.localsView(), 2) == (std::vector<std::string>{"1", "2", "[object Object]", ""}), 20000);
  EXPECT_EQ((std::vector<std::string>{"number", "number", "object", "undefined"}), column(debug.localsView(), 1));
  QTest::keyClick(window, Qt::Key_F11);
  QTRY_VERIFY_WITH_TIMEOUT(code().pausedLine() == 2, 20000);
  QTRY_VERIFY_WITH_TIMEOUT(column(debug.stackView(), 0) == (std::vector<std::string>{"add", "test"}), 20000);
  // Then on to the end from the 调试 window's button.
  debug.stepButton(engine::DebugStep::Continue)->click();
  QTRY_VERIFY_WITH_TIMEOUT(!window->debugRunActive(), 20000);
  EXPECT_EQ(0, code().pausedLine());
  EXPECT_EQ(0u, window->logText().find("代码运算成功!!执行时间："));
  EXPECT_NE(std::string::npos, window->logText().find("返回内容：6\r\n"));
}

TEST_F(DebugWindowTest, ClosingTheWindowWhilePausedStopsTheRun) {
  window->toggleBreakpoint(8);
  window->debugRun();
  QTRY_VERIFY_WITH_TIMEOUT(code().pausedLine() == 8, 20000);
  window->debugWindow()->close();
  QTRY_VERIFY_WITH_TIMEOUT(!window->debugRunActive(), 20000);
  EXPECT_EQ(0u, window->logText().find("代码运算失败!!"));
  EXPECT_NE(std::string::npos, window->logText().find("脚本已被调试器停止"));
  EXPECT_EQ(0, code().pausedLine());
}
