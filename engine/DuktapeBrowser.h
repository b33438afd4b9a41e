#pragma once
// The browser environment inside a Duktape heap: the environment script run with a host object
// of native functions (console lines, random bytes, a clock, accessors, proxies noting missing
// names), its timer driver kept in the heap's stash.

#include <mutex>
#include <string>

#include "duktape.h"
#include "engine/BrowserEnvironment.h"
#include "engine/DuktapeError.h"

namespace jsdebug::engine {

// What the environment of one heap has collected; it outlives every entry into the engine.
struct BrowserState {
  bool installed = false;
  BrowserNotes notes;
};

struct InstallEnvironment {
  BrowserState* state;
  const std::string* location;  // UTF-8
};

// duk_safe_call jobs, each leaving one value. installEnvironment takes an InstallEnvironment;
// runDueTimers (no udata) runs timer callbacks until none is due or the budget is spent.
duk_ret_t installEnvironment(duk_context* ctx, void* udata);
// Held around installEnvironment: hosts may be made on more than one thread.
std::mutex& environmentBytecodeLock();
duk_ret_t runDueTimers(duk_context* ctx, void* udata);
// Copies how many console lines and timer callbacks were left out into the state's notes.
duk_ret_t readDropped(duk_context* ctx, void* udata);

// A name the script reached for and did not find, listed once, in the order first met.
void noteMissingName(BrowserState& state, std::string name);

// An undefined name the script used, from the error that stopped it.
void noteMissingFromError(BrowserState& state, const RawScriptError& error);

}  // namespace jsdebug::engine
