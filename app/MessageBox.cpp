#include "app/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "app/SecondaryWindow.h"

namespace jsdebug::app {
namespace {

MessageBoxHook& hook() {
  static MessageBoxHook h;
  return h;
}

QuestionHook& questionHook() {
  static QuestionHook h;
  return h;
}

// A box a busy command opens shows the ordinary cursor while it waits for its answer.
class ArrowCursorWhileAsking {
 public:
  ArrowCursorWhileAsking() : busy_(QApplication::overrideCursor() != nullptr) {
    if (busy_) QApplication::setOverrideCursor(Qt::ArrowCursor);
  }
  ~ArrowCursorWhileAsking() {
    if (busy_) QApplication::restoreOverrideCursor();
  }
  ArrowCursorWhileAsking(const ArrowCursorWhileAsking&) = delete;
  ArrowCursorWhileAsking& operator=(const ArrowCursorWhileAsking&) = delete;

 private:
  bool busy_;
};

}  // namespace

void setMessageBoxHook(MessageBoxHook h) { hook() = std::move(h); }

void setQuestionHook(QuestionHook h) { questionHook() = std::move(h); }

bool askQuestion(const std::string& text, const std::string& title, const std::string& yes,
                 const std::string& no) {
  if (questionHook()) return questionHook()(text, title);
  QMessageBox box(QMessageBox::Question, editor::toQt(title), editor::toQt(text));
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  QPushButton* yesButton = box.addButton(editor::toQt(yes), QMessageBox::AcceptRole);
  QPushButton* noButton = box.addButton(editor::toQt(no), QMessageBox::RejectRole);
  box.setDefaultButton(noButton);
  box.setEscapeButton(noButton);
  ArrowCursorWhileAsking arrow;
  box.exec();
  return box.clickedButton() == yesButton;
}

void showMessageBox(const std::string& text, const std::string& title, workflow::MessageIcon icon) {
  if (hook()) {
    hook()(text, title, icon);
    return;
  }
  QMessageBox box(
      icon == workflow::MessageIcon::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
      editor::toQt(title), editor::toQt(text), QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  ArrowCursorWhileAsking arrow;
  box.exec();
}

}  // namespace jsdebug::app
