#include "platform/Digests.h"

#include <windows.h>
#include <bcrypt.h>

#include <algorithm>
#include <cstddef>

namespace jsdebug::platform {
namespace {

LPCWSTR algorithm(DigestKind kind) {
  switch (kind) {
    case DigestKind::Md5: return BCRYPT_MD5_ALGORITHM;
    case DigestKind::Sha1: return BCRYPT_SHA1_ALGORITHM;
    case DigestKind::Sha256: return BCRYPT_SHA256_ALGORITHM;
    case DigestKind::Sha512: return BCRYPT_SHA512_ALGORITHM;
  }
  return BCRYPT_MD5_ALGORITHM;
}

}  // namespace

struct Hasher::State {
  BCRYPT_ALG_HANDLE algorithm = nullptr;
  BCRYPT_HASH_HANDLE hash = nullptr;
  ULONG length = 0;
  bool ok = false;
  ~State() {
    if (hash != nullptr) BCryptDestroyHash(hash);
    if (algorithm != nullptr) BCryptCloseAlgorithmProvider(algorithm, 0);
  }
  void open(DigestKind kind, ULONG flags, std::string_view key) {
    if (!BCRYPT_SUCCESS(BCryptOpenAlgorithmProvider(&algorithm, jsdebug::platform::algorithm(kind),
                                                    nullptr, flags)))
      return;
    ULONG got = 0;
    if (!BCRYPT_SUCCESS(BCryptGetProperty(algorithm, BCRYPT_HASH_LENGTH,
                                          reinterpret_cast<PUCHAR>(&length), sizeof length, &got,
                                          0)))
      return;
    auto* secret = reinterpret_cast<PUCHAR>(const_cast<char*>(key.data()));
    ok = BCRYPT_SUCCESS(BCryptCreateHash(algorithm, &hash, nullptr, 0, key.empty() ? nullptr : secret,
                                         static_cast<ULONG>(key.size()), 0));
  }
};

Hasher::Hasher(DigestKind kind) : state_(std::make_unique<State>()) { state_->open(kind, 0, {}); }

Hasher::Hasher(DigestKind kind, std::string_view key) : state_(std::make_unique<State>()) {
  // HMAC pads a short key with zero bytes, so the empty key and a single zero byte are the same
  // key; the byte spares the provider a zero-length secret, which it may refuse.
  if (key.empty()) key = std::string_view("\0", 1);
  // BCrypt takes the secret's length as a ULONG.
  if (static_cast<unsigned long long>(key.size()) > 0xFFFFFFFFull) return;
  state_->open(kind, BCRYPT_ALG_HANDLE_HMAC_FLAG, key);
}

Hasher::~Hasher() = default;

void Hasher::update(std::string_view bytes) {
  // BCryptHashData takes a ULONG length: a larger input goes in pieces.
  for (std::size_t done = 0; state_->ok && done < bytes.size();) {
    const ULONG n = static_cast<ULONG>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
    state_->ok = BCRYPT_SUCCESS(BCryptHashData(
        state_->hash, reinterpret_cast<PUCHAR>(const_cast<char*>(bytes.data() + done)), n, 0));
    done += n;
  }
}

std::optional<std::string> Hasher::finish() {
  if (!state_->ok) return std::nullopt;
  std::string out(state_->length, '\0');
  state_->ok = BCRYPT_SUCCESS(
      BCryptFinishHash(state_->hash, reinterpret_cast<PUCHAR>(out.data()), state_->length, 0));
  if (!state_->ok) return std::nullopt;
  state_->ok = false;
  return out;
}

}  // namespace jsdebug::platform
