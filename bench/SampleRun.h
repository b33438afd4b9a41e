#pragma once
// What the benchmarks of a run share: the editor's initial script with the call the cue text
// suggests, and the V8 bridge started once, its node child booted before anything is timed.

#include "workflow/UrlLoading.h"
#include "engine/V8Bridge.h"

namespace jsdebug::bench {

inline constexpr const char* kSampleCall = "test('abc',123)";

inline engine::V8Bridge& startedV8Bridge() {
  static engine::V8Bridge& bridge = []() -> engine::V8Bridge& {
    engine::v8Bridge().initializeV8(engine::startupPath());
    // Node boots in the background; the first run waits for it, and that is not what we measure.
    engine::v8Bridge().executeV8("", "String", "1");
    return engine::v8Bridge();
  }();
  return bridge;
}

}  // namespace jsdebug::bench
