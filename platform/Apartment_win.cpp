#include "platform/Apartment.h"

#include <objbase.h>

namespace jsdebug::platform {
namespace {
thread_local int depth = 0;
}  // namespace

std::int32_t JSDEBUG_STDCALL CoInitialize(void* reserved) {
  const HRESULT result = ::CoInitialize(reserved);
  if (SUCCEEDED(result)) ++depth;
  return result;
}

void JSDEBUG_STDCALL CoUninitialize() {
  // COM's own count must not go below what this thread entered through here.
  if (depth == 0) return;
  --depth;
  ::CoUninitialize();
}

int apartmentDepth() { return depth; }

}  // namespace jsdebug::platform
