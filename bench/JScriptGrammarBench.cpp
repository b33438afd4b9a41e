// The JScript grammar check that every loaded text passes, beside what it guards: Duktape's own
// compile of the same text. Loading must not cost more than twice the compile alone, so the
// check should be no slower than the compile. The text is 1 MB of real ES3 code: the carried
// transformer scripts, repeated.

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

#include "duktape.h"
#include "engine/DuktapeHost.h"
#include "engine/jscript/Grammar.h"
#include "text/Codec.h"

namespace {

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

const std::string& megabyteScript() {
  static const std::string script = [] {
    std::string pieces;
    for (const char* name : {"beautifier.js", "minifier.js", "unpacker.js"})
      pieces += readFile(std::string(JSDEBUG_SOURCE_DIR) + "/transform/" + name) + "\r\n";
    std::string text;
    while (text.size() < (1u << 20)) text += pieces;
    return text;
  }();
  return script;
}

void BM_GrammarCheck(benchmark::State& state) {
  const std::string& script = megabyteScript();
  for (auto _ : state) {
    auto checked = jsdebug::engine::jscript::checkSource(
        script, jsdebug::engine::jscript::SourceKind::Program);
    if (!checked.ok) state.SkipWithError("the script did not pass the check");
    benchmark::DoNotOptimize(checked.code.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * script.size()));
}
BENCHMARK(BM_GrammarCheck)->Unit(benchmark::kMillisecond);

duk_ret_t compileOnly(duk_context* ctx, void* /*udata*/) {
  /* [ source fileName ] */
  duk_compile(ctx, 0);
  /* [ fn ] */
  return 1;
}

void BM_DuktapeCompile(benchmark::State& state) {
  const std::string utf8 = jsdebug::gbk::toUtf8(megabyteScript());
  duk_context* ctx = duk_create_heap_default();
  for (auto _ : state) {
    duk_push_lstring(ctx, utf8.data(), utf8.size());
    duk_push_string(ctx, "script.js");
    /* [ source fileName ] */
    if (duk_safe_call(ctx, compileOnly, nullptr, 2, 1) != DUK_EXEC_SUCCESS)
      state.SkipWithError("Duktape did not compile the script");
    duk_pop(ctx);
    /* [ ] */
  }
  duk_destroy_heap(ctx);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * utf8.size()));
}
BENCHMARK(BM_DuktapeCompile)->Unit(benchmark::kMillisecond);

// The whole load as "加载代码" does it: the check, Duktape's compile and the top level run.
void BM_HostAddCode(benchmark::State& state) {
  const std::string& script = megabyteScript();
  for (auto _ : state) {
    auto host = jsdebug::engine::createDuktapeHost();
    host->addCode(script);
    if (host->error().Number != "0") state.SkipWithError("the script did not load");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * script.size()));
}
BENCHMARK(BM_HostAddCode)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
