#pragma once
// An editor over a byte string: the headless stand-in for the CodeEditor, used by the CLI and by
// tests of commands. Text operations behave as the CodeEditor's do (GBK bytes, 0-based byte
// positions, the same argument rules); styles, margins and lexing are only remembered.

#include <array>
#include <map>
#include <string>
#include <vector>

#include "workflow/EditorOperations.h"

namespace jsdebug::workflow {

class MemoryEditor : public EditorOperations {
 public:
  explicit MemoryEditor(std::string* clipboard = nullptr);

  int getLength() override;
  std::string getText(int n) override;
  // The text up to its first NUL, as the window's editor takes it.
  void setText(const std::string& text) override;
  // The same without a copy, for a script read from a file.
  void setText(std::string&& text);
  int getLineCount() override;
  std::string getLine(int line) override;
  int getCurrentPos() override;
  int lineFromPosition(int pos) override;
  int getColumn(int pos) override;
  std::string getCharAt(int pos) override;
  int getSelectionStart() override;
  int getSelectionEnd() override;
  void setSelection(int anchor, int caret) override;
  void moveCaretToLine(int line) override;
  void moveCaretToPos(int pos) override;
  void replaceSelection(const std::string& text) override;
  FindResult findText(int flags, int start, int end, const std::string& text,
                      FindResult previous = {}) override;

  void cut() override;
  void copy() override;
  void paste() override;
  void clear() override;
  void undo() override;
  void redo() override;
  void beginEditRun() override;
  void endEditRun() override;
  void setSavePoint() override;
  bool isModified() override;

  // Nothing is drawn: styles and lexing are dropped, margins and settings only remembered.
  void styleSetFont(int, const std::string&) override {}
  void styleSetSize(int, int) override {}
  void styleSetFore(int, int) override {}
  void styleSetBack(int, int) override {}
  void setLexer(int) override {}
  void setKeywords(int, const std::string&) override {}
  void setMarginType(int margin, int type) override { marginType_[margin] = type; }
  void setMarginWidth(int margin, int pixels) override { marginWidth_[margin] = pixels; }
  int getMarginType(int margin) override { return marginType_[margin]; }
  int getMarginWidth(int margin) override { return marginWidth_[margin]; }
  void setSetting(EditorSetting setting, int value) override {
    settings_[static_cast<std::size_t>(setting)] = value;
  }
  int getSetting(EditorSetting setting) override {
    return settings_[static_cast<std::size_t>(setting)];
  }

  void braceHighlight(int a, int b) override {
    highlightA = a;
    highlightB = b;
  }
  void braceBadLight(int pos) override { badLight = pos; }
  int braceMatch(int pos) override;
  void setHighlightGuide(int column) override { highlightGuide = column; }

  // What the brace and guide operations were last asked, for tests.
  int highlightA = -1, highlightB = -1, badLight = -1, highlightGuide = 0;

 private:
  void edit(std::string text, int caret);
  std::vector<int> lineStarts() const;

  std::string text_;
  int anchor_ = 0;
  int caret_ = 0;
  std::string* clipboard_;
  std::vector<std::string> undo_, redo_;
  int editRun_ = 0;
  bool runEdited_ = false;
  // The undo depth at the save point; npos once no undo or redo can lead back to it.
  std::size_t savePoint_ = 0;
  std::map<int, int> marginType_{{0, 1}, {1, 0}}, marginWidth_{{0, kLineNumberMarginWidth}, {1, kSymbolMarginWidth}};
  std::array<int, 18> settings_{};
};

}  // namespace jsdebug::workflow
