#include "transform/Utf8Decoding.h"

#include "workflow/Workbench.h"

namespace jsdebug::transform {

bool isWellFormedUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;   // overlong
      if (lead == 0xED) high = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;   // overlong
      if (lead == 0xF4) high = 0x8F;  // past U+10FFFF
    } else {
      return false;
    }
    if (bytes.size() - i < length) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto c = static_cast<unsigned char>(bytes[i + k]);
      if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF)) return false;
    }
    i += length;
  }
  return true;
}

void utf8DecodeCommand(workflow::Workbench& bench, engine::V8Bridge& bridge) {
  const std::string text = bench.editor().wholeText();
  if (!isWellFormedUtf8(text)) {
    bench.messageBox(kNotUtf8Message, workflow::kDefaultMessageTitle, workflow::MessageIcon::Error);
    return;
  }
  bench.editor().setText(bridge.utf8ToGbk(text));
}

}  // namespace jsdebug::transform
