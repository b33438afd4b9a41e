#include "transform/ScriptTransforms.h"

#include <string_view>
#include <vector>

#include "engine/ScriptHost.h"
#include "platform/Apartment.h"
#include "transform/CarriedScripts.h"
#include "text/Text.h"
#include "workflow/Workbench.h"

namespace jsdebug::transform {

namespace {

// comEnter / comLeave around the short-lived host. They nest inside the GUI thread's own
// initialisation and balance, and leave() lets the host be released after the apartment is left,
// in the order the transformers have always used.
class ApartmentScope {
 public:
  ApartmentScope() { platform::CoInitialize(nullptr); }
  ~ApartmentScope() { leave(); }
  ApartmentScope(const ApartmentScope&) = delete;
  ApartmentScope& operator=(const ApartmentScope&) = delete;

  void leave() {
    if (inside_) {
      inside_ = false;
      platform::CoUninitialize();
    }
  }

 private:
  bool inside_ = true;
};

// One run of a carried script in a fresh host: enter the apartment, create, set the language,
// add the script, run the procedure, leave the apartment, then release the host.
Transformed runCarriedScript(std::string_view script, const std::string& procedure,
                             const std::vector<ScriptValue>& args) {
  ApartmentScope apartment;
  std::unique_ptr<ScriptHost> host = createScriptHost(kScriptControlProgId);
  if (!host) return {false, {}, "无法创建脚本控件"};
  host->setLanguage("JavaScript");
  host->addCode(std::string(script));
  Transformed result{true, host->run(procedure, args), {}};
  // The host already yields empty text for a failed call; the error object makes sure a value
  // left over from a half-finished run is not taken for a result.
  const ScriptError error = host->error();
  if (error.Number != "0") result = {false, {}, error.Description.empty() ? error.Number : error.Description};
  apartment.leave();
  host.reset();
  return result;
}

constexpr const char* kEditorUnchanged = "\r\n编辑框的代码没有改变。";

// A failure must not cost the user the script: the editor keeps it and a box says what failed.
void applyOrReport(Workbench& workbench, const Transformed& result, const std::string& command) {
  if (result.ok) {
    workbench.editor().setText(result.text);
    return;
  }
  workbench.messageBox(command + "失败：" + result.failure + kEditorUnchanged, kDefaultMessageTitle,
                       MessageIcon::Error);
}

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

Transformed tryBeautify(const std::string& text) {
  Transformed result = runCarriedScript(kBeautifierScript, "format", {text});
  result.text = text::replaceAll(result.text, "\n    ", "\r\n");
  return result;
}

Transformed tryMinify(const std::string& text) {
  return runCarriedScript(kMinifierScript, "jsmin", {std::string(), text, 3.0});
}

Transformed tryUnpack(const std::string& text) {
  return runCarriedScript(kUnpackerScript, "decode", {text});
}

std::string BeautifyScript(const std::string& text) { return tryBeautify(text).text; }
std::string MinifyScript(const std::string& text) { return tryMinify(text).text; }
std::string UnpackScript(const std::string& text) { return tryUnpack(text).text; }

std::size_t packedScriptStart(std::string_view text) {
  std::size_t i = 0;
  for (;;) {
    if (startsWith(text.substr(i), "\xEF\xBB\xBF")) {
      i += 3;  // a UTF-8 byte order mark, as a file saved by many editors starts
    } else if (startsWith(text.substr(i), "\xA1\xA1")) {
      i += 2;  // the full-width blank
    } else if (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' ||
                                   text[i] == '\n' || text[i] == '\f' || text[i] == '\v')) {
      i += 1;
    } else if (startsWith(text.substr(i), "//")) {
      const std::size_t end = text.find_first_of("\r\n", i);
      if (end == std::string_view::npos) return std::string_view::npos;
      i = end;
    } else if (startsWith(text.substr(i), "/*")) {
      const std::size_t end = text.find("*/", i + 2);
      if (end == std::string_view::npos) return std::string_view::npos;
      i = end + 2;
    } else {
      return startsWith(text.substr(i), "eval") ? i : std::string_view::npos;
    }
  }
}

void beautifyCommand(Workbench& workbench) {
  applyOrReport(workbench, tryBeautify(workbench.editor().wholeText()), "代码格式化");
}

void minifyCommand(Workbench& workbench) {
  applyOrReport(workbench, tryMinify(workbench.editor().wholeText()), "压缩");
}

void unpackCommand(Workbench& workbench) {
  const std::string text = workbench.editor().wholeText();
  if (text.empty()) return;  // nothing to unpack, and nothing to lose
  const std::size_t start = packedScriptStart(text);
  if (start == std::string_view::npos) {
    applyOrReport(workbench,
                  {false, {}, "不是eval打包的代码（应以eval(function(p,a,c,k,e,d)开头）"},
                  "eval解密");
    return;
  }
  Transformed result = tryUnpack(text.substr(start));
  // A packed script gives its source; one that gives nothing has not been unpacked.
  if (result.ok && result.text.empty()) result = {false, {}, "没有得到解密后的代码"};
  applyOrReport(workbench, result, "eval解密");
}

}  // namespace jsdebug::transform
