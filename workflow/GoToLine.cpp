#include "workflow/GoToLine.h"

#include <cmath>
#include <limits>

#include "text/Text.h"

namespace jsdebug::workflow {

std::string goToPrompt(EditorOperations& editor) {
  return "输入行数(1 - " + std::to_string(editor.getLineCount()) + ")：";
}

bool goToLine(Workbench& bench, const std::string& lineBoxText) {
  // Truncated toward zero, so "0.5" still reaches the first line.
  const double index = std::trunc(text::toNumber(lineBoxText) - 1);
  if (index < 0) {
    bench.messageBox("你输入的行数错误");
    return false;
  }
  constexpr double kLast = std::numeric_limits<int>::max();
  bench.editor().moveCaretToLine(index > kLast ? std::numeric_limits<int>::max()
                                                   : static_cast<int>(index));
  return true;
}

}  // namespace jsdebug::workflow
