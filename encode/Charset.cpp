#include "encode/Charset.h"

#include "encode/Encodings.h"
#include "text/Codec.h"

namespace jsdebug::encode {
namespace {

// Length of the well-formed UTF-8 sequence at s[i], or 0 when it is not one (RFC 3629).
std::size_t utf8SequenceLength(std::string_view s, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char b = byte(i);
  if (b < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (b >= 0xC2 && b <= 0xDF) {
    length = 2;
  } else if (b >= 0xE0 && b <= 0xEF) {
    length = 3;
    if (b == 0xE0) low = 0xA0;   // overlong
    if (b == 0xED) high = 0x9F;  // surrogates
  } else if (b >= 0xF0 && b <= 0xF4) {
    length = 4;
    if (b == 0xF0) low = 0x90;   // overlong
    if (b == 0xF4) high = 0x8F;  // beyond U+10FFFF
  } else {
    return 0;
  }
  if (i + length > s.size()) return 0;
  if (byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k)
    if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
  return length;
}

}  // namespace

Outcome invalidAt(const std::string& what, const std::string& whatChinese, std::size_t position) {
  const std::string n = std::to_string(position);
  return Outcome::failure("invalid " + what + " at position " + n,
                          "第 " + n + " 个字符处不是有效的" + whatChinese);
}

std::string textBytes(std::string_view gbkText, Charset charset) {
  if (charset == Charset::Gbk) return std::string(gbkText);
  std::string out;
  out.reserve(gbkText.size() * 3 / 2);
  // CP936 has no character beyond the BMP, so every unit is a whole character.
  for (char16_t unit : gbk::toUtf16(gbkText)) {
    if (unit >= gbk::kEscapeFirst && unit <= gbk::kEscapeLast)
      out += static_cast<char>(unit - gbk::kEscapeFirst + 0x80);
    else
      gbk::appendUtf8(out, unit);
  }
  return out;
}

Outcome bytesToText(std::string bytes, Charset charset) {
  if (charset == Charset::Gbk) return Outcome::success(std::move(bytes));
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t length = utf8SequenceLength(bytes, i);
    if (length == 0) {
      const std::string n = std::to_string(i + 1);
      const std::string hex = hexEncode(std::string_view(bytes).substr(i, 1));
      return Outcome::failure("decoded bytes are not UTF-8: byte " + n + " (0x" + hex + ")",
                              "解码得到的字节不是UTF-8：第 " + n + " 个字节（0x" + hex + "）");
    }
    i += length;
  }
  return Outcome::success(gbk::fromUtf8(bytes));
}

}  // namespace jsdebug::encode
