// The find, replace and go-to windows on the offscreen platform, over the headless workbench.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "app/FindWindow.h"
#include "app/GoToWindow.h"
#include "app/ReplaceWindow.h"
#include "app/SearchWindows.h"
#include "workflow/HeadlessWorkbench.h"

namespace jsdebug::app {
namespace {

// The offscreen platform warns on every raise(), and the windows raise on each opening.
QtMessageHandler defaultHandler = nullptr;

void dropPlatformNoise(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith(QStringLiteral("This plugin does not support"))) return;
  if (defaultHandler) defaultHandler(type, context, text);
}

// main() below owns the application for the whole run.
QApplication& application() { return *static_cast<QApplication*>(QCoreApplication::instance()); }

// Closed windows delete themselves later; this lets them go.
void settle() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

int openWindowsTitled(const QString& title) {
  int count = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->windowTitle() == title && w->isVisible()) ++count;
  return count;
}

class SearchWindowsTest : public ::testing::Test {
 protected:
  SearchWindowsTest() {
    mainWindow.show();
    bench.memoryEditor.setText("ab 中ab ab");  // "ab" at 0, 5, 8
  }
  ~SearchWindowsTest() override {
    windows.reset();
    settle();
  }

  std::pair<int, int> selection() {
    return {bench.memoryEditor.getSelectionStart(), bench.memoryEditor.getSelectionEnd()};
  }

  QApplication& app = application();
  QWidget mainWindow;
  workflow::HeadlessWorkbench bench;
  std::unique_ptr<SearchWindows> windows = std::make_unique<SearchWindows>(&mainWindow, bench);
};

TEST_F(SearchWindowsTest, OpeningTwiceGivesOneWindowBroughtBack) {
  FindWindow* first = windows->openFindWindow();
  EXPECT_EQ(first, windows->openFindWindow());
  EXPECT_EQ(1, openWindowsTitled(QStringLiteral(u"查找...")));

  GoToWindow* goTo = windows->openGoToWindow();
  goTo->lineBox()->setText(QStringLiteral(u"12"));
  goTo->showMinimized();
  EXPECT_EQ(goTo, windows->openGoToWindow());
  EXPECT_FALSE(goTo->isMinimized());
  EXPECT_EQ(QStringLiteral(u"12"), goTo->lineBox()->text());  // the line box as left

  ReplaceWindow* replace = windows->openReplaceWindow();
  EXPECT_EQ(replace, windows->openReplaceWindow());
  EXPECT_EQ(1, openWindowsTitled(QStringLiteral(u"替换...")));
}

TEST_F(SearchWindowsTest, WindowsStartAsLaidOut) {
  bench.clipboard = std::string(98, 'x') + "中文";
  FindWindow* find = windows->openFindWindow();
  EXPECT_EQ(QSize(427, 147), find->frameGeometry().size());
  EXPECT_TRUE(find->alwaysOnTop());
  EXPECT_EQ(find->findNextButton(), find->defaultButton());
  SearchControls& c = find->controls();
  EXPECT_EQ(QString(98, 'x') + QStringLiteral(u"中"), c.findBox->currentText());
  EXPECT_FALSE(c.wholeWord->isChecked() || c.matchCase->isChecked() || c.regExp->isChecked());
  EXPECT_TRUE(c.down->isChecked());
  EXPECT_FALSE(c.up->isChecked());

  ReplaceWindow* replace = windows->openReplaceWindow();
  EXPECT_EQ(QSize(413, 187), replace->frameGeometry().size());
  EXPECT_FALSE(replace->alwaysOnTop());
  EXPECT_EQ(replace->findButton(), replace->defaultButton());
  EXPECT_TRUE(replace->controls().replaceBox->currentText().isEmpty());
  EXPECT_EQ(0, replace->controls().replaceBox->count());

  bench.memoryEditor.setText("a\r\nb\r\nc");
  GoToWindow* goTo = windows->openGoToWindow();
  EXPECT_EQ(QSize(267, 104), goTo->frameGeometry().size());
  EXPECT_EQ(QStringLiteral(u"输入行数(1 - 3)："), goTo->promptLabel()->text());
  EXPECT_TRUE(goTo->lineBox()->text().isEmpty());
  EXPECT_EQ(goTo->lineBox(), goTo->focusWidget());
}

// Each window opens with as much room above as below and left as right, to the pixel, on screens
// of even and odd sizes alike.
TEST_F(SearchWindowsTest, WindowsOpenCentredToThePixel) {
  const QRect area = mainWindow.screen()->availableGeometry();
  const std::pair<QWidget*, QSize> opened[] = {
      {windows->openFindWindow(), QSize(427, 147)},
      {windows->openReplaceWindow(), QSize(413, 187)},
      {windows->openGoToWindow(), QSize(267, 104)},
  };
  for (const auto& [window, outer] : opened) {
    SCOPED_TRACE(window->windowTitle().toStdString());
    EXPECT_EQ(QRect(QPoint(area.x() + (area.width() - outer.width()) / 2,
                           area.y() + (area.height() - outer.height()) / 2),
                    outer),
              window->frameGeometry());
  }

  struct Row {
    QRect area;
    QSize outer;
    QPoint origin;
  } rows[] = {
      {QRect(0, 0, 1280, 1024), QSize(427, 147), QPoint(426, 438)},
      {QRect(0, 0, 1281, 1025), QSize(427, 147), QPoint(427, 439)},
      {QRect(0, 0, 1280, 1024), QSize(956, 684), QPoint(162, 170)},
      {QRect(100, 30, 800, 600), QSize(267, 104), QPoint(366, 278)},
      // A window larger than its screen overhangs it evenly.
      {QRect(0, 0, 800, 600), QSize(956, 684), QPoint(-78, -42)},
  };
  for (const Row& row : rows)
    EXPECT_EQ(row.origin, FixedFrameWindow::centredOrigin(row.area, row.outer)) << row.area.width();
}

TEST_F(SearchWindowsTest, AReopenedWindowIsResetButKeepsTheHistory) {
  FindWindow* find = windows->openFindWindow();
  SearchControls& c = find->controls();
  c.findBox->setEditText(QStringLiteral(u"中ab"));
  c.wholeWord->setChecked(true);
  c.matchCase->setChecked(true);
  c.regExp->setChecked(true);
  c.up->setChecked(true);
  find->findNextButton()->click();
  find->closeButton()->click();
  settle();
  EXPECT_EQ(0, openWindowsTitled(QStringLiteral(u"查找...")));

  find = windows->openFindWindow();
  SearchControls& again = find->controls();
  EXPECT_FALSE(again.wholeWord->isChecked() || again.matchCase->isChecked() ||
               again.regExp->isChecked());
  EXPECT_TRUE(again.wholeWord->isEnabled());
  EXPECT_TRUE(again.down->isChecked());
  EXPECT_TRUE(again.findBox->currentText().isEmpty());
  ASSERT_EQ(1, again.findBox->count());
  EXPECT_EQ(QStringLiteral(u"中ab"), again.findBox->itemText(0));

  // The history is shared with the replace window.
  ReplaceWindow* replace = windows->openReplaceWindow();
  ASSERT_EQ(1, replace->controls().findBox->count());
}

TEST_F(SearchWindowsTest, EnterAnywhereClicksTheDefaultButton) {
  FindWindow* find = windows->openFindWindow();
  find->controls().findBox->setEditText(QStringLiteral(u"ab"));
  bench.memoryEditor.setSelection(1, 1);
  QTest::keyClick(find->controls().findBox, Qt::Key_Return);
  EXPECT_EQ(std::make_pair(5, 7), selection());
  QTest::keyClick(find->closeButton(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(std::make_pair(8, 10), selection());
  EXPECT_TRUE(find->isVisible());

  // In the replace window Enter finds; it never replaces, even from the replace box.
  ReplaceWindow* replace = windows->openReplaceWindow();
  replace->controls().findBox->setEditText(QStringLiteral(u"ab"));
  replace->controls().replaceBox->setEditText(QStringLiteral(u"x"));
  bench.memoryEditor.setSelection(0, 0);
  QTest::keyClick(replace->controls().replaceBox, Qt::Key_Return);
  QTest::keyClick(replace->replaceAllButton(), Qt::Key_Return);
  EXPECT_EQ("ab 中ab ab", bench.memoryEditor.wholeText());
  EXPECT_EQ(std::make_pair(5, 7), selection());
}

TEST_F(SearchWindowsTest, EscClosesWithoutDoingAnything) {
  ReplaceWindow* replace = windows->openReplaceWindow();
  replace->controls().findBox->setEditText(QStringLiteral(u"ab"));
  replace->controls().replaceBox->setEditText(QStringLiteral(u"x"));
  QPointer<ReplaceWindow> watch = replace;
  QTest::keyClick(replace->controls().replaceBox, Qt::Key_Escape);
  settle();
  EXPECT_TRUE(watch.isNull());
  EXPECT_EQ("ab 中ab ab", bench.memoryEditor.wholeText());
  EXPECT_TRUE(bench.messages.empty());

  GoToWindow* goTo = windows->openGoToWindow();
  QPointer<GoToWindow> watchGoTo = goTo;
  goTo->lineBox()->setText(QStringLiteral(u"2"));
  QTest::keyClick(goTo->lineBox(), Qt::Key_Escape);
  settle();
  EXPECT_TRUE(watchGoTo.isNull());
  EXPECT_EQ(0, bench.memoryEditor.getCurrentPos());
}

TEST_F(SearchWindowsTest, ReplaceWindowButtons) {
  ReplaceWindow* replace = windows->openReplaceWindow();
  SearchControls& c = replace->controls();
  c.findBox->setEditText(QStringLiteral(u"ab"));
  c.replaceBox->setEditText(QStringLiteral(u"中"));
  replace->replaceButton()->click();
  EXPECT_EQ("中 中ab ab", bench.memoryEditor.wholeText());
  EXPECT_EQ(std::make_pair(5, 7), selection());
  replace->replaceAllButton()->click();
  EXPECT_EQ("中 中中 中", bench.memoryEditor.wholeText());
  ASSERT_EQ(1u, bench.messages.size());
  EXPECT_EQ("替换2次..", bench.messages[0].text);
  // The message turned always-on-top off and then on: from now on the window stays on top.
  EXPECT_TRUE(replace->alwaysOnTop());

  // "正则表达式" disables "全字匹配" in the find window only.
  c.regExp->setChecked(true);
  EXPECT_TRUE(c.wholeWord->isEnabled());
  FindWindow* find = windows->openFindWindow();
  find->controls().wholeWord->setChecked(true);
  find->controls().regExp->setChecked(true);
  EXPECT_FALSE(find->controls().wholeWord->isEnabled());
  EXPECT_TRUE(find->controls().wholeWord->isChecked());
  find->controls().regExp->setChecked(false);
  EXPECT_TRUE(find->controls().wholeWord->isEnabled());
}

TEST_F(SearchWindowsTest, AltWithTheAccessKeyClicksTheButton) {
  ReplaceWindow* replace = windows->openReplaceWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(replace));
  replace->controls().findBox->setEditText(QStringLiteral(u"ab"));
  replace->controls().replaceBox->setEditText(QStringLiteral(u"x"));
  // A shortcut reaches a button through the window; the button clicks a moment later.
  QTest::keyClick(replace->windowHandle(), Qt::Key_A, Qt::AltModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !bench.messages.empty(); }, 2000));
  EXPECT_EQ("x 中x x", bench.memoryEditor.wholeText());
  EXPECT_EQ("替换3次..", bench.messages.back().text);
  QPointer<ReplaceWindow> watch = replace;
  QTest::keyClick(replace->windowHandle(), Qt::Key_C, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] {
    settle();
    return watch.isNull();
  }, 2000));
}

TEST_F(SearchWindowsTest, ReadOnlyEditorDisablesReplacing) {
  bench.memoryEditor.setSetting(workflow::EditorSetting::ReadOnly, 1);
  ReplaceWindow* replace = windows->openReplaceWindow();
  EXPECT_FALSE(replace->replaceButton()->isEnabled());
  EXPECT_FALSE(replace->replaceAllButton()->isEnabled());
  EXPECT_TRUE(replace->findButton()->isEnabled());
}

TEST_F(SearchWindowsTest, GoToWindowKeepsWrongInputAndClosesOnALine) {
  bench.memoryEditor.setText("one\r\ntwo\r\nthree");
  GoToWindow* goTo = windows->openGoToWindow();
  QPointer<GoToWindow> watch = goTo;
  QTest::keyClicks(goTo->lineBox(), QStringLiteral(u"abc"));
  QTest::keyClick(goTo->lineBox(), Qt::Key_Return);
  EXPECT_EQ("你输入的行数错误", bench.messages.back().text);
  EXPECT_TRUE(goTo->isVisible());

  goTo->lineBox()->setText(QStringLiteral(u"２"));
  QTest::keyClick(goTo->cancelButton(), Qt::Key_Return);
  settle();
  EXPECT_TRUE(watch.isNull());
  EXPECT_EQ(5, bench.memoryEditor.getCurrentPos());
}

TEST_F(SearchWindowsTest, GoToFocusOrderIsLineBoxCancelOk) {
  GoToWindow* goTo = windows->openGoToWindow();
  std::vector<QWidget*> order;
  QWidget* w = goTo->lineBox();
  do {
    if (w->focusPolicy() & Qt::TabFocus) order.push_back(w);
    w = w->nextInFocusChain();
  } while (w != goTo->lineBox());
  EXPECT_EQ((std::vector<QWidget*>{goTo->lineBox(), goTo->cancelButton(), goTo->okButton()}),
            order);
}

TEST_F(SearchWindowsTest, AfterTheMainWindowClosesTheWindowsStayButDoNothing) {
  FindWindow* find = windows->openFindWindow();
  ReplaceWindow* replace = windows->openReplaceWindow();
  find->controls().findBox->setEditText(QStringLiteral(u"ab"));

  mainWindow.close();
  EXPECT_TRUE(find->isVisible());
  EXPECT_FALSE(find->findNextButton()->isEnabled());
  EXPECT_FALSE(replace->replaceAllButton()->isEnabled());
  EXPECT_TRUE(find->closeButton()->isEnabled());
  QTest::keyClick(find->controls().findBox, Qt::Key_Return);
  EXPECT_EQ(std::make_pair(0, 0), selection());
  EXPECT_TRUE(bench.messages.empty());

  // A window opened now finds its commands disabled from the start.
  GoToWindow* goTo = windows->openGoToWindow();
  EXPECT_FALSE(goTo->okButton()->isEnabled());
  EXPECT_TRUE(goTo->cancelButton()->isEnabled());
}

TEST_F(SearchWindowsTest, TheProgramEndsWithTheLastWindowSecondaryWindowsIncluded) {
  FindWindow* find = windows->openFindWindow();
  GoToWindow* goTo = windows->openGoToWindow();
  std::vector<std::string> steps;
  auto visible = [&] {
    return std::to_string(mainWindow.isVisible()) + std::to_string(find && find->isVisible()) +
           std::to_string(goTo && goTo->isVisible());
  };
  QTimer::singleShot(0, [&] {
    mainWindow.close();
    steps.push_back(visible());
    QTimer::singleShot(0, [&] {
      find->closeButton()->click();
      find = nullptr;
      steps.push_back(visible());
      QTimer::singleShot(0, [&] {
        steps.push_back("closing the last");
        QTest::keyClick(goTo->lineBox(), Qt::Key_Escape);
        goTo = nullptr;
      });
    });
  });
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
  watchdog.start(10000);
  EXPECT_EQ(0, QApplication::exec());
  EXPECT_EQ((std::vector<std::string>{"011", "001", "closing the last"}), steps);
}

}  // namespace
}  // namespace jsdebug::app

// The application must outlive every test and be gone before Qt's own statics are.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  jsdebug::app::defaultHandler = qInstallMessageHandler(jsdebug::app::dropPlatformNoise);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
