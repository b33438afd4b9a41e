#include "app/FindWindow.h"

#include <QCheckBox>
#include <QPushButton>

namespace jsdebug::app {

FindWindow::FindWindow(QWidget* mainWindow, workflow::Workbench& bench,
                       workflow::FindHistory& history)
    : SecondaryWindow(QStringLiteral(u"查找..."), QSize(427, 147), true, mainWindow),
      workbench_(bench),
      history_(history) {
  addLabel(QStringLiteral(u"查找内容："), 22, 14, 58, 24);
  controls_.findBox = addComboBox(104, 16, 200, 20);
  findNext_ = addButton(QStringLiteral(u"&F.查找下一处"), 320, 11, 88, 24);
  close_ = addButton(QStringLiteral(u"&C.关闭"), 319, 53, 88, 24);
  controls_.createOptions(48);
  setDefaultButton(findNext_);
  addEditorCommand(findNext_);
  finishControls();

  connect(findNext_, &QPushButton::clicked, this, [this] {
    if (editorAvailable()) workflow::findNext(workbench_, history_, controls_);
  });
  connect(close_, &QPushButton::clicked, this, &QWidget::close);
  // Whole words mean nothing to a regular expression; the box keeps its check and its flag.
  connect(controls_.regExp, &QCheckBox::toggled, this,
          [this](bool on) { controls_.wholeWord->setEnabled(!on); });

  controls_.fill(workbench_, history_);
}

}  // namespace jsdebug::app
