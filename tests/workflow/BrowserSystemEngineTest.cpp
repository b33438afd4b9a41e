// "加载代码" and "系统引擎运行" with the browser environment switch, on the real script host: the
// console exists only with the switch on, timers run after the load and after the call, the
// blocks follow the run's own block, and ES3 libraries from pages run without stubs.
#include <gtest/gtest.h>

#include <string>

#include "tests/workflow/BrowserLibraries.h"
#include "workflow/Debugging.h"
#include "workflow/HeadlessWorkbench.h"
#include "workflow/OutputLog.h"

using namespace jsdebug;
using namespace jsdebug::workflow;

namespace {

using namespace browsertest;

std::string success(const std::string& result) {
  return "代码运算成功!!执行时间：0\r\n" + sep + "\r\n\r\n返回内容：" + result + "\r\n\r\n" + sep;
}
std::string loaded() {
  return "代码加载成功!!\r\n" + sep + "\r\n\r\n\r\n\r\n小提示：双击函数名调用方法自动写入调试框！\r\n\r\n\r\n\r\n" + sep;
}

struct BrowserSystemEngine : ::testing::Test {
  HeadlessWorkbench bench;
  engine::ScriptEngine engine{[](const std::string&) { FAIL() << "host creation failed"; }};
  TickCounter ticks = [] { return std::uint32_t{7}; };

  std::string run(bool browser, const std::string& script, const std::string& call) {
    bench.browserEnvironment = browser;
    bench.editor().setText(script);
    bench.callBox = call;
    systemRunCommand(bench, engine, ticks);
    return bench.log;
  }
  std::string load(bool browser, const std::string& script) {
    bench.browserEnvironment = browser;
    bench.editor().setText(script);
    loadCodeCommand(bench, engine);
    return bench.log;
  }
};

TEST_F(BrowserSystemEngine, ConsoleAndTimersOnlyWithTheSwitch) {
  // Off: JScript has no console, and nothing follows the failure block.
  const std::string off = run(false, "function f(){ console.log(1); return 2 }", "f()");
  EXPECT_EQ(0u, off.find(kRunFailedHeader)) << off;
  EXPECT_EQ(sep, off.substr(off.size() - sep.size()));
  EXPECT_EQ(std::string::npos, off.find(kConsoleHeader));

  struct Row {
    const char* name;
    const char* script;
    const char* call;  // empty: a load
    std::string log;
  };
  const Row rows[] = {
      {"prints at load and timers after it", "console.log('loading', [1, 'a']); setTimeout(function(){ console.warn('later') }, 5);",
       "", loaded() + console("loading (2) [1, 'a']\r\n[warn] later")},
      {"timers after the call, in due order",
       "var seen = ''; function f(){ setTimeout(function(){ seen += 'b'; console.log(seen) }, 20);"
       " setTimeout(function(){ seen += 'a' }, 10); return 'x' }",
       "f()", success("x") + console("ab")},
      {"the environment's objects",
       "function f(){ document.cookie = 'a=1'; document.cookie = 'b=2; max-age=0';"
       " return [navigator.appName, typeof window.setTimeout, document.cookie, location.href, btoa('ab'),"
       " localStorage.getItem('none')].join() }",
       "f()", success("Netscape,function,a=1,http://localhost/,YWI=,")},
      {"atob of bad text fails as a browser's would",
       "function f(){ try { atob('a') } catch (e) { return e.name } }", "f()", success("InvalidCharacterError")},
      {"names the script reached for",
       "function f(){ var w = document.body.scrollWidthX; var n = navigator.gpuX; return typeof w + typeof n }",
       "f()", success("undefinedundefined") + missing("document.body.scrollWidthX\r\nnavigator.gpuX")},
      {"a timer that renews itself forever is cut off",
       "function f(){ setTimeout(function g(){ setTimeout(g, 0) }, 0); return 1 }", "f()",
       success("1") + console("……定时器回调次数已到上限，另有 1 个未运行")},
      {"an error in a timer is printed and the result stands",
       "function f(){ setTimeout(function(){ throw new Error('in timer') }, 0); return 2 }", "f()",
       success("2") + console("[error] Uncaught Error: in timer")},
      {"a script that redefines window and navigator",
       "var navigator = {appName: 'mine'}; window = 3; function f(){ return navigator.appName + window }", "f()",
       success("mine3")},
      {"a cyclic value", "function f(){ var a = {}; a.me = a; console.log(a); return 3 }", "f()",
       success("3") + console("{me: {me: {…}}}")},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.log, *row.call ? run(true, row.script, row.call) : load(true, row.script));
  }
}

TEST_F(BrowserSystemEngine, ManyPrintsAndAnUndefinedNameStayBounded) {
  const std::string log = run(true, "function f(){ for (var i = 0; i < 20000; i++) console.log(i); return nothere }", "f()");
  EXPECT_EQ(0u, log.find(kRunFailedHeader));
  EXPECT_NE(std::string::npos, log.find("\r\n999\r\n……另有 19000 行输出未显示\r\n\r\n" + sep)) << log.substr(0, 400);
  EXPECT_EQ(missing("nothere"), log.substr(log.size() - missing("nothere").size()));
  // The name still goes to the find box after a failed load, from the failure block.
  load(true, "console.log(\"【'x'\"); undefinedAtLoad();");
  EXPECT_EQ("undefinedAtLoad", bench.findBox);
}

TEST_F(BrowserSystemEngine, Es3AesLibraryRuns) {
  const std::string result = resultOf(run(true, aesScript("3.3.0"), "aes('plain text')"));
  ASSERT_EQ(32u, result.find(':')) << result;
  EXPECT_EQ("plain text", aesDecrypt(result));
}

TEST_F(BrowserSystemEngine, Es3RsaLibraryLoadsAndEncrypts) {
  Key key(EVP_RSA_gen(1024));
  ASSERT_TRUE(key);
  const std::string script = rsaScript("jsencrypt-2.3.1.min.js", key.get());
  // Without the environment the library stops while it loads, as the Windows host would.
  EXPECT_NE(std::string::npos, run(false, script, "enc('x')").find("【'navigator' 未定义】"));

  const std::string log = run(true, script, "enc('secret 2')");
  ASSERT_NE(std::string::npos, log.find("返回内容：")) << log.substr(0, 600);
  EXPECT_EQ("secret 2", rsaDecrypt(key.get(), base64Decode(resultOf(log))));
}

}  // namespace
