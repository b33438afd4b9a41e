#include "tests/gui/GuiTestEnvironment.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QThread>
#include <fstream>
#include <iterator>

#include "app/MessageBox.h"

namespace jsdebug::testing {

std::vector<RecordedMessage>& recordedMessages() {
  static std::vector<RecordedMessage> messages;
  return messages;
}

std::vector<std::string>& recordedQuestions() {
  static std::vector<std::string> questions;
  return questions;
}

bool& questionAnswer() {
  static bool answer = true;
  return answer;
}

bool processEventsUntil(const std::function<bool()>& done, int timeoutMs) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(1);
  }
  return true;
}

std::string testData(const std::string& name) {
  std::ifstream in(std::string(JSDEBUG_SOURCE_DIR) + "/tests/data/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

namespace {

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "gui_tests";
    static char* argv[] = {name, nullptr};
    app_ = new QApplication(argc, argv);
    // The window closing in a test must not end anything.
    QApplication::setQuitOnLastWindowClosed(false);
    app::setMessageBoxHook(
        [](const std::string& text, const std::string& title, workflow::MessageIcon icon) {
          recordedMessages().push_back({text, title, icon, QThread::currentThread()});
        });
    app::setQuestionHook([](const std::string& text, const std::string&) {
      recordedQuestions().push_back(text);
      return questionAnswer();
    });
  }
  void TearDown() override {
    app::setMessageBoxHook({});
    app::setQuestionHook({});
    delete app_;
    app_ = nullptr;
  }

 private:
  QApplication* app_ = nullptr;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
}  // namespace jsdebug::testing
