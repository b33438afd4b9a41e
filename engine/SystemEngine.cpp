#include "engine/SystemEngine.h"

#include <mutex>

#include "engine/DuktapeHost.h"
#include "engine/scriptcontrol/ScriptControlHost.h"

namespace jsdebug::engine {
namespace {

std::mutex settingsMutex;
SystemEngineSettings currentSettings;

}  // namespace

void setSystemEngineSettings(const SystemEngineSettings& settings) {
  std::lock_guard lock(settingsMutex);
  currentSettings = settings;
}

SystemEngineSettings systemEngineSettings() {
  std::lock_guard lock(settingsMutex);
  return currentSettings;
}

bool parseSystemEngineChoice(std::string_view text, SystemEngineChoice& choice) {
  if (text == "control") choice = SystemEngineChoice::ScriptControl;
  else if (text == "profile") choice = SystemEngineChoice::Profile;
  else if (text == "auto") choice = SystemEngineChoice::Automatic;
  else return false;
  return true;
}

std::unique_ptr<ScriptHost> createSystemEngineHost() {
  if (hasScriptHostFactory()) return createScriptHost(kScriptControlProgId);
  const SystemEngineSettings settings = systemEngineSettings();
  if (settings.choice != SystemEngineChoice::Profile) {
    if (auto control = scriptcontrol::createScriptControlHost({settings.allowUnsafeObjects})) return control;
    if (settings.choice == SystemEngineChoice::ScriptControl) return nullptr;
  }
  return createDuktapeHost();
}

std::string systemEngineDescription() {
  const SystemEngineSettings settings = systemEngineSettings();
  bool control = false;
  if (settings.choice != SystemEngineChoice::Profile)
    control = scriptcontrol::createScriptControlHost({settings.allowUnsafeObjects}) != nullptr;
  if (!control) {
    return settings.choice == SystemEngineChoice::ScriptControl
               ? "Windows Script Control（无法创建）"
               : "JScript 模拟 (Duktape)";
  }
  return settings.allowUnsafeObjects
             ? "Windows Script Control (MSScriptControl.ScriptControl)，完整对象集：脚本可创建访问文件和程序的对象"
             : "Windows Script Control (MSScriptControl.ScriptControl)，安全子集";
}

std::string systemEngineWelcomeLine() {
  if (!scriptcontrol::systemOffersScriptControl()) return {};
  return "系统引擎：" + systemEngineDescription() + "\r\n";
}

}  // namespace jsdebug::engine
