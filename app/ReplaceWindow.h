#pragma once
// The replace window "替换...": find, replace one, replace all.

#include "app/SearchControls.h"
#include "app/SecondaryWindow.h"

namespace jsdebug::app {

class ReplaceWindow : public SecondaryWindow {
 public:
  // `match` is the replace window's latest match, kept for the whole run.
  ReplaceWindow(QWidget* mainWindow, workflow::Workbench& bench, workflow::FindHistory& history,
                workflow::ReplaceMatch& match);

  SearchControls& controls() { return controls_; }
  QPushButton* findButton() const { return find_; }
  QPushButton* replaceButton() const { return replace_; }
  QPushButton* replaceAllButton() const { return replaceAll_; }
  QPushButton* closeButton() const { return close_; }

 private:
  workflow::Workbench& workbench_;
  workflow::FindHistory& history_;
  workflow::ReplaceMatch& match_;
  SearchControls controls_{*this};
  QPushButton* find_ = nullptr;
  QPushButton* replace_ = nullptr;
  QPushButton* replaceAll_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace jsdebug::app
