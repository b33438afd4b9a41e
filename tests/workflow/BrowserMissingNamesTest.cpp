// The list of names a script reached for and the browser environment lacks, in both engines:
// each way a script can reach for a name, whether the run's own outcome stays what it was, and
// that only names the script wrote appear (never the engines' own probes).
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "tests/support/V8Bridge.h"
#include "tests/workflow/BrowserLibraries.h"
#include "workflow/HeadlessWorkbench.h"
#include "workflow/OutputLog.h"
#include "workflow/V8Run.h"

using namespace jsdebug;
using namespace jsdebug::workflow;

namespace {

using namespace browsertest;

// The body of the log's list block, names separated by line breaks; empty when there is none.
std::string listed(const std::string& log) {
  const std::string head = std::string(kMissingHeader) + sep + "\r\n\r\n";
  std::size_t at = log.find(head);
  if (at == std::string::npos) return {};
  at += head.size();
  return log.substr(at, log.find("\r\n\r\n" + sep, at) - at);
}

struct BrowserMissingNames : ::testing::Test {
  HeadlessWorkbench bench;
  engine::ScriptEngine engine{[](const std::string&) { FAIL() << "host creation failed"; }};
  TickCounter ticks = [] { return std::uint32_t{7}; };

  std::string system(bool browser, const std::string& script, const std::string& call) {
    prepare(browser, script, call);
    systemRunCommand(bench, engine, ticks);
    return bench.log;
  }
  std::string v8(bool browser, const std::string& script, const std::string& call) {
    prepare(browser, script, call);
    bench.v8BufferLength = "4096";
    v8RunCommand(bench, testsupport::startedV8Bridge(), ticks);
    return bench.log;
  }
  void prepare(bool browser, const std::string& script, const std::string& call) {
    bench.browserEnvironment = browser;
    bench.editor().setText(script);
    bench.callBox = call;
  }
};

TEST_F(BrowserMissingNames, EachFormInBothEngines) {
  struct Row {
    const char* name;
    const char* script;
    const char* result;  // nullptr: the run fails
    const char* system;  // the list in the system engine
    const char* v8;      // the list in V8; nullptr: as in the system engine
    bool browser = true;
  };
  const Row rows[] = {
      {"a read through window", "function f(){ return String(window.msCrypto) }", "undefined", "window.msCrypto",
       nullptr},
      {"a read through self, top and parent", "function f(){ return [self.webkitURL, top.opera, parent.opera].join() }",
       ",,", "window.webkitURL\r\nwindow.opera", nullptr},
      // In V8 this at the top level is the global object itself, which node's context answers
      // without a trap of ours (see the runner's window stand-in).
      {"a read through this at the top level", "var seen = this.InstallTrigger; function f(){ return String(seen) }",
       "undefined", "window.InstallTrigger", ""},
      {"typeof of an undeclared name, at the top level and in a function",
       "var amd = typeof define; function f(){ return amd + typeof module + typeof exports }",
       "undefinedundefinedundefined", "define\r\nmodule\r\nexports", nullptr},
      {"an undeclared name still stops the script", "function f(){ return nothere }", nullptr, "nothere", nullptr},
      {"a probe with in", "function f(){ return String('ontouchstart' in window) + ('getComputedStyle' in window) }",
       "falsefalse", "ontouchstart\r\ngetComputedStyle", nullptr},
      {"window.chrome is there, its extension members are not",
       "function f(){ return [typeof window.chrome, typeof chrome.app.getDetails, chrome.app.isInstalled,"
       " typeof chrome.runtime].join() }",
       "object,function,false,undefined", "window.chrome.runtime", nullptr},
      {"a stub that only returns null",
       "function f(){ var c = document.createElement('canvas'); return String(c.getContext('2d')) + c.getContext('2d') }",
       "nullnull", "document.createElement(\"canvas\").getContext(\"2d\")（只返回 null）", nullptr},
      {"the engines' own probes are not the script's",
       "function f(){ var s = 'x' + document.body + navigator + location + window.chrome;"
       " console.log(document.body, navigator.plugins); return typeof s + Object.prototype.toString.call(history) }",
       "string[object Object]", "", nullptr},
      {"names the script sets or declares",
       "undeclaredGlobal = 1; var declared; function later(){} window.viaWindow = 2;"
       " function f(){ return typeof undeclaredGlobal + typeof declared + typeof later + viaWindow }",
       "numberundefinedfunction2", "", nullptr},
      {"each name once, in the order first read",
       "function f(){ return [window.b2, typeof a1, window.b2, typeof a1, self.c3].join() }", ",undefined,,undefined,",
       "window.b2\r\na1\r\nwindow.c3", nullptr},
      {"off: nothing is listed", "function f(){ return typeof window + typeof chromeX }", "undefinedundefined", "",
       nullptr, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string logs[] = {system(row.browser, row.script, "f()"), v8(row.browser, row.script, "f()")};
    const char* lists[] = {row.system, row.v8 ? row.v8 : row.system};
    for (int engine = 0; engine < 2; ++engine) {
      SCOPED_TRACE(engine == 0 ? "system engine" : "V8");
      const std::string& log = logs[engine];
      if (row.result) EXPECT_EQ(row.result, resultOf(log)) << log;
      else EXPECT_EQ(0u, log.find(kRunFailedHeader)) << log;
      EXPECT_EQ(lists[engine], listed(log)) << log;
    }
  }
}

// The E program's Run of a procedure by name: a missing one is listed once, as a bare name.
TEST_F(BrowserMissingNames, ProcedureRunByName) {
  engine.SetBrowserEnvironment(true, engine::kDefaultPageAddress);
  engine.Reset();
  ASSERT_TRUE(engine.LoadCode("function p(){ return typeof q }"));
  std::array<engine::ScriptValue, 10> values{};
  EXPECT_EQ("undefined", engine.RunProcedure("p", values));
  EXPECT_EQ("", engine.RunProcedure("absent", values));
  EXPECT_EQ((std::vector<std::string>{"q", "absent"}), engine.TakeBrowserNotes().missing);
}

}  // namespace
