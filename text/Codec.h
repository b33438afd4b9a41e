#pragma once
// The one place where CP936 (GBK) bytes meet Unicode.
//
// Every text of the program is a CP936 byte string. Conversion happens only at the edges (Qt,
// the clipboard, the terminal, Node) and always through these functions. The codec is lossless:
// a byte that does not begin a valid CP936 character decodes to U+F700 + byte (U+F780..U+F7FF,
// which CP936 never produces) and encodes back to that byte, so arbitrary bytes survive a round
// trip. A character that CP936 cannot represent encodes to "?", as the Windows conversion does.

#include <string>
#include <string_view>

namespace jsdebug::gbk {

// First and last code point used for undecodable bytes 0x80..0xFF.
inline constexpr char32_t kEscapeFirst = 0xF780;
inline constexpr char32_t kEscapeLast = 0xF7FF;

std::u16string toUtf16(std::string_view gbk);
std::string fromUtf16(std::u16string_view utf16);

// The characters of a UTF-16 text that fromUtf16 cannot hold and writes as "?" (a lone
// surrogate as itself), in order, each once.
std::u32string unencodable(std::u16string_view utf16);

std::string toUtf8(std::string_view gbk);
// Malformed UTF-8 sequences become "?" (they are not text a user could have typed).
std::string fromUtf8(std::string_view utf8);
// Like fromUtf8, for engines that keep strings as CESU-8 (Duktape): a surrogate pair encoded as
// two three-byte sequences is one character; a lone surrogate becomes "?".
std::string fromCesu8(std::string_view cesu8);

// Appends the UTF-8 form of one code point (below 0x110000), as every UTF-8 writer of the
// program encodes.
void appendUtf8(std::string& out, char32_t cp);

// Length in bytes of the CP936 character starting at gbk[i]: 2 for a valid lead/trail pair,
// otherwise 1. Walking a text with this never starts a match on a trail byte.
int charLength(std::string_view gbk, std::size_t i);

// Moves i past the UTF-8 character at utf8[i] (one byte when malformed, as fromUtf8 reads it)
// and returns how many CP936 bytes fromUtf8 makes of that character: 1 or 2. Lets an editor
// holding UTF-8 count CP936 positions without converting.
int gbkLengthOfUtf8Char(std::string_view utf8, std::size_t& i);

// Whether the bytes are well-formed UTF-8 holding at least one character beyond ASCII: a text
// saved as UTF-8 that reads as the wrong characters as GBK. ASCII alone is the same in both,
// and Chinese in GBK is almost never well-formed UTF-8.
bool isNonAsciiUtf8(std::string_view bytes);

}  // namespace jsdebug::gbk
