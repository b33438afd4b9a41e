#pragma once
// The desktop without a window: dialogs answer from a queue (cancelled when it is empty), and
// everything asked of the desktop is recorded for tests to inspect.

#include <deque>
#include <vector>

#include "workflow/Desktop.h"

namespace jsdebug::workflow {

class HeadlessDesktop : public Desktop {
 public:
  std::optional<std::string> chooseFile(const FileDialogRequest& request) override {
    dialogs.push_back(request);
    if (answers.empty()) return std::nullopt;
    std::optional<std::string> answer = answers.front();
    answers.pop_front();
    return answer;
  }
  bool openWithDefaultProgram(const std::string& path) override {
    opened.push_back(path);
    return canOpen;
  }
  void startDetached(const std::string& program) override { started.push_back(program); }
  std::string executablePath() override { return executableDirectory() + "/" + executableName; }
  std::string executableDirectory() override { return directory; }

  // The next dialogs' answers in order; std::nullopt is a cancel.
  std::deque<std::optional<std::string>> answers;
  std::vector<FileDialogRequest> dialogs;
  std::vector<std::string> opened;
  bool canOpen = true;  // false: as if there were no program to open files with
  std::vector<std::string> started;
  std::string directory = ".";
  std::string executableName = "jsdebug";
};

}  // namespace jsdebug::workflow
