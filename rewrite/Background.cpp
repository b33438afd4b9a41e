#include "rewrite/Background.h"

#include <mutex>
#include <thread>

namespace jsdebug::rewrite {
namespace {

std::mutex runningMutex;
std::string running;  // the command's name while one runs, empty otherwise

}  // namespace

std::string startedNote(const std::string& command) {
  return command + " 正在后台进行，完成后结果写入编辑框（一步撤销）；其间窗口可以照常使用\r\n";
}

std::string stillRunningNote(const std::string& command) {
  return "提示：" + command + " 还在进行，这次点击没有启动新的处理，请等它完成\r\n";
}

bool rewriteRunning() {
  std::lock_guard<std::mutex> lock(runningMutex);
  return !running.empty();
}

bool startRewrite(workflow::Workbench& bench, const std::string& command,
                  std::function<void()> work, std::function<void()> finished) {
  std::string busyWith;
  {
    std::lock_guard<std::mutex> lock(runningMutex);
    if (running.empty()) running = command;
    else busyWith = running;
  }
  if (!busyWith.empty()) {
    bench.appendLog(stillRunningNote(busyWith));
    if (finished) finished();
    return false;
  }
  bench.clearLog();
  bench.appendLog(startedNote(command));
  std::thread([work = std::move(work), finished = std::move(finished)] {
    work();
    {
      std::lock_guard<std::mutex> lock(runningMutex);
      running.clear();
    }
    if (finished) finished();
  }).detach();
  return true;
}

}  // namespace jsdebug::rewrite
