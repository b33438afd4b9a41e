#include "platform/Apartment.h"

namespace jsdebug::platform {
namespace {
thread_local int depth = 0;
constexpr std::int32_t kE_INVALIDARG = static_cast<std::int32_t>(0x80070057u);
}  // namespace

std::int32_t JSDEBUG_STDCALL CoInitialize(void* reserved) {
  if (reserved != nullptr) return kE_INVALIDARG;
  return depth++ == 0 ? kS_OK : kS_FALSE;
}

void JSDEBUG_STDCALL CoUninitialize() {
  if (depth > 0) --depth;
}

int apartmentDepth() { return depth; }

}  // namespace jsdebug::platform
