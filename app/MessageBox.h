#pragma once
// The program's message boxes: no owner window, modal for the whole application, one OK button.
// Tests replace the box by a recorder, since a real one would wait for a click.

#include <functional>
#include <string>

#include "workflow/Workbench.h"

namespace jsdebug {

// Shows the box and returns when it was closed. Texts are GBK.
void showMessageBox(const std::string& text, const std::string& title = kDefaultMessageTitle,
                    MessageIcon icon = MessageIcon::None);

// Replaces the box for the rest of the run (an empty function restores it).
using MessageBoxHook =
    std::function<void(const std::string& text, const std::string& title, MessageIcon icon)>;
void setMessageBoxHook(MessageBoxHook hook);

}  // namespace jsdebug
