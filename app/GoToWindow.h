#pragma once
// The go-to window "定位到...": moves the caret to a line.

#include "app/SecondaryWindow.h"

class QLineEdit;

namespace jsdebug {

class Workbench;

class GoToWindow : public SecondaryWindow {
 public:
  GoToWindow(QWidget* mainWindow, Workbench& bench);

  QLabel* promptLabel() const { return prompt_; }
  QLineEdit* lineBox() const { return lineBox_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

 private:
  Workbench& workbench_;
  QLabel* prompt_ = nullptr;
  QLineEdit* lineBox_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace jsdebug
