#pragma once
// The workbench's main window: every control at its fixed place, the toolbar, the hidden
// "run菜单", and the Workbench the commands run against. The window wires, it does not think:
// what a click does lives in the command table (MainCommands) and in the command functions.

#include <QPointer>
#include <QRect>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "app/FixedFrameWindow.h"
#include "app/GuiThread.h"
#include "workflow/QuickFind.h"
#include "workflow/Debugging.h"
#include "workflow/Workbench.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QToolBar;
class QToolButton;

namespace jsdebug::engine {
class ScriptEngine;
class V8Bridge;
}  // namespace jsdebug::engine

namespace jsdebug::editor {
class CodeEditor;
}  // namespace jsdebug::editor

namespace jsdebug::workflow {
class Desktop;
class ScriptFiles;
}  // namespace jsdebug::workflow

namespace jsdebug::app {

class DebugWindow;
class EncodeWindow;
class HyperlinkLabel;
class OutputLogView;
class SearchWindows;

// What the window's commands use besides the window; owned by the application.
struct MainWindowServices {
  engine::ScriptEngine& engine;
  engine::V8Bridge& bridge;
  workflow::Desktop& desktop;
  workflow::TickCounter ticks;
};

class MainWindow : public FixedFrameWindow, public workflow::Workbench {
 public:
  explicit MainWindow(MainWindowServices services);
  ~MainWindow() override;

  // The creation handler: tooltips, the V8 engine, the editor's set-up, the welcome text.
  void create();

  // Workbench.
  void clearLog() override;
  void appendLog(const std::string& text) override;
  std::string logText() override;
  void scrollLogToTop() override;
  std::string callBoxText() override;
  std::u32string callBoxLostCharacters() override;
  void setCallBoxText(const std::string& text) override;
  std::string findBoxText() override;
  void setFindBoxText(const std::string& text) override;
  std::string v8BufferLengthText() override;
  std::string urlBoxText() override;
  bool searchDownChecked() override;
  bool browserEnvironmentOn() override;
  workflow::EditorOperations& editor() override;
  void setFocus(workflow::Control control) override;
  using QWidget::setFocus;
  void messageBox(const std::string& text, const std::string& title,
                  workflow::MessageIcon icon) override;
  bool askQuestion(const std::string& text, const std::string& yes,
                   const std::string& no) override;
  std::string clipboardText() override;
  void setClipboardText(const std::string& text) override;
  void runOnGuiThread(const std::function<void()>& work) override;

  MainWindowServices& services() { return services_; }
  GuiThread& guiThread() { return guiThread_; }
  SearchWindows& searchWindows() { return *searchWindows_; }
  // 编码工具 with this input: opened, or brought to the front with its input replaced.
  EncodeWindow* openEncodeWindow(const std::string& input);
  EncodeWindow* encodeWindow() const;

  // 调试运行: the call box's call on the system engine with the editor's breakpoints, on a
  // thread of its own; the 调试 window opens with it. A second start while a run is out brings
  // that window to the front.
  void debugRun();
  DebugWindow* openDebugWindow();
  DebugWindow* debugWindow() const;
  bool debugRunActive() const { return debugRun_ != nullptr; }
  // A click in the editor's margins or F9: the line's breakpoint on or off (moved to the next
  // line with code while a run is out, as the run takes it).
  void toggleBreakpoint(int line);
  OutputLogView* outputLog() const { return outputLog_; }
  workflow::QuickFindState& quickFindState() { return quickFind_; }
  workflow::ScriptFiles& scriptFiles() { return *scriptFiles_; }

  // The editor's two gestures around the call box: picking a function, highlighting braces.
  void editorDoubleClicked();
  void editorLeftButtonReleased();

  // What "退出" does; the application ends its event loop here. Tests replace it.
  void setExitHandler(std::function<void()> exit) { exit_ = std::move(exit); }
  void exitProgram();

  // Whether the window may go: yes when the script is unchanged since it was last set, opened,
  // downloaded or saved; otherwise the user is asked.
  bool mayClose();

  // The controls, for the command table and for tests.
  QWidget* control(workflow::Control which) const;
  QPushButton* button(const std::string& caption) const;
  struct ButtonPlace {
    const char* caption;
    QRect rect;
  };
  // Every button with its place, in reading order.
  static std::span<const ButtonPlace> buttonPlaces();
  QToolBar* toolbar() const { return toolbar_; }
  // The toolbar entry with this index, separators counted.
  QAction* toolbarEntry(int index) const;
  QMenu* runMenu() const { return runMenu_; }
  // The 工具 drop-down and its menu, whose items follow toolMenuItems().
  QToolButton* toolsButton() const { return toolsButton_; }
  QMenu* toolsMenu() const { return toolsMenu_; }
  QAction* debugFunctionItem() const { return debugItem_; }
  HyperlinkLabel* downloadLink() const { return link_; }
  QRadioButton* upButton() const { return up_; }
  QRadioButton* downButton() const { return down_; }
  editor::CodeEditor* codeEditor() const { return editor_; }
  // The controls Tab visits, in order.
  std::vector<QWidget*> tabOrder() const;

  // The outer size the window keeps, frame and title bar included.
  static constexpr QSize kOuterSize{956, 684};

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void buildControls();
  void buildToolbar();
  void buildRunMenu();
  void buildToolsMenu();
  void wireCommands();
  void setUpTabOrder();
  void dockToolbar();
  QPushButton* addButton(const QString& caption, const QRect& geometry);
  QLineEdit* addTextBox(const QRect& geometry, const QString& text);

  MainWindowServices services_;
  GuiThread guiThread_;
  workflow::QuickFindState quickFind_;
  std::unique_ptr<SearchWindows> searchWindows_;
  QPointer<EncodeWindow> encodeWindow_;
  QPointer<DebugWindow> debugWindow_;
  struct DebugRunState;
  std::shared_ptr<DebugRunState> debugRun_;
  QTimer debugPoll_;
  void pollDebugRun();
  void finishDebugRun();
  std::unique_ptr<workflow::ScriptFiles> scriptFiles_;
  std::function<void()> exit_;

  QToolBar* toolbar_ = nullptr;
  std::vector<QAction*> toolbarEntries_;
  HyperlinkLabel* link_ = nullptr;
  QGroupBox* upperFrame_ = nullptr;
  QGroupBox* lowerFrame_ = nullptr;
  QLabel* addressLabel_ = nullptr;
  QLineEdit* urlBox_ = nullptr;
  QLineEdit* findBox_ = nullptr;
  QLineEdit* callBox_ = nullptr;
  QLineEdit* v8LengthBox_ = nullptr;
  OutputLogView* outputLog_ = nullptr;
  QRadioButton* up_ = nullptr;
  QRadioButton* down_ = nullptr;
  std::map<std::string, QPushButton*> buttons_;
  editor::CodeEditor* editor_ = nullptr;
  QMenu* runMenu_ = nullptr;
  QToolButton* toolsButton_ = nullptr;
  QMenu* toolsMenu_ = nullptr;
  QAction* debugItem_ = nullptr;

  // The log as the commands wrote it, byte for byte; the control shows it with its line breaks.
  std::string log_;
};

}  // namespace jsdebug::app
