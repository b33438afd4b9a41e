#pragma once
// Turns what Duktape tells about a failed call into the script host's error object: a
// JScript-like number, source, description, the failing line with its text and column.

#include <string>
#include <string_view>
#include <vector>

#include "engine/ScriptHost.h"
#include "engine/jscript/Grammar.h"

namespace jsdebug::engine {

// One piece of code the host compiled, under the file name Duktape reports for it.
struct SourceUnit {
  std::string fileName;
  std::string code;  // CP936, as the caller passed it
  std::vector<jscript::StatementSpan> statements;  // where each statement of code starts
  // Where each of those statements starts in the UTF-8 text the engine compiled (bytes).
  std::vector<std::size_t> engineOffsets;
};

// A script frame of an error's traceback, innermost first: the file of its function and where
// the statement it was running starts in that file's compiled text (-1 when unknown).
struct FrameStatement {
  std::string fileName;
  long offset = -1;
};

// An error as read from the engine; texts already in CP936.
struct RawScriptError {
  bool compiling = false;  // raised while compiling, before any of the code ran
  bool timedOut = false;   // the host's time limit stopped the script
  bool stopped = false;    // the debugger's 停止 ended the script
  bool isErrorObject = false;
  std::string name;        // "ReferenceError", ...; empty for a thrown plain value
  std::string message;     // the message, or the thrown value as text
  std::string fileName;    // where the engine blames the error
  int lineNumber = 0;      // 1-based within fileName, 0 when unknown
  std::string stack;       // the engine's traceback, "    at f (file:line)" per frame
  std::vector<FrameStatement> frames;
  bool hasNumber = false;  // the thrown object's own `number` (JScript's signed code)
  double number = 0;
  bool hasDescription = false;  // and its own `description`
  std::string description;
};

// What the time limit's error says, also where the debugger's evaluation ran out of time.
std::string timeoutDescription(int timeoutMs);

// The error object after a successful call: Number "0", Line and Column "0".
ScriptError noScriptError();

// A syntax error the grammar check found, as the host reports it: the check's own number,
// description, line, column and text, under the host's compile-error source.
ScriptError grammarError(const ScriptError& checked);

// The 1-based line of code as an error report shows it: without its terminator, a very long
// line cut short.
std::string sourceLineText(std::string_view code, int line);

// The failing line is looked up in `units` (the code added plus the evaluated text): the blamed
// file first, else the innermost frame of the traceback that lies in one of them.
ScriptError describeScriptError(const RawScriptError& raw, const std::vector<SourceUnit>& units,
                                int timeoutMs);

}  // namespace jsdebug::engine
