#pragma once
// "加载代码" and "系统引擎运行": the script in the editor through the one ScriptEngine.

#include <cstdint>
#include <functional>

#include "engine/ScriptEngine.h"
#include "workflow/Workbench.h"

namespace jsdebug::workflow {

// Milliseconds since some fixed start; wraps like the system tick counter.
using TickCounter = std::function<std::uint32_t()>;

// Loads the editor text into the engine and logs the outcome; on failure jumps to the failing
// line and copies an undefined name into the find box. Returns true when the code loaded.
bool loadCodeCommand(Workbench& bench, engine::ScriptEngine& engine);

// Resets the engine, loads the editor text and evaluates the call box's call, logging the value
// with the elapsed milliseconds or the error report. False when there was no call to run.
bool systemRunCommand(Workbench& bench, engine::ScriptEngine& engine, const TickCounter& ticks);

}  // namespace jsdebug::workflow
