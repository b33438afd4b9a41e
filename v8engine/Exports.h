#pragma once
// The calling contract of the engine library v8.dll, shared by the library and the program that
// loads it. The context is pointer-sized: it is opaque to the program and only handed back.
// The exports use the convention of E's DLL commands (stdcall on 32-bit Windows), so an E
// program can declare and call them, and the program can load the E world's own v8.dll.

#include <cstdint>

#include "platform/CallingConvention.h"

extern "C" {

// Called once before any ExecJavaScriptV8; the result is passed back unchanged to every later
// call. No value of it means failure.
std::intptr_t JSDEBUG_STDCALL InitializeV8(const char* startupPath) noexcept;

// Runs `script`, then evaluates `call`, and writes the outcome into `buffer` as GBK text ended by
// a NUL: the value as String(value), or an error report holding the lines "错误所在行:" and
// "错误信息:". At most bufferLength bytes of text and the NUL are written; a null buffer or a
// length below 1 gets nothing. The return value carries no meaning.
int JSDEBUG_STDCALL ExecJavaScriptV8(std::intptr_t context, const char* script, const char* call, char* buffer,
                     int bufferLength) noexcept;

// Our own addition, which a program may look for and do without: ExecJavaScriptV8 with what the
// run leaves beside its value handed to `sink`, one note at a time, in order, as GBK text of
// `length` bytes (not NUL-ended), on the calling thread before the export returns:
//   'L' a console line; 'D' the number of console lines left out;
//   'M' a name the script reached for that the browser environment lacks; 'N' the number of such
//   names left out; 'T' the number of timer callbacks left out.
// `location` not null and not empty installs the browser environment with that page address.
typedef void (*JsdebugV8NoteSink)(void* user, int kind, const char* text, int length);
int JSDEBUG_STDCALL JsdebugExecV8(std::intptr_t context, const char* location, const char* script,
                  const char* call, char* buffer, int bufferLength, JsdebugV8NoteSink sink,
                  void* user) noexcept;

}

namespace jsdebug::v8contract {

using InitializeV8Function = std::intptr_t(JSDEBUG_STDCALL*)(const char*);
using ExecJavaScriptV8Function = int(JSDEBUG_STDCALL*)(std::intptr_t, const char*, const char*, char*, int);
using JsdebugExecV8Function = int(JSDEBUG_STDCALL*)(std::intptr_t, const char*, const char*, const char*, char*,
                                      int, JsdebugV8NoteSink, void*);
inline constexpr const char* kJsdebugExecV8 = "JsdebugExecV8";

}  // namespace jsdebug::v8contract
