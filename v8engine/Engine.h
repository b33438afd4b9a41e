#pragma once
// The engine behind the two exports: one node child, one call at a time.

#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "platform/NodeProcess.h"

namespace jsdebug::v8engine {

// The report of v8engine/Report.h for a numbered line.
std::string errorReport(long line, std::string_view message);

// Writes `result` into a caller's buffer of bufferLength bytes of text plus the NUL. A result
// that does not fit is replaced by an error report telling its length, in the longest of a few
// shorter forms that fits (the empty text below the 8 bytes of the marker "错误信息"); a null
// buffer or a length below 1 gets nothing.
void writeResult(std::string_view result, char* buffer, int bufferLength);

// Something a run leaves beside its value (the kinds are those of JsdebugExecV8), GBK.
struct Note {
  char kind;
  std::string text;
};

struct RunOutcome {
  std::string result;  // the value's text or an error report
  std::vector<Note> notes;
};

class Engine {
 public:
  // Starts node unless it runs already. Never waits for node to boot.
  void start();
  // The script, then the call, in a fresh context: the value's text or an error report, GBK.
  std::string run(std::string_view script, std::string_view call);
  // The same with what the console printed and, given a page address (location not empty), in
  // the browser environment with the names the script reached for and did not find.
  RunOutcome run(std::string_view script, std::string_view call, std::string_view location);

 private:
  std::string startLocked();

  // The GUI thread's run and the jsfuck worker share one child; requests must not interleave.
  std::mutex mutex_;
  platform::NodeProcess node_;
};

Engine& engine();

}  // namespace jsdebug::v8engine
