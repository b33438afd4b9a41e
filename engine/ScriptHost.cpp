#include "engine/ScriptHost.h"

#include "engine/DuktapeHost.h"
#include "text/Text.h"

namespace jsdebug::engine {
namespace {

ScriptHostFactory& factorySlot() {
  static ScriptHostFactory factory;
  return factory;
}

// ProgIDs compare without regard to ASCII case, as COM looks them up.
bool sameProgId(std::string_view a, std::string_view b) { return text::equalsIgnoringAsciiCase(a, b); }

std::unique_ptr<ScriptHost> defaultFactory(std::string_view progId) {
  if (sameProgId(progId, kScriptControlProgId) ||
      sameProgId(progId, "MSScriptControl.ScriptControl"))
    return engine::createDuktapeHost();
  return nullptr;
}

}  // namespace

std::unique_ptr<ScriptHost> createScriptHost(std::string_view progId) {
  const ScriptHostFactory& factory = factorySlot();
  return factory ? factory(progId) : defaultFactory(progId);
}

void setScriptHostFactory(ScriptHostFactory factory) { factorySlot() = std::move(factory); }

bool hasScriptHostFactory() { return static_cast<bool>(factorySlot()); }

}  // namespace jsdebug::engine
