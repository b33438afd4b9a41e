#pragma once
// Which bytes a text stands for: the program's own GBK bytes, or the UTF-8 bytes a browser or a
// server would hash and encode.

#include <string>
#include <string_view>

#include "encode/Outcome.h"

namespace jsdebug::encode {

enum class Charset { Gbk, Utf8 };

// The bytes of a GBK text in the charset. A stray byte of the text (one that begins no GBK
// character) stays that byte in UTF-8 too: it stands for itself, not for a character.
std::string textBytes(std::string_view gbkText, Charset charset);

// Decoded bytes read as text in the charset: GBK bytes are the text as they are; UTF-8 bytes
// must be well-formed UTF-8 (no overlong forms, no surrogates), or the reason names the first
// byte that is not. A character GBK lacks becomes "?", as the Windows conversion makes it.
Outcome bytesToText(std::string bytes, Charset charset);

}  // namespace jsdebug::encode
