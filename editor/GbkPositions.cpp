#include "editor/GbkPositions.h"

#include <algorithm>

#include "text/Codec.h"

namespace jsdebug::editor {
namespace {

// Scripts are mostly ASCII: those bytes are counted here without a call.
inline int gbkLengthAt(std::string_view bytes, std::size_t& i) {
  if (static_cast<unsigned char>(bytes[i]) < 0x80) {
    ++i;
    return 1;
  }
  return gbk::gbkLengthOfUtf8Char(bytes, i);
}

}  // namespace

GbkPositions::GbkPositions(Reader reader) : reader_(std::move(reader)) {}

void GbkPositions::reset(int utf8Length) {
  marks_.assign(1, Mark{0, 0});
  utf8Length_ = std::max(0, utf8Length);
  gbkLength_ = 0;
  remark(0, 1);
}

void GbkPositions::inserted(int pos, int length) {
  if (length <= 0) return;
  pos = std::clamp(pos, 0, utf8Length_);
  const std::size_t first = markAtOrBeforeUtf8(pos);
  for (std::size_t k = first + 1; k < marks_.size(); ++k) marks_[k].utf8 += length;
  utf8Length_ += length;
  remark(first, first + 1);
}

void GbkPositions::deleted(int pos, int length) {
  pos = std::clamp(pos, 0, utf8Length_);
  length = std::min(length, utf8Length_ - pos);
  if (length <= 0) return;
  const std::size_t first = markAtOrBeforeUtf8(pos);
  // Marks inside the deleted bytes, or at their end, would land on `pos` or nowhere: dropped.
  auto from = marks_.begin() + static_cast<std::ptrdiff_t>(first + 1);
  auto to = std::find_if(from, marks_.end(), [&](const Mark& m) { return m.utf8 > pos + length; });
  marks_.erase(from, to);
  for (std::size_t k = first + 1; k < marks_.size(); ++k) marks_[k].utf8 -= length;
  utf8Length_ -= length;
  remark(first, first + 1);
}

void GbkPositions::replaced(int pos, int removed, int added) {
  pos = std::clamp(pos, 0, utf8Length_);
  removed = std::clamp(removed, 0, utf8Length_ - pos);
  added = std::max(0, added);
  if (removed == 0 && added == 0) return;
  const std::size_t first = markAtOrBeforeUtf8(pos);
  auto from = marks_.begin() + static_cast<std::ptrdiff_t>(first + 1);
  auto to = std::find_if(from, marks_.end(), [&](const Mark& m) { return m.utf8 > pos + removed; });
  marks_.erase(from, to);
  for (std::size_t k = first + 1; k < marks_.size(); ++k) marks_[k].utf8 += added - removed;
  utf8Length_ += added - removed;
  remark(first, first + 1);
}

void GbkPositions::remark(std::size_t first, std::size_t next) {
  const Mark start = marks_[first];
  const int end = stretchEnd(first);
  const std::string_view bytes = end > start.utf8 ? reader_(start.utf8, end - start.utf8)
                                                  : std::string_view();
  std::vector<Mark> added;
  int gbk = start.gbk;
  int sinceMark = 0;
  for (std::size_t i = 0; i < bytes.size();) {
    if (sinceMark >= kSpacing) {
      added.push_back({start.utf8 + static_cast<int>(i), gbk});
      sinceMark = 0;
    }
    const std::size_t before = i;
    gbk += gbkLengthAt(bytes, i);
    sinceMark += static_cast<int>(i - before);
  }
  if (next < marks_.size()) {
    const int delta = gbk - marks_[next].gbk;
    for (std::size_t k = next; k < marks_.size(); ++k) marks_[k].gbk += delta;
    gbkLength_ += delta;
  } else {
    gbkLength_ = gbk;
  }
  marks_.insert(marks_.begin() + static_cast<std::ptrdiff_t>(next), added.begin(), added.end());
}

std::size_t GbkPositions::markAtOrBeforeUtf8(int utf8) const {
  auto it = std::upper_bound(marks_.begin(), marks_.end(), utf8,
                             [](int value, const Mark& m) { return value < m.utf8; });
  return static_cast<std::size_t>(it - marks_.begin()) - 1;
}

std::size_t GbkPositions::markAtOrBeforeGbk(int gbk) const {
  auto it = std::upper_bound(marks_.begin(), marks_.end(), gbk,
                             [](int value, const Mark& m) { return value < m.gbk; });
  return static_cast<std::size_t>(it - marks_.begin()) - 1;
}

int GbkPositions::stretchEnd(std::size_t mark) const {
  return mark + 1 < marks_.size() ? marks_[mark + 1].utf8 : utf8Length_;
}

int GbkPositions::toGbk(int utf8) const {
  utf8 = std::clamp(utf8, 0, utf8Length_);
  const std::size_t k = markAtOrBeforeUtf8(utf8);
  const Mark m = marks_[k];
  if (utf8 == m.utf8) return m.gbk;
  const int end = stretchEnd(k);
  const std::string_view bytes = reader_(m.utf8, end - m.utf8);
  int gbk = m.gbk;
  for (std::size_t i = 0; m.utf8 + static_cast<int>(i) < utf8 && i < bytes.size();) {
    std::size_t next = i;
    const int length = gbkLengthAt(bytes, next);
    if (m.utf8 + static_cast<int>(next) > utf8) break;  // inside a character: its start
    gbk += length;
    i = next;
  }
  return gbk;
}

int GbkPositions::toUtf8(int gbk, Rounding rounding) const {
  gbk = std::clamp(gbk, 0, gbkLength_);
  const std::size_t k = markAtOrBeforeGbk(gbk);
  const Mark m = marks_[k];
  if (gbk == m.gbk) return m.utf8;
  const int end = stretchEnd(k);
  const std::string_view bytes = reader_(m.utf8, end - m.utf8);
  int at = m.gbk;
  std::size_t i = 0;
  while (at < gbk && i < bytes.size()) {
    std::size_t next = i;
    const int length = gbkLengthAt(bytes, next);
    if (at + length > gbk) return m.utf8 + static_cast<int>(rounding == Rounding::Down ? i : next);
    at += length;
    i = next;
  }
  return m.utf8 + static_cast<int>(i);
}

}  // namespace jsdebug::editor
