#include "text/Text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "text/Codec.h"

namespace jsdebug::text {
namespace {

bool isAsciiLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Compares needle with haystack at byte i, folding only single-byte ASCII letters so that a
// trail byte that happens to be a letter is never folded.
bool matchesAt(std::string_view haystack, std::size_t i, std::string_view needle, bool ignoreCase) {
  if (haystack.size() - i < needle.size()) return false;
  if (!ignoreCase) return haystack.compare(i, needle.size(), needle) == 0;
  for (std::size_t k = 0; k < needle.size();) {
    int length = gbk::charLength(needle, k);
    auto a = static_cast<unsigned char>(haystack[i + k]);
    auto b = static_cast<unsigned char>(needle[k]);
    if (length == 1 && isAsciiLetter(b)) {
      if (foldAsciiCase(static_cast<char>(a)) != foldAsciiCase(static_cast<char>(b))) return false;
    } else {
      for (int j = 0; j < length; ++j)
        if (haystack[i + k + j] != needle[k + j]) return false;
    }
    k += length;
  }
  return true;
}

bool isBlankAt(std::string_view s, std::size_t i, int length) {
  if (length == 1) return s[i] == ' ';
  return static_cast<unsigned char>(s[i]) == 0xA1 && static_cast<unsigned char>(s[i + 1]) == 0xA1;
}

}  // namespace

char foldAsciiCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && startsWithIgnoringAsciiCase(a, b);
}

bool startsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (foldAsciiCase(text[i]) != foldAsciiCase(prefix[i])) return false;
  return true;
}

int findText(std::string_view haystack, std::string_view needle, int start, bool ignoreCase) {
  if (start < 1) start = 1;
  auto i = static_cast<std::size_t>(start - 1);
  if (i >= haystack.size()) return -1;
  if (needle.empty()) return start;
  for (; i + needle.size() <= haystack.size(); i += gbk::charLength(haystack, i)) {
    if (matchesAt(haystack, i, needle, ignoreCase)) return static_cast<int>(i + 1);
  }
  return -1;
}

std::string TextBetween(std::string_view source, std::string_view left, std::string_view right) {
  const std::string leftText = replaceAll(left, "#引号", "\"");
  const std::string rightText = replaceAll(right, "#引号", "\"");
  int leftAt = findText(source, leftText);
  if (leftAt < 0) return {};
  int from = leftAt + static_cast<int>(leftText.size());
  int rightAt = findText(source, rightText, from);
  if (rightAt < 0) return {};
  return std::string(source.substr(from - 1, rightAt - from));
}

namespace {

// Full-width forms (GBK A3 A1..A3 FE are U+FF01..U+FF5E) and the full-width blank as ASCII.
std::string foldFullWidth(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    int length = gbk::charLength(text, i);
    auto lead = static_cast<unsigned char>(text[i]);
    if (length == 2 && lead == 0xA3 && static_cast<unsigned char>(text[i + 1]) >= 0xA1) {
      folded.push_back(static_cast<char>(static_cast<unsigned char>(text[i + 1]) - 0x80));
    } else if (length == 2 && lead == 0xA1 && static_cast<unsigned char>(text[i + 1]) == 0xA1) {
      folded.push_back(' ');
    } else {
      folded.append(text.substr(i, length));
    }
    i += length;
  }
  return folded;
}

std::size_t skipLeadingBlanks(const std::string& folded) {
  std::size_t i = 0;
  while (i < folded.size() && (folded[i] == ' ' || folded[i] == '\t' || folded[i] == '\r' ||
                               folded[i] == '\n' || folded[i] == '\v' || folded[i] == '\f'))
    ++i;
  return i;
}

}  // namespace

std::int32_t toInteger(std::string_view text) {
  const std::string folded = foldFullWidth(text);
  std::size_t i = skipLeadingBlanks(folded);
  bool negative = false;
  if (i < folded.size() && (folded[i] == '+' || folded[i] == '-')) negative = folded[i++] == '-';
  long long value = 0;
  for (; i < folded.size() && folded[i] >= '0' && folded[i] <= '9'; ++i) {
    value = value * 10 + (folded[i] - '0');
    if (value > 1LL << 32) value = 1LL << 32;  // saturates below; keeps the loop overflow-free
  }
  if (negative) value = -value;
  constexpr long long lo = std::numeric_limits<std::int32_t>::min();
  constexpr long long hi = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value < lo ? lo : value > hi ? hi : value);
}

std::optional<std::int64_t> wholeInteger(std::string_view text) {
  const std::string folded = foldFullWidth(text);
  std::size_t i = skipLeadingBlanks(folded);
  std::size_t end = folded.size();
  while (end > i && std::string_view(" \t\r\n\v\f").find(folded[end - 1]) != std::string_view::npos)
    --end;
  bool negative = false;
  if (i < end && (folded[i] == '+' || folded[i] == '-')) negative = folded[i++] == '-';
  if (i == end) return std::nullopt;
  constexpr std::int64_t kLimit = std::int64_t{1} << 40;
  std::int64_t value = 0;
  for (; i < end; ++i) {
    if (folded[i] < '0' || folded[i] > '9') return std::nullopt;
    value = std::min(kLimit, value * 10 + (folded[i] - '0'));
  }
  return negative ? -value : value;
}

double toNumber(std::string_view text) {
  const std::string folded = foldFullWidth(text);
  std::size_t i = skipLeadingBlanks(folded);
  bool negative = false;
  if (i < folded.size() && (folded[i] == '+' || folded[i] == '-')) negative = folded[i++] == '-';
  // Digits are accumulated as text and handed to strtod, which rounds correctly; strtod alone
  // would also accept hexadecimal, "inf" and exponents, which the box does not.
  std::string number;
  for (; i < folded.size() && folded[i] >= '0' && folded[i] <= '9'; ++i) number.push_back(folded[i]);
  if (i + 1 < folded.size() && folded[i] == '.' && folded[i + 1] >= '0' && folded[i + 1] <= '9') {
    number.push_back('.');
    for (++i; i < folded.size() && folded[i] >= '0' && folded[i] <= '9'; ++i)
      number.push_back(folded[i]);
  }
  if (number.empty()) return 0;
  double value = std::strtod(number.c_str(), nullptr);
  return negative ? -value : value;
}

std::string numberToText(double value) {
  char buffer[64];
  if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15) {
    std::snprintf(buffer, sizeof buffer, "%lld", static_cast<long long>(value));
  } else {
    std::snprintf(buffer, sizeof buffer, "%.13g", value);
  }
  return buffer;
}

std::string trimBlanks(std::string_view text) {
  std::size_t first = text.size();
  std::size_t last = 0;  // one past the last non-blank character
  for (std::size_t i = 0; i < text.size();) {
    int length = gbk::charLength(text, i);
    if (!isBlankAt(text, i, length)) {
      if (first == text.size()) first = i;
      last = i + length;
    }
    i += length;
  }
  if (first == text.size()) return {};
  return std::string(text.substr(first, last - first));
}

std::string replaceAll(std::string_view source, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(source);
  std::string out;
  out.reserve(source.size());
  std::size_t pos = 0;
  for (std::size_t hit; (hit = source.find(from, pos)) != std::string_view::npos;
       pos = hit + from.size()) {
    out.append(source.substr(pos, hit - pos));
    out.append(to);
  }
  out.append(source.substr(pos));
  return out;
}

}  // namespace jsdebug::text
