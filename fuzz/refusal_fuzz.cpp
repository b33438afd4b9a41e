// The reader behind the refusal line on arbitrary bytes: whatever the text and whatever position
// an error names (past the end, inside a double byte, in a comment), it gives either no line or
// one line that begins with its label, and never reads outside the text.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/ScriptHost.h"
#include "engine/jscript/Grammar.h"
#include "engine/jscript/Refusal.h"

using jsdebug::engine::ScriptError;
using jsdebug::engine::jscript::checkSource;
using jsdebug::engine::jscript::refusalReason;
using jsdebug::engine::jscript::SourceKind;

namespace {

void check(const std::string& reason, std::string_view input) {
  if (reason.empty()) return;
  if (reason.rfind("原因：", 0) != 0 || reason.find_first_of("\r\n") != std::string::npos) {
    std::fprintf(stderr, "malformed reason: %s\n--- input\n%.*s\n", reason.c_str(),
                 static_cast<int>(input.size()), input.data());
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  // The first two bytes choose a run-time error and where it points; the rest is the script.
  const unsigned pick = data[0];
  const unsigned where = data[1];
  const std::string_view script(reinterpret_cast<const char*>(data + 2), size - 2);

  // A syntax error where the grammar check really stops.
  const auto checked = checkSource(script, SourceKind::Program);
  if (!checked.ok) check(refusalReason(checked.error, script, ""), script);

  // A run-time error anywhere, in the script or in a call made of its first bytes.
  static constexpr const char* kNumbers[] = {"438", "5009", "5007", "1002", "1028"};
  static constexpr const char* kDescriptions[] = {"", "'JSON' 未定义", "'String.prototype.trim' 为空或不是对象",
                                                  "'", "'a.b.forEach"};
  ScriptError error{kNumbers[pick % 5], "", kDescriptions[(pick / 5) % 5], "",
                    std::to_string(where % 16), std::to_string((where / 16) * 7)};
  check(refusalReason(error, script, ""), script);
  check(refusalReason(error, script, script.substr(0, script.size() / 3)), script);
  return 0;
}
