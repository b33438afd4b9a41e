#pragma once
// The system's own CP936 converter, asked one character at a time while the codec builds its
// tables: glibc's iconv here, the Windows code page 936 conversion there.

#include <cstddef>

namespace jsdebug::gbk {

class Cp936Decoder {
 public:
  Cp936Decoder();
  ~Cp936Decoder();
  Cp936Decoder(const Cp936Decoder&) = delete;
  Cp936Decoder& operator=(const Cp936Decoder&) = delete;

  bool available() const;
  // The one UTF-16 unit the bytes make; 0 when they are not exactly one BMP character.
  char16_t decode(const char* in, std::size_t length);

 private:
  void* state_ = nullptr;
};

}  // namespace jsdebug::gbk
