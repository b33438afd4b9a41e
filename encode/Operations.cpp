#include "encode/Operations.h"

#include "encode/Encodings.h"
#include "encode/Json.h"
#include "encode/Timestamp.h"
#include "platform/Digests.h"

namespace jsdebug::encode {
namespace {

using platform::DigestKind;
using platform::digest;
using platform::hmac;

Outcome decodedText(const Outcome& decoded, const Options& o) {
  return decoded.ok ? bytesToText(decoded.output, o.charset) : decoded;
}

Outcome digestOut(const std::optional<std::string>& raw, const Options& o) {
  if (!raw) return Outcome::failure("the digest could not be computed", "无法计算摘要");
  return Outcome::success(o.digestBase64 ? base64Encode(*raw, false, true) : hexEncode(*raw));
}

template <DigestKind kind>
Outcome digestOp(std::string_view text, const Options& o) {
  return digestOut(digest(kind, textBytes(text, o.charset)), o);
}

template <DigestKind kind>
Outcome hmacOp(std::string_view text, const Options& o) {
  const Outcome key = keyBytes(o);
  if (!key.ok) return key;
  return digestOut(hmac(kind, key.output, textBytes(text, o.charset)), o);
}

Outcome urlDecodeOp(std::string_view text, const Options& o) {
  // Characters typed as they are (a Chinese word between escapes) count as their bytes.
  const Outcome bytes = urlDecodeBytes(textBytes(text, o.charset));
  return decodedText(bytes, o);
}

}  // namespace

Outcome keyBytes(const Options& options) {
  if (std::string_view(options.key).starts_with("hex:")) {
    Outcome key = hexDecode(std::string_view(options.key).substr(4));
    if (!key.ok) {
      key.reason = "key: " + key.reason;
      key.chinese = "密钥：" + key.chinese;
    }
    return key;
  }
  return Outcome::success(textBytes(options.key, options.charset));
}

const std::vector<Operation>& operations() {
  using O = Options;
  using V = std::string_view;
  static const std::vector<Operation> table = {
      {"base64", "Base64编码", false, false,
       [](V t, const O& o) { return Outcome::success(base64Encode(textBytes(t, o.charset), o.urlSafe, o.pad)); }},
      {"base64url", "Base64URL编码", false, true,
       [](V t, const O& o) { return Outcome::success(base64Encode(textBytes(t, o.charset), true, false)); }},
      {"base64-decode", "Base64解码", false, false,
       [](V t, const O& o) { return decodedText(base64Decode(t), o); }},
      {"hex", "Hex编码", false, false,
       [](V t, const O& o) { return Outcome::success(hexEncode(textBytes(t, o.charset))); }},
      {"hex-decode", "Hex解码", false, false,
       [](V t, const O& o) { return decodedText(hexDecode(t), o); }},
      {"url", "URL编码", false, false,
       [](V t, const O& o) { return Outcome::success(urlEncode(textBytes(t, o.charset))); }},
      {"url-decode", "URL解码", false, false, urlDecodeOp},
      {"escape", "escape", false, false,
       [](V t, const O&) { return Outcome::success(jscriptEscape(t)); }},
      {"unescape", "unescape", false, false,
       [](V t, const O&) { return Outcome::success(jscriptUnescape(t)); }},
      {"uri-component", "encodeURIComponent", false, false,
       [](V t, const O&) { return Outcome::success(uriComponentEncode(t)); }},
      {"unicode-escape", "\\u转义", false, false,
       [](V t, const O&) { return Outcome::success(unicodeEscape(t)); }},
      {"unicode-unescape", "\\u还原", false, false,
       [](V t, const O&) { return unicodeUnescape(t); }},
      {"html", "HTML实体编码", false, false,
       [](V t, const O&) { return Outcome::success(htmlEncode(t)); }},
      {"html-decode", "HTML实体解码", false, false,
       [](V t, const O&) { return htmlDecode(t); }},
      {"md5", "MD5", false, false, digestOp<DigestKind::Md5>},
      {"sha1", "SHA-1", false, false, digestOp<DigestKind::Sha1>},
      {"sha256", "SHA-256", false, false, digestOp<DigestKind::Sha256>},
      {"sha512", "SHA-512", false, false, digestOp<DigestKind::Sha512>},
      {"hmac-md5", "HMAC-MD5", true, false, hmacOp<DigestKind::Md5>},
      {"hmac-sha1", "HMAC-SHA1", true, false, hmacOp<DigestKind::Sha1>},
      {"hmac-sha256", "HMAC-SHA256", true, false, hmacOp<DigestKind::Sha256>},
      {"hmac-sha512", "HMAC-SHA512", true, false, hmacOp<DigestKind::Sha512>},
      {"json", "JSON格式化", false, false, [](V t, const O&) { return jsonPretty(t); }},
      {"json-compact", "JSON压缩", false, false, [](V t, const O&) { return jsonCompact(t); }},
      {"timestamp", "时间戳/日期", false, false, [](V t, const O&) { return timestampOrDate(t); }},
  };
  return table;
}

const Operation* findOperation(std::string_view name) {
  for (const Operation& op : operations())
    if (name == op.name) return &op;
  return nullptr;
}

}  // namespace jsdebug::encode
