#pragma once
// The program's message boxes: no owner window, modal for the whole application, one OK button.
// Tests replace the box by a recorder, since a real one would wait for a click.

#include <functional>
#include <string>

#include "workflow/Workbench.h"

namespace jsdebug::app {

// Shows the box and returns when it was closed. Texts are GBK.
void showMessageBox(const std::string& text,
                    const std::string& title = workflow::kDefaultMessageTitle,
                    workflow::MessageIcon icon = workflow::MessageIcon::None);

// Replaces the box for the rest of the run (an empty function restores it).
using MessageBoxHook = std::function<void(const std::string& text, const std::string& title,
                                          workflow::MessageIcon icon)>;
void setMessageBoxHook(MessageBoxHook hook);

// A question with two answers, in the same kind of box; returns whether the user chose `yes`.
// Closing the box or Esc answers `no`, which is also the default button, so a stray Enter
// loses nothing.
bool askQuestion(const std::string& text, const std::string& title, const std::string& yes,
                 const std::string& no);

// Replaces the question box for the rest of the run (an empty function restores it).
using QuestionHook = std::function<bool(const std::string& text, const std::string& title)>;
void setQuestionHook(QuestionHook hook);

}  // namespace jsdebug::app
