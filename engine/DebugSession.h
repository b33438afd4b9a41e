#pragma once
// A debugging session of the system engine: breakpoints by line, pause, stepping, the call
// stack, the locals of a frame and evaluation in it. The script runs on a thread of its own with
// the session attached (ScriptEngine::AttachDebugger); whoever drives it (the 调试 window, the
// CLI) calls the other members from its own thread. The engine's debug protocol is spoken here,
// in-process: paused means the script's thread waits inside read(). Texts are CP936.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "engine/DebugTransport.h"
#include "engine/DuktapeHost.h"

namespace jsdebug::engine {

enum class DebugStep { Continue, Over, Into, Out };

struct DebugFrame {
  std::string function;  // the function's name, or one of the two texts below
  int line = 0;          // 1-based, in the script
  int level = -1;        // the engine's activation level (-1 the innermost)
};

inline constexpr const char* kAnonymousFunction = "（匿名函数）";
inline constexpr const char* kTopLevelCode = "（全局代码）";

struct DebugValue {
  std::string name;
  std::string type;   // what typeof says ("null" for null); empty when failed
  std::string value;  // as the log writes values; the error's text when failed
  bool failed = false;
};

// A breakpoint asked for on a line without code goes to the next line with code; `to` is 0
// when no code follows.
struct BreakpointMove {
  int from = 0;
  int to = 0;
};

// One dvalue of the engine's debug protocol (the kinds this session reads and writes).
struct DebugDValue {
  enum Kind { Marker, Int, String, Buffer, Unused, Undefined, Null, True, False, Number, Object, Other };
  Kind kind = Undefined;
  std::int64_t integer = 0;  // Int, and the marker byte for Marker
  double number = 0;
  std::string text;  // String, Buffer (raw engine bytes: CESU-8)
};

// The protocol's encoding, public for tests.
namespace dvalue {
void appendInt(std::string& out, std::int32_t value);
void appendString(std::string& out, const std::string& bytes);
void appendNull(std::string& out);
// Reads one dvalue at `at`; false when the bytes end before it does (nothing consumed), or
// `bad` set when the byte cannot start a dvalue.
bool read(const std::string& in, std::size_t& at, DebugDValue& value, bool& bad);
}  // namespace dvalue

class DebugSession final : public DebugTransport {
 public:
  explicit DebugSession(std::string scriptFileName = kFirstUnitFileName);
  ~DebugSession() override;
  DebugSession(const DebugSession&) = delete;
  DebugSession& operator=(const DebugSession&) = delete;

  // Before the run: the script and the lines to break at. A line without code moves on to the
  // next line that has some; the moves are returned in the order asked.
  std::vector<BreakpointMove> setBreakpoints(const std::string& script, const std::vector<int>& lines);
  std::vector<int> breakpoints() const;
  // Also while the script runs or is paused: the line used (after a move), 0 for none.
  int addBreakpoint(int line);
  void removeBreakpoint(int line);
  // Where a breakpoint asked for at `line` lands in the script: the line itself when it has
  // code, else the next line with code, 0 when none follows.
  int lineWithCode(int line) const;

  // Waits until the script pauses (true) or the run ends (false).
  bool waitForPause();
  bool paused() const;
  bool ended() const;
  int pausedLine() const;
  // Counts the pauses: a new number for each, 0 while not paused (a window that polls sees a
  // second pause on the same line as new).
  std::uint64_t pauseNumber() const;
  // All the time spent paused so far, so that a run's elapsed time can leave it out.
  std::uint32_t pausedMilliseconds() const;

  // While paused: the script's frames, innermost first; the locals of one; an expression's
  // value in one. Empty, or a failed value, when not paused.
  std::vector<DebugFrame> callStack();
  std::vector<DebugValue> locals(const DebugFrame& frame);
  DebugValue evaluate(const DebugFrame& frame, const std::string& expression);

  void resume(DebugStep step);
  // Ends the run, paused or running, as the time limit would (the run reports it stopped).
  void stop();
  // Called by whoever ran the script, once the run has returned.
  void runEnded();

  // DebugTransport, on the script's thread.
  std::size_t read(char* buffer, std::size_t length) override;
  std::size_t write(const char* data, std::size_t length) override;
  std::size_t peek() override;
  void detached() override;
  bool stopRequested() const override;
  bool evaluating() const override;
  void evaluationEnded(bool timedOut, int timeoutMs) override;

 private:
  using Message = std::vector<DebugDValue>;
  void queueLocked(const std::string& bytes, bool wanted);
  std::optional<Message> request(const std::string& bytes, bool evaluation = false);
  void handleMessageLocked(Message message);
  void notifyListener();
  DebugValue evaluateText(int level, const std::string& expression);

  const std::string scriptFileName_;
  std::string script_;
  std::vector<int> codeLines_;  // sorted
  std::vector<int> breakpoints_;

  mutable std::mutex mutex_;
  std::condition_variable changed_;

  std::string inbox_;    // bytes for the engine
  std::string outbox_;   // bytes from the engine not yet read as a message
  bool greeted_ = false;  // the engine's version line has been read
  std::deque<bool> awaited_;  // per request sent, in order: whether someone waits for its reply
  std::optional<Message> reply_;
  bool started_ = false;  // the pause at attachment has been answered
  bool paused_ = false;
  bool ended_ = false;
  bool detached_ = false;
  bool stop_ = false;
  bool evaluationQueued_ = false;
  std::size_t evaluationAt_ = 0;  // bytes queued ahead of the evaluation request
  bool evaluating_ = false;
  bool evaluationTimedOut_ = false;
  int evaluationLimitMs_ = 0;
  int line_ = 0;
  std::uint64_t pauses_ = 0;
  DebugStep lastStep_ = DebugStep::Continue;
  std::uint32_t pausedSince_ = 0;
  std::uint32_t pausedTotal_ = 0;
};

}  // namespace jsdebug::engine
