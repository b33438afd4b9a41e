#include "engine/ScriptHost.h"

#include "engine/DuktapeHost.h"

namespace jsdebug {
namespace {

ScriptHostFactory& factorySlot() {
  static ScriptHostFactory factory;
  return factory;
}

// ProgIDs compare without regard to ASCII case, as COM looks them up.
bool sameProgId(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

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

}  // namespace jsdebug
