// The engine library as the program meets it: loaded with dlopen, called through its two exports.
#include <dlfcn.h>
#include <signal.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "examples/SampleScript.h"
#include "platform/Processes.h"
#include "v8engine/Exports.h"

namespace {

using namespace jsdebug::v8contract;

struct Library {
  InitializeV8Function initialize = nullptr;
  ExecJavaScriptV8Function exec = nullptr;
  JsdebugExecV8Function execWithNotes = nullptr;
  std::intptr_t context = 0;
};

Library& library() {
  static Library lib = [] {
    // Small limits keep the runaway cases short.
    setenv("JSDEBUG_V8_TIMEOUT_MS", "1500", 1);
    setenv("JSDEBUG_V8_HEAP_MB", "64", 1);
    Library l;
    void* handle = dlopen(JSDEBUG_V8_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) return l;
    l.initialize = reinterpret_cast<InitializeV8Function>(dlsym(handle, "InitializeV8"));
    l.exec = reinterpret_cast<ExecJavaScriptV8Function>(dlsym(handle, "ExecJavaScriptV8"));
    l.execWithNotes = reinterpret_cast<JsdebugExecV8Function>(dlsym(handle, kJsdebugExecV8));
    if (l.initialize != nullptr) l.context = l.initialize("/opt/xjsdebug");
    return l;
  }();
  return lib;
}

std::string run(const std::string& script, const std::string& call, int length = 1024) {
  Library& lib = library();
  if (lib.exec == nullptr) return "<no library>";
  std::string buffer(static_cast<std::size_t>(length > 0 ? length : 0) + 1, ' ');
  buffer.back() = '\0';
  lib.exec(lib.context, script.c_str(), call.c_str(), length > 0 ? buffer.data() : nullptr, length);
  return buffer.substr(0, buffer.find('\0'));
}

std::string report(int line, const std::string& message) {
  return "错误所在行:\r\n" + std::to_string(line) + "\r\n错误信息:\r\n" + message + "\r\n";
}

// Kills node and waits until it can be reaped, as a crash between two calls would leave it. (A
// killed leader shows as a zombie before its other threads are gone; only then can it be waited.)
void killNode() {
  for (long pid : jsdebug::platform::childProcesses()) {
    kill(static_cast<pid_t>(pid), SIGKILL);
    for (int i = 0; i < 500; ++i) {
      std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
      std::string field, state;
      std::vector<std::string> rest;
      if (!(stat >> field >> field >> state)) break;
      while (stat >> field) rest.push_back(field);
      // Field 20 of stat, the 17th after the state, counts the threads.
      if (state == "Z" && rest.size() > 16 && rest[16] == "1") break;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
}

TEST(EngineLibrary, ExportsBothFunctions) {
  ASSERT_NE(nullptr, library().initialize) << dlerror();
  ASSERT_NE(nullptr, library().exec);
}

TEST(EngineLibrary, ValuesAsStringOfTheValue) {
  const std::string script = jsdebug::examples::kSampleScriptBytes;
  EXPECT_EQ("abc123", run(script, "test('abc',123)"));
  EXPECT_EQ("2", run("", "1+1"));
  EXPECT_EQ("undefined", run("function test(aa){return (aa);}", "test()"));
  EXPECT_EQ("f", run("function test(aa){return (aa);}", "test((![]+[])[+[]])"));
  EXPECT_EQ("1,2", run("", "[1,2]"));
  EXPECT_EQ("[object Object]", run("", "({})"));
  // GBK in, GBK out; a character GBK lacks becomes "?".
  EXPECT_EQ("中文abc", run("function f(s){return s + 'abc';}", "f('中文')"));
  EXPECT_EQ("?", run("", "'\\u{1F600}'"));
  // A script that redefines built-ins does not break the conversion of the value.
  EXPECT_EQ("3", run("var String = 1;", "1+2"));
  // Modern syntax is welcome: this is V8.
  EXPECT_EQ("6", run("const f = (...a) => a.reduce((x, y) => x + y, 0);", "f(1,2,3)"));
}

TEST(EngineLibrary, EveryCallStartsFromAFreshContext) {
  EXPECT_EQ("1", run("var counter = 1;", "counter"));
  EXPECT_EQ(report(0, "ReferenceError: counter is not defined"), run("", "counter"));
}

TEST(EngineLibrary, OnlyEcmaScriptBuiltIns) {
  EXPECT_EQ("undefined undefined undefined undefined",
            run("", "[typeof require, typeof process, typeof setTimeout, "
                    "typeof fetch].join(' ')"));
  EXPECT_EQ("undefined", run("", "this.constructor.constructor('return typeof process')()"));
  EXPECT_EQ("undefined", run("", "(function(){try{null.x}catch(e){return e.constructor.constructor("
                                 "'return typeof process')()}})()"));
}

// Our own export: the notes in order, as kind letter and text; the result as the contract's.
std::string runWithNotes(const char* location, const std::string& script, const std::string& call,
                         std::string& notes) {
  Library& lib = library();
  if (lib.execWithNotes == nullptr) return "<no export>";
  std::string buffer(1025, ' ');
  buffer.back() = '\0';
  notes.clear();
  lib.execWithNotes(lib.context, location, script.c_str(), call.c_str(), buffer.data(), 1024,
                    [](void* user, int kind, const char* text, int length) {
                      *static_cast<std::string*>(user) += static_cast<char>(kind);
                      static_cast<std::string*>(user)->append(text, static_cast<std::size_t>(length));
                      *static_cast<std::string*>(user) += '|';
                    },
                    &notes);
  return buffer.substr(0, buffer.find('\0'));
}

TEST(EngineLibrary, ConsoleAndBrowserNotesComeBesideTheResult) {
  std::string notes;
  // The console is always there; the contract's export simply drops what it printed.
  EXPECT_EQ("1", run("console.log('x');", "1"));
  EXPECT_EQ("undefined", run("", "console.log.constructor('return typeof process')()"));
  EXPECT_EQ("2", runWithNotes(nullptr, "console.log('a', [1]); console.error('中');", "2", notes));
  EXPECT_EQ("La (1) [1]|L[error] 中|", notes);
  EXPECT_EQ("undefined", runWithNotes("", "", "typeof navigator", notes));
  EXPECT_EQ("", notes);
  // In the browser environment: the names it lacks; a null sink is allowed.
  EXPECT_EQ(report(0, "ReferenceError: nothere is not defined"),
            runWithNotes("http://h/", "navigator.gpuX; screen.orientationX;", "nothere", notes));
  EXPECT_EQ("Mnavigator.gpuX|Mscreen.orientationX|Mnothere|", notes);
  EXPECT_EQ("undefined", runWithNotes("https://h/", "", "navigator.constructor.constructor('return typeof process')()", notes));
  Library& lib = library();
  std::string buffer(9, ' ');
  lib.execWithNotes(lib.context, "http://h/", "console.log(1)", "3", buffer.data(), 8, nullptr, nullptr);
  EXPECT_EQ('3', buffer[0]);
}

TEST(EngineLibrary, ErrorsCarryTheScriptLine) {
  EXPECT_EQ(report(3, "TypeError: Cannot read properties of null (reading 'x')"),
            run("function f(){\r\n var a = null;\r\n return a.x;\r\n}", "f()"));
  EXPECT_EQ(report(2, "ReferenceError: nope is not defined"), run("var a = 1;\nnope();", "a"));
  EXPECT_EQ(report(1, "SyntaxError: Unexpected token ';'"), run("var a = ;", "1"));
  // Raised by a built-in called from the script: the script's line still counts.
  EXPECT_EQ(0u, run("function f(){\n return JSON.parse('{o}');}", "f()").find("错误所在行:\r\n2\r\n"));
  // The call text itself is not the script: line 0.
  EXPECT_EQ(report(0, "SyntaxError: Unexpected token ';'"), run("", "f(;"));
  EXPECT_EQ(report(0, "ReferenceError: g is not defined"), run("function f(){}", "g()"));
  // A thrown value that is no Error has no line.
  EXPECT_EQ(report(0, "boom"), run("function f(){throw 'boom'}", "f()"));
  // A message that mentions the script's name does not fool the line.
  EXPECT_EQ(report(0, "Error: at script.js:9:1"), run("", "throw new Error('at script.js:9:1')"));
}

TEST(EngineLibrary, ResultsNeverPassTheBuffer) {
  // Exactly the buffer length fits; one byte more is a report telling the length.
  EXPECT_EQ("abcd", run("", "'abcd'", 4));
  std::string tooLong = run("", "'abcde'", 200);
  EXPECT_EQ("abcde", tooLong);
  std::string cut = run("", "'x'.repeat(201)", 200);
  EXPECT_NE(std::string::npos, cut.find("错误信息:")) << cut;
  EXPECT_NE(std::string::npos, cut.find("201")) << cut;
  EXPECT_NE(std::string::npos, cut.find("缓冲区长度")) << cut;
  // 10 MB into the default buffer: the report itself, nothing past the end (ASan watches).
  std::string huge = run("", "'x'.repeat(10*1024*1024)", 1024);
  EXPECT_NE(std::string::npos, huge.find("10485760")) << huge;
}

// A report that does not fit shrinks to a shorter whole form, so the V8 run still reads a failure
// with its line and message; below the marker's 8 bytes nothing at all is written, because any
// piece of a report would be shown as a successful value.
TEST(EngineLibrary, ReportsForTinyBuffersStayWholeReports) {
  const std::string brief = "结果长100字节，请增大缓冲区";
  struct Row {
    int length;
    std::string expected;
  } rows[] = {
      {100 + 1, std::string(100, 'x')},
      {27 + static_cast<int>(brief.size()) + 2, "错误所在行:\r\n0\r\n错误信息:\r\n" + brief + "\r\n"},
      {40, "错误信息:\r\n" + brief + "\r\n"},
      {23, "错误信息:\r\n缓冲区太小\r\n"},
      {22, "错误信息:\r\n\r\n"},
      {13, "错误信息:\r\n\r\n"},
      {12, "错误信息"},
      {8, "错误信息"},
      {7, ""},
      {1, ""},
  };
  for (const Row& row : rows) EXPECT_EQ(row.expected, run("", "'x'.repeat(100)", row.length)) << row.length;
  // The full report as soon as it fits.
  const std::string full = run("", "'x'.repeat(1000)", 200);
  EXPECT_EQ(0u, full.find("错误所在行:\r\n0\r\n错误信息:\r\nRangeError: 返回结果长度为 1000 字节")) << full;
  const std::string justFits = run("", "'x'.repeat(1000)", static_cast<int>(full.size()));
  EXPECT_EQ(full.size(), justFits.size());
  EXPECT_EQ(0u, justFits.find("错误所在行:\r\n0\r\n错误信息:\r\nRangeError: 返回结果长度为 1000 字节"));
}

// Loading the script, the call and the conversion of its value share one time limit.
TEST(EngineLibrary, OneTimeBudgetPerCall) {
  // The library runs with the 1500 ms limit set up above.
  const std::string busy = "var t = Date.now(); while (Date.now() - t < 900) {}";
  const std::string slowLoad = run(busy, "(function(){" + busy + " return 'late';})()");
  const std::string slowConvert =
      run(busy, "({toString: function(){" + busy + " return 'late';}})");
  for (const std::string& result : {slowLoad, slowConvert})
    EXPECT_NE(std::string::npos,
              result.find("错误信息:\r\nError: Script execution timed out after 1500ms\r\n"))
        << result;
  EXPECT_EQ("ok", run("", "'ok'"));
}

TEST(EngineLibrary, NoBufferGetsNothing) {
  Library& lib = library();
  ASSERT_NE(nullptr, lib.exec);
  char untouched[8] = "1234567";
  lib.exec(lib.context, "", "'abc'", untouched, 0);
  lib.exec(lib.context, "", "'abc'", untouched, -5);
  EXPECT_STREQ("1234567", untouched);
  lib.exec(lib.context, "", "'abc'", nullptr, 100);
  char fits[10];
  lib.exec(lib.context, nullptr, nullptr, fits, 9);
  EXPECT_STREQ("undefined", fits);
}

TEST(EngineLibrary, RunawayScriptsAreStoppedAndTheNextCallWorks) {
  std::string loop = run("function f(){ for(;;){} }", "f()");
  EXPECT_NE(std::string::npos, loop.find("错误信息:\r\nError: Script execution timed out")) << loop;
  EXPECT_EQ("ok", run("", "'ok'"));

  // Promise jobs count towards the limit too.
  std::string jobs = run("", "(async () => { for (;;) await 0; })(), 1");
  EXPECT_NE(std::string::npos, jobs.find("timed out")) << jobs;
  EXPECT_EQ("ok", run("", "'ok'"));

  std::string memory = run("var a = []; for (;;) a.push(new Array(100000).fill(a.length));", "1");
  EXPECT_NE(std::string::npos, memory.find("错误信息:")) << memory;
  EXPECT_EQ("ok", run("", "'ok'"));

  // Typed arrays live outside the V8 heap; they are bounded all the same. (Left unfilled, so the
  // limit and not the clock stops them, and no memory is really used.)
  std::string buffers = run("var a = []; for (;;) a.push(new Uint8Array(1e8));", "1");
  EXPECT_NE(std::string::npos, buffers.find("错误信息:\r\nRangeError: Array buffer allocation failed"))
      << buffers;
  EXPECT_EQ("ok", run("", "'ok'"));
  // WebAssembly's large reservations are not writable data and still work.
  EXPECT_EQ("65536", run("", "new WebAssembly.Memory({initial: 1}).buffer.byteLength"));
}

TEST(EngineLibrary, NodeKilledInTheMiddleOfACall) {
  ASSERT_EQ("ok", run("", "'ok'"));
  setenv("JSDEBUG_V8_TIMEOUT_MS", "20000", 1);
  std::string result;
  std::thread caller([&] { result = run("", "for(;;){}"); });
  // Wait until the call is under way, then take node away from it.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  killNode();
  caller.join();
  setenv("JSDEBUG_V8_TIMEOUT_MS", "1500", 1);
  EXPECT_NE(std::string::npos, result.find("V8 引擎进程意外退出")) << result;
  EXPECT_EQ("ok", run("", "'ok'"));
}

TEST(EngineLibrary, MissingNodeIsReported) {
  ASSERT_EQ("ok", run("", "'ok'"));
  killNode();
  setenv("JSDEBUG_NODE", "/nonexistent/node", 1);
  std::string result = run("", "'ok'");
  unsetenv("JSDEBUG_NODE");
  EXPECT_NE(std::string::npos, result.find("错误所在行:\r\n0\r\n错误信息:\r\nError: 找不到 node 程序"))
      << result;
  EXPECT_EQ("ok", run("", "'ok'"));
}

TEST(EngineLibrary, ConcurrentCallersEachGetTheirOwnResult) {
  std::vector<std::thread> threads;
  std::vector<std::string> results(4);
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&, t] {
      for (int round = 0; round < 10; ++round) {
        std::string expected = std::to_string(t * 100 + round);
        std::string got = run("function id(x){return x;}", "id(" + expected + ")");
        if (got != expected) results[t] += "round " + std::to_string(round) + ": " + got + "; ";
      }
    });
  for (auto& th : threads) th.join();
  for (const auto& r : results) EXPECT_EQ("", r);
}

}  // namespace
