#pragma once
// JSON laid out again, pretty (two blanks per level, CR LF line breaks) or compact. Strings and
// numbers are copied as written, so nothing is lost or re-rounded; the text must be JSON as
// RFC 8259 has it, or the reason says where it stops being JSON.

#include <string_view>

#include "encode/Outcome.h"

namespace jsdebug::encode {

Outcome jsonPretty(std::string_view gbkText);
Outcome jsonCompact(std::string_view gbkText);

// Deeper nesting fails rather than exhausting the stack.
inline constexpr int kJsonMaxDepth = 512;

}  // namespace jsdebug::encode
