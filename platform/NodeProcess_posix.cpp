#include "platform/NodeProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstdint>
#include <vector>

extern char** environ;

namespace jsdebug::platform {
namespace {

std::int64_t nowMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// Waits until the socket is ready for `events` or the deadline passed; false on time-out.
bool waitFor(int fd, short events, std::int64_t deadline) {
  for (;;) {
    std::int64_t left = deadline - nowMs();
    if (left <= 0) return false;
    pollfd p{fd, events, 0};
    int r = poll(&p, 1, static_cast<int>(left > 1000000 ? 1000000 : left));
    if (r > 0) return true;  // ready, or hung up: the following read or write tells which
    if (r < 0 && errno != EINTR) return true;
  }
}

// The program's full path, looked up on PATH when the name has no slash; empty when none is
// executable. Done here rather than left to posix_spawnp, which may report a failed exec only
// as a child that exits at once.
std::string findProgram(const std::string& program) {
  if (program.find('/') != std::string::npos)
    return access(program.c_str(), X_OK) == 0 ? program : std::string();
  const char* path = std::getenv("PATH");
  std::string dirs = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
  for (std::size_t begin = 0; begin <= dirs.size();) {
    std::size_t end = dirs.find(':', begin);
    if (end == std::string::npos) end = dirs.size();
    std::string dir = dirs.substr(begin, end - begin);
    std::string candidate = (dir.empty() ? "." : dir) + "/" + program;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
    begin = end + 1;
  }
  return {};
}

}  // namespace

struct NodeProcess::Child {
  pid_t pid = -1;
  int socket = -1;
};

NodeProcess::NodeProcess() = default;
NodeProcess::~NodeProcess() { stop(); }

int NodeProcess::start(const std::string& program, const std::string& runnerScript,
                       int heapLimitMb) {
  stop();
  std::string path = findProgram(program);
  if (path.empty()) return ENOENT;
  int fds[2];
  // A socket rather than pipes: sending with MSG_NOSIGNAL turns a dead child into EPIPE instead
  // of a SIGPIPE that would end the host program.
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0) return errno;

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], 0);
  posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
  // Node's own diagnostics (an out-of-memory trace) must not mix into the host's output.
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

  std::string heap = "--max-old-space-size=" + std::to_string(heapLimitMb);
  std::vector<char*> argv = {const_cast<char*>(path.c_str()), const_cast<char*>(heap.c_str()),
                             const_cast<char*>("-e"), const_cast<char*>(runnerScript.c_str()),
                             nullptr};
  pid_t pid = -1;
  int error = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  if (error != 0) {
    close(fds[0]);
    return error;
  }
  // The heap limit does not cover ArrayBuffer storage, which node keeps outside the V8 heap, so a
  // script filling typed arrays would take the whole machine's memory. Bounding the child's
  // writable data turns that into a RangeError in the script. Address space stays unbounded:
  // WebAssembly reserves gigabytes of it without using them. Node has barely begun to boot when
  // the limit arrives, far below it.
  const rlim_t dataLimit = (static_cast<rlim_t>(heapLimitMb) + kDataBeyondHeapMb) * 1024 * 1024;
  const rlimit data{dataLimit, dataLimit};
  prlimit(pid, RLIMIT_DATA, &data, nullptr);
  child_ = std::make_unique<Child>(Child{pid, fds[0]});
  fcntl(fds[0], F_SETFL, fcntl(fds[0], F_GETFL) | O_NONBLOCK);
  return 0;
}

bool NodeProcess::alive() {
  if (!child_ || child_->pid <= 0) return false;
  int status = 0;
  pid_t r = waitpid(child_->pid, &status, WNOHANG);
  if (r == 0) return true;
  // Ended (or not ours any more): forget it, the socket with it.
  child_->pid = -1;
  stop();
  return false;
}

namespace {

// One send or recv on the non-blocking socket, tried again after an interruption and, until the
// deadline, whenever the socket was not ready. Returns the bytes it moved; 0 when the exchange is
// over, with the reason in `failed`.
template <typename Io>
std::size_t moveSome(int socket, short ready, std::int64_t deadline, NodeProcess::Outcome& failed, Io io) {
  for (;;) {
    const ssize_t n = io();
    if (n > 0) return static_cast<std::size_t>(n);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      if (waitFor(socket, ready, deadline)) continue;
      failed = NodeProcess::Outcome::TimedOut;
    } else {
      failed = NodeProcess::Outcome::Died;
    }
    return 0;
  }
}

}  // namespace

NodeProcess::Outcome NodeProcess::exchange(const std::string& request, std::string& answer,
                                           int waitMs) {
  answer.clear();
  if (!child_ || child_->socket < 0) return Outcome::Died;
  const int fd = child_->socket;
  std::int64_t deadline = nowMs() + waitMs;

  Outcome failed = Outcome::Died;
  for (std::size_t sent = 0; sent < request.size();) {
    const std::size_t n = moveSome(fd, POLLOUT, deadline, failed, [&] {
      return send(fd, request.data() + sent, request.size() - sent, MSG_NOSIGNAL);
    });
    if (n == 0) return failed;
    sent += n;
  }

  detail::AnswerFrame frame;
  char chunk[65536];
  while (!frame.complete()) {
    const std::size_t n =
        moveSome(fd, POLLIN, deadline, failed, [&] { return recv(fd, chunk, sizeof chunk, 0); });
    if (n == 0) return failed;
    frame.append(chunk, n);
  }
  if (frame.outOfStep()) return Outcome::Died;
  answer = frame.body();
  return Outcome::Answered;
}

void NodeProcess::stop() {
  if (!child_) return;
  if (child_->socket >= 0) close(child_->socket);
  if (child_->pid > 0) {
    kill(child_->pid, SIGKILL);
    while (waitpid(child_->pid, nullptr, 0) < 0 && errno == EINTR) {
    }
  }
  child_.reset();
}

}  // namespace jsdebug::platform
