#pragma once
// The real engine library, found next to the test executable as the program finds its own, and
// started once for the whole executable: node boots while the first test gets ready.

#include "engine/V8Bridge.h"

namespace jsdebug::testsupport {

inline engine::V8Bridge& startedV8Bridge() {
  static engine::V8Bridge& bridge = []() -> engine::V8Bridge& {
    engine::v8Bridge().initializeV8(engine::startupPath());
    return engine::v8Bridge();
  }();
  return bridge;
}

}  // namespace jsdebug::testsupport
