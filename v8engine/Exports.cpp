// The two C exports. Nothing may leave them as an exception: the caller is C (or E) code.
#include "v8engine/Exports.h"

#include <string>

#include "v8engine/Engine.h"

using jsdebug::v8engine::engine;

namespace {

// What a run that failed inside the library leaves in the caller's buffer: an error report like
// any other, so the caller shows it as a failed run.
void reportInternalError(char* buffer, int bufferLength) noexcept {
  try {
    jsdebug::v8engine::writeResult(jsdebug::v8engine::errorReport(0, "Error: V8 引擎内部错误"),
                                   buffer, bufferLength);
  } catch (...) {
  }
}

}  // namespace

extern "C" JSDEBUG_LIBRARY_EXPORT std::intptr_t JSDEBUG_STDCALL InitializeV8(const char* /*startupPath*/) noexcept {
  try {
    engine().start();
  } catch (...) {
    // A failed start is reported by the first call, which tries again.
  }
  return 1;
}

extern "C" JSDEBUG_LIBRARY_EXPORT int JSDEBUG_STDCALL ExecJavaScriptV8(std::intptr_t /*context*/, const char* script,
                                               const char* call, char* buffer,
                                               int bufferLength) noexcept {
  try {
    std::string result = engine().run(script != nullptr ? script : "", call != nullptr ? call : "");
    jsdebug::v8engine::writeResult(result, buffer, bufferLength);
  } catch (...) {
    reportInternalError(buffer, bufferLength);
  }
  return 0;
}

extern "C" JSDEBUG_LIBRARY_EXPORT int JSDEBUG_STDCALL JsdebugExecV8(std::intptr_t /*context*/, const char* location,
                                            const char* script, const char* call, char* buffer,
                                            int bufferLength, JsdebugV8NoteSink sink,
                                            void* user) noexcept {
  try {
    jsdebug::v8engine::RunOutcome outcome =
        engine().run(script != nullptr ? script : "", call != nullptr ? call : "",
                     location != nullptr ? location : "");
    jsdebug::v8engine::writeResult(outcome.result, buffer, bufferLength);
    if (sink != nullptr)
      for (const jsdebug::v8engine::Note& note : outcome.notes)
        sink(user, static_cast<unsigned char>(note.kind), note.text.data(),
             static_cast<int>(note.text.size()));
  } catch (...) {
    reportInternalError(buffer, bufferLength);
  }
  return 0;
}
