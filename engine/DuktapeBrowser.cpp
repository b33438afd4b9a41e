#include "engine/DuktapeBrowser.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <mutex>

#include "platform/Random.h"
#include "text/Codec.h"

// The native functions below run inside the engine, which unwinds errors with longjmp: nothing
// with a destructor stays alive across a Duktape call that can throw.

namespace jsdebug::engine {
namespace {

constexpr const char* kStateKey = "jsdebugBrowserState";
constexpr const char* kDriverKey = "jsdebugBrowserDriver";
constexpr std::size_t kMaxMissing = 200;
constexpr duk_size_t kMaxRandomBytes = 65536;

BrowserState* stateOf(duk_context* ctx) {
  duk_push_global_stash(ctx);
  duk_get_prop_string(ctx, -1, kStateKey);
  auto* state = static_cast<BrowserState*>(duk_get_pointer(ctx, -1));
  duk_pop_2(ctx);
  return state;
}

// host.print(text): one console line; the script bounds how many.
duk_ret_t hostPrint(duk_context* ctx) {
  duk_size_t length = 0;
  const char* text = duk_get_lstring(ctx, 0, &length);
  BrowserState* state = stateOf(ctx);
  if (text != nullptr && state != nullptr)
    state->notes.console.push_back(gbk::fromCesu8(std::string_view(text, length)));
  duk_push_true(ctx);
  return 1;
}

// host.missing(text): a stub the script called, listed with the names the environment lacks.
duk_ret_t hostMissing(duk_context* ctx) {
  duk_size_t length = 0;
  const char* text = duk_get_lstring(ctx, 0, &length);
  BrowserState* state = stateOf(ctx);
  if (text != nullptr && state != nullptr && state->installed)
    noteMissingName(*state, gbk::fromCesu8(std::string_view(text, length)));
  return 0;
}

// host.random(n): an array of n bytes from the system's random source.
duk_ret_t hostRandom(duk_context* ctx) {
  duk_double_t wanted = duk_get_number_default(ctx, 0, 0);
  duk_size_t n = wanted > 0 ? static_cast<duk_size_t>(std::min<duk_double_t>(wanted, kMaxRandomBytes)) : 0;
  duk_push_array(ctx);
  unsigned char chunk[256];
  for (duk_size_t done = 0; done < n;) {
    duk_size_t size = std::min<duk_size_t>(sizeof chunk, n - done);
    if (!platform::randomBytes(chunk, size)) return duk_error(ctx, DUK_ERR_ERROR, "no random source");
    for (duk_size_t i = 0; i < size; ++i) {
      duk_push_uint(ctx, chunk[i]);
      duk_put_prop_index(ctx, -2, static_cast<duk_uarridx_t>(done + i));
    }
    done += size;
  }
  return 1;
}

duk_ret_t hostNow(duk_context* ctx) {
  using namespace std::chrono;
  duk_push_number(ctx, duration<double, std::milli>(steady_clock::now().time_since_epoch()).count());
  return 1;
}

// host.accessor(object, name, get, set): what ES3 cannot write itself.
duk_ret_t hostAccessor(duk_context* ctx) {
  /* [ object name get set ] */
  duk_require_object(ctx, 0);
  duk_dup(ctx, 1);
  duk_dup(ctx, 2);
  duk_dup(ctx, 3);
  /* [ object name get set name get set ] */
  duk_def_prop(ctx, 0, DUK_DEFPROP_HAVE_GETTER | DUK_DEFPROP_HAVE_SETTER | DUK_DEFPROP_SET_ENUMERABLE |
                           DUK_DEFPROP_SET_CONFIGURABLE);
  return 0;
}

// The get trap of a watched object: a name the object lacks is noted with its path. Symbols
// are the engine's own probes (Symbol.toPrimitive when the object meets '+', Symbol.toStringTag
// for its class name), never names a script wrote.
duk_ret_t watchGet(duk_context* ctx) {
  /* [ target key receiver ] */
  if (duk_is_string(ctx, 1) && !duk_is_symbol(ctx, 1)) {
    duk_dup(ctx, 1);
    bool present = duk_has_prop(ctx, 0);
    duk_size_t keyLength = 0;
    const char* key = duk_get_lstring(ctx, 1, &keyLength);
    if (!present && std::strcmp(key, "then") != 0 && std::strcmp(key, "toJSON") != 0) {
      duk_push_this(ctx);
      duk_get_prop_string(ctx, -1, "path");
      duk_size_t pathLength = 0;
      const char* path = duk_get_lstring(ctx, -1, &pathLength);
      BrowserState* state = stateOf(ctx);
      if (path != nullptr && state != nullptr)
        noteMissingName(*state, gbk::fromCesu8(std::string_view(path, pathLength)) + "." +
                                gbk::fromCesu8(std::string_view(key, keyLength)));
      duk_pop_2(ctx);
    }
  }
  duk_dup(ctx, 1);
  duk_get_prop(ctx, 0);
  return 1;
}

// host.watch(object, path): a proxy forwarding everything, noting reads of absent names.
duk_ret_t hostWatch(duk_context* ctx) {
  /* [ object path ] */
  if (!duk_is_object(ctx, 0) || !duk_is_string(ctx, 1)) {
    duk_dup(ctx, 0);
    return 1;
  }
  duk_dup(ctx, 0);
  duk_push_object(ctx);
  duk_push_c_function(ctx, watchGet, 3);
  duk_put_prop_string(ctx, -2, "get");
  duk_dup(ctx, 1);
  duk_put_prop_string(ctx, -2, "path");
  /* [ object path object handler ] */
  duk_push_proxy(ctx, 0);
  /* [ object path proxy ] */
  return 1;
}

}  // namespace

void noteMissingName(BrowserState& state, std::string name) {
  std::vector<std::string>& missing = state.notes.missing;
  if (std::find(missing.begin(), missing.end(), name) != missing.end()) return;
  if (missing.size() >= kMaxMissing) ++state.notes.droppedMissing;
  else missing.push_back(std::move(name));
}

// Every Reset makes a new heap: the script is compiled in the first and loaded as bytecode in
// the others, which costs a fraction of compiling it.
std::string environmentBytecode;
std::mutex environmentLock;

std::mutex& environmentBytecodeLock() { return environmentLock; }

duk_ret_t installEnvironment(duk_context* ctx, void* udata) {
  auto* job = static_cast<InstallEnvironment*>(udata);
  /* [ ] */
  duk_push_global_stash(ctx);
  duk_push_pointer(ctx, job->state);
  duk_put_prop_string(ctx, -2, kStateKey);
  /* [ stash ] */
  if (!environmentBytecode.empty()) {
    void* buffer = duk_push_fixed_buffer(ctx, environmentBytecode.size());
    std::memcpy(buffer, environmentBytecode.data(), environmentBytecode.size());
    duk_load_function(ctx);
  } else {
    duk_push_lstring(ctx, kEnvironmentScript.data(), kEnvironmentScript.size());
    duk_push_string(ctx, "environment.js");
    duk_compile(ctx, DUK_COMPILE_EVAL);
    duk_call(ctx, 0);
    duk_dup_top(ctx);
    duk_dump_function(ctx);
    duk_size_t size = 0;
    const void* bytes = duk_get_buffer_data(ctx, -1, &size);
    environmentBytecode.assign(static_cast<const char*>(bytes), size);
    duk_pop(ctx);
  }
  /* [ stash install ] */
  duk_push_object(ctx);
  duk_push_true(ctx);
  duk_put_prop_string(ctx, -2, "browser");
  duk_push_lstring(ctx, job->location->data(), job->location->size());
  duk_put_prop_string(ctx, -2, "location");
  const struct {
    const char* name;
    duk_c_function function;
    duk_idx_t arguments;
  } natives[] = {{"print", hostPrint, 1},     {"random", hostRandom, 1}, {"now", hostNow, 0},
                 {"accessor", hostAccessor, 4}, {"watch", hostWatch, 2}, {"missing", hostMissing, 1}};
  for (const auto& native : natives) {
    duk_push_c_function(ctx, native.function, native.arguments);
    duk_put_prop_string(ctx, -2, native.name);
  }
  /* [ stash install host ] */
  duk_call(ctx, 1);
  /* [ stash driver ] */
  duk_put_prop_string(ctx, -2, kDriverKey);
  /* [ stash ] */
  job->state->installed = true;
  duk_pop(ctx);
  duk_push_undefined(ctx);
  return 1;
}

duk_ret_t runDueTimers(duk_context* ctx, void* /*udata*/) {
  /* [ ] */
  duk_push_global_stash(ctx);
  duk_get_prop_string(ctx, -1, kDriverKey);
  /* [ stash driver ] */
  if (duk_is_object(ctx, -1)) {
    for (;;) {
      duk_push_string(ctx, "next");
      duk_call_prop(ctx, -2, 0);
      /* [ stash driver ran ] */
      bool ran = duk_to_boolean(ctx, -1);
      duk_pop(ctx);
      if (!ran) break;
    }
  }
  duk_pop_2(ctx);
  duk_push_undefined(ctx);
  return 1;
}

duk_ret_t readDropped(duk_context* ctx, void* /*udata*/) {
  /* [ ] */
  duk_push_global_stash(ctx);
  duk_get_prop_string(ctx, -1, kDriverKey);
  BrowserState* state = stateOf(ctx);
  /* [ stash driver ] */
  if (duk_is_object(ctx, -1) && state != nullptr) {
    duk_push_string(ctx, "droppedLines");
    duk_call_prop(ctx, -2, 0);
    duk_push_string(ctx, "droppedTimers");
    duk_call_prop(ctx, -3, 0);
    /* [ stash driver lines timers ] */
    state->notes.droppedLines = static_cast<long>(duk_to_number(ctx, -2));
    state->notes.droppedTimers = static_cast<long>(duk_to_number(ctx, -1));
    duk_pop_2(ctx);
  }
  duk_pop_2(ctx);
  duk_push_undefined(ctx);
  return 1;
}

void noteMissingFromError(BrowserState& state, const RawScriptError& error) {
  // JScript words an undeclared name as "'x' 未定义"; the engine underneath as
  // "identifier 'x' undefined".
  constexpr std::string_view kUndefined = "' 未定义";
  const std::string& message = error.message;
  const bool jscript = message.size() > kUndefined.size() + 1 && message.front() == '\'' &&
                       message.compare(message.size() - kUndefined.size(), kUndefined.size(), kUndefined) == 0;
  if (!state.installed || (!jscript && error.name != "ReferenceError")) return;
  std::size_t open = message.find('\'');
  std::size_t close = open == std::string::npos ? open : message.find('\'', open + 1);
  if (close != std::string::npos && close > open + 1)
    noteMissingName(state, message.substr(open + 1, close - open - 1));
}

}  // namespace jsdebug::engine
