#pragma once
// Start-up and shutdown of the workbench. Constructing an Application starts the program up to
// the main window waiting for its first command; destroying it is the shutdown.

#include <chrono>
#include <memory>
#include <string>

class QCoreApplication;
class QTranslator;

namespace jsdebug::engine {
class ScriptEngine;
}

namespace jsdebug::app {

class MainWindow;
class QtDesktop;

class Application {
 public:
  // Needs a QApplication. Shows "对象创建失败！" when the script host cannot be created and goes
  // on; a missing engine library ends the process inside (FatalError).
  Application();
  // The shutdown: see the .cpp for the order.
  ~Application();

  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  MainWindow& window() { return *window_; }
  engine::ScriptEngine& engine() { return *engine_; }

  // A script given on the command line (what a file manager's "open with" passes), loaded as
  // "打开" loads the file it is given. A file that cannot be read is said in a message box and
  // the editor keeps its text. The path is taken as it is: make it absolute before the
  // constructor moves the current directory.
  void openScript(const std::string& path);

  // Shows the window and runs the event loop until the last window has closed or "退出" was
  // clicked; returns the exit code.
  int run();

  // How long the shutdown waits for worker threads still running before it ends the process
  // without releasing what they may be using.
  static constexpr std::chrono::milliseconds kWorkerGrace{3000};

 private:
  std::unique_ptr<QtDesktop> desktop_;
  std::unique_ptr<engine::ScriptEngine> engine_;
  std::unique_ptr<MainWindow> window_;
  int exitCode_ = 0;
};

// Qt's own texts (the file dialog's labels, standard buttons such as "OK" and "Cancel") in
// Chinese like the rest of the window, from Qt's translations when they are installed. Returns
// the translator, owned by the application, or nullptr when none was found.
QTranslator* installQtTranslations(QCoreApplication& app);

// main(): the whole program.
int runWorkbench(int argc, char** argv);

}  // namespace jsdebug::app
