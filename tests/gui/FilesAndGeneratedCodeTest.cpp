// The generated code, the browser page, files and URL loading from the real window: the buttons
// and toolbar entries reach their commands, and script bytes survive the real editor.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/MainWindow.h"
#include "workflow/ScriptFiles.h"
#include "workflow/UrlLoading.h"
#include "engine/ScriptEngine.h"
#include "engine/V8Bridge.h"
#include "generate/ECode.h"
#include "generate/TestPage.h"
#include "platform/FileBytes.h"
#include "tests/support/LoopbackHttpServer.h"
#include "tests/support/TempDir.h"
#include "tests/gui/GuiTestEnvironment.h"
#include "workflow/HeadlessDesktop.h"

using namespace jsdebug;
using namespace jsdebug::app;
using jsdebug::testing::processEventsUntil;
using jsdebug::testing::recordedMessages;
using jsdebug::testing::recordedQuestions;

namespace {

namespace fs = std::filesystem;

// Toolbar entries by their index.
constexpr int kOpenEntry = 1;
constexpr int kSaveEntry = 2;
constexpr int kSaveWithCallEntry = 3;
constexpr int kNewWindowEntry = 0;
constexpr int kBrowserEntry = 19;

class FilesAndGeneratedCodeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    recordedMessages().clear();
    desktop.directory = dir.string();
    window = std::make_unique<MainWindow>(
        MainWindowServices{engine, engine::v8Bridge(), desktop, [] { return std::uint32_t{0}; }});
  }
  void TearDown() override {
    window->guiThread().close();
    window->guiThread().waitForWorkers(std::chrono::seconds(10));
    window.reset();
  }

  void click(const char* caption) {
    QPushButton* b = window->button(caption);
    ASSERT_NE(nullptr, b) << caption;
    QTest::mouseClick(b, Qt::LeftButton);
  }
  std::string path(const char* name) const { return (dir / name).string(); }

  testsupport::TempDir scratch{"jsdebug_gui_files_"};
  const fs::path& dir = scratch.path();
  workflow::HeadlessDesktop desktop;
  engine::ScriptEngine engine{[](const std::string&) {}};
  std::unique_ptr<MainWindow> window;
};

TEST_F(FilesAndGeneratedCodeTest, GeneratedCodeButtonsFillTheClipboard) {
  window->setCallBoxText("test('中文', 123)");
  click("生成系统代码");
  EXPECT_EQ(generate::systemCallingCode("test('中文', 123)"), window->clipboardText());
  static_cast<QLineEdit*>(window->control(workflow::Control::V8BufferLengthBox))
      ->setText(QStringLiteral("2048"));
  click("生成V8代码");
  EXPECT_EQ(generate::v8CallingCode("test('中文', 123)", "2048"), window->clipboardText());
  ASSERT_EQ(2u, recordedMessages().size());
  EXPECT_EQ(generate::kV8CodeCopiedMessage, recordedMessages()[1].text);
}

TEST_F(FilesAndGeneratedCodeTest, BrowserButtonAndToolbarEntryWriteAndOpenThePage) {
  window->editor().setText("function test(a,b){return a+b}// 中文");
  window->setCallBoxText("test(1,2)");
  click("浏览器运行");
  window->toolbarEntry(kBrowserEntry)->trigger();
  ASSERT_EQ(2u, desktop.opened.size());
  EXPECT_EQ(generate::testPagePath(dir.string()), desktop.opened[1]);
  EXPECT_EQ(generate::testPageText("function test(a,b){return a+b}// 中文", "test(1,2)"),
            platform::readFileBytes(desktop.opened[1]));
}

TEST_F(FilesAndGeneratedCodeTest, BytesSurviveSavingAndOpeningThroughTheEditor) {
  const std::string samples[] = {
      "\xEF\xBB\xBF" "var s = '\xE4\xB8\xAD';\r\n",  // UTF-8 with its byte order mark
      "var s = '中文';\r\n\tvar t = \"\xA1\xA1\";\n",  // GBK, mixed line breaks
      std::string("\x01\x80\xFF\x7F\r\rx\x81", 8),      // bytes that form no character
  };
  for (const std::string& bytes : samples) {
    window->editor().setText(bytes);
    desktop.answers.push_back(path("a.js"));
    window->toolbarEntry(kSaveEntry)->trigger();
    EXPECT_EQ(bytes, platform::readFileBytes(path("a.js")));
    window->editor().setText("other");
    desktop.answers.push_back(path("a.js"));
    const std::size_t logBefore = window->logText().size();
    window->toolbarEntry(kOpenEntry)->trigger();
    EXPECT_EQ(bytes, window->editor().wholeText());
    // Only the UTF-8 script is pointed out, in one line of the log.
    EXPECT_EQ(&bytes == &samples[0] ? workflow::kUtf8ScriptNote : "",
              window->logText().substr(logBefore));
  }
  window->setCallBoxText("test(1)");
  desktop.answers.push_back(path("b.js"));
  window->toolbarEntry(kSaveWithCallEntry)->trigger();
  EXPECT_EQ(samples[2] + "\r\n调用方法：test(1)", platform::readFileBytes(path("b.js")));
  EXPECT_EQ(path("a.js"), desktop.dialogs.back().initialPath);
  EXPECT_TRUE(recordedMessages().empty());
}

// What closing the window asks about: a script opened, saved or downloaded is safe elsewhere.
TEST_F(FilesAndGeneratedCodeTest, OpeningSavingAndDownloadingLeaveNothingToAskAboutOnClosing) {
  const auto asks = [&] {
    recordedQuestions().clear();
    window->mayClose();
    return !recordedQuestions().empty();
  };
  platform::writeFileBytes(path("a.js"), "var a;");
  struct Step {
    const char* name;
    std::function<void()> run;
    bool asks;
  };
  const Step steps[] = {
      {"a command's result", [&] { window->editor().setText("changed"); }, true},
      {"opened", [&] { desktop.answers.push_back(path("a.js"));
                       window->toolbarEntry(kOpenEntry)->trigger(); }, false},
      {"edited", [&] { window->editor().setText("edited"); }, true},
      {"saved", [&] { desktop.answers.push_back(path("b.js"));
                      window->toolbarEntry(kSaveEntry)->trigger(); }, false},
      {"edited again", [&] { window->editor().setText("edited again"); }, true},
      {"saved with the call", [&] { window->setCallBoxText("test(1)");
                                    desktop.answers.push_back(path("c.js"));
                                    window->toolbarEntry(kSaveWithCallEntry)->trigger(); }, false},
      {"edited once more", [&] { window->editor().setText("x"); }, true},
      // A save that failed kept nothing.
      {"save failed", [&] { desktop.answers.push_back(dir.string());
                            window->toolbarEntry(kSaveEntry)->trigger(); }, true},
      {"sample downloaded", [&] { click("下载JS代码"); }, false},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    step.run();
    EXPECT_EQ(step.asks, asks());
  }
}

// Regression: opening and downloading replaced edited text without a word. They ask as closing
// does; "取消" keeps the text.
TEST_F(FilesAndGeneratedCodeTest, OpeningOrDownloadingOverEditedTextAsksFirst) {
  using jsdebug::testing::questionAnswer;
  platform::writeFileBytes(path("a.js"), "opened");
  struct Way {
    const char* action;
    std::function<void()> replace;
    std::string replaced;
  } ways[] = {
      {"打开文件", [&] { desktop.answers.push_back(path("a.js"));
                         window->toolbarEntry(kOpenEntry)->trigger(); }, "opened"},
      {"下载", [&] { click("下载JS代码"); }, workflow::kSampleScript},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.action);
    window->editor().setText("edited");
    recordedQuestions().clear();
    questionAnswer() = false;
    way.replace();
    EXPECT_EQ("edited", window->editor().wholeText());
    EXPECT_EQ(std::vector<std::string>{"脚本已修改，还没有保存。\r\n确定要" + std::string(way.action) +
                                       "吗？修改将会丢失。"},
              recordedQuestions());
    questionAnswer() = true;
    way.replace();
    EXPECT_EQ(way.replaced, window->editor().wholeText());
    EXPECT_EQ(2u, recordedQuestions().size());
  }
}

TEST_F(FilesAndGeneratedCodeTest, FailedSaveIsReportedOnTheGuiThread) {
  desktop.answers.push_back(dir.string());
  window->toolbarEntry(kSaveEntry)->trigger();
  ASSERT_EQ(1u, recordedMessages().size());
  EXPECT_EQ(0u, recordedMessages()[0].text.find("文件保存失败："));
  EXPECT_EQ(workflow::MessageIcon::Error, recordedMessages()[0].icon);
}

TEST_F(FilesAndGeneratedCodeTest, NewWindowStartsTheOwnExecutable) {
  window->toolbarEntry(kNewWindowEntry)->trigger();
  ASSERT_EQ(1u, desktop.started.size());
  EXPECT_EQ(desktop.executablePath(), desktop.started[0]);
}

TEST_F(FilesAndGeneratedCodeTest, DownloadButtonReplacesTheEditorTextOnTheGuiThread) {
  EXPECT_EQ(workflow::kSampleAddress, window->urlBoxText());
  window->editor().setText("old");
  click("下载JS代码");
  EXPECT_EQ(workflow::kSampleScript, window->editor().wholeText());

  ::unsetenv("http_proxy");
  ::unsetenv("all_proxy");
  static constexpr char kBody[] = "var 中文 = 1;\0tail";
  loopback::LoopbackHttpServer server([](const std::string&) {
    return loopback::HttpReply{loopback::httpResponse("200 OK", std::string(kBody, sizeof kBody - 1))};
  });
  static_cast<QLineEdit*>(window->control(workflow::Control::UrlBox))
      ->setText(QString::fromStdString(server.url("/x.js")));
  click("下载JS代码");
  ASSERT_TRUE(processEventsUntil([&] { return window->guiThread().activeWorkers() == 0; }, 20000));
  EXPECT_EQ("var 中文 = 1;", window->editor().wholeText());
  recordedQuestions().clear();
  EXPECT_TRUE(window->mayClose());
  EXPECT_TRUE(recordedQuestions().empty());
}

}  // namespace
