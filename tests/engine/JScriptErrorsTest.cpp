// Run-time errors as the Windows script host reports them from JScript: number, description,
// the line and column of the failing statement, and what a script's catch sees.
// Sources of the facts: Microsoft's JScript run-time error list (numbers), the zh-CN texts of
// JScript's messages, Wine's jscript conformance tests (the class JScript gives each number,
// e.number as 0x800A0000 | code, Error(number, description)).

#include <gtest/gtest.h>

#include <string>

#include "engine/DuktapeError.h"
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

// A run-time error names where the statement that failed starts: the statement of the innermost
// script frame, whatever line the error's own machinery ran on, and the right one of several
// statements on a line. A call of a missing method (438) is made when the property is read and
// thrown after the arguments ran, which once named the statement of the last call before it.
TEST(JScriptErrors, FailureNamesTheStartOfItsStatement) {
  struct Case {
    const char* script;
    const char* call;  // empty: the error comes from loading the script
    const char* number;
    const char* line;
    const char* column;
  } cases[] = {
      {"var o = {};\nvar a = 1;\no.m();", "", "438", "3", "0"},
      {"var o = {};\nfunction t() {\n  var a = 1;\n  o.m();\n}", "t()", "438", "4", "2"},
      {"function t() {\n  var a = {};\n  a.b();\n}", "t()", "438", "3", "2"},
      {"function t() {\n  var o = {};\n  o[\"m\"]();\n}", "t()", "438", "3", "2"},
      {"function t() {\n  var o = {}, x = 1;\n  var r = o.m();\n  return r;\n}", "t()", "438", "3",
       "2"},
      {"function t() {\n  var o = {};\n  x = 2;\n  return o.m();\n}", "t()", "438", "4", "2"},
      {"function t() {\n  var s = 1;\n  return ' x '.trim();\n}", "t()", "438", "3", "2"},
      {"function t() {\n  var n = 0;\n  [1,2].forEach(function (v) { n += v; });\n  return n;\n}",
       "t()", "438", "3", "2"},
      {"function t() {\n  var o = {a: 1};\n  return Object.keys(o);\n}", "t()", "438", "3", "2"},
      // The arguments of the missing method run calls of their own before it fails.
      {"function f(n) { return n; }\nfunction t() {\n  var o = {};\n  f(1);\n  o.m(f(2),\n    f(3));\n}",
       "t()", "438", "5", "2"},
      // The innermost script frame, two calls deep.
      {"function inner(o) {\n  var k = 1;\n  return o.m(k);\n}\nfunction outer() {\n  var o = {};\n"
       "  return inner(o);\n}",
       "outer()", "438", "3", "2"},
      {"function t() {\n  for (var i = 0; i < 2; i++) {\n    if (i) { g(); [].map(String); }\n  }\n}\n"
       "function g() {}",
       "t()", "438", "3", "18"},
      // One line, as a minified script is: the statement's own column.
      {"var o={};function g(){return 1}function t(){var x=g();var r=o.m();return r}", "t()", "438",
       "1", "54"},
      {"function t(){var o={};f(1);o.m(f(2))}function f(n){return n}", "t()", "438", "1", "27"},
      {"var o={};var a=1;o.m();var b=2;", "", "438", "1", "17"},
      {"function t(){var a;g();return a.b}function g(){}", "t()", "5007", "1", "23"},
      {"function t(){g();return missing}function g(){}", "t()", "5009", "1", "17"},
      {"function t(){g();throw 'x'}function g(){}", "t()", "5022", "1", "17"},
      {"function t(){g();return (1).toFixed(200)}function g(){}", "t()", "5026", "1", "17"},
      // Text the grammar check rewrote before the statement (a named function expression
      // binds its name, '08' is decimal) keeps the columns of the text as written.
      {"var h=function k(){};var n=08;var o={};o.m();", "", "438", "1", "39"},
      {"\xD6\xD0=1;var o={};o.m();", "", "438", "1", "13"},
      // The call text itself.
      {"var o = {};", "o.m()", "438", "1", "0"},
  };
  for (const Case& c : cases) {
    auto host = newHost();
    host->addCode(c.script);
    if (*c.call) {
      ASSERT_EQ("0", host->error().Number) << c.script;
      EXPECT_EQ("", host->eval(c.call)) << c.script;
    }
    ScriptError e = host->error();
    EXPECT_EQ(c.number, e.Number) << c.script;
    EXPECT_EQ(c.line, e.Line) << c.script;
    EXPECT_EQ(c.column, e.Column) << c.script;
  }
}

// Duktape's own limits surface as the JScript error a script meets at the same point, never as
// Duktape's English text, both in the report and in what a catch sees.
TEST(JScriptErrors, EngineLimitsReadAsJScriptErrors) {
  struct Case {
    const char* script;
    const char* call;
    const char* number;
    const char* description;
  } cases[] = {
      {"function t() { var o = {toString: function () { return String(o); }}; return String(o); }",
       "t()", "28", "堆栈溢出"},  // C stack depth limit
      {"function t() { return Math.max.apply(null, new Array(1100000)); }", "t()", "28",
       "堆栈溢出"},  // valstack limit
      {"function t() { return new RegExp(new Array(5000).join('(') + 'a' + "
       "new Array(5000).join(')')); }",
       "t()", "28", "堆栈溢出"},  // regexp compiler recursion limit
      {"function t() { return /(a|b)*c/.test(new Array(20000).join('a')); }", "t()", "28",
       "堆栈溢出"},  // regexp executor recursion limit
      {"function t() { return eval(new Array(3000).join('(') + '1' + new Array(3000).join(')')); }",
       "t()", "28", "堆栈溢出"},  // compiler recursion limit, in a compile that reports its line
      {"function t() { try { new RegExp(new Array(5000).join('(')); } catch (e) {"
       " return [e.number, e.name, e.description, e.message].join('|'); } }",
       "t()", "0", "-2146828260|Error|堆栈溢出|堆栈溢出"},
  };
  for (const Case& c : cases) {
    auto host = newHost();
    host->addCode(c.script);
    ASSERT_EQ("0", host->error().Number) << c.script;
    std::string value = host->eval(c.call);
    ScriptError e = host->error();
    EXPECT_EQ(c.number, e.Number) << c.script;
    EXPECT_EQ(c.description, e.Number == "0" ? value : e.Description) << c.script;
  }

  // A function of more than 65,535 constants: the compiler's table is full.
  std::string constants = "var a = [";
  for (int i = 0; i < 65540; ++i) constants += (i ? ",'c" : "'c") + std::to_string(i) + "'";
  auto host = newHost();
  host->setTimeout(120000);  // the size is tested here, not the time
  host->addCode(constants + "];");
  EXPECT_EQ("7", host->error().Number);
  EXPECT_EQ("内存不足", host->error().Description);
  EXPECT_EQ("JavaScript 编译错误", host->error().Source);
}

// The limits that take too long to reach in a test (800,000 functions in a 59 MB script, 10^9
// regular-expression steps without a time limit), and those an ordinary script cannot reach,
// as the host reads them when the JScript hooks could not run.
TEST(JScriptErrors, EngineLimitTextsReadAsJScriptErrors) {
  struct Case {
    const char* name;
    const char* message;
    bool compiling;
    const char* number;
    const char* description;
  } cases[] = {
      {"RangeError", "function limit (line 1)", true, "7", "内存不足"},
      {"RangeError", "const limit (line 12, end of input)", true, "7", "内存不足"},
      {"RangeError", "temp limit (line 2)", true, "7", "内存不足"},
      {"RangeError", "register limit", true, "7", "内存不足"},
      {"RangeError", "bytecode limit", true, "7", "内存不足"},
      {"RangeError", "token limit", true, "7", "内存不足"},
      {"RangeError", "compiler recursion limit (line 4)", true, "28", "堆栈溢出"},
      {"RangeError", "regexp step limit", false, "28", "堆栈溢出"},
      {"RangeError", "callstack limit", false, "28", "堆栈溢出"},
      {"RangeError", "prototype chain limit", false, "28", "堆栈溢出"},
      {"RangeError", "string too long", false, "7", "内存不足"},
      {"RangeError", "result too long", false, "7", "内存不足"},
      {"Error", "alloc failed", false, "7", "内存不足"},
      {"TypeError", "utf-8 decode failed", false, "1014", "无效字符"},
      {"SyntaxError", "source decode failed (line 3)", true, "1014", "无效字符"},
      // Not a limit: a script's text stays, "(line N)" of another line included.
      {"RangeError", "regexp step limit reached (line 9)", false, "-2147467259",
       "regexp step limit reached (line 9)"},
      {"Error", "mine (line 2)", false, "-2147467259", "mine (line 2)"},
  };
  for (const Case& c : cases) {
    RawScriptError raw;
    raw.isErrorObject = true;
    raw.compiling = c.compiling;
    raw.name = c.name;
    raw.message = c.message;
    ScriptError e = describeScriptError(raw, {}, 10000);
    EXPECT_EQ(c.number, e.Number) << c.message;
    EXPECT_EQ(c.description, e.Description) << c.message;
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
