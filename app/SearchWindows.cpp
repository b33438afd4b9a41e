#include "app/SearchWindows.h"

#include "app/FindWindow.h"
#include "app/GoToWindow.h"
#include "app/ReplaceWindow.h"

namespace jsdebug::app {
namespace {

template <class Window, class... Args>
Window* openOnce(QPointer<Window>& slot, Args&&... args) {
  if (slot) {
    slot->bringToFront();
  } else {
    slot = new Window(std::forward<Args>(args)...);
    slot->open();
  }
  return slot.data();
}

}  // namespace

SearchWindows::SearchWindows(QWidget* mainWindow, workflow::Workbench& bench)
    : mainWindow_(mainWindow), workbench_(bench) {}

// The windows reference the history and the replace match; they must not outlive them.
SearchWindows::~SearchWindows() {
  delete find_.data();
  delete replace_.data();
  delete goTo_.data();
}

FindWindow* SearchWindows::openFindWindow() {
  return openOnce(find_, mainWindow_, workbench_, history_);
}

ReplaceWindow* SearchWindows::openReplaceWindow() {
  return openOnce(replace_, mainWindow_, workbench_, history_, replaceMatch_);
}

GoToWindow* SearchWindows::openGoToWindow() { return openOnce(goTo_, mainWindow_, workbench_); }

}  // namespace jsdebug::app
