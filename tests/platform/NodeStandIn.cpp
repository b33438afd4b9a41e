// Started by NodeProcess in place of node on Windows, to show what the job object does to a child:
// it reads the runner frame and one request, answers one frame, then waits until its input ends.
//   "limits":     "no job", or the job's flags and memory bound as the child sees them, and
//                 whether a block of memory past the bound can be committed
//   "grandchild": starts a copy of itself that only sleeps, and answers with that copy's id
// With --sleep it sleeps for a minute (the grandchild).
#include <windows.h>

#include <string>

namespace {

bool readAll(HANDLE in, char* data, DWORD size) {
  for (DWORD done = 0; done < size;) {
    DWORD got = 0;
    if (!ReadFile(in, data + done, size - done, &got, nullptr) || got == 0) return false;
    done += got;
  }
  return true;
}

bool readFrame(HANDLE in, std::string& body) {
  unsigned char length[4];
  if (!readAll(in, reinterpret_cast<char*>(length), 4)) return false;
  const DWORD size = length[0] | length[1] << 8 | length[2] << 16 | static_cast<DWORD>(length[3]) << 24;
  body.assign(size, '\0');
  return size == 0 || readAll(in, body.data(), size);
}

void writeFrame(HANDLE out, const std::string& body) {
  std::string frame(4, '\0');
  for (int i = 0; i < 4; ++i) frame[i] = static_cast<char>((body.size() >> (8 * i)) & 0xFF);
  frame += body;
  DWORD wrote = 0;
  WriteFile(out, frame.data(), static_cast<DWORD>(frame.size()), &wrote, nullptr);
}

std::string limits() {
  BOOL inJob = FALSE;
  IsProcessInJob(GetCurrentProcess(), nullptr, &inJob);
  if (!inJob) return "no job";
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION info{};
  if (!QueryInformationJobObject(nullptr, JobObjectExtendedLimitInformation, &info, sizeof info, nullptr))
    return "no job";
  const DWORD flags = info.BasicLimitInformation.LimitFlags;
  std::string text = "kill-on-close=" + std::to_string((flags & JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE) != 0 ? 1 : 0) +
                     " memory-mb=" +
                     std::to_string((flags & JOB_OBJECT_LIMIT_PROCESS_MEMORY) != 0 ? info.ProcessMemoryLimit >> 20 : 0);
  // 64 MB past the bound, committed at once.
  void* block = VirtualAlloc(nullptr, info.ProcessMemoryLimit + (SIZE_T{64} << 20), MEM_COMMIT | MEM_RESERVE,
                             PAGE_READWRITE);
  text += block == nullptr ? " past-bound=refused" : " past-bound=granted";
  if (block != nullptr) VirtualFree(block, 0, MEM_RELEASE);
  return text;
}

std::string grandchild() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string line = "\"" + std::string(path) + "\" --sleep";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(path, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                      &info))
    return "no grandchild";
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return std::to_string(info.dwProcessId);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--sleep") {
    Sleep(60000);
    return 0;
  }
  HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  std::string runner, request;
  if (!readFrame(in, runner) || !readFrame(in, request)) return 2;
  writeFrame(out, request == "limits" ? limits() : request == "grandchild" ? grandchild() : "unknown");
  char rest;
  DWORD got = 0;
  while (ReadFile(in, &rest, 1, &got, nullptr) && got != 0) {
  }
  return 0;
}
