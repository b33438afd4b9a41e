#include "platform/Ticks.h"

#include <windows.h>

namespace jsdebug::platform {

std::uint32_t tickCount() { return ::GetTickCount(); }

}  // namespace jsdebug::platform
