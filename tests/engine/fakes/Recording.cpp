// An engine library that writes nothing into the buffer (unless asked to write a NUL inside its
// text) and remembers what it was given, so the bridge's side of the contract can be checked.
#include <cstdint>
#include <cstring>
#include <string>

#include "platform/CallingConvention.h"

namespace {
std::string lastStartupPath;
std::string lastScript;
std::string lastCall;
bool lastBufferWasNull = false;
int lastLength = 0;
std::intptr_t lastContext = 0;
}  // namespace

extern "C" {

JSDEBUG_LIBRARY_EXPORT std::intptr_t JSDEBUG_STDCALL InitializeV8(const char* startupPath) noexcept {
  lastStartupPath = startupPath;
  return 4242;
}

JSDEBUG_LIBRARY_EXPORT int JSDEBUG_STDCALL ExecJavaScriptV8(std::intptr_t context, const char* script,
                                                           const char* call, char* buffer, int length) noexcept {
  lastContext = context;
  lastScript = script;
  lastCall = call;
  lastBufferWasNull = buffer == nullptr;
  lastLength = length;
  if (buffer != nullptr && std::strcmp(call, "nul()") == 0 && length >= 5) std::memcpy(buffer, "ab\0cd", 5);
  return 0;
}

// For the test: what the last calls received.
JSDEBUG_LIBRARY_EXPORT const char* RecordedStartupPath() { return lastStartupPath.c_str(); }
JSDEBUG_LIBRARY_EXPORT const char* RecordedScript() { return lastScript.c_str(); }
JSDEBUG_LIBRARY_EXPORT const char* RecordedCall() { return lastCall.c_str(); }
JSDEBUG_LIBRARY_EXPORT bool RecordedNullBuffer() { return lastBufferWasNull; }
JSDEBUG_LIBRARY_EXPORT int RecordedLength() { return lastLength; }
JSDEBUG_LIBRARY_EXPORT std::intptr_t RecordedContext() { return lastContext; }
}
