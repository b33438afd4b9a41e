#include "app/ReplaceWindow.h"

#include <QPushButton>

namespace jsdebug::app {

ReplaceWindow::ReplaceWindow(QWidget* mainWindow, workflow::Workbench& bench,
                             workflow::FindHistory& history, workflow::ReplaceMatch& match)
    : SecondaryWindow(QStringLiteral(u"替换..."), QSize(413, 187), false, mainWindow),
      workbench_(bench),
      history_(history),
      match_(match) {
  addLabel(QStringLiteral(u"查找内容："), 25, 14, 64, 24);
  controls_.findBox = addComboBox(96, 16, 200, 20);
  addLabel(QStringLiteral(u"替换内容："), 25, 49, 64, 24);
  controls_.replaceBox = addComboBox(96, 50, 200, 20);
  find_ = addButton(QStringLiteral(u"&F.查找"), 312, 8, 88, 24);
  replace_ = addButton(QStringLiteral(u"&R.替换"), 312, 44, 89, 23);
  replaceAll_ = addButton(QStringLiteral(u"&A.全部替换"), 312, 80, 88, 24);
  close_ = addButton(QStringLiteral(u"&C.关闭"), 312, 118, 88, 24);
  controls_.createOptions(96);
  setDefaultButton(find_);
  addEditorCommand(find_);
  addEditorCommand(replace_);
  addEditorCommand(replaceAll_);
  finishControls();

  connect(find_, &QPushButton::clicked, this, [this] {
    if (editorAvailable()) workflow::findNext(workbench_, history_, controls_, &match_);
  });
  connect(replace_, &QPushButton::clicked, this, [this] {
    if (editorAvailable()) workflow::replaceOne(workbench_, controls_, match_);
  });
  connect(replaceAll_, &QPushButton::clicked, this, [this] {
    if (editorAvailable()) workflow::replaceAll(workbench_, controls_, match_);
  });
  connect(close_, &QPushButton::clicked, this, &QWidget::close);

  controls_.fill(workbench_, history_);
  if (editorAvailable() && !workflow::replacingAllowed(workbench_.editor())) {
    replace_->setEnabled(false);
    replaceAll_->setEnabled(false);
  }
}

}  // namespace jsdebug::app
