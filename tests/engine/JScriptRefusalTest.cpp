// The one line that names why the system engine refused a script: each cause of the table, found
// from what the real engine reports (so a change to where an error is placed shows here), and
// the errors that name none.

#include <gtest/gtest.h>

#include <string>

#include "engine/ScriptEngine.h"
#include "engine/SystemEngine.h"
#include "engine/jscript/Refusal.h"

namespace jsdebug::engine::jscript {
namespace {

const std::string kHint = "可改用“V8运行”，或先用“工具”里的“转为JScript”转换。";

// Loads the script in a fresh engine, runs test(arguments) when the load succeeded, and gives
// the reason for whichever failed; "ran: " and the value when nothing failed.
// The causes are read from the JScript profile's reports: on Windows the system engine would
// otherwise be the Script Control, whose reports are its own.
std::string reasonFor(const std::string& script, const std::string& call) {
  struct ProfileChosen {
    ProfileChosen() { setSystemEngineSettings({SystemEngineChoice::Profile, false}); }
    ~ProfileChosen() { setSystemEngineSettings({}); }
  } profile;
  ScriptEngine engine{[](const std::string&) {}};
  engine.Reset();
  if (!engine.LoadCode(script)) {
    engine.ErrorReport();
    return refusalReason(engine.LastError(), script, "");
  }
  const std::string value = engine.CallFunction("test", call);
  if (engine.ErrorReport().empty()) return "ran: " + value;
  return refusalReason(engine.LastError(), script, "test(" + call + ")");
}

TEST(JScriptRefusal, NamesTheCauseAndWhere) {
  struct Row {
    const char* script;
    const char* arguments;  // of the call test(...), run when the script loads
    const char* cause;      // between "原因：" and "。"; empty: no line at all
  } rows[] = {
      // Syntax the grammar stops at.
      {"var o = {a:1,\n b:2,\n};", "", "对象字面量末尾的逗号（第3行）"},
      {"var o = {};\no.default = 1;", "", "`.default` 是保留字，JScript 5.7 不能用它作属性名（第2行）"},
      {"var o = {default: 1};", "", "`default` 是保留字，JScript 5.7 不能不加引号用它作属性名（第1行）"},
      {"var o = { get x() { return 1; } };", "", "getter/setter（get/set 属性）是 ES5 语法（第1行）"},
      {"var o = { set x(v) { } };", "", "getter/setter（get/set 属性）是 ES5 语法（第1行）"},
      {"\nconst x = 1;", "", "const 是 ES2015 语法（第2行）"},
      {"let y = 2;", "", "let 是 ES2015 语法（第1行）"},
      {"var f = (a) => a + 1;", "", "箭头函数（=>）是 ES2015 语法（第1行）"},
      {"var g = [1].map(x => x);", "", "箭头函数（=>）是 ES2015 语法（第1行）"},
      {"class A {}", "", "class 是 ES2015 语法（第1行）"},
      {"var s = `a${1}b`;", "", "模板字符串（`...`）是 ES2015 语法（第1行）"},
      {"var m = Math.max(...[1, 2]);", "", "展开/剩余参数（...）是 ES2015 语法（第1行）"},
      {"function test(a, b = 2) { return a; }", "", "参数默认值是 ES2015 语法（第1行）"},
      {"var [a, b] = [1, 2];", "", "解构赋值是 ES2015 语法（第1行）"},
      {"for (var x of [1]) {}", "", "for...of 是 ES2015 语法（第1行）"},
      {"function* g() { yield 1; }", "", "生成器函数（function*、yield）是 ES2015 语法（第1行）"},
      {"async function f() {}", "", "async/await 是 ES2017 语法（第1行）"},
      {"import x from 'y';", "", "import/export 是 ES2015 模块语法（第1行）"},
      {"export function f() {}", "", "import/export 是 ES2015 模块语法（第1行）"},
      {"var o = {f() { return 1; }};", "", "对象字面量里的方法简写是 ES2015 语法（第1行）"},
      {"var a = 1, o = {a, b: 1};", "", "对象字面量里的属性简写是 ES2015 语法（第1行）"},
      {"var n = 0b101;", "", "0b/0o 数字是 ES2015 语法（第1行）"},
      {"var r = /a/u;", "", "正则表达式的 u 标志是 ES2015 以后的语法（JScript 只认 g、i、m）（第1行）"},
      {"var r = /[/]/y;", "", "正则表达式的 y 标志是 ES2015 以后的语法（JScript 只认 g、i、m）（第1行）"},
      {"var p = 2 ** 3;", "", "** 运算符是 ES2016 语法（第1行）"},
      {"var o = {}, v = o?.a;", "", "可选链（?.）是 ES2020 语法（第1行）"},
      {"var v = null ?? 1;", "", "?? 运算符是 ES2020 语法（第1行）"},
      {"f(1, 2,);", "", "参数列表末尾的逗号是 ES2017 语法（第1行）"},
      // What stands in strings and comments is no cause.
      {"// const x = `a`;\nvar s = '=> class';\nvar o = {a:1,};", "",
       "对象字面量末尾的逗号（第3行）"},
      // The library a run reaches for.
      {"function test() {\n  var r = [];\n  [1, 2].forEach(function (x) { r.push(x); });\n}", "",
       "JScript 5.7 没有 ES5 的 Array.prototype.forEach（第3行）"},
      {"function test() {\n  return ' a '.trim();\n}", "", "JScript 5.7 没有 ES5 的 String.prototype.trim（第2行）"},
      {"function test() { return JSON.stringify({}); }", "", "JScript 5.7 没有 ES5 的 JSON（第1行）"},
      {"function test() {\n  return Object.keys({a: 1});\n}", "", "JScript 5.7 没有 ES5 的 Object.keys（第2行）"},
      {"function test() { return Object.create(null); }", "", "JScript 5.7 没有 ES5 的 Object.create（第1行）"},
      {"function test() { return Array.isArray([]); }", "", "JScript 5.7 没有 ES5 的 Array.isArray（第1行）"},
      {"var t = Date.now();", "", "JScript 5.7 没有 ES5 的 Date.now（第1行）"},
      {"function test() { return test.bind(null); }", "", "JScript 5.7 没有 ES5 的 Function.prototype.bind（第1行）"},
      {"function test() { return [1, 2].map(function (a) { return a; }); }", "",
       "JScript 5.7 没有 ES5 的 Array.prototype.map（第1行）"},
      {"function test() { return [1].filter(function () { return 1; }).length; }", "",
       "JScript 5.7 没有 ES5 的 Array.prototype.filter（第1行）"},
      {"function test() { return [1].reduce(function (a, b) { return a + b; }); }", "",
       "JScript 5.7 没有 ES5 的 Array.prototype.reduce（第1行）"},
      {"function test() { return [1, 2].indexOf(2); }", "", "JScript 5.7 没有 ES5 的 Array.prototype.indexOf（第1行）"},
      {"function test() {\n  return new Map();\n}", "", "JScript 5.7 没有 ES2015 的 Map（第2行）"},
      {"function test() { return new Uint8Array(4).length; }", "", "JScript 5.7 没有 ES2015 的 Uint8Array（第1行）"},
      {"function test() { return Promise.resolve(1); }", "", "JScript 5.7 没有 ES2015 的 Promise（第1行）"},
      {"function test() { return String.prototype.trim.call(' a '); }", "",
       "JScript 5.7 没有 ES5 的 String.prototype.trim（第1行）"},
      {"function test() { return 'abc'.padStart(5); }", "", "JScript 5.7 没有 ES2017 的 String.prototype.padStart（第1行）"},
      // In the call text rather than the script.
      {"function test(a) { return a; }", "[1].forEach(function () {})",
       "JScript 5.7 没有 ES5 的 Array.prototype.forEach（调用里）"},
      {"function test(a) { return a; }", "JSON", "JScript 5.7 没有 ES5 的 JSON（调用里）"},
      {"function test(a) { return a; }", "x => 1", "箭头函数（=>）是 ES2015 语法（调用里）"},
      {"function test(a) { return a; }", "{a: 1,}", "对象字面量末尾的逗号（调用里）"},
      // Errors that are the script's own mistakes name no cause.
      {"var a = ;", "", ""},
      {"function test() { return nothing; }", "", ""},
      {"function test() { var o = {}; return o.missing(); }", "", ""},
      {"function test() { return 'ab'.indexOf('b') + q; }", "", ""},
      {"function test() { throw new Error('x'); }", "", ""},
      {"function test() { var o = {keys: 1}; return o.keys(); }", "", ""},
  };
  for (const Row& row : rows) {
    const std::string expected = *row.cause ? "原因：" + std::string(row.cause) + "。" + kHint : "";
    EXPECT_EQ(expected, reasonFor(row.script, row.arguments)) << row.script << " / " << row.arguments;
  }
}

TEST(JScriptRefusal, ReadsGbkColumnsAsCharacters) {
  // Two Chinese characters before the stop: the column counts them as one each.
  EXPECT_EQ("原因：对象字面量末尾的逗号（第1行）。" + kHint, reasonFor("var o = {名字:1,};", ""));
  EXPECT_EQ("原因：`.default` 是保留字，JScript 5.7 不能用它作属性名（第2行）。" + kHint,
            reasonFor("var 中文 = '中文';\n中文.default = 1;", ""));
}

TEST(JScriptRefusal, ErrorsWithoutPositionsOrTextGiveNoCauseAndNoCrash) {
  ScriptError e{"1002", "", "", "", "", ""};
  EXPECT_EQ("", refusalReason(e, "", ""));
  e = {"438", "", "", "", "99", "-5"};
  EXPECT_EQ("", refusalReason(e, "var a;", ""));
  e = {"5009", "", "'JSON' 未定义", "", "7", "0"};
  EXPECT_EQ("原因：JScript 5.7 没有 ES5 的 JSON。" + kHint, refusalReason(e, "x", ""));
  e = {"1014", "", "", "", "1", "100000"};
  EXPECT_EQ("原因：模板字符串（`...`）是 ES2015 语法（第1行）。" + kHint, refusalReason(e, "a = `", ""));
  e = {"0", "", "", "", "0", "0"};
  EXPECT_EQ("", refusalReason(e, "var a;", ""));
}

}  // namespace
}  // namespace jsdebug::engine::jscript
