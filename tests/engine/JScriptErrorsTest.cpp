// Run-time errors as the Windows script host reports them from JScript: number, description,
// the line and column of the failing statement, and what a script's catch sees.
// Sources of the facts: Microsoft's JScript run-time error list (numbers), the zh-CN texts of
// JScript's messages, Wine's jscript conformance tests (the class JScript gives each number,
// e.number as 0x800A0000 | code, Error(number, description)).

#include <gtest/gtest.h>

#include <string>

#include "engine/ScriptHost.h"

namespace jsdebug::engine {
namespace {

std::unique_ptr<ScriptHost> newHost() {
  auto host = createScriptHost(kScriptControlProgId);
  host->setLanguage("JScript");
  return host;
}

TEST(JScriptErrors, ReportedAsTheHostReportsThem) {
  struct Case {
    const char* script;
    const char* call;
    const char* number;
    const char* description;
    const char* line;
    const char* column;
  } cases[] = {
      {"function f() {\n  return missing + 1;\n}", "f()", "5009", "'missing' 未定义", "2", "2"},
      {"function f() {\n  var a;\n    return a.b;\n}", "f()", "5007", "'a' 为空或不是对象", "3", "4"},
      {"function f() { var o = {p: {}}; return o.p.q.r; }", "f()", "5007", "'o.p.q' 为空或不是对象",
       "1", "32"},
      {"function f() { var a = null; a[0] = 1; }", "f()", "5007", "'a' 为空或不是对象", "1", "29"},
      {"function f() { var o = {}; o.nothing(); }", "f()", "438", "对象不支持此属性或方法", "1", "27"},
      {"function f() { var u; u(); }", "f()", "5007", "缺少对象", "1", "22"},
      {"function f() { var n = 1; n(); }", "f()", "5002", "缺少函数", "1", "26"},
      {"function f() { return new Array(-1); }", "f()", "5029", "数组长度必须是一个有限正整数", "1", "15"},
      // Wine's api.js: toFixed past 20 digits is a RangeError numbered 5026.
      {"function f() { return (1).toFixed(200); }", "f()", "5026", "小数位数超出范围", "1", "15"},
      {"function f() { return new RegExp('('); }", "f()", "5017", "正则表达式中的语法错误", "1", "15"},
      {"function f() { return Date.prototype.getTime.call(1); }", "f()", "5006", "缺少日期对象", "1",
       "15"},
      {"function f() { return decodeURI('%'); }", "f()", "5025", "待解码的 URI 编码非法", "1", "15"},
      {"function f() { return eval('x ='); }", "f()", "1002", "语法错误", "1", "15"},
      // Endless recursion is a stack overflow, also when every call is in tail position.
      {"function f() { return f(); }", "f()", "28", "堆栈溢出", "1", "15"},
      {"function f(n) { return n ? 1 + f(n - 1) : 0; }", "f(100000)", "28", "堆栈溢出", "1", "16"},
      // A script's own error: its text; number 0 reads as the generic failure.
      {"function f() {\n\tthrow new Error('boom');\n}", "f()", "-2147467259", "boom", "2", "1"},
      {"function f() { throw new Error(-2146823279, 'mine'); }", "f()", "5009", "mine", "1", "15"},
      {"function f() { throw {number: -2147024882, description: 'plain'}; }", "f()",
       "-2147024882", "plain", "1", "15"},
      // A thrown value that is no error object keeps its text as the description.
      {"function f() {\n  if (1)\n    throw 'text';\n}", "f()", "5022", "text", "3", "4"},
  };
  for (const Case& c : cases) {
    auto host = newHost();
    host->addCode(c.script);
    ASSERT_EQ("0", host->error().Number) << c.script;
    EXPECT_EQ("", host->eval(c.call)) << c.script;
    ScriptError e = host->error();
    EXPECT_EQ(c.number, e.Number) << c.script;
    EXPECT_EQ(c.description, e.Description) << c.script;
    EXPECT_EQ(c.line, e.Line) << c.script;
    EXPECT_EQ(c.column, e.Column) << c.script;
    EXPECT_EQ("", e.Text) << c.script;
    EXPECT_EQ("JavaScript 运行时错误", e.Source) << c.script;
  }
}

// The recursion a script may use is about what JScript allows: well past a thousand frames,
// not tens of thousands.
TEST(JScriptErrors, RecursionDepthLikeJScript) {
  auto host = newHost();
  host->addCode("function f(n) { return n ? 1 + f(n - 1) : 0; }");
  EXPECT_EQ("1500", host->eval("f(1500)"));
  EXPECT_EQ("", host->eval("f(3000)"));
  EXPECT_EQ("28", host->error().Number);
}

TEST(JScriptErrors, WhatACatchSees) {
  struct Case {
    const char* failing;
    const char* seen;  // number|name|description|message|instanceof its class
  } cases[] = {
      {"missing", "-2146823279|TypeError|'missing' 未定义|'missing' 未定义|true"},
      {"var a; a.b", "-2146823281|TypeError|'a' 为空或不是对象|'a' 为空或不是对象|true"},
      {"({}).m()", "-2146827850|TypeError|对象不支持此属性或方法|对象不支持此属性或方法|true"},
      {"new Array(-1)", "-2146823259|RangeError|数组长度必须是一个有限正整数|数组长度必须是一个有限正整数|true"},
      {"(function r(){ r() })()", "-2146828260|Error|堆栈溢出|堆栈溢出|true"},
      {"new RegExp('[')", "-2146823271|RegExpError|正则表达式中的语法错误|正则表达式中的语法错误|true"},
      {"eval('a b')", "-2146827286|SyntaxError|语法错误|语法错误|true"},
      {"throw new Error('x')", "0|Error|x|x|true"},
      {"throw new TypeError('y')", "0|TypeError|y|y|true"},
      {"throw new Error(5, 'five')", "5|Error|five|five|true"},
      {"throw Error(-2146823279, 'called')", "-2146823279|Error|called|called|true"},
      {"throw new Error(7)", "7|Error|||true"},
  };
  for (const Case& c : cases) {
    auto host = newHost();
    host->addCode(std::string("function f() { try { ") + c.failing +
                  " } catch (e) { var k = e.name == 'RegExpError' ? SyntaxError : "
                  "e.name == 'Error' ? Error : eval(e.name); return [e.number, e.name, "
                  "e.description, e.message, e instanceof k].join('|'); } }");
    EXPECT_EQ(c.seen, host->eval("f()")) << c.failing;
    EXPECT_EQ("0", host->error().Number) << c.failing;
  }
}

}  // namespace
}  // namespace jsdebug::engine
