#include "generate/ECode.h"

#include <gtest/gtest.h>

#include <vector>

#include "generate/Author.h"
#include "tests/support/Lines.h"
#include "workflow/CallBox.h"
#include "workflow/V8Run.h"
#include "workflow/HeadlessWorkbench.h"

namespace jsdebug::generate {
namespace {


TEST(CallForECode, ArgumentPiecesAreTrimmedButNotDropped) {
  struct Row {
    const char* argumentText;
    const char* list;
  } rows[] = {
      {"'abc',123", "'abc',123"},
      {"'abc', 123", "'abc',123"},
      {"1,", "1"},
      {"1,,2", "1,,2"},
      {",1", ",1"},
      {",", ""},
      {",,", ","},
      {"'a , b'", "'a,b'"},           // quotes are not understood
      {"\xA1\xA1" "1\xA1\xA1,2", "1,2"},  // ideographic spaces count as spaces
      {"\t1,\r\n2", "\t1,\r\n2"},     // tabs and line breaks do not
      {"", ""},
      {"  ", ""},
  };
  for (const Row& row : rows)
    EXPECT_EQ(row.list, normalizeArgumentList(row.argumentText)) << row.argumentText;
}

TEST(CallForECode, NameKeepsItsSpacesAndParenthesesAreNotCounted) {
  CallForECode p = splitCallForECode("  test ( 'a' , 1 ) ");
  EXPECT_EQ("  test ", p.name);
  EXPECT_EQ("'a',1", p.argumentList);

  p = splitCallForECode("f(a(1),2)");
  EXPECT_EQ("f", p.name);
  EXPECT_EQ("a(1", p.argumentList);

  p = splitCallForECode("go");
  EXPECT_EQ("", p.name);
  EXPECT_EQ("", p.argumentList);

  p = splitCallForECode("go(1, 2");  // no closing parenthesis: no arguments
  EXPECT_EQ("go", p.name);
  EXPECT_EQ("", p.argumentList);

  p = splitCallForECode("x)(1)");  // the ")" must come after the "("
  EXPECT_EQ("x)", p.name);
  EXPECT_EQ("1", p.argumentList);
}

TEST(SystemCallingCode, TwentyThreeLinesWithTheCallTwice) {
  const std::string code = systemCallingCode("test('abc',123)");
  const std::string call = "JS调试 (调试成功的JS代码,\"test\" ,\"'abc',123\" )";
  const std::vector<std::string> l = testsupport::crlfLines(code);
  ASSERT_EQ(23u, l.size());
  EXPECT_EQ(".版本 2", l[0]);
  EXPECT_EQ(std::string(".子程序 JS调试, 文本型, 公开, 代码由墨岩JS调试工具生成 BY QQ:") + kAuthorContact,
            l[2]);
  EXPECT_EQ("' CoInitialize (0) 线程中请初始化COM  否则会出错", l[9]);
  EXPECT_EQ("js.数值方法 (“AddCode”, JS代码)  ' 调试成功的JS代码段", l[12]);
  EXPECT_EQ("return ＝ js.通用方法 (“eval”, 函数名 ＋ “(” ＋ 参数 ＋ “)”).取文本 ()", l[13]);
  EXPECT_EQ("'本例程调用方法直接复制    " + call, l[18]);
  EXPECT_EQ("调试输出 (" + call + ")", l[22]);
  EXPECT_NE("\r\n", code.substr(code.size() - 2));
  EXPECT_EQ(std::string::npos, code.find(kCallMarker));
  // the full-width marks are the GBK ones, not ASCII look-alikes
  EXPECT_NE(std::string::npos, l[10].find("\xA1\xB0ScriptControl\xA1\xB1"));
}

TEST(SystemCallingCode, NoParenthesesGiveEmptyQuotedParts) {
  const std::vector<std::string> l = testsupport::crlfLines(systemCallingCode("go"));
  EXPECT_EQ("调试输出 (JS调试 (调试成功的JS代码,\"\" ,\"\" ))", l[22]);
}

TEST(SystemCallingCode, AMarkerTypedIntoTheCallIsNotReplacedAgain) {
  const std::string code = systemCallingCode("f('------------------')");
  const std::vector<std::string> l = testsupport::crlfLines(code);
  ASSERT_EQ(23u, l.size());
  EXPECT_EQ("调试输出 (JS调试 (调试成功的JS代码,\"f\" ,\"'------------------'\" ))", l[22]);
}

// A double quote cannot stand inside an E text constant; the generated line must still be E that
// pastes, so it comes in as #引号 joined with ＋. A tail of ";" and a comment goes, as in the runs.
TEST(CallingCode, QuotesBecomeTheQuoteConstantAndTheTailGoes) {
  struct Row {
    const char* call;
    const char* parts;  // what stands between "JS调试 (调试成功的JS代码," and " )"
  } rows[] = {
      {"test(\"abc\",123)", "\"test\" ,#引号 ＋ \"abc\" ＋ #引号 ＋ \",123\""},
      {"test(\"\")", "\"test\" ,#引号 ＋ #引号"},
      {"f(\"a\\\"b\")", "\"f\" ,#引号 ＋ \"a\\\" ＋ #引号 ＋ \"b\" ＋ #引号"},
      {"o[\"k\"](1)", "\"o[\" ＋ #引号 ＋ \"k\" ＋ #引号 ＋ \"]\" ,\"1\""},
      {"test('abc',123);", "\"test\" ,\"'abc',123\""},
      {"test('abc',123); // copied", "\"test\" ,\"'abc',123\""},
  };
  for (const Row& row : rows) {
    const std::string line = std::string("JS调试 (调试成功的JS代码,") + row.parts + " )";
    EXPECT_EQ("调试输出 (" + line + ")", testsupport::crlfLines(systemCallingCode(row.call))[22]) << row.call;
    const std::string v8Line = std::string("V8JS调试 (调试成功的JS代码,") + row.parts + " ,1024 )";
    EXPECT_EQ(0u, testsupport::crlfLines(v8CallingCode(row.call, "1024"))[6].find("调试输出 (" + v8Line + ")"))
        << row.call;
  }
}

TEST(V8CallingCode, SevenLinesEndingInCrLfWithTheLengthVerbatim) {
  const std::string code = v8CallingCode("test('abc', 123)", "1024");
  const std::vector<std::string> l = testsupport::crlfLines(code);
  ASSERT_EQ(8u, l.size());  // seven lines and the empty rest after the final CR LF
  EXPECT_EQ("", l[7]);
  EXPECT_EQ(".支持库 spec", l[1]);
  EXPECT_EQ("V8调试初始化 (取运行目录 () ＋ 取执行文件名 ())  ' 首次启动初始化即可 需下载模块和DLL", l[5]);
  EXPECT_EQ(std::string("调试输出 (V8JS调试 (调试成功的JS代码,\"test\" ,\"'abc',123\" ,1024 )) "
                        "'V8引擎代码由墨岩JS调试工具生成 BY:QQ") +
                kAuthorContact + " 需下载模块和DLL",
            l[6]);

  EXPECT_NE(std::string::npos, v8CallingCode("t(1)", " 2048").find(" , 2048 ))"));
  EXPECT_NE(std::string::npos, v8CallingCode("t(1)", "").find("\"1\" , ))"));
}

TEST(GenerateCommands, ClipboardAndConfirmationWithoutReadingTheEditor) {
  workflow::HeadlessWorkbench bench;
  bench.memoryEditor.setText("function test(a,b){return a+b}");
  bench.callBox = "test('abc',123)";
  systemCodeCommand(bench);
  EXPECT_EQ(systemCallingCode("test('abc',123)"), bench.clipboard);
  ASSERT_EQ(1u, bench.messages.size());
  EXPECT_EQ(kSystemCodeCopiedMessage, bench.messages[0].text);
  EXPECT_EQ("信息：", bench.messages[0].title);
  EXPECT_EQ(workflow::MessageIcon::None, bench.messages[0].icon);

  bench.memoryEditor.setText("something else entirely");
  bench.v8BufferLength = " 2048";
  v8CodeCommand(bench);
  EXPECT_EQ(v8CallingCode("test('abc',123)", " 2048"), bench.clipboard);
  ASSERT_EQ(2u, bench.messages.size());
  EXPECT_EQ(kV8CodeCopiedMessage, bench.messages[1].text);
  EXPECT_EQ(workflow::MessageIcon::None, bench.messages[1].icon);
}

TEST(GenerateCommands, MissingCallLeavesTheClipboardAlone) {
  for (const char* call : {"", workflow::kCallBoxCueText}) {
    for (auto command : {systemCodeCommand, v8CodeCommand}) {
      workflow::HeadlessWorkbench bench;
      bench.clipboard = "kept";
      bench.callBox = call;
      command(bench);
      EXPECT_EQ("kept", bench.clipboard);
      ASSERT_EQ(1u, bench.messages.size());
      EXPECT_EQ(workflow::kMissingCallMessage, bench.messages[0].text);
      EXPECT_EQ(workflow::MessageIcon::Error, bench.messages[0].icon);
      ASSERT_FALSE(bench.focusHistory.empty());
      EXPECT_EQ(workflow::Control::CallBox, bench.focusHistory.back());
    }
  }
}

// What the E program could not run as typed is refused before the clipboard is touched: a call
// missing its ")" (the generated call would lose its arguments) and, for V8, a length that E's
// integer cannot hold or that is too short to carry a failure.
TEST(GenerateCommands, UnclosedCallsAndUnusableLengthsLeaveTheClipboardAlone) {
  struct Row {
    const char* call;
    const char* length;
    bool systemRefused;
    std::string message;
  } rows[] = {
      {"test('abc',123", "1024", true, "调用方法有语法错误：缺少 ')'（错误代码 1006，位置 14）"},
      {"test('abc", "1024", true, "调用方法有语法错误：未结束的字符串常量（错误代码 1015，位置 5）"},
      {"test('abc',123)", "2147483648", false, workflow::v8BufferLengthProblem("2147483648")},
      {"test('abc',123)", "7", false, workflow::v8BufferLengthProblem("7")},
      {"test('abc',123)", "abc", false, workflow::v8BufferLengthProblem("abc")},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.call + std::string(" ") + row.length);
    EXPECT_FALSE(row.message.empty());
    for (auto command : {systemCodeCommand, v8CodeCommand}) {
      workflow::HeadlessWorkbench bench;
      bench.clipboard = "kept";
      bench.callBox = row.call;
      bench.v8BufferLength = row.length;
      command(bench);
      ASSERT_EQ(1u, bench.messages.size());
      if (command == systemCodeCommand && !row.systemRefused) {
        EXPECT_EQ(systemCallingCode(row.call), bench.clipboard);
        continue;
      }
      EXPECT_EQ("kept", bench.clipboard);
      EXPECT_EQ(row.message, bench.messages[0].text);
      EXPECT_EQ(workflow::MessageIcon::Error, bench.messages[0].icon);
    }
  }
}

// A character the call box cannot hold reaches the E source as "?": the log says so.
TEST(GenerateCommands, LostCallCharactersAreNotedInTheLog) {
  workflow::HeadlessWorkbench bench;
  bench.callBox = "test('?')";
  bench.callBoxLost = U"\U0001F600";
  systemCodeCommand(bench);
  EXPECT_EQ(workflow::lostCallCharactersNote(U"\U0001F600"), bench.log);
}

}  // namespace
}  // namespace jsdebug::generate
