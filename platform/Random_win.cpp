#include "platform/Random.h"

#include <windows.h>
#include <bcrypt.h>

#include <algorithm>

namespace jsdebug::platform {

bool randomBytes(void* buffer, std::size_t size) {
  auto* out = static_cast<unsigned char*>(buffer);
  while (size > 0) {
    const ULONG n = static_cast<ULONG>(std::min<std::size_t>(size, 1u << 30));
    if (!BCRYPT_SUCCESS(BCryptGenRandom(nullptr, out, n, BCRYPT_USE_SYSTEM_PREFERRED_RNG))) return false;
    out += n;
    size -= n;
  }
  return true;
}

}  // namespace jsdebug::platform
