#pragma once
// The blocks that loading, running a call and the V8 run write into the output log, and the
// jump to the line a failure names. Every text here is the program's own, byte for byte.

#include <string>

#include "engine/BrowserEnvironment.h"
#include "workflow/Workbench.h"

namespace jsdebug::workflow {

inline const std::string kLogSeparator(65, '-');
// The log's line break: the Windows edit control the log stands for breaks lines only at CR LF.
inline constexpr const char* kCrLf = "\r\n";

inline constexpr const char* kLoadFailedHeader = "代码加载失败!!\r\n";
inline constexpr const char* kRunFailedHeader = "代码运算失败!!\r\n";

// header; separator + CR LF CR LF; body; CR LF CR LF; separator.
void appendFailureBlock(Workbench& bench, const std::string& header, const std::string& body);
// "代码运算成功!!执行时间：" ms CR LF; separator + CR LF CR LF; "返回内容：" result CR LF CR LF
// separator.
void appendResultBlock(Workbench& bench, const std::string& milliseconds, const std::string& result);
void appendLoadSuccessBlock(Workbench& bench);
// After a failure block: CR LF and the one line naming why the system engine refused the script;
// nothing when reason is empty.
void appendReasonLine(Workbench& bench, const std::string& reason);

// The value of the log's last result block (what follows its "返回内容："), empty when the log
// holds none.
std::string lastResult(const std::string& log);
// What the 编码工具 window starts from: the editor's selection, or else the last result.
std::string selectionOrLastResult(Workbench& bench);

inline constexpr const char* kConsoleHeader = "控制台输出：\r\n";
inline constexpr const char* kMissingHeader = "脚本用到而浏览器环境没有的：\r\n";

// After a run's own block, each only when it has something to say: the console block (the lines
// in the order written, then how many were left out) and the block of names the script reached
// for and did not find. Each is CR LF and then a block shaped like a failure block.
void appendBrowserNotes(Workbench& bench, const engine::BrowserNotes& notes);

// After a command's own block, which starts the log: the browser notes and, for a run of the
// call box's call, the note on characters the call lost; when anything followed the block, the
// log is shown from its top again, so the block's first line stays in sight.
void appendNotesAfterBlock(Workbench& bench, const engine::BrowserNotes& notes, bool ranTheCall);

// Appends `line` (ending in its CR LF) on a line of its own: after a CR LF when the log does not
// end in a line break, as a block ends in its separator. For the notes after the program's blocks.
void appendLogLine(Workbench& bench, const std::string& line);

// Gives the editor the focus and moves the caret to the 1-based line named by lineText (read as
// an integer); a number below 1 leaves the caret where it is.
void jumpToReportedLine(Workbench& bench, const std::string& lineText);

}  // namespace jsdebug::workflow
