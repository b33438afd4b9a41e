#include "platform/Paths.h"

#include <unistd.h>

#include <climits>

#include "text/Codec.h"

namespace jsdebug::platform {

std::string executablePath() {
  char path[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  return n > 0 ? std::string(path, static_cast<std::size_t>(n)) : std::string();
}

std::string nativeToGbk(const std::string& text) { return gbk::fromUtf8(text); }

std::string systemErrorText(std::error_code error) { return nativeToGbk(error.message()); }

}  // namespace jsdebug::platform
