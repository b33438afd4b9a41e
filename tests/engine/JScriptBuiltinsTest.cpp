// The library a script meets in the system engine, row by row against what JScript 5.7 answers
// in the Windows script host. Each row names where the fact comes from: [MS-ES3]/[MS-ES3EX]
// (Microsoft's JScript deviation documents), "api.js"/"lang.js" (Wine's jscript conformance
// tests, assertions that pass on Windows), "docs" (Microsoft's JScript reference pages).

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>

#include "engine/ScriptHost.h"
#include "tests/support/Environment.h"

namespace jsdebug::engine {
namespace {

struct Row {
  const char* setup;       // code added first (statements), may be empty
  const char* expression;  // what the host evaluates
  const char* expected;    // the value as the host hands it back (GBK text)
};

class JScriptBuiltins : public ::testing::Test {
 protected:
  void SetUp() override {
    host = createScriptHost(kScriptControlProgId);
    ASSERT_NE(nullptr, host);
    host->setLanguage("JScript");
  }

  void expectRows(std::initializer_list<Row> rows) {
    for (const Row& row : rows) {
      host->reset();
      if (*row.setup) {
        host->addCode(row.setup);
        EXPECT_EQ("0", host->error().Number) << row.setup << ": " << host->error().Description;
      }
      EXPECT_EQ(row.expected, host->eval(row.expression)) << row.setup << " | " << row.expression;
      EXPECT_EQ("0", host->error().Number) << row.expression << ": " << host->error().Description;
    }
  }

  std::unique_ptr<ScriptHost> host;
};

TEST_F(JScriptBuiltins, WhatJScriptLacksIsAbsent) {
  expectRows({
      // [MS-ES3EX] and the JSON page: JSON arrived with IE8's standards mode, not in 5.7's set.
      {"", "typeof JSON", "undefined"},
      // api.js: "now" is not in Date; ES5 additions are absent from the 5.7 feature set.
      {"", "'now' in Date", "0"},
      {"", "typeof Date.prototype.toISOString + typeof Date.prototype.toJSON", "undefinedundefined"},
      {"", "typeof Object.keys + typeof Object.create + typeof Object.defineProperty", "undefinedundefinedundefined"},
      {"", "typeof Object.getPrototypeOf + typeof Object.freeze", "undefinedundefined"},
      {"", "typeof Array.isArray", "undefined"},
      {"", "typeof [].indexOf + typeof [].forEach + typeof [].map + typeof [].reduce", "undefinedundefinedundefinedundefined"},
      {"", "typeof ''.trim", "undefined"},
      {"", "typeof Function.prototype.bind", "undefined"},
      {"", "typeof Symbol + typeof Map + typeof Proxy + typeof Reflect + typeof Uint8Array", "undefinedundefinedundefinedundefinedundefined"},
      {"", "typeof String.fromCodePoint", "undefined"},
      // The engine's own globals are no part of JScript.
      {"", "typeof Duktape + typeof TextEncoder + typeof performance + typeof print", "undefinedundefinedundefinedundefined"},
      // [MS-ES3] 2.1.x: strings have no index properties in JScript 5.x; charAt reads a character.
      {"", "'abc'[1]", ""},
      {"", "typeof 'abc'[0] + typeof new String('abc')[0]", "undefinedundefined"},
      {"", "'abc'.charAt(1) + 'abc'.length", "b3"},
  });
  // A script that leans on JSON fails as it will in the Windows host, with JScript's number.
  host->reset();
  host->eval("JSON.stringify({a:1})");
  EXPECT_NE("0", host->error().Number);
}

TEST_F(JScriptBuiltins, WhatJScriptAddsIsPresent) {
  expectRows({
      // api.js; the 2.4.1.1 ScriptEngine section of [MS-ES3EX]: always "JScript".
      {"", "ScriptEngine() + ScriptEngine(3)", "JScriptJScript"},
      // The host's default feature set is JScript 5.8's engine (IE8), build 18702.
      {"", "ScriptEngineMajorVersion() + '.' + ScriptEngineMinorVersion() + '.' + ScriptEngineBuildVersion()", "5.8.18702"},
      // api.js: the lengths of the JScript-only constructors and functions.
      {"", "[ActiveXObject.length, GetObject.length, CollectGarbage.length, Enumerator.length, VBArray.length].join()", "1,2,0,7,1"},
      {"", "CollectGarbage()", ""},
      // No COM here: any object fails as an unregistered class does, 429 as a signed HRESULT.
      {"var r; try { new ActiveXObject('Scripting.FileSystemObject'); } catch (e) { r = e.number + ' ' + e.description; }", "r", "-2146827859 Automation 服务器不能创建对象"},
      {"var r; try { GetObject('winmgmts:'); } catch (e) { r = e.number; }", "r", "-2146827859"},
      // api.js: VBArray of something that is not a safe array is E_NOT_VBARRAY (5013).
      {"var r; try { new VBArray(); } catch (e) { r = e.name + ' ' + e.number; }", "r", "TypeError -2146823275"},
      {"var r; try { VBArray.prototype.lbound.call({}); } catch (e) { r = e.number; }", "r", "-2146823275"},
      // api.js: an empty Enumerator is at its end; its methods refuse other objects (5015).
      {"var e = new Enumerator(); e.moveFirst();", "e.atEnd()", "-1"},
      {"var e = new Enumerator([1, 2, 3]), s = ''; for (; !e.atEnd(); e.moveNext()) s += e.item();", "s", "123"},
      {"var e = Enumerator([4, 5]); e.moveNext(); e.moveNext();", "String(e.item()) + e.atEnd()", "undefinedtrue"},
      {"var r; try { Enumerator.prototype.atEnd.call({}); } catch (e) { r = e.number; }", "r", "-2146823273"},
      {"var n = 0; for (var k in new Enumerator([1])) n++;", "n", "0"},
      // api.js: the HTML methods write upper-case tags and quote the attribute.
      {"", "'t'.anchor('n') + 't'.link(3) + ''.fontcolor() + 't'.fontsize('red')", "<A NAME=\"n\">t</A><A HREF=\"3\">t</A><FONT COLOR=\"undefined\"></FONT><FONT SIZE=\"red\">t</FONT>"},
      {"", "'t'.big() + 't'.blink() + 't'.bold() + 't'.fixed() + 't'.italics()", "<BIG>t</BIG><BLINK>t</BLINK><B>t</B><TT>t</TT><I>t</I>"},
      {"", "'t'.small() + 't'.strike() + 't'.sub() + 't'.sup(3)", "<SMALL>t</SMALL><STRIKE>t</STRIKE><SUB>t</SUB><SUP>t</SUP>"},
      // [MS-ES3EX] RegExp object: $1..$9, lastMatch, lastParen, leftContext, rightContext,
      // input, index and lastIndex follow the last successful match, whoever made it.
      {"/(b)(c)/.exec('abcd');", "[RegExp.$1, RegExp.$2, RegExp.$3, RegExp.lastMatch, RegExp.lastParen, RegExp.leftContext, RegExp.rightContext, RegExp.input, RegExp.index, RegExp.lastIndex].join()", "b,c,,bc,c,a,d,abcd,1,3"},
      {"'xaybz'.replace(/(a|b)/g, '-');", "RegExp.$1 + RegExp.index", "b3"},
      {"'k=v'.match(/(\\w)=(\\w)/);", "RegExp.$2", "v"},
      {"/(q)/.test('aqa'); /zz/.test('a');", "RegExp.$1", "q"},  // a failed match leaves them
      // Making an error (here 5007 with its source quoted) runs no match a script can see.
      {"/(q)/.test('aqa'); try { var o; o.p.q = 1; } catch (e) {}", "RegExp.$1 + RegExp.lastMatch", "qq"},
      {"'abc'.search(/c/);", "RegExp.leftContext", "ab"},
      // docs: getVarDate hands back an Automation date, read as the locale's date text.
      {"", "typeof new Date(2019, 0, 1).getVarDate()", "object"},
  });
}

TEST_F(JScriptBuiltins, LibraryFunctionsAnswerAsJScriptDoes) {
  expectRows({
      // api.js: without a radix a leading zero means octal.
      {"", "[parseInt('010'), parseInt('08'), parseInt('-010'), parseInt('0x10'), parseInt('010', 10), parseInt('  017')].join()", "8,0,-8,16,10,15"},
      // api.js: substr with a negative start reads from the beginning.
      {"", "'abcd'.substr(-1, 3) + '|' + 'abcd'.substr(1, 3) + '|' + 'abcd'.substr(2, -1) + '|' + 'abcd'.substr()", "abc|bcd||abcd"},
      // api.js: split on a regular expression drops empty pieces (and captures, [MS-ES3]).
      {"", "'a,,b'.split(/,/).length + '|' + 'test'.split(/t*/) + '|' + 'xaabaax'.split(/a*|b*/)", "2|e,s|x,b,x"},
      {"", "'ab'.split(/(a)/).join('|') + '|' + 'test'.split(/^|./) + '|' + 'test'.split(/.*/).length", "b|t|0"},
      {"", "''.split(/a*/).length + '' + ''.split(/a+/).length + '|' + 'aab'.split('a')", "01|,,b"},
      {"", "'1,2,3'.split(/,/, 2).join('|')", "1|2"},
      // api.js (invokeVersion < 2): unshift returns undefined.
      {"var a = [1, 2, 3];", "typeof a.unshift(0) + a", "undefined0,1,2,3"},
      // lang.js: JScript lets a script assign undefined, NaN and Infinity.
      {"undefined = 5; NaN = 1; Infinity = 2;", "'' + undefined + NaN + Infinity", "512"},
      // [MS-ES3] for-in: an own property whose name a prototype holds as DontEnum is skipped.
      {"var s = ''; for (var k in {toString: 1, valueOf: 2, a: 3}) s += k;", "s", "a"},
      {"function F() {} F.prototype.x = 1; var s = ''; for (var k in new F()) s += k;", "s", "x"},
      // api.js: toFixed rounds the decimal form, half away from zero, and pads with zeros.
      {"", "[(0.95).toFixed(1), (-2.5).toFixed(), (1.76).toFixed(1), (7.92).toFixed(5), (2.88).toFixed()].join()", "1.0,-3,1.8,7.92000,3"},
      {"", "(0.12345678901234567890123).toFixed(20) + ' ' + (3).toFixed(3) + ' ' + (0).toFixed(2) + ' ' + (3.14).toFixed(NaN)", "0.12345678901234568000 3.000 0.00 3"},
      {"var r; try { (1).toFixed(21); } catch (e) { r = e.name + ' ' + e.number; }", "r", "RangeError -2146823262"},
      // api.js: getYear gives 96 for 1996 and the full year after 1999.
      {"var d = new Date(1996, 1, 1);", "d.getYear() + ' ' + new Date(2010, 1, 1).getYear()", "96 2010"},
      // api.js: sort keeps equal elements in order; undefined goes last, then holes.
      {"", "[5, false, 2, 0, 'abc', 3, 'a', -1].sort().join()", "-1,0,2,3,5,a,abc,false"},
      {"", "[,, 0, 'z'].sort().join()", "0,z,,"},
      {"var a = [[2,'a'],[1,'b'],[2,'c'],[1,'d']]; a.sort(function (x, y) { return x[0] - y[0]; });", "a.join(';')", "1,b;1,d;2,a;2,c"},
      {"", "[3, 1, 2].sort(null).join()", "1,2,3"},
      // api.js: a function's text is its source, a built-in's "[native code]" in JScript's layout.
      {"function testFuncToString(x,y) {\n    return x+y;\n}", "testFuncToString.toString()", "function testFuncToString(x,y) {\n    return x+y;\n}"},
      {"var func = function  (a) {\n        var a = 1;\n    };", "'' + func", "function  (a) {\n        var a = 1;\n    }"},
      {"", "isNaN.toString()", "\nfunction isNaN() {\n    [native code]\n}\n"},
      {"", "new Function('x', 'y', 'return x+y').toString() + '|' + Function('return 3;')() + '|' + Function.length", "function anonymous(x, y) {\nreturn x+y\n}|3|1"},
      {"", "ScriptEngine.toString()", "\nfunction ScriptEngine() {\n    [native code]\n}\n"},
      // api.js: Object.prototype.toString names Object for null, undefined and arguments.
      {"var t = Object.prototype.toString;", "[t.call(null), t.call(undefined), (function () { return t.call(arguments); })(), t.call([]), t.call(Math)].join()", "[object Object],[object Object],[object Object],[object Array],[object Math]"},
      // api.js (invokeVersion < 2): every error reads "[object Error]".
      {"", "new Error('message') + ' ' + new TypeError() + ' ' + Error.prototype.toString.call({})", "[object Error] [object Error] [object Error]"},
      // api.js: escape keeps @*_+-./ and writes %uXXXX beyond Latin-1.
      {"", "escape('a1b c!d+e@*-_+./,') + ' ' + escape('\\u1234\\123\\xf3') + ' ' + unescape('%54%65s%u0074')", "a1b%20c%21d+e@*-_+./%2C %u1234S%F3 Test"},
      // [MS-ES3]: Date.parse knows no ISO 8601.
      {"", "isNaN(Date.parse('2019-01-01')) && isNaN(Date.parse('2019-01-01T00:00:00Z'))", "-1"},
      // api.js: the texts Date.parse reads, words and numbers in any order.
      {"", "[Date.parse('Jan 20 2009 UTC'), Date.parse('Jan 20 2009 UTC-1'), Date.parse('Ju 13 79 UTC'), Date.parse('12Au91 UTC'), Date.parse('7/02/17 UTC')].join()", "1232409600000,1232413200000,300672000000,681955200000,-1656806400000"},
      {"", "[Date.parse('Se001   70 12:31:17 UTC'), Date.parse('February 31   UTC, 2000 12:31:17 PM'), Date.parse('71 11:32AM Dec 12 UTC BC '), Date.parse('23/71/2000 11::32::UTC')].join()", "21040277000,952000277000,-64346358480000,1010662320000"},
      {"", "Date.parse('1970/01/01') == Date.parse('01/01/1970') && Date.parse('71/12/14') == Date.parse('12/14/1971') && Date.parse('Tue, 22 Mar 2016 09:57:55 -0300') == Date.parse('Tue, 22 Mar 2016 09:57:55 GMT-0300')", "-1"},
      {"", "[isNaN(Date.parse()), isNaN(Date.parse('')), isNaN(Date.parse('Jan Jan 20 2009')), isNaN(new Date('2019-01-01').getTime())].join()", "true,true,true,true"},
      {"", "[Date.length, typeof Date(), new Date(5) instanceof Date, new Date(2019, 0).getDate()].join()", "7,string,true,1"},
  });
}

// Date's texts depend on the time zone: these rows run in China's (UTC+8, no daylight saving).
class JScriptDates : public JScriptBuiltins {
 protected:
  void SetUp() override {
    const char* tz = std::getenv("TZ");
    savedTz = tz ? tz : "";
    hadTz = tz != nullptr;
    testsupport::setEnvironment("TZ", "CST-8");
    tzset();
    JScriptBuiltins::SetUp();
  }
  void TearDown() override {
    if (hadTz) testsupport::setEnvironment("TZ", savedTz);
    else testsupport::clearEnvironment("TZ");
    tzset();
  }
  std::string savedTz;
  bool hadTz = false;
};

TEST_F(JScriptDates, TextsInJScriptsForms) {
  expectRows({
      // [MS-ES3] Date.prototype.toString and friends; the zone is "UTC+hhmm".
      {"", "new Date(2019, 0, 1).toString()", "Tue Jan 1 00:00:00 UTC+0800 2019"},
      {"", "'' + new Date(2019, 11, 31, 23, 5, 9)", "Tue Dec 31 23:05:09 UTC+0800 2019"},
      {"", "new Date(2019, 0, 1).toDateString() + '|' + new Date(2019, 0, 1, 8, 30).toTimeString()", "Tue Jan 1 2019|08:30:00 UTC+0800"},
      {"", "new Date(2019, 0, 1).toUTCString() + '|' + new Date(2019, 0, 1).toGMTString()", "Mon, 31 Dec 2018 16:00:00 UTC|Mon, 31 Dec 2018 16:00:00 UTC"},
      // A Chinese Windows' long date and time.
      {"", "new Date(2019, 0, 1, 9, 5, 7).toLocaleString()", "2019年1月1日 9:05:07"},
      {"", "new Date(NaN).toString()", "NaN"},
      {"", "new Date('2019/1/1 8:30').toString() + '|' + new Date('Tue Jan 1 00:00:00 UTC+0800 2019').getTime()", "Tue Jan 1 08:30:00 UTC+0800 2019|1546272000000"},
      {"", "String(new Date(2019, 0, 1, 12).getVarDate()) + '|' + new Date(2019, 0, 1).getVarDate()", "2019/1/1 12:00:00|2019/1/1"},
  });
}

}  // namespace
}  // namespace jsdebug::engine
