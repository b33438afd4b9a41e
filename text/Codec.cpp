#include "text/Codec.h"

#include <array>
#include <cstdint>
#include <mutex>

#include "text/Cp936Decoder.h"

namespace jsdebug::gbk {
namespace {

// A two-byte CP936 character: a lead byte, then a trail byte other than the gap.
constexpr int kLeadFirst = 0x81;
constexpr int kLeadLast = 0xFE;
constexpr int kTrailFirst = 0x40;
constexpr int kTrailLast = 0xFE;
constexpr int kTrailGap = 0x7F;
constexpr int kLeads = kLeadLast - kLeadFirst + 1;            // 126
constexpr int kTrailsPerLead = kTrailLast - kTrailFirst + 1;  // 191, the gap included
// A byte that begins no character decodes to this plus the byte, which lands in the escape range.
constexpr char32_t kEscapeBase = kEscapeFirst - 0x80;

constexpr bool isPair(int lead, int trail) {
  return lead >= kLeadFirst && lead <= kLeadLast && trail >= kTrailFirst && trail <= kTrailLast &&
         trail != kTrailGap;
}
constexpr std::size_t pairIndex(int lead, int trail) {
  return static_cast<std::size_t>((lead - kLeadFirst) * kTrailsPerLead + (trail - kTrailFirst));
}

// Decoding and encoding tables, built once from the system's CP936 converter. Tables make the codec
// fast (no converter call per character) and let it escape the bytes the converter would reject.
struct Tables {
  // Single bytes 0x80..0xFF: their code unit, or 0 when the byte begins a pair or is invalid.
  std::array<char16_t, 128> single{};
  // Pairs, at pairIndex; 0 when the pair is not a character.
  std::array<char16_t, kLeads * kTrailsPerLead> pair{};
  // Unicode BMP code unit -> CP936 bytes (high byte 0 for one byte); 0 when unrepresentable.
  std::array<std::uint16_t, 65536> encode{};
};

// One character through the system's own CP936 converter, refusing what the converter refuses;
// 0 for anything but one BMP unit.
char16_t decodeWithSystem(Cp936Decoder& decoder, const char* in, std::size_t inLength) {
  char16_t unit = decoder.decode(in, inLength);
  // Never let a real character collide with the escape range.
  if (unit >= kEscapeFirst && unit <= kEscapeLast) return 0;
  return unit;
}

void fill(Tables* t) {
  Cp936Decoder cd;
  if (!cd.available()) return;  // ASCII and escapes still work
  for (int b = 0x80; b <= 0xFF; ++b) {
    char in = static_cast<char>(b);
    t->single[b - 0x80] = decodeWithSystem(cd, &in, 1);
  }
  for (int lead = kLeadFirst; lead <= kLeadLast; ++lead) {
    for (int trail = kTrailFirst; trail <= kTrailLast; ++trail) {
      if (trail == kTrailGap) continue;
      char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      t->pair[pairIndex(lead, trail)] = decodeWithSystem(cd, in, 2);
    }
  }
  // Reverse tables: the first CP936 form of a character wins, single bytes before pairs.
  for (int b = 0x80; b <= 0xFF; ++b) {
    char16_t u = t->single[b - 0x80];
    if (u != 0 && t->encode[u] == 0) t->encode[u] = static_cast<std::uint16_t>(b);
  }
  for (int lead = kLeadFirst; lead <= kLeadLast; ++lead) {
    for (int trail = kTrailFirst; trail <= kTrailLast; ++trail) {
      if (trail == kTrailGap) continue;
      char16_t u = t->pair[pairIndex(lead, trail)];
      if (u != 0 && t->encode[u] == 0) t->encode[u] = static_cast<std::uint16_t>(lead << 8 | trail);
    }
  }
}

const Tables& tables() {
  // Static storage, not the heap: the engine library carries its own codec, and the program
  // unloads that library; tables on the heap would stay behind, unreachable, at every unload.
  static Tables built;
  static const bool filled = (fill(&built), true);
  (void)filled;
  return built;
}

char16_t pairUnit(const Tables& t, unsigned char lead, unsigned char trail) {
  return isPair(lead, trail) ? t.pair[pairIndex(lead, trail)] : 0;
}

// Decodes one character at s[i]; sets `length` to the bytes consumed.
char16_t decodeAt(const Tables& t, std::string_view s, std::size_t i, int& length) {
  auto b = static_cast<unsigned char>(s[i]);
  length = 1;
  if (b < 0x80) return b;
  if (i + 1 < s.size()) {
    if (char16_t u = pairUnit(t, b, static_cast<unsigned char>(s[i + 1]))) {
      length = 2;
      return u;
    }
  }
  if (char16_t u = t.single[b - 0x80]) return u;
  return static_cast<char16_t>(kEscapeBase + b);
}

void appendEncoded(const Tables& t, std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp >= kEscapeFirst && cp <= kEscapeLast) {
    out.push_back(static_cast<char>(cp - kEscapeBase));
  } else if (cp <= 0xFFFF && t.encode[cp] != 0) {
    std::uint16_t code = t.encode[cp];
    if (code > 0xFF) out.push_back(static_cast<char>(code >> 8));
    out.push_back(static_cast<char>(code & 0xFF));
  } else {
    out.push_back('?');
  }
}

// Reads one UTF-8 sequence at s[i]; returns U+FFFFFFFF for a malformed one (consuming 1 byte).
// With allowSurrogates, a three-byte encoded surrogate (CESU-8) is read as that code unit.
char32_t readUtf8(std::string_view s, std::size_t& i, bool allowSurrogates = false) {
  auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) {
    ++i;
    return b0;
  }
  int extra = b0 >= 0xF0 && b0 <= 0xF4 ? 3 : b0 >= 0xE0 ? 2 : b0 >= 0xC2 && b0 < 0xE0 ? 1 : -1;
  if (extra < 0 || i + static_cast<std::size_t>(extra) >= s.size()) {
    ++i;
    return 0xFFFFFFFF;
  }
  char32_t cp = b0 & (0x3F >> extra);
  for (int k = 1; k <= extra; ++k) {
    auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) {
      ++i;
      return 0xFFFFFFFF;
    }
    cp = cp << 6 | (b & 0x3F);
  }
  static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
  if (cp < kMin[extra] || cp > 0x10FFFF || (!allowSurrogates && cp >= 0xD800 && cp <= 0xDFFF)) {
    ++i;
    return 0xFFFFFFFF;
  }
  i += extra + 1;
  return cp;
}

// Calls `take` with each character of a GBK text, decoded, in turn.
template <typename Take>
void decodeEach(std::string_view gbk, Take take) {
  const Tables& t = tables();
  for (std::size_t i = 0; i < gbk.size();) {
    int length = 1;
    take(decodeAt(t, gbk, i, length));
    i += length;
  }
}

// The code point at `i`, a surrogate pair taken whole (`i` then left on its second half); a lone
// surrogate stands for itself.
char32_t codePointAt(std::u16string_view utf16, std::size_t& i) {
  const char32_t cp = utf16[i];
  if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
      utf16[i + 1] <= 0xDFFF) {
    ++i;
    return 0x10000 + ((cp - 0xD800) << 10) + (utf16[i] - 0xDC00);
  }
  return cp;
}

}  // namespace

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

int charLength(std::string_view gbk, std::size_t i) {
  if (i + 1 >= gbk.size() || static_cast<unsigned char>(gbk[i]) < kLeadFirst) return 1;
  return pairUnit(tables(), static_cast<unsigned char>(gbk[i]), static_cast<unsigned char>(gbk[i + 1])) ? 2 : 1;
}

int gbkLengthOfUtf8Char(std::string_view utf8, std::size_t& i) {
  if (static_cast<unsigned char>(utf8[i]) < 0x80) {
    ++i;
    return 1;
  }
  const char32_t cp = readUtf8(utf8, i);
  if (cp > 0xFFFF || (cp >= kEscapeFirst && cp <= kEscapeLast)) return 1;  // "?" or the byte
  return tables().encode[cp] > 0xFF ? 2 : 1;  // unrepresentable: "?"
}

bool isNonAsciiUtf8(std::string_view bytes) {
  bool beyondAscii = false;
  for (std::size_t i = 0; i < bytes.size();) {
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      ++i;
      continue;
    }
    if (readUtf8(bytes, i) == 0xFFFFFFFF) return false;
    beyondAscii = true;
  }
  return beyondAscii;
}

std::u16string toUtf16(std::string_view gbk) {
  std::u16string out;
  out.reserve(gbk.size());
  decodeEach(gbk, [&](char16_t c) { out.push_back(c); });
  return out;
}

std::string fromUtf16(std::u16string_view utf16) {
  const Tables& t = tables();
  std::string out;
  out.reserve(utf16.size() * 2);
  for (std::size_t i = 0; i < utf16.size(); ++i) appendEncoded(t, out, codePointAt(utf16, i));
  return out;
}

std::u32string unencodable(std::u16string_view utf16) {
  std::u32string lost;
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    const char32_t cp = codePointAt(utf16, i);
    std::string encoded;
    appendEncoded(tables(), encoded, cp);
    if (encoded == "?" && cp != U'?' && lost.find(cp) == std::u32string::npos) lost.push_back(cp);
  }
  return lost;
}

std::string toUtf8(std::string_view gbk) {
  std::string out;
  out.reserve(gbk.size() * 3 / 2);
  decodeEach(gbk, [&](char16_t c) { appendUtf8(out, c); });
  return out;
}

std::string fromUtf8(std::string_view utf8) {
  const Tables& t = tables();
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t cp = readUtf8(utf8, i);
    if (cp == 0xFFFFFFFF)
      out.push_back('?');
    else
      appendEncoded(t, out, cp);
  }
  return out;
}

std::string fromCesu8(std::string_view cesu8) {
  const Tables& t = tables();
  std::string out;
  out.reserve(cesu8.size());
  for (std::size_t i = 0; i < cesu8.size();) {
    char32_t cp = readUtf8(cesu8, i, true);
    if (cp >= 0xD800 && cp <= 0xDBFF && i < cesu8.size()) {
      std::size_t next = i;
      char32_t low = readUtf8(cesu8, next, true);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        i = next;
      }
    }
    if (cp == 0xFFFFFFFF || (cp >= 0xD800 && cp <= 0xDFFF))
      out.push_back('?');
    else
      appendEncoded(t, out, cp);
  }
  return out;
}

}  // namespace jsdebug::gbk
