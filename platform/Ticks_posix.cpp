#include "platform/Ticks.h"

#include <time.h>

namespace jsdebug::platform {

std::uint32_t tickCount() {
  // A monotonic clock, because the wall clock may jump while a call is being timed. (Not
  // <chrono>: libstdc++ 12's header does not compile under -fexec-charset=CP936.)
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  auto ms = static_cast<std::uint64_t>(now.tv_sec) * 1000u + static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
  return static_cast<std::uint32_t>(ms);
}

}  // namespace jsdebug::platform
