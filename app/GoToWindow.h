#pragma once
// The go-to window "定位到...": moves the caret to a line.

#include "app/SecondaryWindow.h"

class QLineEdit;

namespace jsdebug::workflow {
class Workbench;
}  // namespace jsdebug::workflow

namespace jsdebug::app {

class GoToWindow : public SecondaryWindow {
 public:
  GoToWindow(QWidget* mainWindow, workflow::Workbench& bench);

  QLabel* promptLabel() const { return prompt_; }
  QLineEdit* lineBox() const { return lineBox_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

 private:
  workflow::Workbench& workbench_;
  QLabel* prompt_ = nullptr;
  QLineEdit* lineBox_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace jsdebug::app
