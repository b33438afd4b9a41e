// The system's loader. kernel32.dll and ole32.dll are the real ones here: their functions have
// the same parameter lists and convention as the program's declarations (CodePages.h,
// Apartment.h), so the program calls them directly.
#include "platform/DynamicLibrary.h"

#include <windows.h>

namespace jsdebug::platform {

struct Module {
  HMODULE handle = nullptr;
};

ModuleHandle loadLibrary(const std::string& fileName) {
  if (fileName.empty()) return nullptr;
  // A missing file is a null handle for the caller to report, not a system dialog.
  const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  HMODULE handle = LoadLibraryA(fileName.c_str());
  SetErrorMode(previous);
  if (handle == nullptr) return nullptr;
  return new Module{handle};
}

ProcAddress getProcAddress(ModuleHandle module, const char* exportName) {
  if (module == nullptr || exportName == nullptr) return nullptr;
  return reinterpret_cast<ProcAddress>(::GetProcAddress(module->handle, exportName));
}

void freeLibrary(ModuleHandle module) {
  if (module == nullptr) return;
  ::FreeLibrary(module->handle);
  delete module;
}

}  // namespace jsdebug::platform
