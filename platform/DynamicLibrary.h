#pragma once
// Loading libraries and looking up their exports, as LoadLibraryA / GetProcAddress / FreeLibrary
// do: a null handle or address on failure, never an exception.
//
// The Windows "system libraries" the program takes functions from (kernel32.dll, ole32.dll) do
// not exist here. Their functions are ours (CodePages.h, Apartment.h), so loadLibrary knows them
// as built-in modules: a bare name that matches one (case-insensitive, ".dll" optional, as
// Windows matches names) loads that module without touching the file system, the way Windows
// finds its known system DLLs before searching. Every other name goes to the dynamic loader.

#include <string>

namespace jsdebug::platform {

struct Module;
using ModuleHandle = Module*;
// The untyped address of an export, to be cast to the function type it is known to have.
using ProcAddress = void (*)();

// A name with a path separator is loaded from that path; a bare name is looked up among the
// built-in modules, then through the dynamic loader's standard search.
ModuleHandle loadLibrary(const std::string& fileName);
ProcAddress getProcAddress(ModuleHandle module, const char* exportName);
// Each successful loadLibrary needs its own freeLibrary; null is ignored.
void freeLibrary(ModuleHandle module);

}  // namespace jsdebug::platform
