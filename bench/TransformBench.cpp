// The transformers on a 1 MB script built from varied functions ("代码格式化" and "压缩", each
// in its own script host as the commands run them), and "MD5加密"'s digest of 10 MB next to the
// system's md5sum on the same bytes.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>

#include <sys/resource.h>

#include "transform/Md5.h"
#include "transform/ScriptTransforms.h"

namespace {

// Something like a real script: functions of several shapes, comments, strings with Chinese
// text, regular expressions, object literals, loops and switches, CR LF line breaks.
std::string realWorldLikeScript(std::size_t bytes) {
  std::string script;
  for (int i = 0; script.size() < bytes; ++i) {
    const std::string n = std::to_string(i);
    switch (i % 4) {
      case 0:
        script += "/* 第" + n + "组：签名 */\r\nfunction sign" + n +
                  "(data, key) {\r\n    var out = [], i;\r\n    for (i = 0; i < data.length; i++) {\r\n"
                  "        out.push(String.fromCharCode(data.charCodeAt(i) ^ key.charCodeAt(i % key.length)));\r\n"
                  "    }\r\n    return out.join('');\r\n}\r\n";
        break;
      case 1:
        script += "var conf" + n + " = {name: \"配置" + n + "\", retries: " + n +
                  ", pattern: /^[a-z0-9_]+$/i, on: function (e) { return e && !e.stop; }};\r\n";
        break;
      case 2:
        script += "function pick" + n +
                  "(x){switch(typeof x){case 'string':return x.replace(/\\s+/g,' ');"
                  "case 'number':return x*2+1e-3;default:return null;}}// 挑选\r\n";
        break;
      default:
        script += "function loop" + n +
                  "(n) {\r\n  var s = 0;\r\n  do { s += n-- > 0 ? n / 2 : -n; } while (n > 0);\r\n"
                  "  try { s = Math.floor(s); } catch (err) { s = -1; } finally { n = 0; }\r\n"
                  "  return s;\r\n}\r\n\r\n";
        break;
    }
  }
  return script;
}

const std::string& script1MB() {
  static const std::string script = realWorldLikeScript(1u << 20);
  return script;
}

void BM_Beautify1MB(benchmark::State& state) {
  const std::string& script = script1MB();
  std::string result;
  for (auto _ : state) result = jsdebug::transform::BeautifyScript(script);
  if (result.empty()) state.SkipWithError("the beautifier gave the empty text");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * script.size()));
}

void BM_Minify1MB(benchmark::State& state) {
  const std::string& script = script1MB();
  std::string result;
  for (auto _ : state) result = jsdebug::transform::MinifyScript(script);
  if (result.empty()) state.SkipWithError("the minifier gave the empty text");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * script.size()));
}

const std::string& bytes10MB() {
  static const std::string bytes = [] {
    std::string b(10u << 20, '\0');
    unsigned x = 12345;
    for (char& c : b) c = static_cast<char>((x = x * 1103515245u + 12345u) >> 24);
    return b;
  }();
  return bytes;
}

void BM_Md5Of10MB(benchmark::State& state) {
  std::string digest;
  for (auto _ : state) benchmark::DoNotOptimize(digest = jsdebug::transform::md5Hex(bytes10MB()));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes10MB().size()));
}

// md5sum on the same bytes from a file in the page cache, process start included: what a user
// would otherwise run. Wall-clock time throughout, since md5sum's work is not this process's CPU
// time.
void BM_Md5sumOf10MB(benchmark::State& state) {
  const std::string path = "/tmp/jsdebug-bench-md5-10MB.bin";
  std::ofstream(path, std::ios::binary) << bytes10MB();
  const std::string expected = jsdebug::transform::md5Hex(bytes10MB());
  std::string out;
  // md5sum's own CPU time as well, since wall-clock time on a busy machine says little.
  auto childCpuMs = [] {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
  };
  const double cpuBefore = childCpuMs();
  for (auto _ : state) {
    out.clear();
    FILE* pipe = popen(("md5sum " + path).c_str(), "r");
    if (pipe == nullptr) break;
    std::array<char, 256> buffer;
    for (std::size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) out.append(buffer.data(), n);
    pclose(pipe);
  }
  state.counters["md5sum_cpu_ms"] = (childCpuMs() - cpuBefore) / static_cast<double>(state.iterations());
  std::remove(path.c_str());
  if (out.compare(0, expected.size(), expected) != 0) state.SkipWithError("md5sum disagrees or is missing");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes10MB().size()));
}

}  // namespace

BENCHMARK(BM_Beautify1MB)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->UseRealTime()->ReportAggregatesOnly(true);
BENCHMARK(BM_Minify1MB)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->UseRealTime()->ReportAggregatesOnly(true);
BENCHMARK(BM_Md5Of10MB)->Unit(benchmark::kMillisecond)->Repetitions(7)->UseRealTime()->ReportAggregatesOnly(true);
BENCHMARK(BM_Md5sumOf10MB)->Unit(benchmark::kMillisecond)->Repetitions(7)->UseRealTime()->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
