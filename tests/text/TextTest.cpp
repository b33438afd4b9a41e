#include <gtest/gtest.h>

#include "text/Text.h"

using namespace jsdebug::text;

TEST(FindText, OneBasedAndMinusOneWhenAbsent) {
  EXPECT_EQ(1, findText("abc", "a"));
  EXPECT_EQ(3, findText("abc", "c"));
  EXPECT_EQ(-1, findText("abc", "d"));
  EXPECT_EQ(-1, findText("", "a"));
  EXPECT_EQ(3, findText("abab", "ab", 2));
  EXPECT_EQ(1, findText("abab", "ab", -5));  // a start below 1 counts as 1
  EXPECT_EQ(-1, findText("abab", "ab", 9));
}

TEST(FindText, EmptyNeedleMatchesWhileTextRemains) {
  EXPECT_EQ(1, findText("abc", ""));
  EXPECT_EQ(3, findText("abc", "", 3));
  EXPECT_EQ(-1, findText("abc", "", 4));
  EXPECT_EQ(-1, findText("", ""));
}

TEST(FindText, NeverMatchesOnATrailByte) {
  // "啊" is B0 A1 and "「" is A1 B8: the bytes A1 B8... would match inside "啊"+"赂".
  std::string hay = "啊赂";  // B0 A1 C2 B8
  EXPECT_EQ(-1, findText(hay, "\xA1\xC2"));
  EXPECT_EQ(3, findText(hay, "赂"));
}

TEST(FindText, IgnoreCaseFoldsAsciiOnly) {
  EXPECT_EQ(2, findText("xABc", "abC", 1, true));
  EXPECT_EQ(-1, findText("xABc", "abC", 1, false));
  // "臜" is C5 61: its trail byte is 'a' and must not be folded to match "臜" written with 'A'.
  EXPECT_EQ(-1, findText("\xC5\x41", "\xC5\x61", 1, true));
}

TEST(TextBetweenTest, FirstLeftThenFirstRightAfterIt) {
  EXPECT_EQ("test", TextBetween("|test('abc',123)|", "|", "("));
  EXPECT_EQ("'abc',123", TextBetween("|test('abc',123)|", "(", ")|"));
  EXPECT_EQ("", TextBetween("abc", "x", "c"));
  EXPECT_EQ("", TextBetween("abc", "a", "x"));
  EXPECT_EQ("b)(c", TextBetween("|a(b)(c)|", "(", ")|"));
  EXPECT_EQ("", TextBetween("||", "|", "|"));
}

TEST(TextBetweenTest, QuoteMarkerStandsForADoubleQuote) {
  EXPECT_EQ("abc", TextBetween("x=\"abc\";", "#引号", "#引号"));
  EXPECT_EQ("3", TextBetween("错误所在行：  3\r\n错误", "错误所在行：  ", "\r\n"));
}

TEST(ToInteger, ReadsLeadingDigitsAfterFoldingFullWidth) {
  EXPECT_EQ(1024, toInteger("1024"));
  EXPECT_EQ(2048, toInteger("２０４８"));
  EXPECT_EQ(-12, toInteger("  -12abc"));
  EXPECT_EQ(-3, toInteger("　－３"));
  EXPECT_EQ(0, toInteger("abc"));
  EXPECT_EQ(0, toInteger(""));
  EXPECT_EQ(1, toInteger("1.9"));
  EXPECT_EQ(2147483647, toInteger("99999999999999999999"));
  EXPECT_EQ(-2147483648, toInteger("-99999999999999999999"));
}

// Whole texts only: what toInteger would read from the front of "12abc" is no number here.
TEST(WholeInteger, TheWholeTextOrNothing) {
  struct Row {
    const char* text;
    std::optional<std::int64_t> value;
  } rows[] = {
      {"1024", 1024},
      {"　２０４８　", 2048},                   // full-width digits and blanks
      {" -5 ", -5},
      {"+7", 7},
      {"－３", -3},
      {"2147483648", 2147483648LL},
      {"99999999999999999999999", std::int64_t{1} << 40},  // saturates, never wraps
      {"-99999999999999999999999", -(std::int64_t{1} << 40)},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"-", std::nullopt},
      {"abc", std::nullopt},
      {"12abc", std::nullopt},
      {"1 2", std::nullopt},
      {"1.5", std::nullopt},
      {"0x10", std::nullopt},
  };
  for (const Row& row : rows) EXPECT_EQ(row.value, wholeInteger(row.text)) << row.text;
}

TEST(ToNumber, ReadsADecimalFractionAfterFoldingFullWidth) {
  EXPECT_DOUBLE_EQ(1.9, toNumber("1.9"));
  EXPECT_DOUBLE_EQ(2, toNumber("２"));
  EXPECT_DOUBLE_EQ(-0.5, toNumber(" －０．５"));
  EXPECT_DOUBLE_EQ(12, toNumber("12abc"));
  EXPECT_DOUBLE_EQ(3, toNumber("3."));
  EXPECT_DOUBLE_EQ(0.5, toNumber(".5"));
  EXPECT_DOUBLE_EQ(0, toNumber("abc"));
  EXPECT_DOUBLE_EQ(0, toNumber(""));
  EXPECT_DOUBLE_EQ(0, toNumber("0x1A"));
  EXPECT_DOUBLE_EQ(1, toNumber("1e5"));
}

TEST(NumberToText, IntegersPlainOthersWithThirteenDigits) {
  EXPECT_EQ("0", numberToText(0));
  EXPECT_EQ("123", numberToText(123));
  EXPECT_EQ("-7", numberToText(-7));
  EXPECT_EQ("0.5", numberToText(0.5));
  EXPECT_EQ("0.3333333333333", numberToText(1.0 / 3));
  EXPECT_EQ("1e+20", numberToText(1e20));
}

TEST(TrimBlanks, AsciiAndFullWidthBlanksOnly) {
  EXPECT_EQ("a b", trimBlanks("  a b  "));
  EXPECT_EQ("test()", trimBlanks("　 test()　"));
  EXPECT_EQ("\ttest() \r\n", trimBlanks(" \ttest() \r\n"));
  EXPECT_EQ("", trimBlanks("　 　"));
  // B0 A1 A1: the character "啊" followed by a lone A1, not a full-width blank.
  EXPECT_EQ("\xB0\xA1\xA1", trimBlanks("\xB0\xA1\xA1"));
}

TEST(ReplaceAll, ReplacementIsNotScannedAgain) {
  EXPECT_EQ("xx", replaceAll("aa", "a", "x"));
  EXPECT_EQ("baba", replaceAll("aa", "a", "ba"));
  EXPECT_EQ("abc", replaceAll("abc", "", "x"));
  EXPECT_EQ("\r\nx\n   y", replaceAll("\n    x\n   y", "\n    ", "\r\n"));
}
