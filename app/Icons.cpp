#include "app/Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace jsdebug::app {
namespace {

constexpr QSize kImageSize(16, 15);

const char* themeName(ToolbarImage image) {
  switch (image) {
    case ToolbarImage::NewWindow: return "window-new";
    case ToolbarImage::Open: return "document-open";
    case ToolbarImage::Save: return "document-save";
    case ToolbarImage::SaveWithCall: return "document-save-as";
    case ToolbarImage::Cut: return "edit-cut";
    case ToolbarImage::Copy: return "edit-copy";
    case ToolbarImage::Paste: return "edit-paste";
    case ToolbarImage::Delete: return "edit-delete";
    case ToolbarImage::Undo: return "edit-undo";
    case ToolbarImage::Redo: return "edit-redo";
    case ToolbarImage::Find: return "edit-find";
    case ToolbarImage::Replace: return "edit-find-replace";
    case ToolbarImage::GoToLine: return "go-jump";
    case ToolbarImage::Beautify: return "format-indent-more";
    case ToolbarImage::LineNumbers: return "format-list-ordered";
    case ToolbarImage::Browser: return "web-browser";
    case ToolbarImage::Help: return "help-about";
    case ToolbarImage::Exit: return "application-exit";
    case ToolbarImage::BrowserEnvironment: return "applications-internet";
  }
  return "";
}

const QColor kInk(40, 40, 40);
const QColor kPaper(255, 255, 255);
const QColor kBlue(30, 90, 200);
const QColor kGreen(20, 140, 60);
const QColor kRed(200, 30, 30);
const QColor kYellow(235, 190, 60);

void page(QPainter& p, QRectF r) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(kPaper);
  p.drawRect(r);
}

void textLines(QPainter& p, double left, double right, double top, int count, double step = 2.5) {
  p.setPen(QPen(kBlue, 1));
  for (int i = 0; i < count; ++i) p.drawLine(QPointF(left, top + i * step), QPointF(right, top + i * step));
}

void arrow(QPainter& p, bool forward) {
  QPainterPath path;
  path.moveTo(forward ? 3 : 13, 11);
  path.cubicTo(forward ? 3 : 13, 4, forward ? 12 : 4, 3, forward ? 12 : 4, 8);
  p.setPen(QPen(kBlue, 2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  QPolygonF head;
  const double x = forward ? 12 : 4;
  head << QPointF(x - 3.5, 7) << QPointF(x + 3.5, 7) << QPointF(x, 11.5);
  p.setPen(Qt::NoPen);
  p.setBrush(kBlue);
  p.drawPolygon(head);
}

void floppy(QPainter& p) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(kBlue);
  p.drawRect(QRectF(1.5, 1.5, 12, 12));
  p.setBrush(kPaper);
  p.drawRect(QRectF(4.5, 1.5, 6, 4));
  p.drawRect(QRectF(3.5, 8.5, 8, 5));
}

void draw(QPainter& p, ToolbarImage image) {
  switch (image) {
    case ToolbarImage::NewWindow:
      page(p, QRectF(1.5, 2.5, 13, 11));
      p.fillRect(QRectF(2, 3, 12, 3), kBlue);
      break;
    case ToolbarImage::Open: {
      p.setPen(QPen(kInk, 1));
      p.setBrush(kYellow);
      QPolygonF folder;
      folder << QPointF(1.5, 3.5) << QPointF(6, 3.5) << QPointF(7.5, 5) << QPointF(13.5, 5)
             << QPointF(13.5, 12.5) << QPointF(1.5, 12.5);
      p.drawPolygon(folder);
      p.setBrush(kYellow.lighter(120));
      QPolygonF flap;
      flap << QPointF(3.5, 7.5) << QPointF(15, 7.5) << QPointF(13.5, 12.5) << QPointF(1.5, 12.5);
      p.drawPolygon(flap);
      break;
    }
    case ToolbarImage::Save:
      floppy(p);
      break;
    case ToolbarImage::SaveWithCall:
      floppy(p);
      p.setPen(QPen(kGreen, 2));
      p.drawLine(QPointF(12, 8), QPointF(12, 14));
      p.drawLine(QPointF(9, 11), QPointF(15, 11));
      break;
    case ToolbarImage::Cut:
      p.setPen(QPen(kInk, 1.2));
      p.drawLine(QPointF(4, 1), QPointF(10.5, 10));
      p.drawLine(QPointF(12, 1), QPointF(5.5, 10));
      p.setPen(QPen(kRed, 1.5));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QPointF(4.5, 11.5), 2.5, 2.5);
      p.drawEllipse(QPointF(11.5, 11.5), 2.5, 2.5);
      break;
    case ToolbarImage::Copy:
      page(p, QRectF(1.5, 1.5, 8, 9));
      page(p, QRectF(6.5, 4.5, 8, 9));
      textLines(p, 8.5, 12.5, 7, 3);
      break;
    case ToolbarImage::Paste:
      p.setPen(QPen(kInk, 1));
      p.setBrush(QColor(170, 120, 60));
      p.drawRect(QRectF(2.5, 2.5, 10, 11));
      p.setBrush(QColor(200, 200, 200));
      p.drawRect(QRectF(5.5, 1.5, 4, 2));
      page(p, QRectF(6.5, 6.5, 8, 8));
      break;
    case ToolbarImage::Delete:
      p.setPen(QPen(kRed, 2.2));
      p.drawLine(QPointF(3, 3), QPointF(13, 12));
      p.drawLine(QPointF(13, 3), QPointF(3, 12));
      break;
    case ToolbarImage::Undo:
      arrow(p, false);
      break;
    case ToolbarImage::Redo:
      arrow(p, true);
      break;
    case ToolbarImage::Find:
      p.setPen(QPen(kInk, 1.5));
      p.setBrush(QColor(200, 230, 255));
      p.drawEllipse(QPointF(6, 6), 4, 4);
      p.setPen(QPen(kInk, 2.5));
      p.drawLine(QPointF(9, 9), QPointF(14, 14));
      break;
    case ToolbarImage::Replace:
      page(p, QRectF(1.5, 1.5, 7, 8));
      p.setPen(QPen(kGreen, 1.5));
      p.drawLine(QPointF(6, 12), QPointF(13, 12));
      p.drawLine(QPointF(13, 12), QPointF(13, 6));
      p.drawLine(QPointF(11, 8), QPointF(13, 5.5));
      p.drawLine(QPointF(15, 8), QPointF(13, 5.5));
      break;
    case ToolbarImage::GoToLine:
      textLines(p, 7, 15, 2.5, 5);
      p.setPen(QPen(kRed, 1.5));
      p.drawLine(QPointF(1, 7.5), QPointF(5, 7.5));
      p.drawLine(QPointF(3, 5.5), QPointF(5.5, 7.5));
      p.drawLine(QPointF(3, 9.5), QPointF(5.5, 7.5));
      break;
    case ToolbarImage::Beautify:
      p.setPen(QPen(kBlue, 1));
      p.drawLine(QPointF(1, 2.5), QPointF(10, 2.5));
      p.drawLine(QPointF(5, 5.5), QPointF(14, 5.5));
      p.drawLine(QPointF(5, 8.5), QPointF(12, 8.5));
      p.drawLine(QPointF(1, 11.5), QPointF(6, 11.5));
      p.setPen(QPen(kGreen, 1));
      p.drawLine(QPointF(1.5, 5), QPointF(1.5, 9));
      break;
    case ToolbarImage::LineNumbers: {
      QFont font;
      font.setPixelSize(6);
      font.setBold(true);
      p.setFont(font);
      p.setPen(kInk);
      for (int i = 0; i < 3; ++i) p.drawText(QRectF(0, i * 5, 5, 5), Qt::AlignCenter, QString::number(i + 1));
      textLines(p, 6.5, 15, 2.5, 3, 5);
      break;
    }
    case ToolbarImage::Browser:
      p.setPen(QPen(kBlue, 1));
      p.setBrush(QColor(200, 230, 255));
      p.drawEllipse(QPointF(7.5, 7.5), 6, 6);
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QPointF(7.5, 7.5), 2.5, 6);
      p.drawLine(QPointF(1.5, 7.5), QPointF(13.5, 7.5));
      break;
    case ToolbarImage::Help: {
      p.setPen(Qt::NoPen);
      p.setBrush(kBlue);
      p.drawEllipse(QPointF(7.5, 7.5), 6.5, 6.5);
      QFont font;
      font.setPixelSize(11);
      font.setBold(true);
      p.setFont(font);
      p.setPen(Qt::white);
      p.drawText(QRectF(0, 0, 15, 15), Qt::AlignCenter, QStringLiteral("?"));
      break;
    }
    case ToolbarImage::Exit:
      p.setPen(QPen(kInk, 1));
      p.setBrush(QColor(150, 100, 60));
      p.drawRect(QRectF(2.5, 1.5, 7, 12));
      p.setPen(QPen(kRed, 2));
      p.drawLine(QPointF(8, 7.5), QPointF(15, 7.5));
      p.drawLine(QPointF(12.5, 5), QPointF(15, 7.5));
      p.drawLine(QPointF(12.5, 10), QPointF(15, 7.5));
      break;
    case ToolbarImage::BrowserEnvironment:
      // A page (the environment) with the globe of "浏览器运行" in its corner.
      page(p, QRectF(1.5, 1.5, 9, 12));
      textLines(p, 3, 9, 4.5, 3);
      p.setPen(QPen(kGreen, 1));
      p.setBrush(QColor(210, 240, 215));
      p.drawEllipse(QPointF(11, 10), 4, 4);
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QPointF(11, 10), 1.5, 4);
      p.drawLine(QPointF(7, 10), QPointF(15, 10));
      break;
  }
}

}  // namespace

QIcon toolbarIcon(ToolbarImage image) {
  QIcon themed = QIcon::fromTheme(QString::fromLatin1(themeName(image)));
  if (!themed.isNull()) return themed;
  QPixmap pixmap(kImageSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  draw(painter, image);
  painter.end();
  return QIcon(pixmap);
}

QIcon applicationIcon() {
  // Installed, the desktop's icon folders hold our drawing at every size; the task bar and the
  // menu then show the same picture.
  const QIcon installed = QIcon::fromTheme(QStringLiteral(JSDEBUG_APP_ID));
  if (!installed.isNull()) return installed;
  QIcon icon;
  for (int side : {16, 32}) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 219, 79));
    p.drawRoundedRect(QRectF(0, 0, side, side), side / 6.0, side / 6.0);
    QFont font;
    font.setPixelSize(side * 9 / 16);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(50, 51, 48));
    p.drawText(QRectF(0, side / 8.0, side - side / 10.0, side - side / 8.0),
               Qt::AlignRight | Qt::AlignBottom, QStringLiteral("JS"));
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace jsdebug::app
