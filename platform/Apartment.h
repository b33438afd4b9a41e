#pragma once
// CoInitialize / CoUninitialize. On Linux there is no COM: the script host is an ordinary object,
// so entering and leaving an apartment only has to nest and balance per thread as COM does. On
// Windows they enter the real apartment (the Script Control lives in it) and count the same way.

#include <cstdint>

#include "platform/CallingConvention.h"

namespace jsdebug::platform {

inline constexpr std::int32_t kS_OK = 0;
inline constexpr std::int32_t kS_FALSE = 1;

// S_OK on the thread's first entry, S_FALSE on a nested one. `reserved` must be null, as in COM.
std::int32_t JSDEBUG_STDCALL CoInitialize(void* reserved);
// Leaves one level; a call without a matching entry does nothing.
void JSDEBUG_STDCALL CoUninitialize();

// How deep the calling thread is inside apartments.
int apartmentDepth();

}  // namespace jsdebug::platform
