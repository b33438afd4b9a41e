#pragma once
// The workbench without a window: for the CLI and for tests of commands. Message boxes are
// recorded (and passed to an optional sink), the clipboard is a string, the "GUI thread" is a
// mutex so worker threads take turns with the caller.

#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "engine/V8Bridge.h"
#include "workflow/MemoryEditor.h"
#include "workflow/Workbench.h"

namespace jsdebug::workflow {

struct ShownMessage {
  std::string text;
  std::string title;
  MessageIcon icon;
};

class HeadlessWorkbench : public Workbench {
 public:
  HeadlessWorkbench();

  // The window's controls are the public fields below.
  void clearLog() override { log.clear(); }
  void appendLog(const std::string& text) override { log += text; }
  std::string logText() override { return log; }
  void scrollLogToTop() override { ++logScrolledToTop; }
  std::string callBoxText() override { return callBox; }
  std::u32string callBoxLostCharacters() override { return callBoxLost; }
  void setCallBoxText(const std::string& text) override { callBox = text; }
  std::string findBoxText() override { return findBox; }
  void setFindBoxText(const std::string& text) override { findBox = text; }
  std::string v8BufferLengthText() override { return v8BufferLength; }
  std::string urlBoxText() override { return urlBox; }
  bool searchDownChecked() override { return searchDown; }
  bool browserEnvironmentOn() override { return browserEnvironment; }
  EditorOperations& editor() override { return memoryEditor; }
  std::string clipboardText() override { return clipboard; }
  void setClipboardText(const std::string& text) override { clipboard = text; }

  void setFocus(Control control) override;
  void messageBox(const std::string& text, const std::string& title, MessageIcon icon) override;
  bool askQuestion(const std::string& text, const std::string& yes,
                   const std::string& no) override;
  void runOnGuiThread(const std::function<void()>& work) override;

  // Public so tests and the CLI set up and inspect the window's state directly.
  std::string log;
  std::string callBox;
  // What the box would have lost had it been typed in a window.
  std::u32string callBoxLost;
  // How many times the log was scrolled back to its top.
  int logScrolledToTop = 0;
  std::string findBox;
  std::string v8BufferLength = std::to_string(engine::kDefaultV8BufferLength);
  std::string urlBox;
  bool searchDown = true;
  bool browserEnvironment = false;
  std::string clipboard;
  MemoryEditor memoryEditor{&clipboard};
  std::vector<Control> focusHistory;
  std::vector<ShownMessage> messages;
  // Questions asked (the title holds the `yes` button's caption) and the answer each gets.
  std::vector<ShownMessage> questions;
  bool questionAnswer = true;
  std::function<void(const ShownMessage&)> onMessage;

 private:
  std::recursive_mutex gui_;
};

}  // namespace jsdebug::workflow
