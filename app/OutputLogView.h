#pragma once
// The OutputLog control: read-only, appended to at the end and scrolled there. CR LF, a lone CR
// and a lone LF each break a line, as the log's texts mix them.
//
// A run may return megabytes on one line, and a text layout of one such line takes minutes. So
// the view cuts long lines into pieces of its own: each piece is a block of the document
// marked as a continuation, and copying joins those pieces again, so what the user copies is
// what the commands wrote.

#include <QPlainTextEdit>
#include <functional>

class QMenu;

namespace jsdebug::app {

class OutputLogView : public QPlainTextEdit {
 public:
  explicit OutputLogView(QWidget* parent);

  void appendText(const QString& text);
  void clearText();
  // Shows the first line again; the next append scrolls to the end as ever.
  void scrollToTop();

  // The text as a user would copy it with everything selected.
  QString copiedText(int from, int to) const;
  QString selectedText() const;

  // The right-click menu: Qt's own items, then those the window adds. The caller owns it.
  QMenu* createContextMenu();
  void setContextMenuExtension(std::function<void(QMenu*)> extend) { extendMenu_ = std::move(extend); }

  // Characters per displayed piece of a long line.
  static constexpr int kPieceLength = 4096;

 protected:
  QMimeData* createMimeDataFromSelection() const override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  bool endsInCr_ = false;
  int lastLineLength_ = 0;
  std::function<void(QMenu*)> extendMenu_;
};

}  // namespace jsdebug::app
