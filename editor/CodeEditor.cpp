#include "editor/CodeEditor.h"

#include <Qsci/qsciscintillabase.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <algorithm>
#include <utility>

#include "editor/QtText.h"
#include "text/Codec.h"

namespace jsdebug::editor {

using Sci = QsciScintillaBase;

namespace {

// C strings are what Scintilla's text messages take: a text stops at its first NUL there.
std::string_view beforeNul(std::string_view text) { return text.substr(0, text.find('\0')); }

int colourSetting(int value) { return value & 0xFFFFFF; }

// The keys argument of the button signals: 1 Ctrl, 2 Shift, 4 Alt, summed.
int keyState(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ControlModifier ? 1 : 0) | (modifiers & Qt::ShiftModifier ? 2 : 0) |
         (modifiers & Qt::AltModifier ? 4 : 0);
}

}  // namespace

// The Scintilla window inside the control. It raises the control's events before Scintilla
// sees the input, shows the control's own context menu and keeps Tab for itself.
class EditingWindow : public QsciScintillaBase {
 public:
  explicit EditingWindow(CodeEditor* owner) : QsciScintillaBase(owner), owner_(owner) {
    // Moves without a pressed button reach Scintilla as well: the cursor over the margin is
    // its to shape.
    viewport()->setMouseTracking(true);
  }

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override {
    const auto [x, y, keys] = where(e);
    if (e->button() == Qt::LeftButton) emit owner_->leftButtonReleased(x, y, keys);
    QsciScintillaBase::mouseReleaseEvent(e);
  }

  // Qt delivers the second press of a double click as this event instead of a press.
  void mouseDoubleClickEvent(QMouseEvent* e) override {
    const auto [x, y, keys] = where(e);
    if (e->button() == Qt::LeftButton) emit owner_->leftButtonDoubleClicked(x, y, keys);
    QsciScintillaBase::mouseDoubleClickEvent(e);
  }

  void keyPressEvent(QKeyEvent* e) override {
    // Esc belongs to the window, which closes on it; Scintilla would take it otherwise.
    if (e->key() == Qt::Key_Escape) {
      e->ignore();
      return;
    }
    QsciScintillaBase::keyPressEvent(e);
  }

  // Tab and Shift+Tab edit; the focus never leaves by them.
  bool focusNextPrevChild(bool) override { return false; }

  void contextMenuEvent(QContextMenuEvent* e) override {
    QMenu* menu = owner_->createContextMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(e->globalPos());
    e->accept();
  }

 private:
  struct Where {
    int x, y, keys;
  };
  static Where where(const QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    return {p.x(), p.y(), keyState(e->modifiers())};
  }

  CodeEditor* owner_;
};

CodeEditor::CodeEditor(QWidget* parent)
    : QWidget(parent),
      editing_(new EditingWindow(this)),
      positions_([this](int from, int length) { return documentBytes(from, length); }) {
  // Tab brings the focus to this control, which hands it on (focusInEvent); a click goes to
  // the editing window directly.
  setFocusPolicy(Qt::StrongFocus);
  editing_->setFocusPolicy(Qt::ClickFocus);

  // The widget runs in UTF-8 whatever the program's texts are; see toDocument.
  send(Sci::SCI_SETCODEPAGE, Sci::SC_CP_UTF8);
  showStrayBytesAsBlobs();
  send(Sci::SCI_USEPOPUP, Sci::SC_POPUP_NEVER);

  // QScintilla answers each notice of a finished insertion or deletion by counting the
  // characters from the start of the document (for assistive technology), so every edit would
  // cost as much as the text before it. Only the notices that come before a change are asked
  // for; the positions take in each change when the next notice comes or when they are next
  // used, by which time Scintilla has carried it out.
  send(Sci::SCI_SETMODEVENTMASK, Sci::SC_MOD_BEFOREINSERT | Sci::SC_MOD_BEFOREDELETE);
  connect(editing_, &Sci::SCN_MODIFIED, this,
          [this](int position, int type, const char*, int length, int, int, int, int, int, int) {
            documentModified(position, type, length);
          });
  positions_.reset(static_cast<int>(send(Sci::SCI_GETLENGTH)));

  for (const auto& [setting, value] : workflow::kInitialEditorSettings) setSetting(setting, value);

  // Colours are BGR, as Scintilla takes them.
  send(Sci::SCI_MARKERDEFINE, kBreakpointMarker, Sci::SC_MARK_CIRCLE);
  send(Sci::SCI_MARKERSETFORE, kBreakpointMarker, 0x0000B0);
  send(Sci::SCI_MARKERSETBACK, kBreakpointMarker, 0x1010E0);
  send(Sci::SCI_MARKERDEFINE, kPausedMarker, Sci::SC_MARK_SHORTARROW);
  send(Sci::SCI_MARKERSETFORE, kPausedMarker, 0L);
  send(Sci::SCI_MARKERSETBACK, kPausedMarker, 0x00D7FF);
  send(Sci::SCI_MARKERDEFINE, kPausedLineMarker, Sci::SC_MARK_BACKGROUND);
  send(Sci::SCI_MARKERSETBACK, kPausedLineMarker, 0xB0F5FF);
  // The number margin and the symbol margin both take clicks, for breakpoints; the marks show
  // in the symbol margin.
  for (unsigned long margin : {0ul, 1ul}) send(Sci::SCI_SETMARGINSENSITIVEN, margin, 1);
  connect(editing_, &Sci::SCN_MARGINCLICK, this, [this](int position, int, int) {
    const int line = static_cast<int>(send(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(position)));
    if (toggleBreakpoint_) toggleBreakpoint_(line + 1);
  });
}

void CodeEditor::setBreakpoint(int line, bool on) {
  if (line < 1 || line > getLineCount()) return;
  const auto at = static_cast<unsigned long>(line - 1);
  if (on == hasBreakpoint(line)) return;
  if (on) send(Sci::SCI_MARKERADD, at, kBreakpointMarker);
  else send(Sci::SCI_MARKERDELETE, at, kBreakpointMarker);
}

bool CodeEditor::hasBreakpoint(int line) const {
  if (line < 1) return false;
  return (send(Sci::SCI_MARKERGET, static_cast<unsigned long>(line - 1)) & (1L << kBreakpointMarker)) != 0;
}

std::vector<int> CodeEditor::breakpointLines() const {
  std::vector<int> lines;
  long at = send(Sci::SCI_MARKERNEXT, 0, 1L << kBreakpointMarker);
  while (at >= 0) {
    lines.push_back(static_cast<int>(at) + 1);
    at = send(Sci::SCI_MARKERNEXT, static_cast<unsigned long>(at + 1), 1L << kBreakpointMarker);
  }
  return lines;
}

void CodeEditor::setPausedLine(int line) {
  send(Sci::SCI_MARKERDELETEALL, kPausedMarker);
  send(Sci::SCI_MARKERDELETEALL, kPausedLineMarker);
  if (line < 1 || line > getLineCount()) return;
  const auto at = static_cast<unsigned long>(line - 1);
  send(Sci::SCI_MARKERADD, at, kPausedLineMarker);
  send(Sci::SCI_MARKERADD, at, kPausedMarker);
  send(Sci::SCI_ENSUREVISIBLEENFORCEPOLICY, at);
  send(Sci::SCI_GOTOLINE, at);
}

int CodeEditor::pausedLine() const {
  const long at = send(Sci::SCI_MARKERNEXT, 0, 1L << kPausedMarker);
  return at < 0 ? 0 : static_cast<int>(at) + 1;
}

// The editing window goes first, while the position bookkeeping its notices reach still exists.
CodeEditor::~CodeEditor() { delete editing_; }

QsciScintillaBase* CodeEditor::editingWindow() const { return editing_; }

long CodeEditor::send(unsigned int message, unsigned long wParam, long lParam) const {
  return editing_->SendScintilla(message, wParam, lParam);
}

long CodeEditor::send(unsigned int message, unsigned long wParam, const char* lParam) const {
  return editing_->SendScintilla(message, static_cast<uintptr_t>(wParam), lParam);
}

std::string_view CodeEditor::documentBytes(int from, int length) const {
  // Scintilla does not check the range it hands out a pointer into.
  const int documentLength = static_cast<int>(send(Sci::SCI_GETLENGTH));
  from = std::clamp(from, 0, documentLength);
  length = std::min(length, documentLength - from);
  if (length <= 0) return {};
  const auto* bytes = reinterpret_cast<const char*>(
      send(Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), length));
  return bytes ? std::string_view(bytes, static_cast<std::size_t>(length)) : std::string_view();
}

std::string CodeEditor::toDocument(std::string_view text) const {
  return utf8_ ? std::string(text) : gbk::toUtf8(text);
}

std::string CodeEditor::fromDocument(std::string_view bytes) const {
  return utf8_ ? std::string(bytes) : gbk::fromUtf8(bytes);
}

int CodeEditor::toDocumentPos(int pos, GbkPositions::Rounding rounding) const {
  if (utf8_) return std::clamp(pos, 0, static_cast<int>(send(Sci::SCI_GETLENGTH)));
  return positions().toUtf8(pos, rounding);
}

int CodeEditor::fromDocumentPos(int pos) const { return utf8_ ? pos : positions().toGbk(pos); }

void CodeEditor::documentModified(int position, int type, int length) {
  if (!(type & (Sci::SC_MOD_BEFOREINSERT | Sci::SC_MOD_BEFOREDELETE))) return;
  ++version_;
  // The notice comes before the change, so the line count is read once it has been made; a
  // burst of edits (typing, a paste, replace all) is measured once.
  if (!marginFitPending_) {
    marginFitPending_ = true;
    QMetaObject::invokeMethod(this, [this] { fitNumberMargins(); }, Qt::QueuedConnection);
  }
  if (utf8_) return;
  const bool insert = (type & Sci::SC_MOD_BEFOREINSERT) != 0;
  // A replacement is announced as a deletion and then an insertion at the same place: taken
  // in as one change, its stretch is re-marked once.
  if (insert && pending_.kind == Change::Deleted && pending_.position == position) {
    pending_.kind = Change::Replaced;
    pending_.added = length;
    return;
  }
  // The previous change has been carried out by now; this one has not yet.
  applyPendingChange();
  pending_ = insert ? Change{Change::Inserted, position, 0, length}
                    : Change{Change::Deleted, position, length, 0};
}

void CodeEditor::applyPendingChange() const {
  const Change change = std::exchange(pending_, Change{});
  switch (change.kind) {
    case Change::None: break;
    case Change::Inserted: positions_.inserted(change.position, change.added); break;
    case Change::Deleted: positions_.deleted(change.position, change.removed); break;
    case Change::Replaced: positions_.replaced(change.position, change.removed, change.added); break;
  }
}

GbkPositions& CodeEditor::positions() const {
  applyPendingChange();
  return positions_;
}

void CodeEditor::showStrayBytesAsBlobs() {
  // A byte that begins no GBK character reaches the widget as U+F700 + byte; without this it
  // would be an empty box. Shown as Scintilla shows a byte it cannot decode.
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (int b = 0x80; b <= 0xFF; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const std::u16string decoded = gbk::toUtf16(byte);
    if (decoded[0] < gbk::kEscapeFirst) continue;  // a character of its own (0x80, the euro)
    const std::string encoded = gbk::toUtf8(byte);
    const char shown[4] = {'x', kHex[b >> 4], kHex[b & 15], '\0'};
    editing_->SendScintilla(Sci::SCI_SETREPRESENTATION, encoded.c_str(), shown);
  }
}

// --- text ---

int CodeEditor::getLength() {
  return utf8_ ? static_cast<int>(send(Sci::SCI_GETLENGTH)) : positions().gbkLength();
}

std::string CodeEditor::getText(int n) {
  if (n <= 0) return {};
  std::string text;
  if (utf8_) {
    text = std::string(documentBytes(0, std::min(n, getLength())));
  } else {
    const int end = positions().toUtf8(n, GbkPositions::Rounding::Up);
    text = gbk::fromUtf8(documentBytes(0, end));
    if (static_cast<int>(text.size()) > n) text.resize(static_cast<std::size_t>(n));
  }
  text.resize(beforeNul(text).size());
  return text;
}

void CodeEditor::setText(const std::string& text) {
  send(Sci::SCI_SETTEXT, 0, toDocument(beforeNul(text)).c_str());
  fitNumberMargins();
}

int CodeEditor::getLineCount() { return static_cast<int>(send(Sci::SCI_GETLINECOUNT)); }

std::string CodeEditor::getLine(int line) {
  if (line < 0 || line >= getLineCount()) return {};
  const int start = static_cast<int>(send(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line)));
  const int length = static_cast<int>(send(Sci::SCI_LINELENGTH, static_cast<unsigned long>(line)));
  return fromDocument(documentBytes(start, length));
}

int CodeEditor::getCurrentPos() {
  return fromDocumentPos(static_cast<int>(send(Sci::SCI_GETCURRENTPOS)));
}

int CodeEditor::lineFromPosition(int pos) {
  if (pos < 0) return 0;
  return static_cast<int>(
      send(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(toDocumentPos(pos))));
}

int CodeEditor::getColumn(int pos) {
  if (pos < 0) return 0;
  pos = std::min(pos, getLength());
  // UTF-8 counts characters, as Scintilla does in that code page.
  if (utf8_) return static_cast<int>(send(Sci::SCI_GETCOLUMN, static_cast<unsigned long>(pos)));
  // Each GBK byte is a column, as in the single-byte code page the program runs Scintilla in.
  const int line = lineFromPosition(pos);
  const int lineStart =
      static_cast<int>(send(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line)));
  const int gbkLineStart = positions().toGbk(lineStart);
  const int end = positions().toUtf8(pos, GbkPositions::Rounding::Up);
  std::string bytes = gbk::fromUtf8(documentBytes(lineStart, end - lineStart));
  bytes.resize(std::min(bytes.size(), static_cast<std::size_t>(pos - gbkLineStart)));
  const int tab = std::max(1, static_cast<int>(send(Sci::SCI_GETTABWIDTH)));
  int column = 0;
  for (char c : bytes) column = c == '\t' ? (column / tab + 1) * tab : column + 1;
  return column;
}

std::string CodeEditor::getCharAt(int pos) {
  if (pos < 0 || pos >= getLength()) return {};
  char byte = 0;
  if (utf8_) {
    byte = static_cast<char>(send(Sci::SCI_GETCHARAT, static_cast<unsigned long>(pos)));
  } else {
    const int start = positions().toUtf8(pos, GbkPositions::Rounding::Down);
    const int end = positions().toUtf8(pos + 1, GbkPositions::Rounding::Up);
    const std::string character = gbk::fromUtf8(documentBytes(start, end - start));
    const auto offset = static_cast<std::size_t>(pos - positions().toGbk(start));
    if (offset < character.size()) byte = character[offset];
  }
  // The byte reads as a one-byte C string, so a zero byte is an empty text.
  return byte == 0 ? std::string() : std::string(1, byte);
}

int CodeEditor::getSelectionStart() {
  return fromDocumentPos(static_cast<int>(send(Sci::SCI_GETSELECTIONSTART)));
}

int CodeEditor::getSelectionEnd() {
  return fromDocumentPos(static_cast<int>(send(Sci::SCI_GETSELECTIONEND)));
}

void CodeEditor::setSelection(int anchor, int caret) {
  if (anchor < 0) return;
  using R = GbkPositions::Rounding;
  // A selection edge inside a two-byte character takes in the whole character.
  const bool forwards = caret < 0 || anchor <= caret;
  const long a = toDocumentPos(anchor, forwards ? R::Down : R::Up);
  const long c = caret < 0 ? -1 : toDocumentPos(caret, forwards ? R::Up : R::Down);
  if (editRun_ > 0 && plainSelection()) {
    send(Sci::SCI_SETSELECTION, static_cast<unsigned long>(c < 0 ? send(Sci::SCI_GETLENGTH) : c), a);
    return;
  }
  send(Sci::SCI_SETSEL, static_cast<unsigned long>(a), c);
}

bool CodeEditor::plainSelection() const {
  return send(Sci::SCI_GETSELECTIONS) == 1 && send(Sci::SCI_SELECTIONISRECTANGLE) == 0;
}

void CodeEditor::beginEditRun() {
  if (editRun_++ == 0) send(Sci::SCI_BEGINUNDOACTION);
}

void CodeEditor::endEditRun() {
  if (editRun_ == 0 || --editRun_ > 0) return;
  send(Sci::SCI_ENDUNDOACTION);
  send(Sci::SCI_SCROLLCARET);
  send(Sci::SCI_CHOOSECARETX);
}

void CodeEditor::moveCaretToLine(int line) {
  if (line < 0) return;
  line = std::min(line, getLineCount() - 1);
  send(Sci::SCI_GOTOLINE, static_cast<unsigned long>(line));
}

void CodeEditor::moveCaretToPos(int pos) {
  if (pos < 0) return;
  send(Sci::SCI_GOTOPOS, static_cast<unsigned long>(toDocumentPos(pos)));
}

void CodeEditor::replaceSelection(const std::string& text) {
  const std::string replacement = toDocument(beforeNul(text));
  if (editRun_ > 0 && plainSelection()) {
    // What SCI_REPLACESEL does, as one undo step, but without laying out the caret's line
    // to scroll it into view: the run scrolls once when it ends.
    if (send(Sci::SCI_GETREADONLY) != 0) return;
    const long start = send(Sci::SCI_GETSELECTIONSTART);
    send(Sci::SCI_SETTARGETRANGE, static_cast<unsigned long>(start), send(Sci::SCI_GETSELECTIONEND));
    const long inserted = send(Sci::SCI_REPLACETARGET, replacement.size(), replacement.c_str());
    send(Sci::SCI_SETEMPTYSELECTION, static_cast<unsigned long>(start + inserted));
    return;
  }
  send(Sci::SCI_REPLACESEL, 0, replacement.c_str());
}

workflow::FindResult CodeEditor::findText(int flags, int start, int end, const std::string& text,
                                          workflow::FindResult previous) {
  previous.found = false;
  const std::string needle = toDocument(beforeNul(text));
  if (needle.empty()) return previous;
  using R = GbkPositions::Rounding;
  const bool forwards = start <= end;
  const int length = getLength();
  start = std::clamp(start, 0, length);
  end = std::clamp(end, 0, length);
  // The range is narrowed to whole characters, so a match found lies wholly inside it.
  const int from = toDocumentPos(start, forwards ? R::Up : R::Down);
  const int to = toDocumentPos(end, forwards ? R::Down : R::Up);
  if (forwards ? from > to : from < to) return previous;
  send(Sci::SCI_SETTARGETSTART, static_cast<unsigned long>(from));
  send(Sci::SCI_SETTARGETEND, static_cast<unsigned long>(to));
  send(Sci::SCI_SETSEARCHFLAGS, static_cast<unsigned long>(flags));
  const long found = send(Sci::SCI_SEARCHINTARGET, needle.size(), needle.c_str());
  if (found < 0) return previous;
  const int matchEnd = static_cast<int>(send(Sci::SCI_GETTARGETEND));
  return {true, fromDocumentPos(static_cast<int>(found)), fromDocumentPos(matchEnd)};
}

void CodeEditor::setSavePoint() { send(Sci::SCI_SETSAVEPOINT); }
bool CodeEditor::isModified() { return send(Sci::SCI_GETMODIFY) != 0; }

void CodeEditor::cut() { send(Sci::SCI_CUT); }
void CodeEditor::copy() { send(Sci::SCI_COPY); }
void CodeEditor::paste() { send(Sci::SCI_PASTE); }
void CodeEditor::clear() { send(Sci::SCI_CLEAR); }
void CodeEditor::undo() { send(Sci::SCI_UNDO); }
void CodeEditor::redo() { send(Sci::SCI_REDO); }

// --- look ---

void CodeEditor::styleSetFont(int style, const std::string& font) {
  // Font names are the system's texts, GBK whatever the document's code page.
  send(Sci::SCI_STYLESETFONT, static_cast<unsigned long>(style), gbk::toUtf8(beforeNul(font)).c_str());
}

void CodeEditor::styleSetSize(int style, int points) {
  send(Sci::SCI_STYLESETSIZE, static_cast<unsigned long>(style), points);
}

void CodeEditor::styleSetFore(int style, int bgr) {
  send(Sci::SCI_STYLESETFORE, static_cast<unsigned long>(style), colourSetting(bgr));
}

void CodeEditor::styleSetBack(int style, int bgr) {
  send(Sci::SCI_STYLESETBACK, static_cast<unsigned long>(style), colourSetting(bgr));
}

void CodeEditor::setMarginType(int margin, int type) {
  send(Sci::SCI_SETMARGINTYPEN, static_cast<unsigned long>(margin), type);
  fitNumberMargins();
}

void CodeEditor::setMarginWidth(int margin, int pixels) {
  if (margin >= 0 && margin < static_cast<int>(marginWidths_.size()))
    marginWidths_[static_cast<std::size_t>(margin)] = pixels;
  send(Sci::SCI_SETMARGINWIDTHN, static_cast<unsigned long>(margin), pixels);
  fitNumberMargins();
}

void CodeEditor::fitNumberMargins() {
  marginFitPending_ = false;
  // Scintilla right-aligns the numbers and clips them at the margin's left edge, so a margin
  // narrower than the largest number shows 17262 as "7262". The width the program set stays
  // the least; a hidden margin (width 0) stays hidden.
  const std::string widest(std::to_string(std::max(1L, send(Sci::SCI_GETLINECOUNT))).size(), '9');
  const int needed =
      static_cast<int>(send(Sci::SCI_TEXTWIDTH, Sci::STYLE_LINENUMBER, widest.c_str())) +
      kNumberMarginPadding;
  for (std::size_t margin = 0; margin < marginWidths_.size(); ++margin) {
    const int asked = marginWidths_[margin];
    if (asked <= 0 || send(Sci::SCI_GETMARGINTYPEN, margin) != Sci::SC_MARGIN_NUMBER) continue;
    const long width = std::max(asked, needed);
    if (send(Sci::SCI_GETMARGINWIDTHN, margin) != width)
      send(Sci::SCI_SETMARGINWIDTHN, margin, width);
  }
}

int CodeEditor::getMarginType(int margin) {
  return static_cast<int>(send(Sci::SCI_GETMARGINTYPEN, static_cast<unsigned long>(margin)));
}

int CodeEditor::getMarginWidth(int margin) {
  return static_cast<int>(send(Sci::SCI_GETMARGINWIDTHN, static_cast<unsigned long>(margin)));
}

void CodeEditor::setLexer(int lexer) { send(Sci::SCI_SETLEXER, static_cast<unsigned long>(lexer)); }

void CodeEditor::setKeywords(int list, const std::string& words) {
  // Matched against the document's bytes, so in the document's encoding.
  send(Sci::SCI_SETKEYWORDS, static_cast<unsigned long>(list), toDocument(beforeNul(words)).c_str());
}

void CodeEditor::braceHighlight(int a, int b) {
  const long docA = a < 0 ? -1 : toDocumentPos(a);
  const long docB = b < 0 ? -1 : toDocumentPos(b);
  send(Sci::SCI_BRACEHIGHLIGHT, static_cast<unsigned long>(docA), docB);
}

void CodeEditor::braceBadLight(int pos) {
  send(Sci::SCI_BRACEBADLIGHT, static_cast<unsigned long>(pos < 0 ? -1L : toDocumentPos(pos)));
}

int CodeEditor::braceMatch(int pos) {
  if (pos < 0 || pos >= getLength()) return -1;
  const long match = send(Sci::SCI_BRACEMATCH, static_cast<unsigned long>(toDocumentPos(pos)));
  return match < 0 ? -1 : fromDocumentPos(static_cast<int>(match));
}

void CodeEditor::setHighlightGuide(int column) {
  send(Sci::SCI_SETHIGHLIGHTGUIDE, static_cast<unsigned long>(std::max(0, column)));
}

// --- settings ---

void CodeEditor::setSetting(workflow::EditorSetting setting, int value) {
  const auto within = [&](int last) { return value >= 0 && value <= last ? value : 0; };
  const auto flag = static_cast<unsigned long>(value != 0);
  switch (setting) {
    case workflow::EditorSetting::ReadOnly:
      send(Sci::SCI_SETREADONLY, flag);
      break;
    case workflow::EditorSetting::ScrollBars:
      value = within(3);
      send(Sci::SCI_SETHSCROLLBAR, static_cast<unsigned long>(value & 1));
      send(Sci::SCI_SETVSCROLLBAR, static_cast<unsigned long>((value & 2) >> 1));
      break;
    case workflow::EditorSetting::WhiteSpaceView:
      value = within(2);
      send(Sci::SCI_SETVIEWWS, static_cast<unsigned long>(value));
      break;
    case workflow::EditorSetting::WhiteSpaceFore:
      send(Sci::SCI_SETWHITESPACEFORE, 1, colourSetting(value));
      break;
    case workflow::EditorSetting::WhiteSpaceBack:
      send(Sci::SCI_SETWHITESPACEBACK, 1, colourSetting(value));
      break;
    case workflow::EditorSetting::BusyPointer:
      value = within(1);
      send(Sci::SCI_SETCURSOR, static_cast<unsigned long>(value ? 4L : -1L));
      break;
    case workflow::EditorSetting::EolMode:
      value = within(2);
      send(Sci::SCI_SETEOLMODE, static_cast<unsigned long>(value));
      break;
    case workflow::EditorSetting::ShowLineBreaks:
      send(Sci::SCI_SETVIEWEOL, flag);
      break;
    case workflow::EditorSetting::SelectionFore:
      send(Sci::SCI_SETSELFORE, 1, colourSetting(value));
      break;
    case workflow::EditorSetting::SelectionBack:
      send(Sci::SCI_SETSELBACK, 1, colourSetting(value));
      break;
    case workflow::EditorSetting::CaretFore:
      send(Sci::SCI_SETCARETFORE, static_cast<unsigned long>(colourSetting(value)));
      break;
    case workflow::EditorSetting::CaretLineVisible:
      send(Sci::SCI_SETCARETLINEVISIBLE, flag);
      break;
    case workflow::EditorSetting::CaretLineBack:
      send(Sci::SCI_SETCARETLINEBACK, static_cast<unsigned long>(colourSetting(value)));
      break;
    case workflow::EditorSetting::CaretPeriod:
      value = std::max(0, value);
      send(Sci::SCI_SETCARETPERIOD, static_cast<unsigned long>(value));
      break;
    case workflow::EditorSetting::CaretWidth:
      value = within(3);
      send(Sci::SCI_SETCARETWIDTH, static_cast<unsigned long>(value));
      break;
    case workflow::EditorSetting::Utf8Text:
      switchUtf8(value != 0);
      break;
    case workflow::EditorSetting::IndentationGuides:
      send(Sci::SCI_SETINDENTATIONGUIDES, flag);
      break;
    case workflow::EditorSetting::WrapMode:
      send(Sci::SCI_SETWRAPMODE, flag);
      break;
  }
  const auto index = static_cast<std::size_t>(setting);
  if (index < settings_.size()) settings_[index] = value;
}

int CodeEditor::getSetting(workflow::EditorSetting setting) {
  switch (setting) {
    case workflow::EditorSetting::ShowLineBreaks:
      return static_cast<int>(send(Sci::SCI_GETVIEWEOL));
    case workflow::EditorSetting::CaretFore:
      return static_cast<int>(send(Sci::SCI_GETCARETFORE));
    case workflow::EditorSetting::CaretLineVisible:
      return static_cast<int>(send(Sci::SCI_GETCARETLINEVISIBLE));
    case workflow::EditorSetting::CaretLineBack:
      return static_cast<int>(send(Sci::SCI_GETCARETLINEBACK));
    case workflow::EditorSetting::CaretPeriod:
      return static_cast<int>(send(Sci::SCI_GETCARETPERIOD));
    case workflow::EditorSetting::CaretWidth:
      return static_cast<int>(send(Sci::SCI_GETCARETWIDTH));
    case workflow::EditorSetting::IndentationGuides:
      return static_cast<int>(send(Sci::SCI_GETINDENTATIONGUIDES));
    case workflow::EditorSetting::WrapMode:
      return static_cast<int>(send(Sci::SCI_GETWRAPMODE));
    default:
      break;
  }
  const auto index = static_cast<std::size_t>(setting);
  return index < settings_.size() ? settings_[index] : 0;
}

void CodeEditor::switchUtf8(bool on) {
  if (on == utf8_) return;
  // The program's bytes stay what they were; only how the widget holds them changes. Undoing
  // across the change would bring back bytes of the other form, so the history starts anew.
  const std::string text = fromDocument(documentBytes(0, static_cast<int>(send(Sci::SCI_GETLENGTH))));
  const int anchor = fromDocumentPos(static_cast<int>(send(Sci::SCI_GETANCHOR)));
  const int caret = getCurrentPos();
  const bool readOnly = send(Sci::SCI_GETREADONLY) != 0;
  utf8_ = on;
  send(Sci::SCI_SETREADONLY, 0);
  send(Sci::SCI_CLEARALL);
  const std::string bytes = toDocument(text);
  send(Sci::SCI_ADDTEXT, bytes.size(), bytes.c_str());
  send(Sci::SCI_SETREADONLY, static_cast<unsigned long>(readOnly));
  send(Sci::SCI_EMPTYUNDOBUFFER);
  pending_ = {};
  if (!utf8_) positions_.reset(static_cast<int>(send(Sci::SCI_GETLENGTH)));
  send(Sci::SCI_SETSEL, static_cast<unsigned long>(toDocumentPos(anchor)), toDocumentPos(caret));
}

// --- the control ---

void CodeEditor::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  // Handing the focus on as a click in the margin at (8, 23) would: the line shown there is
  // selected and the button events fire, so whatever a release of the left button does runs.
  // The margins take clicks for breakpoints; this one is to select, so they stop taking them
  // meanwhile.
  for (unsigned long margin : {0ul, 1ul}) send(Sci::SCI_SETMARGINSENSITIVEN, margin, 0L);
  QWidget* target = editing_->viewport();
  const QPointF point(8, 23);
  const QPointF global = target->mapToGlobal(point);
  QMouseEvent press(QEvent::MouseButtonPress, point, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(target, &press);
  editing_->setFocus(Qt::OtherFocusReason);
  QMouseEvent release(QEvent::MouseButtonRelease, point, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QCoreApplication::sendEvent(target, &release);
  for (unsigned long margin : {0ul, 1ul}) send(Sci::SCI_SETMARGINSENSITIVEN, margin, 1);
}

void CodeEditor::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  editing_->setGeometry(rect());
}

QMenu* CodeEditor::createContextMenu(QWidget* parent) {
  auto* menu = new QMenu(parent);
  const bool writable = send(Sci::SCI_GETREADONLY) == 0;
  const bool selected = send(Sci::SCI_GETSELECTIONSTART) != send(Sci::SCI_GETSELECTIONEND);
  const QMimeData* clip = QApplication::clipboard()->mimeData();
  const bool clipboardText = clip && clip->hasText();
  const auto add = [&](const char* caption, bool enabled, void (CodeEditor::*op)()) {
    QAction* action = menu->addAction(toQt(caption));
    action->setEnabled(enabled);
    connect(action, &QAction::triggered, this, [this, op] { (this->*op)(); });
  };
  add("撤消", writable && send(Sci::SCI_CANUNDO) != 0, &CodeEditor::undo);
  add("重复", writable && send(Sci::SCI_CANREDO) != 0, &CodeEditor::redo);
  menu->addSeparator();
  add("剪切", writable && selected, &CodeEditor::cut);
  add("复制", selected, &CodeEditor::copy);
  add("粘贴", writable && clipboardText, &CodeEditor::paste);
  add("删除", writable && selected, &CodeEditor::clear);
  menu->addSeparator();
  QAction* all = menu->addAction(toQt("选择全部"));
  connect(all, &QAction::triggered, this, [this] { send(Sci::SCI_SELECTALL); });
  if (!contextCommands_.empty()) menu->addSeparator();
  for (const ContextCommand& c : contextCommands_) {
    QAction* action = menu->addAction(toQt(c.caption));
    action->setEnabled(!c.needsSelection || selected);
    connect(action, &QAction::triggered, this, [run = c.run] { run(); });
  }
  if (extendMenu_) extendMenu_(menu);
  return menu;
}

void CodeEditor::addContextCommand(const std::string& caption, std::function<void()> run,
                                   bool needsSelection) {
  contextCommands_.push_back({caption, std::move(run), needsSelection});
}

}  // namespace jsdebug::editor
