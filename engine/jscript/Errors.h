#pragma once
// Errors as JScript makes them: every error Duktape creates gets JScript's number (the signed
// 0x800A0000 | code a script sees in e.number), its Chinese description (also the message) and
// the name JScript gives that number; `Error(number, description)` takes JScript's arguments.

#include <cstddef>
#include <string_view>

#include "duktape.h"

namespace jsdebug::engine::jscript {

// Sets Duktape.errCreate and JScript's Error constructor on a fresh heap. Must run before the
// profile removes the Duktape global. Runs protected: a heap too short of memory for it keeps
// Duktape's own errors.
void installErrorHooks(duk_context* ctx);

// Lets the hook quote the failing expression ('a' 为空或不是对象): the code compiled under
// fileName, UTF-8. Must be called inside a protected call (it allocates).
void rememberSource(duk_context* ctx, const char* fileName, const char* utf8, std::size_t length);

// For a thrown value that is no error object (value: its stack index): pushes the file name
// and line of the throw statement and its frame text (as pushFrameStatements) and returns true,
// or pushes nothing and returns false when the value is not the one last thrown. Must be called
// inside a protected call.
bool whereThrown(duk_context* ctx, duk_idx_t value);

// Pushes, for the script frames of the error at `error` (innermost first), where the statement
// each was running starts in its compiled text, as lines "offset<TAB>fileName<LF>" (offset -1
// when unknown); an empty text for a value without a traceback. Must be called inside a
// protected call.
void pushFrameStatements(duk_context* ctx, duk_idx_t error);

// The facility JScript's run-time and syntax errors carry in e.number.
inline constexpr unsigned kJScriptFacility = 0x800A0000u;

// A limit of Duktape's own (its stacks, its compiler's tables, its memory) as the JScript error
// that a script meets at the same point: stack overflow, out of memory, invalid character.
struct InternalLimit {
  int number;               // JScript's code: 28, 7, 1014
  const char* description;  // CP936
  const char* className;    // the constructor JScript gives that error
};

// The JScript error for one of Duktape's own error texts, without the " (line N)" the compiler
// adds; null for any other text.
const InternalLimit* internalLimit(std::string_view message);

}  // namespace jsdebug::engine::jscript
