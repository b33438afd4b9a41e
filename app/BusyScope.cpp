#include "app/BusyScope.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

#include "app/MainWindow.h"
#include "engine/DuktapeHost.h"

namespace jsdebug::app {
namespace {

// Often enough to look alive, rarely enough that painting costs the script little of its time.
constexpr qint64 kPaintIntervalMs = 50;

QElapsedTimer& lastPaint() {
  static QElapsedTimer timer;
  return timer;
}

MainWindow* busyWindow = nullptr;

// Input stays queued here and is dropped once the command is over. While a worker (a download,
// a jsfuck decoding) is out, its result would be carried out in here, in the middle of the
// command, and could be overwritten by it: then the window waits unpainted, as it always did.
void keepPainted() {
  if (lastPaint().isValid() && lastPaint().elapsed() < kPaintIntervalMs) return;
  if (busyWindow == nullptr || busyWindow->guiThread().activeWorkers() > 0) return;
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  lastPaint().start();
}

bool isInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
      return true;
    default:
      return false;
  }
}

}  // namespace

BusyScope::BusyScope(MainWindow& window) : window_(window) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  qApp->installEventFilter(this);
  lastPaint().invalidate();
  busyWindow = &window_;
  engine::setBusyHook(keepPainted);
}

BusyScope::~BusyScope() {
  engine::setBusyHook(nullptr);
  busyWindow = nullptr;
  // What was clicked or typed into the window during the command reaches the filter now.
  QCoreApplication::processEvents();
  qApp->removeEventFilter(this);
  QApplication::restoreOverrideCursor();
}

// Only the blocked window's own input goes: a message box the command opens takes its clicks.
bool BusyScope::eventFilter(QObject* watched, QEvent* event) {
  if (!isInput(event->type()) || !watched->isWidgetType()) return false;
  return static_cast<QWidget*>(watched)->window() == &window_;
}

}  // namespace jsdebug::app
