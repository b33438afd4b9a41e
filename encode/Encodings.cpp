#include "encode/Encodings.h"

#include <array>
#include <cstdint>

#include "text/Codec.h"

namespace jsdebug::encode {
namespace {

constexpr char kUpperHex[] = "0123456789ABCDEF";

int hexValue(char32_t c) {
  if (c >= '0' && c <= '9') return static_cast<int>(c - '0');
  if (c >= 'a' && c <= 'f') return static_cast<int>(c - 'a' + 10);
  if (c >= 'A' && c <= 'F') return static_cast<int>(c - 'A' + 10);
  return -1;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool isAsciiAlnum(char32_t c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

void appendPercent(std::string& out, unsigned char b) {
  out += '%';
  out += kUpperHex[b >> 4];
  out += kUpperHex[b & 0x0F];
}

// Walks a GBK text one character at a time, counting characters from 1 for the reasons.
class CharWalk {
 public:
  explicit CharWalk(std::string_view text) : text_(text) {}
  bool done() const { return at_ >= text_.size(); }
  std::string_view current() const {
    return text_.substr(at_, static_cast<std::size_t>(gbk::charLength(text_, at_)));
  }
  // The current character when it is one ASCII byte, else 0.
  char ascii() const {
    const std::string_view c = current();
    return c.size() == 1 && static_cast<unsigned char>(c[0]) < 0x80 ? c[0] : '\0';
  }
  void next() {
    at_ += current().size();
    ++position_;
  }
  std::size_t position() const { return position_; }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
  std::size_t position_ = 1;
};

constexpr std::array<int, 256> base64Values() {
  std::array<int, 256> values{};
  for (int& v : values) v = -1;
  constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  for (int i = 0; i < 62; ++i) values[static_cast<unsigned char>(kAlphabet[i])] = i;
  values['+'] = values['-'] = 62;
  values['/'] = values['_'] = 63;
  return values;
}

}  // namespace

std::string base64Encode(std::string_view bytes, bool urlSafe, bool pad) {
  const char* alphabet = urlSafe
      ? "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_"
      : "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  std::size_t i = 0;
  const auto at = [&](std::size_t k) { return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[k])); };
  for (; i + 3 <= bytes.size(); i += 3) {
    const std::uint32_t group = at(i) << 16 | at(i + 1) << 8 | at(i + 2);
    for (int shift = 18; shift >= 0; shift -= 6) out += alphabet[(group >> shift) & 0x3F];
  }
  const std::size_t left = bytes.size() - i;
  if (left > 0) {
    const std::uint32_t group = at(i) << 16 | (left == 2 ? at(i + 1) << 8 : 0);
    out += alphabet[(group >> 18) & 0x3F];
    out += alphabet[(group >> 12) & 0x3F];
    if (left == 2) out += alphabet[(group >> 6) & 0x3F];
    if (pad) out.append(3 - left, '=');
  }
  return out;
}

Outcome base64Decode(std::string_view text) {
  static constexpr std::array<int, 256> kValues = base64Values();
  std::string out;
  std::uint32_t group = 0;
  int digits = 0;          // of the group being read
  std::size_t padding = 0;  // "=" seen so far
  std::size_t lastDigit = 0;
  for (CharWalk walk(text); !walk.done(); walk.next()) {
    const char c = walk.ascii();
    if (c != '\0' && isBlank(c)) continue;
    if (c == '=') {
      // Padding only completes a group of two or three digits, up to four characters.
      if (digits < 2 || digits + padding >= 4) return invalidAt("base64", "Base64", walk.position());
      ++padding;
      continue;
    }
    const int value = c == '\0' ? -1 : kValues[static_cast<unsigned char>(c)];
    if (value < 0 || padding > 0) return invalidAt("base64", "Base64", walk.position());
    group = group << 6 | static_cast<std::uint32_t>(value);
    lastDigit = walk.position();
    if (++digits == 4) {
      out += static_cast<char>(group >> 16);
      out += static_cast<char>(group >> 8);
      out += static_cast<char>(group);
      group = 0;
      digits = 0;
    }
  }
  if (digits == 1) return invalidAt("base64", "Base64", lastDigit);
  if (digits == 2) out += static_cast<char>(group >> 4);
  if (digits == 3) {
    out += static_cast<char>(group >> 10);
    out += static_cast<char>(group >> 2);
  }
  return Outcome::success(std::move(out));
}

std::string hexEncode(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(bytes.size() * 2);
  for (unsigned char b : bytes) {
    hex += kDigits[b >> 4];
    hex += kDigits[b & 0x0F];
  }
  return hex;
}

Outcome hexDecode(std::string_view text) {
  std::string out;
  int high = -1;
  std::size_t highPosition = 0;
  for (CharWalk walk(text); !walk.done(); walk.next()) {
    const char c = walk.ascii();
    if (c != '\0' && isBlank(c)) continue;
    const int value = c == '\0' ? -1 : hexValue(static_cast<unsigned char>(c));
    if (value < 0) return invalidAt("hex", "十六进制", walk.position());
    if (high < 0) {
      high = value;
      highPosition = walk.position();
    } else {
      out += static_cast<char>(high << 4 | value);
      high = -1;
    }
  }
  if (high >= 0) {
    const std::string n = std::to_string(highPosition);
    return Outcome::failure("odd number of hex digits: the one at position " + n + " has no pair",
                            "十六进制数字的个数是奇数：第 " + n + " 个字符处的数字没有配对");
  }
  return Outcome::success(std::move(out));
}

std::string urlEncode(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (unsigned char b : bytes) {
    if (isAsciiAlnum(b) || b == '-' || b == '_' || b == '.' || b == '~')
      out += static_cast<char>(b);
    else
      appendPercent(out, b);
  }
  return out;
}

Outcome urlDecodeBytes(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '+') {
      out += ' ';
    } else if (c != '%') {
      out += c;
    } else {
      const int high = i + 1 < bytes.size() ? hexValue(static_cast<unsigned char>(bytes[i + 1])) : -1;
      const int low = i + 2 < bytes.size() ? hexValue(static_cast<unsigned char>(bytes[i + 2])) : -1;
      if (high < 0 || low < 0) {
        const std::string n = std::to_string(i + 1);
        return Outcome::failure("invalid percent escape at byte " + n,
                                "第 " + n + " 个字节处的 % 后面不是两位十六进制数");
      }
      out += static_cast<char>(high << 4 | low);
      i += 2;
    }
  }
  return Outcome::success(std::move(out));
}

std::string jscriptEscape(std::string_view gbkText) {
  std::string out;
  for (char16_t unit : gbk::toUtf16(gbkText)) {
    if (isAsciiAlnum(unit) || (unit < 0x80 && std::string_view("@*_+-./").find(static_cast<char>(unit)) != std::string_view::npos)) {
      out += static_cast<char>(unit);
    } else if (unit < 0x100) {
      appendPercent(out, static_cast<unsigned char>(unit));
    } else {
      out += "%u";
      for (int shift = 12; shift >= 0; shift -= 4) out += kUpperHex[(unit >> shift) & 0xF];
    }
  }
  return out;
}

std::string jscriptUnescape(std::string_view gbkText) {
  const std::u16string in = gbk::toUtf16(gbkText);
  std::u16string out;
  out.reserve(in.size());
  const auto hexRun = [&](std::size_t from, std::size_t count) {
    if (from + count > in.size()) return -1;
    int value = 0;
    for (std::size_t k = from; k < from + count; ++k) {
      const int digit = hexValue(in[k]);
      if (digit < 0) return -1;
      value = value << 4 | digit;
    }
    return value;
  };
  for (std::size_t i = 0; i < in.size(); ++i) {
    if (in[i] == u'%') {
      int value = -1;
      if (i + 1 < in.size() && in[i + 1] == u'u' && (value = hexRun(i + 2, 4)) >= 0) {
        out += static_cast<char16_t>(value);
        i += 5;
        continue;
      }
      if ((value = hexRun(i + 1, 2)) >= 0) {
        out += static_cast<char16_t>(value);
        i += 2;
        continue;
      }
    }
    out += in[i];
  }
  return gbk::fromUtf16(out);
}

std::string uriComponentEncode(std::string_view gbkText) {
  std::string utf8;
  for (char16_t unit : gbk::toUtf16(gbkText)) gbk::appendUtf8(utf8, unit);
  std::string out;
  for (unsigned char b : utf8) {
    if (isAsciiAlnum(b) || std::string_view("-_.!~*'()").find(static_cast<char>(b)) != std::string_view::npos)
      out += static_cast<char>(b);
    else
      appendPercent(out, b);
  }
  return out;
}

std::string unicodeEscape(std::string_view gbkText) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  for (char16_t unit : gbk::toUtf16(gbkText)) {
    if (unit < 0x80) {
      out += static_cast<char>(unit);
    } else {
      out += "\\u";
      for (int shift = 12; shift >= 0; shift -= 4) out += kDigits[(unit >> shift) & 0xF];
    }
  }
  return out;
}

Outcome unicodeUnescape(std::string_view gbkText) {
  // CP936 characters are all in the BMP: a UTF-16 index is a character position.
  const std::u16string in = gbk::toUtf16(gbkText);
  std::u16string out;
  out.reserve(in.size());
  for (std::size_t i = 0; i < in.size(); ++i) {
    if (in[i] != u'\\' || i + 1 >= in.size() || in[i + 1] != u'u') {
      out += in[i];
      continue;
    }
    const auto bad = [&] { return invalidAt("\\u escape", " \\u 转义", i + 1); };
    std::uint32_t cp = 0;
    if (i + 2 < in.size() && in[i + 2] == u'{') {
      std::size_t k = i + 3;
      for (; k < in.size() && in[k] != u'}'; ++k) {
        const int digit = hexValue(in[k]);
        if (digit < 0 || cp > 0x10FFFF) return bad();
        cp = cp << 4 | static_cast<std::uint32_t>(digit);
      }
      if (k >= in.size() || k == i + 3 || cp > 0x10FFFF) return bad();
      i = k;
    } else {
      if (i + 6 > in.size()) return bad();
      for (std::size_t k = i + 2; k < i + 6; ++k) {
        const int digit = hexValue(in[k]);
        if (digit < 0) return bad();
        cp = cp << 4 | static_cast<std::uint32_t>(digit);
      }
      i += 5;
    }
    if (cp > 0xFFFF) {
      out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
  }
  return Outcome::success(gbk::fromUtf16(out));
}

std::string htmlEncode(std::string_view gbkText) {
  std::string out;
  // None of these is a GBK trail byte (those start at 0x40), so bytes can be read one by one.
  for (char c : gbkText) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default: out += c;
    }
  }
  return out;
}

Outcome htmlDecode(std::string_view gbkText) {
  struct Named {
    std::u16string_view name;
    char16_t unit;
  };
  static constexpr Named kNamed[] = {
      {u"amp", u'&'},     {u"lt", u'<'},       {u"gt", u'>'},      {u"quot", u'"'},
      {u"apos", u'\''},   {u"nbsp", 0x00A0},   {u"copy", 0x00A9},  {u"reg", 0x00AE},
      {u"middot", 0x00B7}, {u"times", 0x00D7}, {u"divide", 0x00F7}, {u"ndash", 0x2013},
      {u"mdash", 0x2014}, {u"lsquo", 0x2018},  {u"rsquo", 0x2019}, {u"ldquo", 0x201C},
      {u"rdquo", 0x201D}, {u"hellip", 0x2026}, {u"yen", 0x00A5},   {u"trade", 0x2122},
  };
  const std::u16string in = gbk::toUtf16(gbkText);
  std::u16string out;
  out.reserve(in.size());
  for (std::size_t i = 0; i < in.size(); ++i) {
    if (in[i] != u'&') {
      out += in[i];
      continue;
    }
    const std::size_t semicolon = in.find(u';', i + 1);
    if (i + 1 < in.size() && in[i + 1] == u'#') {
      const bool hex = i + 2 < in.size() && (in[i + 2] == u'x' || in[i + 2] == u'X');
      const std::size_t first = i + (hex ? 3 : 2);
      std::uint32_t cp = 0;
      std::size_t k = first;
      for (; k < in.size() && in[k] != u';'; ++k) {
        const int digit = hex ? hexValue(in[k]) : (in[k] >= u'0' && in[k] <= u'9' ? in[k] - u'0' : -1);
        if (digit < 0 || cp > 0x10FFFF) break;
        cp = cp * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
      }
      if (k == first || k >= in.size() || in[k] != u';' || cp == 0 || cp > 0x10FFFF ||
          (cp >= 0xD800 && cp <= 0xDFFF))
        return invalidAt("character reference", "字符引用", i + 1);
      if (cp > 0xFFFF) {
        out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
        out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
      } else {
        out += static_cast<char16_t>(cp);
      }
      i = k;
      continue;
    }
    bool replaced = false;
    if (semicolon != std::u16string::npos) {
      const std::u16string_view name(in.data() + i + 1, semicolon - i - 1);
      for (const Named& n : kNamed) {
        if (n.name == name) {
          out += n.unit;
          i = semicolon;
          replaced = true;
          break;
        }
      }
    }
    if (!replaced) out += in[i];
  }
  return Outcome::success(gbk::fromUtf16(out));
}

}  // namespace jsdebug::encode
