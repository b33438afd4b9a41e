#include "platform/FileBytes.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <sys/stat.h>

namespace jsdebug::platform {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const noexcept { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::error_code lastError(std::errc fallback) {
  // Not every C library sets errno for every stdio failure; never report success by accident.
  return errno != 0 ? std::error_code(errno, std::generic_category()) : std::make_error_code(fallback);
}

}  // namespace

std::string readFileBytes(const std::string& path) {
  File file(std::fopen(path.c_str(), "rb"));
  if (!file) return {};
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const std::size_t n = std::fread(buffer, 1, sizeof buffer, file.get());
    bytes.append(buffer, n);
    if (n < sizeof buffer) break;
  }
  // A directory opens on some systems and then fails to read: that is no file either.
  if (std::ferror(file.get())) return {};
  return bytes;
}

std::error_code readScriptStream(std::FILE* stream, std::string& bytes) {
  std::string read;
  char buffer[65536];
  for (;;) {
    errno = 0;
    const std::size_t n = std::fread(buffer, 1, sizeof buffer, stream);
    if (read.size() + n > kMaxScriptBytes) return std::make_error_code(std::errc::file_too_large);
    read.append(buffer, n);
    if (n < sizeof buffer) break;
  }
  if (std::ferror(stream)) return lastError(std::errc::io_error);
  bytes = std::move(read);
  return {};
}

std::error_code readScriptFile(const std::string& path, std::string& bytes) {
  errno = 0;
  File file(std::fopen(path.c_str(), "rb"));
  if (!file) return lastError(std::errc::io_error);
  struct stat info {};
  if (fstat(fileno(file.get()), &info) != 0) return lastError(std::errc::io_error);
  if (S_ISDIR(info.st_mode)) return std::make_error_code(std::errc::is_a_directory);
  // /dev/zero never ends and a pipe may never close: neither is a script file.
  if (!S_ISREG(info.st_mode)) return std::make_error_code(std::errc::not_supported);
  if (static_cast<unsigned long long>(info.st_size) > kMaxScriptBytes)
    return std::make_error_code(std::errc::file_too_large);
  return readScriptStream(file.get(), bytes);
}

std::error_code writeFileBytes(const std::string& path, std::string_view bytes) {
  errno = 0;
  std::FILE* raw = std::fopen(path.c_str(), "wb");
  if (!raw) return lastError(std::errc::io_error);
  File file(raw);
  errno = 0;
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), raw) != bytes.size())
    return lastError(std::errc::io_error);
  // A full disk often shows only when the buffered tail is flushed or the file is closed.
  errno = 0;
  if (std::fflush(raw) != 0) return lastError(std::errc::io_error);
  errno = 0;
  if (std::fclose(file.release()) != 0) return lastError(std::errc::io_error);
  return {};
}

std::string userCacheDirectory() {
  const char* cache = std::getenv("XDG_CACHE_HOME");
  if (cache != nullptr && cache[0] == '/') return std::string(cache) + "/jsdebug";
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return std::string(home) + "/.cache/jsdebug";
  return {};
}

}  // namespace jsdebug::platform
