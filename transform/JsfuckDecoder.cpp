#include "transform/JsfuckDecoder.h"

#include <thread>

#include "text/Text.h"
#include "v8engine/Report.h"
#include "workflow/Workbench.h"

namespace jsdebug::transform {

namespace {

constexpr const char* kTypeOfWrapperScript = "function test(aa){return typeof aa;}";
constexpr const char* kNoValueMessage =
    "jsfuck解密失败：这段代码运行后没有得到值（undefined），它是要运行的程序，不是编码的文字\r\n"
    "编辑框的代码没有改变。";

}  // namespace

JsfuckOutcome decodeJsfuck(workflow::Workbench& bench, engine::V8Bridge& bridge) {
  std::string text;
  bench.runOnGuiThread([&] { text = bench.editor().wholeText(); });
  std::string result = bridge.executeV8(kJsfuckWrapperScript, "test", text, kJsfuckBufferLength);
  // The line marker where the V8 run tests the message marker: deliberate, each command keeps
  // the test users know it by. They differ only on a decoded text that spells one of them, since
  // with a buffer this large every report the decoder can receive is a full one holding both.
  if (text::findText(result, v8report::kLineMarker) != -1) return JsfuckOutcome::Failed;
  // "undefined" is also what an encoded word can spell; only the value's type tells a program
  // that ran (and would replace the script by that word) from the text. An empty editor has no
  // script to lose and still receives the word.
  if (result == "undefined" && !text.empty() &&
      bridge.executeV8(kTypeOfWrapperScript, "test", text, 64) == "undefined") {
    bench.runOnGuiThread([&] {
      bench.messageBox(kNoValueMessage, workflow::kDefaultMessageTitle,
                       workflow::MessageIcon::Error);
    });
    return JsfuckOutcome::NoValue;
  }
  bench.runOnGuiThread([&] { bench.editor().setText(result); });
  return JsfuckOutcome::Decoded;
}

void jsfuckCommand(workflow::Workbench& bench, engine::V8Bridge& bridge,
                   std::function<void()> finished) {
  std::thread([&bench, &bridge, finished = std::move(finished)] {
    decodeJsfuck(bench, bridge);
    if (finished) finished();
  }).detach();
}

}  // namespace jsdebug::transform
