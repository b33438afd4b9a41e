// Generating both E sources for a typical call, per call: the templates are built once, so a
// call costs the split, the call line and one pass of marker replacement.

#include <benchmark/benchmark.h>

#include "generate/ECode.h"

namespace {

void BM_SystemCallingCode(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(jsdebug::generate::systemCallingCode("test('abc', 123, \"x , y\")"));
}

void BM_V8CallingCode(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(jsdebug::generate::v8CallingCode("test('abc', 123, \"x , y\")", "1024"));
}

}  // namespace

BENCHMARK(BM_SystemCallingCode)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_V8CallingCode)->Repetitions(10)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
