#include "transform/Md5.h"

#include "encode/Encodings.h"
#include "platform/Digests.h"
#include "workflow/OutputLog.h"
#include "workflow/Workbench.h"

namespace jsdebug::transform {

std::string md5Hex(std::string_view bytes) {
  // No digest is better than a wrong one: a provider that failed (out of memory) shows nothing.
  const std::optional<std::string> digest = platform::digest(platform::DigestKind::Md5, bytes);
  return digest ? encode::hexEncode(*digest) : std::string();
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
