#pragma once
// One `node` child process running a script of ours, talked to over its standard input and
// output, with the settings every such child shares: the program (JSDEBUG_NODE or `node` on
// PATH), the time limit (JSDEBUG_V8_TIMEOUT_MS) and the heap cap (JSDEBUG_V8_HEAP_MB). The engine
// library and the script rewriting keep one each. On POSIX the channel is a socket; on Windows
// two pipes, the child in a job object that bounds its memory and takes it down with its owner.

#include <cstddef>
#include <memory>
#include <string>

namespace jsdebug::platform {

// The node program to start: JSDEBUG_NODE when set, else `node` looked up on PATH.
std::string nodeProgram();
// A run's time limit in milliseconds: JSDEBUG_V8_TIMEOUT_MS, 10000 by default.
int nodeTimeLimitMs();
// The child's V8 heap cap in MB: JSDEBUG_V8_HEAP_MB, 512 by default.
int nodeHeapLimitMb();

class NodeProcess {
 public:
  NodeProcess();
  NodeProcess(const NodeProcess&) = delete;
  NodeProcess& operator=(const NodeProcess&) = delete;
  ~NodeProcess();

  // What the child may write beyond its V8 heap: ArrayBuffer storage, code, stacks, malloc.
  static constexpr int kDataBeyondHeapMb = 1024;

  // Starts `program` (a name looked up on PATH, or a path) with the runner script and the heap
  // limit; its writable data is bounded at the heap limit plus kDataBeyondHeapMb. Returns the
  // errno of a failed start, 0 on success. Returns at once: node boots while the caller goes on,
  // and the first request simply waits for it.
  int start(const std::string& program, const std::string& runnerScript, int heapLimitMb);
  // Started and not yet ended.
  bool alive();

  enum class Outcome { Answered, Died, TimedOut };
  // Sends one request and waits at most `waitMs` for the whole answer frame.
  Outcome exchange(const std::string& request, std::string& answer, int waitMs);

  // Kills and reaps the child; nothing happens when none runs.
  void stop();

 private:
  // The system's hold on the running child; null when none runs.
  struct Child;
  std::unique_ptr<Child> child_;
};

namespace detail {

// An answer as it arrives from the child in pieces: a u32 length (little endian), then that
// many bytes.
class AnswerFrame {
 public:
  // Takes the next piece read from the child.
  void append(const char* data, std::size_t size);
  // The whole frame is in (or more than it: see outOfStep).
  bool complete() const { return haveLength_ && frame_.size() >= wanted_; }
  // More arrived than one answer holds: the child and we disagree about where answers begin.
  bool outOfStep() const { return frame_.size() > wanted_; }
  // The answer without its length.
  std::string body() const { return frame_.substr(4); }

 private:
  std::string frame_;
  std::size_t wanted_ = 4;
  bool haveLength_ = false;
};

}  // namespace detail
}  // namespace jsdebug::platform
