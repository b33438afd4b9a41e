#pragma once
// Timing a whole process, ours or the peer a user would otherwise reach for (curl, node -e,
// md5sum): one fresh process per iteration, found on PATH, its standard output discarded, its
// peak resident memory in kB (the largest over the iterations) as the "peak_kB" counter; the
// benchmark fails when it cannot be started or does not exit with 0.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

extern char** environ;

namespace jsdebug::bench {

inline void timePeerProcess(benchmark::State& state, std::vector<std::string> args) {
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  long peak = 0;
  for (auto _ : state) {
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
      state.SkipWithError((args[0] + " could not be started").c_str());
      break;
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    peak = std::max(peak, usage.ru_maxrss);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError((args[0] + " failed").c_str());
      break;
    }
  }
  posix_spawn_file_actions_destroy(&actions);
  state.counters["peak_kB"] = static_cast<double>(peak);
}

}  // namespace jsdebug::bench
