#pragma once
// The code editor: an outer control holding one Scintilla editing window that fills it.
//
// Scintilla here draws UTF-8 only, while the program's texts are GBK bytes and its positions GBK
// byte offsets. This class is the one door to Scintilla: every operation takes and returns GBK
// and converts at this boundary (positions through GbkPositions, texts through text/Codec.h).
// With the UTF-8 setting on, texts and positions pass through unconverted.
//
// The left button's release and double click are Qt signals, raised before the editing window
// handles them, so a handler sees the caret where the preceding input left it. Positions are
// pixels in the editing window; `keys` sums 1 Ctrl, 2 Shift, 4 Alt.

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/GbkPositions.h"
#include "workflow/EditorOperations.h"

class QMenu;
class QsciScintillaBase;

namespace jsdebug::editor {

class EditingWindow;

class CodeEditor : public QWidget, public workflow::EditorOperations {
  Q_OBJECT

 public:
  explicit CodeEditor(QWidget* parent = nullptr);
  ~CodeEditor() override;

  int getLength() override;
  std::string getText(int n) override;
  void setText(const std::string& text) override;
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
  workflow::FindResult findText(int flags, int start, int end, const std::string& text,
                                workflow::FindResult previous = {}) override;

  void cut() override;
  void copy() override;
  void paste() override;
  void clear() override;
  void undo() override;
  void redo() override;

  void styleSetFont(int style, const std::string& font) override;
  void styleSetSize(int style, int points) override;
  void styleSetFore(int style, int bgr) override;
  void styleSetBack(int style, int bgr) override;
  void setMarginType(int margin, int type) override;
  void setMarginWidth(int margin, int pixels) override;
  int getMarginType(int margin) override;
  int getMarginWidth(int margin) override;
  void setLexer(int lexer) override;
  void setKeywords(int list, const std::string& words) override;

  void braceHighlight(int a, int b) override;
  void braceBadLight(int pos) override;
  int braceMatch(int pos) override;
  void setHighlightGuide(int column) override;

  void setSetting(workflow::EditorSetting setting, int value) override;
  int getSetting(workflow::EditorSetting setting) override;

  std::uint64_t textVersion() override { return version_; }
  void setSavePoint() override;
  bool isModified() override;
  void beginEditRun() override;
  void endEditRun() override;

  // The editing window, for layout and for tests that drive it as a user would.
  QsciScintillaBase* editingWindow() const;

  // The right-click menu with its items enabled for the present state; the caller owns it.
  QMenu* createContextMenu(QWidget* parent = nullptr);
  // Items the window adds below the editor's own.
  void setContextMenuExtension(std::function<void(QMenu*)> extend) { extendMenu_ = std::move(extend); }

  // Breakpoints (调试运行): a red dot in the symbol margin beside a line, 1-based lines. They
  // move with the text as it is edited. A click in either margin toggles the line's breakpoint
  // through the handler the window sets.
  void setBreakpointHandler(std::function<void(int line)> toggle) { toggleBreakpoint_ = std::move(toggle); }
  void setBreakpoint(int line, bool on);
  bool hasBreakpoint(int line) const;
  std::vector<int> breakpointLines() const;
  // The line the debugged script is paused at, marked with an arrow and a shaded line; 0 for none.
  void setPausedLine(int line);
  int pausedLine() const;

  // A command of the window's at the end of the right-click menu (after the editor's own items
  // and a separator), enabled only while text is selected when `needsSelection`.
  void addContextCommand(const std::string& caption, std::function<void()> run, bool needsSelection);

 signals:
  void leftButtonReleased(int x, int y, int keys);
  void leftButtonDoubleClicked(int x, int y, int keys);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct ContextCommand {
    std::string caption;
    std::function<void()> run;
    bool needsSelection;
  };
  std::vector<ContextCommand> contextCommands_;

  friend class EditingWindow;

  long send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;
  long send(unsigned int message, unsigned long wParam, const char* lParam) const;

  // The document's bytes [from, from + length), valid until the next call into Scintilla.
  std::string_view documentBytes(int from, int length) const;
  // Program text to document bytes and back (identity with the UTF-8 setting on).
  std::string toDocument(std::string_view text) const;
  std::string fromDocument(std::string_view bytes) const;
  int toDocumentPos(int pos, GbkPositions::Rounding rounding = GbkPositions::Rounding::Down) const;
  int fromDocumentPos(int pos) const;

  void documentModified(int position, int type, int length);
  // Widens each shown line-number margin to its largest number, never below the set width.
  void fitNumberMargins();
  void switchUtf8(bool on);
  // One stream selection, neither rectangular nor several.
  bool plainSelection() const;
  void showStrayBytesAsBlobs();

  // A change Scintilla has announced and, once the notice has returned, carried out.
  struct Change {
    enum Kind { None, Inserted, Deleted, Replaced } kind = None;
    int position = 0;
    int removed = 0;
    int added = 0;
  };
  void applyPendingChange() const;
  // The positions with every carried-out change taken in.
  GbkPositions& positions() const;

  EditingWindow* editing_;
  std::function<void(int)> toggleBreakpoint_;
  mutable GbkPositions positions_;
  mutable Change pending_;
  std::function<void(QMenu*)> extendMenu_;
  bool utf8_ = false;
  std::array<int, 18> settings_{};
  std::uint64_t version_ = 1;
  // Depth of nested edit runs; inside one, nothing scrolls until the run ends.
  int editRun_ = 0;
  // The widths the program set for Scintilla's five margins (-1: never set).
  std::array<int, 5> marginWidths_{-1, -1, -1, -1, -1};
  bool marginFitPending_ = false;
  // Room beside the widest number: Scintilla keeps 3 pixels on its right, and a few more on
  // its left keep it off the margin's edge.
  static constexpr int kNumberMarginPadding = 8;
  // Scintilla's marker numbers for the debugger's marks (below the fold markers, 25 and up).
  static constexpr unsigned long kBreakpointMarker = 1;
  static constexpr unsigned long kPausedMarker = 2;
  static constexpr unsigned long kPausedLineMarker = 3;
};

}  // namespace jsdebug::editor
