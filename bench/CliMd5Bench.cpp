// "jsdebug-cli md5" of a 100 MB file beside md5sum on the same file, each a whole process (start,
// read, digest, exit), the file in the page cache. Wall-clock time, with each child's peak
// resident memory as a counter.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "bench/PeerProcess.h"

namespace {

const std::string& sampleFile() {
  static const std::string path = [] {
    std::string name = "/tmp/jsdebug-bench-cli-md5-" + std::to_string(::getpid()) + ".bin";
    // No NUL byte: the whole file is the script, as md5sum reads it. Written a megabyte at a
    // time: a child's peak memory counts what this process held when it started the child.
    std::ofstream file(name, std::ios::binary);
    std::string chunk(std::size_t{1} << 20, '\0');
    std::mt19937 random(15);
    for (int i = 0; i < 100; ++i) {
      for (char& c : chunk) c = static_cast<char>(1 + random() % 255);
      file << chunk;
    }
    return name;
  }();
  return path;
}

void timeProcess(benchmark::State& state, std::vector<std::string> args) {
  jsdebug::bench::timePeerProcess(state, std::move(args));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * (int64_t{100} << 20));
}

void BM_JsdebugCliMd5Of100MB(benchmark::State& state) {
  timeProcess(state, {JSDEBUG_CLI, "md5", sampleFile()});
}
BENCHMARK(BM_JsdebugCliMd5Of100MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)->Repetitions(5);

void BM_Md5sumOf100MB(benchmark::State& state) { timeProcess(state, {"md5sum", sampleFile()}); }
BENCHMARK(BM_Md5sumOf100MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)->Repetitions(5);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::remove(sampleFile().c_str());
  return 0;
}
