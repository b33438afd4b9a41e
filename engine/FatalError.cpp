#include "engine/FatalError.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>

#include "engine/ExternalFunctionTable.h"

namespace jsdebug::engine {
namespace {

struct Handlers {
  std::mutex mutex;
  FatalErrorBox box;
  ProcessExit exit;
};

Handlers& handlers() {
  static Handlers h;
  return h;
}

}  // namespace

std::string fatalErrorText(int code, std::string_view message) {
  std::string text = "运行时出错!\r\n\r\n";
  if (code != 0) {
    text += "错误代码：";
    text += std::to_string(code);
    text += "\r\n\r\n";
  }
  if (!message.empty()) {
    text += "错误信息：";
    text += message;
    text += "\r\n";
  }
  return text;
}

void setFatalErrorBox(FatalErrorBox box) {
  std::lock_guard lock(handlers().mutex);
  handlers().box = std::move(box);
}

void setFatalErrorExit(ProcessExit exit) {
  std::lock_guard lock(handlers().mutex);
  handlers().exit = std::move(exit);
}

void FatalError(int code, std::string_view message) {
  FatalErrorBox box;
  ProcessExit exit;
  {
    std::lock_guard lock(handlers().mutex);
    box = handlers().box;
    exit = handlers().exit;
  }
  std::string text = fatalErrorText(code, message);
  if (box) {
    box(text, kFatalErrorTitle);
  } else {
    std::string line = std::string("[") + kFatalErrorTitle + "] " + text + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
  }
  externalFunctions().releaseLibraries();
  if (exit) exit(-1);
  // Not exit(): the other thread (a jsfuck decoding) may still be running, and static
  // destructors would pull the objects it uses from under it.
  std::fflush(nullptr);
  std::_Exit(-1);
}

}  // namespace jsdebug::engine
