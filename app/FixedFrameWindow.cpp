#include "app/FixedFrameWindow.h"

#include <QGuiApplication>
#include <QScreen>

namespace jsdebug::app {

FixedFrameWindow::FixedFrameWindow(QSize outerSize, Qt::WindowFlags extraFlags)
    : QWidget(nullptr), outerSize_(outerSize) {
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint | extraFlags);
  // Until a window manager has framed the window, it is its own outer rectangle.
  setFixedSize(outerSize_);
}

QPoint FixedFrameWindow::centredOrigin(const QRect& area, QSize outerSize) {
  return {area.x() + (area.width() - outerSize.width()) / 2,
          area.y() + (area.height() - outerSize.height()) / 2};
}

bool FixedFrameWindow::event(QEvent* event) {
  // Activation and the first paints come after the frame is known, however late. The type is
  // read first: some events (a deferred delete) end the window inside the handler.
  const bool refit = event->type() == QEvent::WindowActivate || event->type() == QEvent::Paint;
  const bool handled = QWidget::event(event);
  if (refit && isVisible()) fitOuterSize();
  return handled;
}

void FixedFrameWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  fitOuterSize();
}

void FixedFrameWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (isVisible()) fitOuterSize();
}

void FixedFrameWindow::fitOuterSize() {
  const QSize frame = frameGeometry().size() - size();
  if (frame == appliedFrame_) return;
  const bool first = appliedFrame_ == QSize(-1, -1);
  appliedFrame_ = frame;
  const QSize client = (outerSize_ - frame).expandedTo(QSize(1, 1));
  const bool resized = client != size();
  if (resized) setFixedSize(client);
  if (first || resized) centre();
}

void FixedFrameWindow::centre() {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  move(centredOrigin(screen->availableGeometry(), outerSize_));
}

}  // namespace jsdebug::app
