#include "transform/Md5.h"

#include "platform/Md5.h"
#include "workflow/OutputLog.h"
#include "workflow/Workbench.h"

namespace jsdebug::transform {

std::string md5Hex(std::string_view bytes) {
  platform::Md5Digest digest{};
  if (!platform::md5(bytes, digest)) return {};
  return hexDigits(digest);
}

std::string hexDigits(const platform::Md5Digest& digest) {
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
