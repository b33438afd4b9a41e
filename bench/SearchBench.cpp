// Replace all and quick find on the real CodeEditor with a script holding Chinese text: 10,000
// matches per MB, at 1 MB and 2 MB, and 10,000 matches in 2 MB. Per-step costs that grow with
// the document show as a fourfold time for the doubled size at the same density. Replace all
// also runs on a minified script, the whole text on one line.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <string>

#include "editor/CodeEditor.h"
#include "workflow/FindReplace.h"
#include "workflow/QuickFind.h"
#include "workflow/HeadlessWorkbench.h"

namespace {

using namespace jsdebug;

const std::string kName = "旧名字";

// Lines of about 105 bytes with Chinese comments and strings; `matches` of them carry the name,
// spread evenly over the text. Without line breaks it is one line, as a minified script is.
std::string scriptWithMatches(std::size_t bytes, int matches, bool lineBreaks = true) {
  const std::string end = lineBreaks ? " // 注释：处理数据 x\r\n" : "/*注释：处理数据 x*/  ";
  const std::string plain = "    var 结果 = 计算(参数, 'abc', \"中文字符串\");" + end;
  const std::string marked = "    var 结果 = " + kName + "(参数, 'abc', \"中文\");" + end;
  const std::size_t lines = bytes / plain.size();
  const std::size_t every = std::max<std::size_t>(1, lines / static_cast<std::size_t>(matches));
  std::string script;
  script.reserve(bytes + 128);
  int placed = 0;
  for (std::size_t line = 0; line < lines; ++line) {
    const bool mark = line % every == 0 && placed < matches;
    script += mark ? marked : plain;
    placed += mark;
  }
  return script;
}

class EditorBench : public workflow::HeadlessWorkbench {
 public:
  workflow::EditorOperations& editor() override { return codeEditor; }
  editor::CodeEditor codeEditor;
};

struct Panel : workflow::ReplacePanel {
  std::string findBoxText() override { return kName; }
  void addFindBoxEntry(const std::string&) override {}
  bool wholeWordChecked() override { return false; }
  bool matchCaseChecked() override { return false; }
  bool regExpChecked() override { return false; }
  bool searchDownChecked() override { return true; }
  void setAlwaysOnTop(bool) override {}
  std::string replaceBoxText() override { return "newName"; }
};

void BM_ReplaceAll(benchmark::State& state) {
  const auto megabytes = static_cast<std::size_t>(state.range(0));
  const auto matches = static_cast<int>(state.range(1));
  const std::string script = scriptWithMatches(megabytes << 20, matches, state.range(2) != 0);
  EditorBench bench;
  Panel panel;
  workflow::ReplaceMatch match;
  for (auto _ : state) {
    state.PauseTiming();
    bench.codeEditor.setText(script);
    state.ResumeTiming();
    const int count = workflow::replaceAll(bench, panel, match);
    if (count != matches) state.SkipWithError("wrong count");
  }
  state.counters["matches"] = matches;
}

// The editor holding the script of the arguments' size and matches, the name in the find box.
struct QuickFindBench : EditorBench {
  explicit QuickFindBench(const benchmark::State& state)
      : matches(static_cast<int>(state.range(1))),
        script(scriptWithMatches(static_cast<std::size_t>(state.range(0)) << 20, matches)) {
    findBox = kName;
    codeEditor.setText(script);
  }
  const int matches;
  const std::string script;
};

void BM_QuickFindWalk(benchmark::State& state) {
  QuickFindBench bench(state);
  const int matches = bench.matches;
  for (auto _ : state) {
    workflow::QuickFindState quick;
    for (int press = 0; press < matches; ++press) workflow::quickFind(bench, quick);
    if (!bench.messages.empty()) state.SkipWithError("a match was not found");
  }
  state.counters["matches"] = matches;
}

// "向上" from the last match back to the first.
void BM_QuickFindWalkUp(benchmark::State& state) {
  QuickFindBench bench(state);
  const int matches = bench.matches;
  for (auto _ : state) {
    state.PauseTiming();
    workflow::QuickFindState quick;
    bench.searchDown = true;
    for (int press = 0; press < matches; ++press) workflow::quickFind(bench, quick);
    bench.searchDown = false;
    state.ResumeTiming();
    for (int press = 1; press < matches; ++press) workflow::quickFind(bench, quick);
    if (!bench.messages.empty() || quick.matchStart != static_cast<int>(bench.script.find(kName)))
      state.SkipWithError("the walk did not reach the first match");
  }
  state.counters["matches"] = matches;
}

void sizes(benchmark::internal::Benchmark* b) {
  b->Args({1, 10000})->Args({2, 20000})->Args({2, 10000});
  b->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
}

}  // namespace

// The last argument: 1 with line breaks, 0 all on one line.
void replaceSizes(benchmark::internal::Benchmark* b) {
  b->Args({1, 10000, 1})->Args({2, 20000, 1})->Args({2, 10000, 1});
  b->Args({1, 10000, 0})->Args({2, 20000, 0});
  b->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
}

BENCHMARK(BM_ReplaceAll)->Apply(replaceSizes)->Iterations(1);
BENCHMARK(BM_QuickFindWalk)->Apply(sizes)->Iterations(1);
BENCHMARK(BM_QuickFindWalkUp)->Apply(sizes)->Iterations(1);

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
