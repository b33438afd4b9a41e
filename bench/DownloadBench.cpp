// A 10 MB script from a server on 127.0.0.1: downloadBytes side by side with what a user would
// type instead, `curl -s -o /dev/null URL` (a fresh process each time), on the same URL in one
// run. Wall-clock time, since curl works in another process; compare the medians.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "bench/PeerProcess.h"
#include "net/Download.h"
#include "tests/support/LoopbackHttpServer.h"


namespace {

using jsdebug::loopback::HttpReply;
using jsdebug::loopback::LoopbackHttpServer;

constexpr std::size_t kBodyBytes = 10u << 20;

LoopbackHttpServer& server() {
  static const std::string reply = [] {
    std::string body(kBodyBytes, 'x');
    for (std::size_t i = 0; i < body.size(); i += 61) body[i] = '\n';
    return jsdebug::loopback::httpResponse("200 OK", body);
  }();
  ::unsetenv("http_proxy");
  ::unsetenv("all_proxy");
  static LoopbackHttpServer s([](const std::string&) { return HttpReply{reply}; });
  return s;
}

void BM_DownloadBytes10MB(benchmark::State& state) {
  const std::string url = server().url("/big.js");
  for (auto _ : state) {
    const std::string body = jsdebug::net::downloadBytes(url);
    if (body.size() != kBodyBytes) {
      state.SkipWithError("short download");
      break;
    }
    benchmark::DoNotOptimize(body.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(kBodyBytes));
}

void BM_CurlProcess10MB(benchmark::State& state) {
  jsdebug::bench::timePeerProcess(state, {"curl", "-s", "-o", "/dev/null", server().url("/big.js")});
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(kBodyBytes));
}

}  // namespace

BENCHMARK(BM_DownloadBytes10MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_CurlProcess10MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(7)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
