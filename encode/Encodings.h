#pragma once
// The reversible encodings of the toolbox. Texts are GBK; "bytes" are whatever a charset made of
// a text (Charset.h). Decoders say where the input stops being what they decode.

#include <string>
#include <string_view>

#include "encode/Outcome.h"

namespace jsdebug::encode {

// RFC 4648: the standard alphabet or the URL-safe one ("-" and "_"), "=" padding optional.
std::string base64Encode(std::string_view bytes, bool urlSafe, bool pad);
// Takes either alphabet, with or without padding; blanks and line breaks are skipped (MIME
// wraps lines). Fails on any other character, on "=" inside the text and on a lone final digit.
Outcome base64Decode(std::string_view text);

std::string hexEncode(std::string_view bytes);
// Either case; blanks and line breaks skipped; an odd count of digits fails.
Outcome hexDecode(std::string_view text);

// Percent-encoding: every byte but the unreserved A-Z a-z 0-9 - _ . ~ as %XX (upper case).
std::string urlEncode(std::string_view bytes);
// %XX to its byte and "+" to a blank, as form data has them; a "%" without two hexadecimal
// digits fails.
Outcome urlDecodeBytes(std::string_view bytes);

// JScript's escape and unescape: they work on the text's UTF-16 code units, not on bytes.
// escape keeps A-Z a-z 0-9 @ * _ + - . /, writes other units below 256 as %XX and the rest as
// %uXXXX; unescape turns both forms back and leaves every other "%" as it is, never failing.
std::string jscriptEscape(std::string_view gbkText);
std::string jscriptUnescape(std::string_view gbkText);

// encodeURIComponent: UTF-8 bytes whatever the charset, keeping A-Z a-z 0-9 - _ . ! ~ * ' ( ).
std::string uriComponentEncode(std::string_view gbkText);

// Every character beyond ASCII as \uxxxx (lower case); back again, also \u{X...} and surrogate
// pairs. A "\u" not followed by a valid escape fails; other backslashes stay as they are.
std::string unicodeEscape(std::string_view gbkText);
Outcome unicodeUnescape(std::string_view gbkText);

// & < > " ' as &amp; &lt; &gt; &quot; &#39;; back again, with &#N; &#xH; and the common named
// entities. An unknown name stays as it is, as browsers leave it; a numeric reference that names
// no character fails.
std::string htmlEncode(std::string_view gbkText);
Outcome htmlDecode(std::string_view gbkText);

}  // namespace jsdebug::encode
