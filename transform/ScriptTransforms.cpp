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
std::string runCarriedScript(std::string_view script, const std::string& procedure,
                             const std::vector<ScriptValue>& args) {
  ApartmentScope apartment;
  std::unique_ptr<ScriptHost> host = createScriptHost(kScriptControlProgId);
  if (!host) {
    return {};
  }
  host->setLanguage("JavaScript");
  host->addCode(std::string(script));
  std::string value = host->run(procedure, args);
  // The host already yields empty text for a failed call; the error object makes sure a value
  // left over from a half-finished run is not taken for a result.
  if (host->error().Number != "0") {
    value.clear();
  }
  apartment.leave();
  host.reset();
  return value;
}

void replaceEditorText(Workbench& workbench, std::string (*transform)(const std::string&)) {
  EditorOperations& editor = workbench.editor();
  editor.setText(transform(editor.wholeText()));
}

}  // namespace

std::string BeautifyScript(const std::string& text) {
  return text::replaceAll(runCarriedScript(kBeautifierScript, "format", {text}), "\n    ", "\r\n");
}

std::string MinifyScript(const std::string& text) {
  return runCarriedScript(kMinifierScript, "jsmin", {std::string(), text, 3.0});
}

std::string UnpackScript(const std::string& text) {
  return runCarriedScript(kUnpackerScript, "decode", {text});
}

void beautifyCommand(Workbench& workbench) { replaceEditorText(workbench, BeautifyScript); }
void minifyCommand(Workbench& workbench) { replaceEditorText(workbench, MinifyScript); }
void unpackCommand(Workbench& workbench) { replaceEditorText(workbench, UnpackScript); }

}  // namespace jsdebug::transform
