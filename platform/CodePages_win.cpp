// The system's own conversions: these are what the Linux layer imitates.
#include "platform/CodePages.h"

#include <windows.h>

namespace jsdebug::platform {
namespace {
thread_local std::uint32_t error = 0;

int remember(int result) {
  if (result == 0) error = ::GetLastError();
  return result;
}
}  // namespace

int JSDEBUG_STDCALL MultiByteToWideChar(unsigned codePage, std::uint32_t flags, const char* source,
                                        int sourceLength, char16_t* destination,
                                        int destinationCapacity) {
  return remember(::MultiByteToWideChar(codePage, flags, source, sourceLength,
                                        reinterpret_cast<wchar_t*>(destination), destinationCapacity));
}

int JSDEBUG_STDCALL WideCharToMultiByte(unsigned codePage, std::uint32_t flags, const char16_t* source,
                                        int sourceLength, char* destination, int destinationCapacity,
                                        const char* defaultChar, int* usedDefaultChar) {
  return remember(::WideCharToMultiByte(codePage, flags, reinterpret_cast<const wchar_t*>(source),
                                        sourceLength, destination, destinationCapacity, defaultChar,
                                        reinterpret_cast<BOOL*>(usedDefaultChar)));
}

std::uint32_t lastError() { return error; }

}  // namespace jsdebug::platform
