#pragma once
// A top-level window of a fixed outer size, frame and title bar included, centred on its screen.
// The main window and the find, replace and go-to windows all are one: the window manager tells
// the frame only after showing the window, and sometimes late, so the client size follows each
// frame it reports.

#include <QSize>
#include <QWidget>

namespace jsdebug::app {

class FixedFrameWindow : public QWidget {
 public:
  QSize outerSize() const { return outerSize_; }

  // Where the outer rectangle's top left goes on a screen area: half the space left on each
  // side, rounded down. QRect::center() would sit a pixel up and left of it on even sizes.
  static QPoint centredOrigin(const QRect& area, QSize outerSize);

 protected:
  // A title bar with a system menu and a close button, no maximize button; `extraFlags` adds to
  // that (a minimize button, staying on top).
  FixedFrameWindow(QSize outerSize, Qt::WindowFlags extraFlags);

  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  // Centres when the frame first becomes known and whenever it changes the client size; a
  // window the user has moved stays where it is otherwise.
  void fitOuterSize();
  void centre();

  QSize outerSize_;
  QSize appliedFrame_{-1, -1};
};

}  // namespace jsdebug::app
