// An engine library that writes nothing into the buffer (unless asked to write a NUL inside its
// text) and remembers what it was given, so the bridge's side of the contract can be checked.
#include <cstdint>
#include <cstring>
#include <string>

namespace {
std::string lastStartupPath;
std::string lastScript;
std::string lastCall;
bool lastBufferWasNull = false;
int lastLength = 0;
std::intptr_t lastContext = 0;
}  // namespace

extern "C" {

__attribute__((visibility("default"))) std::intptr_t InitializeV8(const char* startupPath) noexcept {
  lastStartupPath = startupPath;
  return 4242;
}

__attribute__((visibility("default"))) int ExecJavaScriptV8(std::intptr_t context,
                                                            const char* script, const char* call,
                                                            char* buffer, int length) noexcept {
  lastContext = context;
  lastScript = script;
  lastCall = call;
  lastBufferWasNull = buffer == nullptr;
  lastLength = length;
  if (buffer != nullptr && std::strcmp(call, "nul()") == 0 && length >= 5) std::memcpy(buffer, "ab\0cd", 5);
  return 0;
}

// For the test: what the last calls received.
__attribute__((visibility("default"))) const char* RecordedStartupPath() { return lastStartupPath.c_str(); }
__attribute__((visibility("default"))) const char* RecordedScript() { return lastScript.c_str(); }
__attribute__((visibility("default"))) const char* RecordedCall() { return lastCall.c_str(); }
__attribute__((visibility("default"))) bool RecordedNullBuffer() { return lastBufferWasNull; }
__attribute__((visibility("default"))) int RecordedLength() { return lastLength; }
__attribute__((visibility("default"))) std::intptr_t RecordedContext() { return lastContext; }
}
