#pragma once
// The program's one script engine object: a script host plus its last error object, turning
// that error into the five-line report the output log shows. Texts are CP936 bytes.

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "engine/ScriptHost.h"

namespace jsdebug::engine {

class ScriptEngine {
 public:
  // Shows "对象创建失败！" (title "信息：", no icon) when the host cannot be created.
  using CreationFailureNotice = std::function<void(const std::string& text)>;

  explicit ScriptEngine(const CreationFailureNotice& notice);
  virtual ~ScriptEngine();

  ScriptEngine(const ScriptEngine&) = delete;
  ScriptEngine& operator=(const ScriptEngine&) = delete;

  virtual void SetTimeout(int milliseconds);
  // True exactly when the error's Number reads "0" afterwards.
  virtual bool LoadCode(const std::string& code);
  virtual void Reset();
  // Evaluates name + "(" + arguments + ")"; the value as text.
  virtual std::string CallFunction(const std::string& name, const std::string& arguments);
  // Evaluates the expression as it is written, as CallFunction does its call.
  virtual std::string Evaluate(const std::string& expression);
  // Empty when there is no error; otherwise the five-line report.
  virtual std::string ErrorReport();
  virtual std::string RunProcedure(const std::string& name, std::array<ScriptValue, 10>& values);
  // The error object ErrorReport or LoadCode last read; all fields empty before either ran.
  ScriptError LastError() const { return lastError_.value_or(ScriptError{}); }

  // The browser environment switch: while on, every Reset installs the environment with this
  // page address, and loading and calling run the due timers afterwards.
  void SetBrowserEnvironment(bool on, const std::string& location);
  // What the code printed and missed since the last Reset; empty while the switch is off.
  BrowserNotes TakeBrowserNotes();

  // A debugging session for the runs from now on: attached to the fresh heap of every Reset
  // (once the browser environment is in, so that only the user's code is debugged). nullptr
  // detaches now. False without a host.
  bool AttachDebugger(DebugTransport* transport);
  // Whether an attached session can pause the runs; false without a host.
  bool CanPause() const { return host_ != nullptr && host_->canPause(); }

  bool hasHost() const { return host_ != nullptr; }
  // The host lets scripts create objects that reach files and programs.
  bool AllowsUnsafeObjects() const { return host_ != nullptr && host_->allowsUnsafeObjects(); }

 private:
  std::unique_ptr<ScriptHost> host_;
  std::optional<ScriptError> lastError_;
  bool browser_ = false;
  std::string location_;
  DebugTransport* debugger_ = nullptr;
};

}  // namespace jsdebug::engine
