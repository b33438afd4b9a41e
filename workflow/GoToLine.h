#pragma once
// The go-to window's operations.

#include <string>

#include "workflow/Workbench.h"

namespace jsdebug::workflow {

// The label above the line box, e.g. "输入行数(1 - 42)：".
std::string goToPrompt(EditorOperations& editor);

// "&N.确定": moves the caret to the line typed in the box (1-based; full-width digits and a
// decimal fraction allowed, a line past the end goes to the last line). A number below 1 gives
// a message instead; returns whether the window is to close.
bool goToLine(Workbench& bench, const std::string& lineBoxText);

}  // namespace jsdebug::workflow
