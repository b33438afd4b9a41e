#include "text/Cp936Decoder.h"

#include <iconv.h>

namespace jsdebug::gbk {

namespace {
iconv_t handle(void* state) { return static_cast<iconv_t>(state); }
const auto kFailed = reinterpret_cast<iconv_t>(-1);
}  // namespace

Cp936Decoder::Cp936Decoder() {
  iconv_t cd = iconv_open("UTF-16LE", "CP936");
  state_ = cd == kFailed ? nullptr : cd;
}

Cp936Decoder::~Cp936Decoder() {
  if (state_ != nullptr) iconv_close(handle(state_));
}

bool Cp936Decoder::available() const { return state_ != nullptr; }

char16_t Cp936Decoder::decode(const char* in, std::size_t length) {
  char16_t out[4] = {};
  char* inPtr = const_cast<char*>(in);
  char* outPtr = reinterpret_cast<char*>(out);
  std::size_t inLeft = length;
  std::size_t outLeft = sizeof(out);
  iconv(handle(state_), nullptr, nullptr, nullptr, nullptr);
  if (iconv(handle(state_), &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return 0;
  if (inLeft != 0 || sizeof(out) - outLeft != 2) return 0;  // one BMP unit or nothing
  return out[0];
}

}  // namespace jsdebug::gbk
