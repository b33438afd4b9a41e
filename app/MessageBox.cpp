#include "app/MessageBox.h"

#include <QMessageBox>

#include "app/SecondaryWindow.h"

namespace jsdebug {
namespace {

MessageBoxHook& hook() {
  static MessageBoxHook h;
  return h;
}

}  // namespace

void setMessageBoxHook(MessageBoxHook h) { hook() = std::move(h); }

void showMessageBox(const std::string& text, const std::string& title, MessageIcon icon) {
  if (hook()) {
    hook()(text, title, icon);
    return;
  }
  QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                  toQt(title), toQt(text), QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace jsdebug
