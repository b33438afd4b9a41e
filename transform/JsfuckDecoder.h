#pragma once
// "jsfuck解密": the editor text is evaluated by V8 as the argument of an identity function, and
// its value replaces the text. A failed evaluation leaves the editor alone and says nothing; a
// text that runs as a program and gives no value (undefined) leaves it alone and says so.

#include <functional>

#include "engine/V8Bridge.h"

namespace jsdebug::workflow {
class Workbench;
}  // namespace jsdebug::workflow

namespace jsdebug::transform {

inline constexpr const char* kJsfuckWrapperScript = "function test(aa){return (aa);}";
inline constexpr int kJsfuckBufferLength = 1024000;

enum class JsfuckOutcome {
  Decoded,  // the editor holds the value
  Failed,   // the engine reported an error: the editor keeps its text, nothing is shown
  NoValue,  // the text ran as code and gave undefined: the editor keeps its text, a box says so
};

// The decoding itself, as the worker thread runs it: reads and replaces the editor text only
// through runOnGuiThread, calls the engine in between.
JsfuckOutcome decodeJsfuck(workflow::Workbench& bench, engine::V8Bridge& bridge);

// The command: one detached thread per click, holding nothing afterwards. `finished`, when
// given, is called by the thread as its last act (tests and the CLI wait on it). The workbench
// and the bridge must outlive the thread, as the main window and the process-wide bridge do.
void jsfuckCommand(workflow::Workbench& bench, engine::V8Bridge& bridge,
                   std::function<void()> finished = {});

}  // namespace jsdebug::transform
