#include "platform/Md5.h"

#include <openssl/evp.h>

namespace jsdebug::platform {

struct Md5Stream::State {
  EVP_MD_CTX* context = EVP_MD_CTX_new();
  bool ok = context != nullptr && EVP_DigestInit_ex(context, EVP_md5(), nullptr) == 1;
  ~State() { EVP_MD_CTX_free(context); }
};

Md5Stream::Md5Stream() : state_(std::make_unique<State>()) {}
Md5Stream::~Md5Stream() = default;

bool Md5Stream::add(std::string_view bytes) {
  state_->ok = state_->ok && EVP_DigestUpdate(state_->context, bytes.data(), bytes.size()) == 1;
  return state_->ok;
}

bool Md5Stream::finish(Md5Digest& digest) {
  unsigned int length = 0;
  const bool ok = state_->ok && EVP_DigestFinal_ex(state_->context, digest.data(), &length) == 1 &&
                  length == digest.size();
  state_->ok = false;
  return ok;
}

}  // namespace jsdebug::platform
