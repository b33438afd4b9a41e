// The codec on 1 MB of mixed GBK text (one third Chinese, stray bytes included), both directions.

#include <benchmark/benchmark.h>

#include <string>

#include "text/Codec.h"

namespace {

std::string mixedGbk(std::size_t bytes) {
  // "function 测试(a){return a+'中文';}\r\n" with an occasional byte that forms no character.
  const std::string line = "function \xB2\xE2\xCA\xD4(a){return a+'\xD6\xD0\xCE\xC4';} // \xD7\xA2\xCA\xCD\r\n";
  std::string text;
  while (text.size() < bytes) {
    text += line;
    if (text.size() % 7 == 0) text += '\x80';
  }
  text.resize(bytes);
  return text;
}

void BM_GbkToUtf8(benchmark::State& state) {
  const std::string gbkText = mixedGbk(1 << 20);
  for (auto _ : state) benchmark::DoNotOptimize(jsdebug::gbk::toUtf8(gbkText));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(gbkText.size()));
}

void BM_Utf8ToGbk(benchmark::State& state) {
  const std::string utf8 = jsdebug::gbk::toUtf8(mixedGbk(1 << 20));
  for (auto _ : state) benchmark::DoNotOptimize(jsdebug::gbk::fromUtf8(utf8));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(utf8.size()));
}

void BM_GbkToUtf16(benchmark::State& state) {
  const std::string gbkText = mixedGbk(1 << 20);
  for (auto _ : state) benchmark::DoNotOptimize(jsdebug::gbk::toUtf16(gbkText));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(gbkText.size()));
}

}  // namespace

BENCHMARK(BM_GbkToUtf8)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Utf8ToGbk)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_GbkToUtf16)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
