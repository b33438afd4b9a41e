#include "transform/Md5.h"

#include "platform/Digests.h"
#include "workflow/OutputLog.h"
#include "workflow/Workbench.h"

namespace jsdebug::transform {

std::string md5Hex(std::string_view bytes) {
  // No digest is better than a wrong one: a provider that failed (out of memory) shows nothing.
  const std::optional<std::string> digest = platform::digest(platform::DigestKind::Md5, bytes);
  return digest ? hexDigits(*digest) : std::string();
}

std::string hexDigits(std::string_view digest) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(digest.size() * 2);
  for (unsigned char byte : digest) {
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 0x0F];
  }
  return hex;
}

void md5Command(workflow::Workbench& bench) { showMd5(bench, bench.editor().wholeText()); }

void showMd5(workflow::Workbench& bench, std::string_view bytes) { showMd5Hex(bench, md5Hex(bytes)); }

void showMd5Hex(workflow::Workbench& bench, const std::string& hex) {
  const std::string& separator = workflow::kLogSeparator;
  bench.clearLog();
  bench.appendLog("代码运算成功!!\r\n");
  bench.appendLog(separator + "\r\n\r\n");
  bench.appendLog("返回内容：" + hex + "\r\n\r\n" + separator);
}

}  // namespace jsdebug::transform
