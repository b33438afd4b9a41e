#pragma once
// The JavaScript the transformers run in a script host of their own, carried in the program as
// constants. The readable sources are beautifier.js, minifier.js and unpacker.js beside this
// file; the build embeds them unchanged.

#include <string_view>

namespace jsdebug::transform {

// js_beautify(js_source_text, indent_size, indent_character, indent_level), format(str), test().
extern const std::string_view kBeautifierScript;
// jsmin(comment, input, level), String.prototype.has, the global ret.
extern const std::string_view kMinifierScript;
// decode(code).
extern const std::string_view kUnpackerScript;

}  // namespace jsdebug::transform
