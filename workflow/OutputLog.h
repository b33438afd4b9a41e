#pragma once
// The blocks that loading, running a call and the V8 run write into the output log, and the
// jump to the line a failure names. Every text here is the program's own, byte for byte.

#include <string>

#include "engine/BrowserEnvironment.h"
#include "workflow/Workbench.h"

namespace jsdebug::workflow {

inline const std::string kLogSeparator(65, '-');

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

inline constexpr const char* kConsoleHeader = "控制台输出：\r\n";
inline constexpr const char* kMissingHeader = "脚本用到而浏览器环境没有的：\r\n";

// After a run's own block, each only when it has something to say: the console block (the lines
// in the order written, then how many were left out) and the block of names the script reached
// for and did not find. Each is CR LF and then a block shaped like a failure block.
void appendBrowserNotes(Workbench& bench, const engine::BrowserNotes& notes);

// Gives the editor the focus and moves the caret to the 1-based line named by lineText (read as
// an integer); a number below 1 leaves the caret where it is.
void jumpToReportedLine(Workbench& bench, const std::string& lineText);

}  // namespace jsdebug::workflow
