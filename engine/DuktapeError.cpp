#include "engine/DuktapeError.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/jscript/Errors.h"

#include "text/Codec.h"

namespace jsdebug::engine {
namespace {

// Texts of the error object; the numbers follow the JScript numbering users know.
constexpr const char* kCompileSource = "JavaScript 编译错误";
constexpr const char* kRuntimeSource = "JavaScript 运行时错误";
constexpr const char* kSyntaxError = "1002";
constexpr const char* kUndefined = "5009";
constexpr const char* kUncaught = "5022";
constexpr const char* kFailed = "-2147467259";  // E_FAIL, what the host reads for number 0
constexpr const char* kTimedOut = "-2147467260";  // E_ABORT, what an aborted COM call reports

// A statement longer than this is cut in the report: a minified script is one line, and the
// whole of it in the log would bury the report.
constexpr std::size_t kMaxStatementBytes = 1024;

bool startsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

// The 1-based line of code, without its terminator; lines end in LF, CR or CR LF as the
// JavaScript lexer counts them.
std::string lineOf(std::string_view code, int line) {
  std::size_t start = 0;
  for (int current = 1; current < line; ++current) {
    std::size_t end = code.find_first_of("\r\n", start);
    if (end == std::string_view::npos) return {};
    start = end + (code.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  std::size_t end = code.find_first_of("\r\n", start);
  std::string_view text = code.substr(start, end == std::string_view::npos ? end : end - start);
  if (text.size() <= kMaxStatementBytes) return std::string(text);
  std::size_t cut = 0;
  while (cut < text.size()) {
    auto length = static_cast<std::size_t>(gbk::charLength(text, cut));
    if (cut + length > kMaxStatementBytes) break;
    cut += length;
  }
  return std::string(text.substr(0, cut)) + "...";
}

const SourceUnit* unitNamed(const std::vector<SourceUnit>& units, std::string_view fileName) {
  for (const SourceUnit& unit : units)
    if (unit.fileName == fileName) return &unit;
  return nullptr;
}

// The innermost traceback frame "(file:line)" whose file is one of ours.
bool frameInUnits(const RawScriptError& raw, const std::vector<SourceUnit>& units,
                  const SourceUnit*& unit, int& line) {
  std::string_view stack = raw.stack;
  for (std::size_t open = stack.find('('); open != std::string_view::npos;
       open = stack.find('(', open + 1)) {
    std::size_t colon = stack.find(':', open);
    std::size_t close = stack.find(')', open);
    if (colon == std::string_view::npos || close == std::string_view::npos || colon > close)
      continue;
    const SourceUnit* found = unitNamed(units, stack.substr(open + 1, colon - open - 1));
    int number = std::atoi(std::string(stack.substr(colon + 1, close - colon - 1)).c_str());
    if (found && number > 0) {
      unit = found;
      line = number;
      return true;
    }
  }
  return false;
}

// 'x' from "identifier 'x' undefined", the engine's text for an undeclared name.
bool undefinedIdentifier(std::string_view message, std::string& name) {
  constexpr std::string_view head = "identifier '";
  constexpr std::string_view tail = "' undefined";
  if (!startsWith(message, head) || message.size() < head.size() + tail.size() ||
      message.substr(message.size() - tail.size()) != tail)
    return false;
  name = std::string(message.substr(head.size(), message.size() - head.size() - tail.size()));
  return true;
}

// The statement the innermost script frame in one of the units was running, as the compiler
// noted it: the last statement of the unit that starts at or before the noted offset. Null
// when that frame is not in `unit`, has no note, or the note disagrees with the line.
const jscript::StatementSpan* frameStatement(const RawScriptError& raw,
                                             const std::vector<SourceUnit>& units,
                                             const SourceUnit& unit, int line) {
  for (const FrameStatement& frame : raw.frames) {
    if (!unitNamed(units, frame.fileName)) continue;  // the profile's or the hooks' own code
    if (&unit != unitNamed(units, frame.fileName) || frame.offset < 0 ||
        unit.engineOffsets.size() != unit.statements.size())
      return nullptr;
    auto after = std::upper_bound(unit.engineOffsets.begin(), unit.engineOffsets.end(),
                                  static_cast<std::size_t>(frame.offset));
    if (after == unit.engineOffsets.begin()) return nullptr;
    const jscript::StatementSpan& span =
        unit.statements[static_cast<std::size_t>(after - unit.engineOffsets.begin()) - 1];
    return span.firstLine <= line && line <= span.lastLine ? &span : nullptr;
  }
  return nullptr;
}

// Moves line to the first line of the innermost statement covering it and sets column to
// where that statement starts. Without the statements of the unit, the statement is taken to
// start at the line's first character that is no blank.
void statementStart(const SourceUnit& unit, int& line, int& column) {
  const jscript::StatementSpan* innermost = nullptr;
  for (const jscript::StatementSpan& span : unit.statements) {
    if (span.firstLine > line) break;  // sorted by where they start
    if (span.lastLine >= line) innermost = &span;
  }
  if (innermost) {
    line = innermost->firstLine;
    column = innermost->column;
    return;
  }
  std::string text = lineOf(unit.code, line);
  std::size_t first = text.find_first_not_of(" \t");
  column = first == std::string::npos ? 0 : static_cast<int>(first);
}

// The compiler appends " (line N)" to its messages; the line is reported on its own. Only the
// suffix naming the error's own line goes, so a script's message keeps its text.
std::string withoutLineSuffix(const std::string& message, int line) {
  std::string suffix = " (line " + std::to_string(line) + ")";
  if (message.size() < suffix.size() ||
      message.compare(message.size() - suffix.size(), suffix.size(), suffix) != 0)
    return message;
  return message.substr(0, message.size() - suffix.size());
}

}  // namespace

std::string timeoutDescription(int timeoutMs) {
  return "脚本运行超时（超过 " + std::to_string(timeoutMs) + " 毫秒），已停止";
}

ScriptError noScriptError() { return ScriptError{"0", "", "", "", "0", "0"}; }

std::string sourceLineText(std::string_view code, int line) { return lineOf(code, line); }

ScriptError grammarError(const ScriptError& checked) {
  ScriptError error = checked;
  error.Source = kCompileSource;
  return error;
}

ScriptError describeScriptError(const RawScriptError& raw, const std::vector<SourceUnit>& units,
                                int timeoutMs) {
  ScriptError error;
  error.Source = raw.compiling ? kCompileSource : kRuntimeSource;
  std::string identifier;
  const std::string message =
      raw.isErrorObject ? withoutLineSuffix(raw.message, raw.lineNumber) : raw.message;
  if (raw.stopped) {
    error.Number = kTimedOut;
    error.Description = "脚本已被调试器停止";
  } else if (raw.timedOut) {
    error.Number = kTimedOut;
    error.Description = timeoutDescription(timeoutMs);
  } else if (raw.hasNumber) {
    // The number the error carries, as the host reads a JScript error: the code alone for
    // JScript's own facility, a failure code as it is, and anything else (a script's
    // new Error("x") has 0) as the generic failure, since a failed call never reads "0".
    auto bits = static_cast<std::uint32_t>(static_cast<std::int64_t>(raw.number));
    if (!(raw.number > -4294967296.0 && raw.number < 4294967296.0)) bits = 0;
    if ((bits & 0xFFFF0000u) == jscript::kJScriptFacility)
      error.Number = std::to_string(bits & 0xFFFFu);
    else if (bits & 0x80000000u)
      error.Number = std::to_string(static_cast<std::int32_t>(bits));
    else
      error.Number = kFailed;
    error.Description = raw.hasDescription ? raw.description : message;
  } else if (!raw.isErrorObject) {
    // A thrown value that is no error object. JScript says only that an exception went
    // uncaught; the value itself tells the user more, so it stays the description.
    error.Number = kUncaught;
    error.Description = message;
  } else if (const jscript::InternalLimit* limit = jscript::internalLimit(message)) {
    // From here on, errors the JScript hooks did not see (a heap too short of memory for them).
    error.Number = std::to_string(limit->number);
    error.Description = limit->description;
  } else if (raw.name == "SyntaxError") {
    error.Number = kSyntaxError;
    error.Description = "语法错误";
  } else if (raw.name == "ReferenceError" && undefinedIdentifier(message, identifier)) {
    error.Number = kUndefined;
    error.Description = "'" + identifier + "' 未定义";
  } else {
    error.Number = kFailed;
    error.Description = message.empty() ? raw.name : message;
  }

  const SourceUnit* unit = unitNamed(units, raw.fileName);
  int line = raw.lineNumber;
  if (!unit || line <= 0) {
    line = 0;
    unit = nullptr;
    frameInUnits(raw, units, unit, line);
  }
  // A run-time error names where its statement starts; a compile error names its line, whose
  // text it shows.
  int column = 0;
  if (unit && !raw.compiling) {
    if (const jscript::StatementSpan* span = frameStatement(raw, units, *unit, line)) {
      line = span->firstLine;
      column = span->column;
    } else {
      statementStart(*unit, line, column);
    }
  }
  error.Line = std::to_string(line);
  error.Text = unit && raw.compiling ? lineOf(unit->code, line) : std::string();
  error.Column = std::to_string(column);
  return error;
}

}  // namespace jsdebug::engine
