#include "engine/ScriptEngine.h"

#include <vector>

#include "engine/HostReport.h"
#include "engine/SystemEngine.h"

namespace jsdebug::engine {

ScriptEngine::ScriptEngine(const CreationFailureNotice& notice)
    : host_(createSystemEngineHost()) {
  if (!host_ && notice) notice("对象创建失败！");
  if (host_) host_->setLanguage("JScript");
}

// The host goes before the last error object, as the program released them.
ScriptEngine::~ScriptEngine() {
  host_.reset();
  lastError_.reset();
}

void ScriptEngine::SetTimeout(int milliseconds) {
  if (host_) host_->setTimeout(milliseconds);
}

bool ScriptEngine::LoadCode(const std::string& code) {
  if (host_) host_->addCode(code);
  if (host_ && browser_) host_->runTimers();
  lastError_ = host_ ? host_->error() : ScriptError{};
  return lastError_->Number == "0";
}

void ScriptEngine::Reset() {
  if (host_) host_->reset();
  if (host_ && browser_) host_->installBrowserEnvironment(location_);
  if (host_ && debugger_) host_->attachDebugger(debugger_);
}

bool ScriptEngine::AttachDebugger(DebugTransport* transport) {
  debugger_ = transport;
  if (!transport) return host_ && host_->attachDebugger(nullptr);
  return host_ != nullptr;
}

void ScriptEngine::SetBrowserEnvironment(bool on, const std::string& location) {
  browser_ = on;
  location_ = location;
}

BrowserNotes ScriptEngine::TakeBrowserNotes() {
  return host_ && browser_ ? host_->takeBrowserNotes() : BrowserNotes();
}

std::string ScriptEngine::CallFunction(const std::string& name, const std::string& arguments) {
  return Evaluate(name + "(" + arguments + ")");
}

std::string ScriptEngine::Evaluate(const std::string& expression) {
  if (!host_) return {};
  std::string value = host_->eval(expression);
  if (browser_) host_->runTimers();
  return value;
}

std::string ScriptEngine::ErrorReport() {
  // Without a host there is no error object: every property reads as empty text.
  lastError_ = host_ ? host_->error() : ScriptError{};
  const ScriptError& e = *lastError_;
  if (e.Number == "0") return {};
  return hostreport::errorReport(e.Number, e.Source, e.Description, e.Text, e.Line, e.Column);
}

std::string ScriptEngine::RunProcedure(const std::string& name,
                                       std::array<ScriptValue, 10>& values) {
  if (!host_) return {};
  return host_->run(name, std::vector<ScriptValue>(values.begin(), values.end()));
}

}  // namespace jsdebug::engine
