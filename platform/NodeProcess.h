#pragma once
// One `node` child process running a script of ours, talked to over a socket that is its
// standard input and output, with the settings every such child shares: the program (JSDEBUG_NODE
// or `node` on PATH), the time limit (JSDEBUG_V8_TIMEOUT_MS) and the heap cap (JSDEBUG_V8_HEAP_MB).
// The engine library's V8 runs and the script rewriting each keep one. POSIX only for now.

#include <string>
#include <sys/types.h>

namespace jsdebug::platform {

// The node program to start: JSDEBUG_NODE when set, else `node` looked up on PATH.
std::string nodeProgram();
// A run's time limit in milliseconds: JSDEBUG_V8_TIMEOUT_MS, 10000 by default.
int nodeTimeLimitMs();
// The child's V8 heap cap in MB: JSDEBUG_V8_HEAP_MB, 512 by default.
int nodeHeapLimitMb();

class NodeProcess {
 public:
  NodeProcess() = default;
  NodeProcess(const NodeProcess&) = delete;
  NodeProcess& operator=(const NodeProcess&) = delete;
  ~NodeProcess() { stop(); }

  // What the child may write beyond its V8 heap: ArrayBuffer storage, code, stacks, malloc.
  static constexpr int kDataBeyondHeapMb = 1024;

  // Starts `program` (a name looked up on PATH, or a path) with the runner script and the heap
  // limit; its writable data is bounded at the heap limit plus kDataBeyondHeapMb. Returns the errno of a failed start, 0 on success. Returns at once: node boots while
  // the caller goes on, and the first request simply waits for it.
  int start(const std::string& program, const std::string& runnerScript, int heapLimitMb);
  // Started and not yet ended.
  bool alive();

  enum class Outcome { Answered, Died, TimedOut };
  // Sends one request and waits at most `waitMs` for the whole answer frame.
  Outcome exchange(const std::string& request, std::string& answer, int waitMs);

  // Kills and reaps the child; nothing happens when none runs.
  void stop();

 private:
  pid_t pid_ = -1;
  int socket_ = -1;
};

}  // namespace jsdebug::platform
