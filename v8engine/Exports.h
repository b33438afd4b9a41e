#pragma once
// The calling contract of the engine library v8.dll, shared by the library and the program that
// loads it. The context is pointer-sized: it is opaque to the program and only handed back.

#include <cstdint>

extern "C" {

// Called once before any ExecJavaScriptV8; the result is passed back unchanged to every later
// call. No value of it means failure.
std::intptr_t InitializeV8(const char* startupPath) noexcept;

// Runs `script`, then evaluates `call`, and writes the outcome into `buffer` as GBK text ended by
// a NUL: the value as String(value), or an error report holding the lines "错误所在行:" and
// "错误信息:". At most bufferLength bytes of text and the NUL are written; a null buffer or a
// length below 1 gets nothing. The return value carries no meaning.
int ExecJavaScriptV8(std::intptr_t context, const char* script, const char* call, char* buffer,
                     int bufferLength) noexcept;

}

namespace jsdebug::v8contract {

using InitializeV8Function = std::intptr_t (*)(const char*);
using ExecJavaScriptV8Function = int (*)(std::intptr_t, const char*, const char*, char*, int);

}  // namespace jsdebug::v8contract
