#include "rewrite/Rewriter.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "platform/Paths.h"
#include "rewrite/generated/Modules.h"
#include "text/Codec.h"

namespace jsdebug::rewrite {
namespace {

// Beyond the limit itself: room for node and Babel to boot on a loaded machine.
constexpr int kBootGraceMs = 15000;
constexpr int kAnswerGraceMs = 2000;

void appendU32(std::string& out, std::size_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::uint32_t readU32(std::string_view bytes) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i)
    value = (value << 8) | static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]);
  return value;
}

void appendRecord(std::string& body, char kind, std::string_view utf8) {
  body.push_back(kind);
  appendU32(body, utf8.size());
  body.append(utf8);
}

std::string frame(const std::string& body) {
  std::string out;
  out.reserve(body.size() + 4);
  appendU32(out, body.size());
  return out + body;
}

struct Record {
  char kind;
  std::string_view text;
};

// The records of an answer; a truncated tail is dropped rather than guessed at.
std::vector<Record> records(std::string_view body) {
  std::vector<Record> out;
  while (body.size() >= 5) {
    std::uint32_t size = readU32(body.substr(1));
    if (size > body.size() - 5) break;
    out.push_back({body[0], body.substr(5, size)});
    body.remove_prefix(5 + size);
  }
  return out;
}

std::string format(const char* pattern, long long value) {
  char text[256];
  std::snprintf(text, sizeof text, pattern, value);
  return text;
}

// "a\nb\nc" split at its first `parts - 1` newlines.
std::vector<std::string_view> fields(std::string_view text, int parts) {
  std::vector<std::string_view> out;
  for (int i = 1; i < parts; ++i) {
    std::size_t newline = text.find('\n');
    if (newline == std::string_view::npos) break;
    out.push_back(text.substr(0, newline));
    text.remove_prefix(newline + 1);
  }
  out.push_back(text);
  return out;
}

}  // namespace

std::string Outcome::fact(std::string_view name) const {
  for (const Setting& f : facts)
    if (f.name == name) return f.value;
  return {};
}

std::string Rewriter::startLocked() {
  if (node_.alive()) return {};
  const std::string program = platform::nodeProgram();
  int error = node_.start(program, std::string(kRunnerScript), platform::nodeHeapLimitMb());
  if (error == ENOENT)
    return "找不到 node 程序“" + platform::nativeToGbk(program) +
           "”。脚本改写需要 Node.js 18 或更高版本：请安装它，或用环境变量 JSDEBUG_NODE 指定其路径";
  if (error != 0)
    return "无法启动 node 程序“" + platform::nativeToGbk(program) + "”：" +
           platform::systemErrorText(std::error_code(error, std::generic_category()));

  std::string body;
  for (const EmbeddedModule* m = embeddedModules(); !m->path.empty(); ++m) {
    appendRecord(body, 'M', m->path);
    appendRecord(body, 'S', m->text);
  }
  std::string answer;
  const auto outcome = node_.exchange(frame(body), answer, kBootGraceMs);
  std::vector<Record> ready = records(answer);
  if (outcome == platform::NodeProcess::Outcome::Answered && !ready.empty() && ready[0].kind == 'K')
    return {};
  node_.stop();
  if (outcome == platform::NodeProcess::Outcome::Answered && !ready.empty() && ready[0].kind == 'B') {
    std::string places(ready[0].text);
    for (char& c : places)
      if (c == '\n') c = ' ';
    return "找不到 Babel（Debian 软件包 node-babel7-standalone，找过：" + gbk::fromUtf8(places) +
           "）。请安装它，或用环境变量 JSDEBUG_BABEL 指定 babel.js 的路径";
  }
  return "node 程序“" + platform::nativeToGbk(program) + "”没有启动改写脚本（需要 Node.js 18 或更高版本）";
}

Outcome Rewriter::run(std::string_view op, std::string_view text, const std::vector<Setting>& options) {
  std::lock_guard lock(mutex_);
  Outcome out;
  if (out.failure = startLocked(); !out.failure.empty()) return out;

  std::string body;
  appendRecord(body, 'P', gbk::toUtf8(op));
  appendRecord(body, 'X', gbk::toUtf8(text));
  for (const Setting& o : options) appendRecord(body, 'O', gbk::toUtf8(o.name + "=" + o.value));

  const int limit = platform::nodeTimeLimitMs();
  std::string answer;
  switch (node_.exchange(frame(body), answer, limit + kAnswerGraceMs)) {
    case platform::NodeProcess::Outcome::Answered:
      break;
    case platform::NodeProcess::Outcome::TimedOut:
      node_.stop();
      out.failure = format("改写超过 %lld 毫秒没有完成，已停止", limit);
      return out;
    case platform::NodeProcess::Outcome::Died:
      node_.stop();
      out.failure = format("改写进程意外退出（脚本可能超出了 %lld MB 的内存上限）", platform::nodeHeapLimitMb());
      return out;
  }

  for (const Record& r : records(answer)) {
    switch (r.kind) {
      case 'T':
        out.text = gbk::fromUtf8(r.text);
        out.hasText = true;
        break;
      case 'R':
        out.report.push_back(gbk::fromUtf8(r.text));
        break;
      case 'E': {
        auto f = fields(r.text, 3);
        if (f.size() != 3) break;
        out.problems.push_back({std::strtol(std::string(f[0]).c_str(), nullptr, 10),
                                std::strtol(std::string(f[1]).c_str(), nullptr, 10), gbk::fromUtf8(f[2])});
        break;
      }
      case 'F': {
        auto f = fields(r.text, 2);
        if (f.size() == 2) out.facts.push_back({gbk::fromUtf8(f[0]), gbk::fromUtf8(f[1])});
        break;
      }
      case 'X': {
        std::string why = gbk::fromUtf8(fields(r.text, 2)[0]);
        out = Outcome{};
        out.failure = "改写脚本出错：" + why;
        return out;
      }
      default:
        break;
    }
  }
  return out;
}

void Rewriter::stop() {
  std::lock_guard lock(mutex_);
  node_.stop();
}

Rewriter& rewriter() {
  static Rewriter instance;
  return instance;
}

}  // namespace jsdebug::rewrite
