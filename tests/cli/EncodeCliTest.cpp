// jsdebug-cli encode: the operations' bytes on standard output, reasons on standard error.

#include <gtest/gtest.h>

#include <fstream>

#include "tests/cli/CliHarness.h"
#include "tests/support/TempDir.h"
#include "text/Codec.h"

using jsdebug::testing::Outcome;
using jsdebug::testing::runCommand;

namespace {

class EncodeCli : public ::testing::Test {
 protected:
  std::string file(const std::string& bytes) {
    const std::string path = dir_.file("in" + std::to_string(count_++));
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

 private:
  jsdebug::testsupport::TempDir dir_{"jsdebug-encode-cli-"};
  int count_ = 0;
};

}  // namespace

TEST_F(EncodeCli, OutputsTheOperationsBytes) {
  struct Row {
    std::vector<std::string> options;
    std::string input;
    std::string out;
  };
  const Row rows[] = {
      {{"base64"}, "中文", "1tDOxA=="},
      {{"base64", "--charset", "utf8"}, "中文", "5Lit5paH"},
      {{"base64url"}, "\xFF\xEF", "_-8"},
      {{"base64-decode", "--charset", "utf8"}, "5Lit5paH", "中文"},
      {{"hex-decode"}, "00ff", std::string("\0\xFF", 2)},  // raw bytes, a NUL included
      {{"md5"}, std::string("a\0b", 3), "70350f6027bce3713f6b76473084309b"},  // the whole file
      {{"sha256", "--charset", "utf8"}, "中文",
       "72726d8818f693066ceb69afa364218b692e62ea92b385782363780f47529c21"},
      {{"md5", "--base64"}, "abc", "kAFQmDzST7DWlj99KOF/cg=="},
      {{"hmac-sha256", "--key", "hex:4a656665"}, "what do ya want for nothing?",
       "5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843"},
      // The key comes from a UTF-8 terminal and is read in the charset.
      {{"hmac-sha256", "--charset", "utf8", "--key", jsdebug::gbk::toUtf8("密钥")}, "中文",
       "57d968db66b4a9c5ec4ca7646baf27da2b515b754c20156e00a2fb3230113913"},
      {{"hmac-sha256", "--key", jsdebug::gbk::toUtf8("密钥")}, "中文",
       "d9c9f85af12a04dd7368916483448a5146ca2957410212c3f995b214a1356cb7"},
      {{"escape"}, "中 文", "%u4E2D%20%u6587"},
      {{"url", "--charset", "utf8"}, "中", "%E4%B8%AD"},
      {{"json-compact"}, "{ \"a\" : [ 1 ] }", "{\"a\":[1]}"},
      {{"timestamp"}, "1700000000\n", "2023-11-15 06:13:20"},
  };
  for (const Row& row : rows) {
    std::vector<std::string> args = {"encode"};
    args.insert(args.end(), row.options.begin(), row.options.end());
    args.push_back(file(row.input));
    const Outcome o = runCommand(args);
    EXPECT_EQ(0, o.status) << row.options[0] << ": " << o.err;
    EXPECT_EQ(row.out, o.out) << row.options[0];
    EXPECT_EQ("", o.err);
  }
}

TEST_F(EncodeCli, WhatCannotBeDecodedPrintsNothingAndSaysWhy) {
  const Outcome base64 = runCommand({"encode", "base64-decode", file("Zm9v!")});
  EXPECT_EQ("jsdebug-cli: invalid base64 at position 5\n", refusal(base64));
  const Outcome utf8 = runCommand({"encode", "hex-decode", "--charset", "utf8", file("d6d0")});
  EXPECT_EQ(1, utf8.status);
  EXPECT_EQ("jsdebug-cli: decoded bytes are not UTF-8: byte 1 (0xd6)\n", utf8.err);
  const Outcome missing = runCommand({"encode", "md5", "/no/such/file"});
  EXPECT_EQ(1, missing.status);
  EXPECT_EQ("", missing.out);
}

TEST_F(EncodeCli, UsageErrors) {
  const std::string f = file("x");
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"encode", "rot13", f},
           {"encode", "md5"},
           {"encode", "hmac-sha1", f},  // no key
           {"encode", "md5", "--charset", "latin1", f},
           {"encode", "md5", f, f},
           {"encode", "md5", f, "--key"},
       }) {
    const Outcome o = runCommand(args);
    EXPECT_EQ(2, o.status) << args[1];
    EXPECT_EQ("", o.out);
    EXPECT_NE(std::string::npos, o.err.find("usage")) << o.err;
  }
}
