#pragma once
// The desktop for the real window: Qt's file dialog, the desktop's default programs, detached
// processes. Paths cross as the platform's narrow file names (QFile::encodeName).

#include <QString>

#include "workflow/Desktop.h"

namespace jsdebug::app {

class QtDesktop : public workflow::Desktop {
 public:
  std::optional<std::string> chooseFile(const workflow::FileDialogRequest& request) override;
  bool openWithDefaultProgram(const std::string& path) override;
  void startDetached(const std::string& program) override;
  std::string executablePath() override;
  std::string executableDirectory() override;
};

// "label|pattern|label|pattern" as Qt's name filters ("label (pattern)"), in order; a pattern's
// ";" separators become blanks and a label without a pattern matches every file.
QStringList qtNameFilters(const std::string& filter);

}  // namespace jsdebug::app
