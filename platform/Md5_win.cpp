#include "platform/Md5.h"

#include <windows.h>
#include <bcrypt.h>

#include <algorithm>

namespace jsdebug::platform {

bool md5(std::string_view bytes, Md5Digest& digest) {
  BCRYPT_ALG_HANDLE algorithm = nullptr;
  if (!BCRYPT_SUCCESS(BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_MD5_ALGORITHM, nullptr, 0))) return false;
  BCRYPT_HASH_HANDLE hash = nullptr;
  bool ok = BCRYPT_SUCCESS(BCryptCreateHash(algorithm, &hash, nullptr, 0, nullptr, 0, 0));
  // BCryptHashData takes a ULONG length: a larger text goes in pieces.
  for (std::size_t done = 0; ok && done < bytes.size();) {
    const ULONG n = static_cast<ULONG>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
    ok = BCRYPT_SUCCESS(BCryptHashData(
        hash, reinterpret_cast<PUCHAR>(const_cast<char*>(bytes.data() + done)), n, 0));
    done += n;
  }
  if (ok) ok = BCRYPT_SUCCESS(BCryptFinishHash(hash, digest.data(), static_cast<ULONG>(digest.size()), 0));
  if (hash != nullptr) BCryptDestroyHash(hash);
  BCryptCloseAlgorithmProvider(algorithm, 0);
  return ok;
}

}  // namespace jsdebug::platform
