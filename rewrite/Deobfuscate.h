#pragma once
// 反混淆 and 求值选中: reading an obfuscated script back, and replacing an expression the passes
// could not prove constant by the value V8 gives it.
//
// 反混淆 is the rewriter's "deobfuscate" operation (rewrite/js/lib/deobfuscator.js): the cleaned
// text replaces the editor's as one undo step (撤销 gives the original back) and the log says what
// each pass did and the time. With a call in the call box, the call runs in V8 on the original and
// on the cleaned text and the log says whether the answers agree.
//
// 求值选中 loads the editor's script in V8, evaluates the selected expression there and replaces
// the selection by the value written as a literal (a string, a number, a boolean, null, an array or
// object of those), one undo step.

#include <functional>
#include <string>

#include "engine/V8Bridge.h"
#include "rewrite/Rewriter.h"
#include "workflow/Workbench.h"

namespace jsdebug::rewrite {

inline constexpr const char* kDeobfuscateDone = "反混淆成功!!\r\n";
inline constexpr const char* kDeobfuscateFailed = "反混淆失败!!\r\n";
inline constexpr const char* kEvalSelectionDone = "求值选中成功!!\r\n";
inline constexpr const char* kEvalSelectionFailed = "求值选中失败!!\r\n";
inline constexpr const char* kDeobfuscatedAgree = "原代码与反混淆后的结果相同";
inline constexpr const char* kDeobfuscatedDiffer = "原代码与反混淆后的结果不同";

// The log is replaced by one block, done or failed, then the separator and the lines; on failure
// the editor is unchanged and, for a syntax error, the caret goes to its line. The V8 comparison
// is skipped when `bridge` is null. Returns whether the editor now holds the cleaned text.
bool deobfuscateCommand(workflow::Workbench& bench, engine::V8Bridge* bridge,
                        Rewriter& rewriter = rewriter());

// The window's 反混淆: the same on a worker of its own (see rewrite/Background.h); returns at once.
// The editor, the log and the call box are reached only on the GUI thread; a text edited while
// the passes ran is left alone. `finished` is the worker's last act.
void deobfuscateInBackground(workflow::Workbench& bench, engine::V8Bridge* bridge,
                             std::function<void()> finished);

// The selection's bytes [start, end) of the editor's GBK text. A literal longer than the V8
// buffer the box allows (at least 64 KB) is refused, not cut. Returns whether it replaced it.
bool evalSelectionCommand(workflow::Workbench& bench, engine::V8Bridge& bridge, int start, int end);

// The call text that makes V8 answer with the literal of `expression`'s value (an error when the
// value has no literal: a function, a cycle, undefined inside an array is written as such).
std::string literalCall(const std::string& expression);

}  // namespace jsdebug::rewrite
