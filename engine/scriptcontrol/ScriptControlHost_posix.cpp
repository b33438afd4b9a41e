#include "engine/scriptcontrol/ScriptControlHost.h"

namespace jsdebug::engine::scriptcontrol {

bool systemOffersScriptControl() { return false; }

// No COM here: the JScript profile is the system engine.
std::unique_ptr<ScriptHost> createScriptControlHost(const ScriptControlOptions&) { return nullptr; }

}  // namespace jsdebug::engine::scriptcontrol
