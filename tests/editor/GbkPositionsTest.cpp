#include "editor/GbkPositions.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "text/Codec.h"

namespace jsdebug::editor {
namespace {

using R = GbkPositions::Rounding;

// A document held as UTF-8, with the positions kept up to date as an editor would.
struct Document {
  std::string utf8;
  GbkPositions positions{[this](int from, int length) {
    return std::string_view(utf8).substr(static_cast<std::size_t>(from),
                                         static_cast<std::size_t>(length));
  }};

  void set(const std::string& gbkText) {
    utf8 = gbk::toUtf8(gbkText);
    positions.reset(static_cast<int>(utf8.size()));
  }
  void insert(int pos, const std::string& gbkText) {
    const std::string bytes = gbk::toUtf8(gbkText);
    utf8.insert(static_cast<std::size_t>(pos), bytes);
    positions.inserted(pos, static_cast<int>(bytes.size()));
  }
  void replace(int pos, int length, const std::string& gbkText) {
    const std::string bytes = gbk::toUtf8(gbkText);
    utf8.replace(static_cast<std::size_t>(pos), static_cast<std::size_t>(length), bytes);
    positions.replaced(pos, length, static_cast<int>(bytes.size()));
  }
  void erase(int pos, int length) {
    utf8.erase(static_cast<std::size_t>(pos), static_cast<std::size_t>(length));
    positions.deleted(pos, length);
  }

  // Every character boundary checked against converting the prefix.
  void expectConsistent() const {
    ASSERT_EQ(static_cast<int>(gbk::fromUtf8(utf8).size()), positions.gbkLength());
    ASSERT_EQ(static_cast<int>(utf8.size()), positions.utf8Length());
    int expected = 0;  // the converted prefix's length, one character at a time
    for (std::size_t i = 0; i < utf8.size();) {
      ASSERT_EQ(expected, positions.toGbk(static_cast<int>(i))) << "utf8 offset " << i;
      ASSERT_EQ(static_cast<int>(i), positions.toUtf8(expected)) << "gbk offset " << expected;
      std::size_t next = i;
      gbk::gbkLengthOfUtf8Char(utf8, next);
      const int length = static_cast<int>(gbk::fromUtf8(std::string_view(utf8).substr(i, next - i)).size());
      expected += length;
      if (length == 2) {
        // The middle of a two-byte character rounds to either side of it.
        ASSERT_EQ(static_cast<int>(i), positions.toUtf8(expected - 1, R::Down));
        ASSERT_EQ(static_cast<int>(next), positions.toUtf8(expected - 1, R::Up));
      }
      i = next;
    }
  }
};

std::string randomGbk(std::mt19937& rng, int characters) {
  static const char* const kPieces[] = {"a", "\r\n", "\t", "中", "文", "·", "\x80", "\xff", "\x81"};
  std::string out;
  for (int k = 0; k < characters; ++k) out += kPieces[rng() % std::size(kPieces)];
  return out;
}

TEST(GbkPositions, ClampsOutsideTheDocument) {
  Document doc;
  doc.set("中a");
  EXPECT_EQ(0, doc.positions.toGbk(-5));
  EXPECT_EQ(3, doc.positions.toGbk(100));
  EXPECT_EQ(0, doc.positions.toUtf8(-1));
  EXPECT_EQ(4, doc.positions.toUtf8(100));
  doc.set("");
  EXPECT_EQ(0, doc.positions.toGbk(0));
  EXPECT_EQ(0, doc.positions.toUtf8(1, R::Up));
}

TEST(GbkPositions, StrayBytesAndUnrepresentableCharactersCountOneByte) {
  Document doc;
  doc.set("\xff\x81");  // two stray bytes: three UTF-8 bytes each
  EXPECT_EQ(2, doc.positions.gbkLength());
  EXPECT_EQ(3, doc.positions.toUtf8(1));
  // Typed or pasted text GBK lacks reads back as "?": one byte each, a 4-byte emoji included.
  doc.utf8 = "\xed\x95\x9c" "\xf0\x9f\x98\x80" "b";
  doc.positions.reset(static_cast<int>(doc.utf8.size()));
  EXPECT_EQ(3, doc.positions.gbkLength());
  EXPECT_EQ(7, doc.positions.toUtf8(2));
  doc.expectConsistent();
}

TEST(GbkPositions, LargeDocumentsKeepMarksAndStayConsistent) {
  std::mt19937 rng(7);
  Document doc;
  doc.set(randomGbk(rng, 3000));
  EXPECT_GT(doc.positions.markCount(), doc.utf8.size() / (GbkPositions::kSpacing + 4));
  doc.expectConsistent();
}

TEST(GbkPositions, EditsAnywhereKeepEveryPositionRight) {
  std::mt19937 rng(11);
  Document doc;
  doc.set(randomGbk(rng, 2000));
  for (int round = 0; round < 60; ++round) {
    // Edits land on character boundaries, as the widget's do.
    int pos = 0;
    const int target = static_cast<int>(rng() % (doc.utf8.size() + 1));
    for (std::size_t i = 0; i < doc.utf8.size() && static_cast<int>(i) < target;) {
      gbk::gbkLengthOfUtf8Char(doc.utf8, i);
      pos = static_cast<int>(i);
    }
    std::size_t end = static_cast<std::size_t>(pos);
    const int characters = rng() % 3 == 0 ? 900 : 1 + static_cast<int>(rng() % 5);
    for (int k = 0; k < characters && end < doc.utf8.size(); ++k)
      gbk::gbkLengthOfUtf8Char(doc.utf8, end);
    const std::string text = randomGbk(rng, rng() % 3 == 0 ? 700 : 1 + static_cast<int>(rng() % 5));
    switch (doc.utf8.empty() ? 0 : rng() % 3) {
      case 0: doc.insert(pos, text); break;
      case 1: doc.erase(pos, static_cast<int>(end) - pos); break;
      default: doc.replace(pos, static_cast<int>(end) - pos, text); break;
    }
    ASSERT_NO_FATAL_FAILURE(doc.expectConsistent()) << "after edit " << round;
  }
  // Deleting everything leaves one mark and an empty document.
  doc.erase(0, static_cast<int>(doc.utf8.size()));
  EXPECT_EQ(0, doc.positions.gbkLength());
  EXPECT_EQ(1u, doc.positions.markCount());
}

TEST(GbkPositions, TypingAtOneSpotDoesNotLeaveLongStretchesUnmarked) {
  Document doc;
  doc.set("x");
  for (int k = 0; k < 3000; ++k) doc.insert(1, "中");
  // Each mark covers at most kSpacing bytes plus one character.
  EXPECT_GE(doc.positions.markCount(), doc.utf8.size() / (GbkPositions::kSpacing + 3));
  doc.expectConsistent();
}

}  // namespace
}  // namespace jsdebug::editor
