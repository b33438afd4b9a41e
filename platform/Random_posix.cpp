#include "platform/Random.h"

#include <sys/random.h>

#include <cerrno>

namespace jsdebug::platform {

bool randomBytes(void* buffer, std::size_t size) {
  auto* out = static_cast<unsigned char*>(buffer);
  while (size > 0) {
    ssize_t n = getrandom(out, size, 0);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    out += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace jsdebug::platform
