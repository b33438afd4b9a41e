#include "transform/JsfuckDecoder.h"

#include <thread>

#include "text/Text.h"
#include "workflow/Workbench.h"

namespace jsdebug::transform {

void decodeJsfuck(Workbench& bench, V8Bridge& bridge) {
  std::string text;
  bench.runOnGuiThread([&] { text = bench.editor().wholeText(); });
  std::string result = bridge.executeV8(kJsfuckWrapperScript, "test", text, kJsfuckBufferLength);
  if (text::findText(result, "错误所在行") != -1) return;
  bench.runOnGuiThread([&] { bench.editor().setText(result); });
}

void jsfuckCommand(Workbench& bench, V8Bridge& bridge, std::function<void()> finished) {
  std::thread([&bench, &bridge, finished = std::move(finished)] {
    decodeJsfuck(bench, bridge);
    if (finished) finished();
  }).detach();
}

}  // namespace jsdebug::transform
