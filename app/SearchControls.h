#pragma once
// The controls the find and replace windows share (find box, the three check boxes, the
// "方向" frame with its radio buttons), read by the search operations through ReplacePanel.

#include <string>

#include "workflow/FindReplace.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QRadioButton;

namespace jsdebug::workflow {
class FindHistory;
}  // namespace jsdebug::workflow

namespace jsdebug::app {

class SecondaryWindow;

class SearchControls : public workflow::ReplacePanel {
 public:
  explicit SearchControls(SecondaryWindow& window) : window_(window) {}

  // The check boxes and the direction frame, with their top edge at `top`.
  void createOptions(int top);
  // What a find box holds when its window opens: the history, the clipboard's first bytes;
  // and "向下" checked.
  void fill(workflow::Workbench& bench, const workflow::FindHistory& history);

  std::string findBoxText() override;
  void addFindBoxEntry(const std::string& text) override;
  bool wholeWordChecked() override;
  bool matchCaseChecked() override;
  bool regExpChecked() override;
  bool searchDownChecked() override;
  void setAlwaysOnTop(bool on) override;
  std::string replaceBoxText() override;

  QComboBox* findBox = nullptr;
  QComboBox* replaceBox = nullptr;
  QCheckBox* wholeWord = nullptr;
  QCheckBox* matchCase = nullptr;
  QCheckBox* regExp = nullptr;
  QGroupBox* direction = nullptr;
  QRadioButton* up = nullptr;
  QRadioButton* down = nullptr;

 private:
  SecondaryWindow& window_;
};

}  // namespace jsdebug::app
