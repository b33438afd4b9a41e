#pragma once
// The MD5 digest from the system's cryptography: OpenSSL's libcrypto on Linux, BCrypt on Windows.

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

  // False once the provider has failed (out of memory); nothing is digested after that.
  bool add(std::string_view bytes);
  // The digest of everything added; the stream is spent afterwards.
  bool finish(Md5Digest& digest);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// False only when the provider cannot be had (out of memory); no digest is better than a wrong one.
inline bool md5(std::string_view bytes, Md5Digest& digest) {
  Md5Stream stream;
  return stream.add(bytes) && stream.finish(digest);
}

}  // namespace jsdebug::platform
