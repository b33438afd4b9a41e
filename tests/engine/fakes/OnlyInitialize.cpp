// An engine library that lacks ExecJavaScriptV8: the program starts, the first run must end it.
#include <cstdint>

#include "platform/CallingConvention.h"

extern "C" JSDEBUG_LIBRARY_EXPORT std::intptr_t JSDEBUG_STDCALL InitializeV8(const char*) noexcept {
  return 7;
}
