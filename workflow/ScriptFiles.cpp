#include "workflow/ScriptFiles.h"

#include <cerrno>

#include "platform/FileBytes.h"
#include "platform/Paths.h"
#include "text/Codec.h"
#include "workflow/CallBox.h"
#include "workflow/Desktop.h"
#include "workflow/Workbench.h"

namespace jsdebug::workflow {

namespace {

std::string reasonText(std::error_code reason) {
  if (reason.category() == std::generic_category() || reason.category() == std::system_category()) {
    switch (reason.value()) {
      case EACCES:
      case EPERM:
        return "没有写入权限";
      case ENOSPC:
#ifdef EDQUOT
      case EDQUOT:
#endif
        return "磁盘空间不足";
      case EISDIR:
        return "选择的是一个文件夹";
      case EROFS:
        return "磁盘是只读的";
      case ENOENT:
      case ENOTDIR:
        return "文件夹不存在";
      case ENAMETOOLONG:
        return "文件名太长";
      default:
        break;
    }
  }
  std::string text = "写入出错（";
  return text.append(platform::systemErrorText(reason)).append("）");
}

std::string readReasonText(std::error_code reason) {
  if (reason == std::errc::is_a_directory) return "选择的是一个文件夹";
  if (reason == std::errc::not_supported) return "不是普通文件";
  if (reason == std::errc::file_too_large) return "文件超过256MB，不是脚本";
  if (reason == std::errc::no_such_file_or_directory) return "文件不存在";
  if (reason == std::errc::permission_denied || reason == std::errc::operation_not_permitted)
    return "没有读取权限";
  std::string text = "读取出错（";
  return text.append(platform::systemErrorText(reason)).append("）");
}

}  // namespace

std::string openFailedMessage(const std::string& path, std::error_code reason) {
  std::string message = "文件打开失败：";
  return message.append(platform::nativeToGbk(path))
      .append("\r\n")
      .append(readReasonText(reason))
      .append("，编辑框的代码没有改变。");
}

std::string bytesToText(std::string_view bytes) {
  return std::string(bytes.substr(0, bytes.find('\0')));
}

void noteUtf8Script(Workbench& bench, std::string_view text) {
  // Its strings would reach the engines as the wrong characters, silently.
  if (gbk::isNonAsciiUtf8(text)) bench.appendLog(kUtf8ScriptNote);
}

std::string saveFailedMessage(const std::string& path, std::error_code reason) {
  std::string message = "文件保存失败：";
  return message.append(platform::nativeToGbk(path))
      .append("\r\n")
      .append(reasonText(reason))
      .append("，脚本没有保存。");
}

void ScriptFiles::openScriptFile() {
  const std::optional<std::string> path =
      desktop_.chooseFile({FileDialogKind::Open, kOpenDialogTitle, kOpenDialogFilter, lastPath_});
  if (path) openScriptPath(*path);
}

void ScriptFiles::openScriptPath(const std::string& path) {
  lastPath_ = path;
  std::string bytes;
  // A file that cannot be read must not cost the user the script in the editor.
  if (const std::error_code error = platform::readScriptFile(path, bytes)) {
    bench_.messageBox(openFailedMessage(path, error), kDefaultMessageTitle, MessageIcon::Error);
    return;
  }
  const std::string text = bytesToText(bytes);
  bench_.editor().setText(text);
  bench_.editor().setSavePoint();
  noteUtf8Script(bench_, text);
}

void ScriptFiles::saveScriptFile() {
  if (const std::optional<std::string> path = chooseSavePath())
    saveText(*path, bench_.editor().wholeText());
}

void ScriptFiles::saveScriptWithCall() {
  if (refuseMissingCall(bench_)) return;
  // The texts are read once the dialog has closed: a download may have replaced the editor
  // text meanwhile, and the file should hold what the window shows.
  if (const std::optional<std::string> path = chooseSavePath())
    saveText(*path, bench_.editor().wholeText() + kCallMethodSeparator + bench_.callBoxText());
}

std::optional<std::string> ScriptFiles::chooseSavePath() {
  std::optional<std::string> path =
      desktop_.chooseFile({FileDialogKind::Save, kSaveDialogTitle, kSaveDialogFilter, lastPath_});
  if (path) lastPath_ = *path;
  return path;
}

void ScriptFiles::saveText(const std::string& path, const std::string& text) {
  // A failed save must not look like a successful one: the user would close the window
  // believing the script is safe.
  if (const std::error_code error = platform::writeFileBytes(path, text))
    bench_.messageBox(saveFailedMessage(path, error), kDefaultMessageTitle, MessageIcon::Error);
  else
    bench_.editor().setSavePoint();
}

void openNewWindow(Desktop& desktop) { desktop.startDetached(desktop.executablePath()); }

}  // namespace jsdebug::workflow
