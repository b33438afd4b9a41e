// The beautifier, the minifier and the unpacker, run the way the program runs them: the carried
// script in a fresh Duktape host. Expected texts are compared byte for byte.

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "engine/DuktapeHost.h"
#include "engine/ScriptHost.h"
#include "examples/SampleScript.h"
#include "tests/support/Cases.h"
#include "transform/CarriedScripts.h"
#include "transform/ScriptTransforms.h"
#include "workflow/HeadlessWorkbench.h"

namespace jsdebug::transform {
namespace {

// The editor's initial sample script.
const std::string kSample = examples::kSampleScriptBytes;

// A carried script's function called directly, for the parameters the commands do not pass.
std::string callCarried(std::string_view script, const std::string& procedure,
                        const std::vector<engine::ScriptValue>& args) {
  std::unique_ptr<engine::ScriptHost> host = engine::createScriptHost(engine::kScriptControlProgId);
  host->setLanguage("JavaScript");
  host->addCode(std::string(script));
  std::string value = host->run(procedure, args);
  EXPECT_EQ("0", host->error().Number) << host->error().Description;
  return value;
}

using testsupport::expectEach;

std::string jsmin(const std::string& input, double level) {
  return callCarried(kMinifierScript, "jsmin", {std::string(), input, level});
}

// Lets a test change how hosts are made, and puts the default back whatever happens.
class HostFactoryScope {
 public:
  explicit HostFactoryScope(engine::ScriptHostFactory factory) {
    engine::setScriptHostFactory(std::move(factory));
  }
  ~HostFactoryScope() { engine::setScriptHostFactory({}); }
  HostFactoryScope(const HostFactoryScope&) = delete;
  HostFactoryScope& operator=(const HostFactoryScope&) = delete;
};

// --- beautifier -----------------------------------------------------------------------------

TEST(BeautifyScript, SampleScriptKeepsOneEmptyLinePerBlankRunAndLosesItsIndentation) {
  EXPECT_EQ("function test(aa, bb) {\n\r\ncc = aa + bb;\n\r\nreturn cc;\n\n}", BeautifyScript(kSample));
}

TEST(BeautifyScript, RunningItAgainOnTheSampleChangesNothing) {
  const std::string once = BeautifyScript(kSample);
  EXPECT_EQ(once, BeautifyScript(once));
  EXPECT_EQ(once, BeautifyScript(BeautifyScript(once)));
}

TEST(BeautifyScript, LayoutExamples) {
  expectEach(BeautifyScript, {
      {"function a(){if(x){y=1;}else{z=2;}}",
       "function a() {\r\nif (x) {\r\n    y = 1;\r\n} else {\r\n    z = 2;\r\n}\n}"},
      {"a=1;b=2;", "a = 1;\nb = 2;"},
      {"x=f(1,2)", "x = f(1, 2)"},
      {"var a=1,b=2;", "var a = 1,\nb = 2;"},
      {"", ""},
      {" \r\n\t\n", ""},
  });
}

TEST(JsBeautify, LaysOutWithLfAloneBeforePostProcessing) {
  EXPECT_EQ("function a() {\n    if (x) {\n        y = 1;\n    } else {\n        z = 2;\n    }\n}",
            callCarried(kBeautifierScript, "js_beautify",
                        {std::string("function a(){if(x){y=1;}else{z=2;}}"), 4.0, std::string(" "),
                         std::monostate{}}));
}

TEST(JsBeautify, IndentSizeCharacterAndStartingLevel) {
  const std::string code = "if(x){y=1;}";
  // An empty indent character stands for a space, which is what format relies on.
  EXPECT_EQ("if (x) {\n  y = 1;\n}",
            callCarried(kBeautifierScript, "js_beautify", {code, 2.0, std::string(), 0.0}));
  EXPECT_EQ("if (x) {\n\ty = 1;\n}",
            callCarried(kBeautifierScript, "js_beautify", {code, 1.0, std::string("\t"), 0.0}));
  EXPECT_EQ("    if (x) {\n        y = 1;\n    }",
            callCarried(kBeautifierScript, "js_beautify", {code, 4.0, std::string(" "), 1.0}));
}

TEST(JsBeautify, FormatAndTestAreTheProgramsOwnFunctions) {
  EXPECT_EQ("x = f(1, 2)", callCarried(kBeautifierScript, "format", {std::string("x=f(1,2)")}));
  EXPECT_EQ("var a = 1;\nvar b = 2;", callCarried(kBeautifierScript, "test", {}));
}

// Dropping one indentation level must not reach into literals: a line continuation or a
// template's own lines keep their blanks, since they are the string's value.
TEST(BeautifyScript, LiteralsKeepTheirLineBreaksAndBlanks) {
  struct Row {
    const char* input;
    const char* output;
  } rows[] = {
      {"function f(){var s='a\\\n    b';return s;}",
       "function f() {\r\nvar s = 'a\\\n    b';\r\nreturn s;\n}"},
      {"function f(){return `x\n    y ${ `\n    in` } z`;}",
       "function f() {\r\nreturn `x\n    y ${ `\n    in` } z`;\n}"},
      {"function f(){if(a){return /'/.test(s);}}",
       "function f() {\r\nif (a) {\r\n    return /'/.test(s);\r\n}\n}"},
      {"function f(){x=1; // it's\ny=2;}", "function f() {\r\nx = 1; // it's\r\ny = 2;\n}"},
  };
  for (const Row& row : rows) EXPECT_EQ(row.output, BeautifyScript(row.input)) << row.input;
}

TEST(BeautifyScript, RegularExpressionsVersusDivision) {
  expectEach(BeautifyScript, {
      {"var r=/ab+c/g.test(s);x=a/b/c;", "var r = /ab+c/g.test(s);\nx = a / b / c;"},
      // After return, "(" and "}" a "/" opens a literal; a "/" inside a character class does not
      // end it.
      {"function f(){if(/x/.test(y)){return /[/]/;}}",
       "function f() {\r\nif (/x/.test(y)) {\r\n    return /[/]/;\r\n}\n}"},
      {"a=b\n/c/g", "a = b / c / g"},
      {"s=s.replace(/\"/g,'\\'');", "s = s.replace(/\"/g, '\\'');"},
      // After "export default" a literal; after a property of that name a division.
      {"export default /a{2}/;x=m.default/2/3;", "export\ndefault /a{2}/;\nx = m.default / 2 / 3;"},
      // After the condition of if or while and after "~" a literal.
      {"if(a)/r e/.test(b);x=~/b c/.d;while(a)/x y/.exec(b);",
       "if (a) /r e/.test(b);\nx = ~/b c/.d;\nwhile (a) /x y/.exec(b);"},
  });
}

TEST(BeautifyScript, BlocksNestedThreeDeepKeepTheirLevelsAfterTheFirst) {
  EXPECT_EQ(
      "function f() {\r\nif (a) {\r\n    if (b) {\r\n        if (c) {\r\n            d();\r\n"
      "        }\r\n    }\r\n}\n}",
      BeautifyScript("function f(){if(a){if(b){if(c){d();}}}}"));
}

TEST(BeautifyScript, SwitchCaseLabelsStandAtTheSwitchsLevelAndEndTheirLine) {
  EXPECT_EQ(
      "switch (x) {\ncase 1:\r\na();\r\nbreak;\ncase \"b\":\r\n{\r\n    b();\r\n}\ndefault:\r\nc();\n}",
      BeautifyScript("switch(x){case 1:a();break;case \"b\":{b();}default:c();}"));
  // A ternary's ":" is not a case label, even inside a case clause.
  EXPECT_EQ("switch (x) {\ncase 1:\r\ny = a ? b: c;\n}",
            BeautifyScript("switch(x){case 1:y=a?b:c;}"));
}

TEST(BeautifyScript, StringsWithEscapedQuotesAreOneToken) {
  EXPECT_EQ("s = \"a\\\"b;c\";\nt = 'it\\'s {';", BeautifyScript("s=\"a\\\"b;c\";t='it\\'s {';"));
}

TEST(BeautifyScript, CommentsOfBothKinds) {
  expectEach(BeautifyScript, {
      {"// top\nvar a=1; // trailing\n/* block */\nb=2;",
       "// top\nvar a = 1; // trailing\n/* block */\nb = 2;"},
      {"a();/* one *//* two */b();", "a();\n/* one */\n/* two */\nb();"},
      {"x=1;/* a comment that never ends", "x = 1;\n/* a comment that never ends"},
      // The "#!" line a script run as a program starts with stays as it is, in both transformers.
      {"#!/usr/bin/env node\n'use strict';\nx=1", "#!/usr/bin/env node\n'use strict';\nx = 1"},
  });
  EXPECT_EQ("#!/usr/bin/env node\n'use strict';x=1",
            MinifyScript("#!/usr/bin/env node\n'use strict';\nx = 1"));
  EXPECT_EQ("#!/bin/sh\nf()", MinifyScript("#!/bin/sh\r\n\r\nf()"));
}

TEST(BeautifyScript, CrLfInputLaysOutLikeLfInput) {
  EXPECT_EQ(BeautifyScript("a=1;\n\nb=2;\nif(x){\ny();\n}"),
            BeautifyScript("a=1;\r\n\r\nb=2;\r\nif(x){\r\ny();\r\n}"));
  EXPECT_EQ("a = 1;\n\nb = 2;", BeautifyScript("a=1;\r\n\r\n\r\n\r\nb=2;"));
}

TEST(BeautifyScript, ChineseInStringsCommentsAndNamesPassesThroughUntouched) {
  EXPECT_EQ("var s = \"中文 , {x}\"; // 注释：说明\n/* 块注释 */\nx = 1;",
            BeautifyScript("var s=\"中文 , {x}\";// 注释：说明\n/* 块注释 */\nx=1;"));
  EXPECT_EQ("var 变量 = 1;\nx = 变量 + 2;", BeautifyScript("var 变量=1;x=变量+2;"));
}

TEST(BeautifyScript, SignsAndIncrementsStayWithTheirOperands) {
  expectEach(BeautifyScript, {
      {"a=-1;b=+c;d=a- -b;e=!f;g=(!h);i++;--j;k=l++ +m;",
       "a = -1;\nb = +c;\nd = a - -b;\ne = !f;\ng = (!h);\ni++; --j;\nk = l++ + m;"},
      {"x=1e-5+2E+3;", "x = 1e-5 + 2E+3;"},
      {"return -1;", "return -1;"},
      // A sign after a sign keeps its distance: "+ +a" is no "++a".
      {"x=+ +a- -b+ ++c- --d", "x = + +a - -b + ++c - --d"},
  });
}

TEST(BeautifyScript, ElseCatchFinallyAndDoWhileJoinTheClosingBrace) {
  expectEach(BeautifyScript, {
      {"try{a();}catch(e){b();}finally{c();}",
       "try {\r\na();\n} catch(e) {\r\nb();\n} finally {\r\nc();\n}"},
      {"if(a){b();}\nelse{c();}", "if (a) {\r\nb();\n} else {\r\nc();\n}"},
      {"if(a)b();else c();", "if (a) b();\nelse c();"},
      {"do{x++;}while(x<10);while(y){}", "do {\r\nx++;\n} while (x < 10);\nwhile (y) {}"},
  });
}

TEST(BeautifyScript, ForLoopsKeepTheirSemicolonsOnOneLine) {
  EXPECT_EQ("for (;;) {\r\nbreak;\n}\nfor (var i = 0, j = 1; i < n; i++) {}",
            BeautifyScript("for(;;){break;}for(var i=0,j=1;i<n;i++){}"));
}

TEST(BeautifyScript, ObjectMembersOnePerLineAndVarCommas) {
  EXPECT_EQ("o = {\r\na: 1,\r\nb: [1, 2],\r\nc: function() {\r\n    return 1;\r\n}\n};",
            BeautifyScript("o={a:1,b:[1,2],c:function(){return 1;}};"));
  EXPECT_EQ("var x = function() {},\ny;\nvar z, w = 3;", BeautifyScript("var x=function(){},y;var z,w=3;"));
}

TEST(BeautifyScript, KeywordsAsPropertyNamesAreNotStatements) {
  EXPECT_EQ("a = x.return(1);\nif (x) return (2);", BeautifyScript("a=x.return(1);if(x)return(2);"));
}

TEST(BeautifyScript, LineBreaksThatEndAStatementAreKept) {
  // Joined, these lines would mean something else or nothing at all.
  expectEach(BeautifyScript, {
      {"a\n++b", "a\n++b"},
      {"x=a++\nb=2", "x = a++\nb = 2"},
      {"function f(){return\nx+1;}", "function f() {\r\nreturn\r\nx + 1;\n}"},
      {"for(;;){break\nfoo;continue\n}", "for (;;) {\r\nbreak\r\nfoo;\r\ncontinue\n}"},
      // A comment between return and its operand must not bring a line break with it; one the
      // source had stays.
      {"function f(){return /* c */ 1}", "function f() {\r\nreturn /* c */ 1\n}"},
      {"break /* c */ l;throw /* c */ e", "break /* c */ l;\nthrow /* c */ e"},
      {"return /* c */\n1", "return /* c */\n1"},
      {"return /* a\n b */ 1", "return\n/* a\n b */\n1"},
      // Where no statement can end they still join.
      {"if(a++\nin o){}", "if (a++ in o) {}"},
      {"x.return\n(1)", "x.return(1)"},
  });
}

TEST(TemplateLiterals, AreCopiedWholeByBothTransformers) {
  // Spaces, line breaks and "//" inside belong to the value.
  EXPECT_EQ("s = `a  b\n  // c`;", BeautifyScript("s=`a  b\n  // c`;"));
  EXPECT_EQ("\ns=`a  b\n  // c`;", MinifyScript("s = `a  b\n  // c`;"));
  const std::string nested = "x = `a ${ f(\"}\", `in ${y}  n`) } b` + 1;";
  EXPECT_EQ(nested, BeautifyScript("x=`a ${ f(\"}\", `in ${y}  n`) } b`+1;"));
  EXPECT_EQ("\nx=`a ${ f(\"}\", `in ${y}  n`) } b`+1;", MinifyScript(nested));
  // A regular expression inside ${} may hold a backquote or a brace.
  EXPECT_EQ("x = `${a.replace(/`/g, \"}\")} b`", BeautifyScript("x=`${a.replace(/`/g, \"}\")} b`"));
  EXPECT_EQ("\nx=`${a.replace(/`/g, \"}\")} b`", MinifyScript("x = `${a.replace(/`/g, \"}\")} b`"));
  EXPECT_EQ("", MinifyScript("s = `never closed"));
  EXPECT_EQ("s = `never ${closed", BeautifyScript("s=`never ${closed"));
}

TEST(BeautifyScript, ScriptsWithoutSemicolonsKeepOneStatementPerLine) {
  expectEach(BeautifyScript, {
      {"x=1\ny=f(x)\nif(x)\nz()\nfoo()\nx=a\n(b)\n\"s\"",
       "x = 1\ny = f(x)\nif (x) z()\nfoo()\nx = a(b)\n\"s\""},
      {"do{x()}while(y)\nz()", "do {\r\nx()\n} while (y)\nz()"},
      {"for(const k\nof o)k\ntag\n`t`", "for (const k of o) k\ntag `t`"},
  });
}

TEST(BeautifyScript, NewerOperatorsStayWhole) {
  expectEach(BeautifyScript, {
      {"const f=(a,b)=>a**b??c?.d?.[0];x=a?.5:1;y=u?.v(w);",
       "const f = (a, b) => a ** b ?? c?.d?.[0];\nx = a ? .5 : 1;\ny = u?.v(w);"},
      {"g=x=>/a b/.test(x);", "g = x => /a b/.test(x);"},
      {"class A{#n=0\n#m=1\nget(){return this.#n}}",
       "class A {\r\n#n = 0\r\n#m = 1\r\nget() {\r\n    return this.#n\r\n}\n}"},
  });
}

// --- minifier -------------------------------------------------------------------------------

TEST(MinifyScript, LevelThreeExamples) {
  expectEach(MinifyScript, {
      {kSample, "\nfunction test(aa,bb){cc=aa+bb;return cc;}"},
      {"var a = 1;\nvar b = 2;", "\nvar a=1;var b=2;"},
      // Removing this line break would join two statements into one that does not parse.
      {"f(1)\ng(2)", "\nf(1)\ng(2)"},
      {"x = a\n+ b", "\nx=a\n+b"},
      {"a = 1 // end", "\na=1"},
      {"", ""},
      {"  /* lead */ x = 1;\r\n", "\nx=1;"},
      {"\r\n ;\r\n x = 1;\r\n", ";x=1;"},
  });
}

// Scripts that leave out semicolons: a line break that ends a statement stays wherever the next
// line starts one of its own; where the next word only continues the statement it goes.
TEST(MinifyScript, LineBreaksBetweenStatementsWithoutSemicolonsStay) {
  struct Row {
    const char* input;
    const char* output;
  } rows[] = {
      {"var state = this._state = []\nfor (var i = 0; i < 4; i++) state[i] = i",
       "\nvar state=this._state=[]\nfor(var i=0;i<4;i++)state[i]=i"},
      {"x = 'a'\ny = \"b\"\nz = `c`\nw = 1", "\nx='a'\ny=\"b\"\nz=`c`\nw=1"},
      {"a++\nb--\nc", "\na++\nb--\nc"},
      {"x = a[0]\n++i", "\nx=a[0]\n++i"},
      {"var o = {}\nfoo()", "\nvar o={}\nfoo()"},
      {"if (a) b()\nelse c()", "\nif(a)b()\nelse c()"},
      {"var re = /a+/\nvar x = 1", "\nvar re=/a+/\nvar x=1"},  // a regular expression ends it too
      {"x = a /\nb", "\nx=a/b"},                                // a division does not
      // unchanged: words that go on after a block, and operators that join lines anyway
      {"if (a) {\n}\nelse {\n}", "\nif(a){}else{}"},
      {"try {}\ncatch (e) {}\nfinally {}", "\ntry{}catch(e){}finally{}"},
      {"do {\n} \nwhile (x)", "\ndo{}while(x)"},
      {"x = (a)\n+ b\n[0]", "\nx=(a)+b\n[0]"},
  };
  for (const Row& row : rows) EXPECT_EQ(row.output, MinifyScript(row.input)) << row.input;
}

TEST(MinifyScript, CommentsStringsAndRegularExpressions) {
  expectEach(MinifyScript, {
      {"a=1; // one\r\n/* two\n lines */ b=2;", "\na=1;b=2;"},
      {"var x=a/* gap */b", "\nvar x=a b"},
      // A comment that spans lines ends the line, as in the script it came from.
      {"a = b /* x\n */ c", "\na=b\nc"},
      {"s = 'a  // not a comment';\nt = \"b /* nor this */ \\\"\";",
       "\ns='a  // not a comment';t=\"b /* nor this */ \\\"\";"},
      {"var r = / a  b /g, q = x / y / z;", "\nvar r=/ a  b /g,q=x/y/z;"},
      {"s = \"中文 注释\"; // 注释\nt = 变量 名", "\ns=\"中文 注释\";t=变量 名"},
  });
}

TEST(MinifyScript, RegularExpressionsAfterEveryTokenThatAllowsThem) {
  expectEach(MinifyScript, {
      {"x = a ? / b/ : / c/;\n{ / d/.test(x) };\nreturn / e/;",
       "\nx=a?/ b/:/ c/;{/ d/.test(x)};return/ e/;"},
      {"x = /[/ ]/g;", "\nx=/[/ ]/g;"},
      {"x = /\\/ \\[/;", "\nx=/\\/ \\[/;"},
      // After an operator an operand follows, so "/" opens a literal; after ++ or -- it divides.
      {"x = 1 +\n/a{1,2}/", "\nx=1+/a{1,2}/"},
  });
  EXPECT_EQ("\nx=1+\n/a{1,2}/", jsmin("x = 1 +\n/a{1,2}/", 1));
  EXPECT_EQ("\na-/x/.y*/b/.c%/d/;a++/2;a+++/e/;b=c--/2;q=a/ /[/]/;",
            MinifyScript("a - /x/.y * /b/.c % /d/; a++ / 2; a+++/e/; b = c-- / 2; q = a / /[/]/;"));
  // After "export default" a literal; after a keyword that names a property a division.
  EXPECT_EQ("\nexport default/a{2}/i;x=m.default/2/3;y=a.return/2/b",
            MinifyScript("export default /a{2}/i; x = m.default / 2 / 3; y = a.return / 2 / b"));
}

TEST(MinifyScript, MendedFaultsStayMended) {
  // Spaces that keep operators apart: "a++b" and "a--b" would be syntax errors or a different sum.
  expectEach(MinifyScript, {
      {"a + +b; a - -b; a++ + b; a - --b; x = a / /re/.exec(s)[0];",
       "\na+ +b;a- -b;a++ +b;a- --b;x=a/ /re/.exec(s)[0];"},
      // A tab inside a string is part of the value.
      {"s = \"\ta\tb\";", "\ns=\"\ta\tb\";"},
      // The last character of the input is never lost, whatever it is.
      {"abc", "\nabc"},
      {"f()", "\nf()"},
      {"x='y'", "\nx='y'"},
      {"}", "}"},
  });
}

// Inputs on which the differential run over real packages caught one of the transformers; each
// output must still parse to what the input meant.
TEST(BothTransformers, MendedOperandAndRegularExpressionEdges) {
  struct Row {
    const char* input;
    const char* beautified;
    const char* minified;
  } rows[] = {
      // yield, await and of are keywords only in places: a literal after them when one closes
      {"function* g(){ yield /re/g }", "function * g() {\r\nyield /re/g\n}", "\nfunction*g(){yield/re/g}"},
      {"for (const a of /b c/g.exec(s)) f(a)", "for (const a of /b c/g.exec(s)) f(a)",
       "\nfor(const a of/b c/g.exec(s))f(a)"},
      {"x = of / 2", "x = of / 2", "\nx=of/2"},
      // a line break after return or yield ends the statement, before a literal too
      {"function* g(){ yield\n/re/g.test(s) }", "function * g() {\r\nyield\r\n/re/g.test(s)\n}",
       "\nfunction*g(){yield\n/re/g.test(s)}"},
      {"function f(){ return\n\"s\" }", "function f() {\r\nreturn\r\n\"s\"\n}",
       "\nfunction f(){return\n\"s\"}"},
      {"function f(){ return\n}", "function f() {\r\nreturn\n}", "\nfunction f(){return}"},
      // after an object literal's "}" a "/" divides
      {"x = {} / 2", "x = {} / 2", "\nx={}/2"},
      {"y = {a: {}} / 3 / 4; if (a) {} /re/.test(b)", "y = {\r\na: {}\n} / 3 / 4;\nif (a) {}\n/re/.test(b)",
       "\ny={a:{}}/3/4;if(a){}/re/.test(b)"},
      // names spelled with escapes stay apart from the keyword before them
      {"var \\u0061b = 1, \\u{62}c = 2", "var \\u0061b = 1,\n\\u{62}c = 2",
       "\nvar \\u0061b=1,\\u{62}c=2"},
      // without its space the "." would be the number's decimal point
      {"x = 5 .toString() + 5..a + 1.5.b", "x = 5 .toString() + 5..a + 1.5.b",
       "\nx=5 .toString()+5..a+1.5.b"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.beautified, BeautifyScript(row.input)) << row.input;
    EXPECT_EQ(row.minified, MinifyScript(row.input)) << row.input;
  }
}

TEST(MinifyScript, ErrorsGiveTheEmptyText) {
  expectEach(MinifyScript, {
      {"a = 1; /* never closed", ""},
      {"s = 'runs into\na line break';", ""},
      {"s = \"runs into the end", ""},
      {"x = (/never closed", ""},
  });
}

TEST(Jsmin, ErrorTextsAreThrownAsTheyStand) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"/* open", "Error: Unterminated comment."},
      {"s='a\r\nb'", "Error: unterminated string literal: \n"},
      {"x=[/abc\n/]", "Error: unterminated Regular Expression literal"},
  };
  for (const auto& [input, thrown] : cases) {
    std::unique_ptr<engine::ScriptHost> host =
        engine::createScriptHost(engine::kScriptControlProgId);
    host->addCode(std::string(kMinifierScript) +
                  ";function caught(s){try{jsmin('',s,3);return 'none';}catch(e){return e;}}");
    EXPECT_EQ(thrown, host->run("caught", {input})) << input;
  }
}

TEST(Jsmin, LevelOneKeepsEveryLineBreakButCollapsesRuns) {
  EXPECT_EQ("\na=1;\nb=2;\nc()\n}", jsmin("a = 1;\n\n\nb = 2;\r\n  c()\n}", 1));
  // A kept line break does not hide what comes before a "/": here a regular expression, ...
  EXPECT_EQ("\nx=f.map(f=>\n/a b\\//.test(f))", jsmin("x = f.map(f =>\n  /a b\\//.test(f))", 1));
  EXPECT_EQ("\nif(a||\n/[ \"]/.test(v)){}", jsmin("if (a ||\n  /[ \"]/.test(v)) {}", 1));
  // ... there a division.
  EXPECT_EQ("\nx=a\n/b/g", jsmin("x = a\n/b/g", 1));
  EXPECT_EQ("/a b/.test(s)", jsmin("/a b/.test(s)", 1));
}

TEST(Jsmin, LevelTwoKeepsLineBreaksThatMayEndAStatement) {
  EXPECT_EQ("\na=1;b=2;f(1)\ng(2)\nx='s'\ny=[1]\n[0];{x}\nz", jsmin(
      "a = 1;\nb = 2;\nf(1)\ng(2)\nx = 's'\ny = [1]\n[0];\n{ x }\nz", 2));
  EXPECT_EQ("\na++\n+b\nc=d\n-e", jsmin("a++\n+b\nc = d\n-e", 2));
}

TEST(Jsmin, InterfaceDetails) {
  std::unique_ptr<engine::ScriptHost> host = engine::createScriptHost(engine::kScriptControlProgId);
  host->setLanguage("JavaScript");
  host->addCode(std::string(kMinifierScript));
  // One argument: it is the input, the comment is empty and the level is 2.
  EXPECT_EQ("\nf(1)\ng(2)", host->eval("jsmin('f(1)\\n g(2)')"));
  // A level outside 1 to 3 is level 2.
  EXPECT_EQ("\nf(1)\ng(2)", host->eval("jsmin('', 'f(1)\\ng(2)', 7)"));
  EXPECT_EQ("/* c */\n\nx=1", host->eval("jsmin('/* c */', 'x = 1', 3)"));
  EXPECT_EQ("\nx=1", host->eval("ret"));
  EXPECT_EQ("5", host->eval("jsmin.oldSize"));
  EXPECT_EQ("4", host->eval("jsmin.newSize"));
  EXPECT_EQ("-1", host->eval("'abc'.has('b')"));
  EXPECT_EQ("0", host->eval("'abc'.has('d')"));
}

// --- unpacker -------------------------------------------------------------------------------

// Packs a script in the p,a,c,k,e,d form, as the common packer does: every word becomes its
// base-36 index into a word list, and the packed script rebuilds the source and evals it.
std::string packForTest(const std::string& source) {
  std::vector<std::string> words;
  std::string body;
  auto isWord = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; };
  auto base36 = [](std::size_t n) {
    std::string digits;
    do {
      digits.insert(digits.begin(), "0123456789abcdefghijklmnopqrstuvwxyz"[n % 36]);
      n /= 36;
    } while (n > 0);
    return digits;
  };
  for (std::size_t i = 0; i < source.size();) {
    if (!isWord(source[i])) {
      if (source[i] == '\'' || source[i] == '\\') body += '\\';
      body += source[i++];
      continue;
    }
    std::size_t end = i;
    while (end < source.size() && isWord(source[end])) ++end;
    const std::string word = source.substr(i, end - i);
    std::size_t index = 0;
    while (index < words.size() && words[index] != word) ++index;
    if (index == words.size()) words.push_back(word);
    body += base36(index);
    i = end;
  }
  std::string list;
  for (const std::string& word : words) list += (list.empty() ? "" : "|") + word;
  return R"(eval(function(p,a,c,k,e,d){e=function(c){return c.toString(36)};)"
         R"(if(!''.replace(/^/,String)){while(c--){d[c.toString(a)]=k[c]||c.toString(a)})"
         R"(k=[function(e){return d[e]}];e=function(){return'\\w+'};c=1};)"
         R"(while(c--){if(k[c]){p=p.replace(new RegExp('\\b'+e(c)+'\\b','g'),k[c])}}return p}(')" +
         body + "'," + std::to_string(36) + "," + std::to_string(words.size()) + ",'" + list +
         "'.split('|'),0,{}))";
}

const std::string kPackedSource =
    "function greet(name){var text='你好, '+name;return text+\"!\"}greet('E')";

TEST(UnpackScript, PackedScriptGivesBackItsSource) {
  const std::string packed = packForTest(kPackedSource);
  ASSERT_EQ(0u, packed.find("eval(function(p,a,c,k,e,d)"));
  EXPECT_EQ(kPackedSource, UnpackScript(packed));
}

TEST(UnpackScript, PackedScriptAfterABlankIsRunInstead) {
  const std::string packed = packForTest(kPackedSource);
  expectEach(UnpackScript, {
      {" " + packed, "你好, E!"},
      {"\n" + packed, "你好, E!"},
      // A source whose last statement has no value gives the empty text when run.
      {" " + packForTest("function f(){return 1}"), ""},
      {packForTest("function f(){return 1}"), "function f(){return 1}"},
  });
}

TEST(UnpackScript, OtherTextIsEvaluatedAsAWhole) {
  expectEach(UnpackScript, {
      {"1+2", "3"},
      {"5/2", "2.5"},
      {"1<2", "-1"},
      // Only an eval at the very first character goes; a later one stays and runs.
      {"x=1;eval('x+1')", "2"},
      {"eval('abc')", "abc"},
      {"", ""},
      {"var a = 1;", ""},
      {"null", ""},
  });
}

TEST(UnpackScript, SyntaxErrorsAndThrowsGiveTheEmptyText) {
  expectEach(UnpackScript, {
      {"1+", ""},
      {"function (", ""},
      {"throw 'stop'", ""},
      {"undefinedName + 1", ""},
  });
}

TEST(UnpackScript, ScriptThatNeverEndsIsStoppedByTheHostsTimeLimit) {
  HostFactoryScope quick([](std::string_view progId) -> std::unique_ptr<engine::ScriptHost> {
    if (progId != engine::kScriptControlProgId) return nullptr;
    std::unique_ptr<engine::ScriptHost> host = engine::createDuktapeHost();
    host->setTimeout(200);
    return host;
  });
  expectEach(UnpackScript, {
      {"for(;;){}", ""},
      {"eval(function(){while(true){}return 'x'}())", ""},
      // And the next run in a fresh host works.
      {"1+2", "3"},
  });
}

// --- commands -------------------------------------------------------------------------------

TEST(TransformCommands, ReplaceTheWholeEditorTextAndLogNothing) {
  workflow::HeadlessWorkbench bench;
  bench.log = "earlier";
  bench.editor().setText("a=1;b=2;");
  beautifyCommand(bench);
  EXPECT_EQ("a = 1;\nb = 2;", bench.editor().wholeText());
  minifyCommand(bench);
  EXPECT_EQ("\na=1;b=2;", bench.editor().wholeText());
  bench.editor().setText(packForTest("var a=1;"));
  unpackCommand(bench);
  EXPECT_EQ("var a=1;", bench.editor().wholeText());
  EXPECT_EQ("earlier", bench.log);
  EXPECT_TRUE(bench.messages.empty());
}

// A failed transformer keeps the user's script and says what failed; an empty result that is
// the real output (an empty script) is still written.
TEST(TransformCommands, FailuresKeepTheEditorTextAndSaySo) {
  const std::string packed = packForTest(kPackedSource);
  struct Row {
    void (*command)(workflow::Workbench&);
    std::string text;
    std::string message;  // empty: success, no box
    std::string after;
  } rows[] = {
      {minifyCommand, "x = 'open", "压缩失败：", "x = 'open"},
      {minifyCommand, "/* open", "压缩失败：Error: Unterminated comment.", "/* open"},
      {minifyCommand, " \r\n", "", ""},
      {beautifyCommand, "", "", ""},
      {unpackCommand, "1+2", "eval解密失败：不是eval打包的代码", "1+2"},
      {unpackCommand, "function f(){}", "eval解密失败：不是eval打包的代码", "function f(){}"},
      {unpackCommand, "eval(1+)", "eval解密失败：", "eval(1+)"},
      {unpackCommand, "eval(void 0)", "eval解密失败：没有得到解密后的代码", "eval(void 0)"},
      {unpackCommand, "", "", ""},
      // the packed form after what commonly comes before it in a file still decodes
      {unpackCommand, "\r\n  " + packed, "", kPackedSource},
      {unpackCommand, "\xEF\xBB\xBF" + packed + "\r\n", "", kPackedSource},
      {unpackCommand, "// packed\r\n/* by a tool */\t\xA1\xA1" + packed, "", kPackedSource},
      {unpackCommand, "// only a comment " + packed, "eval解密失败：不是eval打包的代码", "// only a comment " + packed},
  };
  for (const Row& row : rows) {
    workflow::HeadlessWorkbench bench;
    bench.editor().setText(row.text);
    row.command(bench);
    EXPECT_EQ(row.after, bench.editor().wholeText()) << row.text;
    EXPECT_EQ("", bench.log);
    if (row.message.empty()) {
      EXPECT_TRUE(bench.messages.empty()) << row.text;
      continue;
    }
    ASSERT_EQ(1u, bench.messages.size()) << row.text;
    EXPECT_EQ(0u, bench.messages[0].text.find(row.message)) << bench.messages[0].text;
    EXPECT_NE(std::string::npos, bench.messages[0].text.find("\r\n编辑框的代码没有改变。"));
    EXPECT_EQ(workflow::MessageIcon::Error, bench.messages[0].icon);
  }
}

TEST(TransformCommands, StoppedAtTheTimeLimitKeepsTheEditorText) {
  HostFactoryScope quick([](std::string_view progId) -> std::unique_ptr<engine::ScriptHost> {
    if (progId != engine::kScriptControlProgId) return nullptr;
    std::unique_ptr<engine::ScriptHost> host = engine::createDuktapeHost();
    host->setTimeout(200);
    return host;
  });
  workflow::HeadlessWorkbench bench;
  bench.editor().setText("eval(function(){while(true){}return 'x'}())");
  unpackCommand(bench);
  EXPECT_EQ("eval(function(){while(true){}return 'x'}())", bench.editor().wholeText());
  ASSERT_EQ(1u, bench.messages.size());
  EXPECT_EQ(0u, bench.messages[0].text.find("eval解密失败：脚本运行超时")) << bench.messages[0].text;
}

TEST(TransformCommands, HostThatCannotBeCreatedGivesTheEmptyText) {
  HostFactoryScope none([](std::string_view) { return std::unique_ptr<engine::ScriptHost>(); });
  EXPECT_EQ("", BeautifyScript("a=1;"));
  EXPECT_EQ("", MinifyScript("a=1;"));
  EXPECT_EQ("", UnpackScript("1+2"));
  workflow::HeadlessWorkbench bench;
  bench.editor().setText("a=1;");
  beautifyCommand(bench);
  EXPECT_EQ("a=1;", bench.editor().wholeText());
  ASSERT_EQ(1u, bench.messages.size());
  EXPECT_EQ("代码格式化失败：无法创建脚本控件\r\n编辑框的代码没有改变。", bench.messages[0].text);
}

// --- input that is not JavaScript -----------------------------------------------------------

TEST(TransformBadInput, BinaryBytesLoneQuotesAndUnbalancedBraces) {
  const std::string binary("\x00\x01\xFF\xFE\x80\x7F{\x81\x30;\xA1", 12);
  // Nothing here may crash or hang; the beautifier copies what it cannot read.
  BeautifyScript(binary);
  MinifyScript(binary);
  UnpackScript(binary);
  expectEach(BeautifyScript, {
      {"'", "'"},
      {"\"abc", "\"abc"},
      {"}}}{{", "}\n}\n}\n{\r\n{"},
      {"{{{", "{\r\n{\r\n    {"},
  });
  EXPECT_EQ("", MinifyScript("'"));
  EXPECT_EQ("}}}{{", MinifyScript("}}}{{"));
  EXPECT_EQ("", UnpackScript("'"));
  EXPECT_EQ("", UnpackScript("{{{"));
}

TEST(TransformBadInput, DeepNestingIsNoCrash) {
  // The engine's parser and the template scanners recurse; too deep gives an error, not a crash.
  for (const std::string& unit : {std::string("("), std::string("`${"), std::string("eval(")}) {
    std::string deep;
    while (deep.size() < 60000) deep += unit;
    BeautifyScript(deep);
    MinifyScript(deep);
    EXPECT_EQ("", UnpackScript(deep)) << unit;
  }
  // Each level indents every line after it, so the laid-out text grows with the square of the
  // depth; the layout itself does not recurse.
  const std::string braces(3000, '{');
  EXPECT_EQ(0u, BeautifyScript(braces).find("{\r\n{\r\n    {\r\n        {"));
  EXPECT_EQ(braces, MinifyScript(braces).substr(1));
}

TEST(TransformBadInput, StrayHighBytesInStringsSurviveTheRoundTrip) {
  // A lead byte without a valid trail byte, and a lone 0x80: both come back as the same bytes.
  const std::string strange = "s=\"\x81\x20\x80\xFF\";";
  EXPECT_EQ("s = \"\x81\x20\x80\xFF\";", BeautifyScript(strange));
  EXPECT_EQ("\ns=\"\x81\x20\x80\xFF\";", MinifyScript(strange));
}

// Builds a script of about `bytes` bytes from varied functions.
std::string largeScript(std::size_t bytes) {
  std::string script;
  for (int i = 0; script.size() < bytes; ++i) {
    const std::string n = std::to_string(i);
    script += "function f" + n + "(a,b){\r\n  // 第" + n + "个\r\n  var s='x" + n +
              "',r=/a+b/g;\r\n  if(a>b){return a-b;}else{return s.replace(r,\"\\t\")+b;}\r\n}\r\n";
  }
  return script;
}

TEST(TransformBadInput, FiveMegabyteScriptThroughEachTransformer) {
  const std::string script = largeScript(5u << 20);
  const std::string beautified = BeautifyScript(script);
  // Either the whole text or, if the host's time limit stopped it, the empty text.
  if (!beautified.empty()) {
    EXPECT_EQ(0u, beautified.find("function f0(a, b) {\r\n// 第0个\r\nvar s = 'x0',\r\nr = /a+b/g;"));
    EXPECT_GT(beautified.size(), script.size() / 2);
  }
  const std::string minified = MinifyScript(script);
  if (!minified.empty()) {
    EXPECT_EQ(0u, minified.find("\nfunction f0(a,b){var s='x0',r=/a+b/g;if(a>b){return a-b;}"));
    EXPECT_LT(minified.size(), script.size());
  }
  EXPECT_EQ("", UnpackScript(script));
  // The same for the unpacker, whose eval compiles the whole text: on a busy machine that can
  // outlast the limit, and the call after it is then stopped.
  const std::string unpacked = UnpackScript(script + "f0(9,2)");
  if (!unpacked.empty()) {
    EXPECT_EQ("7", unpacked);
  }
}

}  // namespace
}  // namespace jsdebug::transform
