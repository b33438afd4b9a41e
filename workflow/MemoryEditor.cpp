#include "workflow/MemoryEditor.h"

#include <algorithm>
#include <cctype>
#include <regex>
#include <string_view>

#include "text/Codec.h"
#include "text/Text.h"

namespace jsdebug::workflow {
namespace {

bool isWordByte(unsigned char c) { return std::isalnum(c) || c == '_' || c >= 0x80; }


}  // namespace

MemoryEditor::MemoryEditor(std::string* clipboard) : clipboard_(clipboard) {
  for (const auto& [setting, value] : kInitialEditorSettings)
    settings_[static_cast<std::size_t>(setting)] = value;
}

int MemoryEditor::getLength() { return static_cast<int>(text_.size()); }

std::string MemoryEditor::getText(int n) {
  if (n <= 0) return {};
  std::string_view text(text_);
  text = text.substr(0, static_cast<std::size_t>(n));
  return std::string(text.substr(0, text.find('\0')));
}

void MemoryEditor::setText(const std::string& text) { edit(text.substr(0, text.find('\0')), 0); }

void MemoryEditor::setText(std::string&& text) {
  text.resize(std::min(text.size(), text.find('\0')));
  edit(std::move(text), 0);
}

void MemoryEditor::edit(std::string text, int caret) {
  // Inside an edit run only the first change keeps the text before it: the run undoes at once.
  // An edit after undoing past the save point drops the redo steps that led back to it.
  if (savePoint_ != std::string::npos && savePoint_ > undo_.size()) savePoint_ = std::string::npos;
  if (editRun_ == 0 || !runEdited_) undo_.push_back(text_);
  runEdited_ = editRun_ > 0;
  redo_.clear();
  text_ = std::move(text);
  anchor_ = caret_ = std::clamp(caret, 0, getLength());
}

std::vector<int> MemoryEditor::lineStarts() const {
  std::vector<int> starts{0};
  for (std::size_t i = 0; i < text_.size(); ++i) {
    if (text_[i] == '\r' && i + 1 < text_.size() && text_[i + 1] == '\n') ++i;
    if (text_[i] == '\n' || text_[i] == '\r') starts.push_back(static_cast<int>(i + 1));
  }
  return starts;
}

int MemoryEditor::getLineCount() { return static_cast<int>(lineStarts().size()); }

std::string MemoryEditor::getLine(int line) {
  const auto starts = lineStarts();
  if (line < 0 || line >= static_cast<int>(starts.size())) return {};
  const int end = line + 1 < static_cast<int>(starts.size()) ? starts[line + 1] : getLength();
  return text_.substr(starts[line], end - starts[line]);
}

int MemoryEditor::getCurrentPos() { return caret_; }

int MemoryEditor::lineFromPosition(int pos) {
  if (pos < 0) return 0;
  const auto starts = lineStarts();
  return static_cast<int>(std::upper_bound(starts.begin(), starts.end(), pos) - starts.begin()) - 1;
}

int MemoryEditor::getColumn(int pos) {
  if (pos < 0) return 0;
  pos = std::min(pos, getLength());
  const auto starts = lineStarts();
  int column = 0;
  for (int i = starts[lineFromPosition(pos)]; i < pos;) {
    if (text_[i] == '\t') {
      column = (column / 8 + 1) * 8;
      ++i;
    } else {
      ++column;
      i += gbk::charLength(text_, i);
    }
  }
  return column;
}

std::string MemoryEditor::getCharAt(int pos) {
  if (pos < 0 || pos >= getLength()) return {};
  return std::string(1, text_[pos]);
}

int MemoryEditor::getSelectionStart() { return std::min(anchor_, caret_); }
int MemoryEditor::getSelectionEnd() { return std::max(anchor_, caret_); }

void MemoryEditor::setSelection(int anchor, int caret) {
  if (anchor < 0) return;
  anchor_ = std::min(anchor, getLength());
  caret_ = std::clamp(caret < 0 ? getLength() : caret, 0, getLength());
}

void MemoryEditor::moveCaretToLine(int line) {
  if (line < 0) return;
  const auto starts = lineStarts();
  line = std::min(line, static_cast<int>(starts.size()) - 1);
  anchor_ = caret_ = starts[line];
}

void MemoryEditor::moveCaretToPos(int pos) {
  if (pos < 0) return;
  anchor_ = caret_ = std::min(pos, getLength());
}

void MemoryEditor::replaceSelection(const std::string& text) {
  const int start = getSelectionStart();
  std::string next = text_;
  next.replace(start, getSelectionEnd() - start, text);
  edit(std::move(next), start + static_cast<int>(text.size()));
}

FindResult MemoryEditor::findText(int flags, int start, int end, const std::string& needle,
                                  FindResult previous) {
  previous.found = false;
  const int length = getLength();
  const bool backwards = start > end;
  const int lo = std::clamp(std::min(start, end), 0, length);
  const int hi = std::clamp(std::max(start, end), 0, length);
  std::vector<std::pair<int, int>> matches;
  if (flags & kFindRegExp) {
    try {
      auto options = std::regex::ECMAScript;
      if (!(flags & kFindMatchCase)) options |= std::regex::icase;
      const std::regex re(needle, options);
      const std::string range = text_.substr(lo, hi - lo);
      for (auto it = std::sregex_iterator(range.begin(), range.end(), re);
           it != std::sregex_iterator(); ++it) {
        // Scintilla tries a match only at positions before the end of the range, so an empty
        // match at its end is never found.
        if (it->position() >= static_cast<std::ptrdiff_t>(range.size())) break;
        matches.emplace_back(lo + static_cast<int>(it->position()),
                             lo + static_cast<int>(it->position() + it->length()));
      }
    } catch (const std::regex_error&) {
      return previous;
    }
  } else if (!needle.empty()) {
    const int n = static_cast<int>(needle.size());
    // A start inside a character means the next character: walk from the last offset known to
    // be a boundary (after a byte below 0x80, which never leads a pair).
    int first = lo;
    while (first > 0 && static_cast<unsigned char>(text_[first - 1]) >= 0x80) --first;
    while (first < lo) first += gbk::charLength(text_, first);
    for (int i = first; i + n <= hi; i += gbk::charLength(text_, i)) {
      bool same = true;
      for (int k = 0; k < n && same; ++k) {
        const char a = text_[i + k];
        const char b = needle[k];
        same = (flags & kFindMatchCase) ? a == b : text::foldAsciiCase(a) == text::foldAsciiCase(b);
      }
      if (same && (flags & kFindWholeWord)) {
        const bool before = i > 0 && isWordByte(text_[i - 1]);
        const bool after = i + n < length && isWordByte(text_[i + n]);
        same = !before && !after;
      }
      if (same) matches.emplace_back(i, i + n);
    }
  }
  if (matches.empty()) return previous;
  const auto& m = backwards ? matches.back() : matches.front();
  return {true, m.first, m.second};
}

void MemoryEditor::cut() {
  copy();
  clear();
}

void MemoryEditor::copy() {
  if (clipboard_ && getSelectionEnd() > getSelectionStart())
    *clipboard_ = text_.substr(getSelectionStart(), getSelectionEnd() - getSelectionStart());
}

void MemoryEditor::paste() {
  if (clipboard_) replaceSelection(*clipboard_);
}

void MemoryEditor::clear() {
  if (getSelectionEnd() > getSelectionStart()) replaceSelection("");
}

void MemoryEditor::beginEditRun() {
  if (editRun_++ == 0) runEdited_ = false;
}

void MemoryEditor::endEditRun() {
  if (editRun_ > 0) --editRun_;
}

void MemoryEditor::setSavePoint() { savePoint_ = undo_.size(); }

bool MemoryEditor::isModified() { return undo_.size() != savePoint_; }

void MemoryEditor::undo() {
  if (undo_.empty()) return;
  redo_.push_back(text_);
  text_ = undo_.back();
  undo_.pop_back();
  anchor_ = caret_ = std::min(caret_, getLength());
}

void MemoryEditor::redo() {
  if (redo_.empty()) return;
  undo_.push_back(text_);
  text_ = redo_.back();
  redo_.pop_back();
  anchor_ = caret_ = std::min(caret_, getLength());
}

int MemoryEditor::braceMatch(int pos) {
  static const std::string open = "([{", close = ")]}";
  if (pos < 0 || pos >= getLength()) return -1;
  const char c = text_[pos];
  auto o = open.find(c), k = close.find(c);
  if (o == std::string::npos && k == std::string::npos) return -1;
  const bool forward = o != std::string::npos;
  const char self = c, other = forward ? close[o] : open[k];
  int depth = 0;
  for (int i = pos; i >= 0 && i < getLength(); i += forward ? 1 : -1) {
    if (text_[i] == self) ++depth;
    if (text_[i] == other && --depth == 0) return i;
  }
  return -1;
}

}  // namespace jsdebug::workflow
