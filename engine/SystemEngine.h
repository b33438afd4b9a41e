#pragma once
// Which script host the system engine (系统引擎运行, 加载代码) runs on. Where the Windows Script
// Control can be created it is the real thing and the default; the JScript profile on Duktape is
// the fallback, and the only one on Linux. The transformers' hosts are always the profile: the
// scripts they carry are ours and were written for it.

#include <memory>
#include <string>
#include <string_view>

#include "engine/ScriptHost.h"

namespace jsdebug::engine {

enum class SystemEngineChoice {
  Automatic,      // the Script Control where it can be created, else the profile
  ScriptControl,  // the Script Control only: creation fails without it
  Profile,        // the JScript profile only
};

struct SystemEngineSettings {
  SystemEngineChoice choice = SystemEngineChoice::Automatic;
  // The Script Control's full object set (WScript.Shell, Scripting.FileSystemObject ...): off,
  // so a pasted script cannot reach the user's files and programs.
  bool allowUnsafeObjects = false;
};

// Process-wide; set once at start-up from the command line or the window's switch.
void setSystemEngineSettings(const SystemEngineSettings& settings);
SystemEngineSettings systemEngineSettings();

// "control" / "profile" / "auto" as the command line spells them; false for anything else.
bool parseSystemEngineChoice(std::string_view text, SystemEngineChoice& choice);

// The system engine's host as the settings choose it; a factory set for tests wins. nullptr when
// none can be created.
std::unique_ptr<ScriptHost> createSystemEngineHost();

// Which host the system engine is now, in the program's words (GBK), for the welcome text and
// --version: "Windows Script Control (MSScriptControl.ScriptControl)" or "JScript 模拟 (Duktape)".
// Says when the full object set is on.
std::string systemEngineDescription();

// The line that follows the output log's welcome text, naming the system engine, CR LF ended;
// empty where there is no choice to name (Linux: the profile is the only system engine), so the
// log there stays as it always was.
std::string systemEngineWelcomeLine();

}  // namespace jsdebug::engine
