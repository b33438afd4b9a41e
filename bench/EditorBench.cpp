// The CodeEditor's GBK operations on a script that is one third Chinese: whole-text reads and
// writes on 1 MB, find + select walking 10,000 matches, and the cost of one position conversion
// at 256 KB and at 4 MB (it should not grow with the document), beside converting the prefix,
// which is what a converter without marks would do.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <Qsci/qsciscintillabase.h>

#include "editor/CodeEditor.h"
#include "text/Codec.h"

namespace {

using jsdebug::editor::CodeEditor;

// A line of script whose bytes are about one third Chinese, with one "目标" in each line.
std::string script(std::size_t bytes) {
  const std::string line = "var name = \"中文内容\"; if (a > 1) { run(name); } // 目标注释\r\n";
  std::string text;
  while (text.size() < bytes) text += line;
  text.resize(bytes - bytes % line.size());
  return text;
}

// One editor per size, built once: setting 4 MB is itself what the set-text benchmark measures.
CodeEditor& editorWith(std::size_t bytes) {
  static std::map<std::size_t, std::unique_ptr<CodeEditor>> editors;
  auto& slot = editors[bytes];
  if (!slot) {
    slot = std::make_unique<CodeEditor>();
    slot->setText(script(bytes));
  }
  return *slot;
}

std::vector<int> randomPositions(int length) {
  std::mt19937 rng(5);
  std::vector<int> out(4096);
  for (int& p : out) p = static_cast<int>(rng() % static_cast<unsigned>(length));
  return out;
}

void BM_GetText(benchmark::State& state) {
  CodeEditor& editor = editorWith(1 << 20);
  for (auto _ : state) benchmark::DoNotOptimize(editor.getText(editor.getLength()));
  state.SetBytesProcessed(state.iterations() * editor.getLength());
}

void BM_SetText(benchmark::State& state) {
  CodeEditor editor;
  const std::string text = script(1 << 20);
  for (auto _ : state) editor.setText(text);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

void BM_GetLength(benchmark::State& state) {
  CodeEditor& editor = editorWith(1 << 20);
  for (auto _ : state) benchmark::DoNotOptimize(editor.getLength());
}

// One iteration = one findText from the previous match to the end + one setSelection.
void BM_FindAndSelect(benchmark::State& state) {
  CodeEditor& editor = editorWith(1 << 20);
  const std::string needle = "目标";
  int from = 0;
  for (auto _ : state) {
    auto found =
        editor.findText(jsdebug::workflow::kFindMatchCase, from, editor.getLength(), needle);
    if (!found.found)
      found = editor.findText(jsdebug::workflow::kFindMatchCase, 0, editor.getLength(), needle);
    editor.setSelection(found.start, found.end);
    from = found.end;
  }
}

// One conversion each way with little else: the line of a random GBK position (GBK to UTF-8
// and Scintilla's line lookup), and the byte there (both ways and a few bytes converted).
void BM_PositionConversion(benchmark::State& state) {
  CodeEditor& editor = editorWith(static_cast<std::size_t>(state.range(0)));
  const std::vector<int> positions = randomPositions(editor.getLength());
  std::size_t k = 0;
  for (auto _ : state) {
    const int pos = positions[k++ % positions.size()];
    benchmark::DoNotOptimize(editor.lineFromPosition(pos));
    benchmark::DoNotOptimize(editor.getCharAt(pos));
  }
}

// What Scintilla itself spends on find + select, on UTF-8 positions without conversion.
void BM_FindAndSelectUnconverted(benchmark::State& state) {
  CodeEditor& editor = editorWith(1 << 20);
  QsciScintillaBase* sci = editor.editingWindow();
  const std::string needle = jsdebug::gbk::toUtf8("目标");
  long from = 0;
  const long length = sci->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
  for (auto _ : state) {
    sci->SendScintilla(QsciScintillaBase::SCI_SETTARGETSTART, static_cast<unsigned long>(from));
    sci->SendScintilla(QsciScintillaBase::SCI_SETTARGETEND, static_cast<unsigned long>(length));
    sci->SendScintilla(QsciScintillaBase::SCI_SETSEARCHFLAGS, 4UL);
    long start = sci->SendScintilla(QsciScintillaBase::SCI_SEARCHINTARGET, needle.size(), needle.c_str());
    if (start < 0) start = 0;
    const long end = sci->SendScintilla(QsciScintillaBase::SCI_GETTARGETEND);
    sci->SendScintilla(QsciScintillaBase::SCI_SETSEL, static_cast<unsigned long>(start), end);
    from = end;
  }
}

// The same conversion done by converting the text before the position.
void BM_PrefixConversion(benchmark::State& state) {
  const std::string utf8 = jsdebug::gbk::toUtf8(script(static_cast<std::size_t>(state.range(0))));
  const std::vector<int> positions = randomPositions(static_cast<int>(utf8.size()));
  std::size_t k = 0;
  for (auto _ : state) {
    const auto end = static_cast<std::size_t>(positions[k++ % positions.size()]);
    benchmark::DoNotOptimize(jsdebug::gbk::fromUtf8(std::string_view(utf8).substr(0, end)).size());
  }
}

// Typing one Chinese character in the middle: the edit's bookkeeping plus two conversions.
void BM_TypeInTheMiddle(benchmark::State& state) {
  CodeEditor& editor = editorWith(static_cast<std::size_t>(state.range(0)));
  const int middle = editor.getLength() / 2;
  for (auto _ : state) {
    editor.moveCaretToPos(middle);
    editor.replaceSelection("中");
  }
}

// The same typing in a bare QScintilla widget holding the same UTF-8: what QScintilla itself
// spends per edit (its accessibility notice counts the characters before the edit).
void BM_TypeInTheMiddleBareWidget(benchmark::State& state) {
  using Sci = QsciScintillaBase;
  Sci widget;
  widget.SendScintilla(Sci::SCI_SETCODEPAGE, static_cast<unsigned long>(Sci::SC_CP_UTF8));
  const std::string utf8 = jsdebug::gbk::toUtf8(script(static_cast<std::size_t>(state.range(0))));
  widget.SendScintilla(Sci::SCI_SETTEXT, 0UL, utf8.c_str());
  const auto middle = static_cast<unsigned long>(utf8.size() / 2);
  const std::string typed = jsdebug::gbk::toUtf8("中");
  for (auto _ : state) {
    widget.SendScintilla(Sci::SCI_GOTOPOS, middle);
    widget.SendScintilla(Sci::SCI_REPLACESEL, 0UL, typed.c_str());
  }
}

}  // namespace

#define MEDIANS Repetitions(5)->ReportAggregatesOnly(true)
BENCHMARK(BM_GetText)->Unit(benchmark::kMillisecond)->MEDIANS;
BENCHMARK(BM_SetText)->Unit(benchmark::kMillisecond)->MEDIANS;
BENCHMARK(BM_GetLength)->MEDIANS;
BENCHMARK(BM_FindAndSelect)->Iterations(10000)->Unit(benchmark::kMicrosecond)->MEDIANS;
BENCHMARK(BM_FindAndSelectUnconverted)->Iterations(10000)->Unit(benchmark::kMicrosecond)->MEDIANS;
BENCHMARK(BM_PositionConversion)->Arg(256 << 10)->Arg(4 << 20)->Unit(benchmark::kMicrosecond)->MEDIANS;
BENCHMARK(BM_PrefixConversion)->Arg(256 << 10)->Arg(4 << 20)->Unit(benchmark::kMicrosecond)->MEDIANS;
BENCHMARK(BM_TypeInTheMiddle)->Arg(256 << 10)->Arg(4 << 20)->Iterations(200)->Unit(benchmark::kMicrosecond)->MEDIANS;
BENCHMARK(BM_TypeInTheMiddleBareWidget)->Arg(256 << 10)->Arg(4 << 20)->Iterations(200)->Unit(benchmark::kMicrosecond)->MEDIANS;

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
