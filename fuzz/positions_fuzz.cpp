// The editor's GBK position bookkeeping under a random sequence of edits, against a plain model
// of the text: a list of characters, each with its UTF-8 bytes and its CP936 length. After every
// edit the lengths agree, and conversions at character starts, inside characters and outside the
// document give what the model gives.
#include <fuzzer/FuzzedDataProvider.h>

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
  std::vector<int> utf8;
  std::vector<int> gbk;
};

const Lengths& lengths() {
  static const Lengths table = [] {
    Lengths t;
    for (const char* c : kAlphabet) {
      t.utf8.push_back(static_cast<int>(std::strlen(c)));
      t.gbk.push_back(static_cast<int>(jsdebug::gbk::fromUtf8(c).size()));
    }
    return t;
  }();
  return table;
}

struct Model {
  std::vector<Char> chars;
  std::string doc;  // what the widget would hold

  void rebuild() {
    doc.clear();
    for (Char c : chars) doc += kAlphabet[c];
  }
  int utf8Offset(std::size_t index) const {
    int n = 0;
    for (std::size_t k = 0; k < index; ++k) n += lengths().utf8[chars[k]];
    return n;
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

// Every character of a small document; `samples` of them on a large one, since each conversion
// scans up to a mark's spacing.
void check(const jsdebug::GbkPositions& p, const Model& m, FuzzedDataProvider& in, int samples) {
  // Offsets of every character start in both encodings.
  std::vector<int> us{0};
  std::vector<int> gs{0};
  for (Char c : m.chars) {
    us.push_back(us.back() + lengths().utf8[c]);
    gs.push_back(gs.back() + lengths().gbk[c]);
  }
  const int utf8 = us.back();
  const int gbk = gs.back();
  require(p.utf8Length() == utf8, "utf8Length", p.utf8Length(), utf8);
  require(p.gbkLength() == gbk, "gbkLength", p.gbkLength(), gbk);
  require(p.toGbk(-1 - in.ConsumeIntegral<std::uint8_t>()) == 0, "toGbk below 0");
  require(p.toGbk(utf8 + 1 + in.ConsumeIntegral<std::uint8_t>()) == gbk, "toGbk past the end");
  require(p.toUtf8(-1) == 0, "toUtf8 below 0");
  require(p.toUtf8(gbk + 1, jsdebug::GbkPositions::Rounding::Up) == utf8, "toUtf8 past the end");

  const bool all = m.chars.size() <= 64;
  if (all) samples = static_cast<int>(m.chars.size());
  std::vector<std::size_t> picks;
  for (int s = 0; s < samples; ++s)
    picks.push_back(all ? static_cast<std::size_t>(s)
                        : in.ConsumeIntegralInRange<std::size_t>(0, m.chars.size() - 1));
  for (std::size_t index : picks) {
    const int u = us[index];
    const int g = gs[index];
    const int uEnd = us[index + 1];
    using R = jsdebug::GbkPositions::Rounding;
    require(p.toGbk(u) == g, "toGbk at a character", u, p.toGbk(u));
    require(p.toUtf8(g) == u && p.toUtf8(g, R::Up) == u, "toUtf8 at a character", g, p.toUtf8(g));
    for (int inside = u + 1; inside < uEnd; ++inside)
      require(p.toGbk(inside) == g, "toGbk inside a character", inside, p.toGbk(inside));
    if (gs[index + 1] - g == 2) {
      require(p.toUtf8(g + 1, R::Down) == u, "toUtf8 inside a character, down", g + 1, u);
      require(p.toUtf8(g + 1, R::Up) == uEnd, "toUtf8 inside a character, up", g + 1, uEnd);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  Model m;
  jsdebug::GbkPositions p([&m](int from, int length) {
    require(from >= 0 && length >= 0 && from + length <= static_cast<int>(m.doc.size()),
            "read outside the document", from, length);
    return std::string_view(m.doc).substr(static_cast<std::size_t>(from),
                                          static_cast<std::size_t>(length));
  });
  p.reset(0);
  // Each edit costs the model a pass over the text: a bounded number keeps runs fast, and long
  // runs of inserted characters still carry the text across many marks.
  for (int edits = 0; edits < 40 && in.remaining_bytes() > 0; ++edits) {
    const int op = in.ConsumeIntegralInRange(0, 3);
    const std::size_t n = m.chars.size();
    if (op == 0 && n < kMaxCharacters) {  // typing or pasting
      const std::size_t at = in.ConsumeIntegralInRange<std::size_t>(0, n);
      std::vector<Char> added = makeChars(in);
      const int pos = m.utf8Offset(at);
      m.chars.insert(m.chars.begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
      m.rebuild();
      p.inserted(pos, m.utf8Offset(at + added.size()) - pos);
    } else if (op == 1 && n > 0) {  // deleting a selection
      const std::size_t at = in.ConsumeIntegralInRange<std::size_t>(0, n - 1);
      const std::size_t count = in.ConsumeIntegralInRange<std::size_t>(1, n - at);
      const int pos = m.utf8Offset(at);
      const int length = m.utf8Offset(at + count) - pos;
      m.chars.erase(m.chars.begin() + static_cast<std::ptrdiff_t>(at),
                    m.chars.begin() + static_cast<std::ptrdiff_t>(at + count));
      m.rebuild();
      p.deleted(pos, length);
    } else if (op == 2 && n < kMaxCharacters) {  // replacing a selection in one step
      const std::size_t at = in.ConsumeIntegralInRange<std::size_t>(0, n);
      const std::size_t count = in.ConsumeIntegralInRange<std::size_t>(0, n - at);
      std::vector<Char> added = in.ConsumeBool() ? makeChars(in) : std::vector<Char>{};
      const int pos = m.utf8Offset(at);
      const int removed = m.utf8Offset(at + count) - pos;
      m.chars.erase(m.chars.begin() + static_cast<std::ptrdiff_t>(at),
                    m.chars.begin() + static_cast<std::ptrdiff_t>(at + count));
      m.chars.insert(m.chars.begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
      m.rebuild();
      p.replaced(pos, removed, m.utf8Offset(at + added.size()) - pos);
    } else if (op == 3) {  // a new text altogether (a file loaded)
      if (in.ConsumeBool()) m.chars = makeChars(in);
      m.rebuild();
      p.reset(static_cast<int>(m.doc.size()));
    }
    check(p, m, in, 2);
  }
  check(p, m, in, 16);
  return 0;
}
