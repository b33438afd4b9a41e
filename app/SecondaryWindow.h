#pragma once
// What the find, replace and go-to windows have in common: a fixed frame without minimize
// button, no owner (so a taskbar entry of its own), destroyed on closing; Enter clicks the default button from any control, Esc closes;
// and a watch on the main window, whose editor the commands work on.

#include <QPointer>
#include <QPushButton>
#include <string>

#include "app/FixedFrameWindow.h"
#include "editor/QtText.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace jsdebug::app {

class SecondaryWindow : public FixedFrameWindow {
 public:
  // `mainWindow` is watched, not the owner; null means the editor is always there (tests).
  SecondaryWindow(const QString& title, QSize outerSize, bool alwaysOnTop, QWidget* mainWindow);

  // Shows the window centred on the screen.
  void open();
  // A second opening: restored when minimized, otherwise activated and raised.
  void bringToFront();

  bool alwaysOnTop() const;
  void setAlwaysOnTop(bool on);

  // Whether the main window, and with it the editor, is still there.
  bool editorAvailable() const;

  QPushButton* defaultButton() const { return defaultButton_; }

 protected:
  QPushButton* addButton(const QString& caption, int left, int top, int width, int height);
  QLabel* addLabel(const QString& text, int left, int top, int width, int height);
  // An editable combo box whose list, when open, makes it 160 pixels tall.
  QComboBox* addComboBox(int left, int top, int width, int height);
  QCheckBox* addCheckBox(const QString& caption, int left, int top, int width, int height);

  void setDefaultButton(QPushButton* button);
  // Buttons that work on the editor: disabled for good once the main window has closed.
  void addEditorCommand(QPushButton* button) { editorCommands_.push_back(button); }
  // Called once all controls exist: routes Enter and Esc of every control through the window.
  void finishControls();

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void mainWindowGone();

  QPointer<QWidget> mainWindow_;
  bool watchingMainWindow_ = false;
  QPushButton* defaultButton_ = nullptr;
  QList<QPointer<QPushButton>> editorCommands_;
};

}  // namespace jsdebug::app
