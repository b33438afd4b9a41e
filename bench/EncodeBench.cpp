// 编码工具's operations on 1 MB of mixed GBK text; Base64 beside OpenSSL's EVP_EncodeBlock and
// EVP_DecodeBlock on the same bytes.

#include <benchmark/benchmark.h>
#include <openssl/evp.h>

#include <string>

#include "encode/Encodings.h"
#include "encode/Json.h"
#include "encode/Operations.h"

namespace {

using namespace jsdebug::encode;

std::string mixedGbk(std::size_t bytes) {
  const std::string line = "var s = '\xD6\xD0\xCE\xC4\xB2\xE2\xCA\xD4' + \"abc&<>\" + 12345;\r\n";
  std::string text;
  while (text.size() < bytes) text += line;
  text.resize(bytes - bytes % line.size());
  return text;
}

std::string jsonText(std::size_t bytes) {
  std::string text = "[";
  while (text.size() < bytes) text += "{\"name\":\"\xD6\xD0\xCE\xC4\",\"n\":[1,2.5,-3e4],\"ok\":true},";
  text.back() = ']';
  return text;
}

void setBytes(benchmark::State& state, std::size_t size) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(size));
}

void BM_OperationOnMixedText(benchmark::State& state, const char* name, Charset charset) {
  const std::string text = mixedGbk(1 << 20);
  Options options;
  options.charset = charset;
  const Operation* op = findOperation(name);
  for (auto _ : state) benchmark::DoNotOptimize(op->run(text, options));
  setBytes(state, text.size());
}

void BM_Base64DecodeOurs(benchmark::State& state) {
  const std::string coded = base64Encode(mixedGbk(1 << 20), false, true);
  for (auto _ : state) benchmark::DoNotOptimize(base64Decode(coded));
  setBytes(state, coded.size());
}

void BM_Base64EncodeOpenSsl(benchmark::State& state) {
  const std::string text = mixedGbk(1 << 20);
  std::string out((text.size() + 2) / 3 * 4 + 1, '\0');
  for (auto _ : state)
    benchmark::DoNotOptimize(EVP_EncodeBlock(reinterpret_cast<unsigned char*>(out.data()),
                                             reinterpret_cast<const unsigned char*>(text.data()),
                                             static_cast<int>(text.size())));
  setBytes(state, text.size());
}

void BM_Base64DecodeOpenSsl(benchmark::State& state) {
  const std::string coded = base64Encode(mixedGbk(1 << 20), false, true);
  std::string out(coded.size(), '\0');
  for (auto _ : state)
    benchmark::DoNotOptimize(EVP_DecodeBlock(reinterpret_cast<unsigned char*>(out.data()),
                                             reinterpret_cast<const unsigned char*>(coded.data()),
                                             static_cast<int>(coded.size())));
  setBytes(state, coded.size());
}

void BM_JsonPretty(benchmark::State& state) {
  const std::string text = jsonText(1 << 20);
  for (auto _ : state) benchmark::DoNotOptimize(jsonPretty(text));
  setBytes(state, text.size());
}

}  // namespace

#define JSDEBUG_ENCODE_BENCH(fn, ...) \
  BENCHMARK_CAPTURE(BM_OperationOnMixedText, fn, __VA_ARGS__)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true)
JSDEBUG_ENCODE_BENCH(base64_gbk, "base64", Charset::Gbk);
JSDEBUG_ENCODE_BENCH(base64_utf8, "base64", Charset::Utf8);
JSDEBUG_ENCODE_BENCH(url_utf8, "url", Charset::Utf8);
JSDEBUG_ENCODE_BENCH(escape, "escape", Charset::Gbk);
JSDEBUG_ENCODE_BENCH(html, "html", Charset::Gbk);
JSDEBUG_ENCODE_BENCH(sha256_gbk, "sha256", Charset::Gbk);
JSDEBUG_ENCODE_BENCH(sha256_utf8, "sha256", Charset::Utf8);
BENCHMARK(BM_Base64EncodeOpenSsl)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Base64DecodeOurs)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Base64DecodeOpenSsl)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_JsonPretty)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
