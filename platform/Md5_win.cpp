#include "platform/Md5.h"

#include <windows.h>
#include <bcrypt.h>

#include <algorithm>

namespace jsdebug::platform {

struct Md5Stream::State {
  BCRYPT_ALG_HANDLE algorithm = nullptr;
  BCRYPT_HASH_HANDLE hash = nullptr;
  bool ok = false;

  State() {
    ok = BCRYPT_SUCCESS(BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_MD5_ALGORITHM, nullptr, 0)) &&
         BCRYPT_SUCCESS(BCryptCreateHash(algorithm, &hash, nullptr, 0, nullptr, 0, 0));
  }
  ~State() {
    if (hash != nullptr) BCryptDestroyHash(hash);
    if (algorithm != nullptr) BCryptCloseAlgorithmProvider(algorithm, 0);
  }
};

Md5Stream::Md5Stream() : state_(std::make_unique<State>()) {}
Md5Stream::~Md5Stream() = default;

bool Md5Stream::add(std::string_view bytes) {
  // BCryptHashData takes a ULONG length: a larger text goes in pieces.
  for (std::size_t done = 0; state_->ok && done < bytes.size();) {
    const ULONG n = static_cast<ULONG>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
    state_->ok = BCRYPT_SUCCESS(BCryptHashData(
        state_->hash, reinterpret_cast<PUCHAR>(const_cast<char*>(bytes.data() + done)), n, 0));
    done += n;
  }
  return state_->ok;
}

bool Md5Stream::finish(Md5Digest& digest) {
  const bool ok = state_->ok && BCRYPT_SUCCESS(BCryptFinishHash(
                                    state_->hash, digest.data(), static_cast<ULONG>(digest.size()), 0));
  state_->ok = false;
  return ok;
}

}  // namespace jsdebug::platform
