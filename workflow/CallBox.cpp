#include "workflow/CallBox.h"

#include <algorithm>
#include <cstdio>

#include "engine/jscript/Grammar.h"
#include "text/Codec.h"
#include "text/Text.h"
#include "workflow/OutputLog.h"

namespace jsdebug::workflow {

bool refuseMissingCall(Workbench& bench) {
  const std::string call = bench.callBoxText();
  if (!call.empty() && call != kCallBoxCueText) return false;
  bench.messageBox(kMissingCallMessage, kDefaultMessageTitle, MessageIcon::Error);
  bench.setFocus(Control::CallBox);
  return true;
}

bool callBoxHoldsCall(const std::string& callBoxText) {
  return !text::trimBlanks(callBoxText).empty() && callBoxText != kCallBoxCueText;
}

void callBoxFocusIn(Workbench& bench) {
  if (bench.callBoxText() == kCallBoxCueText) bench.setCallBoxText("");
}

void callBoxFocusOut(Workbench& bench) {
  if (bench.callBoxText().empty()) bench.setCallBoxText(kCallBoxCueText);
}

namespace {

std::size_t charWidth(std::string_view text, std::size_t i) {
  return static_cast<std::size_t>(gbk::charLength(text, i));
}

// The length of the text without the blanks and semicolons that end it.
std::size_t lengthBeforeBlankTail(std::string_view text) {
  std::size_t keep = 0;
  for (std::size_t i = 0; i < text.size();) {
    const std::string_view c = text.substr(i, charWidth(text, i));
    i += c.size();
    if (c != " " && c != "\t" && c != "\r" && c != "\n" && c != ";" && c != "\xA1\xA1") keep = i;
  }
  return keep;
}

// Where a comment that runs to the end of the text begins, quoted text skipped; npos when the
// text does not end in one.
std::size_t trailingCommentStart(std::string_view text) {
  char quote = 0;
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (quote != 0) {
      if (c == '\\' && i + 1 < text.size()) {
        i += 1 + charWidth(text, i + 1);
        continue;
      }
      if (c == quote) quote = 0;
    } else if (c == '\'' || c == '"' || c == '`') {
      quote = c;
    } else if (text.substr(i, 2) == "//") {
      return text.find_first_of("\r\n", i) == std::string_view::npos ? i : std::string_view::npos;
    } else if (text.substr(i, 2) == "/*") {
      const std::size_t close = text.find("*/", i + 2);
      if (close == std::string_view::npos) return std::string_view::npos;
      if (close + 2 == text.size()) return i;
      i = close + 2;
      continue;
    }
    i += charWidth(text, i);
  }
  return std::string_view::npos;
}

}  // namespace

std::string trimCallTail(std::string_view callText) {
  for (;;) {
    callText = callText.substr(0, lengthBeforeBlankTail(callText));
    const std::size_t comment = trailingCommentStart(callText);
    if (comment == std::string_view::npos) return std::string(callText);
    callText = callText.substr(0, comment);
  }
}

std::string callAsTyped(const std::string& callBoxText) {
  return trimCallTail(text::trimBlanks(callBoxText));
}

CallToRun splitCallToRun(const std::string& callBoxText) {
  const std::string wrapped = "|" + callAsTyped(callBoxText) + "|";
  return {text::TextBetween(wrapped, "|", "("), text::TextBetween(wrapped, "(", ")|")};
}

bool callIsUnclosed(const std::string& callBoxText) {
  const std::string call = callAsTyped(callBoxText);
  const std::string_view text = call;
  int depth = 0;
  char quote = 0;
  for (std::size_t i = 0; i < text.size(); i += charWidth(text, i)) {
    const char c = text[i];
    if (quote != 0) {
      if (c == '\\' && i + 1 < text.size())
        ++i;  // onto the escaped character, which the step then passes
      else if (c == quote)
        quote = 0;
    } else if (c == '\'' || c == '"' || c == '`') {
      quote = c;
    } else if (c == '(') {
      ++depth;
    } else if (c == ')' && depth > 0) {
      --depth;
    }
  }
  return depth > 0;
}

std::optional<engine::ScriptError> unclosedCallError(const std::string& callBoxText) {
  if (!callIsUnclosed(callBoxText)) return std::nullopt;
  const engine::jscript::CheckedSource checked =
      engine::jscript::checkSource(callAsTyped(callBoxText), engine::jscript::SourceKind::Expression);
  if (checked.ok) return std::nullopt;
  return checked.error;
}

std::string callSyntaxMessage(const engine::ScriptError& error) {
  return "调用方法有语法错误：" + error.Description + "（错误代码 " + error.Number + "，位置 " +
         error.Column + "）";
}

bool refuseUnclosedCall(Workbench& bench) {
  const std::optional<engine::ScriptError> error = unclosedCallError(bench.callBoxText());
  if (!error) return false;
  bench.messageBox(callSyntaxMessage(*error), kDefaultMessageTitle, MessageIcon::Error);
  bench.setFocus(Control::CallBox);
  return true;
}

std::string lostCallCharactersNote(const std::u32string& lost) {
  if (lost.empty()) return {};
  std::string note = "提示：调用方法中的 ";
  for (std::size_t i = 0; i < lost.size(); ++i) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(lost[i]));
    if (i > 0) note += "、";
    note += code;
  }
  return note + " 是GBK没有的字符，已当作“?”使用。\r\n";
}

bool noteLostCallCharacters(Workbench& bench) {
  const std::string note = lostCallCharactersNote(bench.callBoxLostCharacters());
  if (note.empty()) return false;
  appendLogLine(bench, note);
  return true;
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

}  // namespace jsdebug::workflow
