#include <openssl/evp.h>
#include <openssl/hmac.h>

#include <array>

#include "encode/Digests.h"

namespace jsdebug::encode {
namespace {

const EVP_MD* algorithm(DigestKind kind) {
  switch (kind) {
    case DigestKind::Md5: return EVP_md5();
    case DigestKind::Sha1: return EVP_sha1();
    case DigestKind::Sha256: return EVP_sha256();
    case DigestKind::Sha512: return EVP_sha512();
  }
  return nullptr;
}

}  // namespace

std::optional<std::string> digest(DigestKind kind, std::string_view bytes) {
  std::array<unsigned char, EVP_MAX_MD_SIZE> out{};
  unsigned int length = 0;
  if (EVP_Digest(bytes.data(), bytes.size(), out.data(), &length, algorithm(kind), nullptr) != 1)
    return std::nullopt;
  return std::string(reinterpret_cast<const char*>(out.data()), length);
}

std::optional<std::string> hmac(DigestKind kind, std::string_view key, std::string_view bytes) {
  std::array<unsigned char, EVP_MAX_MD_SIZE> out{};
  unsigned int length = 0;
  // A null key pointer would make OpenSSL reuse an earlier key; the empty key is "" here.
  static const unsigned char kNoKey = 0;
  const auto* keyBytes = key.empty() ? &kNoKey : reinterpret_cast<const unsigned char*>(key.data());
  if (!HMAC(algorithm(kind), keyBytes, static_cast<int>(key.size()),
            reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), out.data(),
            &length))
    return std::nullopt;
  return std::string(reinterpret_cast<const char*>(out.data()), length);
}

}  // namespace jsdebug::encode
