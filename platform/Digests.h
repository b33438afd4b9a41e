#pragma once
// Message digests and HMAC over bytes: the one door to the system's cryptography, OpenSSL's
// libcrypto on Linux (Digests_posix.cpp), BCrypt on Windows (Digests_win.cpp). MD5加密, the
// 编码工具 and the CLI all hash through here, so no digest is computed in two places.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace jsdebug::platform {

enum class DigestKind { Md5, Sha1, Sha256, Sha512 };

// A digest or HMAC fed in pieces, for inputs too large to hold twice. A hasher the library could
// not set up (out of memory) reports failure from finish(), never a wrong digest.
class Hasher {
 public:
  explicit Hasher(DigestKind kind);
  // RFC 2104 HMAC with the key's bytes as given; any key length, the empty key included.
  Hasher(DigestKind kind, std::string_view key);
  ~Hasher();
  Hasher(const Hasher&) = delete;
  Hasher& operator=(const Hasher&) = delete;

  void update(std::string_view bytes);
  // The raw digest bytes; nullopt when the library failed at any step. Call once.
  std::optional<std::string> finish();

  struct State;

 private:
  std::unique_ptr<State> state_;
};

std::optional<std::string> digest(DigestKind kind, std::string_view bytes);
std::optional<std::string> hmac(DigestKind kind, std::string_view key, std::string_view bytes);

}  // namespace jsdebug::platform
