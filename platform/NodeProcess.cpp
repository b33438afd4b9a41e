#include "platform/NodeProcess.h"

#include <cstdint>
#include <cstdlib>

namespace jsdebug::platform {
namespace {

int settingFromEnvironment(const char* name, int fallback) {
  const char* text = std::getenv(name);
  if (text == nullptr || *text == 0) return fallback;
  char* end = nullptr;
  long value = std::strtol(text, &end, 10);
  if (*end != 0 || value <= 0 || value > 24L * 3600 * 1000) return fallback;
  return static_cast<int>(value);
}

constexpr int kDefaultTimeLimitMs = 10000;
constexpr int kDefaultHeapLimitMb = 512;

}  // namespace

std::string nodeProgram() {
  const char* chosen = std::getenv("JSDEBUG_NODE");
  return chosen != nullptr && *chosen != 0 ? chosen : "node";
}

int nodeTimeLimitMs() { return settingFromEnvironment("JSDEBUG_V8_TIMEOUT_MS", kDefaultTimeLimitMs); }
int nodeHeapLimitMb() { return settingFromEnvironment("JSDEBUG_V8_HEAP_MB", kDefaultHeapLimitMb); }

namespace detail {

void AnswerFrame::append(const char* data, std::size_t size) {
  frame_.append(data, size);
  if (haveLength_ || frame_.size() < 4) return;
  auto b = [&](int i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(frame_[i])); };
  wanted_ = 4 + (b(0) | b(1) << 8 | b(2) << 16 | b(3) << 24);
  haveLength_ = true;
  frame_.reserve(wanted_);
}

}  // namespace detail
}  // namespace jsdebug::platform
