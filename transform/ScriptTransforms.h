#pragma once
// The transformers that run a carried script in a script host of their own: "代码格式化",
// "压缩" and "eval解密". Each call creates, uses and releases its own host, so the user's loaded
// script and the transformer never see each other. Texts are CP936 bytes.
//
// None of them reports a failure: a host that cannot be created, a call that fails or a script
// that throws all give the empty text, and the commands put that into the editor.

#include <string>

namespace jsdebug {
class Workbench;
}

namespace jsdebug::transform {

// format(text) with four spaces per level, then every LF followed by four spaces becomes CR LF
// (scanning on behind each replacement): one level of indentation goes, and the line breaks of
// indented lines become CR LF.
std::string BeautifyScript(const std::string& text);

// jsmin("", text, 3); line breaks stay LF.
std::string MinifyScript(const std::string& text);

// decode(text): a leading "eval" removed, the rest evaluated, its value as text.
std::string UnpackScript(const std::string& text);

// Each replaces the editor's whole text by the transformed text; nothing is logged or shown.
void beautifyCommand(Workbench& workbench);
void minifyCommand(Workbench& workbench);
void unpackCommand(Workbench& workbench);

}  // namespace jsdebug::transform
