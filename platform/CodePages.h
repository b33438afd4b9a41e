#pragma once
// MultiByteToWideChar / WideCharToMultiByte with the Windows parameter lists and behaviour, for
// the two code pages the program uses: 65001 (UTF-8) and 936 (GBK, through text/Codec.h).
//
// As on Windows: a source length of -1 means "up to and including the NUL"; a destination
// capacity of 0 only measures (the destination is not touched); a capacity that is too small
// fails with 0 and ERROR_INSUFFICIENT_BUFFER; without the "fail on invalid" flag, malformed UTF-8
// becomes U+FFFD and a character GBK cannot hold becomes the default character "?".
// WCHAR is char16_t (wchar_t is 32 bits on Linux). On Windows these are the system's own.

#include <cstdint>

#include "platform/CallingConvention.h"

namespace jsdebug::platform {

inline constexpr unsigned kCodePageGbk = 936;
inline constexpr unsigned kCodePageUtf8 = 65001;

inline constexpr std::uint32_t kMB_ERR_INVALID_CHARS = 0x8;
inline constexpr std::uint32_t kWC_ERR_INVALID_CHARS = 0x80;

inline constexpr std::uint32_t kERROR_INVALID_PARAMETER = 87;
inline constexpr std::uint32_t kERROR_INSUFFICIENT_BUFFER = 122;
inline constexpr std::uint32_t kERROR_INVALID_FLAGS = 1004;
inline constexpr std::uint32_t kERROR_NO_UNICODE_TRANSLATION = 1113;

int JSDEBUG_STDCALL MultiByteToWideChar(unsigned codePage, std::uint32_t flags,
                                        const char* source, int sourceLength, char16_t* destination, int destinationCapacity);

int JSDEBUG_STDCALL WideCharToMultiByte(unsigned codePage, std::uint32_t flags, const char16_t* source,
                        int sourceLength, char* destination, int destinationCapacity,
                        const char* defaultChar, int* usedDefaultChar);

// The calling thread's error code of the last failing conversion (GetLastError).
std::uint32_t lastError();

}  // namespace jsdebug::platform
