#pragma once
// The system's random source (what a browser's crypto.getRandomValues draws from).

#include <cstddef>

namespace jsdebug::platform {

// Fills `size` bytes; false when the source cannot be read.
bool randomBytes(void* buffer, std::size_t size);

}  // namespace jsdebug::platform
