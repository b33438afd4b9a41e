#pragma once
// Message digests and HMAC over bytes. The one door to the platform's cryptography: OpenSSL on
// Linux (Digests_openssl.cpp); a Windows build puts its BCrypt twin beside it.

#include <optional>
#include <string>
#include <string_view>

namespace jsdebug::encode {

enum class DigestKind { Md5, Sha1, Sha256, Sha512 };

// The raw digest bytes; nullopt only when the library could not work (out of memory).
std::optional<std::string> digest(DigestKind kind, std::string_view bytes);
// RFC 2104 HMAC with the key's bytes as given; any key length, the empty key included.
std::optional<std::string> hmac(DigestKind kind, std::string_view key, std::string_view bytes);

}  // namespace jsdebug::encode
