#pragma once
// The door to script rewriting: Babel passes (转为JScript, and whatever operation rewrite/js
// carries) run by a node child of their own, started on first use and kept for the next request.
//
// An operation is one file, rewrite/js/<op>.js, picked up by the build; calling it is
// `rewriter().run("<op>", gbkText, {{"name", "value"}})`. See rewrite/runner.js for the module's
// side of the contract (what it receives, what it returns).
//
// Texts are GBK on this side and Unicode in the child (the codec in text/ converts both ways, so
// bytes that are no CP936 character survive). The child runs under the V8 run's settings: the
// program JSDEBUG_NODE (else `node` on PATH), the time limit JSDEBUG_V8_TIMEOUT_MS per request
// (the child is killed past it and started afresh at the next request) and the heap cap
// JSDEBUG_V8_HEAP_MB. Babel is Debian's node-babel7-standalone (JSDEBUG_BABEL names another copy).
// Qt-free; safe to call from any thread (requests are served one at a time).

#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "platform/NodeProcess.h"

namespace jsdebug::rewrite {

// An option for the operation, or a fact it reports back: a name and a value (GBK).
struct Setting {
  std::string name;
  std::string value;
  bool operator==(const Setting&) const = default;
};

// Something the operation could not do, where it is in the text it was given.
struct Problem {
  long line = 0;    // 1-based; 0 when no line applies
  long column = 0;  // 0-based
  std::string message;  // GBK, one line
  bool operator==(const Problem&) const = default;
};

struct Outcome {
  // Empty when the operation ran; otherwise why it could not (node or Babel missing, the time
  // limit, the child dying, the operation throwing), one GBK line fit for the log. `text` is then
  // empty and must not be offered to the user.
  std::string failure;
  // The rewritten text (GBK). An operation that refuses its input answers with problems and may
  // leave this empty.
  std::string text;
  bool hasText = false;
  std::vector<std::string> report;  // lines for the log, GBK, in the operation's order
  std::vector<Problem> problems;
  std::vector<Setting> facts;  // operation-specific results, e.g. {"polyfill", "JSON 3120"}

  bool ok() const { return failure.empty(); }
  // The first fact of that name's value; empty when there is none.
  std::string fact(std::string_view name) const;
};

class Rewriter {
 public:
  Rewriter() = default;
  Rewriter(const Rewriter&) = delete;
  Rewriter& operator=(const Rewriter&) = delete;

  // Runs one operation on `text`. Starts the child when none runs (the first request pays node's
  // and Babel's start-up, about a second).
  Outcome run(std::string_view op, std::string_view text, const std::vector<Setting>& options = {});

  // Ends the child now (tests; the destructor does it too).
  void stop();

 private:
  std::string startLocked();

  std::mutex mutex_;
  platform::NodeProcess node_;
};

// The program's one rewriter.
Rewriter& rewriter();

}  // namespace jsdebug::rewrite
