// The toolbox's operations against published vectors (RFC 4648, RFC 1321, NIST, RFC 2202,
// RFC 4231), Chinese text in both charsets, and bad input for every decoder. Literals here are
// GBK, so "中文" is D6 D0 CE C4.

#include <gtest/gtest.h>

#include <string>

#include "encode/Encodings.h"
#include "encode/Operations.h"
#include "encode/Timestamp.h"

using namespace jsdebug::encode;

namespace {

struct Row {
  const char* op;
  std::string input;
  std::string expected;
  Charset charset = Charset::Gbk;
  std::string key = {};
};

Outcome run(const std::string& op, const std::string& input, const Options& options) {
  const Operation* found = findOperation(op);
  if (!found) {
    ADD_FAILURE() << "no operation " << op;
    return {};
  }
  return found->run(input, options);
}

void expectRows(const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    Options options;
    options.charset = row.charset;
    options.key = row.key;
    const Outcome o = run(row.op, row.input, options);
    EXPECT_TRUE(o.ok) << row.op << " " << row.input << ": " << o.reason;
    EXPECT_EQ(row.expected, o.output) << row.op << " of \"" << row.input << "\"";
  }
}

constexpr Charset U = Charset::Utf8;
constexpr Charset G = Charset::Gbk;

}  // namespace

TEST(EncodeBase64, Rfc4648VectorsBothWays) {
  const std::pair<const char*, const char*> vectors[] = {
      {"", ""},         {"f", "Zg=="},        {"fo", "Zm8="},        {"foo", "Zm9v"},
      {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"},
  };
  for (const auto& [plain, coded] : vectors) {
    expectRows({{"base64", plain, coded}, {"base64-decode", coded, plain}});
  }
}

TEST(EncodeBase64, UrlSafePaddingAndChineseInBothCharsets) {
  expectRows({
      {"base64", "中文", "1tDOxA=="},
      {"base64", "中文", "5Lit5paH", U},
      {"base64-decode", "1tDOxA==", "中文"},
      {"base64-decode", "5Lit5paH", "中文", U},
      {"base64-decode", "1tDOxA", "中文"},         // padding left off
      {"base64-decode", "1tDO\r\nxA==\n", "中文"},  // MIME line breaks
      {"base64-decode", "_-8", "\xFF\xEF"},         // URL-safe alphabet
      {"base64-decode", "/+8=", "\xFF\xEF"},
      {"base64url", "\xFF\xEF\xBE", "_---"},
      {"base64url", "\xFF\xEF", "_-8"},             // no padding
  });
  Options o;
  o.urlSafe = true;
  EXPECT_EQ("_-8=", run("base64", "\xFF\xEF", o).output);
  o.pad = false;
  o.urlSafe = false;
  EXPECT_EQ("/+8", run("base64", "\xFF\xEF", o).output);
}

// Every decoder names where its input stops being what it decodes.
TEST(EncodeDecoders, BadInputSaysWhyAndWhere) {
  struct Bad {
    const char* op;
    std::string input;
    std::string reason;
    Charset charset = G;
  };
  const Bad rows[] = {
      {"base64-decode", "Zm9v!", "invalid base64 at position 5"},
      {"base64-decode", "中Zm9v", "invalid base64 at position 1"},
      {"base64-decode", "Zm9vY", "invalid base64 at position 5"},  // a lone sixth bit group
      {"base64-decode", "Zg==Zg==", "invalid base64 at position 5"},
      {"base64-decode", "Z===", "invalid base64 at position 2"},
      {"base64-decode", "Zg===", "invalid base64 at position 5"},
      {"base64-decode", "1tDOxA==", "decoded bytes are not UTF-8: byte 1 (0xd6)", U},
      {"hex-decode", "6g", "invalid hex at position 2"},
      {"hex-decode", "abc", "odd number of hex digits: the one at position 3 has no pair"},
      {"hex-decode", "c0af", "decoded bytes are not UTF-8: byte 1 (0xc0)", U},  // overlong "/"
      {"hex-decode", "eda080", "decoded bytes are not UTF-8: byte 1 (0xed)", U},  // a surrogate
      {"hex-decode", "e4b8", "decoded bytes are not UTF-8: byte 1 (0xe4)", U},  // cut short
      {"url-decode", "a%2", "invalid percent escape at byte 2"},
      {"url-decode", "a%zz", "invalid percent escape at byte 2"},
      {"url-decode", "%E4%B8", "decoded bytes are not UTF-8: byte 1 (0xe4)", U},
      {"unicode-unescape", "ab\\u12", "invalid \\u escape at position 3"},
      {"unicode-unescape", "中\\uzzzz", "invalid \\u escape at position 2"},
      {"unicode-unescape", "\\u{110000}", "invalid \\u escape at position 1"},
      {"unicode-unescape", "\\u{}", "invalid \\u escape at position 1"},
      {"html-decode", "a&#;", "invalid character reference at position 2"},
      {"html-decode", "&#x110000;", "invalid character reference at position 1"},
      {"html-decode", "&#12", "invalid character reference at position 1"},
      {"json", "{\"a\":1,}", "invalid JSON at position 8: expected a string key"},
      {"json", "[1 2]", "invalid JSON at position 4: expected ',' or ']'"},
      {"json", "\"中文", "invalid JSON at position 4: expected the closing '\"'"},
      {"json", "01", "invalid JSON at position 2: expected the end of the text"},
      {"json", "", "invalid JSON at position 1: expected a value"},
      {"json-compact", "{\"a\" 1}", "invalid JSON at position 6: expected ':'"},
      {"json", "\"\\x\"", "invalid JSON at position 3: expected an escape"},
      {"timestamp", "2024-02-30", "no such date or time: 2024-02-30"},
      {"timestamp", "abc",
       "not a timestamp or a date: expected digits (seconds, or milliseconds from 12 digits on) "
       "or yyyy-MM-dd HH:mm:ss[.SSS]"},
      {"timestamp", "999999999999999", "the time is outside the years 1 to 9999"},
  };
  for (const Bad& row : rows) {
    Options options;
    options.charset = row.charset;
    const Outcome o = run(row.op, row.input, options);
    EXPECT_FALSE(o.ok) << row.op << " " << row.input;
    EXPECT_EQ("", o.output) << row.op << " " << row.input;
    EXPECT_EQ(row.reason, o.reason) << row.op << " " << row.input;
    EXPECT_FALSE(o.chinese.empty());
  }
  // The window's form of a reason.
  EXPECT_EQ("第 5 个字符处不是有效的Base64", run("base64-decode", "Zm9v!", {}).chinese);
}

TEST(EncodeHexAndUrl, Rfc4648Base16ChineseAndFormDecoding) {
  expectRows({
      {"hex", "foobar", "666f6f626172"},
      {"hex-decode", "666F6F626172", "foobar"},
      {"hex-decode", "66 6f\r\n6f", "foo"},
      {"hex", "中文", "d6d0cec4"},
      {"hex", "中文", "e4b8ade69687", U},
      {"hex-decode", "e4b8ade69687", "中文", U},
      {"url", "a b&c=中文~", "a%20b%26c%3D%D6%D0%CE%C4~"},
      {"url", "中文", "%E4%B8%AD%E6%96%87", U},
      {"url-decode", "a+b%20c%D6%D0%ce%c4", "a b c中文"},
      {"url-decode", "%E4%B8%AD文", "中文", U},  // a character typed between escapes
      {"url-decode", "100%25", "100%"},
  });
}

// What JScript's own functions give; EscapeAgainstEngineTest checks them on the system engine.
TEST(EncodeJScript, EscapeUnescapeAndEncodeUriComponent) {
  expectRows({
      {"escape", "abc@*_+-./ 中文!~'", "abc@*_+-./%20%u4E2D%u6587%21%7E%27"},
      {"escape", "\xA1\xA4", "%B7"},  // GBK's middle dot is U+00B7, below 256
      {"escape", "中", "%u4E2D", U},   // the charset does not matter: escape reads characters
      {"unescape", "%u4E2D%u6587%20%41", "中文 A"},
      {"unescape", "%u4e2d", "中"},
      {"unescape", "100% %zz %u12 %", "100% %zz %u12 %"},  // left as JScript leaves them
      {"uri-component", "a b;/?中文-_.!~*'()", "a%20b%3B%2F%3F%E4%B8%AD%E6%96%87-_.!~*'()"},
  });
}

TEST(EncodeUnicodeAndHtml, BothWays) {
  expectRows({
      {"unicode-escape", "a中文\\", "a\\u4e2d\\u6587\\"},
      {"unicode-unescape", "a\\u4E2D\\u6587", "a中文"},
      {"unicode-unescape", "\\u{4e2d}x\\n", "中x\\n"},  // other escapes stay
      {"unicode-unescape", "\\ud83d\\ude00", "?"},      // a pair GBK has no character for
      {"html", "<a href=\"x\">'&'</a>中", "&lt;a href=&quot;x&quot;&gt;&#39;&amp;&#39;&lt;/a&gt;中"},
      {"html-decode", "&lt;&#20013;&#x6587;&amp;amp;&unknown;&", "<中文&amp;&unknown;&"},
      {"html-decode", "&ldquo;中&rdquo;", "\xA1\xB0中\xA1\xB1"},
  });
}

TEST(EncodeDigests, NistAndRfc1321VectorsAndChineseInBothCharsets) {
  const std::string million(1000000, 'a');
  expectRows({
      {"md5", "", "d41d8cd98f00b204e9800998ecf8427e"},
      {"md5", "abc", "900150983cd24fb0d6963f7d28e17f72"},
      {"sha1", "abc", "a9993e364706816aba3e25717850c26c9cd0d89d"},
      {"sha1", "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "84983e441c3bd26ebaae4aa1f95129e5e54670f1"},
      {"sha1", million, "34aa973cd4c4daa4f61eeb2bdbad27316534016f"},
      {"sha256", "", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"sha256", "abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {"sha256", "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
      {"sha512", "abc",
       "ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a2192992a274fc1a836ba3c23a3feeb"
       "bd454d4423643ce80e2a9ac94fa54ca49f"},
      {"md5", "中文", "bcce109775e8e1972e9f5fcda3e12895"},
      {"md5", "中文", "a7bac2239fcdcb3a067903d8077c4a07", U},
      {"sha1", "中文", "8f0302346e46ac79b63bcc762a6872fcd242db4e"},
      {"sha1", "中文", "7be2d2d20c106eee0836c9bc2b939890a78e8fb3", U},
      {"sha256", "中文", "9485702c85d23d7480e5b7d215e75d3a4cb0196265a5959c718288255553eb23"},
      {"sha256", "中文", "72726d8818f693066ceb69afa364218b692e62ea92b385782363780f47529c21", U},
      {"sha512", "中文",
       "8b88efc2ebbcbdad5ac2d65af05bec57bda25e71fd5fb25bbd892057a2755fbd05d8d8491cb2946febd5b0f124ffdfb"
       "aecf7e34946353c4f1b5ab29545895468", U},
  });
  Options base64;
  base64.digestBase64 = true;
  EXPECT_EQ("kAFQmDzST7DWlj99KOF/cg==", run("md5", "abc", base64).output);
}

TEST(EncodeHmac, Rfc2202AndRfc4231Vectors) {
  const std::string hiThere = "Hi There";
  const std::string jefe = "what do ya want for nothing?";
  const std::string dd(50, '\xdd');
  const std::string big = "Test Using Larger Than Block-Size Key - Hash Key First";
  auto hexKey = [](const char* byte, int n) {
    std::string k = "hex:";
    for (int i = 0; i < n; ++i) k += byte;
    return k;
  };
  expectRows({
      // RFC 2202
      {"hmac-md5", hiThere, "9294727a3638bb1c13f48ef8158bfc9d", G, hexKey("0b", 16)},
      {"hmac-md5", jefe, "750c783e6ab0b503eaa86e310a5db738", G, "Jefe"},
      {"hmac-md5", dd, "56be34521d144c88dbb8c733f0e8b3f6", G, hexKey("aa", 16)},
      {"hmac-md5", big, "6b1ab7fe4bd7bf8f0b62e6ce61b9d0cd", G, hexKey("aa", 80)},
      {"hmac-sha1", hiThere, "b617318655057264e28bc0b6fb378c8ef146be00", G, hexKey("0b", 20)},
      {"hmac-sha1", jefe, "effcdf6ae5eb2fa2d27416d5f184df9c259a7c79", G, "Jefe"},
      {"hmac-sha1", dd, "125d7342b9ac11cd91a39af48aa17b4f63f175d3", G, hexKey("aa", 20)},
      {"hmac-sha1", big, "aa4ae5e15272d00e95705637ce8a3b55ed402112", G, hexKey("aa", 80)},
      // RFC 4231
      {"hmac-sha256", hiThere, "b0344c61d8db38535ca8afceaf0bf12b881dc200c9833da726e9376c2e32cff7", G,
       hexKey("0b", 20)},
      {"hmac-sha256", jefe, "5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843", G,
       "Jefe"},
      {"hmac-sha256", big, "60e431591ee0b67f0d8a26aacbf5b77f8e0bc6213728c5140546040f0ee37f54", G,
       hexKey("aa", 131)},
      {"hmac-sha512", jefe,
       "164b7a7bfcf819e2e395fbe73b56e0a387bd64222e831fd610270cd7ea2505549758bf75c05a994a6d034f65f8f0e6"
       "fdcaeab1a34d4a6b4b636e070a38bce737",
       G, "Jefe"},
      // The key is read in the charset too.
      {"hmac-sha256", "中文", "d9c9f85af12a04dd7368916483448a5146ca2957410212c3f995b214a1356cb7", G,
       "密钥"},
      {"hmac-sha256", "中文", "57d968db66b4a9c5ec4ca7646baf27da2b515b754c20156e00a2fb3230113913", U,
       "密钥"},
  });
  Options badKey;
  badKey.key = "hex:0g";
  EXPECT_EQ("key: invalid hex at position 2", run("hmac-sha1", "x", badKey).reason);
}

TEST(EncodeJson, PrettyAndCompactKeepStringsAndNumbersAsWritten) {
  const std::string in = " {\"a\" : [1, -0.5e+3, {}, []], \"中\\\"文\": {\"b\": null, \"c\": true}} ";
  expectRows({
      {"json", in,
       "{\r\n  \"a\": [\r\n    1,\r\n    -0.5e+3,\r\n    {},\r\n    []\r\n  ],\r\n  \"中\\\"文\": "
       "{\r\n    \"b\": null,\r\n    \"c\": true\r\n  }\r\n}"},
      {"json-compact", in, "{\"a\":[1,-0.5e+3,{},[]],\"中\\\"文\":{\"b\":null,\"c\":true}}"},
      // 0x5C as a GBK trail byte ("\x95\x5C") is half a character, not an escape.
      {"json-compact", "[\"\x95\x5C\"]", "[\"\x95\x5C\"]"},
      {"json", "\"x\"", "\"x\""},
  });
  const Outcome deep = run("json", std::string(100000, '['), {});
  EXPECT_EQ("invalid JSON at position 513: expected at most 512 levels of nesting", deep.reason);
}

TEST(EncodeTimestamp, SecondsMillisecondsAndDatesInBeijingTime) {
  expectRows({
      {"timestamp", "0", "1970-01-01 08:00:00"},
      {"timestamp", "1700000000", "2023-11-15 06:13:20"},
      {"timestamp", " 1700000000123\r\n", "2023-11-15 06:13:20.123"},
      {"timestamp", "-1", "1970-01-01 07:59:59"},
      {"timestamp", "951753600", "2000-02-29 00:00:00"},
      {"timestamp", "2023-11-15 06:13:20", "1700000000\r\n1700000000000"},
      {"timestamp", "2023/11/15T06:13:20.123", "1700000000\r\n1700000000123"},
      {"timestamp", "1970-01-01", "-28800\r\n-28800000"},
      {"timestamp", "1970-01-01 07:59:59.500", "-1\r\n-500"},
      {"timestamp", "9999-12-31 23:59:59.999", "253402271999\r\n253402271999999"},
      {"timestamp", "253402271999999", "9999-12-31 23:59:59.999"},
      {"timestamp", "0001-01-01 00:00", "-62135625600\r\n-62135625600000"},
  });
}

TEST(EncodeCharset, StrayBytesStayThemselvesInUtf8) {
  // A byte that begins no GBK character is no character to convert.
  EXPECT_EQ("a\xFF" "b\xE4\xB8\xAD", textBytes("a\xFF" "b中", Charset::Utf8));
  EXPECT_EQ("\xFF", textBytes("\xFF", Charset::Utf8));
}

TEST(EncodeOperations, EveryCliNameIsInTheTable) {
  for (const char* name :
       {"base64", "base64-decode", "base64url", "hex", "hex-decode", "url", "url-decode", "escape",
        "unescape", "uri-component", "unicode-escape", "unicode-unescape", "html", "html-decode",
        "md5", "sha1", "sha256", "sha512", "hmac-md5", "hmac-sha1", "hmac-sha256", "json",
        "json-compact", "timestamp"})
    EXPECT_NE(nullptr, findOperation(name)) << name;
  EXPECT_EQ(nullptr, findOperation("rot13"));
}
