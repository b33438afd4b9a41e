#include <gtest/gtest.h>

#include <random>

#include "text/Codec.h"

using namespace jsdebug;

TEST(Codec, ChineseBothWays) {
  std::string g = "代码加载失败!!";  // compiled as CP936
  const char8_t* utf8 = u8"代码加载失败!!";
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(utf8)), gbk::toUtf8(g));
  EXPECT_EQ(g, gbk::fromUtf8(reinterpret_cast<const char*>(u8"代码加载失败!!")));
  EXPECT_EQ(u"中文", gbk::toUtf16("中文"));
  EXPECT_EQ("中文", gbk::fromUtf16(u"中文"));
  EXPECT_EQ("\x80", gbk::fromUtf16(u"\u20AC"));  // the euro sign is one byte in CP936
}

TEST(Codec, StrayBytesEscapeAndComeBack) {
  std::string raw = "a\xFF\x81\x7F\xE4";  // 81 7F is no pair: 7F is never a trail byte
  std::u16string u = gbk::toUtf16(raw);
  ASSERT_EQ(5u, u.size());
  EXPECT_EQ(char16_t{0xF7FF}, u[1]);
  EXPECT_EQ(char16_t{0xF781}, u[2]);
  EXPECT_EQ(char16_t{0xF7E4}, u[4]);
  EXPECT_EQ(raw, gbk::fromUtf16(u));
  EXPECT_EQ(raw, gbk::fromUtf8(gbk::toUtf8(raw)));
}

TEST(Codec, UnrepresentableBecomesQuestionMark) {
  EXPECT_EQ("a?b", gbk::fromUtf16(u"a\u0E01b"));          // Thai
  EXPECT_EQ("?", gbk::fromUtf16(u"\U0001F600"));           // outside the BMP: one "?"
  EXPECT_EQ("?", gbk::fromUtf16(std::u16string(1, 0xD800)));  // lone surrogate
  EXPECT_EQ("a?", gbk::fromUtf8("a\xC3"));                 // truncated UTF-8
  EXPECT_EQ("??", gbk::fromUtf8("\xC0\xAF"));              // overlong
}

// What a text typed into a widget loses on its way to GBK, so that it can be said.
TEST(Codec, UnencodableNamesWhatBecomesQuestionMarks) {
  struct Row {
    std::u16string text;
    std::u32string lost;
  } rows[] = {
      {u"test('abc',123)", U""},
      {u"test('中文', '?')", U""},                            // a real "?" is no loss
      {u"f('\U0001F600')", U"\U0001F600"},                  // a pair is one character
      {u"f('\U0001F600\u0E01\U0001F600')", U"\U0001F600\u0E01"},  // each once, in order
      {std::u16string(u"a") + char16_t(0xDC00), U"\xDC00"},   // a lone surrogate as itself
      {u"\uF7E4", U""},                                       // an escaped byte comes back
  };
  for (const Row& row : rows) EXPECT_EQ(row.lost, gbk::unencodable(row.text));
}

TEST(Codec, CharLengthWalksPairs) {
  std::string s = "a中\xFF";
  EXPECT_EQ(1, gbk::charLength(s, 0));
  EXPECT_EQ(2, gbk::charLength(s, 1));
  EXPECT_EQ(1, gbk::charLength(s, 3));
  EXPECT_EQ(1, gbk::charLength("\x81", 0));
}

TEST(Codec, RandomBytesRoundTripThroughUtf8AndUtf16) {
  std::mt19937 rng(936);
  std::uniform_int_distribution<int> byte(0, 255), length(0, 64);
  for (int n = 0; n < 5000; ++n) {
    std::string raw(length(rng), '\0');
    for (char& c : raw) c = static_cast<char>(byte(rng));
    ASSERT_EQ(raw, gbk::fromUtf8(gbk::toUtf8(raw))) << "case " << n;
    ASSERT_EQ(raw, gbk::fromUtf16(gbk::toUtf16(raw))) << "case " << n;
  }
}

// Editors count GBK positions over UTF-8 with gbkLengthOfUtf8Char: it must agree with fromUtf8
// for every character and for malformed bytes, or positions drift from the text.
TEST(Codec, GbkLengthOfUtf8CharAgreesWithFromUtf8) {
  for (char32_t cp = 1; cp <= 0x10FFFF; cp += cp < 0x10000 ? 1 : 0x1111) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    const std::string utf8 = gbk::toUtf8(gbk::fromUtf16(cp < 0x10000
        ? std::u16string(1, static_cast<char16_t>(cp))
        : std::u16string{static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)),
                         static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF))}));
    std::size_t i = 0;
    int total = 0;
    while (i < utf8.size()) total += gbk::gbkLengthOfUtf8Char(utf8, i);
    ASSERT_EQ(gbk::fromUtf8(utf8).size(), static_cast<std::size_t>(total)) << std::hex << static_cast<unsigned>(cp);
  }
  const std::string malformed = "\xE4\xB8" "a\xC0\x80\xF0\x9F\x98" "\xED\xA0\x80" "\x80";
  std::size_t i = 0;
  int total = 0;
  while (i < malformed.size()) total += gbk::gbkLengthOfUtf8Char(malformed, i);
  EXPECT_EQ(malformed.size(), i);
  EXPECT_EQ(gbk::fromUtf8(malformed).size(), static_cast<std::size_t>(total));
  // Four-byte characters (no GBK form) and the escapes of stray bytes are one byte each.
  const std::string emoji = "\xF0\x9F\x98\x80";
  i = 0;
  EXPECT_EQ(1, gbk::gbkLengthOfUtf8Char(emoji, i));
  EXPECT_EQ(4u, i);
}
