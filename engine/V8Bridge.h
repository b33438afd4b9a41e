#pragma once
// The one place that talks to the engine library and the code-page functions, all through the
// external function table. initializeV8 runs once at start-up; executeV8 serves the
// V8 run (GUI thread) and the jsfuck decoding (its worker) with the same context.

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/BrowserEnvironment.h"
#include "engine/ExternalFunctionTable.h"

namespace jsdebug::engine {

inline constexpr int kDefaultV8BufferLength = 1024;

class V8Bridge {
 public:
  explicit V8Bridge(ExternalFunctionTable& table) : table_(table) {}

  // Calls InitializeV8 and keeps its result as the context. A missing library ends the program.
  void initializeV8(const std::string& startupPath);

  // Runs `script`, then functionName + "(" + arguments + ")" (nothing quoted or trimmed), with a
  // buffer of bufferLength spaces and a NUL (none when bufferLength is below 1); the result is
  // the buffer up to its first NUL.
  std::string executeV8(const std::string& script, const std::string& functionName,
                        const std::string& arguments, int bufferLength = kDefaultV8BufferLength);

  // executeV8 that also collects what the run printed and, with a page address (not empty), runs
  // in the browser environment and collects the names the script missed. An engine library
  // without our JsdebugExecV8 export gets the plain call and leaves `notes` empty.
  std::string executeV8(const std::string& script, const std::string& functionName,
                        const std::string& arguments, int bufferLength,
                        const std::string& location, BrowserNotes& notes);

  // UTF-8 bytes to GBK text through the two conversion entries: measure, convert, measure,
  // convert. The result ends at the first NUL.
  std::string utf8ToGbk(std::string_view bytes);

  std::intptr_t context() const { return context_.load(); }

 private:
  // location nullptr: the contract's own export only.
  std::string execute(const std::string& script, const std::string& functionName,
                      const std::string& arguments, int bufferLength, const std::string* location,
                      BrowserNotes& notes);

  ExternalFunctionTable& table_;
  std::atomic<std::intptr_t> context_{0};
};

// The process-wide bridge over externalFunctions().
V8Bridge& v8Bridge();

// The start-up path handed to InitializeV8: the executable's directory without its trailing
// separator, immediately followed by the file name ("/opt/x/jsdebug" gives "/opt/xjsdebug").
std::string startupPath(std::string_view executablePath);
// The same for the running executable.
std::string startupPath();

}  // namespace jsdebug::engine
