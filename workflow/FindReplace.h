#pragma once
// The find and replace windows' operations, on the editor's selection. The windows themselves
// (Qt) implement SearchPanel / ReplacePanel; the operations know only these interfaces and the
// Workbench, so they run headless in tests.

#include <string>
#include <vector>

#include "workflow/Workbench.h"

namespace jsdebug::workflow {

// The find texts of the find and replace windows, oldest first, without duplicates, for the
// whole run. A text added in one window shows in the other's list the next time it opens.
class FindHistory {
 public:
  // Appends a non-empty text not yet present (byte-exact); returns whether it did.
  bool add(const std::string& text);
  const std::vector<std::string>& entries() const { return entries_; }

 private:
  std::vector<std::string> entries_;
};

// What a find or replace window offers its operations.
class SearchPanel {
 public:
  virtual ~SearchPanel() = default;
  virtual std::string findBoxText() = 0;
  // Adds a text to the end of the find box's drop-down list.
  virtual void addFindBoxEntry(const std::string& text) = 0;
  virtual bool wholeWordChecked() = 0;
  virtual bool matchCaseChecked() = 0;
  virtual bool regExpChecked() = 0;
  virtual bool searchDownChecked() = 0;
  virtual void setAlwaysOnTop(bool on) = 0;
};

class ReplacePanel : public SearchPanel {
 public:
  virtual std::string replaceBoxText() = 0;
};

// The replace window's latest match; (0, 0) when that search found nothing or after a
// replacement.
struct ReplaceMatch {
  int start = 0;
  int end = 0;
};

// The editor's search flags for the panel's check boxes.
int searchFlags(SearchPanel& panel);

// What a find box holds when its window opens: at most the first 100 bytes of the clipboard
// text, ending on a character boundary.
std::string initialFindText(Workbench& bench);

// Whether the replace window may replace: not in a read-only editor.
bool replacingAllowed(EditorOperations& editor);

// "&F.查找下一处" / "&F.查找": the next match after the selection ("向下") or the last one before
// it ("向上"), selected. `match` (replace window only) receives the result, found or not.
void findNext(Workbench& bench, FindHistory& history, SearchPanel& panel,
              ReplaceMatch* match = nullptr);

// "&R.替换": replaces the next match in the chosen direction and selects the one after it. A
// selection that is still `match` (this window's last search selected it) is itself replaced.
void replaceOne(Workbench& bench, ReplacePanel& panel, ReplaceMatch& match);

// "&A.全部替换": replaces every match from the start of the text and reports the count; the
// count is also returned. A match never begins inside text that an earlier replacement of the
// same run inserted, and an empty match moves the search on by one character, so the run ends
// whatever the replacement text is.
int replaceAll(Workbench& bench, ReplacePanel& panel, ReplaceMatch& match);

}  // namespace jsdebug::workflow
