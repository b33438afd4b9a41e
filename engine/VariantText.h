#pragma once
// Numbers as the Windows variant conversion writes them, so a value returned by the script host
// reads the same as it did on Windows.

#include <string>

namespace jsdebug::engine {

// Integers within 32 bits as plain decimal; every other number with at most 15 significant
// digits, trailing zeros dropped, switching to exponent form ("1E+21", "1E-07") where the
// decimal form would need more than 15 digits before the point or more than 4 zeros after it.
// NaN and the infinities read as JavaScript writes them.
std::string numberToVariantText(double value);

}  // namespace jsdebug::engine
