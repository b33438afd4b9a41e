#include "engine/ExternalFunctionTable.h"

#include "engine/FatalError.h"
#include "platform/CodePages.h"
#include "platform/Paths.h"
#include "v8engine/Exports.h"

namespace jsdebug::engine {
namespace {

// Searched in this order for an entry without a library name.
constexpr const char* kSystemLibraries[] = {"Kernel32.dll", "Gdi32.dll",  "User32.dll",
                                            "Advapi32.dll", "Mpr.dll",    "Shell32.dll"};

enum Index : std::size_t { kInitialize, kMultiByte, kWideChar, kExec, kCoInitialize, kCoUninitialize };

}  // namespace

ExternalFunctionTable::ExternalFunctionTable(std::string programDirectory)
    : programDirectory_(std::move(programDirectory)) {
  const char* names[kEntries][2] = {
      {"v8.dll", "InitializeV8"},      {"", "MultiByteToWideChar"},
      {"kernel32.dll", "WideCharToMultiByte"}, {"v8.dll", "ExecJavaScriptV8"},
      {"ole32.dll", "CoInitialize"},   {"ole32.dll", "CoUninitialize"},
  };
  for (std::size_t i = 0; i < kEntries; ++i) {
    entries_[i].library = names[i][0];
    entries_[i].exportName = names[i][1];
  }
  optionalExec_.library = "v8.dll";
  optionalExec_.exportName = v8contract::kJsdebugExecV8;
}

ExternalFunctionTable::~ExternalFunctionTable() { releaseLibraries(); }

platform::ProcAddress ExternalFunctionTable::resolve(Entry& entry) {
  std::string failure;
  if (platform::ProcAddress found = lookUp(entry, failure)) return found;
  // Outside the lock: FatalError releases this process's libraries through the same table.
  FatalError(0, failure);
}

platform::ProcAddress ExternalFunctionTable::lookUp(Entry& entry, std::string& failure) {
  if (platform::ProcAddress known = entry.address.load(std::memory_order_acquire)) return known;
  {
    std::lock_guard lock(mutex_);
    if (platform::ProcAddress known = entry.address.load(std::memory_order_acquire)) return known;
    std::string library = entry.library;
    if (library.empty()) {
      for (const char* name : kSystemLibraries) {
        platform::ModuleHandle module = platform::loadLibrary(name);
        if (platform::ProcAddress found = platform::getProcAddress(module, entry.exportName)) {
          entry.module = module;
          entry.address.store(found, std::memory_order_release);
          return found;
        }
        platform::freeLibrary(module);
      }
      failure = "无法找到指定DLL库文件中的输出命令“" + std::string(entry.exportName) + "”";
    } else {
      platform::ModuleHandle module = nullptr;
      // A drive-qualified name is taken as given. Otherwise the program's own directory comes
      // first (joined with this platform's separator), where the user puts a copy of his own;
      // then the private folder an installed program keeps its engine in; then the standard
      // library search.
      if (library.find(':') == std::string::npos) {
        module = platform::loadLibrary(platform::joinPath(programDirectory_, library));
        if (module == nullptr)
          module = platform::loadLibrary(platform::joinPath(
              platform::joinPath(programDirectory_, privateLibraryDirectory()), library));
      }
      if (module == nullptr) module = platform::loadLibrary(library);
      if (platform::ProcAddress found = platform::getProcAddress(module, entry.exportName)) {
        entry.module = module;
        entry.address.store(found, std::memory_order_release);
        return found;
      }
      platform::freeLibrary(module);
      failure = "无法找到指定DLL库文件“" + library + "”中的输出命令“" + entry.exportName + "”";
    }
  }
  return nullptr;
}

std::intptr_t ExternalFunctionTable::InitializeV8(const char* startupPath) {
  return function<v8contract::InitializeV8Function>(kInitialize)(startupPath);
}

int ExternalFunctionTable::MultiByteToWideChar(unsigned codePage, std::uint32_t flags,
                                               const char* source, int sourceLength,
                                               char16_t* destination, int destinationCapacity) {
  return function<decltype(&platform::MultiByteToWideChar)>(kMultiByte)(
      codePage, flags, source, sourceLength, destination, destinationCapacity);
}

int ExternalFunctionTable::WideCharToMultiByte(unsigned codePage, std::uint32_t flags,
                                               const char16_t* source, int sourceLength,
                                               char* destination, int destinationCapacity,
                                               const char* defaultChar, int* usedDefaultChar) {
  return function<decltype(&platform::WideCharToMultiByte)>(kWideChar)(
      codePage, flags, source, sourceLength, destination, destinationCapacity, defaultChar,
      usedDefaultChar);
}

void ExternalFunctionTable::ExecJavaScriptV8(std::intptr_t context, const char* script,
                                             const char* call, char* buffer, int bufferLength) {
  function<v8contract::ExecJavaScriptV8Function>(kExec)(context, script, call, buffer,
                                                        bufferLength);
}

bool ExternalFunctionTable::JsdebugExecV8(std::intptr_t context, const char* location,
                                          const char* script, const char* call, char* buffer,
                                          int bufferLength,
                                          void (*sink)(void*, int, const char*, int), void* user) {
  std::string failure;
  platform::ProcAddress address = lookUp(optionalExec_, failure);
  if (address == nullptr) return false;
  reinterpret_cast<v8contract::JsdebugExecV8Function>(address)(context, location, script, call,
                                                               buffer, bufferLength, sink, user);
  return true;
}

void ExternalFunctionTable::releaseLibraries() {
  std::lock_guard lock(mutex_);
  auto release = [](Entry& entry) {
    entry.address.store(nullptr, std::memory_order_release);
    platform::freeLibrary(entry.module);
    entry.module = nullptr;
  };
  for (Entry& entry : entries_) release(entry);
  release(optionalExec_);
}

const char* privateLibraryDirectory() {
#ifdef JSDEBUG_PRIVATE_LIBDIR
  return JSDEBUG_PRIVATE_LIBDIR;
#else
  return "../lib/jsdebug";
#endif
}

ExternalFunctionTable& externalFunctions() {
  static ExternalFunctionTable table(platform::programDirectory());
  return table;
}

}  // namespace jsdebug::engine
