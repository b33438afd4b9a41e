#include "transform/Md5.h"

#include "encode/Digests.h"
#include "encode/Encodings.h"
#include "workflow/OutputLog.h"
#include "workflow/Workbench.h"

namespace jsdebug::transform {

std::string md5Hex(std::string_view bytes) {
  // Allocation failure is the only way this can fail; no digest is better than a wrong one.
  const std::optional<std::string> digest = encode::digest(encode::DigestKind::Md5, bytes);
  return digest ? encode::hexEncode(*digest) : std::string();
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
