#pragma once
// The Windows Script Control itself as the script host: COM, ProgID
// MSScriptControl.ScriptControl, language JScript. Its answers are by definition the ones the
// user's E program gets. Where it cannot be created (Linux, a Windows without it) there is none,
// and the JScript profile on Duktape stands in.

#include <memory>

#include "engine/ScriptHost.h"

namespace jsdebug::engine::scriptcontrol {

struct ScriptControlOptions {
  // The control's safe subset keeps a pasted script from creating objects that reach files and
  // programs (WScript.Shell, Scripting.FileSystemObject). Off only on the user's request.
  bool allowUnsafeObjects = false;
};

// Whether this system has a Script Control at all (Windows), so that which host is the system
// engine is a choice worth naming to the user.
bool systemOffersScriptControl();

// The control, language set, safe subset as the options say; nullptr when it cannot be created.
std::unique_ptr<ScriptHost> createScriptControlHost(const ScriptControlOptions& options);

}  // namespace jsdebug::engine::scriptcontrol
