#pragma once
// What the browser-environment tests of both engines share: the blocks the log gains, the
// vendored page libraries, and OpenSSL to undo what those libraries encrypted.

#include <openssl/bio.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rsa.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "workflow/OutputLog.h"

namespace jsdebug::browsertest {

inline const std::string sep(65, '-');

inline std::string block(const std::string& header, const std::string& body) {
  return "\r\n" + header + sep + "\r\n\r\n" + body + "\r\n\r\n" + sep;
}
inline std::string console(const std::string& lines) {
  return block(workflow::kConsoleHeader, lines);
}
inline std::string missing(const std::string& names) {
  return block(workflow::kMissingHeader, names);
}

// The value of the log's result block, empty when it has none.
inline std::string resultOf(const std::string& log) {
  const std::string head = "返回内容：";
  std::size_t at = log.find(head);
  if (at == std::string::npos) return {};
  at += head.size();
  return log.substr(at, log.find("\r\n", at) - at);
}

inline std::string fileText(const std::string& path) {
  std::ifstream in(std::string(JSDEBUG_TEST_DATA) + "/browser/" + path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// crypto-js's AES from the given vendored version, and a function aes(text) giving
// "<hex IV>:<base64 cipher text>" under a fixed key with a random IV.
inline constexpr const char* kAesKeyHex = "000102030405060708090a0b0c0d0e0f";
inline std::string aesScript(const std::string& version) {
  std::string script;
  for (const char* part : {"core", "enc-base64", "md5", "evpkdf", "cipher-core", "aes"})
    script += fileText("crypto-js-" + version + "/" + part + ".js") + "\n";
  return script +
         "function aes(t){ var iv = CryptoJS.lib.WordArray.random(16);"
         " var key = CryptoJS.enc.Hex.parse('" + kAesKeyHex + "');"
         " return iv.toString() + ':' + CryptoJS.AES.encrypt(t, key, {iv: iv}).toString(); }";
}

inline std::string jsString(const std::string& text) {
  std::string out = "'";
  for (char c : text) {
    if (c == '\n') out += "\\n";
    else if (c == '\'' || c == '\\') out += std::string("\\") + c;
    else out += c;
  }
  return out + "'";
}

struct KeyDeleter {
  void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
using Key = std::unique_ptr<EVP_PKEY, KeyDeleter>;

inline std::string publicPem(EVP_PKEY* key) {
  BIO* bio = BIO_new(BIO_s_mem());
  PEM_write_bio_PUBKEY(bio, key);
  char* data = nullptr;
  long n = BIO_get_mem_data(bio, &data);
  std::string pem(data, static_cast<std::size_t>(n));
  BIO_free(bio);
  return pem;
}

// jsencrypt from the given vendored file, and a function enc(text) with the key's public half.
inline std::string rsaScript(const std::string& library, EVP_PKEY* key) {
  return fileText(library) + "\nvar PUBLIC_KEY = " + jsString(publicPem(key)) +
         ";\nfunction enc(t){ var e = new JSEncrypt(); e.setPublicKey(PUBLIC_KEY); return e.encrypt(t); }";
}

inline std::string base64Decode(const std::string& text) {
  std::string out(text.size(), '\0');
  int n = EVP_DecodeBlock(reinterpret_cast<unsigned char*>(out.data()),
                          reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
  if (n < 0) return {};
  std::size_t padding = text.size() >= 2 && text.substr(text.size() - 2) == "==" ? 2 : !text.empty() && text.back() == '=' ? 1 : 0;
  out.resize(static_cast<std::size_t>(n) - padding);
  return out;
}

inline std::string fromHex(const std::string& hex) {
  std::string out;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return out;
}

// The plain text, or empty when the key does not open the cipher text.
inline std::string rsaDecrypt(EVP_PKEY* key, const std::string& cipher) {
  EVP_PKEY_CTX* ctx = EVP_PKEY_CTX_new(key, nullptr);
  std::string out(512, '\0');
  std::size_t n = out.size();
  bool ok = EVP_PKEY_decrypt_init(ctx) > 0 && EVP_PKEY_CTX_set_rsa_padding(ctx, RSA_PKCS1_PADDING) > 0 &&
            EVP_PKEY_decrypt(ctx, reinterpret_cast<unsigned char*>(out.data()), &n,
                             reinterpret_cast<const unsigned char*>(cipher.data()), cipher.size()) > 0;
  EVP_PKEY_CTX_free(ctx);
  out.resize(ok ? n : 0);
  return out;
}

// The plain text of aes()'s "<hex IV>:<base64>" result, or empty when it does not decrypt.
inline std::string aesDecrypt(const std::string& result) {
  if (result.size() < 33 || result[32] != ':') return {};
  const std::string key = fromHex(kAesKeyHex), iv = fromHex(result.substr(0, 32));
  const std::string cipher = base64Decode(result.substr(33));
  EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
  std::string out(cipher.size() + 32, '\0');
  int n = 0, tail = 0;
  bool ok = EVP_DecryptInit_ex(ctx, EVP_aes_128_cbc(), nullptr, reinterpret_cast<const unsigned char*>(key.data()),
                               reinterpret_cast<const unsigned char*>(iv.data())) > 0 &&
            EVP_DecryptUpdate(ctx, reinterpret_cast<unsigned char*>(out.data()), &n,
                              reinterpret_cast<const unsigned char*>(cipher.data()), static_cast<int>(cipher.size())) > 0 &&
            EVP_DecryptFinal_ex(ctx, reinterpret_cast<unsigned char*>(out.data()) + n, &tail) > 0;
  EVP_CIPHER_CTX_free(ctx);
  out.resize(ok ? static_cast<std::size_t>(n + tail) : 0);
  return out;
}

}  // namespace jsdebug::browsertest
