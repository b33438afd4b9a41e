#include "platform/Digests.h"

namespace jsdebug::platform {

std::optional<std::string> digest(DigestKind kind, std::string_view bytes) {
  Hasher hasher(kind);
  hasher.update(bytes);
  return hasher.finish();
}

std::optional<std::string> hmac(DigestKind kind, std::string_view key, std::string_view bytes) {
  Hasher hasher(kind, key);
  hasher.update(bytes);
  return hasher.finish();
}

}  // namespace jsdebug::platform
