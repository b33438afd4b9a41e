#pragma once
// "V8运行": the whole editor text and the call go to the engine library together on every run,
// so nothing needs loading first and the ScriptEngine is not touched.

#include "engine/V8Bridge.h"
#include "workflow/Debugging.h"
#include "workflow/Workbench.h"

namespace jsdebug::workflow {

inline constexpr const char* kV8LengthHint =
    "一般JS运行返回的结果长度不会超过1024，当遇到变态级的超过1024长度的返回结果时，增大数值，否则会崩溃。";

// Runs the call box's call (not checked: an empty box or the cue text goes as it is) against the
// editor text with a result buffer as long as the V8 buffer-length box says, and replaces the log
// by the result block or by the failure block with the engine's line and message; after a
// failure the editor gets the focus and the caret goes to that line.
void v8RunCommand(Workbench& bench, engine::V8Bridge& bridge, const TickCounter& ticks);

}  // namespace jsdebug::workflow
