#include <openssl/core_names.h>
#include <openssl/evp.h>
#include <openssl/params.h>

#include <array>

#include "platform/Digests.h"

namespace jsdebug::platform {
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

// A plain digest runs on an EVP digest context, an HMAC on an EVP MAC context.
struct Hasher::State {
  EVP_MD_CTX* md = nullptr;
  EVP_MAC* macAlgorithm = nullptr;
  EVP_MAC_CTX* mac = nullptr;
  bool ok = false;
  ~State() {
    EVP_MD_CTX_free(md);
    EVP_MAC_CTX_free(mac);
    EVP_MAC_free(macAlgorithm);
  }
};

Hasher::Hasher(DigestKind kind) : state_(std::make_unique<State>()) {
  state_->md = EVP_MD_CTX_new();
  state_->ok = state_->md != nullptr && EVP_DigestInit_ex(state_->md, algorithm(kind), nullptr) == 1;
}

Hasher::Hasher(DigestKind kind, std::string_view key) : state_(std::make_unique<State>()) {
  // HMAC pads a short key with zero bytes, so the empty key and a single zero byte are the same
  // key; the byte spares the library's special case for "no key given".
  if (key.empty()) key = std::string_view("\0", 1);
  state_->macAlgorithm = EVP_MAC_fetch(nullptr, OSSL_MAC_NAME_HMAC, nullptr);
  if (state_->macAlgorithm != nullptr) state_->mac = EVP_MAC_CTX_new(state_->macAlgorithm);
  if (state_->mac == nullptr) return;
  const OSSL_PARAM params[] = {
      OSSL_PARAM_construct_utf8_string(OSSL_MAC_PARAM_DIGEST,
                                       const_cast<char*>(EVP_MD_get0_name(algorithm(kind))), 0),
      OSSL_PARAM_construct_end()};
  state_->ok = EVP_MAC_init(state_->mac, reinterpret_cast<const unsigned char*>(key.data()),
                            key.size(), params) == 1;
}

Hasher::~Hasher() = default;

void Hasher::update(std::string_view bytes) {
  if (!state_->ok || bytes.empty()) return;
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  state_->ok = state_->md != nullptr ? EVP_DigestUpdate(state_->md, data, bytes.size()) == 1
                                     : EVP_MAC_update(state_->mac, data, bytes.size()) == 1;
}

std::optional<std::string> Hasher::finish() {
  std::array<unsigned char, EVP_MAX_MD_SIZE> out{};
  std::size_t length = 0;
  if (state_->ok && state_->md != nullptr) {
    unsigned int n = 0;
    state_->ok = EVP_DigestFinal_ex(state_->md, out.data(), &n) == 1;
    length = n;
  } else if (state_->ok) {
    state_->ok = EVP_MAC_final(state_->mac, out.data(), &length, out.size()) == 1;
  }
  if (!state_->ok) return std::nullopt;
  state_->ok = false;
  return std::string(reinterpret_cast<const char*>(out.data()), length);
}

}  // namespace jsdebug::platform
