// The script host behind "系统引擎运行": the whole command on the default code (reset, load,
// call, log), a CPU-heavy call (an MD5 written in JavaScript over a 100 KB string), and how soon
// a runaway regular expression is stopped. The system run beside a bare Duktape heap doing the
// same work twice over: back to back, and as the user meets it, runs apart.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <thread>

#include "duktape.h"
#include "workflow/UrlLoading.h"
#include "engine/DebugSession.h"
#include "engine/ScriptEngine.h"
#include "engine/ScriptHost.h"
#include "platform/Ticks.h"
#include "workflow/Debugging.h"
#include "workflow/HeadlessWorkbench.h"

namespace {

// The window's initial script, as "系统引擎运行" meets it.
constexpr const char* kDefaultCode = jsdebug::workflow::kSampleScript;

// A plain MD5 over the string's UTF-16 code units taken as bytes (ASCII input), returning hex.
constexpr const char* kJsMd5 = R"JS(
function md5(s) {
  function add(x, y) { return (x + y) | 0; }
  function rol(x, c) { return (x << c) | (x >>> (32 - c)); }
  var K = [], S = [7,12,17,22,7,12,17,22,7,12,17,22,7,12,17,22,5,9,14,20,5,9,14,20,5,9,14,20,
           5,9,14,20,4,11,16,23,4,11,16,23,4,11,16,23,4,11,16,23,6,10,15,21,6,10,15,21,6,10,
           15,21,6,10,15,21];
  for (var i = 0; i < 64; i++) K[i] = (Math.abs(Math.sin(i + 1)) * 4294967296) | 0;
  var n = s.length, words = [], total = ((n + 8) >>> 6) + 1;
  for (i = 0; i < total * 16; i++) words[i] = 0;
  for (i = 0; i < n; i++) words[i >> 2] |= (s.charCodeAt(i) & 255) << ((i % 4) * 8);
  words[n >> 2] |= 0x80 << ((n % 4) * 8);
  words[total * 16 - 2] = n * 8;
  var a0 = 0x67452301, b0 = 0xefcdab89 | 0, c0 = 0x98badcfe | 0, d0 = 0x10325476;
  for (var blk = 0; blk < words.length; blk += 16) {
    var a = a0, b = b0, c = c0, d = d0;
    for (var j = 0; j < 64; j++) {
      var f, g;
      if (j < 16) { f = (b & c) | (~b & d); g = j; }
      else if (j < 32) { f = (d & b) | (~d & c); g = (5 * j + 1) % 16; }
      else if (j < 48) { f = b ^ c ^ d; g = (3 * j + 5) % 16; }
      else { f = c ^ (b | ~d); g = (7 * j) % 16; }
      var t = d; d = c; c = b;
      b = add(b, rol(add(add(a, f), add(K[j], words[blk + g])), S[j]));
      a = t;
    }
    a0 = add(a0, a); b0 = add(b0, b); c0 = add(c0, c); d0 = add(d0, d);
  }
  var out = "", all = [a0, b0, c0, d0];
  for (i = 0; i < 4; i++)
    for (j = 0; j < 4; j++) out += ((all[i] >>> (j * 8)) & 255 | 256).toString(16).substr(1);
  return out;
}
var input = (function () { var p = "", i; for (i = 0; i < 1024; i++) p += "abcdefghij"; return p; })();
input = input + input; input = input + input; input = input + input;
input = input.substr(0, 102400);
)JS";

void BM_SystemEngineRun(benchmark::State& state) {
  jsdebug::workflow::HeadlessWorkbench bench;
  jsdebug::engine::ScriptEngine engine([](const std::string&) {});
  bench.memoryEditor.setText(kDefaultCode);
  bench.callBox = "test('abc',123)";
  for (auto _ : state)
    jsdebug::workflow::systemRunCommand(bench, engine, jsdebug::platform::tickCount);
  if (bench.log.find("abc123") == std::string::npos) state.SkipWithError("no result in the log");
}

void BM_JsMd5Over100KB(benchmark::State& state) {
  jsdebug::engine::ScriptEngine engine([](const std::string&) {});
  if (!engine.LoadCode(kJsMd5)) state.SkipWithError("MD5 script did not load");
  std::string digest;
  for (auto _ : state) digest = engine.CallFunction("md5", "input");
  if (digest.size() != 32) state.SkipWithError("no digest");
}

// The same MD5 with a debugging session attached and no breakpoint set (调试运行 without
// breakpoints): what being debuggable costs a run.
void BM_JsMd5Over100KBDebugged(benchmark::State& state) {
  jsdebug::engine::ScriptEngine engine([](const std::string&) {});
  jsdebug::engine::DebugSession session;
  engine.AttachDebugger(&session);
  engine.Reset();
  if (!engine.LoadCode(kJsMd5)) state.SkipWithError("MD5 script did not load");
  std::string digest;
  for (auto _ : state) digest = engine.CallFunction("md5", "input");
  engine.AttachDebugger(nullptr);
  session.runEnded();
  if (digest.size() != 32) state.SkipWithError("no digest");
}

// The host's share of a run: a fresh heap (with the JScript profile), the default code, the call.
void BM_HostResetLoadCall(benchmark::State& state) {
  auto host = jsdebug::engine::createScriptHost(jsdebug::engine::kScriptControlProgId);
  std::string result;
  for (auto _ : state) {
    host->reset();
    host->addCode(kDefaultCode);
    result = host->eval("test('abc',123)");
  }
  if (result != "abc123") state.SkipWithError("no result");
}

// The same on a bare Duktape heap: what the host's own work is measured against.
void BM_RawDuktapeResetLoadCall(benchmark::State& state) {
  std::string result;
  for (auto _ : state) {
    duk_context* ctx = duk_create_heap_default();
    duk_peval_string_noresult(ctx, kDefaultCode);
    if (duk_peval_string(ctx, "test('abc',123)") == 0) result = duk_safe_to_string(ctx, -1);
    duk_destroy_heap(ctx);
  }
  if (result != "abc123") state.SkipWithError("no result");
}

// Runs as the user makes them, a click apart: each run timed on its own (the Time column, wall
// clock), then a pause that is not timed. The CPU column is the whole process's processor time
// per run, pause included, so that work a host does in the background between runs counts.
template <class Run>
void timeRunsApart(benchmark::State& state, Run run) {
  for (auto _ : state) {
    auto start = std::chrono::steady_clock::now();
    run();
    auto end = std::chrono::steady_clock::now();
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

void BM_SystemRunApart(benchmark::State& state) {
  jsdebug::workflow::HeadlessWorkbench bench;
  jsdebug::engine::ScriptEngine engine([](const std::string&) {});
  bench.memoryEditor.setText(kDefaultCode);
  bench.callBox = "test('abc',123)";
  jsdebug::workflow::systemRunCommand(bench, engine, jsdebug::platform::tickCount);
  timeRunsApart(state, [&] {
    jsdebug::workflow::systemRunCommand(bench, engine, jsdebug::platform::tickCount);
  });
  if (bench.log.find("abc123") == std::string::npos) state.SkipWithError("no result in the log");
}

void BM_HostResetLoadCallApart(benchmark::State& state) {
  auto host = jsdebug::engine::createScriptHost(jsdebug::engine::kScriptControlProgId);
  host->reset();
  std::string result;
  timeRunsApart(state, [&] {
    host->reset();
    host->addCode(kDefaultCode);
    result = host->eval("test('abc',123)");
  });
  if (result != "abc123") state.SkipWithError("no result");
}

void BM_RawDuktapeResetLoadCallApart(benchmark::State& state) {
  std::string result;
  timeRunsApart(state, [&] {
    duk_context* ctx = duk_create_heap_default();
    duk_peval_string_noresult(ctx, kDefaultCode);
    if (duk_peval_string(ctx, "test('abc',123)") == 0) result = duk_safe_to_string(ctx, -1);
    duk_destroy_heap(ctx);
  });
  if (result != "abc123") state.SkipWithError("no result");
}

// How far past its time limit a regular expression that backtracks without end is stopped: the
// call's time with a 1,000 ms limit (the counter overrun_ms is the time beyond the limit).
void BM_BacktrackingRegexpStops(benchmark::State& state) {
  auto host = jsdebug::engine::createScriptHost(jsdebug::engine::kScriptControlProgId);
  host->setTimeout(1000);
  host->addCode("function t() { return /(a+)+$/.test('aaaaaaaaaaaaaaaaaaaaaaaaaa!'); }");
  double overrun = 0;
  for (auto _ : state) {
    std::uint32_t start = jsdebug::platform::tickCount();
    host->eval("t()");
    overrun = static_cast<double>(jsdebug::platform::tickCount() - start) - 1000.0;
  }
  state.counters["overrun_ms"] = overrun;
  if (host->error().Number != "-2147467260") state.SkipWithError("not stopped by the time limit");
}

}  // namespace

BENCHMARK(BM_BacktrackingRegexpStops)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_HostResetLoadCall)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->UseRealTime()->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_RawDuktapeResetLoadCall)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->UseRealTime()->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_SystemEngineRun)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->UseRealTime()->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_HostResetLoadCallApart)->Unit(benchmark::kMicrosecond)->UseManualTime()->MeasureProcessCPUTime()->Iterations(100)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_RawDuktapeResetLoadCallApart)->Unit(benchmark::kMicrosecond)->UseManualTime()->MeasureProcessCPUTime()->Iterations(100)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_SystemRunApart)->Unit(benchmark::kMicrosecond)->UseManualTime()->MeasureProcessCPUTime()->Iterations(100)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_JsMd5Over100KB)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_JsMd5Over100KBDebugged)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
