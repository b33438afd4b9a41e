#include "engine/VariantText.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace jsdebug::engine {

std::string numberToVariantText(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
  if (value == 0) return "0";  // also -0, which the variant conversion writes as 0
  if (value == std::trunc(value) && value >= INT32_MIN && value <= INT32_MAX)
    return std::to_string(static_cast<std::int32_t>(value));

  // %.14e gives exactly 15 significant digits and the decimal exponent after rounding.
  char digits[32];
  std::snprintf(digits, sizeof digits, "%.14e", value);
  bool negative = digits[0] == '-';
  const char* mantissa = digits + (negative ? 1 : 0);
  const char* e = std::strchr(mantissa, 'e');
  int exponent = std::atoi(e + 1);
  std::string significant;  // the 15 digits without the point, trailing zeros removed
  for (const char* p = mantissa; p < e; ++p)
    if (*p != '.') significant.push_back(*p);
  while (significant.size() > 1 && significant.back() == '0') significant.pop_back();

  std::string out = negative ? "-" : "";
  if (exponent >= 15 || exponent < -5) {
    out += significant[0];
    if (significant.size() > 1) out.append(".").append(significant, 1);
    char tail[16];
    std::snprintf(tail, sizeof tail, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return out + tail;
  }
  if (exponent < 0) {
    out.append("0.").append(static_cast<std::size_t>(-exponent - 1), '0').append(significant);
    return out;
  }
  auto integerDigits = static_cast<std::size_t>(exponent + 1);
  if (significant.size() <= integerDigits)
    return out + significant + std::string(integerDigits - significant.size(), '0');
  out.append(significant, 0, integerDigits).append(".").append(significant, integerDigits);
  return out;
}

}  // namespace jsdebug::engine
