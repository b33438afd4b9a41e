#pragma once
// The script host on Duktape: one heap per host, a time limit per call, texts converted between
// CP936 and Duktape's strings at this boundary.

#include <cstddef>
#include <memory>

#include "engine/ScriptHost.h"

namespace jsdebug::engine {

inline constexpr int kDefaultTimeoutMs = 10000;
// The file name the engine gives the first code added after a reset (the editor's script).
inline constexpr const char* kFirstUnitFileName = "script.js";
// What one heap may hold; past it allocations fail and the script ends in 7 "内存不足".
inline constexpr std::size_t kDefaultHeapLimitBytes = std::size_t{1} << 30;

// The cap for heaps created from now on (a host's heap is created anew on Reset). Tests use a
// small one; the program keeps the default.
void setHeapLimit(std::size_t bytes);

// Called now and then while a script runs (at the executor's periodic check, every thousand or
// so instructions), so that a window blocked on the engine can keep itself painted. The hook
// must not enter the engine. nullptr (the default) for none.
void setBusyHook(void (*hook)());

// nullptr when the engine cannot start (no memory for a heap).
std::unique_ptr<ScriptHost> createDuktapeHost();

}  // namespace jsdebug::engine
