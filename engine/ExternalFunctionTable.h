#pragma once
// The six functions the program takes from external libraries, each resolved on its first call:
// the two exports of the engine library v8.dll, two code-page conversions and two apartment
// functions from the "system libraries" (kernel32.dll, ole32.dll, which platform/ provides as
// built-in modules). A library or export that cannot be found ends the program through
// FatalError. Libraries stay loaded until releaseLibraries (shutdown).
//
// Each entry is called through a function type with exactly its parameter list, so the
// argument-count mismatch the Windows program guarded against after each call cannot arise here.

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include "platform/DynamicLibrary.h"

namespace jsdebug::engine {

class ExternalFunctionTable {
 public:
  // Libraries are looked for in `programDirectory` first, then in the private library folder
  // relative to it, then through the standard search.
  explicit ExternalFunctionTable(std::string programDirectory);
  ExternalFunctionTable(const ExternalFunctionTable&) = delete;
  ExternalFunctionTable& operator=(const ExternalFunctionTable&) = delete;
  ~ExternalFunctionTable();

  // 1: v8.dll InitializeV8.
  std::intptr_t InitializeV8(const char* startupPath);
  // 2: MultiByteToWideChar from the first system library that has it.
  int MultiByteToWideChar(unsigned codePage, std::uint32_t flags, const char* source,
                          int sourceLength, char16_t* destination, int destinationCapacity);
  // 3: kernel32.dll WideCharToMultiByte.
  int WideCharToMultiByte(unsigned codePage, std::uint32_t flags, const char16_t* source,
                          int sourceLength, char* destination, int destinationCapacity,
                          const char* defaultChar, int* usedDefaultChar);
  // 4: v8.dll ExecJavaScriptV8.
  void ExecJavaScriptV8(std::intptr_t context, const char* script, const char* call, char* buffer,
                        int bufferLength);
  // Beyond the six: v8.dll JsdebugExecV8, which only our own engine library has. False (and
  // nothing called) when the library lacks it; that never ends the program.
  bool JsdebugExecV8(std::intptr_t context, const char* location, const char* script,
                     const char* call, char* buffer, int bufferLength,
                     void (*sink)(void*, int, const char*, int), void* user);
  // 5 and 6 (ole32.dll CoInitialize / CoUninitialize) are listed and never called: the
  // transformers, the only code entering an apartment besides start-up, use platform/ directly.

  // Frees every library handle the entries hold; an entry used afterwards resolves again.
  void releaseLibraries();

 private:
  static constexpr std::size_t kEntries = 6;

  struct Entry {
    const char* library;  // empty: search the system libraries
    const char* exportName;
    std::atomic<platform::ProcAddress> address{nullptr};
    platform::ModuleHandle module = nullptr;
  };

  platform::ProcAddress resolve(Entry& entry);
  // The address, or nullptr with `failure` saying what was not found.
  platform::ProcAddress lookUp(Entry& entry, std::string& failure);
  template <typename Function>
  Function function(std::size_t index) {
    return reinterpret_cast<Function>(resolve(entries_[index]));
  }

  std::string programDirectory_;
  // Resolution may be asked for by the GUI thread and the jsfuck worker at once; loading and
  // storing a handle twice would leak one.
  std::mutex mutex_;
  std::array<Entry, kEntries> entries_;
  Entry optionalExec_;
};

// Where an installed program keeps the engine library, relative to the program directory
// ("../lib/jsdebug" for the usual layout).
const char* privateLibraryDirectory();

// The process-wide table, looking in the program directory first.
ExternalFunctionTable& externalFunctions();

}  // namespace jsdebug::engine
