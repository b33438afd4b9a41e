#pragma once
// The find window "查找...": always on top, finds the next or previous match in the editor.

#include "app/SearchControls.h"
#include "app/SecondaryWindow.h"

namespace jsdebug {

class FindWindow : public SecondaryWindow {
 public:
  FindWindow(QWidget* mainWindow, Workbench& bench, FindHistory& history);

  SearchControls& controls() { return controls_; }
  QPushButton* findNextButton() const { return findNext_; }
  QPushButton* closeButton() const { return close_; }

 private:
  Workbench& workbench_;
  FindHistory& history_;
  SearchControls controls_{*this};
  QPushButton* findNext_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace jsdebug
