#include "transform/Utf8Decoding.h"

#include "workflow/Workbench.h"

namespace jsdebug::transform {

void utf8DecodeCommand(Workbench& bench, V8Bridge& bridge) {
  bench.editor().setText(bridge.utf8ToGbk(bench.editor().wholeText()));
}

}  // namespace jsdebug::transform
