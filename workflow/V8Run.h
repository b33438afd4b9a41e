#pragma once
// "V8运行": the whole editor text and the call go to the engine library together on every run,
// so nothing needs loading first and the ScriptEngine is not touched.

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/V8Bridge.h"
#include "v8engine/Report.h"
#include "workflow/Debugging.h"
#include "workflow/Workbench.h"

namespace jsdebug::workflow {

inline constexpr const char* kV8LengthHint =
    "一般JS运行返回的结果长度不会超过1024，当遇到变态级的超过1024长度的返回结果时，增大数值，否则会崩溃。";

// The shortest result buffer that can carry a failure: the engine's shortest report is the bare
// marker the run looks for. A shorter buffer gets the empty text for every failure, which reads
// as a success.
inline constexpr int kMinimumV8BufferLength = static_cast<int>(v8report::kFailureMarker.size());
// E passes the length as its 32-bit integer (整数型).
inline constexpr std::int64_t kMaximumV8BufferLength = 2147483647;

// Empty when the V8 buffer-length box text is a length the engine can report a failure in and
// E's integer holds; otherwise the message that refuses it.
std::string v8BufferLengthProblem(std::string_view boxText);

// When the box holds such a text: the message box (error icon), the focus to the box, and true.
// The V8 run and the generated V8 code stop when this returns true.
bool refuseBadV8BufferLength(Workbench& bench);

// Runs the call box's call (not checked: an empty box or the cue text goes as it is) against the
// editor text with a result buffer as long as the V8 buffer-length box says (refused first when
// unusable), and replaces the log
// by the result block or by the failure block with the engine's line and message; after a
// failure the editor gets the focus and the caret goes to that line.
void v8RunCommand(Workbench& bench, engine::V8Bridge& bridge, const TickCounter& ticks);

}  // namespace jsdebug::workflow
