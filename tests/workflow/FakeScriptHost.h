#pragma once
// A script host whose outcomes a test sets, installed through the host factory.

#include <map>
#include <memory>
#include <string>

#include "engine/ScriptHost.h"

namespace jsdebug::testing {

struct FakeHostScript {
  engine::ScriptError loadError;               // Number "0" when loading succeeds
  std::map<std::string, std::string> values;   // expression -> value
  std::map<std::string, engine::ScriptError> errors;  // expression -> error
  std::string lastCode, lastExpression;
  int resets = 0;
};

class FakeScriptHost : public engine::ScriptHost {
 public:
  explicit FakeScriptHost(FakeHostScript& script) : s_(script) {}
  void setLanguage(const std::string&) override {}
  void setTimeout(int) override {}
  void addCode(const std::string& code) override {
    s_.lastCode = code;
    error_ = s_.loadError;
  }
  std::string eval(const std::string& expression) override {
    s_.lastExpression = expression;
    error_ = engine::ScriptError{"0", "", "", "", "", ""};
    if (auto e = s_.errors.find(expression); e != s_.errors.end()) {
      error_ = e->second;
      return {};
    }
    auto v = s_.values.find(expression);
    return v == s_.values.end() ? std::string() : v->second;
  }
  std::string run(const std::string&, const std::vector<engine::ScriptValue>&) override {
    return {};
  }
  void reset() override { ++s_.resets; }
  engine::ScriptError error() override { return error_; }

 private:
  FakeHostScript& s_;
  engine::ScriptError error_{"0", "", "", "", "", ""};
};

// Installs the fake for the lifetime of the guard.
class FakeHostGuard {
 public:
  explicit FakeHostGuard(FakeHostScript& script, bool fail = false) {
    engine::setScriptHostFactory(
        [&script, fail](std::string_view) -> std::unique_ptr<engine::ScriptHost> {
          if (fail) return nullptr;
          return std::make_unique<FakeScriptHost>(script);
        });
  }
  ~FakeHostGuard() { engine::setScriptHostFactory({}); }
};

}  // namespace jsdebug::testing
