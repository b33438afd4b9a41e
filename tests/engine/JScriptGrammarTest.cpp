// The JScript grammar check: what JScript refuses and with which error, what it takes that
// Duktape would not, and how the text handed to Duktape keeps its lines.
//
// Sources of the facts: Microsoft's JScript syntax error list (numbers and zh-CN texts),
// [MS-ES3] and [MS-ES3EX] (JScript 5.x against ES3), Wine's jscript tests cc.js and lang.js
// (assertions that pass on Windows). Where no source settles the column, the row follows the
// rule "the token where the parse stops".

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/ScriptHost.h"
#include "engine/jscript/Grammar.h"

namespace jsdebug::engine::jscript {
namespace {

CheckedSource check(const std::string& source) {
  return checkSource(source, SourceKind::Program);
}

TEST(JScriptGrammar, RefusedTextGivesJScriptsErrorWhereTheParseStops) {
  struct Row {
    const char* source;
    const char* number;
    int line;
    int column;
  } rows[] = {
      // Later syntax Duktape takes and JScript 5.7 does not ([MS-ES3], ES3 grammar).
      {"x = {a:1,}", "1028", 1, 9},           // trailing comma in an object literal
      {"o.default = 1", "1010", 1, 2},        // reserved word after "."
      {"o = {class: 1}", "1028", 1, 5},       // reserved word as an unquoted key
      {"var o = {get a() { return 1; }}", "1003", 1, 13},  // getter literal
      {"const x = 1;", "1002", 1, 0},
      {"let x = 1;", "1004", 1, 4},
      {"var f = (a) => a;", "1002", 1, 13},
      {"var s = `t`;", "1014", 1, 8},
      {"function f(a, b = 1) {}", "1006", 1, 16},
      {"var [a, b] = c;", "1010", 1, 4},
      {"for (var x of y) {}", "1004", 1, 11},
      {"class A {}", "1002", 1, 0},
      {"var r = /a/y;", "1002", 1, 11},       // JScript knows the flags g, i and m only
      // The error list, one row per number.
      {"var a = 1;\r\nvar c = ;", "1002", 2, 8},
      {"x = a ? b c;", "1003", 1, 10},
      {"a = 1 b = 2", "1004", 1, 6},
      {"if x", "1005", 1, 3},
      {"f(a;", "1006", 1, 3},
      {"a[1;", "1007", 1, 3},
      {"function f() return", "1008", 1, 13},
      {"function f() {\n", "1009", 2, 0},
      {"var 1;", "1010", 1, 4},
      {"@cc_on @set @x 1", "1011", 1, 15},
      {"var r = /abc", "1012", 1, 12},
      {"x = 1e;", "1013", 1, 4},
      {"x = #;", "1014", 1, 4},
      {"x = \x81;", "1014", 1, 4},            // a byte that starts no GBK character
      {"x\\uEEe2 = 1;", "1014", 1, 1},         // an escape that spells no letter
      {"\\u0031a = 1;", "1014", 1, 0},
      {"v\\u0061r x;", "1002", 1, 0},           // a reserved word spelled with an escape
      {"x = 'abc", "1015", 1, 4},
      {"x = 'a\nb'", "1015", 1, 4},
      {"/* abc", "1016", 1, 0},
      {"return 1;", "1018", 1, 0},
      {"break;", "1019", 1, 0},
      {"{ break; }", "1019", 1, 2},
      {"continue;", "1020", 1, 0},
      {"s = '\\x4';", "1023", 1, 8},
      {"do x++; until (y)", "1024", 1, 8},
      {"a: a: x;", "1025", 1, 3},
      {"while (1) { break b; }", "1026", 1, 18},
      {"a: { continue a; }", "1026", 1, 14},  // continue only names a loop
      {"switch (x) { default: default: }", "1027", 1, 22},
      {"x = \xD6\xD0 = {1: 2, }", "1028", 1, 15},  // columns count a GBK character once
      {"@cc_on\n@if (1) x = 1;", "1029", 2, 14},
      {"x = @_jscript;", "1030", 1, 4},       // conditional compilation is off
      {"@cc_on @set @x = y", "1031", 1, 17},
      {"@cc_on @set x = 1", "1032", 1, 12},   // cc.js: JS_E_EXPECTED_AT
      {"try { x(); }", "1033", 1, 12},
      {"throw\nnew Error();", "1035", 2, 0},
      // cc.js: the errors of conditional compilation directives.
      {"@cc_on @set @1=true", "1010", 1, 13},
      {"@cc_on @set @test x=true", "1011", 1, 18},
      {"@cc_on @if false\n@end", "1005", 1, 11},
      {"@cc_on @end", "1002", 1, 7},
      {"@cc_on @elif", "1002", 1, 7},
      {"@cc_on @else", "1002", 1, 7},
      {"/*@cc_on */", "1002", 1, 9},          // a conditional comment is code: "*/" is not
  };
  for (const Row& row : rows) {
    CheckedSource checked = check(row.source);
    EXPECT_FALSE(checked.ok) << row.source;
    EXPECT_EQ(row.number, checked.error.Number) << row.source;
    EXPECT_EQ(std::to_string(row.line), checked.error.Line) << row.source;
    EXPECT_EQ(std::to_string(row.column), checked.error.Column) << row.source;
    EXPECT_TRUE(checked.error.Source.empty()) << row.source;
  }
}

TEST(JScriptGrammar, ReportCarriesTheDescriptionAndTheWholeLine) {
  CheckedSource checked = check("var a = 1;\r\n  f(a;  // \xD7\xA2\r\nvar b;");
  EXPECT_EQ("1006", checked.error.Number);
  EXPECT_EQ("缺少 ')'", checked.error.Description);
  EXPECT_EQ("  f(a;  // \xD7\xA2", checked.error.Text);
  EXPECT_EQ("throw 后面必须跟有一个表达式并且位于同一行",
            check("throw\n1").error.Description);
  EXPECT_EQ("条件编译已关闭", check("@_jscript").error.Description);
}

TEST(JScriptGrammar, AcceptedTextIsRewrittenForDuktapeOnTheSameLines) {
  struct Row {
    const char* source;
    const char* code;
  } rows[] = {
      // [MS-ES3]: a trailing comma in an array literal adds an element in JScript.
      {"a = [1,2,];\nb = [,];", "a = [1,2,,];\nb = [,,];"},
      // [MS-ES3]: "\v" is the letter v in JScript.
      {"s = 'a\\vb';", "s = 'avb';"},
      // JScript takes a function statement without a name. It ends at its closing brace, as
      // a declaration does, so another statement may follow on the same line.
      {"function(){ return 1; }\nx();", "(function(){ return 1; })\nx();"},
      {"function () {} function f(){}", "(function () {}); function f(){}"},
      {"function () {}; x();", "(function () {}); x();"},
      {"function () {} x();", "(function () {}); x();"},
      {"function () {} var v = 1;", "(function () {}); var v = 1;"},
      {"function () {} function () {}", "(function () {}); (function () {})"},
      {"if (a) { function () {} x = 1; }", "if (a) { (function () {}); x = 1; }"},
      {"function o(){ function () { function () {} y(); } z(); }",
       "function o(){ (function () { (function () {}); y(); }); z(); }"},
      {"function () {}\nfunction f(){}", "(function () {})\nfunction f(){}"},
      // A ';' between the block of an if and its else.
      {"if (a) { b(); }; else { c(); }", "if (a) { b(); }  else { c(); }"},
      // [MS-ES3EX]: a named function expression also binds its name in the enclosing scope.
      {"var f = function g(){};", "var g;var f = (g=function g(){});"},
      {"function o(){\n  h(function k(){});\n}",
       "function o(){var k;\n  h((k=function k(){}));\n}"},
      // JScript has no strict mode.
      {"'use strict';\nx = 1;", "('use strict');\nx = 1;"},
      // A leading zero before an 8 or 9 leaves a decimal number in JScript.
      {"x = 08 + 010;", "x =  8 + 010;"},
      {"x = 1e123456789 + 2E-00000000123456789 + 3e0000001;",
       "x = 1e999999 + 2E-999999 + 3e0000001;"},
      // Conditional compilation: directives blanked, variables written as their values.
      {"/*@cc_on @*/x = @_jscript_version;", "            x = (5.8)            ;"},
      {"@cc_on\n@if (@_win32)\na = 1;\n@else\nb = 2;\n@end",
       "      \n             \na = 1;\n     \n      \n    "},
      {"//@cc_on\n@set @n = 2 * (3 + @_x86)\nx = @n;", "        \n                         \nx = (8);"},
      {"x = 1; // not @cc_on here\n", "x = 1; // not @cc_on here\n"},
      // Where Duktape would read a division, a regular expression goes in brackets.
      {"if (a) /x/.test(b); c = d / e / f; g = --/h/.lastIndex;",
       "if (a) (/x/).test(b); c = d / e / f; g = --(/h/).lastIndex;"},
  };
  for (const Row& row : rows) {
    CheckedSource checked = check(row.source);
    ASSERT_TRUE(checked.ok) << row.source << ": " << checked.error.Number;
    EXPECT_EQ(row.code, checked.code) << row.source;
  }
}

// ES3 that JScript takes as it is: nothing refused, nothing rewritten, and Duktape compiles it.
TEST(JScriptGrammar, PlainScriptPassesUnchanged) {
  const char* rows[] = {
      "a = 1\nb = 2\n",                                  // a line break ends a statement
      "function f() { return\n1 }",                       // ... after return too
      "a = b\n++c",                                       // the ++ belongs to the next line
      "x = a / b / c; y = a++ / 2; z = (a) / 2; w = [1] / 2;",
      "r = /[/\\]]+/gi.test(s) ? /a/m : x.replace(/\\//g, '');",
      "x = {}; function g() {} x = /re/.test(x);",
      "outer: for (var i in o) { inner: while (1) { if (i) continue outer; break inner; } }",
      "a: b: do { continue a; } while (0)",
      "switch (x) { case 1: case 2: break; default: y(); }",
      "for (var i = 0, n = (a in b); i < n; i++) for (;;) break;",
      "for (p in o) {} for (o.p in q) {} for (f().p in q) {}",
      "try { x(); } catch (e) { throw e } finally { y(); }",
      "var int = 1, get = 2, set = 3, let = 4, of = 5, yield = 6; o.get = o.set;",
      "x = { get: 1, set: 2, 'default': 3, 0x10: 4, 1.5: 5 }; y = o['class'];",
      "x = new new F()(); y = new G; z = typeof void delete o.p;",
      "x = 1.5e+3 + .5 + 0xFf + 1. + 5..toString() + 017;",
      "s = 'a\\\nb' + \"\\x41\\u0042\\101\\'\";",
      "var \xD6\xD0\xCE\xC4 = '\xD6\xD0'; \xD6\xD0\xCE\xC4 += 1;",  // names in Chinese
      "var caf\\u00e9 = 1;",
      "if (a) b(); else if (c) d(); else { e(); }",
      "with (o) { p = 1; } debugger;",
      "x = a ? b : c ? d : e; y = (a, b, c);",
      "/*@ comment while off @*/ // @if too\nx = '@_jscript';",
      "x = a\xA1\xA1+ b;",                                 // the ideographic space
  };
  for (const char* row : rows) {
    CheckedSource checked = check(row);
    EXPECT_TRUE(checked.ok) << row << ": " << checked.error.Number << " at "
                            << checked.error.Column;
    EXPECT_EQ(row, checked.code) << row;
    auto host = createScriptHost(kScriptControlProgId);
    host->addCode("function f(){} function F(){ return F; } var o = {}, q = {};");
    host->addCode(row);
    EXPECT_NE("1002", host->error().Number) << row << ": " << host->error().Description;
  }
}

// cc.js: directives and variables as JScript evaluates them.
TEST(JScriptGrammar, ConditionalCompilationAsWindowsRunsIt) {
  struct Row {
    const char* source;
    const char* value;  // of eval("v") after loading
  } rows[] = {
      {"@cc_on\nv = @_jscript === true && @_win32 === true && @_x86 === true", "-1"},
      {"@cc_on\nv = isNaN(@_win16) && isNaN(@_mac) && isNaN(@xxx)", "-1"},
      {"@cc_on\nv = @_jscript_build", "18702"},
      {"@cc_on\n@set @t = 0\nv = false\n@set @t = @t v=true\nv = v && @t === 0", "-1"},
      {"@cc_on\n@set @t = (false != 0)\nv = @t", "0"},
      {"@cc_on\n@set @t = ((1+1)*((3)+1))\nv = @t", "8"},
      {"@cc_on\n@set @t = !@t\nv = @t", "-1"},  // ! of NaN
      {"@cc_on\n@if (false)\n  this would not parse\n\"@end\nv = 1", "1"},
      {"@cc_on\nv = \"@if (false) @end\".length", "16"},
      {"@cc_on\n@if(false)\nx y\n@else\nv = 2\n@else\nz z\n@end", "2"},
      {"@cc_on\n@if(false)\nx\n@elif(false)\ny y\n@elif(true)\nv = 5;\n@elif z z\n@else\nq\n@end",
       "5"},
      {"@cc_on\n@if(true)\n@if(false)\n@else\nv = 7;\n@end\n@else\nno no\n@end", "7"},
      {"/*@cc_on @if (@_jscript_version >= 5) v = 'new'; @else @*/ v = 'old'; /*@end @*/",
       "new"},
      {"/*@ v = 'code' @*/ v = 'comment'", "comment"},  // off: a comment like any other
  };
  for (const Row& row : rows) {
    auto host = createScriptHost(kScriptControlProgId);
    host->addCode(row.source);
    ASSERT_EQ("0", host->error().Number) << row.source << ": " << host->error().Description;
    EXPECT_EQ(row.value, host->eval("v")) << row.source;
  }
}

TEST(JScriptGrammar, HostRunsTheRewrittenTextWithJScriptsMeaning) {
  auto host = createScriptHost(kScriptControlProgId);
  host->addCode(
      "var f = function g(){ return 7; };\n"
      "function(){ throw 1; }\n"
      "if (f) { r = 1; }; else { r = 2; }\n");
  ASSERT_EQ("0", host->error().Number) << host->error().Description;
  EXPECT_EQ("7", host->eval("g()"));
  EXPECT_EQ("1", host->eval("r"));
  EXPECT_EQ("3", host->eval("[1,2,].length"));
  EXPECT_EQ("-1", host->eval("'\\v' == 'v'"));
  EXPECT_EQ("8", host->eval("08"));

  // Turned on once, conditional compilation stays on for the engine's later texts, until Reset.
  host->addCode("/*@cc_on @*/");
  host->addCode("var version = @_jscript_version;");
  EXPECT_EQ("5.8", host->eval("version"));
  EXPECT_EQ("-1", host->eval("@_jscript"));
  host->reset();
  host->addCode("var version = @_jscript_version;");
  ScriptError e = host->error();
  EXPECT_EQ("1030", e.Number);
  EXPECT_EQ("JavaScript 编译错误", e.Source);
  EXPECT_EQ("var version = @_jscript_version;", e.Text);
  EXPECT_EQ("1", e.Line);
  EXPECT_EQ("14", e.Column);

  host->addCode("var o = {a: 1,};");
  EXPECT_EQ("1028", host->error().Number);
  EXPECT_EQ("", host->eval("o.default"));
  EXPECT_EQ("1010", host->error().Number);
}

TEST(JScriptGrammar, StatementsAreListedWhereTheyStartAndEnd) {
  CheckedSource checked = check("var a = 1;\nif (a) {\n  b();\n}\nvar \xD6\xD0 = 1; x(function () {\n y; });");
  ASSERT_TRUE(checked.ok);
  struct Span {
    int firstLine, column, lastLine;
  } expected[] = {{1, 0, 1}, {2, 0, 4}, {2, 7, 4}, {3, 2, 3}, {5, 0, 5}, {5, 11, 6}, {6, 1, 6}};
  ASSERT_EQ(std::size(expected), checked.statements.size());
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(expected[i].firstLine, checked.statements[i].firstLine) << i;
    EXPECT_EQ(expected[i].column, checked.statements[i].column) << i;
    EXPECT_EQ(expected[i].lastLine, checked.statements[i].lastLine) << i;
  }
}

// The statements after an anonymous function statement on its line keep their columns, and
// the host runs them.
TEST(JScriptGrammar, AnonymousFunctionStatementSharesItsLine) {
  CheckedSource checked = check("function () {} function f(){ return 2; } g();");
  ASSERT_TRUE(checked.ok) << checked.error.Number;
  struct Span {
    int column;
    std::size_t codeOffset;
  } expected[] = {{0, 0}, {15, 18}, {29, 32}, {41, 44}};
  ASSERT_EQ(std::size(expected), checked.statements.size());
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(expected[i].column, checked.statements[i].column) << i;
    EXPECT_EQ(expected[i].codeOffset, checked.statements[i].codeOffset) << i;
  }

  auto host = createScriptHost(kScriptControlProgId);
  host->addCode("function () { throw 1; } function f(){ return 2; }");
  ASSERT_EQ("0", host->error().Number) << host->error().Description;
  EXPECT_EQ("2", host->eval("f()"));
  host->addCode("function () {} var v = 3; missing();");
  EXPECT_EQ("5009", host->error().Number);
  EXPECT_EQ("1", host->error().Line);
  EXPECT_EQ("26", host->error().Column);
  EXPECT_EQ("3", host->eval("v"));
}

TEST(JScriptGrammar, HostileTextEndsInAReport) {
  // Nesting far past any real script ends in "out of stack space", not a crash.
  for (const char* open : {"(", "[", "{", "x = {a:", "if (1) ", "!(", "function(){", "a ? "}) {
    std::string deep;
    for (int i = 0; i < 100000; ++i) deep += open;
    EXPECT_EQ("28", check(deep).error.Number) << open;
  }
  std::string deepCondition = "@cc_on @if ";
  for (int i = 0; i < 100000; ++i) deepCondition += "(";
  EXPECT_EQ("28", check(deepCondition).error.Number);

  // Unterminated everything, and every byte value.
  for (const char* text : {"'", "\"", "/*", "/", "x = /", "@cc_on @if (1)", "@cc_on @if (",
                           "{", "[", "(", "function", "var", "a.", "\\", "\\u12", "0x"})
    EXPECT_FALSE(check(text).ok) << text;
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
  EXPECT_FALSE(check(bytes).ok);
  EXPECT_TRUE(check("s = '" + bytes.substr(128) + "'; // " + bytes.substr(14)).ok);

  // Nesting as deep as real code goes still loads.
  std::string nested;
  for (int i = 0; i < 500; ++i) nested += "[";
  for (int i = 0; i < 500; ++i) nested += "]";
  EXPECT_TRUE(check(nested).ok);
}

}  // namespace
}  // namespace jsdebug::engine::jscript
