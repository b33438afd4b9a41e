#include "platform/CodePages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

namespace {

using namespace jsdebug::platform;

// On Linux these functions are our imitation of Windows and every rule below is ours to keep. On
// Windows they are the system's own; where the system (or Wine standing in for it) answers a
// corner differently, that answer is the system's and the row is the imitation's alone.
#ifdef _WIN32
constexpr bool kImitation = false;
#else
constexpr bool kImitation = true;
#endif

std::u16string toWide(const std::string& bytes, unsigned codePage = kCodePageUtf8) {
  int n = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::u16string out(static_cast<std::size_t>(n), u'\0');
  EXPECT_EQ(n, MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()),
                                   out.data(), n));
  return out;
}

std::string toNarrow(const std::u16string& wide, unsigned codePage = kCodePageGbk) {
  int n = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  EXPECT_EQ(n, WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()),
                                   out.data(), n, nullptr, nullptr));
  return out;
}

TEST(CodePages, Utf8ThroughUtf16ToGbk) {
  EXPECT_EQ(u"\u4E2D", toWide("\xE4\xB8\xAD"));
  EXPECT_EQ("\xD6\xD0", toNarrow(u"\u4E2D"));
  EXPECT_EQ("abc", toNarrow(toWide("abc")));
  // A character outside the BMP arrives as a surrogate pair and round-trips through UTF-8.
  EXPECT_EQ(u"\U0001F600", toWide("\xF0\x9F\x98\x80"));
  EXPECT_EQ("\xF0\x9F\x98\x80", toNarrow(u"\U0001F600", kCodePageUtf8));
  EXPECT_EQ(u"\u4E2D", toWide("\xD6\xD0", kCodePageGbk));
}

TEST(CodePages, MalformedUtf8BecomesReplacementPerMaximalSubpart) {
  // E4 B8 is a truncated three-byte sequence: one U+FFFD, then the "a" survives.
  EXPECT_EQ(u"\uFFFDa", toWide("\xE4\xB8" "a"));
  EXPECT_EQ(u"\uFFFD\uFFFD", toWide("\xFF\xC0"));
  // Encoded surrogates and overlong forms are not characters.
  if (kImitation) {
    EXPECT_EQ(u"\uFFFD\uFFFD\uFFFD", toWide("\xED\xA0\x80"));
  }
  EXPECT_EQ(u"\uFFFD\uFFFD", toWide("\xC1\xBF"));
  // Proper GBK is not UTF-8: its Chinese is lost, as the UTF-8 decoding command documents.
  EXPECT_EQ(std::u16string(u"\uFFFD\uFFFD"), toWide("\xD6\xD0"));

  char16_t out[4] = {};
  EXPECT_EQ(0, MultiByteToWideChar(kCodePageUtf8, kMB_ERR_INVALID_CHARS, "\xFF", 1, out, 4));
  EXPECT_EQ(kERROR_NO_UNICODE_TRANSLATION, lastError());
}

TEST(CodePages, UnrepresentableBecomesDefaultCharacter) {
  EXPECT_EQ("a?b", toNarrow(u"a\u0301b"));
  std::u16string wide = u"x\U0001F600y";
  int used = -1;
  char out[8] = {};
  int n = WideCharToMultiByte(kCodePageGbk, 0, wide.data(), static_cast<int>(wide.size()), out, 8,
                              nullptr, &used);
  // Windows gives one default character per UTF-16 unit of a character beyond the BMP.
  EXPECT_EQ(kImitation ? "x?y" : "x??y", std::string(out, static_cast<std::size_t>(n)));
  EXPECT_EQ(1, used);
  n = WideCharToMultiByte(kCodePageGbk, 0, wide.data(), static_cast<int>(wide.size()), out, 8, "*",
                          &used);
  EXPECT_EQ(kImitation ? "x*y" : "x**y", std::string(out, static_cast<std::size_t>(n)));
  n = WideCharToMultiByte(kCodePageGbk, 0, u"a?", 2, out, 8, nullptr, &used);
  EXPECT_EQ("a?", std::string(out, static_cast<std::size_t>(n)));
  EXPECT_EQ(0, used) << "a real question mark is not a default character";
  // A lone surrogate is UTF-8's replacement character.
  EXPECT_EQ("\xEF\xBF\xBD", toNarrow(std::u16string(1, char16_t(0xD800)), kCodePageUtf8));
}

TEST(CodePages, WindowsParameterRules) {
  char16_t wide[8] = {u'#', u'#', u'#', u'#', u'#', u'#', u'#', u'#'};
  // -1: up to and including the NUL.
  EXPECT_EQ(4, MultiByteToWideChar(kCodePageUtf8, 0, "abc", -1, nullptr, 0));
  EXPECT_EQ(4, MultiByteToWideChar(kCodePageUtf8, 0, "abc", -1, wide, 8));
  EXPECT_EQ(std::u16string(u"abc\0##", 6), std::u16string(wide, 6));
  // Measuring with a non-null destination and capacity 0 leaves the destination alone.
  std::fill(std::begin(wide), std::end(wide), u'#');
  EXPECT_EQ(3, MultiByteToWideChar(kCodePageUtf8, 0, "xyz", 3, wide, 0));
  EXPECT_EQ(u'#', wide[0]);
  // Too small: nothing is written past the capacity.
  EXPECT_EQ(0, MultiByteToWideChar(kCodePageUtf8, 0, "xyz", 3, wide, 2));
  EXPECT_EQ(kERROR_INSUFFICIENT_BUFFER, lastError());
  EXPECT_EQ(u'#', wide[2]);

  EXPECT_EQ(0, MultiByteToWideChar(kCodePageUtf8, 0, "x", 0, wide, 8));
  EXPECT_EQ(kERROR_INVALID_PARAMETER, lastError());
  EXPECT_EQ(0, MultiByteToWideChar(kCodePageUtf8, 0, nullptr, 1, wide, 8));
  EXPECT_EQ(0, MultiByteToWideChar(kCodePageUtf8, 0, "x", 1, nullptr, 8));
  // The imitation knows two code pages and no flag beyond "fail on invalid"; the system has them all.
  if (kImitation) {
    EXPECT_EQ(0, MultiByteToWideChar(1252, 0, "x", 1, wide, 8));
    EXPECT_EQ(0, MultiByteToWideChar(kCodePageUtf8, 0x1, "x", 1, wide, 8));
    EXPECT_EQ(kERROR_INVALID_FLAGS, lastError());
  }

  int used = 0;
  char narrow[4] = {};
  if (kImitation) {
    EXPECT_EQ(0, WideCharToMultiByte(kCodePageUtf8, 0, u"x", 1, narrow, 4, nullptr, &used));
    EXPECT_EQ(kERROR_INVALID_PARAMETER, lastError());
  }
  EXPECT_EQ(0, WideCharToMultiByte(kCodePageGbk, 0, u"\u4E2D", 1, narrow, 1, nullptr, nullptr));
  EXPECT_EQ(kERROR_INSUFFICIENT_BUFFER, lastError());
}

}  // namespace
