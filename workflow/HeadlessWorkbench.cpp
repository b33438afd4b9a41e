#include "workflow/HeadlessWorkbench.h"

#include "workflow/CallBox.h"

namespace jsdebug::workflow {

HeadlessWorkbench::HeadlessWorkbench() : callBox(kCallBoxCueText) {}

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

void HeadlessWorkbench::runOnGuiThread(const std::function<void()>& work) {
  std::lock_guard<std::recursive_mutex> lock(gui_);
  work();
}

}  // namespace jsdebug::workflow
