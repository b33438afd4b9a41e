#pragma once
// The script host: the object the Windows program created through COM as ProgID "ScriptControl",
// here an object with the same operations running on Duktape. Texts are CP936 bytes.
// A failing call never throws and shows nothing: it yields empty text and the error object
// tells what went wrong.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/BrowserEnvironment.h"

namespace jsdebug::engine {

class DebugTransport;

inline constexpr std::string_view kScriptControlProgId = "ScriptControl";

// The error object's properties, each read as text. Number is "0" after a successful call.
struct ScriptError {
  std::string Number;
  std::string Source;
  std::string Description;
  std::string Text;
  std::string Line;
  std::string Column;
};

// An argument of "run": nothing (undefined), text, a number or a truth value.
using ScriptValue = std::variant<std::monostate, std::string, double, bool>;

class ScriptHost {
 public:
  virtual ~ScriptHost() = default;

  virtual void setLanguage(const std::string& language) = 0;
  virtual void setTimeout(int milliseconds) = 0;
  virtual void addCode(const std::string& code) = 0;
  // The expression's value as text (strings as they are, true "-1", false "0", undefined and
  // null "", numbers like the Windows variant conversion).
  virtual std::string eval(const std::string& expression) = 0;
  virtual std::string run(const std::string& procedure, const std::vector<ScriptValue>& args) = 0;
  // Forgets all code added so far and its global state.
  virtual void reset() = 0;
  // A fresh snapshot of the error object.
  virtual ScriptError error() = 0;

  // The browser environment (our addition; a host without it ignores these). Installed right
  // after a reset, before any code, it lives until the next reset: runTimers runs the timer
  // callbacks that are due (an error in one is printed, not raised; only the time limit fails
  // it), takeBrowserNotes hands over what was printed and the names the code missed.
  virtual bool installBrowserEnvironment(const std::string& /*location*/) { return false; }
  virtual void runTimers() {}
  virtual BrowserNotes takeBrowserNotes() { return {}; }

  // Attaches a debugging session to the heap now in use (a reset drops it); nullptr detaches.
  // False when the host cannot be debugged.
  virtual bool attachDebugger(DebugTransport* /*transport*/) { return false; }
  // Whether a debugging session can pause this host at all: the Script Control offers no way in,
  // so a debugged call runs on it to the end.
  virtual bool canPause() const { return false; }

  // Whether scripts may create objects that reach files and programs (the Script Control with its
  // safe subset off). The JScript profile has no such objects.
  virtual bool allowsUnsafeObjects() const { return false; }
};

// Creates a host by ProgID; nullptr when it cannot be created (an unknown ProgID, or a test
// that made creation fail).
using ScriptHostFactory = std::function<std::unique_ptr<ScriptHost>(std::string_view progId)>;

std::unique_ptr<ScriptHost> createScriptHost(std::string_view progId);

// The factory createScriptHost uses; tests swap it to make creation fail. Passing an empty
// function restores the default.
void setScriptHostFactory(ScriptHostFactory factory);
// Whether a test has set a factory.
bool hasScriptHostFactory();

}  // namespace jsdebug::engine
