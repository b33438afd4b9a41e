#pragma once
// Timing the peer a user would otherwise reach for (curl, node -e): one fresh process per
// iteration, found on PATH, its standard output discarded; the benchmark fails when it cannot be
// started or does not exit with 0.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

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
  for (auto _ : state) {
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
      state.SkipWithError((args[0] + " could not be started").c_str());
      break;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError((args[0] + " failed").c_str());
      break;
    }
  }
  posix_spawn_file_actions_destroy(&actions);
}

}  // namespace jsdebug::bench
