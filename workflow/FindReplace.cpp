#include "workflow/FindReplace.h"

#include <algorithm>
#include <string_view>

#include "text/Codec.h"

namespace jsdebug::workflow {
namespace {

// Only a zero-length match at position 0 counts as not found; the range is the search's own,
// never one left over from an earlier search.
bool counts(const FindResult& result) {
  return result.found && (result.start > 0 || result.end > 0);
}

// Messages would otherwise open behind an always-on-top window.
void showBelowPanel(Workbench& bench, SearchPanel& panel, const std::string& text,
                    const std::string& title) {
  panel.setAlwaysOnTop(false);
  bench.messageBox(text, title, MessageIcon::None);
  panel.setAlwaysOnTop(true);
}

void reportNotFound(Workbench& bench, SearchPanel& panel, const std::string& text) {
  showBelowPanel(bench, panel, "没有找到与“" + text + "”匹配的文本", "查找");
}

// A forward search between `from` and the end of the text, or a backward one from `from` to 0;
// a match is selected and becomes the replace window's match. An empty find text finds
// nothing: the editing component would report an empty "match" at the start position, which
// would select nothing and stay silent.
FindResult search(EditorOperations& editor, int flags, int from, bool down,
                  const std::string& text) {
  if (text.empty()) return {};
  const int length = editor.getLength();
  from = std::clamp(from, 0, length);
  FindResult result = editor.findText(flags, from, down ? length : 0, text);
  if (!counts(result)) result.found = false;
  return result;
}

bool select(EditorOperations& editor, const FindResult& result, ReplaceMatch& match) {
  if (!result.found) {
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
  return select(editor,
                search(editor, searchFlags(panel), down ? end - 1 : end + 1, down,
                       panel.findBoxText()),
                match);
}

// The search that picks what "&R.替换" replaces. When the selection is still the match this
// window's last search selected, that match is the one the user sees and means: searching from
// one position back into it would pass over it (any match longer than one byte) and replace the
// next one instead, so the search takes in the whole selection.
bool searchForReplaceOne(EditorOperations& editor, ReplacePanel& panel, bool down,
                         ReplaceMatch& match) {
  const int start = editor.getSelectionStart();
  const int end = editor.getSelectionEnd();
  if (match.start == start && match.end == end && start < end) {
    return select(editor, search(editor, searchFlags(panel), down ? start : end, down,
                                 panel.findBoxText()),
                  match);
  }
  return replacementSearch(editor, panel, down, match);
}

// Bytes of the character at `pos`, read through the editor so that the whole text is not
// fetched once per replacement.
int characterLengthAt(EditorOperations& editor, int pos) {
  const std::string pair = editor.getCharAt(pos) + editor.getCharAt(pos + 1);
  return pair.empty() ? 1 : gbk::charLength(pair, 0);
}

// The replacements of "&A.全部替换", from the caret on; returns how many were made.
int replaceEveryMatch(EditorOperations& editor, int flags, const std::string& text,
                      const std::string& replacement, ReplaceMatch& match) {
  // The view catches up once, when the run ends, instead of at every replacement.
  EditRun run(editor);
  int count = 0;
  // Each search starts one position back into the text the previous replacement inserted, so a
  // match may begin on its last byte. A match lying wholly inside that inserted text, or an
  // empty one not past its end, would be found again after every replacement ("a" -> "ba", or
  // a regular expression matching empty text): such a match is passed over and the search goes
  // on from the next character. Every accepted match then either removes text or lies further
  // on in text that was there before, so the run ends.
  int insertedStart = 0;
  int insertedEnd = 0;
  bool first = true;
  for (int from = editor.getSelectionEnd() - 1;;) {
    const FindResult found = search(editor, flags, from, true, text);
    if (!found.found) break;
    const bool repeat = !first && (found.start == found.end
                                       ? found.start <= insertedEnd
                                       : found.start >= insertedStart && found.end <= insertedEnd);
    if (repeat) {
      from = found.start + characterLengthAt(editor, found.start);
      if (from > editor.getLength()) break;
      continue;
    }
    select(editor, found, match);
    editor.replaceSelection(replacement);
    match = {};
    ++count;
    first = false;
    insertedStart = found.start;
    insertedEnd = editor.getSelectionEnd();
    from = insertedEnd - 1;
  }
  return count;
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

std::string initialFindText(Workbench& bench) {
  // Half a two-byte character would join whatever the user types next into a wrong character.
  constexpr std::size_t kLimit = 100;
  const std::string text = bench.clipboardText();
  std::size_t end = 0;
  while (end < text.size()) {
    const auto next = end + static_cast<std::size_t>(gbk::charLength(text, end));
    if (next > kLimit) break;
    end = next;
  }
  return text.substr(0, end);
}

bool replacingAllowed(EditorOperations& editor) {
  return editor.getSetting(EditorSetting::ReadOnly) == 0;
}

void findNext(Workbench& bench, FindHistory& history, SearchPanel& panel,
              ReplaceMatch* match) {
  const std::string text = panel.findBoxText();
  if (history.add(text)) panel.addFindBoxEntry(text);

  EditorOperations& editor = bench.editor();
  const bool down = panel.searchDownChecked();
  const int from = down ? editor.getSelectionEnd() : editor.getSelectionStart();
  ReplaceMatch found;
  const bool ok = select(editor, search(editor, searchFlags(panel), from, down, text), found);
  if (match) *match = found;
  if (!ok) reportNotFound(bench, panel, text);
}

void replaceOne(Workbench& bench, ReplacePanel& panel, ReplaceMatch& match) {
  EditorOperations& editor = bench.editor();
  const bool down = panel.searchDownChecked();
  if (!searchForReplaceOne(editor, panel, down, match)) {
    reportNotFound(bench, panel, panel.findBoxText());
    return;
  }
  editor.replaceSelection(panel.replaceBoxText());
  match = {};
  replacementSearch(editor, panel, down, match);
}

int replaceAll(Workbench& bench, ReplacePanel& panel, ReplaceMatch& match) {
  EditorOperations& editor = bench.editor();
  editor.moveCaretToPos(0);
  const int count = replaceEveryMatch(editor, searchFlags(panel), panel.findBoxText(),
                                      panel.replaceBoxText(), match);
  match = {};
  showBelowPanel(bench, panel, "替换" + std::to_string(count) + "次..", kDefaultMessageTitle);
  return count;
}

}  // namespace jsdebug::workflow
