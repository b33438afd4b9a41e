// The two C exports. Nothing may leave them as an exception: the caller is C (or E) code.
#include "v8engine/Exports.h"

#include <string>

#include "v8engine/Engine.h"

#define JSDEBUG_EXPORT __attribute__((visibility("default")))

using jsdebug::v8engine::engine;

extern "C" JSDEBUG_EXPORT std::intptr_t InitializeV8(const char* /*startupPath*/) noexcept {
  try {
    engine().start();
  } catch (...) {
    // A failed start is reported by the first call, which tries again.
  }
  return 1;
}

extern "C" JSDEBUG_EXPORT int ExecJavaScriptV8(std::intptr_t /*context*/, const char* script,
                                               const char* call, char* buffer,
                                               int bufferLength) noexcept {
  try {
    std::string result = engine().run(script != nullptr ? script : "", call != nullptr ? call : "");
    jsdebug::v8engine::writeResult(result, buffer, bufferLength);
  } catch (...) {
    try {
      jsdebug::v8engine::writeResult(jsdebug::v8engine::errorReport(0, "Error: V8 引擎内部错误"),
                                     buffer, bufferLength);
    } catch (...) {
    }
  }
  return 0;
}
