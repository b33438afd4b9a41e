#include "platform/Md5.h"

#include <algorithm>

#include "platform/Digests.h"

namespace jsdebug::platform {

bool md5(std::string_view bytes, Md5Digest& out) {
  const std::optional<std::string> raw = digest(DigestKind::Md5, bytes);
  if (!raw || raw->size() != out.size()) return false;
  std::copy(raw->begin(), raw->end(), out.begin());
  return true;
}

}  // namespace jsdebug::platform
