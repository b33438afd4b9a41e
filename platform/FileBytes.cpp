#include "platform/FileBytes.h"
#include "platform/FileBytesDetail.h"

#include <cerrno>
#include <cstdio>
#include <cstdint>
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

namespace {

// Reads straight into the string, `expected` bytes at first (a file's size): a large script is
// then one allocation and one pass, not a chain of growing copies.
std::error_code readAll(std::FILE* stream, std::string& bytes, std::size_t expected) {
  constexpr std::size_t kStep = 65536;
  std::string read;
  std::size_t used = 0;
  read.reserve(expected + 1 > kStep ? expected + 1 : kStep);
  detail::preferLargePages(read.data(), read.capacity());
  read.resize(read.capacity());
  for (;;) {
    if (used == read.size()) read.resize(read.size() * 2);
    errno = 0;
    const std::size_t wanted = read.size() - used;
    const std::size_t n = std::fread(read.data() + used, 1, wanted, stream);
    used += n;
    if (used > kMaxScriptBytes) return std::make_error_code(std::errc::file_too_large);
    if (n < wanted) break;
  }
  if (std::ferror(stream)) return lastError(std::errc::io_error);
  read.resize(used);
  bytes = std::move(read);
  return {};
}

std::error_code readPieces(std::FILE* stream, const ScriptPiece& piece) {
  // A megabyte: large enough that the digest, not the calls, is the cost; small enough to stay
  // in the processor's cache between the read and the digest.
  std::string buffer(std::size_t{1} << 20, '\0');
  std::size_t total = 0;
  for (;;) {
    errno = 0;
    const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), stream);
    total += n;
    if (total > kMaxScriptBytes) return std::make_error_code(std::errc::file_too_large);
    if (n > 0) piece(std::string_view(buffer.data(), n));
    if (n < buffer.size()) break;
  }
  if (std::ferror(stream)) return lastError(std::errc::io_error);
  return {};
}

// Opens a script file for reading: a regular file no larger than a script may be.
std::error_code openScriptFile(const std::string& path, File& file, std::size_t& size) {
  errno = 0;
  file.reset(std::fopen(path.c_str(), "rb"));
  if (!file) return lastError(std::errc::io_error);
  struct stat info {};
  if (fstat(fileno(file.get()), &info) != 0) return lastError(std::errc::io_error);
  if (S_ISDIR(info.st_mode)) return std::make_error_code(std::errc::is_a_directory);
  // /dev/zero never ends and a pipe may never close: neither is a script file.
  if (!S_ISREG(info.st_mode)) return std::make_error_code(std::errc::not_supported);
  if (static_cast<unsigned long long>(info.st_size) > kMaxScriptBytes)
    return std::make_error_code(std::errc::file_too_large);
  size = static_cast<std::size_t>(info.st_size);
  return {};
}

}  // namespace

std::error_code readScriptStream(std::FILE* stream, std::string& bytes) { return readAll(stream, bytes, 0); }

std::error_code readScriptFile(const std::string& path, std::string& bytes) {
  File file;
  std::size_t size = 0;
  if (std::error_code error = openScriptFile(path, file, size)) return error;
  return readAll(file.get(), bytes, size);
}

std::error_code readScriptStreamInPieces(std::FILE* stream, const ScriptPiece& piece) {
  return readPieces(stream, piece);
}

std::error_code readScriptFileInPieces(const std::string& path, const ScriptPiece& piece) {
  File file;
  std::size_t size = 0;
  if (std::error_code error = openScriptFile(path, file, size)) return error;
  return readPieces(file.get(), piece);
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

}  // namespace jsdebug::platform
