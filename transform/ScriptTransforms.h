#pragma once
// The transformers that run a carried script in a script host of their own: "代码格式化",
// "压缩" and "eval解密". Each call creates, uses and releases its own host, so the user's loaded
// script and the transformer never see each other. Texts are CP936 bytes.
//
// The functions named after the transformers give the empty text for a host that cannot be
// created, a call that fails or a script that throws; the try* forms say which it was.

#include <cstddef>
#include <string>
#include <string_view>

namespace jsdebug::workflow {
class Workbench;
}  // namespace jsdebug::workflow

namespace jsdebug::transform {

// format(text) with four spaces per level, then every LF followed by four spaces becomes CR LF
// (scanning on behind each replacement): one level of indentation goes, and the line breaks of
// indented lines become CR LF.
std::string BeautifyScript(const std::string& text);

// jsmin("", text, 3); line breaks stay LF.
std::string MinifyScript(const std::string& text);

// decode(text): a leading "eval" removed, the rest evaluated, its value as text.
std::string UnpackScript(const std::string& text);

// What a carried script gave: its value, or why there is none (the host's error description,
// GBK). A transformer whose real output is empty (an empty script) succeeds with empty text.
struct Transformed {
  bool ok = false;
  std::string text;
  std::string failure;
};
Transformed tryBeautify(const std::string& text);
Transformed tryMinify(const std::string& text);
Transformed tryUnpack(const std::string& text);

// Where the packed form of an "eval解密" text starts: past a byte order mark, blanks, line breaks
// and comments; npos when what follows does not begin with "eval", so it is no packed script.
std::size_t packedScriptStart(std::string_view text);

// Each replaces the editor's whole text by the transformed text. A transformer that fails (the
// time limit, a script error, no host) leaves the editor as it was and says why in a message box;
// so does "eval解密" on a text that is not packed or gives no source. Nothing is logged.
void beautifyCommand(workflow::Workbench& bench);
void minifyCommand(workflow::Workbench& bench);
void unpackCommand(workflow::Workbench& bench);

}  // namespace jsdebug::transform
