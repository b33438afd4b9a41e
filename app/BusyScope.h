#pragma once
// Around a command that blocks the window on the script engine (a run, a beautify, a minify):
// a busy cursor, the window painted now and then while the engine works, and no input taken by
// the window meanwhile, so a button clicked during the run does not start the command again
// once it is over.

#include <QObject>

namespace jsdebug::app {

class MainWindow;

class BusyScope final : public QObject {
 public:
  explicit BusyScope(MainWindow& window);
  ~BusyScope() override;
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  MainWindow& window_;
};

}  // namespace jsdebug::app
