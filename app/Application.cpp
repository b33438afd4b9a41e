#include "app/Application.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/Icons.h"
#include "app/MainWindow.h"
#include "app/MessageBox.h"
#include "app/QtDesktop.h"
#include "app/SecondaryWindow.h"
#include "engine/ExternalFunctionTable.h"
#include "engine/FatalError.h"
#include "engine/ScriptEngine.h"
#include "engine/V8Bridge.h"
#include "platform/Apartment.h"
#include "platform/Paths.h"
#include "platform/Processes.h"
#include "platform/Ticks.h"
#include "text/Codec.h"
#include "workflow/ScriptFiles.h"

namespace jsdebug::app {
namespace {

// The FatalError box belongs on the GUI thread even when a worker (the jsfuck decoding) hits the
// error; the worker waits for it. Once the window is gone it goes to standard error instead.
void installFatalErrorBox(MainWindow& window) {
  engine::setFatalErrorBox([&window](const std::string& text, const std::string& title) {
    const bool shown =
        window.guiThread().run([&] { showMessageBox(text, title, workflow::MessageIcon::Error); });
    if (!shown) {
      const std::string line = "[" + title + "] " + text + "\n";
      std::fwrite(line.data(), 1, line.size(), stderr);
    }
  });
}

// For the start-up benchmark (JSDEBUG_STARTUP_PROBE=1): writes "painted" to standard output
// when the main window is first painted, then, once the program has been idle a while, the
// resident memory of the program and of its child processes (the engine library's node) as
// "rss <kB> <kB>", and ends the program.
class StartupProbe : public QObject {
 public:
  explicit StartupProbe(QWidget* window) { window->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !painted_) {
      painted_ = true;
      std::fputs("painted\n", stdout);
      std::fflush(stdout);
      watched->removeEventFilter(this);
      QTimer::singleShot(kIdleMs, this, [] {
        long children = 0;
        for (long pid : platform::childProcesses()) children += std::max(0L, platform::residentKilobytes(pid));
        std::fprintf(stdout, "rss %ld %ld\n", platform::residentKilobytes(), children);
        std::fflush(stdout);
        QCoreApplication::exit(0);
      });
    }
    return false;
  }

 private:
  static constexpr int kIdleMs = 1500;

  bool painted_ = false;
};

}  // namespace

Application::Application() {
  // 1. The apartment of the GUI thread; relative paths are the executable's directory's.
  platform::CoInitialize(nullptr);
  QDir::setCurrent(QFile::decodeName(platform::programDirectory().c_str()));

  // 2. The one script engine; a host that cannot be created is said once, before any window.
  engine_ = std::make_unique<engine::ScriptEngine>([](const std::string& text) {
    showMessageBox(text, workflow::kDefaultMessageTitle, workflow::MessageIcon::None);
  });

  // 3. The find history lives with the search windows, which the main window holds.
  // 4. The exit routine is this object's destructor.

  // 5. The main window and its creation handler.
  desktop_ = std::make_unique<QtDesktop>();
  window_ = std::make_unique<MainWindow>(MainWindowServices{*engine_, engine::v8Bridge(), *desktop_,
                                                            [] { return platform::tickCount(); }});
  installFatalErrorBox(*window_);
  window_->create();
}

Application::~Application() {
  // Worker threads (jsfuck decoding, URL loading) are refused the GUI thread from now on; each
  // ends soon after. One still inside the engine or a download past the grace time would find
  // the engine and the libraries gone, so then the process ends here without releasing them.
  window_->guiThread().close();
  const bool workersDone = window_->guiThread().waitForWorkers(kWorkerGrace);
  engine::setFatalErrorBox({});
  if (!workersDone) {
    std::fflush(nullptr);
    std::_Exit(exitCode_);
  }

  window_.reset();
  // The exit routine: the engine (its host, then its error object), the find history with the
  // window above; then the external libraries, v8.dll among them, without a call into it; then
  // the apartment.
  engine_.reset();
  engine::externalFunctions().releaseLibraries();
  platform::CoUninitialize();
}

void Application::openScript(const std::string& path) {
  // "打开" empties the editor for a file it cannot read, but there the user has just picked the
  // file; a stale menu entry or a typo on the command line would silently throw away the
  // default code instead.
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error) || !std::ifstream(path, std::ios::binary)) {
    showMessageBox("无法打开文件：" + gbk::fromUtf8(path), workflow::kDefaultMessageTitle,
                   workflow::MessageIcon::Error);
    return;
  }
  window_->scriptFiles().openScriptPath(path);
}

int Application::run() {
  std::unique_ptr<StartupProbe> probe;
  if (qEnvironmentVariableIsSet("JSDEBUG_STARTUP_PROBE"))
    probe = std::make_unique<StartupProbe>(window_.get());
  window_->show();
  exitCode_ = QApplication::exec();
  return exitCode_;
}

QTranslator* installQtTranslations(QCoreApplication& app) {
  auto* translator = new QTranslator(&app);
  if (!translator->load(QStringLiteral("qtbase_zh_CN"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return nullptr;
  }
  QCoreApplication::installTranslator(translator);
  return translator;
}

int runWorkbench(int argc, char** argv) {
  QApplication app(argc, argv);
  installQtTranslations(app);
  QApplication::setQuitOnLastWindowClosed(true);
  // Wayland shells find the menu entry, and with it the icon, by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral(JSDEBUG_APP_ID));
  // Qt has taken its own options out of argv; what is left is a script to open. Relative to
  // where the user started us, not to the program directory the start-up moves to.
  std::string script;
  if (argc > 1) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(argv[1], error);
    script = error ? std::string(argv[1]) : absolute.string();
  }
  // The secondary windows show it too.
  QApplication::setWindowIcon(applicationIcon());
  int code = 0;
  {
    Application workbench;
    if (!script.empty()) workbench.openScript(script);
    code = workbench.run();
  }
  return code;
}

}  // namespace jsdebug::app
