#include "net/DownloadDetail.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace jsdebug::net::detail;

TEST(DownloadDetail, WebAddressesAndTheirFragments) {
  struct Row {
    std::string typed;
    std::string sent;  // empty: refused
  };
  const Row rows[] = {
      {"http://a/b.js", "http://a/b.js"},
      {"HTTPS://a/b.js#top", "HTTPS://a/b.js"},
      {"http://a/b.js?x=1#", "http://a/b.js?x=1"},
      {"http://a/a b.js", "http://a/a b.js"},
      {"http://", ""},
      {"http://#x", ""},
      {"#http://a", ""},
      {"ftp://a/b.js", ""},
      {"httpx://a", ""},
      {"a/b.js", ""},
      {"", ""},
  };
  for (const Row& row : rows) EXPECT_EQ(row.sent, webAddress(row.typed)) << row.typed;
}

TEST(DownloadDetail, AnnouncedLengthIsOnlyAHint) {
  EXPECT_EQ(0u, reserveFor(-1));
  EXPECT_EQ(0u, reserveFor(0));
  EXPECT_EQ(5000u, reserveFor(5000));
  EXPECT_EQ(std::size_t{32} << 20, reserveFor(1LL << 40));
}

TEST(DownloadDetail, FailureTexts) {
  EXPECT_EQ("传输中断：收到 50000 字节，服务器说有 200000 字节", brokenOff(50000, 200000));
  EXPECT_EQ("服务器返回错误状态 404", errorStatus(404));
}

}  // namespace
