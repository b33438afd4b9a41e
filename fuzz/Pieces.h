#pragma once
// Fuzz input made of up to `most` pieces, each either one of a target's likely pieces (words and
// bytes its code treats specially) or an arbitrary byte, so that matches and edge cases come
// often instead of once in millions of random bytes.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace jsdebug::fuzzing {

template <std::size_t N>
std::string piecesText(FuzzedDataProvider& in, int most, const char* const (&pieces)[N]) {
  std::string s;
  const int n = in.ConsumeIntegralInRange(0, most);
  for (int k = 0; k < n; ++k) {
    if (in.ConsumeBool())
      s += pieces[in.ConsumeIntegralInRange<std::size_t>(0, N - 1)];
    else
      s.push_back(static_cast<char>(in.ConsumeIntegral<std::uint8_t>()));
  }
  return s;
}

}  // namespace jsdebug::fuzzing
