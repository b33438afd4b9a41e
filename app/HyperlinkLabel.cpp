#include "app/HyperlinkLabel.h"

#include <QDesktopServices>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QProcess>
#include <QUrl>

namespace jsdebug::app {

HyperlinkLabel::HyperlinkLabel(const QString& caption, const QString& address, QWidget* parent)
    : QLabel(caption, parent), address_(address), opener_(openInBrowser) {
  setTextFormat(Qt::PlainText);
  setWordWrap(false);
  setAlignment(Qt::AlignCenter);
  setFrameShape(QFrame::NoFrame);
  setCursor(Qt::PointingHandCursor);
  // Drawn on the window's background, which shows through.
  setAutoFillBackground(false);
  setHovered(false);
}

QColor HyperlinkLabel::textColour() const { return palette().color(QPalette::WindowText); }

void HyperlinkLabel::setHovered(bool on) {
  hovered_ = on;
  QPalette p = palette();
  p.setColor(QPalette::WindowText, on ? kHover : kNormal);
  setPalette(p);
}

void HyperlinkLabel::enterEvent(QEnterEvent* event) {
  QLabel::enterEvent(event);
  setHovered(true);
}

void HyperlinkLabel::leaveEvent(QEvent* event) {
  QLabel::leaveEvent(event);
  setHovered(false);
}

void HyperlinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && opener_)
    opener_(address_);
}

void openInBrowser(const QString& address) {
  if (QDesktopServices::openUrl(QUrl(address))) return;
  // The desktop's own opener is missing or failed; Debian's alternatives name the browser
  // registered for web pages.
  for (const char* browser : {"sensible-browser", "x-www-browser"}) {
    if (QProcess::startDetached(QString::fromLatin1(browser), {address})) return;
  }
}

}  // namespace jsdebug::app
