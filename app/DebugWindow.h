#pragma once
// The secondary window 调试: the call stack, the locals of the selected frame and the watch
// expressions of a paused run, and the buttons that drive it. It shows one session at a time;
// the main window starts the run and marks the paused line. What the window asks of a paused
// script is asked on a thread of its own (a watch may loop until the time limit), and comes
// back through a timer, so the window answers all the while.

#include <QPointer>
#include <QTimer>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "app/SecondaryWindow.h"
#include "engine/DebugSession.h"

class QLabel;
class QLineEdit;
class QTreeWidget;

namespace jsdebug::app {

class DebugWindow : public SecondaryWindow {
 public:
  explicit DebugWindow(QWidget* mainWindow);
  ~DebugWindow() override;

  // The session shown from now on (null: none). Closing the window stops it.
  void setSession(std::shared_ptr<engine::DebugSession> session);
  // A line for the status area (breakpoint moves), kept until the next run.
  void setNotes(const std::string& gbkNotes);
  // Called by the main window as the run changes state.
  void showRunning();
  void showPaused(int line);
  void showEnded();

  void step(engine::DebugStep step);
  void stop();

  // For tests and the screenshot.
  QTreeWidget* stackView() const { return stack_; }
  QTreeWidget* localsView() const { return locals_; }
  QTreeWidget* watchView() const { return watches_; }
  QLabel* statusLabel() const { return status_; }
  QLineEdit* watchInput() const { return watchInput_; }
  QPushButton* stepButton(engine::DebugStep step) const;
  QPushButton* stopButton() const { return stop_; }
  // Whether an inspection is still out (stack, locals, watches).
  bool inspecting() const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // What one inspection of a pause found; filled on the inspecting thread.
  struct Inspection {
    int generation = 0;
    bool withStack = true;
    std::vector<engine::DebugFrame> frames;
    std::vector<engine::DebugValue> locals;
    std::vector<engine::DebugValue> watches;
  };
  struct Inbox {
    std::mutex mutex;
    std::vector<Inspection> done;
    int outstanding = 0;
  };

  void inspect(bool withStack);
  void takeInspections();
  void setButtonsEnabled(bool paused);
  void addWatch();
  void removeWatch();
  void refreshStatus();

  std::shared_ptr<engine::DebugSession> session_;
  std::shared_ptr<Inbox> inbox_ = std::make_shared<Inbox>();
  int generation_ = 0;
  int pausedLine_ = 0;
  std::vector<engine::DebugFrame> frames_;
  std::vector<std::string> watchTexts_;  // GBK
  std::string notes_;
  QTimer poll_;

  QLabel* status_ = nullptr;
  QPushButton* continue_ = nullptr;
  QPushButton* over_ = nullptr;
  QPushButton* into_ = nullptr;
  QPushButton* out_ = nullptr;
  QPushButton* stop_ = nullptr;
  QTreeWidget* stack_ = nullptr;
  QTreeWidget* locals_ = nullptr;
  QTreeWidget* watches_ = nullptr;
  QLineEdit* watchInput_ = nullptr;
  QPushButton* addWatch_ = nullptr;
  QPushButton* removeWatch_ = nullptr;
};

}  // namespace jsdebug::app
