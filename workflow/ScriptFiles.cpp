#include "workflow/ScriptFiles.h"

#include <cerrno>

#include "platform/FileBytes.h"
#include "platform/Paths.h"
#include "text/Codec.h"
#include "workflow/CallBox.h"
#include "workflow/Desktop.h"
#include "workflow/OutputLog.h"
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

std::string nulCutNote(std::string_view bytes) {
  const std::size_t kept = bytes.find('\0');
  if (kept == std::string_view::npos) return {};
  return nulCutNote(kept, bytes.size());
}

std::string nulCutNote(std::size_t kept, std::size_t total) {
  return "提示：这段脚本含有NUL字节（0x00），只保留了它前面的 " + std::to_string(kept) + " 字节（共 " +
         std::to_string(total) + " 字节），保存时也只写入这一部分。";
}

void noteLoadedScript(Workbench& bench, std::string_view bytes) {
  // A binary file would otherwise turn into a few bytes of text without a word, and a save
  // would then write the cut file.
  const std::string cut = nulCutNote(bytes);
  if (!cut.empty()) appendLogLine(bench, cut + "\r\n");
  // Its strings would reach the engines as the wrong characters, silently.
  const std::string text = bytesToText(bytes);
  if (gbk::isNonAsciiUtf8(text)) appendLogLine(bench, kUtf8ScriptNote);
}

bool mayDiscardEdits(Workbench& bench, const std::string& action) {
  if (!bench.editor().isModified()) return true;
  return bench.askQuestion("脚本已修改，还没有保存。\r\n确定要" + action + "吗？修改将会丢失。", action,
                           "取消");
}

bool replaceScript(Workbench& bench, std::string_view bytes, const std::string& action) {
  if (!mayDiscardEdits(bench, action)) return false;
  bench.editor().setText(bytesToText(bytes));
  bench.editor().setSavePoint();
  noteLoadedScript(bench, bytes);
  return true;
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
  replaceScript(bench_, bytes, kOpenAction);
}

void ScriptFiles::saveScriptFile() {
  if (const std::optional<std::string> path = chooseSavePath())
    saveText(*path, bench_.editor().wholeText());
}

void ScriptFiles::saveScriptWithCall() {
  if (refuseMissingCall(bench_)) return;
  // The texts are read once the dialog has closed: a download may have replaced the editor
  // text meanwhile, and the file should hold what the window shows.
  if (const std::optional<std::string> path = chooseSavePath()) {
    saveText(*path, bench_.editor().wholeText() + kCallMethodSeparator + bench_.callBoxText());
    noteLostCallCharacters(bench_);
  }
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
