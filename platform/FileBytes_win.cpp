#include <cstdlib>

#include "platform/FileBytes.h"
#include "platform/FileBytesDetail.h"

namespace jsdebug::platform {

void detail::preferLargePages(char*, std::size_t) {}

// %LOCALAPPDATA%\jsdebug, the per-user folder for what a program keeps for its user.
std::string userCacheDirectory() {
  const char* local = std::getenv("LOCALAPPDATA");
  if (local != nullptr && local[0] != '\0') return std::string(local) + "\\jsdebug";
  return {};
}

}  // namespace jsdebug::platform
