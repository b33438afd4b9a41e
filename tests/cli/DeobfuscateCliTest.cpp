// 反混淆 and 求值选中 through the CLI: the passes on small scripts (one row per behaviour), the
// report, bad input, the V8 comparison, and the literal a selection's value becomes.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "CliHarness.h"
#include "text/Codec.h"

namespace {

using jsdebug::testing::Outcome;
using jsdebug::testing::runCommand;
using jsdebug::testing::sourceFile;

std::string writeScript(const std::string& name, const std::string& text) {
  const std::string path = ::testing::TempDir() + name;
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

struct PassCase {
  const char* name;
  const char* input;
  const char* output;
};

TEST(CliDeobfuscate, EachPassOnASmallScript) {
  const std::vector<PassCase> cases = {
      {"not obfuscated: only pretty-printed", "function test(a,b){return a+b}",
       "function test(a, b) {\n  return a + b;\n}\n"},
      {"constant folding", "var s = 'a' + 'b' + 'c', n = 0x10 + -0x2 * 0x3, f = !![], g = ![];",
       "var s = 'abc',\n  n = 10,\n  f = true,\n  g = false;\n"},
      {"proxy function with impure arguments in order",
       "function _0x12(_0x1, _0x2) { return _0x1 - _0x2; } var x = _0x12(y(), z());", "var x = y() - z();\n"},
      {"proxy function whose arguments would be reordered stays",
       "function _0x12(_0x1, _0x2) { return _0x2 - _0x1; } var x = _0x12(y(), z());",
       "function fn1(arg1, arg2) {\n  return arg2 - arg1;\n}\nvar x = fn1(y(), z());\n"},
      {"object keys back into the literal, then read as constants",
       "var o = {}; o['first'] = 1; o['class'] = 2; f(o['first'], o.class);", "f(1, 2);\n"},
      {"an object written elsewhere is not inlined", "var o = {a: 1}; o.a = 2; f(o['a']);",
       "var o = {\n  a: 1\n};\no.a = 2;\nf(o.a);\n"},
      {"member access only where JScript takes the name", "a['b'] = a['class'] + a['x-y'] + a['1'];",
       "a.b = a['class'] + a['x-y'] + a['1'];\n"},
      {"dispatcher, proxy object and dead branch",
       "var _0xabc = {'KeY': function (a, b) { return a + b; }, 'x': 'hel' + 'lo'};\n"
       "function test(_0x9) {\n  var _0x5 = '2|0|1'.split('|'), _0x6 = 0x0;\n  while (!![]) {\n"
       "    switch (_0x5[_0x6++]) {\n      case '0': var r = _0xabc['KeY'](_0x9, _0xabc['x']); continue;\n"
       "      case '1': return r;\n      case '2': if ('a' === 'b') { r = 1; } continue;\n    }\n    break;\n  }\n}",
       "function test(arg1) {\n  var r = arg1 + 'hello';\n  return r;\n}\n"},
      {"a dispatcher whose case breaks out stays",
       "function t(){var o='1|0'.split('|'),i=0;while(!![]){switch(o[i++]){case '0':if(x)break;continue;case '1':continue;}break;}}",
       "function t() {\n  var o = '1|0'.split('|'),\n    i = 0;\n  while (true) {\n    switch (o[i++]) {\n"
       "      case '0':\n        if (x) break;\n        continue;\n      case '1':\n        continue;\n    }\n"
       "    break;\n  }\n}\n"},
      {"names by role, no capture of an outer name",
       "function f(_0x1) { var _0x2 = 'a', _0x3 = [], arg2 = 1; return function (_0x4) { return _0x1 + _0x4 + arg2 + _0x2 + _0x3; }; }",
       "function f(arg1) {\n  var str1 = 'a',\n    arr1 = [],\n    arg2 = 1;\n  return function (arg3) {\n"
       "    return arg1 + arg3 + arg2 + str1 + arr1;\n  };\n}\n"},
      {"Chinese text and escapes survive", "var s = '中文' + '\\x41';", "var s = '中文A';\n"},
      {"key assignments joined by commas go back into the literal",
       "function f(p) { var _0x1a = {}; _0x1a.ab = function (x, y) { return x + y; }, _0x1a.cd = 'k';"
       " return _0x1a.ab(p, 2) + _0x1a.cd; }",
       "function f(p) {\n  return p + 2 + 'k';\n}\n"},
      {"only the assignments before anything else runs",
       "function f(p) { var _0x1a = {}; _0x1a.ab = 1, g(_0x1a), _0x1a.cd = 2; return _0x1a; }",
       "function f(p) {\n  var obj1 = {\n    ab: 1\n  };\n  g(obj1), obj1.cd = 2;\n  return obj1;\n}\n"},
      {"a global-object getter nothing uses is removed, directly or through a helper",
       "(function () { var _0x2b; try { _0x2b = Function('return (function() {}.constructor(\"return this\")( ));')(); }"
       " catch (_0x3c) { _0x2b = window; } })(), function () {}();\n"
       "(function () { var _0x4d = function () { var _0x2b; try { _0x2b = Function('return this')(); }"
       " catch (_0x3c) { _0x2b = window; } return _0x2b; }; var _0x5e = _0x4d(); })();\nfunction f() { return 1; }",
       "function f() {\n  return 1;\n}\n"},
      {"a getter whose global object is written to stays",
       "(function () { var _0x2b; try { _0x2b = Function('return this')(); } catch (_0x3c) { _0x2b = window; } _0x2b.x = 1; })();",
       "(function () {\n  var v1;\n  try {\n    v1 = Function('return this')();\n  } catch (err1) {\n    v1 = window;\n  }\n"
       "  v1.x = 1;\n})();\n"},
  };
  for (const PassCase& c : cases) {
    Outcome o = runCommand({"deobfuscate", writeScript("pass.js", c.input)});
    EXPECT_EQ(0, o.status) << c.name << "\n" << o.err;
    EXPECT_EQ(c.output, o.out) << c.name;
  }
}

TEST(CliDeobfuscate, StringArrayDecodedAndItsMachineryRemoved) {
  Outcome o = runCommand({"deobfuscate", sourceFile("tests/data/deobfuscate/rc4/sign.js"), "check()"});
  ASSERT_EQ(0, o.status) << o.err;
  EXPECT_EQ(std::string::npos, o.out.find("_0x"));
  EXPECT_NE(std::string::npos, o.out.find("return 'sign=' + hashText(v1 + '&salt=' + SALT) + '&' + v1;"));
  EXPECT_EQ(0u, o.err.find("反混淆成功!!\r\n"));
  EXPECT_NE(std::string::npos, o.err.find("字符串数组: 解出 "));
  EXPECT_NE(std::string::npos, o.err.find("，移除解码函数 1 个\r\n"));
  EXPECT_NE(std::string::npos,
            o.err.find("验证 check()：原代码与反混淆后的结果相同：sign=27048e7&app=web&time=1700000000&user=alice&ver=2.1.0"))
      << o.err;
}

TEST(CliDeobfuscate, ADecoderThatThrowsOrLoopsKeepsItsCalls) {
  const std::string array = "function _0xa(){var a=['x','y'];_0xa=function(){return a};return _0xa();}\n";
  Outcome throws = runCommand({"deobfuscate", writeScript("throws.js", array +
      "function _0xb(i){ if (i > 1) throw new Error('bad'); return _0xa()[i]; }\n"
      "function test(){ return _0xb(0x0) + _0xb(0x5); }")});
  ASSERT_EQ(0, throws.status) << throws.err;
  EXPECT_NE(std::string::npos, throws.out.find("return 'x' + fn2(5);"));
  EXPECT_NE(std::string::npos, throws.err.find("解码函数保留"));
  EXPECT_NE(std::string::npos, throws.err.find("解码函数 _0xb 出错或超时，其调用保留: bad"));

  Outcome loops = runCommand({"deobfuscate", writeScript("loops.js", array +
      "function _0xb(i){ while (i === 1) {} return _0xa()[i]; }\n"
      "function test(){ return _0xb(0x0) + _0xb(0x1) + _0xb(0x1); }")});
  ASSERT_EQ(0, loops.status) << loops.err;
  EXPECT_NE(std::string::npos, loops.out.find("return 'x' + fn2(1) + fn2(1);")) << loops.out;
  EXPECT_NE(std::string::npos, loops.err.find("Script execution timed out")) << loops.err;
}

TEST(CliDeobfuscate, BadInputIsRefusedWithTheEditorUnchanged) {
  Outcome syntax = runCommand({"deobfuscate", writeScript("syntax.js", "var a = 1;\nvar b = (;\n")});
  EXPECT_EQ(0u, refusal(syntax).find("反混淆失败!!\r\n")) << syntax.err;
  EXPECT_NE(std::string::npos, syntax.err.find("语法错误：第 2 行第 10 列：Unexpected token")) << syntax.err;

  Outcome empty = runCommand({"deobfuscate", writeScript("empty.js", "  \n")});
  EXPECT_EQ(1, empty.status);
  EXPECT_NE(std::string::npos, empty.err.find("编辑框中没有代码"));

  // 4 MB of plain statements: refused at once with the limit, not left to run out of time.
  std::string big;
  while (big.size() < 4u * 1024 * 1024) big += "a = a + 1;\n";
  Outcome large = runCommand({"deobfuscate", writeScript("large.js", big)});
  EXPECT_EQ(1, large.status);
  EXPECT_NE(std::string::npos, large.err.find("反混淆只接受 3 MB 以内的脚本")) << large.err;
}

std::string evalAt(const std::string& script, const std::string& selected, Outcome& o) {
  const auto start = script.find(selected);
  o = runCommand({"eval-selection", writeScript("eval.js", script), std::to_string(start),
                  std::to_string(start + selected.size())});
  return o.out;
}

TEST(CliEvalSelection, TheSelectionBecomesTheLiteralOfItsValue) {
  const std::string script =
      "var t = ['a', 'b'];\nvar k = 'x' + t.join('');\nvar s = \"it's\\n\" + '中';\n"
      "var v = {n: -1.5, l: [1, null, true], 'a-b': 0};\nfunction f() { return 1; }\nvar z = f() * 3 - 1 / 0;\n";
  struct Row {
    const char* selected;
    const char* literal;
  };
  const std::vector<Row> rows = {
      {"'x' + t.join('')", "'xab'"},
      {"\"it's\\n\" + '中'", "'it\\'s\\n中'"},
      {"{n: -1.5, l: [1, null, true], 'a-b': 0}", "{n: -1.5, l: [1, null, true], 'a-b': 0}"},
      {"t", "['a', 'b']"},
      {"f() * 3 - 1 / 0", "-Infinity"},
  };
  for (const Row& r : rows) {
    Outcome o;
    std::string expected = script;
    expected.replace(expected.find(r.selected), std::string(r.selected).size(), r.literal);
    EXPECT_EQ(expected, evalAt(script, r.selected, o)) << r.selected << "\n" << o.err;
    EXPECT_EQ(0, o.status) << r.selected;
  }
}

TEST(CliEvalSelection, WhatHasNoLiteralOrNoSelectionIsRefused) {
  const std::string script = "function f() { return 1; }\nvar o = {};\no.self = o;\nfunction g() { return X; }\n";
  Outcome o;
  EXPECT_EQ("", evalAt(script, "f", o));
  EXPECT_EQ(1, o.status);
  EXPECT_NE(std::string::npos, o.err.find("值的类型是 function，不能写成字面量")) << o.err;
  EXPECT_NE(std::string::npos, o.err.find("编辑框中的代码未改动"));

  evalAt(script, "o", o);
  EXPECT_EQ(1, o.status);
  EXPECT_NE(std::string::npos, o.err.find("值中有循环引用，不能写成字面量")) << o.err;

  evalAt(script, "X", o);
  EXPECT_EQ(1, o.status);
  EXPECT_NE(std::string::npos, o.err.find("ReferenceError: X is not defined")) << o.err;

  Outcome outside = runCommand({"eval-selection", writeScript("eval.js", script), "10", "999"});
  EXPECT_EQ(1, outside.status);
  EXPECT_NE(std::string::npos, outside.err.find("没有选中要求值的表达式")) << outside.err;
  Outcome usage = runCommand({"eval-selection", writeScript("eval.js", script), "-1", "3"});
  EXPECT_EQ(2, usage.status);
}

}  // namespace
