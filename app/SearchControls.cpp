#include "app/SearchControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>

#include "app/SecondaryWindow.h"

namespace jsdebug::app {

void SearchControls::createOptions(int top) {
  wholeWord = new QCheckBox(QStringLiteral(u"全字匹配"), &window_);
  wholeWord->setGeometry(16, top, 78, 16);
  matchCase = new QCheckBox(QStringLiteral(u"区分大小写"), &window_);
  matchCase->setGeometry(16, top + 16, 88, 24);
  regExp = new QCheckBox(QStringLiteral(u"正则表达式"), &window_);
  regExp->setGeometry(16, top + 40, 86, 16);
  // The radio buttons are the window's children laid over the frame, so the positions stay
  // the window's own; being the window's only two radio buttons, they form one group.
  direction = new QGroupBox(QStringLiteral(u"方向"), &window_);
  direction->setGeometry(120, top, 136, 40);
  direction->setAlignment(Qt::AlignLeft);
  up = new QRadioButton(QStringLiteral(u"向上"), &window_);
  up->setGeometry(128, top + 16, 48, 16);
  down = new QRadioButton(QStringLiteral(u"向下"), &window_);
  down->setGeometry(192, top + 11, 48, 24);
}

void SearchControls::fill(workflow::Workbench& bench, const workflow::FindHistory& history) {
  for (const std::string& entry : history.entries()) findBox->addItem(editor::toQt(entry));
  findBox->setEditText(editor::toQt(workflow::initialFindText(bench)));
  down->setChecked(true);
}

std::string SearchControls::findBoxText() { return editor::fromQt(findBox->currentText()); }

void SearchControls::addFindBoxEntry(const std::string& text) {
  // Adding to an editable combo box may replace its edit text with the new item; keep it.
  const QString typed = findBox->currentText();
  findBox->addItem(editor::toQt(text));
  findBox->setEditText(typed);
}

bool SearchControls::wholeWordChecked() { return wholeWord->isChecked(); }
bool SearchControls::matchCaseChecked() { return matchCase->isChecked(); }
bool SearchControls::regExpChecked() { return regExp->isChecked(); }
bool SearchControls::searchDownChecked() { return down->isChecked(); }
void SearchControls::setAlwaysOnTop(bool on) { window_.setAlwaysOnTop(on); }

std::string SearchControls::replaceBoxText() {
  return replaceBox ? editor::fromQt(replaceBox->currentText()) : std::string();
}

}  // namespace jsdebug::app
