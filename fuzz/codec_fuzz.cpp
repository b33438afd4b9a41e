// The CP936 codec on arbitrary bytes: every byte string survives GBK -> UTF-8 -> GBK and
// GBK -> UTF-16 -> GBK unchanged, and the per-character length helpers the editor counts
// positions with agree with what the whole-text conversions produce.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <string_view>

#include "text/Codec.h"

namespace {

void require(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "codec_fuzz: %s\n", what);
    std::abort();
  }
}

// The input read as CP936 text: the lossless round trips.
void asGbk(std::string_view gbk) {
  using namespace jsdebug::gbk;
  const std::u16string utf16 = toUtf16(gbk);
  require(fromUtf16(utf16) == gbk, "GBK -> UTF-16 -> GBK changed the text");
  const std::string utf8 = toUtf8(gbk);
  require(fromUtf8(utf8) == gbk, "GBK -> UTF-8 -> GBK changed the text");
  // CP936 and the escapes are all in the BMP, so CESU-8 reads the same text.
  require(fromCesu8(utf8) == gbk, "GBK -> UTF-8 -> GBK through CESU-8 changed the text");

  // One UTF-16 unit per CP936 character, counted the way searches walk a text.
  std::size_t characters = 0;
  for (std::size_t i = 0; i < gbk.size(); i += static_cast<std::size_t>(charLength(gbk, i)))
    ++characters;
  require(characters == utf16.size(), "charLength walks a different number of characters");

  // The editor's count of GBK bytes over the UTF-8 text, character by character.
  std::size_t gbkBytes = 0;
  std::size_t utf8Characters = 0;
  for (std::size_t i = 0; i < utf8.size(); ++utf8Characters) {
    const std::size_t before = i;
    gbkBytes += static_cast<std::size_t>(gbkLengthOfUtf8Char(utf8, i));
    require(i > before && i <= utf8.size(), "gbkLengthOfUtf8Char did not move forward");
  }
  require(gbkBytes == gbk.size(), "gbkLengthOfUtf8Char sums to another length");
  require(utf8Characters == utf16.size(), "UTF-8 and UTF-16 hold different character counts");
}

// The input read as UTF-8 from a terminal or an engine: whatever it holds, the counting helper
// and the conversion agree, and converting the result again is stable.
void asUtf8(std::string_view utf8) {
  using namespace jsdebug::gbk;
  const std::string gbk = fromUtf8(utf8);
  std::size_t gbkBytes = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t before = i;
    const int n = gbkLengthOfUtf8Char(utf8, i);
    require(n == 1 || n == 2, "gbkLengthOfUtf8Char gave neither 1 nor 2");
    require(i > before && i <= utf8.size(), "gbkLengthOfUtf8Char did not move forward");
    gbkBytes += static_cast<std::size_t>(n);
  }
  require(gbkBytes == gbk.size(), "gbkLengthOfUtf8Char disagrees with fromUtf8 on raw bytes");
  require(fromUtf8(toUtf8(gbk)) == gbk, "a converted text does not survive another round");
  const std::string cesu = fromCesu8(utf8);
  require(fromCesu8(toUtf8(cesu)) == cesu, "a CESU-8 text does not survive another round");
}

// The input read as UTF-16 from a widget: unpaired surrogates and all.
void asUtf16(std::string_view bytes) {
  using namespace jsdebug::gbk;
  std::u16string utf16;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
    utf16.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                          static_cast<unsigned char>(bytes[i + 1]) << 8));
  const std::string gbk = fromUtf16(utf16);
  require(fromUtf16(toUtf16(gbk)) == gbk, "a text from UTF-16 does not survive another round");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  asGbk(bytes);
  asUtf8(bytes);
  asUtf16(bytes);
  return 0;
}
