// "V8运行" with the console and the browser environment, on the real engine library: the blocks
// after the run's own block, the environment's behaviour, and libraries pasted from pages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/RunBlocks.h"
#include "tests/support/V8Bridge.h"
#include "tests/workflow/BrowserLibraries.h"
#include "workflow/HeadlessWorkbench.h"
#include "workflow/OutputLog.h"
#include "workflow/V8Run.h"

using namespace jsdebug;
using namespace jsdebug::workflow;

namespace {

using namespace browsertest;

std::string success(const std::string& result) { return testsupport::runSuccess("5", result); }
using testsupport::runFailure;
struct BrowserV8 : ::testing::Test {
  HeadlessWorkbench bench;
  std::uint32_t now = 1000;
  TickCounter ticks = [this] { return now += 5; };

  std::string run(bool browser, const std::string& script, const std::string& call,
                  const std::string& url = "") {
    bench.browserEnvironment = browser;
    bench.urlBox = url;
    bench.editor().setText(script);
    bench.callBox = call;
    bench.v8BufferLength = "4096";
    v8RunCommand(bench, testsupport::startedV8Bridge(), ticks);
    return bench.log;
  }
};

struct Row {
  const char* name;
  bool browser;
  const char* script;
  const char* call;
  std::string log;
};

TEST_F(BrowserV8, BlocksFollowTheRunsOwnBlock) {
  const Row rows[] = {
      {"off, silent: the log as before", false, "function f(){return 1}", "f()", success("1")},
      {"off: console exists and is captured", false,
       "function f(){console.log('x', 1, {a: [1, 'b'], s: null}, [2, 3]); console.info(); return 2}",
       "f()", success("2") + console("x 1 {a: [1, 'b'], s: null} (2) [2, 3]\r\n")},
      {"levels, specifiers and line breaks", false,
       "function f(){console.warn('w'); console.error('%s=%d%%', 'n', 4.5, 'more');"
       " console.debug('a\\nb\\r\\nc'); return ''}",
       "f()", success("") + console("[warn] w\r\n[error] n=4% more\r\na\r\nb\r\nc")},
      {"lines before a failure are kept", false,
       "function f(){console.log('before'); throw new TypeError('bad')}", "f()",
       runFailure("1", "TypeError: bad") + console("before")},
      {"a cyclic value prints bounded", true, "function f(){var a = {n: -0}; a.self = a; console.log(a); return 3}",
       "f()", success("3") + console("{n: -0, self: {n: -0, self: {…}}}")},
      {"an undefined name is listed", true, "function f(){return navigatorx.appName}", "f()",
       runFailure("1", "ReferenceError: navigatorx is not defined") + missing("navigatorx")},
      {"missing properties are listed once, with their path", true,
       "function f(){var a = document.body.clientWidth + navigator.appName;"
       " var b = [document.body.scrollWidthX, document.body.scrollWidthX, navigator.gpu,"
       " document.createElement('canvas').toBlob, location.ancestorOrigins];"
       " return typeof b[0]}",
       "f()",
       success("undefined") + missing("document.body.scrollWidthX\r\nnavigator.gpu\r\n"
                                      "document.createElement(\"canvas\").toBlob\r\n"
                                      "location.ancestorOrigins")},
      {"off: no environment, nothing listed", false, "function f(){return typeof navigator}", "f()",
       success("undefined")},
      {"a million prints keep the first thousand", true,
       "function f(){for (var i = 0; i < 1000000; i++) console.log(i); return 'done'}", "f()", ""},
      {"a timer that renews itself forever is cut off", true,
       "function f(){setTimeout(function g(){ setTimeout(g, 0); }, 0); return 4}", "f()",
       success("4") + console("……定时器回调次数已到上限，另有 1 个未运行")},
      {"an error in a timer is printed, the result stands", true,
       "function f(){setTimeout(function(){ missingThing(); }, 5); return 5}", "f()",
       success("5") + console("[error] Uncaught ReferenceError: missingThing is not defined") +
           missing("missingThing")},
      {"XMLHttpRequest records and sends nothing", true,
       "function f(){var x = new XMLHttpRequest(); x.open('post', '/api'); x.setRequestHeader('A', 'b');"
       " x.send('k=v'); return x.status}",
       "f()", success("0") + console("[XMLHttpRequest] 未发送 POST /api 头: A: b 内容: k=v")},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::string log = run(row.browser, row.script, row.call);
    if (!row.log.empty()) {
      EXPECT_EQ(row.log, log);
      continue;
    }
    // The capped case: the first and last kept lines, then the note.
    EXPECT_EQ(0u, log.find(success("done") + "\r\n" + kConsoleHeader + sep + "\r\n\r\n0\r\n1\r\n"));
    EXPECT_NE(std::string::npos, log.find("\r\n999\r\n……另有 999000 行输出未显示\r\n\r\n" + sep));
    EXPECT_EQ(std::string::npos, log.find("\r\n1000\r\n"));
  }
}

TEST_F(BrowserV8, TheEnvironmentBehavesAsAPageWould) {
  // Each body becomes function t() { body } and the call t().
  struct Case {
    const char* name;
    const char* body;
    const char* result;
    const char* url;
  };
  const Case cases[] = {
      // One stand-in for the global object under every name: it notes reads of names the
      // global object lacks, which node's context cannot do on the global object itself.
      {"the global object under every name",
       "return [window.window === window, self === window, top === window, parent === self, frames === window,"
       " window.Math === Math, window === this].join()",
       "true,true,true,true,true,true,false", ""},
      {"navigator", "return [navigator.appName, navigator.platform, navigator.language, navigator.languages.length,"
                    " navigator.cookieEnabled, navigator.plugins.length].join()",
       "Netscape,Win32,zh-CN,2,true,0", ""},
      {"location from an https address",
       "return [location.href, location.host, location.pathname, location.search, location.hash,"
       " document.domain].join(' ')",
       "https://www.example.com/p/q.html?x=1#h www.example.com /p/q.html ?x=1 #h www.example.com",
       "  HTTPS://WWW.Example.com:443/p/q.html?x=1#h "},
      {"location when the box holds no web address", "return location.href + ' ' + document.URL",
       "http://localhost/ http://localhost/", "file:///c:/x.js"},
      {"cookies by the browser's rules",
       "document.cookie = 'a=1'; document.cookie = 'b=2; path=/; max-age=3600';"
       " document.cookie = 'a=9'; document.cookie = 'c=3; HttpOnly'; document.cookie = 'd=4; Secure';"
       " document.cookie = 'e=5; domain=other.org'; document.cookie = 'f=6; domain=.example.com';"
       " document.cookie = 'g=7'; document.cookie = 'g=; expires=Thu, 01 Jan 1970 00:00:00 GMT';"
       " document.cookie = 'h=8; path=/elsewhere'; return document.cookie",
       "a=9; b=2; f=6", "http://www.example.com/"},
      {"atob and btoa with Latin-1",
       "return btoa('\\u00ff\\u0000a') + ' ' + escape(atob(' /w Bh ')) + ' ' + atob('YQ').length",
       "/wBh %FF%00a 1", ""},
      {"atob of bad text", "try { atob('abcde') } catch (e) { return e.name + ': ' + e.message }",
       "InvalidCharacterError: Failed to execute 'atob' on 'Window': The string to be decoded is not "
       "correctly encoded.",
       ""},
      {"btoa beyond Latin-1", "try { btoa('\\u4e2d') } catch (e) { return e.name }", "InvalidCharacterError", ""},
      {"storage in memory", "localStorage.setItem('k', 1); localStorage.setItem('k', 2);"
                            " return [localStorage.getItem('k'), localStorage.length, localStorage.getItem('x'),"
                            " sessionStorage.length].join()",
       "2,1,,0", ""},
      {"elements",
       "var d = document.createElement('div'); d.setAttribute('ID', 'x'); d.appendChild(document.createElement('b'));"
       " return [d.tagName, d.getAttribute('id'), d.childNodes.length, d.firstChild.parentNode === d,"
       " document.getElementById('x'), document.querySelectorAll('p').length, typeof d.style].join()",
       "DIV,x,1,true,,0,object", ""},
      {"random values fill typed arrays",
       "var a = new Uint8Array(64); crypto.getRandomValues(a); var s = 0;"
       " for (var i = 0; i < 64; i++) s += a[i]; return s > 0",
       "true", ""},
      {"timers run in due order, intervals a bounded number of times",
       "var seen = [], n = 0; setTimeout(function(){ seen.push('b') }, 20); setTimeout(function(){ seen.push('a') }, 10);"
       " setInterval(function(){ n++ }, 1); clearTimeout(setTimeout(function(){ seen.push('x') }, 1));"
       " return new Promise(function(r){ setTimeout(function(){ r(seen.join('') + n) }, 500) })",
       "ab100", ""},
      {"a script may replace window and navigator",
       "navigator = 1; window = 2; document = 3; return typeof setTimeout + navigator", "function1", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(success(c.result), run(true, std::string("function t(){") + c.body + "}", "t()", c.url));
  }
}

TEST_F(BrowserV8, PromisesSettleWithinTheRun) {
  EXPECT_EQ(success("7"),
            run(true, "async function f(){ await new Promise(function(r){ setTimeout(r, 30) }); return 7 }", "f()"));
  EXPECT_EQ(runFailure("1", "TypeError: no"), run(true, "function f(){ return Promise.reject(new TypeError('no')) }", "f()"));
  EXPECT_EQ(runFailure("0", "Error: 调用返回的 Promise 在所有定时器运行完后仍未完成"),
            run(true, "function f(){ return new Promise(function(){}) }", "f()"));
  // Off, a promise is a value like any other, as before.
  EXPECT_EQ(success("[object Promise]"), run(false, "async function f(){ return 7 }", "f()"));
}

TEST_F(BrowserV8, StorageAndCookiesStartFreshEachRun) {
  const char* script =
      "function set(){ localStorage.setItem('k', 'v'); document.cookie = 'a=1' }"
      "function get(){ return localStorage.getItem('k') + '|' + document.cookie }";
  EXPECT_EQ(success("v|a=1"), run(true, script, "set(); get()"));
  EXPECT_EQ(success("null|"), run(true, script, "get()"));
}

// ---- libraries a user pastes from a page ----

TEST_F(BrowserV8, RsaLibraryEncryptsWithAPublicKey) {
  Key key(EVP_RSA_gen(1024));
  ASSERT_TRUE(key);
  const std::string script = rsaScript("jsencrypt-3.3.2.min.js", key.get());
  ASSERT_GT(script.size(), 50000u);
  // Without the environment the library stops while it loads, on the name a page would give it.
  EXPECT_NE(std::string::npos, run(false, script, "enc('secret 1')").find("ReferenceError: window is not defined"));

  const std::string log = run(true, script, "enc('secret 1')");
  EXPECT_EQ(0u, log.find("代码运算成功!!")) << log;
  EXPECT_EQ("secret 1", rsaDecrypt(key.get(), base64Decode(resultOf(log))));
}

TEST_F(BrowserV8, AesLibraryEncryptsWithARandomIv) {
  const std::string script = aesScript("4.2.0");
  // The library refuses to make up random numbers without a browser's crypto.
  EXPECT_NE(std::string::npos, run(false, script, "aes('x')").find("Native crypto module could not be used"));

  std::string ivs;
  for (int i = 0; i < 2; ++i) {
    const std::string result = resultOf(run(true, script, "aes('plain text')"));
    ASSERT_EQ(32u, result.find(':')) << result;
    EXPECT_EQ("plain text", aesDecrypt(result));
    EXPECT_NE(ivs, result.substr(0, 32));
    ivs = result.substr(0, 32);
  }
}

}  // namespace
