#pragma once
// The script host on Duktape: one heap per host, a time limit per call, texts converted between
// CP936 and Duktape's strings at this boundary.

#include <memory>

#include "engine/ScriptHost.h"

namespace jsdebug::engine {

inline constexpr int kDefaultTimeoutMs = 10000;

// nullptr when the engine cannot start (no memory for a heap).
std::unique_ptr<ScriptHost> createDuktapeHost();

}  // namespace jsdebug::engine
