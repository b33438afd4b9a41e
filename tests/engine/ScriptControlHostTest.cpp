// The Script Control host's plumbing: created over COM, code added, values read back as text,
// errors, reset, the safe subset. Under Wine this is Wine's own control: its answers are not
// judged here, only that each operation reaches it and comes back. On Linux there is no control,
// and the system engine falls back to the JScript profile.
#include "engine/scriptcontrol/ScriptControlHost.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include "engine/ScriptEngine.h"
#include "engine/SystemEngine.h"

namespace jsdebug::engine {
namespace {

#ifdef _WIN32
constexpr bool kControlExists = true;
#else
constexpr bool kControlExists = false;
#endif

// Wine's control, whose Run and Reset do not yet reach the script as Windows' do: those rows are
// for a real Windows.
bool underWine() {
#ifdef _WIN32
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
  return false;
#endif
}

struct SettingsScope {
  explicit SettingsScope(const SystemEngineSettings& settings) { setSystemEngineSettings(settings); }
  ~SettingsScope() { setSystemEngineSettings({}); }
};

TEST(SystemEngine, TheControlWhereItExistsElseTheProfile) {
  EXPECT_EQ(kControlExists, scriptcontrol::createScriptControlHost({}) != nullptr);
  {
    SettingsScope profile({SystemEngineChoice::Profile, false});
    EXPECT_EQ("JScript 模拟 (Duktape)", systemEngineDescription());
    ScriptEngine engine(nullptr);
    EXPECT_TRUE(engine.hasHost());
    EXPECT_FALSE(engine.AllowsUnsafeObjects());
  }
  {
    // Asked for the control alone: without it the engine has no host, as a failed creation.
    SettingsScope control({SystemEngineChoice::ScriptControl, true});
    std::string notice;
    ScriptEngine engine([&](const std::string& text) { notice = text; });
    EXPECT_EQ(kControlExists, engine.hasHost());
    EXPECT_EQ(kControlExists, engine.AllowsUnsafeObjects());
    EXPECT_EQ(kControlExists ? "" : "对象创建失败！", notice);
  }
  SystemEngineChoice choice{};
  EXPECT_TRUE(parseSystemEngineChoice("profile", choice));
  EXPECT_EQ(SystemEngineChoice::Profile, choice);
  EXPECT_FALSE(parseSystemEngineChoice("Control", choice));
}

// The welcome text's engine line: named where there is a choice, absent on Linux, where the log
// keeps its old text.
TEST(SystemEngine, TheWelcomeLineNamesTheEngineOnlyWhereThereIsAChoice) {
  const struct {
    SystemEngineSettings settings;
    const char* line;
  } rows[] = {
      {{SystemEngineChoice::Profile, false}, "系统引擎：JScript 模拟 (Duktape)\r\n"},
      {{SystemEngineChoice::Automatic, false},
       "系统引擎：Windows Script Control (MSScriptControl.ScriptControl)，安全子集\r\n"},
      {{SystemEngineChoice::ScriptControl, true},
       "系统引擎：Windows Script Control (MSScriptControl.ScriptControl)，完整对象集：脚本可创建访问文件和程序的对象\r\n"},
  };
  EXPECT_EQ(kControlExists, scriptcontrol::systemOffersScriptControl());
  for (const auto& row : rows) {
    SettingsScope scope(row.settings);
    EXPECT_EQ(kControlExists ? row.line : "", systemEngineWelcomeLine());
  }
}

class ScriptControl : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kControlExists) GTEST_SKIP() << "no Script Control on this system";
    host = scriptcontrol::createScriptControlHost({});
    ASSERT_NE(nullptr, host);
  }
  std::unique_ptr<ScriptHost> host;
};

TEST_F(ScriptControl, ValuesComeBackAsVariantText) {
  host->addCode("function f(a, b) { return a + b; }");
  ASSERT_EQ("0", host->error().Number);
  const struct {
    const char* expression;
    const char* text;
  } rows[] = {
      {"f('abc', 123)", "abc123"},
      {"'\xD6\xD0\xCE\xC4'", "\xD6\xD0\xCE\xC4"},  // GBK in, GBK out
      {"1 == 1", "-1"},
      {"1 == 2", "0"},
      {"null", ""},
      {"2147483647", "2147483647"},
      {"0.5", "0.5"},
  };
  for (const auto& row : rows) EXPECT_EQ(row.text, host->eval(row.expression)) << row.expression;
  if (!underWine()) {
    EXPECT_EQ("abc1", host->run("f", {std::string("abc"), 1.0}));
  }
}

TEST_F(ScriptControl, ErrorsCarryNumberLineAndDescription) {
  host->addCode("var a = 1;\nvar b = ;");
  ScriptError e = host->error();
  EXPECT_NE("0", e.Number);
  EXPECT_EQ("2", e.Line);
  EXPECT_FALSE(e.Description.empty());
  EXPECT_EQ("", host->eval("noSuchFunction()"));
  EXPECT_NE("0", host->error().Number);
}

TEST_F(ScriptControl, ResetForgetsTheCode) {
  host->addCode("var kept = 5;");
  EXPECT_EQ("5", host->eval("kept"));
  host->reset();
  if (!underWine()) {
    EXPECT_EQ("undefined", host->eval("typeof kept"));
  }
}

TEST_F(ScriptControl, TheSafeSubsetIsOnUnlessAskedOff) {
  EXPECT_FALSE(host->allowsUnsafeObjects());
  auto full = scriptcontrol::createScriptControlHost({true});
  ASSERT_NE(nullptr, full);
  EXPECT_TRUE(full->allowsUnsafeObjects());
}

}  // namespace
}  // namespace jsdebug::engine
