#pragma once
// "UTF8解码": the editor's bytes read as UTF-8 and written back as the same characters in GBK.

#include <string_view>

#include "engine/V8Bridge.h"

namespace jsdebug::workflow {
class Workbench;
}  // namespace jsdebug::workflow

namespace jsdebug::transform {

// Whether the bytes are well-formed UTF-8: no stray continuation byte, no truncated, overlong or
// surrogate sequence, nothing past U+10FFFF.
bool isWellFormedUtf8(std::string_view bytes);

inline constexpr const char* kNotUtf8Message =
    "编辑框的文本不是UTF-8编码（可能已经是GBK），UTF8解码会把其中的中文变成“?”。\r\n"
    "编辑框的代码没有改变。";

// Replaces the editor text by utf8ToGbk of its bytes, even when nothing changes; characters GBK
// lacks come out as "?" and a decoded U+0000 ends the text. Bytes that are not UTF-8 (text that
// is GBK already) would lose every Chinese character: they stay as they are, and a box says so.
void utf8DecodeCommand(workflow::Workbench& bench, engine::V8Bridge& bridge);

}  // namespace jsdebug::transform
