#pragma once
// Scripts in and out of files as raw bytes, through the window's one file dialog, whose last path
// is offered again by the next file command; and a second instance of the workbench.

#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace jsdebug::workflow {

class Workbench;
class Desktop;

inline constexpr const char* kOpenDialogTitle = "打开保存域名文本";
inline constexpr const char* kOpenDialogFilter = "文本文件（*.txt）|*.txt|JS文件（*.js）|*.js";
inline constexpr const char* kSaveDialogTitle = "保存文件名";
inline constexpr const char* kSaveDialogFilter = "所有类型";
inline constexpr const char* kCallMethodSeparator = "\r\n调用方法：";

// The editor holds text, and a text ends at its first NUL: what follows cannot be shown.
std::string bytesToText(std::string_view bytes);

// The log line for a script opened or downloaded as UTF-8 with characters beyond ASCII.
inline constexpr const char* kUtf8ScriptNote =
    "提示：这段脚本是UTF-8编码（含中文等非ASCII字符），按GBK运行结果会不对，请先点“UTF8解码”。\r\n";

// The line (without a line break) for bytes cut at their first NUL: how many were kept of how
// many. Empty when there is no NUL.
std::string nulCutNote(std::string_view bytes);
// The same line for `total` bytes whose first NUL is at `kept`.
std::string nulCutNote(std::size_t kept, std::size_t total);

// Appends, each on a line of its own, the NUL cut note and kUtf8ScriptNote when they apply to
// the bytes of a script opened or downloaded; the text itself stays as it is.
void noteLoadedScript(Workbench& bench, std::string_view bytes);

// The question before an opened or downloaded script replaces edited text, and before the
// window closes over it: "脚本已修改，还没有保存。\r\n确定要<action>吗？修改将会丢失。", answered
// with `action` or "取消". True, without asking, when the editor holds no unsaved edits.
bool mayDiscardEdits(Workbench& bench, const std::string& action);

// Puts the text before the first NUL of an opened or downloaded script into the editor, as
// saved, with its notes in the log; unless the editor holds edits the user keeps (`action`
// names the command in the question). False when the text was kept.
bool replaceScript(Workbench& bench, std::string_view bytes, const std::string& action);

inline constexpr const char* kOpenAction = "打开文件";
inline constexpr const char* kDownloadAction = "下载";

// "文件打开失败：<path>\r\n<reason>，编辑框的代码没有改变。"
std::string openFailedMessage(const std::string& path, std::error_code reason);

// "文件保存失败：<path>\r\n<reason>，脚本没有保存。" with the path and the reason as GBK text.
std::string saveFailedMessage(const std::string& path, std::error_code reason);

class ScriptFiles {
 public:
  // Both must outlive this object, as the main window owns all three.
  ScriptFiles(Workbench& bench, Desktop& desktop) : bench_(bench), desktop_(desktop) {}

  // "打开": the chosen file's bytes replace the editor text; a file that cannot be read (or is
  // no regular file, or is past 256 MB) leaves the editor alone and says why in a message box.
  void openScriptFile();
  // The same for a path known already (a file given to the program when it starts).
  void openScriptPath(const std::string& path);
  // "保存（不带调用方法）"
  void saveScriptFile();
  // "保存（带调用方法）": the editor text followed by the call, so the file says how to call it.
  void saveScriptWithCall();

  // The path chosen last by any of the three; empty until one was chosen.
  const std::string& lastPath() const { return lastPath_; }

 private:
  std::optional<std::string> chooseSavePath();
  void saveText(const std::string& path, const std::string& text);

  Workbench& bench_;
  Desktop& desktop_;
  std::string lastPath_;
};

// "打开新窗口": the own executable by its full path, so the current directory does not matter.
void openNewWindow(Desktop& desktop);

}  // namespace jsdebug::workflow
