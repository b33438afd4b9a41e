#include "platform/Processes.h"

#include <dirent.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace jsdebug::platform {

std::vector<long> childProcesses() {
  std::vector<long> pids;
  DIR* tasks = opendir("/proc/self/task");
  if (tasks == nullptr) return pids;
  while (const dirent* task = readdir(tasks)) {
    if (task->d_name[0] == '.') continue;
    std::ifstream children(std::string("/proc/self/task/") + task->d_name + "/children");
    for (long pid; children >> pid;) pids.push_back(pid);
  }
  closedir(tasks);
  return pids;
}

long residentKilobytes(long pid) {
  std::ifstream status("/proc/" + (pid == 0 ? std::string("self") : std::to_string(pid)) + "/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  return -1;
}

}  // namespace jsdebug::platform
