// The JScript grammar check on arbitrary bytes: it must end in a report or a clean load, and
// whatever it accepts must compile in Duktape after the rewrite, apart from Duktape's own
// limits.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "duktape.h"
#include "engine/DuktapeHost.h"
#include "engine/jscript/Grammar.h"
#include "text/Codec.h"

using jsdebug::engine::jscript::checkSource;
using jsdebug::engine::jscript::ConditionalState;
using jsdebug::engine::jscript::SourceKind;

namespace {


duk_ret_t compileOnly(duk_context* ctx, void* udata) {
  /* [ source fileName ] */
  duk_compile(ctx, *static_cast<duk_uint_t*>(udata));
  /* [ fn ] */
  return 1;
}

// What Duktape may refuse in accepted text: its own size limits, and the inside of a regular
// expression literal, which the check reads only for its extent and flags and leaves to the
// regexp compiler, as JScript does.
bool isDuktapeLimit(std::string_view message, std::string_view input) {
  for (std::string_view limit : {"recursion limit", "C stack depth limit", "alloc failed",
                                 "out of regs", "out of consts", "out of temps", "valstack limit"})
    if (message.find(limit) != std::string_view::npos) return true;
  if (input.find('/') == std::string_view::npos) return false;
  for (std::string_view pattern : {"regexp", "quantifier", "closing parenthesis",
                                   "end of pattern", "backreference", "invalid range",
                                   "invalid escape"})
    if (message.find(pattern) != std::string_view::npos) return true;
  return false;
}

void compileInDuktape(const std::string& gbkCode, duk_uint_t flags, std::string_view input) {
  // Duktape, as the engine library builds it, asks the script host's deadline check on its
  // interrupts; this reference links the host, which brings that check in.
  static auto* volatile linkTheHost = &jsdebug::engine::createDuktapeHost;
  (void)linkTheHost;
  static duk_context* ctx = duk_create_heap_default();
  std::string utf8 = jsdebug::gbk::toUtf8(gbkCode);
  duk_push_lstring(ctx, utf8.data(), utf8.size());
  duk_push_string(ctx, "fuzz.js");
  /* [ source fileName ] */
  if (duk_safe_call(ctx, compileOnly, &flags, 2, 1) != DUK_EXEC_SUCCESS) {
    /* [ err ] */
    std::string message = duk_safe_to_string(ctx, -1);
    if (!isDuktapeLimit(message, input)) {
      std::fprintf(stderr, "accepted but Duktape refuses: %s\n--- input\n%.*s\n--- code\n%s\n",
                   message.c_str(), static_cast<int>(input.size()), input.data(),
                   gbkCode.c_str());
      std::abort();
    }
  }
  duk_pop(ctx);
  /* [ ] */
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  ConditionalState state;
  auto program = checkSource(input, SourceKind::Program, state);
  if (program.ok) compileInDuktape(program.code, 0, input);
  auto expression = checkSource(input, SourceKind::Expression);
  if (expression.ok) compileInDuktape(expression.code, DUK_COMPILE_EVAL, input);
  return 0;
}
