// What the "浏览器环境" switch costs a run: "V8运行" and "系统引擎运行" of the default code with
// the environment off (argument 0) and on (1). The difference of the two medians is the cost of
// installing the environment (and, in V8, of the console's and the notes' round trip).
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

}  // namespace

BENCHMARK(BM_V8Run)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_SystemEngineRun)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
