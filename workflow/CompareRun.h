#pragma once
// "对比运行": the call box's call through the system engine and through V8, several times each,
// in one block saying what each gave, how fast, and whether the two agree. How a user checks
// that a script converted for the system engine still gives the original's answer.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/ScriptEngine.h"
#include "engine/V8Bridge.h"
#include "workflow/Debugging.h"
#include "workflow/Workbench.h"

namespace jsdebug::workflow {

inline constexpr int kDefaultCompareRuns = 5;
inline constexpr int kMaxCompareRuns = 1000;

// The number of runs as typed (the CLI's N): a whole number from 1 to kMaxCompareRuns, blanks
// around it allowed; nothing for anything else.
std::optional<int> parseCompareRuns(const std::string& text);

// What one engine gave over its runs. A failed run ends that engine's runs: a script that failed
// once (or ran out of time) would only fail again, slowly.
struct EngineOutcome {
  bool failed = false;
  // The value of the first run; after a failure, the failure's text as the engine's own run
  // block shows it (the five-line report, or V8's line and message).
  std::string text;
  // What failed: "代码加载失败" or "代码运算失败"; empty after success.
  std::string failureKind;
  // The run that failed, 1-based; 0 after success.
  int failedRun = 0;
  // Milliseconds of each successful run.
  std::vector<std::uint32_t> milliseconds;
  // A later run's value differed from the first's.
  bool varied = false;
};

enum class Agreement {
  Same,
  // The texts differ only as the system engine writes values: true "-1", false "0",
  // undefined and null "", numbers with 15 significant digits.
  SameAsWritten,
  Different,
  BothFailed,
};

Agreement compareOutcomes(const EngineOutcome& system, const EngineOutcome& v8);

// The block, CP936, byte for byte what the log shows.
std::string compareBlock(int runs, const EngineOutcome& system, const EngineOutcome& v8);

// Replaces the log by the block (and, when the system engine refused the script, the line that
// says why). An empty call box is refused as "系统引擎运行" refuses it. Returns whether the
// values agree (Same or SameAsWritten).
bool compareRunCommand(Workbench& bench, engine::ScriptEngine& engine, engine::V8Bridge& bridge,
                       const TickCounter& ticks, int runs = kDefaultCompareRuns);

}  // namespace jsdebug::workflow
