// The engine library behind "V8运行", "jsfuck解密" and "UTF8解码":
// - the whole V8 run of the default code with test('abc',123), side by side with `node -e`
//   evaluating the same script and call as a fresh process, the peer a user would otherwise
//   reach for (compare the two medians);
// - jsfuck decoding of a 100 KB encoded input;
// - UTF-8 decoding of 1 MB.
// Run from the build tree (bin/bench_v8): v8.dll is loaded from beside the program.

#include <benchmark/benchmark.h>


#include <string>
#include <vector>

#include "bench/PeerProcess.h"
#include "bench/SampleRun.h"
#include "engine/V8Bridge.h"
#include "platform/Ticks.h"
#include "transform/JsfuckDecoder.h"
#include "transform/Utf8Decoding.h"
#include "workflow/HeadlessWorkbench.h"
#include "workflow/V8Run.h"


namespace {

using namespace jsdebug;

constexpr const char* kDefaultCode = workflow::kSampleScript;
constexpr const char* kCall = bench::kSampleCall;

engine::V8Bridge& startedBridge() { return bench::startedV8Bridge(); }

void BM_V8Run(benchmark::State& state) {
  engine::V8Bridge& bridge = startedBridge();
  workflow::HeadlessWorkbench bench;
  bench.editor().setText(kDefaultCode);
  bench.callBox = kCall;
  for (auto _ : state) workflow::v8RunCommand(bench, bridge, platform::tickCount);
  if (bench.log.find("abc123") == std::string::npos) state.SkipWithError("the run did not return abc123");
}

// What a user types instead: node -e "<script>;console.log(<call>)", a fresh process each time.
void BM_NodeEval(benchmark::State& state) {
  const std::string program = std::string(kDefaultCode) + ";\nconsole.log(" + kCall + ")";
  jsdebug::bench::timePeerProcess(state, {"node", "-e", program});
}

// Plain text spelled with the letters jsfuck reaches without help (false, true, undefined, NaN)
// and digits, joined by "+" into one expression of at least `bytes` bytes.
std::string jsfuckText(std::size_t bytes) {
  auto number = [](int n) {
    if (n == 0) return std::string("+[]");
    std::string e = "+!![]";
    for (int i = 1; i < n; ++i) e += "+!![]";
    return e;
  };
  auto letter = [&](const char* source, int index) {
    std::string e = "(";
    e += source;
    e += "+[])[";
    e += number(index);
    e += "]";
    return e;
  };
  const std::vector<std::string> pieces = {
      letter("![]", 0),   letter("![]", 1),  letter("![]", 2),   letter("![]", 3),  // f a l s
      letter("!![]", 0),  letter("!![]", 1), letter("!![]", 2),  letter("!![]", 3),  // t r u e
      letter("[][[]]", 1), letter("[][[]]", 2), letter("[][[]]", 5),               // n d i
      letter("+[![]]", 0), letter("!![]+!![]+!![]+!![]+!![]+!![]+!![]", 0),                                // N 7
  };
  std::string text;
  for (std::size_t i = 0; text.size() < bytes; ++i) {
    if (!text.empty()) text += "+";
    text += pieces[i % pieces.size()];
  }
  return text;
}

void BM_JsfuckDecode100KB(benchmark::State& state) {
  engine::V8Bridge& bridge = startedBridge();
  const std::string encoded = jsfuckText(100 * 1024);
  workflow::HeadlessWorkbench bench;
  for (auto _ : state) {
    state.PauseTiming();
    bench.editor().setText(encoded);
    state.ResumeTiming();
    transform::decodeJsfuck(bench, bridge);
  }
  if (bench.editor().wholeText().rfind("falstruendiN7", 0) != 0)
    state.SkipWithError("the decoding did not give the text");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(encoded.size()));
}

// 1 MB of UTF-8, one third of it Chinese, as a file saved by an editor in UTF-8 reads.
std::string utf8Script(std::size_t bytes) {
  const std::string line = "function \xE6\xB5\x8B\xE8\xAF\x95(a){return a+'\xE4\xB8\xAD\xE6\x96\x87';} // "
                           "\xE6\xB3\xA8\xE9\x87\x8A\r\n";
  std::string text;
  while (text.size() + line.size() <= bytes) text += line;
  text.append(bytes - text.size(), 'x');
  return text;
}

void BM_Utf8Decode1MB(benchmark::State& state) {
  engine::V8Bridge& bridge = engine::v8Bridge();  // the code-page entries only; no engine needed
  const std::string utf8 = utf8Script(1 << 20);
  workflow::HeadlessWorkbench bench;
  for (auto _ : state) {
    state.PauseTiming();
    bench.editor().setText(utf8);
    state.ResumeTiming();
    transform::utf8DecodeCommand(bench, bridge);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(utf8.size()));
}

}  // namespace

BENCHMARK(BM_V8Run)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_NodeEval)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_JsfuckDecode100KB)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_Utf8Decode1MB)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
