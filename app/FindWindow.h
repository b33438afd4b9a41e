#pragma once
// The find window "查找...": always on top, finds the next or previous match in the editor.

#include "app/SearchControls.h"
#include "app/SecondaryWindow.h"

namespace jsdebug::app {

class FindWindow : public SecondaryWindow {
 public:
  FindWindow(QWidget* mainWindow, workflow::Workbench& bench, workflow::FindHistory& history);

  SearchControls& controls() { return controls_; }
  QPushButton* findNextButton() const { return findNext_; }
  QPushButton* closeButton() const { return close_; }

 private:
  workflow::Workbench& workbench_;
  workflow::FindHistory& history_;
  SearchControls controls_{*this};
  QPushButton* findNext_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace jsdebug::app
