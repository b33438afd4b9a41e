#pragma once
// Opening the find, replace and go-to windows from the main window's toolbar. At most one of
// each exists; opening it again restores or activates it. The windows have no owner and do
// not close with the main window: once it has closed, their commands are disabled and they
// only wait to be closed, the program ending with the last of them.

#include <QPointer>

#include "workflow/FindReplace.h"

class QWidget;

namespace jsdebug::workflow {
class Workbench;
}  // namespace jsdebug::workflow

namespace jsdebug::app {

class FindWindow;
class GoToWindow;
class ReplaceWindow;

class SearchWindows {
 public:
  // `mainWindow` is watched, not owned; `bench` must live as long as it.
  SearchWindows(QWidget* mainWindow, workflow::Workbench& bench);
  ~SearchWindows();

  FindWindow* openFindWindow();
  ReplaceWindow* openReplaceWindow();
  GoToWindow* openGoToWindow();

  workflow::FindHistory& history() { return history_; }

 private:
  QWidget* mainWindow_;
  workflow::Workbench& workbench_;
  workflow::FindHistory history_;
  workflow::ReplaceMatch replaceMatch_;
  QPointer<FindWindow> find_;
  QPointer<ReplaceWindow> replace_;
  QPointer<GoToWindow> goTo_;
};

}  // namespace jsdebug::app
