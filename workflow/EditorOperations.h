#pragma once
// What commands may ask of the code editor. Texts are CP936 bytes; positions are 0-based byte
// offsets and lines 0-based. The Qt CodeEditor implements this over Scintilla; MemoryEditor
// implements it over a byte string for tests and the CLI.

#include <cstdint>
#include <string>

namespace jsdebug::workflow {

// Scintilla's search flags, as findText takes them.
inline constexpr int kFindWholeWord = 2;
inline constexpr int kFindMatchCase = 4;
inline constexpr int kFindRegExp = 0x200000;

// Scintilla's margin types.
inline constexpr int kMarginSymbol = 0;
inline constexpr int kMarginNumber = 1;

// The widths the program gives margin 0 while it shows line numbers and margin 1 (symbols).
inline constexpr int kLineNumberMarginWidth = 32;
inline constexpr int kSymbolMarginWidth = 20;

// The editor's settings, by their index.
enum class EditorSetting {
  ReadOnly = 0,
  ScrollBars = 1,
  WhiteSpaceView = 2,
  WhiteSpaceFore = 3,
  WhiteSpaceBack = 4,
  BusyPointer = 5,
  EolMode = 6,
  ShowLineBreaks = 7,
  SelectionFore = 8,
  SelectionBack = 9,
  CaretFore = 10,
  CaretLineVisible = 11,
  CaretLineBack = 12,
  CaretPeriod = 13,
  CaretWidth = 14,
  Utf8Text = 15,
  IndentationGuides = 16,
  WrapMode = 17,
};

struct EditorSettingValue {
  EditorSetting setting;
  int value;
};

// What the window's editor is created with, setting by setting (colours as 0xBBGGRR); the
// in-memory editor starts from the same values, so commands see one editor in both.
inline constexpr EditorSettingValue kInitialEditorSettings[] = {
    {EditorSetting::ReadOnly, 0},
    {EditorSetting::ScrollBars, 2},  // vertical only
    {EditorSetting::WhiteSpaceView, 0},
    {EditorSetting::WhiteSpaceFore, 0x000000},
    {EditorSetting::WhiteSpaceBack, 0xFFFFFF},
    {EditorSetting::BusyPointer, 0},
    {EditorSetting::EolMode, 0},  // CR LF
    {EditorSetting::ShowLineBreaks, 0},
    {EditorSetting::SelectionFore, 0xFFFFFF},
    {EditorSetting::SelectionBack, 0x800000},
    {EditorSetting::CaretFore, 0x0080FF},
    {EditorSetting::CaretLineVisible, 1},
    {EditorSetting::CaretLineBack, 0xDBE2FD},
    {EditorSetting::CaretPeriod, 500},  // milliseconds
    {EditorSetting::CaretWidth, 2},     // pixels
    {EditorSetting::Utf8Text, 0},
    {EditorSetting::IndentationGuides, 1},
    {EditorSetting::WrapMode, 1},
};

struct FindResult {
  bool found = false;
  int start = 0;
  int end = 0;
};

class EditorOperations {
 public:
  virtual ~EditorOperations() = default;

  virtual int getLength() = 0;
  // At most n bytes, cut before the first NUL.
  virtual std::string getText(int n) = 0;
  virtual void setText(const std::string& text) = 0;
  virtual int getLineCount() = 0;
  virtual std::string getLine(int line) = 0;
  virtual int getCurrentPos() = 0;
  virtual int lineFromPosition(int pos) = 0;
  virtual int getColumn(int pos) = 0;
  virtual std::string getCharAt(int pos) = 0;
  virtual int getSelectionStart() = 0;
  virtual int getSelectionEnd() = 0;
  virtual void setSelection(int anchor, int caret) = 0;
  virtual void moveCaretToLine(int line) = 0;
  virtual void moveCaretToPos(int pos) = 0;
  virtual void replaceSelection(const std::string& text) = 0;
  // start <= end searches forwards, start > end backwards; `previous` is returned unchanged in
  // start/end when nothing is found.
  virtual FindResult findText(int flags, int start, int end, const std::string& text,
                              FindResult previous = {}) = 0;

  virtual void cut() = 0;
  virtual void copy() = 0;
  virtual void paste() = 0;
  virtual void clear() = 0;
  virtual void undo() = 0;
  virtual void redo() = 0;

  virtual void styleSetFont(int style, const std::string& font) = 0;
  virtual void styleSetSize(int style, int points) = 0;
  virtual void styleSetFore(int style, int bgr) = 0;
  virtual void styleSetBack(int style, int bgr) = 0;
  virtual void setMarginType(int margin, int type) = 0;
  virtual void setMarginWidth(int margin, int pixels) = 0;
  virtual int getMarginType(int margin) = 0;
  virtual int getMarginWidth(int margin) = 0;
  virtual void setLexer(int lexer) = 0;
  virtual void setKeywords(int list, const std::string& words) = 0;

  virtual void braceHighlight(int a, int b) = 0;
  virtual void braceBadLight(int pos) = 0;
  virtual int braceMatch(int pos) = 0;
  virtual void setHighlightGuide(int column) = 0;

  virtual void setSetting(EditorSetting setting, int value) = 0;
  virtual int getSetting(EditorSetting setting) = 0;

  // A number that changes whenever the text may have changed, so that a caller keeping a copy
  // of the text (quick find) need not fetch and compare a whole document on every use. 0 means
  // the editor does not count; such a caller then compares the text each time.
  virtual std::uint64_t textVersion() { return 0; }

  // A run of selections and replacements (replace all) is one undo step, so the user can take
  // the whole run back at once. It also may leave scrolling the caret into view to the end of
  // the run: an editor that lays out the caret's line at every step would pay for the whole line
  // each time, and in a minified script that line is the whole text. Runs nest; use EditRun
  // rather than calling these directly.
  virtual void beginEditRun() {}
  virtual void endEditRun() {}

  // Whether the text differs from what it was at the last save point: the text the program
  // started with, or one just opened, downloaded or saved. Undoing back to it counts as
  // unchanged. An editor that does not track this reports every text as unchanged.
  virtual void setSavePoint() {}
  virtual bool isModified() { return false; }

  // The whole text, as every command reads it.
  std::string wholeText() { return getText(getLength()); }
};

class EditRun {
 public:
  explicit EditRun(EditorOperations& editor) : editor_(editor) { editor_.beginEditRun(); }
  ~EditRun() { editor_.endEditRun(); }
  EditRun(const EditRun&) = delete;
  EditRun& operator=(const EditRun&) = delete;

 private:
  EditorOperations& editor_;
};

}  // namespace jsdebug::workflow
