#include "platform/Paths.h"

#include <windows.h>

namespace jsdebug::platform {

std::string executablePath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
}

// The ANSI code page of a Chinese Windows is the program's own.
std::string nativeToGbk(const std::string& text) { return text; }

std::string systemErrorText(std::error_code error) {
  // The C library's texts are English; the system has them in the user's language.
  if (error.category() == std::system_category()) {
    char* buffer = nullptr;
    const DWORD n = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(error.value()), 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    if (n > 0 && buffer != nullptr) {
      std::string text(buffer, n);
      LocalFree(buffer);
      while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
      return text;
    }
  }
  return nativeToGbk(error.message());
}

}  // namespace jsdebug::platform
