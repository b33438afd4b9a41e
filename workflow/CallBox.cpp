#include "workflow/CallBox.h"

#include <algorithm>

#include "text/Text.h"

namespace jsdebug {

bool refuseMissingCall(Workbench& bench) {
  const std::string call = bench.callBoxText();
  if (!call.empty() && call != kCallBoxCueText) return false;
  bench.messageBox(kMissingCallMessage, kDefaultMessageTitle, MessageIcon::Error);
  bench.setFocus(Control::CallBox);
  return true;
}

void callBoxFocusIn(Workbench& bench) {
  if (bench.callBoxText() == kCallBoxCueText) bench.setCallBoxText("");
}

void callBoxFocusOut(Workbench& bench) {
  if (bench.callBoxText().empty()) bench.setCallBoxText(kCallBoxCueText);
}

SplitCall splitCall(const std::string& callBoxText) {
  std::string wrapped = "|";
  wrapped.append(text::trimBlanks(callBoxText)).append("|");
  return {text::TextBetween(wrapped, "|", "("), text::TextBetween(wrapped, "(", ")|")};
}

std::string pickedSignature(const std::string& lineText) {
  return text::TextBetween(lineText, "function ", ")");
}

std::string debugItemCaption(const std::string& signature) {
  std::string caption = "调试 [";
  return caption.append(signature).append("] 函数！");
}

std::string callFromCaption(const std::string& caption) {
  return text::TextBetween(caption, "[", "]") + ")";
}

namespace {
bool isBrace(const std::string& c) {
  return c.size() == 1 && std::string_view("()[]{}").find(c[0]) != std::string_view::npos;
}
}  // namespace

void highlightBraces(EditorOperations& editor) {
  const int caret = editor.getCurrentPos();
  const int length = editor.getLength();
  int braceAt = -1;
  int braceOpposite = -1;
  // The character before the caret wins when both are braces.
  if (length > 0 && caret > 0 && isBrace(editor.getCharAt(caret - 1))) {
    braceAt = caret - 1;
  } else if (length > 0 && isBrace(editor.getCharAt(caret))) {
    braceAt = caret;
  }
  if (braceAt >= 0) braceOpposite = editor.braceMatch(braceAt);

  if (braceAt != -1 && braceOpposite == -1) {
    editor.braceBadLight(braceAt);
    editor.setHighlightGuide(0);
    return;
  }
  editor.braceHighlight(braceAt, braceOpposite);
  if (editor.getSetting(EditorSetting::IndentationGuides) != 0) {
    auto column = [&](int pos) { return pos < 0 ? 0 : editor.getColumn(std::min(pos, length)); };
    editor.setHighlightGuide(std::min(column(braceAt), column(braceOpposite)));
  }
}

}  // namespace jsdebug
