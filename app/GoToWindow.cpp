#include "app/GoToWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "workflow/GoToLine.h"
#include "workflow/Workbench.h"

namespace jsdebug::app {

GoToWindow::GoToWindow(QWidget* mainWindow, workflow::Workbench& bench)
    : SecondaryWindow(QStringLiteral(u"定位到..."), QSize(267, 104), false, mainWindow),
      workbench_(bench) {
  prompt_ = addLabel(QString(), 16, 8, 168, 16);
  addLabel(QStringLiteral(u"跳到："), 20, 41, 32, 16);
  // Created in the focus order: the line box, "&C.取消", "&N.确定".
  lineBox_ = new QLineEdit(this);
  lineBox_->setGeometry(64, 39, 120, 20);
  cancel_ = addButton(QStringLiteral(u"&C.取消"), 200, 37, 48, 24);
  ok_ = addButton(QStringLiteral(u"&N.确定"), 200, 4, 48, 24);
  setDefaultButton(ok_);
  addEditorCommand(ok_);
  finishControls();

  connect(ok_, &QPushButton::clicked, this, [this] {
    if (editorAvailable() && workflow::goToLine(workbench_, editor::fromQt(lineBox_->text())))
      close();
  });
  connect(cancel_, &QPushButton::clicked, this, &QWidget::close);

  if (editorAvailable()) prompt_->setText(editor::toQt(workflow::goToPrompt(workbench_.editor())));
  lineBox_->setFocus();
}

}  // namespace jsdebug::app
