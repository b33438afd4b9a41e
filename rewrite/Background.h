#pragma once
// 转为JScript and 反混淆 take seconds on a large script (node, Babel, the passes), so the window
// runs them on a worker of their own and stays responsive meanwhile. The commands reach the
// editor, the log and the system engine only through Workbench::runOnGuiThread, so the same
// code serves the worker and a caller that waits (the CLI, the tests).
//
// One rewrite at a time per process: both replace the editor text, and the rewriter serves one
// request at a time anyway. A click while one runs starts nothing and says so in the log.

#include <functional>
#include <string>

#include "workflow/Workbench.h"

namespace jsdebug::rewrite {

// Written into the log when the work starts, so the user knows the window has not forgotten it.
std::string startedNote(const std::string& command);
// Appended when a second click finds a rewrite still running.
std::string stillRunningNote(const std::string& running);
// The result is not written when the editor text changed while the work ran: the user's edits
// would be lost.
inline constexpr const char* kEditedMeanwhile =
    "编辑框中的代码在处理期间被改动过，结果没有写入，以免丢掉这些改动；请再运行一次";

// Starts `work` on a detached thread unless another rewrite is running; `finished` is called
// as the thread's last act, or at once when nothing started. Returns whether it started. The
// workbench must outlive the thread, as the main window does.
bool startRewrite(workflow::Workbench& bench, const std::string& command,
                  std::function<void()> work, std::function<void()> finished);

// Whether a rewrite started by startRewrite is still running.
bool rewriteRunning();

}  // namespace jsdebug::rewrite
