#include "platform/Processes.h"

#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

namespace jsdebug::platform {

std::vector<long> childProcesses() {
  std::vector<long> pids;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return pids;
  const DWORD self = GetCurrentProcessId();
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
    if (entry.th32ParentProcessID == self && entry.th32ProcessID != self)
      pids.push_back(static_cast<long>(entry.th32ProcessID));
  CloseHandle(snapshot);
  return pids;
}

long residentKilobytes(long pid) {
  HANDLE process = pid == 0 ? GetCurrentProcess()
                            : OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
  if (process == nullptr) return -1;
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  const BOOL ok = GetProcessMemoryInfo(process, &counters, sizeof counters);
  if (pid != 0) CloseHandle(process);
  return ok ? static_cast<long>(counters.WorkingSetSize / 1024) : -1;
}

}  // namespace jsdebug::platform
