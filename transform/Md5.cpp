#include "transform/Md5.h"

#include <openssl/evp.h>

#include <array>
#include <memory>

#include "workflow/OutputLog.h"
#include "workflow/Workbench.h"

namespace jsdebug::transform {

namespace {

struct DigestContextFree {
  void operator()(EVP_MD_CTX* context) const noexcept { EVP_MD_CTX_free(context); }
};

}  // namespace

std::string md5Hex(std::string_view bytes) {
  std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
  unsigned int length = 0;
  std::unique_ptr<EVP_MD_CTX, DigestContextFree> context(EVP_MD_CTX_new());
  // Allocation failure is the only way this can fail; no digest is better than a wrong one.
  if (!context || EVP_DigestInit_ex(context.get(), EVP_md5(), nullptr) != 1 ||
      EVP_DigestUpdate(context.get(), bytes.data(), bytes.size()) != 1 ||
      EVP_DigestFinal_ex(context.get(), digest.data(), &length) != 1) {
    return {};
  }
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(length * 2);
  for (unsigned int i = 0; i < length; ++i) {
    hex += kDigits[digest[i] >> 4];
    hex += kDigits[digest[i] & 0x0F];
  }
  return hex;
}

void md5Command(workflow::Workbench& bench) { showMd5(bench, bench.editor().wholeText()); }

void showMd5(workflow::Workbench& bench, std::string_view bytes) {
  const std::string& separator = workflow::kLogSeparator;
  bench.clearLog();
  bench.appendLog("代码运算成功!!\r\n");
  bench.appendLog(separator + "\r\n\r\n");
  bench.appendLog("返回内容：" + md5Hex(bytes) + "\r\n\r\n" +
                      separator);
}

}  // namespace jsdebug::transform
