#pragma once
// The system's millisecond tick counter, as the run commands time a call with it.

#include <cstdint>

namespace jsdebug::platform {

// Milliseconds on a steady clock since an unspecified start; wraps around after about 49.7 days
// like the Windows counter, so callers subtract two readings in unsigned arithmetic.
std::uint32_t tickCount();

}  // namespace jsdebug::platform
