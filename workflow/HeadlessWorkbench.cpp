#include "workflow/HeadlessWorkbench.h"

#include "workflow/CallBox.h"

namespace jsdebug::workflow {

HeadlessWorkbench::HeadlessWorkbench() : callBox(kCallBoxCueText) {}

void HeadlessWorkbench::clearLog() { log.clear(); }
void HeadlessWorkbench::appendLog(const std::string& text) { log += text; }
std::string HeadlessWorkbench::logText() { return log; }
void HeadlessWorkbench::scrollLogToTop() { ++logScrolledToTop; }
std::string HeadlessWorkbench::callBoxText() { return callBox; }
void HeadlessWorkbench::setCallBoxText(const std::string& text) { callBox = text; }
std::string HeadlessWorkbench::findBoxText() { return findBox; }
void HeadlessWorkbench::setFindBoxText(const std::string& text) { findBox = text; }
std::string HeadlessWorkbench::v8BufferLengthText() { return v8BufferLength; }
std::string HeadlessWorkbench::urlBoxText() { return urlBox; }
bool HeadlessWorkbench::searchDownChecked() { return searchDown; }
EditorOperations& HeadlessWorkbench::editor() { return memoryEditor; }

void HeadlessWorkbench::setFocus(Control control) {
  focusHistory.push_back(control);
  // The call box reacts to the focus as the window's does.
  if (control == Control::CallBox) callBoxFocusIn(*this);
}

void HeadlessWorkbench::messageBox(const std::string& text, const std::string& title,
                                   MessageIcon icon) {
  messages.push_back({text, title, icon});
  if (onMessage) onMessage(messages.back());
}

bool HeadlessWorkbench::askQuestion(const std::string& text, const std::string& yes,
                                    const std::string&) {
  questions.push_back({text, yes, MessageIcon::None});
  return questionAnswer;
}

std::string HeadlessWorkbench::clipboardText() { return clipboard; }
void HeadlessWorkbench::setClipboardText(const std::string& text) { clipboard = text; }

void HeadlessWorkbench::runOnGuiThread(const std::function<void()>& work) {
  std::lock_guard<std::recursive_mutex> lock(gui_);
  work();
}

}  // namespace jsdebug::workflow
