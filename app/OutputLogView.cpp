#include "app/OutputLogView.h"

#include <QContextMenuEvent>
#include <QMenu>

#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>

namespace jsdebug::app {
namespace {

// The userState of a block that goes on the line of the block before it.
constexpr int kContinuation = 1;

}  // namespace

OutputLogView::OutputLogView(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setUndoRedoEnabled(false);
}

void OutputLogView::clearText() {
  clear();
  endsInCr_ = false;
  lastLineLength_ = 0;
}

void OutputLogView::appendText(const QString& text) {
  if (text.isEmpty()) return;
  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  // One edit block: the layout is brought up to date once, not after every piece.
  cursor.beginEditBlock();
  qsizetype i = 0;
  // A CR LF pair split over two appends is one break.
  if (endsInCr_ && text.front() == u'\n') i = 1;
  endsInCr_ = text.back() == u'\r';
  QString piece;
  auto flush = [&] {
    if (!piece.isEmpty()) cursor.insertText(piece);
    piece.clear();
  };
  for (; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u'\r' || c == u'\n') {
      if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      flush();
      cursor.insertBlock();
      lastLineLength_ = 0;
      continue;
    }
    if (lastLineLength_ > 0 && lastLineLength_ % kPieceLength == 0) {
      flush();
      cursor.insertBlock();
      cursor.block().setUserState(kContinuation);
    }
    piece += c;
    ++lastLineLength_;
  }
  flush();
  cursor.endEditBlock();
  setTextCursor(cursor);
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
  ensureCursorVisible();
}

void OutputLogView::scrollToTop() {
  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::Start);
  setTextCursor(cursor);
  verticalScrollBar()->setValue(verticalScrollBar()->minimum());
}

QString OutputLogView::copiedText(int from, int to) const {
  QString out;
  QTextBlock block = document()->findBlock(from);
  bool first = true;
  while (block.isValid() && block.position() <= to) {
    if (!first && block.userState() != kContinuation) out += u'\n';
    const int start = std::max(from, block.position()) - block.position();
    const int end = std::min(to, block.position() + block.length() - 1) - block.position();
    if (end > start) out += block.text().mid(start, end - start);
    first = false;
    block = block.next();
  }
  return out;
}

QString OutputLogView::selectedText() const {
  const QTextCursor cursor = textCursor();
  return cursor.hasSelection() ? copiedText(cursor.selectionStart(), cursor.selectionEnd()) : QString();
}

QMenu* OutputLogView::createContextMenu() {
  QMenu* menu = createStandardContextMenu();
  if (extendMenu_) extendMenu_(menu);
  return menu;
}

void OutputLogView::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
  event->accept();
}

QMimeData* OutputLogView::createMimeDataFromSelection() const {
  const QTextCursor cursor = textCursor();
  auto* data = new QMimeData;
  data->setText(copiedText(cursor.selectionStart(), cursor.selectionEnd()));
  return data;
}

}  // namespace jsdebug::app
