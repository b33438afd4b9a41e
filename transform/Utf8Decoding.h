#pragma once
// "UTF8解码": the editor's bytes read as UTF-8 and written back as the same characters in GBK.

#include "engine/V8Bridge.h"

namespace jsdebug {
class Workbench;
}

namespace jsdebug::transform {

// Replaces the editor text by utf8ToGbk of its bytes, even when nothing changes. Malformed
// UTF-8 and characters GBK lacks come out as "?"; a decoded U+0000 ends the text.
void utf8DecodeCommand(Workbench& bench, V8Bridge& bridge);

}  // namespace jsdebug::transform
