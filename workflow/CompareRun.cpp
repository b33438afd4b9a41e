#include "workflow/CompareRun.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "engine/HostReport.h"
#include "engine/VariantText.h"
#include "engine/jscript/Refusal.h"
#include "text/Codec.h"
#include "text/Text.h"
#include "v8engine/Report.h"
#include "workflow/CallBox.h"
#include "workflow/OutputLog.h"

namespace jsdebug::workflow {
namespace {

// Values up to this many characters are read at a glance; longer ones get the position where
// they part.
constexpr std::size_t kShortValue = 32;
// How much of each value the position line quotes from where they part.
constexpr std::size_t kQuotedCharacters = 16;

// Worded as the headers of the load and run blocks, without their "!!".
constexpr const char* kLoadFailed = "代码加载失败";
constexpr const char* kRunFailed = "代码运算失败";

std::string numberText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.13g", value);
  return text;
}

std::string timesText(const std::vector<std::uint32_t>& ms) {
  std::vector<std::uint32_t> sorted = ms;
  std::sort(sorted.begin(), sorted.end());
  const std::size_t n = sorted.size();
  const double median = n % 2 ? sorted[n / 2] : (static_cast<double>(sorted[n / 2 - 1]) + sorted[n / 2]) / 2;
  return "最短 " + numberText(sorted.front()) + " 毫秒，中位 " + numberText(median) + " 毫秒";
}

// The system engine's text for what V8 wrote, when V8's text is one the system engine writes
// differently: a truth value, undefined or null, a number.
std::optional<std::string> asTheSystemEngineWrites(const std::string& v8) {
  if (v8 == "true") return std::string("-1");
  if (v8 == "false") return std::string("0");
  if (v8 == "undefined" || v8 == "null") return std::string();
  if (v8.empty() || v8.front() == ' ' || v8.size() > 40) return std::nullopt;
  // Only a text String(number) could have written: digits, sign, point, exponent.
  if (v8.find_first_not_of("0123456789+-.e") != std::string::npos) return std::nullopt;
  char* end = nullptr;
  const double value = std::strtod(v8.c_str(), &end);
  if (end != v8.c_str() + v8.size()) return std::nullopt;
  return engine::numberToVariantText(value);
}

// Characters (a GBK double byte is one) before byte `bytes` of `text`.
std::size_t characters(std::string_view text, std::size_t bytes) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < bytes && i < text.size(); i += static_cast<std::size_t>(gbk::charLength(text, i)))
    ++count;
  return count;
}

std::string quoted(std::string_view text, std::size_t from) {
  if (from >= text.size()) return "（到此结束）";
  std::size_t end = from;
  for (std::size_t n = 0; n < kQuotedCharacters && end < text.size(); ++n)
    end += static_cast<std::size_t>(gbk::charLength(text, end));
  return "“" + std::string(text.substr(from, end - from)) + (end < text.size() ? "…”" : "”");
}

// Where two differing texts part: the position line, or nothing for short values.
std::string partingLine(const std::string& a, const std::string& b) {
  if (characters(a, a.size()) <= kShortValue && characters(b, b.size()) <= kShortValue) return {};
  std::size_t i = 0;
  while (i < a.size() && i < b.size()) {
    const int length = gbk::charLength(a, i);
    if (a.compare(i, static_cast<std::size_t>(length), b, i, static_cast<std::size_t>(length)) != 0)
      break;
    i += static_cast<std::size_t>(length);
  }
  return "第一处不同在第 " + std::to_string(characters(a, i) + 1) + " 个字符：系统引擎为" +
         quoted(a, i) + "，V8 为" + quoted(b, i) + "（两者分别长 " +
         std::to_string(characters(a, a.size())) + " 和 " + std::to_string(characters(b, b.size())) +
         " 个字符）\r\n\r\n";
}

std::string engineSection(const std::string& name, int runs, const EngineOutcome& o) {
  if (o.failed) {
    std::string head = name + "：" + o.failureKind;
    if (o.failedRun > 1) head += "（第 " + std::to_string(o.failedRun) + " 次运行）";
    return head + "\r\n" + o.text + "\r\n\r\n";
  }
  std::string section = name + "：" + timesText(o.milliseconds) + "\r\n返回内容：" + o.text + "\r\n\r\n";
  if (o.varied)
    section += "注意：" + name + " " + std::to_string(runs) + " 次运行的结果不全相同，上面是第一次的\r\n\r\n";
  return section;
}

EngineOutcome runSystemEngine(Workbench& bench, engine::ScriptEngine& engine, const TickCounter& ticks,
                              const std::string& script, const CallToRun& call, int runs,
                              engine::ScriptError& refusal) {
  EngineOutcome o;
  for (int run = 1; run <= runs; ++run) {
    engine.SetBrowserEnvironment(bench.browserEnvironmentOn(), engine::pageAddress(bench.urlBoxText()));
    engine.Reset();
    std::string failure;
    std::string value;
    std::uint32_t elapsed = 0;
    if (!engine.LoadCode(script)) {
      failure = kLoadFailed;
    } else {
      const std::uint32_t start = ticks();
      value = engine.CallFunction(call.name, call.arguments);
      elapsed = ticks() - start;
      if (value.empty() && engine::hostreport::isFailure(engine.ErrorReport())) failure = kRunFailed;
    }
    // The notes of a run are no part of the comparison; they would pile up across runs.
    engine.TakeBrowserNotes();
    if (!failure.empty()) {
      o = EngineOutcome{true, engine.ErrorReport(), failure, run, {}, false};
      refusal = engine.LastError();
      return o;
    }
    if (run == 1) o.text = value;
    else if (value != o.text) o.varied = true;
    o.milliseconds.push_back(elapsed);
  }
  return o;
}

EngineOutcome runV8(Workbench& bench, engine::V8Bridge& bridge, const TickCounter& ticks,
                    const std::string& script, const CallToRun& call, int runs) {
  EngineOutcome o;
  const int bufferLength = text::toInteger(bench.v8BufferLengthText());
  const std::string location =
      bench.browserEnvironmentOn() ? engine::pageAddress(bench.urlBoxText()) : "";
  for (int run = 1; run <= runs; ++run) {
    engine::BrowserNotes notes;
    // As "V8运行" counts: the engine library loads the script with every call.
    const std::uint32_t start = ticks();
    const std::string result =
        bridge.executeV8(script, call.name, call.arguments, bufferLength, location, notes);
    const std::uint32_t elapsed = ticks() - start;
    if (v8report::isFailure(result)) {
      return EngineOutcome{true,
                           "错误行:" + v8report::reportedLine(result) + "\r\n\r\n错误信息:" +
                               v8report::reportedMessage(result),
                           kRunFailed, run, {}, false};
    }
    if (run == 1) o.text = result;
    else if (result != o.text) o.varied = true;
    o.milliseconds.push_back(elapsed);
  }
  return o;
}

}  // namespace

std::optional<int> parseCompareRuns(const std::string& typed) {
  const std::string t = text::trimBlanks(typed);
  if (t.empty() || t.size() > 4 || t.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  const int runs = std::atoi(t.c_str());
  if (runs < 1 || runs > kMaxCompareRuns) return std::nullopt;
  return runs;
}

Agreement compareOutcomes(const EngineOutcome& system, const EngineOutcome& v8) {
  if (system.failed && v8.failed) return Agreement::BothFailed;
  if (system.failed || v8.failed) return Agreement::Different;
  if (system.text == v8.text) return Agreement::Same;
  const auto written = asTheSystemEngineWrites(v8.text);
  return written && *written == system.text ? Agreement::SameAsWritten : Agreement::Different;
}

std::string compareBlock(int runs, const EngineOutcome& system, const EngineOutcome& v8) {
  const Agreement agreement = compareOutcomes(system, v8);
  std::string block;
  switch (agreement) {
    case Agreement::Same:
    case Agreement::SameAsWritten: block = "两个引擎的结果相同!!"; break;
    case Agreement::Different: block = "两个引擎的结果不同!!"; break;
    case Agreement::BothFailed: block = "两个引擎都运行失败!!"; break;
  }
  block += "每个引擎运行 " + std::to_string(runs) + " 次\r\n" + kLogSeparator + "\r\n\r\n";
  block += engineSection("系统引擎", runs, system);
  block += engineSection("V8", runs, v8);
  if (agreement == Agreement::SameAsWritten)
    block += "注意：V8 的“" + v8.text + "”在系统引擎里写作“" + system.text + "”，按此算作相同\r\n\r\n";
  if (agreement == Agreement::Different && !system.failed && !v8.failed)
    block += partingLine(system.text, v8.text);
  return block + kLogSeparator;
}

bool compareRunCommand(Workbench& bench, engine::ScriptEngine& engine, engine::V8Bridge& bridge,
                       const TickCounter& ticks, int runs) {
  if (refuseMissingCall(bench)) return false;
  runs = std::clamp(runs, 1, kMaxCompareRuns);
  const std::string script = bench.editor().wholeText();
  const CallToRun call = splitCallToRun(bench.callBoxText());
  engine::ScriptError refusal;
  const EngineOutcome system = runSystemEngine(bench, engine, ticks, script, call, runs, refusal);
  const EngineOutcome v8 = runV8(bench, bridge, ticks, script, call, runs);
  bench.clearLog();
  bench.appendLog(compareBlock(runs, system, v8));
  if (system.failed) {
    const std::string callText = system.failureKind == kLoadFailed ? "" : call.name + "(" + call.arguments + ")";
    appendReasonLine(bench, engine::jscript::refusalReason(refusal, script, callText));
  }
  const Agreement agreement = compareOutcomes(system, v8);
  return agreement == Agreement::Same || agreement == Agreement::SameAsWritten;
}

}  // namespace jsdebug::workflow
