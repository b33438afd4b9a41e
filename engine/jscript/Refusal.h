#pragma once
// Why the system engine refused a script, in words a user acts on: the later syntax the grammar
// stopped at (const, arrows, trailing commas, reserved words as names, ...) or the ES5 and later
// library a run reached for and JScript 5.7 does not have (forEach, trim, JSON, Map, ...).
// Found from the error object and the text around the place it names, so the error reports
// themselves stay exactly as JScript writes them.

#include <string>
#include <string_view>

#include "engine/ScriptHost.h"

namespace jsdebug::engine::jscript {

// One line (no line break), GBK: the cause, where it is ("（第12行）") and what to do instead.
// Empty when the error is none the table of causes knows: a plain mistake, a thrown error.
// error: the host's error object after a failed load or call; script: the code that was
// loaded; call: the call text evaluated afterwards (empty after a load). Lines name the
// script's lines; an error inside the call text is looked for in the call text.
std::string refusalReason(const ScriptError& error, std::string_view script, std::string_view call);

}  // namespace jsdebug::engine::jscript
