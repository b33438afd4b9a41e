#pragma once
// One `node` child process running the runner script, talked to over its standard input and
// output: a socket on POSIX; on Windows two pipes, the child in a job object that bounds its
// memory and takes it down with the library.

#include <memory>
#include <string>

namespace jsdebug::v8engine {

class NodeProcess {
 public:
  NodeProcess();
  NodeProcess(const NodeProcess&) = delete;
  NodeProcess& operator=(const NodeProcess&) = delete;
  ~NodeProcess();

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
  // The system's hold on the running child; null when none runs.
  struct Child;
  std::unique_ptr<Child> child_;
};

}  // namespace jsdebug::v8engine
