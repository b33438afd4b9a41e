#pragma once
// What the desktop offers the commands beyond the window's own controls: the shared file dialog,
// opening a file with its default program, starting a process, and where the executable lives.
// The Qt window implements it (QFileDialog, QDesktopServices, QProcess); HeadlessDesktop stands
// in for tests and the CLI.
//
// Paths are in the platform's narrow file-name encoding (UTF-8 on Linux, the ANSI code page on
// Windows), ready for fopen; titles and filters are GBK text like every other text.

#include <optional>
#include <string>

namespace jsdebug::workflow {

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
  FileDialogKind kind = FileDialogKind::Open;
  std::string title;
  // "label|pattern|label|pattern..."; a label may stand alone, without a pattern. The first pair
  // is the initial filter. No default extension: a name typed without one is used as typed.
  std::string filter;
  // Offered as the initial file name; empty for none.
  std::string initialPath;
};

class Desktop {
 public:
  virtual ~Desktop() = default;

  // Shows the dialog and returns the chosen path, or nothing when the user cancelled.
  virtual std::optional<std::string> chooseFile(const FileDialogRequest& request) = 0;
  // Opens the file with the desktop's default program for it; false when none could be asked
  // (no desktop, no program for the type).
  virtual bool openWithDefaultProgram(const std::string& path) = 0;
  // Starts the program as an independent process, not waiting for it; failures are not reported.
  virtual void startDetached(const std::string& program) = 0;
  // The full path of the running executable, and its directory without a trailing separator.
  virtual std::string executablePath() = 0;
  virtual std::string executableDirectory() = 0;
};

}  // namespace jsdebug::workflow
