#pragma once
// The MD5 digest as MD5加密 shows it, through the system's cryptography (platform/Digests.h).

#include <array>
#include <memory>
#include <string_view>

namespace jsdebug::platform {

using Md5Digest = std::array<unsigned char, 16>;

// A digest fed in pieces, for bytes that are never all in memory at once (a large file).
class Md5Stream {
 public:
  Md5Stream();
  ~Md5Stream();
  Md5Stream(const Md5Stream&) = delete;
  Md5Stream& operator=(const Md5Stream&) = delete;

  // Always true: a provider that failed (out of memory) says so at finish().
  bool add(std::string_view bytes);
  // The digest of everything added; false when the provider failed. The stream is spent afterwards.
  bool finish(Md5Digest& digest);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// False only when the provider cannot be had (out of memory); no digest is better than a wrong one.
bool md5(std::string_view bytes, Md5Digest& digest);

}  // namespace jsdebug::platform
