#pragma once
// What the main window offers the commands. The Qt MainWindow implements it; tests and the CLI
// implement it headlessly (HeadlessWorkbench), so every command runs without a display.

#include <functional>
#include <string>

#include "workflow/EditorOperations.h"

namespace jsdebug::workflow {

enum class Control { CodeEditor, CallBox, FindBox, UrlBox, V8BufferLengthBox, OutputLog };

enum class MessageIcon { None, Error };

inline constexpr const char* kDefaultMessageTitle = "信息：";

class Workbench {
 public:
  virtual ~Workbench() = default;

  // OutputLog: only cleared and appended to.
  virtual void clearLog() = 0;
  virtual void appendLog(const std::string& text) = 0;
  virtual std::string logText() = 0;
  // Scrolls the log back to its first line (appending scrolls to the end).
  virtual void scrollLogToTop() = 0;

  virtual std::string callBoxText() = 0;
  // The characters typed into the call box that its GBK text cannot hold and carries as "?".
  virtual std::u32string callBoxLostCharacters() = 0;
  virtual void setCallBoxText(const std::string& text) = 0;
  virtual std::string findBoxText() = 0;
  virtual void setFindBoxText(const std::string& text) = 0;
  virtual std::string v8BufferLengthText() = 0;
  virtual std::string urlBoxText() = 0;
  // Whether the main window's "向下" radio button is checked.
  virtual bool searchDownChecked() = 0;
  // Whether the "浏览器环境" switch is on; off unless a workbench offers it.
  virtual bool browserEnvironmentOn() { return false; }

  virtual EditorOperations& editor() = 0;
  virtual void setFocus(Control control) = 0;

  // Application-modal, no owner; returns when the user closed it.
  virtual void messageBox(const std::string& text, const std::string& title = kDefaultMessageTitle,
                          MessageIcon icon = MessageIcon::None) = 0;

  // A question in a box of the same kind with two buttons; true when the user chose `yes`.
  // Closing the box answers `no`.
  virtual bool askQuestion(const std::string& text, const std::string& yes,
                           const std::string& no) = 0;

  virtual std::string clipboardText() = 0;
  virtual void setClipboardText(const std::string& text) = 0;

  // Carries out `work` on the GUI thread and returns when it is done. Worker threads reach the
  // editor only through this.
  virtual void runOnGuiThread(const std::function<void()>& work) = 0;
};

}  // namespace jsdebug::workflow
