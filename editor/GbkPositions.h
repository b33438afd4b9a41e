#pragma once
// Positions in a UTF-8 document, counted as byte offsets of the same text in CP936.
//
// Scintilla holds the editor text in UTF-8 while every caller counts GBK bytes. Converting a
// position by scanning from the start would make each call cost as much as the document, so
// this keeps marks (a UTF-8 offset with its GBK offset, at character boundaries) about every
// kSpacing bytes and scans only from the nearest mark. An edit re-marks the stretch between the
// marks around it and shifts the later marks, so neither conversions nor edits rescan the whole
// document.

#include <functional>
#include <string_view>
#include <vector>

namespace jsdebug::editor {

class GbkPositions {
 public:
  // Gives the document's bytes [from, from + length); the view must stay valid until the next
  // call of the reader or the next change of the document.
  using Reader = std::function<std::string_view(int from, int length)>;

  // A GBK offset inside a two-byte character has no UTF-8 offset of its own.
  enum class Rounding { Down, Up };

  static constexpr int kSpacing = 512;

  explicit GbkPositions(Reader reader);

  // The document now holds `utf8Length` bytes that nothing is known about.
  void reset(int utf8Length);
  // After `length` bytes were inserted at `pos`.
  void inserted(int pos, int length);
  // After `length` bytes were deleted at `pos`.
  void deleted(int pos, int length);
  // After the `removed` bytes at `pos` were replaced by `added` bytes, in one step: for an edit
  // whose deletion and insertion were not reported one by one.
  void replaced(int pos, int removed, int added);

  int utf8Length() const { return utf8Length_; }
  int gbkLength() const { return gbkLength_; }

  // Offsets outside the document are clamped to it.
  int toGbk(int utf8) const;
  int toUtf8(int gbk, Rounding rounding = Rounding::Down) const;

  // How many marks are kept (for tests of the spacing).
  std::size_t markCount() const { return marks_.size(); }

 private:
  struct Mark {
    int utf8;
    int gbk;
  };

  // Re-marks the stretch from marks_[first] to marks_[next] (or the end of the document when
  // next is past the last mark) and moves the marks from `next` on to the new GBK offsets.
  void remark(std::size_t first, std::size_t next);
  std::size_t markAtOrBeforeUtf8(int utf8) const;
  std::size_t markAtOrBeforeGbk(int gbk) const;
  int stretchEnd(std::size_t mark) const;

  Reader reader_;
  std::vector<Mark> marks_{{0, 0}};
  int utf8Length_ = 0;
  int gbkLength_ = 0;
};

}  // namespace jsdebug::editor
