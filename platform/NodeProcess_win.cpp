#include "platform/NodeProcess.h"

#include <windows.h>

#include <cerrno>
#include <cstdint>
#include <vector>

namespace jsdebug::platform {

struct NodeProcess::Child {
  HANDLE process = nullptr;
  HANDLE job = nullptr;
  HANDLE input = nullptr;   // our end of the child's standard input
  HANDLE output = nullptr;  // our end of its standard output
};

namespace {

// The command line holds at most 32767 characters, far less than the runner: the command line
// carries only this loader, which reads the runner as the first frame on standard input (u32
// length, then its text) and runs it in its own scope. No double quote may appear in it.
constexpr const char* kLoader =
    "const fs=require('fs');"
    "function take(n){const b=Buffer.alloc(n);let g=0;"
    "while(g<n){const r=fs.readSync(0,b,g,n-g,null);if(r===0)process.exit(0);g+=r}return b}"
    "eval(take(take(4).readUInt32LE(0)).toString('utf8'))";

// The program's full path, looked up on PATH (with ".exe") when the name has no path; empty when
// there is no such file.
std::string findProgram(const std::string& program) {
  if (program.find_first_of("/\\:") != std::string::npos) {
    const DWORD attributes = GetFileAttributesA(program.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) ? program
                                                                                             : std::string();
  }
  char found[MAX_PATH];
  const DWORD n = SearchPathA(nullptr, program.c_str(), ".exe", MAX_PATH, found, nullptr);
  return n > 0 && n < MAX_PATH ? std::string(found, n) : std::string();
}

void closeHandle(HANDLE& handle) {
  if (handle != nullptr && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  handle = nullptr;
}

bool writeAll(HANDLE pipe, const char* data, std::size_t size) {
  while (size > 0) {
    DWORD wrote = 0;
    const DWORD chunk = size > (1u << 20) ? (1u << 20) : static_cast<DWORD>(size);
    if (!WriteFile(pipe, data, chunk, &wrote, nullptr) || wrote == 0) return false;
    data += wrote;
    size -= wrote;
  }
  return true;
}

}  // namespace

NodeProcess::NodeProcess() = default;
NodeProcess::~NodeProcess() { stop(); }

int NodeProcess::start(const std::string& program, const std::string& runnerScript, int heapLimitMb) {
  stop();
  const std::string path = findProgram(program);
  if (path.empty()) return ENOENT;

  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  auto child = std::make_unique<Child>();
  HANDLE childInput = nullptr, childOutput = nullptr;
  // Large pipe buffers: a request (a script of megabytes) goes in without waiting on each piece.
  if (!CreatePipe(&childInput, &child->input, &inherit, 1 << 20)) return EIO;
  if (!CreatePipe(&child->output, &childOutput, &inherit, 1 << 20)) {
    closeHandle(childInput);
    closeHandle(child->input);
    return EIO;
  }
  SetHandleInformation(child->input, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(child->output, HANDLE_FLAG_INHERIT, 0);
  // Node's own diagnostics (an out-of-memory trace) must not mix into the host's output.
  HANDLE nul = CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = childInput;
  startup.hStdOutput = childOutput;
  startup.hStdError = nul;
  std::string commandLine = "\"" + path + "\" --max-old-space-size=" + std::to_string(heapLimitMb) +
                            " -e \"" + kLoader + "\"";
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  PROCESS_INFORMATION info{};
  const BOOL created = CreateProcessA(path.c_str(), line.data(), nullptr, nullptr, TRUE,
                                      CREATE_SUSPENDED | CREATE_NO_WINDOW, nullptr, nullptr, &startup, &info);
  const DWORD createError = GetLastError();
  closeHandle(childInput);
  closeHandle(childOutput);
  closeHandle(nul);
  if (!created) {
    closeHandle(child->input);
    closeHandle(child->output);
    return createError == ERROR_FILE_NOT_FOUND || createError == ERROR_PATH_NOT_FOUND ? ENOENT
           : createError == ERROR_ACCESS_DENIED                                         ? EACCES
                                                                                        : EIO;
  }
  // The heap limit does not cover ArrayBuffer storage, which node keeps outside the V8 heap: the
  // job bounds the whole process, and closing the job (the library unloading, the program
  // ending by any means) ends the child with it.
  child->job = CreateJobObjectA(nullptr, nullptr);
  if (child->job != nullptr) {
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE | JOB_OBJECT_LIMIT_PROCESS_MEMORY;
    limits.ProcessMemoryLimit =
        (static_cast<SIZE_T>(heapLimitMb) + kDataBeyondHeapMb) * 1024 * 1024;
    SetInformationJobObject(child->job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    AssignProcessToJobObject(child->job, info.hProcess);
  }
  ResumeThread(info.hThread);
  CloseHandle(info.hThread);
  child->process = info.hProcess;

  std::string frame(4, '\0');
  for (int i = 0; i < 4; ++i) frame[i] = static_cast<char>((runnerScript.size() >> (8 * i)) & 0xFF);
  frame += runnerScript;
  child_ = std::move(child);
  if (!writeAll(child_->input, frame.data(), frame.size())) {
    stop();
    return EIO;
  }
  return 0;
}

bool NodeProcess::alive() {
  if (!child_ || child_->process == nullptr) return false;
  if (WaitForSingleObject(child_->process, 0) == WAIT_TIMEOUT) return true;
  stop();
  return false;
}

NodeProcess::Outcome NodeProcess::exchange(const std::string& request, std::string& answer, int waitMs) {
  answer.clear();
  if (!child_) return Outcome::Died;
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(waitMs);
  // The runner reads every request whole while it waits for one, so this write does not block.
  if (!writeAll(child_->input, request.data(), request.size())) return Outcome::Died;

  // Anonymous pipes have no waiting with a time-out: the pipe is looked into until the bytes are
  // there or the time is up.
  detail::AnswerFrame frame;
  std::vector<char> chunk(65536);
  int idle = 0;
  while (!frame.complete()) {
    DWORD available = 0;
    if (!PeekNamedPipe(child_->output, nullptr, 0, nullptr, &available, nullptr)) return Outcome::Died;
    if (available == 0) {
      if (GetTickCount64() >= deadline) return Outcome::TimedOut;
      Sleep(idle++ < 50 ? 0 : 1);
      continue;
    }
    idle = 0;
    DWORD got = 0;
    const DWORD want = available < chunk.size() ? available : static_cast<DWORD>(chunk.size());
    if (!ReadFile(child_->output, chunk.data(), want, &got, nullptr) || got == 0) return Outcome::Died;
    frame.append(chunk.data(), got);
  }
  if (frame.outOfStep()) return Outcome::Died;
  answer = frame.body();
  return Outcome::Answered;
}

void NodeProcess::stop() {
  if (!child_) return;
  closeHandle(child_->input);
  closeHandle(child_->output);
  if (child_->process != nullptr) {
    TerminateProcess(child_->process, 1);
    WaitForSingleObject(child_->process, 5000);
    closeHandle(child_->process);
  }
  closeHandle(child_->job);
  child_.reset();
}

}  // namespace jsdebug::platform
