#include "engine/jscript/Profile.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/jscript/ProfileScript.h"

namespace jsdebug::engine::jscript {

namespace {

// The compiler keeps each script function's text in this hidden property (our duktape.c patch).
constexpr const char kSourceKey[] = "\x82Source";

void onCompilerFatal(void* /*udata*/, const char* message) {
  std::fprintf(stderr, "jsdebug: profile compiler fatal error: %s\n", message ? message : "");
  std::abort();
}

// [ ] -> [ bytecode-buffer ] in a heap of its own.
duk_ret_t compileProfile(duk_context* ctx, void* /*udata*/) {
  duk_push_lstring(ctx, kProfileScript.data(), kProfileScript.size());
  duk_push_string(ctx, "profile.js");
  /* [ source fileName ] */
  duk_compile(ctx, DUK_COMPILE_FUNCTION);
  /* [ fn ] */
  duk_dump_function(ctx);
  /* [ bytecode ] */
  return 1;
}

// The profile compiled once per process: each heap loads the bytecode instead of parsing the
// script again, which is most of what the profile would cost a reset.
const std::string& profileBytecode() {
  static const std::string bytecode = [] {
    std::string out;
    duk_context* ctx = duk_create_heap(nullptr, nullptr, nullptr, nullptr, onCompilerFatal);
    if (!ctx) return out;
    if (duk_safe_call(ctx, compileProfile, nullptr, 0, 1) == DUK_EXEC_SUCCESS) {
      duk_size_t size = 0;
      const void* data = duk_get_buffer_data(ctx, -1, &size);
      if (data) out.assign(static_cast<const char*>(data), size);
    } else {
      std::fprintf(stderr, "jsdebug: the JScript profile does not compile: %s\n",
                   duk_safe_to_string(ctx, -1));
    }
    duk_destroy_heap(ctx);
    return out;
  }();
  return bytecode;
}

// functionSource(fn): the text a script function was written with, or undefined.
duk_ret_t functionSource(duk_context* ctx) {
  if (!duk_is_ecmascript_function(ctx, 0)) return 0;
  if (!duk_get_prop_string(ctx, 0, kSourceKey) || !duk_is_string(ctx, -1)) return 0;
  return 1;
}

// setSource(fn, text): the text functionSource gives for fn.
duk_ret_t setSource(duk_context* ctx) {
  if (!duk_is_ecmascript_function(ctx, 0)) return 0;
  duk_to_string(ctx, 1);
  duk_put_prop_string(ctx, 0, kSourceKey);
  return 0;
}

// Error.prototype.toString stays native: Duktape's own error handling (the stack text) calls it,
// also while a stopped script unwinds, when no script code may run any more.
duk_ret_t errorToString(duk_context* ctx) {
  duk_push_string(ctx, "[object Error]");
  return 1;
}

// hide(target, name, value): a writable, configurable, not enumerable data property, as
// JScript's own built-ins are.
duk_ret_t hide(duk_context* ctx) {
  /* [ target name value ] */
  duk_def_prop(ctx, 0,
               DUK_DEFPROP_HAVE_VALUE | DUK_DEFPROP_SET_WRITABLE | DUK_DEFPROP_CLEAR_ENUMERABLE |
                   DUK_DEFPROP_SET_CONFIGURABLE);
  /* [ target ] */
  return 0;
}

constexpr const char kRegExpStaticKey[] = "\x82RegExpStatic";

// The getter of RegExp.$1 and its kin: the profile's reader, asked for the property's number
// (the getter's magic).
duk_ret_t regExpStaticGet(duk_context* ctx) {
  duk_push_global_stash(ctx);
  duk_get_prop_string(ctx, -1, kRegExpStaticKey);
  duk_push_int(ctx, duk_get_current_magic(ctx));
  /* [ stash reader which ] */
  duk_call(ctx, 1);
  /* [ stash value ] */
  return 1;
}

duk_ret_t regExpStaticSet(duk_context* /*ctx*/) { return 0; }

// regExpStatics(RegExp, names, reader): $1 to $9, then each of names, as accessors that read
// through reader(number) and ignore assignment; not enumerable, configurable.
duk_ret_t regExpStatics(duk_context* ctx) {
  /* [ RegExp names reader ] */
  duk_push_global_stash(ctx);
  duk_dup(ctx, 2);
  duk_put_prop_string(ctx, -2, kRegExpStaticKey);
  duk_pop(ctx);
  duk_push_c_function(ctx, regExpStaticSet, 1);
  /* [ RegExp names reader setter ] */
  const duk_idx_t setter = duk_get_top_index(ctx);
  const duk_idx_t count = 9 + static_cast<duk_idx_t>(duk_get_length(ctx, 1));
  for (duk_idx_t which = 1; which <= count; ++which) {
    if (which <= 9) {
      char name[3] = {'$', static_cast<char>('0' + which), '\0'};
      duk_push_string(ctx, name);
    } else {
      duk_get_prop_index(ctx, 1, static_cast<duk_uarridx_t>(which - 10));
    }
    duk_push_c_function(ctx, regExpStaticGet, 0);
    duk_set_magic(ctx, -1, static_cast<duk_int_t>(which));
    duk_dup(ctx, setter);
    /* [ RegExp names reader setter name getter setter ] */
    duk_def_prop(ctx, 0,
                 DUK_DEFPROP_HAVE_GETTER | DUK_DEFPROP_HAVE_SETTER | DUK_DEFPROP_CLEAR_ENUMERABLE |
                     DUK_DEFPROP_SET_CONFIGURABLE);
  }
  return 0;
}

duk_ret_t install(duk_context* ctx, void* /*udata*/) {
  /* [ ] */
  duk_push_heap_stash(ctx);
  duk_get_global_string(ctx, "Duktape");
  duk_put_prop_string(ctx, -2, "Duktape");
  duk_pop(ctx);

  // JScript lets a script assign these three; ES5 made them read-only.
  duk_push_global_object(ctx);
  for (const char* name : {"undefined", "NaN", "Infinity"}) {
    duk_push_string(ctx, name);
    duk_get_prop_string(ctx, -2, name);
    /* [ global name value ] */
    duk_def_prop(ctx, -3,
                 DUK_DEFPROP_HAVE_VALUE | DUK_DEFPROP_SET_WRITABLE | DUK_DEFPROP_FORCE);
  }
  /* [ global ] */

  const std::string& bytecode = profileBytecode();
  if (bytecode.empty()) return 0;
  void* buffer = duk_push_fixed_buffer(ctx, bytecode.size());
  std::memcpy(buffer, bytecode.data(), bytecode.size());
  duk_load_function(ctx);
  /* [ global profile ] */
  duk_dup(ctx, -2);
  duk_push_object(ctx);
  duk_push_c_function(ctx, functionSource, 1);
  duk_put_prop_string(ctx, -2, "functionSource");
  duk_push_c_function(ctx, setSource, 2);
  duk_put_prop_string(ctx, -2, "setSource");
  duk_push_c_function(ctx, errorToString, 0);
  duk_put_prop_string(ctx, -2, "errorToString");
  duk_push_c_function(ctx, hide, 3);
  duk_put_prop_string(ctx, -2, "hide");
  duk_push_c_function(ctx, regExpStatics, 3);
  duk_put_prop_string(ctx, -2, "regExpStatics");
  /* [ global profile global natives ] */
  duk_call(ctx, 2);
  /* [ global result ] */
  duk_pop_2(ctx);
  return 0;
}

}  // namespace

void installProfile(duk_context* ctx) {
  if (duk_safe_call(ctx, install, nullptr, 0, 1) != DUK_EXEC_SUCCESS)
    std::fprintf(stderr, "jsdebug: the JScript profile failed: %s\n", duk_safe_to_string(ctx, -1));
  duk_pop(ctx);
}

}  // namespace jsdebug::engine::jscript
