#pragma once
// The browser environment switch as the engines see it: the page address the environment
// presents, and what a run leaves beside its value (console lines, names the script reached for
// and did not find). The environment itself is one script, engine/browser/environment.js, which
// both engines run.

#include <string>
#include <string_view>
#include <vector>

namespace jsdebug::engine {

// The address location and document present when the address box holds no http(s) address.
inline constexpr const char* kDefaultPageAddress = "http://localhost/";

// The address box text when it is an http or https address (blanks around it dropped), else
// the default.
std::string pageAddress(std::string_view urlBoxText);

struct BrowserNotes {
  std::vector<std::string> console;  // lines in the order written, GBK
  long droppedLines = 0;
  std::vector<std::string> missing;  // e.g. "document.body.clientWidth", first read first
  long droppedMissing = 0;
  long droppedTimers = 0;

  // One note in the engine library's form: 'L' line, 'D' / 'N' / 'T' counts, 'M' a name.
  void add(int kind, std::string text);
  void clear() { *this = BrowserNotes(); }
};

// The script, GBK-free ASCII, as the build carries it.
extern const std::string_view kEnvironmentScript;

}  // namespace jsdebug::engine
