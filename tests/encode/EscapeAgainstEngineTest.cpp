// escape, unescape and encodeURIComponent of the toolbox give what the system engine's own
// functions give for the same GBK text.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "encode/Encodings.h"
#include "engine/ScriptHost.h"
#include "text/Codec.h"

using namespace jsdebug;

namespace {

// A JScript string literal holding the text.
std::string literal(const std::string& text) {
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (gbk::charLength(text, i) == 2) {  // a trail byte may read as "\"
      out += text.substr(i++, 2);
      continue;
    }
    if (c == '\r' || c == '\n' || c == '\t') {
      out += c == '\r' ? "\\r" : c == '\n' ? "\\n" : "\\t";
      continue;
    }
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

}  // namespace

TEST(EscapeAgainstEngine, SameTextsAsTheSystemEnginesOwnFunctions) {
  std::unique_ptr<engine::ScriptHost> host = engine::createScriptHost(engine::kScriptControlProgId);
  ASSERT_NE(nullptr, host);
  host->setLanguage("JScript");
  const std::string rows[] = {
      "abcXYZ019",
      "@*_+-./",
      " !#$%&'()=~|\"\\;:,<>?[]{}`^",
      "中文：测试，“引号”",
      "\xA1\xA4\xA1\xE3\xA8\xA6",       // · ° é: code units below 256 and above
      "ｆｕｌｌ　ｗｉｄｔｈ",
      "\x95\x5C\x81\x40",               // trail bytes that read as "\" and "@" on their own
      "\r\n\t",
  };
  for (const std::string& text : rows) {
    const std::string escaped = encode::jscriptEscape(text);
    EXPECT_EQ(host->eval("escape(" + literal(text) + ")"), escaped) << text;
    EXPECT_EQ(host->eval("unescape(" + literal(escaped) + ")"), encode::jscriptUnescape(escaped));
    EXPECT_EQ(text, encode::jscriptUnescape(escaped));
    EXPECT_EQ(host->eval("encodeURIComponent(" + literal(text) + ")"),
              encode::uriComponentEncode(text))
        << text;
  }
  // unescape leaves what it cannot read, in the engine and here alike.
  for (const std::string odd : {"%", "%u", "%u12%", "%zz", "%4", "%U4E2D", "%u4e2D"})
    EXPECT_EQ(host->eval("unescape(" + literal(odd) + ")"), encode::jscriptUnescape(odd)) << odd;
}
