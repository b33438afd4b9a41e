#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>

#include "platform/FileBytes.h"
#include "platform/FileBytesDetail.h"

namespace jsdebug::platform {

void detail::preferLargePages(char* data, std::size_t size) {
  constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
  const auto from = (reinterpret_cast<std::uintptr_t>(data) + kLargePage - 1) & ~(kLargePage - 1);
  const auto to = (reinterpret_cast<std::uintptr_t>(data) + size) & ~(kLargePage - 1);
  if (to > from) ::madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
}

std::string userCacheDirectory() {
  const char* cache = std::getenv("XDG_CACHE_HOME");
  if (cache != nullptr && cache[0] == '/') return std::string(cache) + "/jsdebug";
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return std::string(home) + "/.cache/jsdebug";
  return {};
}

}  // namespace jsdebug::platform
