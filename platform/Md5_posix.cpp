#include "platform/Md5.h"

#include <openssl/evp.h>

#include <memory>

namespace jsdebug::platform {
namespace {
struct DigestContextFree {
  void operator()(EVP_MD_CTX* context) const noexcept { EVP_MD_CTX_free(context); }
};
}  // namespace

bool md5(std::string_view bytes, Md5Digest& digest) {
  unsigned int length = 0;
  std::unique_ptr<EVP_MD_CTX, DigestContextFree> context(EVP_MD_CTX_new());
  return context && EVP_DigestInit_ex(context.get(), EVP_md5(), nullptr) == 1 &&
         EVP_DigestUpdate(context.get(), bytes.data(), bytes.size()) == 1 &&
         EVP_DigestFinal_ex(context.get(), digest.data(), &length) == 1 && length == digest.size();
}

}  // namespace jsdebug::platform
