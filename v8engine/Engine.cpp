#include "v8engine/Engine.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/NodeProcess.h"
#include "platform/Paths.h"
#include "text/Codec.h"
#include "v8engine/Report.h"

namespace jsdebug::v8engine {

// The runner script, embedded at build time (RunnerScript.cpp is generated from runner.js).
extern const char* const kRunnerScript;

namespace {

// How much longer than a run's own limit the child may stay silent: room for node to boot.
constexpr int kAnswerGraceMs = 5000;

void appendU32(std::string& out, std::size_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::string format(const char* pattern, long long a, long long b = 0) {
  char text[512];
  std::snprintf(text, sizeof text, pattern, a, b);
  return text;
}

std::uint32_t readU32(std::string_view bytes) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]);
  return value;
}

// The notes in front of the value: records of a kind letter, a u32 length and UTF-8 text. What
// does not parse is left out rather than guessed at.
std::vector<Note> takeNotes(std::string_view& body) {
  std::vector<Note> notes;
  if (body.size() < 4) return notes;
  std::uint32_t length = readU32(body);
  if (length > body.size() - 4) {
    body = {};
    return notes;
  }
  std::string_view records = body.substr(4, length);
  body.remove_prefix(4 + length);
  while (records.size() >= 5) {
    char kind = records[0];
    std::uint32_t size = readU32(records.substr(1));
    if (size > records.size() - 5) break;
    notes.push_back({kind, gbk::fromUtf8(records.substr(5, size))});
    records.remove_prefix(5 + size);
  }
  return notes;
}

// Where the child's answer ends without a value: it died, hung, or was never there.
std::string answerToReport(std::string_view body) {
  if (body.empty()) return errorReport(0, "Error: V8 引擎返回了无法识别的应答");
  char kind = body.front();
  body.remove_prefix(1);
  if (kind == 'V') return gbk::fromUtf8(body);
  if (kind == 'E') {
    std::size_t newline = body.find('\n');
    long line = std::strtol(std::string(body.substr(0, newline)).c_str(), nullptr, 10);
    std::string_view message = newline == std::string_view::npos ? "" : body.substr(newline + 1);
    return errorReport(line, gbk::fromUtf8(message));
  }
  return errorReport(0, "Error: V8 引擎返回了无法识别的应答");
}

}  // namespace

std::string errorReport(long line, std::string_view message) {
  return v8report::errorReport(std::to_string(line), message);
}

void writeResult(std::string_view result, char* buffer, int bufferLength) {
  if (buffer == nullptr || bufferLength < 1) return;
  auto capacity = static_cast<std::size_t>(bufferLength);
  std::string tooLong;
  if (result.size() > capacity) {
    // The program takes a text for a failure only when it holds "错误信息", and reads the line
    // and the message only up to their CR LF. So the report shrinks whole, never by cutting: the
    // longest form that fits, down to the bare marker; a buffer too short even for that gets the
    // empty text, since a piece of a report would be shown as the value.
    const auto size = static_cast<long long>(result.size());
    const std::string full = format("RangeError: 返回结果长度为 %lld 字节，超过了缓冲区长度 %lld，"
                                    "请增大缓冲区长度",
                                    size, bufferLength);
    const std::string brief = format("结果长%lld字节，请增大缓冲区", size);
    const std::string candidates[] = {
        errorReport(0, full),
        errorReport(0, brief),
        v8report::messageOnly(brief),
        v8report::messageOnly("缓冲区太小"),
        v8report::messageOnly(""),
        std::string(v8report::kFailureMarker),
    };
    for (const std::string& candidate : candidates) {
      if (candidate.size() <= capacity) {
        tooLong = candidate;
        break;
      }
    }
    result = tooLong;
  }
  std::memcpy(buffer, result.data(), result.size());
  buffer[result.size()] = '\0';
}

std::string Engine::startLocked() {
  if (node_.alive()) return {};
  std::string program = platform::nodeProgram();
  int error = node_.start(program, kRunnerScript, platform::nodeHeapLimitMb());
  if (error == 0) return {};
  if (error == ENOENT)
    return errorReport(0, "Error: 找不到 node 程序“" + platform::nativeToGbk(program) +
                              "”。V8 引擎需要 Node.js 18 或更高版本：请安装它，或用环境变量 "
                              "JSDEBUG_NODE 指定其路径");
  return errorReport(0, "Error: 无法启动 node 程序“" + platform::nativeToGbk(program) + "”：" +
                            platform::systemErrorText(std::error_code(error, std::generic_category())));
}

void Engine::start() {
  std::lock_guard lock(mutex_);
  startLocked();
}

std::string Engine::run(std::string_view script, std::string_view call) {
  return run(script, call, {}).result;
}

RunOutcome Engine::run(std::string_view script, std::string_view call, std::string_view location) {
  std::lock_guard lock(mutex_);
  if (std::string failure = startLocked(); !failure.empty()) return {failure, {}};

  int limit = platform::nodeTimeLimitMs();
  std::string utf8Script = gbk::toUtf8(script);
  std::string utf8Call = gbk::toUtf8(call);
  std::string utf8Location = gbk::toUtf8(location);
  std::string request;
  request.reserve(16 + utf8Script.size() + utf8Call.size() + utf8Location.size());
  appendU32(request, static_cast<std::size_t>(limit));
  appendU32(request, utf8Script.size());
  request += utf8Script;
  appendU32(request, utf8Call.size());
  request += utf8Call;
  appendU32(request, utf8Location.size());
  request += utf8Location;

  std::string answer;
  // The runner enforces the limit itself; ours only catches a child that stopped answering (a
  // conversion stuck outside the limit, a boot that never finished).
  const int answerWithinMs = limit + kAnswerGraceMs;
  switch (node_.exchange(request, answer, answerWithinMs)) {
    case platform::NodeProcess::Outcome::Answered: {
      std::string_view body = answer;
      std::vector<Note> notes = takeNotes(body);
      return {answerToReport(body), std::move(notes)};
    }
    case platform::NodeProcess::Outcome::TimedOut:
      node_.stop();
      return {errorReport(0, format("Error: V8 引擎超过 %lld 毫秒没有应答，已被终止；下次运行时重新启动",
                                   answerWithinMs)), {}};
    case platform::NodeProcess::Outcome::Died:
      break;
  }
  node_.stop();
  return {errorReport(0, format("Error: V8 引擎进程意外退出（脚本可能超出了 %lld MB 的内存上限）；"
                                "下次运行时重新启动",
                                platform::nodeHeapLimitMb())),
          {}};
}

Engine& engine() {
  static Engine instance;
  return instance;
}

}  // namespace jsdebug::v8engine
