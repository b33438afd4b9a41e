#pragma once
// 转为JScript: rewrites the editor's script so that the system engine (JScript 5.7) runs it and
// gives the answer V8 gives on the original. The conversion is the rewriter's "to-jscript"
// operation; this command verifies it before offering it: the converted text must load in the
// system engine, and when the call box holds a call, the call runs on the original in V8 and on
// the converted text in the system engine and the log says whether the answers agree. Only then
// does the converted text replace the editor's (one undo step).

#include <functional>

#include "engine/ScriptEngine.h"
#include "engine/V8Bridge.h"
#include "rewrite/Rewriter.h"
#include "workflow/Workbench.h"

namespace jsdebug::rewrite {

inline constexpr const char* kToJScriptDone = "转为JScript成功!!\r\n";
inline constexpr const char* kToJScriptFailed = "转为JScript失败!!\r\n";
inline constexpr const char* kAnswersAgree = "两个引擎的结果相同";
inline constexpr const char* kAnswersDiffer = "两个引擎的结果不同";

enum class ToJScriptOutcome {
  Converted,  // the editor holds the converted text; the log says what was done and verified
  Refused,    // the editor is unchanged; the log says why (with lines) and the caret is there
};

// The command as the caller waits for it (the CLI, tests); it reaches the window only through
// runOnGuiThread, so it may also run on a worker. When the editor text changed while the
// conversion ran, the result is not written and the command answers Refused.
// The log is replaced by one block: kToJScriptDone or kToJScriptFailed, then the separator and
// the lines. Without a call (empty box or its cue text) only the load is verified. The V8 side is
// skipped when `bridge` is null (the caller has no engine library).
ToJScriptOutcome toJScriptCommand(workflow::Workbench& bench, engine::ScriptEngine& engine,
                                  engine::V8Bridge* bridge, Rewriter& rewriter = rewriter());

// The window's command: the same on a worker of its own (see rewrite/Background.h); returns at
// once. `finished` is the worker's last act. The workbench, the engine and the bridge must
// outlive the worker, as the main window and the application's engine do.
void toJScriptInBackground(workflow::Workbench& bench, engine::ScriptEngine& engine,
                           engine::V8Bridge* bridge, std::function<void()> finished);

}  // namespace jsdebug::rewrite
