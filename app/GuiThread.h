#pragma once
// The GUI thread's door for worker threads (jsfuck decoding, URL loading). A worker hands over a
// piece of work and waits until the GUI thread has carried it out. Once the main window is
// going away the door closes: waiting workers are released without their work running, later
// requests are refused, and shutdown can wait (boundedly) for the workers still out there before
// it pulls the engine and the libraries from under them.

#include <QObject>
#include <chrono>
#include <functional>
#include <memory>

namespace jsdebug::app {

class GuiThread : public QObject {
 public:
  // Belongs to the thread that creates it, which is taken to be the GUI thread.
  GuiThread();
  ~GuiThread() override;

  // Runs `work` on the GUI thread and returns when it is done: directly when called there,
  // otherwise through the event loop. False when the door is closed and `work` did not run.
  bool run(const std::function<void()>& work);

  // Refuses all work from now on and releases every worker waiting for its turn.
  void close();

  // A worker being started: returns what the worker must call as its very last act.
  std::function<void()> workerStarted();
  int activeWorkers() const;
  // Waits until no worker is active; false when some are still running at the deadline.
  bool waitForWorkers(std::chrono::milliseconds timeout);

 private:
  struct State;
  std::shared_ptr<State> state_;
};

}  // namespace jsdebug::app
