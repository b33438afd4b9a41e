// 转为JScript's conversion of 1 MB (the rewriter's to-jscript operation in its node child, the
// text crossing the door both ways): an ES5 library (lodash 4 twice: only the ES3 pass runs) and
// an ES2015+ script (the class script of the tests, repeated in functions of their own: every
// pass runs). The child is started and warmed before the timing; the goal is under 2 s.

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>

#include "rewrite/Rewriter.h"

namespace {

std::string dataFile(const std::string& name) {
  std::ifstream in(std::string(JSDEBUG_SOURCE_DIR) + "/tests/data/rewrite/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string oneMegabyteOf(const std::string& piece, bool wrap) {
  std::string script;
  while (script.size() < 1024 * 1024) script += wrap ? "(function () {\n" + piece + "\n})();\n" : piece + "\n";
  return script;
}

void convert(benchmark::State& state, const std::string& script) {
  jsdebug::rewrite::Rewriter& rewriter = jsdebug::rewrite::rewriter();
  if (!rewriter.run("to-jscript", "var warm = () => 1;").ok()) {
    state.SkipWithError("the rewriter cannot start (node or Babel missing)");
    return;
  }
  for (auto _ : state) {
    const jsdebug::rewrite::Outcome out = rewriter.run("to-jscript", script);
    if (!out.ok() || !out.problems.empty()) {
      state.SkipWithError(out.ok() ? out.problems.front().message.c_str() : out.failure.c_str());
      return;
    }
    benchmark::DoNotOptimize(out.text.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * script.size()));
}

void BM_ToJScript_ES5Library_1MB(benchmark::State& state) {
  static const std::string script = oneMegabyteOf(dataFile("lodash-4.17.21.js"), false);
  convert(state, script);
}
BENCHMARK(BM_ToJScript_ES5Library_1MB)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_ToJScript_ES2015Script_1MB(benchmark::State& state) {
  static const std::string script = oneMegabyteOf(dataFile("es2015-classes.js"), true);
  convert(state, script);
}
BENCHMARK(BM_ToJScript_ES2015Script_1MB)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
