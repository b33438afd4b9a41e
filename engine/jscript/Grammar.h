#pragma once
// JScript's own reading of a script, ahead of Duktape: the ES3 grammar with Microsoft's
// additions (conditional compilation, anonymous function statements, ...). Text JScript would
// refuse gets JScript's syntax error; text it accepts comes back rewritten so that Duktape
// compiles it the same way, every line kept where it was.

#include <string>
#include <string_view>
#include <vector>

#include "engine/ScriptHost.h"

namespace jsdebug::engine::jscript {

// Where a statement starts and ends (1-based lines, 0-based character columns on the start
// line, as JScript counts them: one column per character, a GBK double-byte character is one).
struct StatementSpan {
  int firstLine;
  int column;
  int lastLine;
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

CheckedSource checkSource(std::string_view gbkText, SourceKind kind);

}  // namespace jsdebug::engine::jscript
