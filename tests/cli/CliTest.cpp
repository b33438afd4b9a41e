#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/Cli.h"
#include "tests/cli/CliHarness.h"
#include "tests/support/TempDir.h"
#include "text/Codec.h"
#include "transform/Md5.h"
#include "workflow/V8Run.h"

using namespace jsdebug;

namespace {

using jsdebug::testing::Outcome;
using jsdebug::testing::runCommand;

std::string data(const std::string& name) { return jsdebug::testing::sourceFile(name); }

const std::string sep(65, '-');

}  // namespace

TEST(CliRun, DefaultCodeReturnsAbc123) {
  Outcome o = runCommand({"run", data("examples/test.js"), "test('abc',123)"});
  EXPECT_EQ(0, o.status) << o.err;
  EXPECT_EQ(0u, o.out.find("代码运算成功!!执行时间："));
  EXPECT_NE(std::string::npos, o.out.find("\r\n" + sep + "\r\n\r\n返回内容：abc123\r\n\r\n" + sep));
}

TEST(CliRun, CallFromTheTerminalIsConvertedToGbk) {
  // Arguments arrive in UTF-8; literals here are GBK, so convert as a terminal would have them.
  Outcome o = runCommand({"--utf8", "run", data("examples/test.js"), gbk::toUtf8("test('中文',1)")});
  EXPECT_EQ(0, o.status);
  EXPECT_NE(std::string::npos, o.out.find(gbk::toUtf8("返回内容：中文1")));
}

TEST(CliRun, CueTextOrEmptyCallIsRefusedWithTheMessageOnStandardError) {
  Outcome o = runCommand({"run", data("examples/test.js"), ""});
  EXPECT_EQ(1, o.status);
  EXPECT_EQ("", o.out);
  EXPECT_EQ("[信息：] 请输入调用方法 如 test('abc',123) 或者双击调用函数名\n", o.err);
}

TEST(CliLoad, SyntaxErrorOnLineThreeFailsWithItsLine) {
  Outcome o = runCommand({"load", data("tests/data/syntax_error_line3.js")});
  EXPECT_EQ(1, o.status);
  EXPECT_EQ(0u, o.out.find("代码加载失败!!\r\n" + sep + "\r\n\r\n错误代码：  "));
  EXPECT_NE(std::string::npos, o.out.find("\r\n错误所在行：  3\r\n错误所在行的位置：  "));
}

TEST(CliLoad, SuccessfulLoad) {
  Outcome o = runCommand({"load", data("examples/test.js")});
  EXPECT_EQ(0, o.status);
  EXPECT_EQ(0u, o.out.find("代码加载成功!!\r\n"));
}

// --browser reaches the run and gives way to nothing else.
TEST(CliBrowser, SwitchesTheEnvironmentOnForLoadRunAndV8Only) {
  const std::string script = data("tests/data/browser/jsencrypt-2.3.1.min.js");
  Outcome off = runCommand({"load", script});
  EXPECT_EQ(1, off.status);
  EXPECT_NE(std::string::npos, off.out.find("【'navigator' 未定义】"));
  Outcome on = runCommand({"--browser", "load", script});
  EXPECT_EQ(0, on.status) << on.out;
  EXPECT_EQ(0u, on.out.find("代码加载成功!!\r\n"));
  EXPECT_EQ(0, runCommand({"--utf8", "--browser", "run", script, "String(typeof JSEncrypt)"}).status);
  EXPECT_EQ(2, runCommand({"--browser", "md5", script}).status);
  EXPECT_EQ(2, runCommand({"--browser"}).status);
}

TEST(CliUsage, UnknownCommandsWrongArgumentsAndMissingFiles) {
  EXPECT_EQ(2, runCommand({}).status);
  EXPECT_EQ(2, runCommand({"--utf8"}).status);
  EXPECT_EQ(2, runCommand({"frobnicate"}).status);
  EXPECT_EQ(2, runCommand({"run", data("examples/test.js")}).status);
  EXPECT_EQ(1, runCommand({"load", "/nonexistent/x.js"}).status);
}

// The built executable, as a user runs it.
TEST(CliExecutable, PrintsTheResultBlockInUtf8) {
  const std::string command = std::string(JSDEBUG_CLI) + " --utf8 run " +
                              data("examples/test.js") + " \"test('abc',123)\"";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(nullptr, pipe);
  std::string out;
  std::array<char, 4096> buffer;
  for (std::size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) out.append(buffer.data(), n);
  EXPECT_EQ(0, pclose(pipe));
  EXPECT_NE(std::string::npos, out.find(gbk::toUtf8("返回内容：abc123")));
}

namespace {

// A scratch directory with files in it, removed afterwards.
// The shared temporary folder, with the path as text for the command lines built from it and a
// file written in one step.
class ScratchDir {
 public:
  std::string file(const std::string& name, const std::string& bytes) const {
    std::string full = dir_.file(name);
    std::ofstream(full, std::ios::binary) << bytes;
    return full;
  }
  const std::string& path() const { return path_; }

 private:
  testsupport::TempDir dir_{"jsdebug-cli-"};
  std::string path_ = dir_.path().string();
};

// Runs a shell command line; standard output and standard error separately.
Outcome shell(const std::string& commandLine, const ScratchDir& dir) {
  const std::string errFile = dir.path() + "/stderr.txt";
  FILE* pipe = popen((commandLine + " 2>" + errFile).c_str(), "r");
  Outcome o{-1, "", ""};
  if (pipe == nullptr) return o;
  std::array<char, 4096> buffer;
  for (std::size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) o.out.append(buffer.data(), n);
  int status = pclose(pipe);
  o.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ifstream err(errFile, std::ios::binary);
  o.err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
  return o;
}

}  // namespace

TEST(CliV8, DefaultCodeReturnsAbc123) {
  Outcome o = runCommand({"v8", data("examples/test.js"), "test('abc',123)"});
  EXPECT_EQ(0, o.status) << o.err;
  EXPECT_EQ(0u, o.out.find("代码运算成功!!执行时间："));
  EXPECT_NE(std::string::npos, o.out.find("\r\n" + sep + "\r\n\r\n返回内容：abc123\r\n\r\n" + sep));
  EXPECT_EQ("", o.err);
}

TEST(CliV8, FailuresLengthsAndTheUncheckedCall) {
  Outcome failed = runCommand({"v8", data("examples/test.js"), "nope()"});
  EXPECT_EQ(1, failed.status);
  EXPECT_EQ("代码运算失败!!\r\n" + sep + "\r\n\r\n错误行:0\r\n\r\n错误信息:ReferenceError: nope is not defined\r\n\r\n" + sep,
            failed.out);

  // A length too short to carry a failure, or past E's integer, is refused before the engine.
  for (const char* length : {"0", "7", "-1", "abc", "2147483648"}) {
    Outcome refused = runCommand({"v8", data("examples/test.js"), "test('abc',123)", length});
    EXPECT_EQ(1, refused.status) << length;
    EXPECT_EQ("", refused.out);
    EXPECT_EQ("[信息：] " + workflow::v8BufferLengthProblem(length) + "\n", refused.err);
  }

  // LENGTH comes from the terminal too: full-width digits count. Nine bytes fit, ten do not.
  const std::string nine = gbk::toUtf8("９");
  Outcome fits = runCommand({"--utf8", "v8", data("examples/test.js"), "test('abcdefgh',1)", nine});
  EXPECT_EQ(0, fits.status);
  EXPECT_NE(std::string::npos, fits.out.find(gbk::toUtf8("返回内容：abcdefgh1\r\n"))) << fits.out;
  Outcome tight = runCommand({"--utf8", "v8", data("examples/test.js"), "test('abcdefgh',12)", nine});
  EXPECT_EQ(1, tight.status);
  EXPECT_NE(std::string::npos, tight.out.find(gbk::toUtf8("错误行:\r\n\r\n错误信息:"))) << tight.out;

  // The empty call is refused with the text run gives.
  Outcome empty = runCommand({"v8", data("examples/test.js"), ""});
  EXPECT_EQ(1, empty.status);
  EXPECT_EQ("", empty.out);
  EXPECT_EQ(runCommand({"run", data("examples/test.js"), ""}).err, empty.err);
  EXPECT_EQ("[信息：] 请输入调用方法 如 test('abc',123) 或者双击调用函数名\n", empty.err);

  // A call missing its ")" is a syntax error in both engines, never test() without arguments.
  Outcome unclosed = runCommand({"v8", data("examples/test.js"), "test('abc',123"});
  EXPECT_EQ(1, unclosed.status);
  EXPECT_EQ("代码运算失败!!\r\n" + sep + "\r\n\r\n错误行:0\r\n\r\n错误信息:SyntaxError: 缺少 ')'\r\n\r\n" + sep,
            unclosed.out);
  Outcome unclosedRun = runCommand({"run", data("examples/test.js"), "test('abc',123"});
  EXPECT_EQ(1, unclosedRun.status);
  EXPECT_NE(std::string::npos, unclosedRun.out.find("错误代码：  1006\r\n")) << unclosedRun.out;
}

TEST(CliCompare, ExitsZeroWhenTheEnginesAgreeOneWhenNotTwoForABadCount) {
  Outcome same = runCommand({"compare", data("examples/test.js"), "test('abc',123)", "2"});
  EXPECT_EQ(0, same.status) << same.err;
  EXPECT_EQ(0u, same.out.find("两个引擎的结果相同!!每个引擎运行 2 次\r\n"));
  EXPECT_NE(std::string::npos, same.out.find("\r\nV8："));

  // The system engine lacks the page's globals; the browser switch reaches both engines.
  const std::string page = data("tests/data/browser/jsencrypt-2.3.1.min.js");
  Outcome off = runCommand({"compare", page, "String(typeof JSEncrypt)", "1"});
  EXPECT_EQ(1, off.status);
  EXPECT_EQ(0u, off.out.find("两个引擎都运行失败!!每个引擎运行 1 次\r\n"));
  EXPECT_NE(std::string::npos, off.out.find("系统引擎：代码加载失败\r\n"));
  Outcome on = runCommand({"--browser", "compare", page, "String(typeof JSEncrypt)", "1"});
  EXPECT_EQ(0, on.status) << on.out;

  for (const char* bad : {"0", "1001", "x", "-1"}) {
    Outcome o = runCommand({"compare", data("examples/test.js"), "test('abc',123)", bad});
    EXPECT_EQ(2, o.status) << bad;
    EXPECT_EQ("", o.out);
    EXPECT_EQ("jsdebug-cli: compare: N must be a whole number from 1 to 1000\n", o.err);
  }
  EXPECT_EQ(1, runCommand({"compare", data("examples/test.js"), ""}).status);
}

TEST(CliJsfuck, DecodesOrLeavesTheTextAsItWas) {
  ScratchDir dir;
  EXPECT_EQ("f", runCommand({"jsfuck", dir.file("f.js", "(![]+[])[+[]]")}).out);
  EXPECT_EQ("2", runCommand({"jsfuck", dir.file("two.js", "1+1")}).out);
  Outcome bad = runCommand({"jsfuck", dir.file("bad.js", "(![]+[])[+[]]);")});
  EXPECT_EQ(1, bad.status);
  EXPECT_EQ("", bad.out);
  EXPECT_EQ("jsdebug-cli: jsfuck: the engine reported an error; nothing decoded\n", bad.err);
  Outcome code = runCommand({"jsfuck", dir.file("code.js", "void 0")});
  EXPECT_EQ(1, code.status);
  EXPECT_EQ("", code.out);
  EXPECT_EQ(0u, code.err.find("[信息：] jsfuck解密失败：")) << code.err;
}

TEST(CliUtf8, ReinterpretsTheBytesAsUtf8) {
  ScratchDir dir;
  EXPECT_EQ("\xD6\xD0 = 1;", runCommand({"utf8", dir.file("u.js", "\xE4\xB8\xAD = 1;")}).out);
  EXPECT_EQ("", runCommand({"utf8", dir.file("empty.js", "")}).out);
  Outcome gbkText = runCommand({"utf8", dir.file("gbk.js", "\xD6\xD0 = 1;")});
  EXPECT_EQ(1, gbkText.status);
  EXPECT_EQ("", gbkText.out);
  EXPECT_EQ(0u, gbkText.err.find("[信息：] 编辑框的文本不是UTF-8编码")) << gbkText.err;
}

TEST(CliTransform, BeautifyMinifyAndUnpackPrintTheEditorText) {
  ScratchDir dir;
  const std::string sample = dir.file("sample.js", "function a(){if(x){y=1;}else{z=2;}}");
  EXPECT_EQ("function a() {\r\nif (x) {\r\n    y = 1;\r\n} else {\r\n    z = 2;\r\n}\n}",
            runCommand({"beautify", sample}).out);
  EXPECT_EQ("\nfunction a(){if(x){y=1;}else{z=2;}}", runCommand({"minify", sample}).out);
  EXPECT_EQ("\"abc\"", runCommand({"unpack", dir.file("packed.js", "\r\neval('\"abc\"')")}).out);
  // Chinese stays GBK, or becomes UTF-8 for a terminal.
  const std::string chinese = dir.file("zh.js", "s='中文';");
  EXPECT_EQ("s = '中文';", runCommand({"beautify", chinese}).out);
  EXPECT_EQ(gbk::toUtf8("s = '中文';"), runCommand({"--utf8", "beautify", chinese}).out);
}

TEST(CliTransform, ATransformerThatFailsSaysSoAndPrintsNothing) {
  ScratchDir dir;
  Outcome o = runCommand({"minify", dir.file("open.js", "/* never closed")});
  EXPECT_EQ(1, o.status);
  EXPECT_EQ("", o.out);
  EXPECT_EQ("[信息：] 压缩失败：Error: Unterminated comment.\r\n编辑框的代码没有改变。\n", o.err);
  o = runCommand({"unpack", dir.file("bad.js", "1+")});
  EXPECT_EQ(1, o.status);
  EXPECT_EQ("", o.out);
  EXPECT_EQ(0u, o.err.find("[信息：] eval解密失败：不是eval打包的代码")) << o.err;
  // An empty script is no failure.
  o = runCommand({"beautify", dir.file("empty.js", "")});
  EXPECT_EQ(0, o.status);
  EXPECT_EQ("", o.out + o.err);
  EXPECT_EQ(1, runCommand({"beautify", dir.path() + "/missing.js"}).status);
  EXPECT_EQ(2, runCommand({"md5"}).status);
}

// A FILE that is no readable regular file is refused with a message and status 1, never read
// without end or half.
TEST(CliFiles, WhatIsNoReadableFileIsRefused) {
  ScratchDir dir;
  struct Row {
    std::string file;
    const char* reason;
  } rows[] = {
      {dir.path() + "/missing.js", "No such file or directory"},
      {dir.path(), "Is a directory"},
      {"/dev/zero", "not a regular file"},
      {"/proc/self/mem", "Input/output error"},
  };
  for (const Row& row : rows) {
    for (const char* command : {"load", "beautify", "md5"}) {
      Outcome o = runCommand({command, row.file});
      EXPECT_EQ(1, o.status) << command << " " << row.file;
      EXPECT_EQ("", o.out);
      EXPECT_EQ("jsdebug-cli: cannot read " + row.file + ": " + row.reason + "\n", o.err);
    }
  }
}

TEST(CliTransform, Md5PrintsTheLogOfTheGbkBytes) {
  ScratchDir dir;
  Outcome o = runCommand({"md5", dir.file("zh.js", "中文")});
  EXPECT_EQ(0, o.status);
  EXPECT_EQ("代码运算成功!!\r\n" + sep + "\r\n\r\n返回内容：bcce109775e8e1972e9f5fcda3e12895\r\n\r\n" + sep,
            o.out);
  EXPECT_NE(std::string::npos, runCommand({"md5", dir.file("empty.js", "")})
                                   .out.find("返回内容：d41d8cd98f00b204e9800998ecf8427e\r\n"));
}

// The window's editor holds a file only up to its first NUL; the CLI agrees on that script,
// from a file and from standard input, for the digest and for the transformers alike.
TEST(CliTransform, AFileIsTheScriptUpToItsFirstNul) {
  ScratchDir dir;
  const std::string withNul = dir.file("nul.js", std::string("中文\0var b=2;", 13));
  EXPECT_NE(std::string::npos,
            runCommand({"md5", withNul}).out.find("返回内容：bcce109775e8e1972e9f5fcda3e12895\r\n"));
  const std::string loaded = dir.file("load.js", std::string("function test(){return 1}\0}}}", 29));
  EXPECT_EQ(runCommand({"minify", dir.file("plain.js", "function test(){return 1}")}).out,
            runCommand({"minify", loaded}).out);
}

// md5 reads a file a piece at a time: a file of several pieces, a NUL in a later piece, and a
// second NUL after it, give the digest of the same bytes the editor would hold.
TEST(CliTransform, Md5OfALargeFileIsTheDigestOfItsScript) {
  ScratchDir dir;
  std::string bytes(std::size_t{5} << 19, '\0');  // two and a half megabytes
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(1 + i % 251);
  struct Row {
    std::size_t firstNul;  // npos for none
    std::size_t secondNul;
  } rows[] = {
      {std::string::npos, std::string::npos},
      {(std::size_t{1} << 20) + 5, std::string::npos},
      {(std::size_t{1} << 20) - 1, (std::size_t{2} << 20) + 7},
      {0, 9},
  };
  for (const Row& row : rows) {
    std::string file = bytes;
    for (std::size_t at : {row.firstNul, row.secondNul})
      if (at != std::string::npos) file[at] = '\0';
    const std::string script = file.substr(0, row.firstNul);
    Outcome o = runCommand({"md5", dir.file("large.bin", file)});
    EXPECT_EQ(0, o.status) << row.firstNul;
    EXPECT_EQ("代码运算成功!!\r\n" + sep + "\r\n\r\n返回内容：" + transform::md5Hex(script) +
                  "\r\n\r\n" + sep,
              o.out)
        << row.firstNul;
    const std::string note = row.firstNul == std::string::npos
                                 ? ""
                                 : "提示：这段脚本含有NUL字节（0x00），只保留了它前面的 " +
                                       std::to_string(row.firstNul) + " 字节（共 " +
                                       std::to_string(file.size()) + " 字节），保存时也只写入这一部分。\n";
    EXPECT_EQ(note, o.err) << row.firstNul;
  }
}

// The cut is said on standard error, with how many bytes were kept of how many, for every
// command that reads a script; nothing is said of a file without a NUL.
TEST(CliTransform, ANulCutIsSaidOnStandardError) {
  ScratchDir dir;
  const std::string withNul = dir.file("nul.js", std::string("function test(){return 1}\0\x01\x02", 28));
  const std::string note =
      "提示：这段脚本含有NUL字节（0x00），只保留了它前面的 25 字节（共 28 字节），保存时也只写入这一部分。\n";
  struct Row {
    std::vector<std::string> args;
    int status;
  } rows[] = {
      {{"beautify", withNul}, 0},
      {{"minify", withNul}, 0},
      {{"md5", withNul}, 0},
      {{"load", withNul}, 0},
      {{"run", withNul, "test()"}, 0},
  };
  for (const Row& row : rows) {
    Outcome o = runCommand(row.args);
    EXPECT_EQ(row.status, o.status) << row.args[0];
    EXPECT_EQ(note, o.err) << row.args[0];
  }
  Outcome utf8 = runCommand({"--utf8", "beautify", withNul});
  EXPECT_EQ(gbk::toUtf8(note), utf8.err);
  EXPECT_EQ("", runCommand({"beautify", dir.file("plain.js", "var a;")}).err);
}

// The built executable alone in a directory, with no engine library anywhere it looks.
TEST(CliExecutable, MissingEngineLibraryIsFatal) {
  ScratchDir dir;
  ASSERT_EQ(0, std::system(("cp '" JSDEBUG_CLI "' '" + dir.path() + "/'").c_str()));
  const std::string cli = "env -u LD_LIBRARY_PATH '" + dir.path() + "/jsdebug-cli'";
  const std::string script = dir.file("t.js", "function test(a,b){return a+b;}");
  const std::string fatal =
      "[错误] 运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“v8.dll”中的输出命令“InitializeV8”\r\n\n";
  for (const char* command : {"v8", "jsfuck"}) {
    Outcome o = shell(cli + " " + command + " '" + script + "' \"test('abc',123)\"", dir);
    if (std::string(command) == "jsfuck") o = shell(cli + " jsfuck '" + script + "'", dir);
    EXPECT_EQ(255, o.status) << command;
    EXPECT_EQ("", o.out) << command;
    EXPECT_EQ(fatal, o.err) << command;
  }
  // The other commands do not need it.
  Outcome utf8 = shell(cli + " utf8 '" + dir.file("u.js", "\xE4\xB8\xAD") + "'", dir);
  EXPECT_EQ(0, utf8.status);
  EXPECT_EQ("\xD6\xD0", utf8.out);
}

// An engine library without ExecJavaScriptV8: start works, the first call ends the program.
TEST(CliExecutable, EngineLibraryWithoutExecDiesAtTheFirstCall) {
  ScratchDir dir;
  ASSERT_EQ(0, std::system(("cp '" JSDEBUG_CLI "' '" JSDEBUG_ONLY_INITIALIZE_ENGINE "' '" + dir.path() + "/'").c_str()));
  const std::string cli = "env -u LD_LIBRARY_PATH '" + dir.path() + "/jsdebug-cli'";
  Outcome o = shell(cli + " --utf8 v8 '" + dir.file("t.js", "") + "' \"f()\"", dir);
  EXPECT_EQ(255, o.status);
  EXPECT_EQ("", o.out);
  EXPECT_EQ(gbk::toUtf8("[错误] 运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“v8.dll”中的输出命令“ExecJavaScriptV8”\r\n\n"),
            o.err);
}
