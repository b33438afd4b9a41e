// What the "浏览器环境" switch costs a run: "V8运行" and "系统引擎运行" of the default code with
// the environment off (argument 0) and on (1). The difference of the two medians is the cost of
// installing the environment (and, in V8, of the console's and the notes' round trip).
// BM_V8WindowReads: what reading global names through window costs in V8 (see below).
// Run from the build tree (bin/bench_browser_environment): v8.dll is loaded from beside it.

#include <benchmark/benchmark.h>

#include <string>

#include "bench/SampleRun.h"
#include "engine/V8Bridge.h"
#include "platform/Ticks.h"
#include "workflow/Debugging.h"
#include "workflow/HeadlessWorkbench.h"
#include "workflow/V8Run.h"

namespace {

using namespace jsdebug;

constexpr const char* kDefaultCode = workflow::kSampleScript;
constexpr const char* kCall = bench::kSampleCall;

engine::V8Bridge& startedBridge() { return bench::startedV8Bridge(); }

void setUp(workflow::HeadlessWorkbench& bench, benchmark::State& state) {
  bench.editor().setText(kDefaultCode);
  bench.callBox = kCall;
  bench.browserEnvironment = state.range(0) != 0;
}

void BM_V8Run(benchmark::State& state) {
  engine::V8Bridge& bridge = startedBridge();
  workflow::HeadlessWorkbench bench;
  setUp(bench, state);
  for (auto _ : state) workflow::v8RunCommand(bench, bridge, platform::tickCount);
  if (bench.log.find("abc123") == std::string::npos) state.SkipWithError("the run did not return abc123");
}

void BM_SystemEngineRun(benchmark::State& state) {
  workflow::HeadlessWorkbench bench;
  setUp(bench, state);
  engine::ScriptEngine engine([](const std::string&) {});
  for (auto _ : state) workflow::systemRunCommand(bench, engine, platform::tickCount);
  if (bench.log.find("abc123") == std::string::npos) state.SkipWithError("the run did not return abc123");
}

// With the environment on, 100,000 reads of a global name bare (argument 0) and through
// window (1): in V8 window is a stand-in that notes missing names, and this is its price.
void BM_V8WindowReads(benchmark::State& state) {
  engine::V8Bridge& bridge = startedBridge();
  workflow::HeadlessWorkbench bench;
  bench.editor().setText(state.range(0) != 0
                             ? "function f(){ var s = 0; for (var i = 0; i < 100000; i++) s += window.innerWidth; return s }"
                             : "function f(){ var s = 0; for (var i = 0; i < 100000; i++) s += innerWidth; return s }");
  bench.callBox = "f()";
  bench.browserEnvironment = true;
  for (auto _ : state) workflow::v8RunCommand(bench, bridge, platform::tickCount);
  if (bench.log.find("128000000") == std::string::npos) state.SkipWithError("the run did not return 128000000");
}

}  // namespace

BENCHMARK(BM_V8WindowReads)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_V8Run)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_SystemEngineRun)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
