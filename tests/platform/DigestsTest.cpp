// The system's cryptography behind platform/Digests.h (OpenSSL here, BCrypt on Windows): the same
// answers fed whole or in pieces, the empty key, and a reused key. The published vectors for each
// operation are the 编码工具's rows in tests/encode.

#include "platform/Digests.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace jsdebug::platform;

std::string hex(const std::optional<std::string>& raw) {
  if (!raw) return "(failed)";
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  for (unsigned char c : *raw) {
    out += kDigits[c >> 4];
    out += kDigits[c & 15];
  }
  return out;
}

std::optional<std::string> inPieces(Hasher& hasher, const std::string& bytes, std::size_t piece) {
  for (std::size_t at = 0; at < bytes.size(); at += piece)
    hasher.update(std::string_view(bytes).substr(at, piece));
  return hasher.finish();
}

}  // namespace

TEST(Digests, PiecesEmptyKeysAndBlockBoundaries) {
  struct Row {
    DigestKind kind;
    bool keyed;
    std::string key;
    std::string input;
    const char* expected;
  };
  // 200 bytes cross the 64- and 128-byte blocks in pieces that do not line up with them.
  const std::string long200(200, 'x');
  const std::vector<Row> rows = {
      {DigestKind::Md5, false, "", "", "d41d8cd98f00b204e9800998ecf8427e"},
      {DigestKind::Md5, false, "", "message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
      {DigestKind::Sha1, false, "", "", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
      {DigestKind::Sha256, false, "", long200,
       "aa20c23e3201834050679e1d88941b9a6fed0557c9a705cb2c315e2e63fd486d"},
      // The empty key, which HMAC pads to a block of zero bytes.
      {DigestKind::Md5, true, "", "", "74e6f7298a9c2d168935f58c001bad88"},
      {DigestKind::Sha1, true, "", "", "fbdb1d1b18aa6c08324b7d64b71fb76370690e1d"},
      {DigestKind::Sha256, true, "", "",
       "b613679a0814d9ec772f95d778c35fc5ff1697c493715653c6c712144292c5ad"},
      {DigestKind::Sha512, true, "key", long200,
       "854e8fd32f471ce238df9dec87ba9f78f42c47b15288d2a21d225a145aa67eb879bef3282615a42233553e8a281515876491ccffc3692d3eda0d5f70759fa9d8"},
  };
  for (const Row& row : rows) {
    const auto whole = row.keyed ? hmac(row.kind, row.key, row.input) : digest(row.kind, row.input);
    EXPECT_EQ(row.expected, hex(whole)) << row.input;
    for (std::size_t piece : {std::size_t{1}, std::size_t{7}, std::size_t{64}, std::size_t{129}}) {
      Hasher hasher = row.keyed ? Hasher(row.kind, row.key) : Hasher(row.kind);
      EXPECT_EQ(hex(whole), hex(inPieces(hasher, row.input, piece))) << "pieces of " << piece;
    }
  }
}
