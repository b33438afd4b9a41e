#include "app/Icons.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

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

// The letters two pictures carry, drawn over the picture as the window draws its text: an SVG's
// text is laid out as unhinted outlines, which blur at 6 and 11 pixels.
struct Glyph {
  ToolbarImage image;
  const char* text;
  QRectF box;
  int pixelSize;
  QColor color;
};
const Glyph kGlyphs[] = {
    {ToolbarImage::LineNumbers, "1", {0, 0, 5, 5}, 6, QColor(40, 40, 40)},
    {ToolbarImage::LineNumbers, "2", {0, 5, 5, 5}, 6, QColor(40, 40, 40)},
    {ToolbarImage::LineNumbers, "3", {0, 10, 5, 5}, 6, QColor(40, 40, 40)},
    {ToolbarImage::Help, "?", {0, 0, 15, 15}, 11, Qt::white},
};

}  // namespace

QIcon toolbarIcon(ToolbarImage image) {
  QIcon themed = QIcon::fromTheme(QString::fromLatin1(themeName(image)));
  if (!themed.isNull()) return themed;
  return drawnToolbarIcon(image);
}

QIcon drawnToolbarIcon(ToolbarImage image) {
  QPixmap pixmap(kImageSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  // The pictures are named as the theme names the images they stand in for.
  QSvgRenderer(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(themeName(image))))
      .render(&painter);
  for (const Glyph& g : kGlyphs) {
    if (g.image != image) continue;
    QFont font;
    font.setPixelSize(g.pixelSize);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(g.color);
    painter.drawText(g.box, Qt::AlignCenter, QString::fromLatin1(g.text));
  }
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
