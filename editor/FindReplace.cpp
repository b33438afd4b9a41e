#include "editor/FindReplace.h"

#include <algorithm>
#include <string_view>

#include "text/Codec.h"

namespace jsdebug {
namespace {

// Only a zero-length match at position 0 counts as not found; the range is the search's own,
// never one left over from an earlier search.
bool counts(const FindResult& result) {
  return result.found && (result.start > 0 || result.end > 0);
}

// Messages would otherwise open behind an always-on-top window.
void showBelowPanel(Workbench& workbench, SearchPanel& panel, const std::string& text,
                    const std::string& title) {
  panel.setAlwaysOnTop(false);
  workbench.messageBox(text, title, MessageIcon::None);
  panel.setAlwaysOnTop(true);
}

void reportNotFound(Workbench& workbench, SearchPanel& panel, const std::string& text) {
  showBelowPanel(workbench, panel, "没有找到与“" + text + "”匹配的文本", "查找");
}

// A forward search between `from` and the end of the text, or a backward one from `from` to 0;
// a match is selected and becomes the replace window's match.
bool searchAndSelect(EditorOperations& editor, int flags, int from, bool down,
                     const std::string& text, ReplaceMatch& match) {
  const int length = editor.getLength();
  from = std::clamp(from, 0, length);
  const FindResult result = editor.findText(flags, from, down ? length : 0, text);
  if (!counts(result)) {
    match = {};
    return false;
  }
  editor.setSelection(result.start, result.end);
  match = {result.start, result.end};
  return true;
}

// The replacement search: like findNext's, but one position back into the selection (forward)
// or one past its end (backward).
bool replacementSearch(EditorOperations& editor, ReplacePanel& panel, bool down,
                       ReplaceMatch& match) {
  const int end = editor.getSelectionEnd();
  return searchAndSelect(editor, searchFlags(panel), down ? end - 1 : end + 1, down,
                         panel.findBoxText(), match);
}

// Bytes of the character at `pos`, read through the editor so that the whole text is not
// fetched once per replacement.
int characterLengthAt(EditorOperations& editor, int pos) {
  const std::string pair = editor.getCharAt(pos) + editor.getCharAt(pos + 1);
  return pair.empty() ? 1 : gbk::charLength(pair, 0);
}

}  // namespace

bool FindHistory::add(const std::string& text) {
  if (text.empty() || std::find(entries_.begin(), entries_.end(), text) != entries_.end())
    return false;
  entries_.push_back(text);
  return true;
}

int searchFlags(SearchPanel& panel) {
  return (panel.wholeWordChecked() ? kFindWholeWord : 0) |
         (panel.matchCaseChecked() ? kFindMatchCase : 0) |
         (panel.regExpChecked() ? kFindRegExp : 0);
}

std::string initialFindText(Workbench& workbench) {
  return workbench.clipboardText().substr(0, 100);
}

bool replacingAllowed(EditorOperations& editor) {
  return editor.getSetting(EditorSetting::ReadOnly) == 0;
}

void findNext(Workbench& workbench, FindHistory& history, SearchPanel& panel,
              ReplaceMatch* match) {
  const std::string text = panel.findBoxText();
  if (history.add(text)) panel.addFindBoxEntry(text);

  EditorOperations& editor = workbench.editor();
  const bool down = panel.searchDownChecked();
  const int from = down ? editor.getSelectionEnd() : editor.getSelectionStart();
  ReplaceMatch found;
  const bool ok = searchAndSelect(editor, searchFlags(panel), from, down, text, found);
  if (match) *match = found;
  if (!ok) reportNotFound(workbench, panel, text);
}

void replaceOne(Workbench& workbench, ReplacePanel& panel, ReplaceMatch& match) {
  EditorOperations& editor = workbench.editor();
  const bool down = panel.searchDownChecked();
  if (!replacementSearch(editor, panel, down, match)) {
    reportNotFound(workbench, panel, panel.findBoxText());
    return;
  }
  editor.replaceSelection(panel.replaceBoxText());
  match = {};
  replacementSearch(editor, panel, down, match);
}

int replaceAll(Workbench& workbench, ReplacePanel& panel, ReplaceMatch& match) {
  EditorOperations& editor = workbench.editor();
  const std::string text = panel.findBoxText();
  const std::string replacement = panel.replaceBoxText();
  const int flags = searchFlags(panel);

  editor.moveCaretToPos(0);
  int count = 0;
  // Each search starts one position back into the previous replacement, as the replacement
  // search does, except where that would match the replacement's own last byte again
  // ("a" -> "ba" would never end) or repeat an empty match in place (a regular expression such
  // as "x*"): then it starts after the inserted text, or one character further on.
  int from = 0;
  while (searchAndSelect(editor, flags, from, true, text, match)) {
    const bool emptyMatch = match.start == match.end;
    editor.replaceSelection(replacement);
    match = {};
    ++count;
    const int end = editor.getSelectionEnd();
    if (emptyMatch) {
      if (end >= editor.getLength()) break;
      from = end + characterLengthAt(editor, end);
    } else {
      from = replacement.empty() ? end - 1 : end;
    }
  }
  showBelowPanel(workbench, panel, "替换" + std::to_string(count) + "次..", kDefaultMessageTitle);
  return count;
}

}  // namespace jsdebug
