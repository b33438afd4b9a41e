// The text helpers against plain reference versions: search (case folding and whole-character
// stepping), TextBetween, text to integer and number, trimming and replacing. The references
// work on UTF-16 or on a folded copy instead of byte by byte, so they share no code with ours.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/Pieces.h"
#include "text/Codec.h"
#include "text/Text.h"

namespace {

using jsdebug::gbk::charLength;

void require(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "text_fuzz: %s\n", what);
    std::abort();
  }
}

// Copy of s from byte `from` on with single-byte ASCII letters lowered, characters walked from
// `from` (as a scan starting there walks them).
std::string lowered(const std::string& s, std::size_t from = 0) {
  std::string out = s.substr(0, from);
  for (std::size_t i = from; i < s.size();) {
    const int n = charLength(s, i);
    if (n == 1 && s[i] >= 'A' && s[i] <= 'Z')
      out.push_back(static_cast<char>(s[i] + 32));
    else
      out.append(s, i, static_cast<std::size_t>(n));
    i += static_cast<std::size_t>(n);
  }
  return out;
}

int referenceFind(const std::string& hay, const std::string& needle, int start, bool ignoreCase) {
  const int s = start < 1 ? 1 : start;
  const std::size_t from = static_cast<std::size_t>(s - 1);
  if (from >= hay.size()) return -1;
  if (needle.empty()) return s;
  const std::string h = ignoreCase ? lowered(hay, from) : hay;
  const std::string n = ignoreCase ? lowered(needle) : needle;
  std::vector<std::size_t> starts;
  for (std::size_t i = from; i < hay.size(); i += static_cast<std::size_t>(charLength(hay, i)))
    starts.push_back(i);
  for (std::size_t i : starts)
    if (h.compare(i, n.size(), n) == 0 && i + n.size() <= h.size()) return static_cast<int>(i) + 1;
  return -1;
}

std::string referenceBetween(const std::string& source, std::string left, std::string right) {
  const std::string quoteWord = "#引号";
  for (std::string* s : {&left, &right})
    for (std::size_t at; (at = s->find(quoteWord)) != std::string::npos;) s->replace(at, quoteWord.size(), "\"");
  const int l = referenceFind(source, left, 1, false);
  if (l < 0) return {};
  const int from = l + static_cast<int>(left.size());
  const int r = referenceFind(source, right, from, false);
  if (r < 0) return {};
  return source.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(r - from));
}

// Full-width forms and the ideographic space as ASCII, on UTF-16.
std::u16string folded(const std::string& gbk) {
  std::u16string u = jsdebug::gbk::toUtf16(gbk);
  for (char16_t& c : u) {
    if (c >= 0xFF01 && c <= 0xFF5E) c = static_cast<char16_t>(c - 0xFEE0);
    if (c == 0x3000) c = u' ';
  }
  return u;
}

bool isSpace(char16_t c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isDigit(char16_t c) { return c >= '0' && c <= '9'; }

std::int32_t referenceInteger(const std::string& gbk) {
  const std::u16string u = folded(gbk);
  std::size_t i = 0;
  while (i < u.size() && isSpace(u[i])) ++i;
  bool negative = false;
  if (i < u.size() && (u[i] == '+' || u[i] == '-')) negative = u[i++] == '-';
  // Leading zeros do not count; more than 10 significant digits is out of range either way.
  while (i < u.size() && u[i] == '0') ++i;
  std::string digits;
  while (i < u.size() && isDigit(u[i])) digits.push_back(static_cast<char>(u[i++]));
  if (digits.size() > 10) return negative ? INT32_MIN : INT32_MAX;
  const long long v = digits.empty() ? 0 : std::stoll(digits);
  if (negative) return -v < INT32_MIN ? INT32_MIN : static_cast<std::int32_t>(-v);
  return v > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(v);
}

double referenceNumber(const std::string& gbk) {
  const std::u16string u = folded(gbk);
  std::size_t i = 0;
  while (i < u.size() && isSpace(u[i])) ++i;
  bool negative = false;
  if (i < u.size() && (u[i] == '+' || u[i] == '-')) negative = u[i++] == '-';
  std::string number;
  while (i < u.size() && isDigit(u[i])) number.push_back(static_cast<char>(u[i++]));
  if (i + 1 < u.size() && u[i] == '.' && isDigit(u[i + 1])) {
    number.push_back('.');
    for (++i; i < u.size() && isDigit(u[i]); ++i) number.push_back(static_cast<char>(u[i]));
  }
  if (number.empty()) return 0;
  const double v = std::strtod(number.c_str(), nullptr);
  return negative ? -v : v;
}

std::string referenceTrim(const std::string& gbk) {
  const std::u16string u = jsdebug::gbk::toUtf16(gbk);
  std::size_t a = 0;
  std::size_t b = u.size();
  while (a < b && (u[a] == u' ' || u[a] == 0x3000)) ++a;
  while (b > a && (u[b - 1] == u' ' || u[b - 1] == 0x3000)) --b;
  return jsdebug::gbk::fromUtf16(u.substr(a, b - a));
}

// Short pieces that make matches likely: ASCII either case, a Chinese character, a lead byte
// that swallows the next byte, the quote word, blanks, digits and signs in both widths.
const char* const kPieces[] = {"a", "A", "b", "(", ")", "|", "\"", "中", "\x81", "\xA3", "#引号",
                               " ", "　", "\t", "1", "9", "0", "-", "+", ".", "１", "－", "＋",
                               "．", "a中", "\xFF", "Ab"};

std::string piecesText(FuzzedDataProvider& in, int most) {
  return jsdebug::fuzzing::piecesText(in, most, kPieces);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  using namespace jsdebug::text;
  const std::string hay = piecesText(in, 64);
  const std::string needle = piecesText(in, 4);
  const std::string other = piecesText(in, 4);
  const int start = in.ConsumeIntegralInRange(-2, static_cast<int>(hay.size()) + 2);
  const bool ignoreCase = in.ConsumeBool();

  require(findText(hay, needle, start, ignoreCase) == referenceFind(hay, needle, start, ignoreCase),
          "findText");
  require(TextBetween(hay, needle, other) == referenceBetween(hay, needle, other), "TextBetween");
  require(toInteger(hay) == referenceInteger(hay), "toInteger");
  const double number = toNumber(hay);
  const double expected = referenceNumber(hay);
  require(std::memcmp(&number, &expected, sizeof number) == 0, "toNumber");
  require(trimBlanks(hay) == referenceTrim(hay), "trimBlanks");

  // Replacing: nothing of `from` is left where it was not rebuilt by `to`, and the lengths add up.
  const std::string replaced = replaceAll(hay, needle, other);
  if (needle.empty()) {
    require(replaced == hay, "replaceAll with nothing to replace");
  } else {
    std::size_t count = 0;
    for (std::size_t at = 0; (at = hay.find(needle, at)) != std::string::npos; at += needle.size())
      ++count;
    require(replaced.size() == hay.size() - count * needle.size() + count * other.size(),
            "replaceAll length");
    require(replaceAll(hay, needle, needle) == hay, "replaceAll by itself");
  }
  return 0;
}
