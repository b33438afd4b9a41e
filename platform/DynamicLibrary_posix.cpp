#include "platform/DynamicLibrary.h"

#include <dlfcn.h>

#include <cstring>
#include <string_view>

#include "platform/Apartment.h"
#include "platform/CodePages.h"
#include "text/Text.h"

namespace jsdebug::platform {
namespace {

struct BuiltinExport {
  const char* name;
  ProcAddress address;
};

struct BuiltinModule {
  const char* name;
  const BuiltinExport* exports;
  std::size_t count;
};

template <typename F>
ProcAddress untyped(F* function) {
  return reinterpret_cast<ProcAddress>(function);
}

const BuiltinExport kKernel32[] = {
    {"MultiByteToWideChar", untyped(&MultiByteToWideChar)},
    {"WideCharToMultiByte", untyped(&WideCharToMultiByte)},
};
const BuiltinExport kOle32[] = {
    {"CoInitialize", untyped(&CoInitialize)},
    {"CoUninitialize", untyped(&CoUninitialize)},
};
const BuiltinModule kBuiltins[] = {
    {"kernel32.dll", kKernel32, std::size(kKernel32)},
    {"ole32.dll", kOle32, std::size(kOle32)},
};

const BuiltinModule* findBuiltin(std::string_view name) {
  if (name.find_first_of("/\\:") != std::string_view::npos) return nullptr;
  for (const BuiltinModule& m : kBuiltins) {
    std::string_view full = m.name;
    std::string_view stem = full.substr(0, full.size() - 4);  // without ".dll"
    if (text::equalsIgnoringAsciiCase(name, full) || text::equalsIgnoringAsciiCase(name, stem)) return &m;
  }
  return nullptr;
}

}  // namespace

struct Module {
  const BuiltinModule* builtin = nullptr;
  void* dl = nullptr;
};

ModuleHandle loadLibrary(const std::string& fileName) {
  if (fileName.empty()) return nullptr;
  if (const BuiltinModule* builtin = findBuiltin(fileName)) return new Module{builtin, nullptr};
  void* dl = dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (dl == nullptr) return nullptr;
  return new Module{nullptr, dl};
}

ProcAddress getProcAddress(ModuleHandle module, const char* exportName) {
  if (module == nullptr || exportName == nullptr) return nullptr;
  if (module->builtin != nullptr) {
    for (std::size_t i = 0; i < module->builtin->count; ++i)
      if (std::strcmp(module->builtin->exports[i].name, exportName) == 0)
        return module->builtin->exports[i].address;
    return nullptr;
  }
  return reinterpret_cast<ProcAddress>(dlsym(module->dl, exportName));
}

void freeLibrary(ModuleHandle module) {
  if (module == nullptr) return;
  if (module->dl != nullptr) dlclose(module->dl);
  delete module;
}

}  // namespace jsdebug::platform
