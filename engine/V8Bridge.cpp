#include "engine/V8Bridge.h"

#include <new>
#include <vector>

#include "platform/CodePages.h"
#include "platform/Paths.h"
#include "v8engine/Report.h"

namespace jsdebug::engine {

void V8Bridge::initializeV8(const std::string& startupPath) {
  context_.store(table_.InitializeV8(startupPath.c_str()));
}

std::string V8Bridge::executeV8(const std::string& script, const std::string& functionName,
                                const std::string& arguments, int bufferLength) {
  BrowserNotes ignored;
  return execute(script, functionName, arguments, bufferLength, nullptr, ignored);
}

std::string V8Bridge::executeV8(const std::string& script, const std::string& functionName,
                                const std::string& arguments, int bufferLength,
                                const std::string& location, BrowserNotes& notes) {
  return execute(script, functionName, arguments, bufferLength, &location, notes);
}

std::string V8Bridge::execute(const std::string& script, const std::string& functionName,
                              const std::string& arguments, int bufferLength,
                              const std::string* location, BrowserNotes& notes) {
  std::string call = functionName + "(" + arguments + ")";
  std::vector<char> buffer;
  if (bufferLength >= 1) {
    try {
      buffer.assign(static_cast<std::size_t>(bufferLength) + 1, ' ');
    } catch (const std::bad_alloc&) {
      // A length the user typed that memory cannot hold must not end the program; say so in the
      // engine's own report form, which the callers already read as a failure.
      return v8report::errorReport(
          "0", "无法分配长度为" + std::to_string(bufferLength) + "的结果缓冲区，请减小缓冲区长度");
    }
    buffer.back() = '\0';
  }
  char* data = buffer.empty() ? nullptr : buffer.data();
  auto sink = [](void* user, int kind, const char* text, int length) {
    static_cast<BrowserNotes*>(user)->add(kind, std::string(text, length > 0 ? static_cast<std::size_t>(length) : 0));
  };
  if (location == nullptr || !table_.JsdebugExecV8(context_.load(), location->c_str(), script.c_str(),
                                                   call.c_str(), data, bufferLength, sink, &notes))
    table_.ExecJavaScriptV8(context_.load(), script.c_str(), call.c_str(), data, bufferLength);
  if (buffer.empty()) return {};
  // The engine may leave the buffer without its NUL only by writing past what it was told;
  // the last byte is ours either way.
  buffer.back() = '\0';
  return std::string(buffer.data());
}

std::string V8Bridge::utf8ToGbk(std::string_view bytes) {
  if (bytes.empty()) return {};
  int length = static_cast<int>(bytes.size());
  char16_t measureOnly = 0;
  int units = table_.MultiByteToWideChar(platform::kCodePageUtf8, 0, bytes.data(), length,
                                         &measureOnly, 0);
  std::vector<char16_t> wide(static_cast<std::size_t>(units > 0 ? units : 0) + 1, u'\0');
  table_.MultiByteToWideChar(platform::kCodePageUtf8, 0, bytes.data(), length, wide.data(), units);
  int size = table_.WideCharToMultiByte(platform::kCodePageGbk, 0, wide.data(), units, nullptr, 0,
                                        nullptr, nullptr);
  std::vector<char> narrow(static_cast<std::size_t>(size > 0 ? size : 0) + 1, '\0');
  table_.WideCharToMultiByte(platform::kCodePageGbk, 0, wide.data(), units, narrow.data(), size,
                             nullptr, nullptr);
  return std::string(narrow.data());
}

V8Bridge& v8Bridge() {
  static V8Bridge bridge(externalFunctions());
  return bridge;
}

std::string startupPath(std::string_view executablePath) {
  std::size_t slash = executablePath.rfind(platform::kPathSeparator);
  if (slash == std::string_view::npos) return std::string(executablePath);
  return std::string(executablePath.substr(0, slash)) +
         std::string(executablePath.substr(slash + 1));
}

std::string startupPath() { return platform::programDirectory() + platform::programFileName(); }

}  // namespace jsdebug::engine
