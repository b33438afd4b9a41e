// The editor's GBK position bookkeeping under a random sequence of edits, against a plain model
// of the text: a list of characters, each with its UTF-8 bytes and its CP936 length. After every
// edit the lengths agree, and conversions at character starts, inside characters and outside the
// document give what the model gives: at the edit's ends and a picked character after each edit,
// across the whole text at the end.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "editor/GbkPositions.h"
#include "text/Codec.h"

namespace {

void require(bool ok, const char* what, int a = 0, int b = 0) {
  if (!ok) {
    std::fprintf(stderr, "positions_fuzz: %s (%d, %d)\n", what, a, b);
    std::abort();
  }
}

// Characters whose UTF-8 and CP936 lengths differ in every way the editor meets: ASCII, line
// breaks, two- and three-byte characters CP936 has (two bytes there), the euro sign (one byte in
// CP936), a stray-byte escape (one byte), characters CP936 lacks ("?"), a supplementary one.
const char* const kAlphabet[] = {
    "a", "\n", "\r", "\xC3\xA9" /* é */, "\xE4\xB8\xAD" /* 中 */, "\xE2\x82\xAC" /* € */,
    "\xEF\x9F\xA4" /* U+F7E4 */, "\xF0\x9F\x98\x80" /* emoji */, "\xE3\x80\x80" /* 　 */,
    "\xC3\xBF" /* ÿ */, "\xCE\xA9" /* Ω */, "(",
};
constexpr int kAlphabetSize = sizeof kAlphabet / sizeof kAlphabet[0];
constexpr int kMaxCharacters = 2500;

// A character of the model: its index in kAlphabet.
using Char = std::uint8_t;

struct Lengths {
  int utf8[kAlphabetSize];
  int gbk[kAlphabetSize];
};

const Lengths& lengths() {
  static const Lengths table = [] {
    Lengths t{};
    for (int k = 0; k < kAlphabetSize; ++k) {
      t.utf8[k] = static_cast<int>(std::strlen(kAlphabet[k]));
      t.gbk[k] = static_cast<int>(jsdebug::gbk::fromUtf8(kAlphabet[k]).size());
    }
    return t;
  }();
  return table;
}

// Where a character starts, in both encodings.
struct Offset {
  int utf8 = 0;
  int gbk = 0;
};

// Kept up to date edit by edit, as the widget's text is: rebuilding the text and every offset
// after each edit was a third of an execution.
struct Model {
  std::vector<Char> chars;
  std::string doc;  // what the widget would hold
  int gbkLength = 0;

  // The start of character `index`, counted from character `from` at offset `at`.
  Offset offset(std::size_t index, std::size_t from = 0, Offset at = {}) const {
    for (std::size_t k = from; k < index; ++k) {
      at.utf8 += lengths().utf8[chars[k]];
      at.gbk += lengths().gbk[chars[k]];
    }
    return at;
  }
  // Removes `count` characters at `index` and puts `added` there; gives the UTF-8 offset of the
  // edit and the bytes it removed and added.
  void edit(std::size_t index, std::size_t count, const std::vector<Char>& added, int& pos,
            int& removed, int& inserted) {
    const Offset start = offset(index);
    const Offset end = offset(index + count, index, start);
    std::string bytes;
    int gbk = 0;
    for (Char c : added) {
      bytes += kAlphabet[c];
      gbk += lengths().gbk[c];
    }
    doc.replace(static_cast<std::size_t>(start.utf8), static_cast<std::size_t>(end.utf8 - start.utf8),
                bytes);
    chars.erase(chars.begin() + static_cast<std::ptrdiff_t>(index),
                chars.begin() + static_cast<std::ptrdiff_t>(index + count));
    chars.insert(chars.begin() + static_cast<std::ptrdiff_t>(index), added.begin(), added.end());
    gbkLength += gbk - (end.gbk - start.gbk);
    pos = start.utf8;
    removed = end.utf8 - start.utf8;
    inserted = static_cast<int>(bytes.size());
  }
};

std::vector<Char> makeChars(FuzzedDataProvider& in) {
  std::vector<Char> made;
  // A run of one character or a mixed stretch; long runs let the document cross mark spacing.
  const bool run = in.ConsumeBool();
  const int count = in.ConsumeIntegralInRange(1, run ? 600 : 40);
  int pick = in.ConsumeIntegralInRange(0, kAlphabetSize - 1);
  for (int k = 0; k < count; ++k) {
    if (!run) pick = in.ConsumeIntegralInRange(0, kAlphabetSize - 1);
    made.push_back(static_cast<Char>(pick));
  }
  return made;
}

// Conversions at the start of the character at `at` and, with `inside`, within it. Each scans
// from the nearest mark, so a check costs up to a mark's spacing: which characters are checked,
// and how thoroughly, bounds a run.
void checkCharacter(const jsdebug::editor::GbkPositions& p, const Model& m, std::size_t index,
                    Offset at, bool inside = true) {
  const int u = at.utf8;
  const int g = at.gbk;
  const int uEnd = u + lengths().utf8[m.chars[index]];
  using R = jsdebug::editor::GbkPositions::Rounding;
  require(p.toGbk(u) == g, "toGbk at a character", u, p.toGbk(u));
  require(p.toUtf8(g) == u, "toUtf8 at a character", g, p.toUtf8(g));
  if (!inside) return;
  require(p.toUtf8(g, R::Up) == u, "toUtf8 at a character, up", g, p.toUtf8(g, R::Up));
  for (int within = u + 1; within < uEnd; ++within)
    require(p.toGbk(within) == g, "toGbk inside a character", within, p.toGbk(within));
  if (lengths().gbk[m.chars[index]] == 2) {
    require(p.toUtf8(g + 1, R::Down) == u, "toUtf8 inside a character, down", g + 1, u);
    require(p.toUtf8(g + 1, R::Up) == uEnd, "toUtf8 inside a character, up", g + 1, uEnd);
  }
}

void checkLengths(const jsdebug::editor::GbkPositions& p, const Model& m, FuzzedDataProvider& in) {
  const int utf8 = static_cast<int>(m.doc.size());
  const int gbk = m.gbkLength;
  require(p.utf8Length() == utf8, "utf8Length", p.utf8Length(), utf8);
  require(p.gbkLength() == gbk, "gbkLength", p.gbkLength(), gbk);
  require(p.toGbk(-1 - in.ConsumeIntegral<std::uint8_t>()) == 0, "toGbk below 0");
  require(p.toGbk(utf8 + 1 + in.ConsumeIntegral<std::uint8_t>()) == gbk, "toGbk past the end");
  require(p.toUtf8(-1) == 0, "toUtf8 below 0");
  require(p.toUtf8(gbk + 1, jsdebug::editor::GbkPositions::Rounding::Up) == utf8,
          "toUtf8 past the end");
}

// After an edit: the lengths, and the characters at the edit's two ends (characters [from, to)
// are the new ones), where a wrong re-marking or shift shows first. What happens inside a
// character is the scan's own affair, the same after any edit: checked at one end.
void checkEdit(const jsdebug::editor::GbkPositions& p, const Model& m, FuzzedDataProvider& in,
               std::size_t from, std::size_t to) {
  checkLengths(p, m, in);
  const std::size_t n = m.chars.size();
  if (from >= n) return;
  const Offset atFrom = m.offset(from);
  checkCharacter(p, m, from, atFrom);
  if (to < n && to != from) checkCharacter(p, m, to, m.offset(to, from, atFrom), false);
}

// At the end: every character of a short document; on a longer one the starts of characters at
// a stride that probes each stretch between marks several times (a stretch of kSpacing bytes
// holds at least 128 characters), the last character, and 16 the input picks.
void checkAll(const jsdebug::editor::GbkPositions& p, const Model& m, FuzzedDataProvider& in) {
  checkLengths(p, m, in);
  const std::size_t n = m.chars.size();
  if (n == 0) return;
  const Offset end = m.offset(n);
  require(end.utf8 == static_cast<int>(m.doc.size()) && end.gbk == m.gbkLength,
          "the model's own lengths", end.utf8, end.gbk);
  const std::size_t stride = n <= 32 ? 1 : n / 32;
  Offset at;
  std::size_t index = 0;
  for (; index < n; index += stride) {
    checkCharacter(p, m, index, at, stride == 1);
    at = m.offset(std::min(index + stride, n), index, at);
  }
  checkCharacter(p, m, n - 1, m.offset(n - 1));
  for (int s = 0; s < 16 && stride > 1; ++s) {
    index = in.ConsumeIntegralInRange<std::size_t>(0, n - 1);
    checkCharacter(p, m, index, m.offset(index));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  Model m;
  jsdebug::editor::GbkPositions p([&m](int from, int length) {
    require(from >= 0 && length >= 0 && from + length <= static_cast<int>(m.doc.size()),
            "read outside the document", from, length);
    return std::string_view(m.doc).substr(static_cast<std::size_t>(from),
                                          static_cast<std::size_t>(length));
  });
  p.reset(0);
  // A bounded number of edits keeps runs fast; long runs of inserted characters still carry the
  // text across many marks.
  for (int edits = 0; edits < 40 && in.remaining_bytes() > 0; ++edits) {
    const int op = in.ConsumeIntegralInRange(0, 3);
    const std::size_t n = m.chars.size();
    std::size_t from = 0, to = n;  // the characters the edit put in, in the new text
    int pos = 0, removed = 0, added = 0;
    if (op == 0 && n < kMaxCharacters) {  // typing or pasting
      from = in.ConsumeIntegralInRange<std::size_t>(0, n);
      const std::vector<Char> chars = makeChars(in);
      m.edit(from, 0, chars, pos, removed, added);
      p.inserted(pos, added);
      to = from + chars.size();
    } else if (op == 1 && n > 0) {  // deleting a selection
      from = to = in.ConsumeIntegralInRange<std::size_t>(0, n - 1);
      const std::size_t count = in.ConsumeIntegralInRange<std::size_t>(1, n - from);
      m.edit(from, count, {}, pos, removed, added);
      p.deleted(pos, removed);
    } else if (op == 2 && n < kMaxCharacters) {  // replacing a selection in one step
      from = in.ConsumeIntegralInRange<std::size_t>(0, n);
      const std::size_t count = in.ConsumeIntegralInRange<std::size_t>(0, n - from);
      const std::vector<Char> chars = in.ConsumeBool() ? makeChars(in) : std::vector<Char>{};
      m.edit(from, count, chars, pos, removed, added);
      p.replaced(pos, removed, added);
      to = from + chars.size();
    } else if (op == 3) {  // a new text altogether (a file loaded)
      if (in.ConsumeBool()) m.edit(0, n, makeChars(in), pos, removed, added);
      p.reset(static_cast<int>(m.doc.size()));
      to = m.chars.size();
    }
    checkEdit(p, m, in, from, to);
  }
  checkAll(p, m, in);
  return 0;
}
