#include "platform/Paths.h"

namespace jsdebug::platform {

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

}  // namespace jsdebug::platform
