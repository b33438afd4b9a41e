#include "app/SecondaryWindow.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QWindow>

namespace jsdebug::app {
namespace {

// The combo box with its list open is this tall.
constexpr int kDroppedComboHeight = 160;

}  // namespace

SecondaryWindow::SecondaryWindow(const QString& title, QSize outerSize, bool alwaysOnTop,
                                 QWidget* mainWindow)
    : FixedFrameWindow(outerSize, alwaysOnTop ? Qt::WindowStaysOnTopHint : Qt::WindowFlags()),
      mainWindow_(mainWindow) {
  setWindowTitle(title);
  setAttribute(Qt::WA_DeleteOnClose);

  if (mainWindow) {
    watchingMainWindow_ = true;
    mainWindow->installEventFilter(this);
    connect(mainWindow, &QObject::destroyed, this, [this] { mainWindowGone(); });
  }
}

void SecondaryWindow::open() {
  show();
  raise();
  activateWindow();
}

void SecondaryWindow::bringToFront() {
  if (isMinimized()) {
    showNormal();
  } else {
    show();
    raise();
    activateWindow();
  }
}

bool SecondaryWindow::alwaysOnTop() const {
  return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void SecondaryWindow::setAlwaysOnTop(bool on) {
  Qt::WindowFlags flags = windowFlags();
  flags.setFlag(Qt::WindowStaysOnTopHint, on);
  if (flags == windowFlags()) return;
  if (QWindow* handle = windowHandle()) {
    // setWindowFlags would hide the window and create it anew; the platform window can change
    // its stacking in place.
    overrideWindowFlags(flags);
    handle->setFlags(flags);
  } else {
    setWindowFlags(flags);
  }
}

bool SecondaryWindow::editorAvailable() const {
  return !watchingMainWindow_ || (mainWindow_ && mainWindow_->isVisible());
}

QPushButton* SecondaryWindow::addButton(const QString& caption, int left, int top, int width,
                                        int height) {
  auto* button = new QPushButton(caption, this);
  button->setGeometry(left, top, width, height);
  // Enter is the window's, not the focused button's (see eventFilter).
  button->setAutoDefault(false);
  return button;
}

QLabel* SecondaryWindow::addLabel(const QString& text, int left, int top, int width, int height) {
  auto* label = new QLabel(text, this);
  label->setGeometry(left, top, width, height);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->setWordWrap(false);
  // "&" in a caption is an access key only on buttons.
  label->setTextFormat(Qt::PlainText);
  return label;
}

QComboBox* SecondaryWindow::addComboBox(int left, int top, int width, int height) {
  auto* box = new QComboBox(this);
  box->setEditable(true);
  // The list holds what the program puts there; typing neither adds to it nor completes from it.
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setCompleter(nullptr);
  box->setGeometry(left, top, width, height);
  box->view()->window()->setMaximumHeight(kDroppedComboHeight - height);
  return box;
}

QCheckBox* SecondaryWindow::addCheckBox(const QString& caption, int left, int top, int width,
                                        int height) {
  auto* box = new QCheckBox(caption, this);
  box->setGeometry(left, top, width, height);
  return box;
}

void SecondaryWindow::setDefaultButton(QPushButton* button) {
  defaultButton_ = button;
  button->setDefault(true);
}

void SecondaryWindow::finishControls() {
  // Opened after the main window has closed: the commands are dead from the start.
  if (watchingMainWindow_ && !editorAvailable()) mainWindowGone();
  installEventFilter(this);
  for (QWidget* child : findChildren<QWidget*>()) {
    // A combo box's open list is a window of its own and keeps Enter and Esc for itself.
    if (child->window() == this) child->installEventFilter(this);
  }
}

bool SecondaryWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == mainWindow_.data()) {
    if (event->type() == QEvent::Hide && !mainWindow_->isVisible()) mainWindowGone();
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
  if (modifiers != Qt::NoModifier) return false;
  if (key->key() == Qt::Key_Escape) {
    close();
    return true;
  }
  if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
    if (defaultButton_ && defaultButton_->isEnabled()) defaultButton_->click();
    return true;
  }
  return false;
}

void SecondaryWindow::mainWindowGone() {
  // The commands would reach an editor that no longer exists. The window itself stays until
  // the user closes it, so the program keeps running until then.
  watchingMainWindow_ = true;
  if (mainWindow_) mainWindow_->removeEventFilter(this);
  mainWindow_ = nullptr;
  for (const QPointer<QPushButton>& button : editorCommands_)
    if (button) button->setEnabled(false);
}

}  // namespace jsdebug::app
