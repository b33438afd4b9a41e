#include "workflow/QuickFind.h"

#include <string_view>

namespace jsdebug::workflow {
namespace {

// Quick find steps over two bytes wherever a byte of 0x80 or more stands, whether or not the
// pair is a valid GBK character, so a stray high byte also hides the byte after it.
std::size_t stepAt(std::string_view text, std::size_t i) {
  return static_cast<unsigned char>(text[i]) >= 0x80 ? 2 : 1;
}

// Whether offset `at` of `text` is a character boundary. A byte below 0x80 never starts a pair,
// so the offset after it is a boundary: walking from there keeps the cost to the run of high
// bytes before `at` instead of the whole text.
bool isCharacterBoundary(std::string_view text, std::size_t at) {
  std::size_t from = at;
  while (from > 0 && static_cast<unsigned char>(text[from - 1]) >= 0x80) --from;
  while (from < at) from += stepAt(text, from);
  return from == at;
}

// Whether `at` is a character boundary, given a boundary `known` at or after it. When only high
// bytes lie between them, each starts a pair, so the pairs line up with `known` exactly when the
// distance is even; walking back through a long run of Chinese text for every match of a
// backward walk would cost as much as the run each time.
bool isBoundaryBefore(std::string_view text, std::size_t at, std::size_t known) {
  std::size_t low = known;
  while (low > at && static_cast<unsigned char>(text[low - 1]) >= 0x80) --low;
  if (low == at) return (known - at) % 2 == 0;
  return isCharacterBoundary(text, at);
}

constexpr std::size_t kNotFound = std::string_view::npos;

// First occurrence beginning on a boundary at or after `from`. `boundary` (at or before
// `from`) is known to be one, so the characters are walked from there only as far as the
// match: walking every match of a long document stays linear.
std::size_t findForward(std::string_view text, std::string_view needle, std::size_t boundary,
                        std::size_t from) {
  std::size_t cursor = boundary;
  while (cursor < from) cursor += stepAt(text, cursor);
  for (;;) {
    const std::size_t at = text.find(needle, cursor);
    if (at == kNotFound) return kNotFound;
    while (cursor < at) cursor += stepAt(text, cursor);
    if (cursor == at) return at;
  }
}

// Last occurrence beginning on a boundary and ending at or before `limit`, itself a boundary.
std::size_t findBackward(std::string_view text, std::string_view needle, std::size_t limit) {
  if (needle.size() > limit) return kNotFound;
  for (std::size_t at = text.rfind(needle, limit - needle.size()); at != kNotFound;
       at = at == 0 ? kNotFound : text.rfind(needle, at - 1))
    if (isBoundaryBefore(text, at, limit)) return at;
  return kNotFound;
}

void refreshCopy(EditorOperations& editor, QuickFindState& state) {
  const std::uint64_t version = editor.textVersion();
  if (version != 0 && version == state.copyVersion) return;
  std::string text = editor.wholeText();
  if (text != state.copy) {
    state.copy = std::move(text);
    state.matchStart = 0;
    state.matchLength = 0;
  }
  state.copyVersion = version;
}

}  // namespace

void quickFind(Workbench& bench, QuickFindState& state) {
  EditorOperations& editor = bench.editor();
  refreshCopy(editor, state);
  const std::string needle = bench.findBoxText();
  if (needle.empty()) return;

  const auto start = static_cast<std::size_t>(state.matchStart);
  const std::size_t at =
      bench.searchDownChecked()
          ? findForward(state.copy, needle, start,
                        start + static_cast<std::size_t>(state.matchLength))
          : findBackward(state.copy, needle, start);
  if (at == kNotFound) {
    bench.messageBox("未找到指定文本“" + needle + "”", "错误", MessageIcon::Error);
    return;
  }
  state.matchStart = static_cast<int>(at);
  state.matchLength = static_cast<int>(needle.size());
  editor.setSelection(state.matchStart, state.matchStart + state.matchLength);
}

}  // namespace jsdebug::workflow
