#include "engine/DuktapeError.h"

#include <cstdlib>
#include <string_view>

#include "text/Codec.h"

namespace jsdebug::engine {
namespace {

// Texts of the error object; the numbers follow the JScript numbering users know.
constexpr const char* kCompileSource = "JavaScript 编译错误";
constexpr const char* kRuntimeSource = "JavaScript 运行时错误";
constexpr const char* kSyntaxError = "1002";
constexpr const char* kUndefined = "5009";
constexpr const char* kObjectExpected = "5007";
constexpr const char* kOutOfRange = "5029";
constexpr const char* kUncaught = "5022";
constexpr const char* kStackOverflow = "28";
constexpr const char* kOutOfMemory = "7";
constexpr const char* kTimedOut = "-2147467260";  // E_ABORT, what an aborted COM call reports

// A statement longer than this is cut in the report: a minified script is one line, and the
// whole of it in the log would bury the report.
constexpr std::size_t kMaxStatementBytes = 1024;

bool startsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

bool isStackLimit(std::string_view message) {
  return message == "callstack limit" || message == "C stack depth limit" ||
         message == "compiler recursion limit" || message == "valstack limit" ||
         message == "regexp compiler recursion limit" ||
         message == "regexp executor recursion limit" || message == "encode recursion limit" ||
         message == "decode recursion limit";
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

// 0-based character position of a whole-word occurrence of name in the statement, else 0.
int columnOf(std::string_view statement, std::string_view name) {
  auto isWord = [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           c == '_' || c == '$';
  };
  int characters = 0;
  for (std::size_t i = 0; i < statement.size();
       i += static_cast<std::size_t>(gbk::charLength(statement, i)), ++characters) {
    if (statement.compare(i, name.size(), name) != 0) continue;
    bool before = i > 0 && isWord(statement[i - 1]);
    bool after = i + name.size() < statement.size() && isWord(statement[i + name.size()]);
    if (!before && !after) return characters;
  }
  return 0;
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
  if (raw.timedOut) {
    error.Number = kTimedOut;
    error.Description = "脚本运行超时（超过 " + std::to_string(timeoutMs) + " 毫秒），已停止";
  } else if (!raw.isErrorObject) {
    error.Number = kUncaught;
    error.Description = message;
  } else if (raw.name == "SyntaxError") {
    error.Number = kSyntaxError;
    error.Description = "语法错误";
  } else if (raw.name == "ReferenceError") {
    error.Number = kUndefined;
    error.Description =
        undefinedIdentifier(message, identifier) ? "'" + identifier + "' 未定义" : message;
  } else if (raw.name == "RangeError" && isStackLimit(message)) {
    error.Number = kStackOverflow;
    error.Description = "堆栈溢出";
  } else if (message == "alloc failed") {
    error.Number = kOutOfMemory;
    error.Description = "内存不足";
  } else if (raw.name == "TypeError") {
    error.Number = kObjectExpected;
    error.Description = message;
  } else if (raw.name == "RangeError") {
    error.Number = kOutOfRange;
    error.Description = message;
  } else {
    error.Number = kUncaught;
    error.Description = message.empty() ? raw.name : message;
  }

  const SourceUnit* unit = unitNamed(units, raw.fileName);
  int line = raw.lineNumber;
  if (!unit || line <= 0) {
    line = 0;
    unit = nullptr;
    frameInUnits(raw, units, unit, line);
  }
  error.Line = std::to_string(line);
  error.Text = unit ? lineOf(unit->code, line) : std::string();
  error.Column = std::to_string(identifier.empty() ? 0 : columnOf(error.Text, identifier));
  return error;
}

}  // namespace jsdebug::engine
