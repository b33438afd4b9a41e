// The workbench's start-up as a user meets it: from starting the process to the main window's
// first paint, and the resident memory once it has been idle for a moment (the program's own
// and its node child's). Each repetition
// starts a fresh build/bin/jsdebug with JSDEBUG_STARTUP_PROBE=1, which reports both on its
// standard output and ends. Without a display it runs on Qt's offscreen platform; under
// `xvfb-run` it draws for real. An empty Qt window of the same size, started the same way, is the
// yardstick (compare the two medians).

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Outcome {
  double secondsToPaint = -1;
  long rssKilobytes = -1;
  long childRssKilobytes = -1;
};

Outcome startOnce(const char* programPath) {
  int out[2];
  if (pipe(out) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", 0, 0);

  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) env.emplace_back(*e);
  env.emplace_back("JSDEBUG_STARTUP_PROBE=1");
  if (!std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
    env.emplace_back("QT_QPA_PLATFORM=offscreen");
  std::vector<char*> envp;
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::string programText(programPath);
  char* program = programText.data();
  char* argv[] = {program, nullptr};

  Outcome outcome;
  pid_t pid = 0;
  const auto start = std::chrono::steady_clock::now();
  const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    close(out[0]);
    return outcome;
  }
  FILE* lines = fdopen(out[0], "r");
  char line[128];
  while (lines && std::fgets(line, sizeof line, lines)) {
    const std::string text(line);
    if (text.rfind("painted", 0) == 0) {
      outcome.secondsToPaint =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    } else if (text.rfind("rss ", 0) == 0) {
      char* rest = nullptr;
      outcome.rssKilobytes = std::strtol(text.c_str() + 4, &rest, 10);
      outcome.childRssKilobytes = std::strtol(rest, nullptr, 10);
    }
  }
  if (lines) std::fclose(lines);
  int status = 0;
  waitpid(pid, &status, 0);
  return outcome;
}

void BM_StartUpToFirstPaint(benchmark::State& state) {
  long rss = 0;
  long childRss = 0;
  for (auto _ : state) {
    const Outcome o = startOnce(JSDEBUG_PROGRAM);
    if (o.secondsToPaint < 0) {
      state.SkipWithError("the workbench did not paint (is it built? does it start?)");
      return;
    }
    state.SetIterationTime(o.secondsToPaint);
    rss = o.rssKilobytes;
    childRss = o.childRssKilobytes;
  }
  state.counters["idle_rss_MB"] = static_cast<double>(rss) / 1024.0;
  // The engine library's node child, which the window starts at once.
  state.counters["node_rss_MB"] = static_cast<double>(childRss) / 1024.0;
}
BENCHMARK(BM_StartUpToFirstPaint)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

// The same for an empty Qt window of the same size: the floor set by Qt and the display.
void BM_EmptyQtWindowToFirstPaint(benchmark::State& state) {
  for (auto _ : state) {
    const Outcome o = startOnce(JSDEBUG_EMPTY_WINDOW);
    if (o.secondsToPaint < 0) {
      state.SkipWithError("the empty window did not paint");
      return;
    }
    state.SetIterationTime(o.secondsToPaint);
  }
}
BENCHMARK(BM_EmptyQtWindowToFirstPaint)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
