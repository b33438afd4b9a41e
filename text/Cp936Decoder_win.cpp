#include "text/Cp936Decoder.h"

#include <windows.h>

namespace jsdebug::gbk {

Cp936Decoder::Cp936Decoder() = default;
Cp936Decoder::~Cp936Decoder() = default;

bool Cp936Decoder::available() const { return IsValidCodePage(936) != 0; }

char16_t Cp936Decoder::decode(const char* in, std::size_t length) {
  wchar_t out[4] = {};
  // Strict: a lead byte without its trail, or a pair outside the table, is no character (the
  // codec escapes it) rather than the system's default character.
  const int n = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, in, static_cast<int>(length), out, 4);
  if (n != 1) return 0;
  return static_cast<char16_t>(out[0]);
}

}  // namespace jsdebug::gbk
