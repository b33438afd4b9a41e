#pragma once
// Quick find in the main window: the FindBox, "寻找" and the direction buttons below the editor.
// It searches a private copy of the editor text from its own last match, ignoring the caret, so
// that moving the caret never changes where the next quick find starts.

#include <cstdint>
#include <string>

#include "workflow/Workbench.h"

namespace jsdebug::workflow {

struct QuickFindState {
  // The text as the last quick find saw it; an edit in between resets the match.
  std::string copy;
  // Always a character boundary of `copy` (0 or where a match began): the searches walk
  // characters from here instead of from the start of the text.
  int matchStart = 0;
  int matchLength = 0;
  // The editor's textVersion when `copy` was last known equal to the editor text (0: never).
  std::uint64_t copyVersion = 0;
};

// "寻找": finds the FindBox text byte for byte, case-sensitively, from the last match in the
// direction of "向下"/"向上", without wrapping around, and selects it. Occurrences begin only on
// character boundaries. Not found: an error box; the state stays as it was.
void quickFind(Workbench& bench, QuickFindState& state);

}  // namespace jsdebug::workflow
