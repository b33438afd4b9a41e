#pragma once
// 转为JScript: rewrites the editor's script so that the system engine (JScript 5.7) runs it and
// gives the answer V8 gives on the original. The conversion is the rewriter's "to-jscript"
// operation; this command verifies it before offering it: the converted text must load in the
// system engine, and when the call box holds a call, the call runs on the original in V8 and on
// the converted text in the system engine and the log says whether the answers agree. Only then
// does the converted text replace the editor's (one undo step).

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

// The log is replaced by one block: kToJScriptDone or kToJScriptFailed, then the separator and
// the lines. Without a call (empty box or its cue text) only the load is verified. The V8 side is
// skipped when `bridge` is null (the caller has no engine library).
ToJScriptOutcome toJScriptCommand(workflow::Workbench& bench, engine::ScriptEngine& engine,
                                  engine::V8Bridge* bridge, Rewriter& rewriter = rewriter());

}  // namespace jsdebug::rewrite
