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

std::string programDirectory() {
  const std::string path = executablePath();
  const std::size_t slash = path.rfind(kPathSeparator);
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::string programFileName() {
  const std::string path = executablePath();
  return path.substr(path.rfind(kPathSeparator) + 1);
}

std::string joinPath(const std::string& directory, const std::string& name) {
  return directory + kPathSeparator + name;
}

std::string nativeToGbk(const std::string& text) {
#ifdef _WIN32
  return text;  // the ANSI code page is the program's own
#else
  return gbk::fromUtf8(text);
#endif
}

std::string systemErrorText(std::error_code error) { return nativeToGbk(error.message()); }

}  // namespace jsdebug::platform
