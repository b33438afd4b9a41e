#pragma once
// JScript's own reading of a script, ahead of Duktape: the ES3 grammar with Microsoft's
// additions (conditional compilation, anonymous function statements, ...). Text JScript would
// refuse gets JScript's syntax error; text it accepts comes back rewritten so that Duktape
// compiles it the same way, every line kept where it was.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/ScriptHost.h"

namespace jsdebug::engine::jscript {

// Where a statement starts and ends (1-based lines, 0-based character columns on the start
// line, as JScript counts them: one column per character, a GBK double-byte character is one).
struct StatementSpan {
  int firstLine;
  int column;
  int lastLine;
  std::size_t codeOffset;  // where it starts in CheckedSource::code (bytes)
};

struct CheckedSource {
  bool ok = false;
  std::string code;  // GBK text for Duktape: same lines as the input, rewritten
  // When !ok: Number, Description, Text, Line, Column. Source stays empty: the host names
  // itself.
  ScriptError error;
  std::vector<StatementSpan> statements;  // sorted by (firstLine, column)
};

enum class SourceKind {
  Program,
  Expression,  // the host's eval of a call text
};

// A conditional compilation value: JScript keeps true apart from 1.
struct ConditionalValue {
  bool isBool = false;
  double number = 0;  // the number, or 0/1 for a truth value
};

// Conditional compilation belongs to the engine, not to one text: once a text turned it on,
// every later text given to the same engine sees it on, with the variables set so far.
struct ConditionalState {
  bool on = false;
  std::vector<std::pair<std::string, ConditionalValue>> variables;  // set with @set
};

CheckedSource checkSource(std::string_view gbkText, SourceKind kind, ConditionalState& state);
// For a text on its own, as a fresh engine reads it.
CheckedSource checkSource(std::string_view gbkText, SourceKind kind);

}  // namespace jsdebug::engine::jscript
