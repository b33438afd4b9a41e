#pragma once
// What both systems' downloads share: the limits, the test of an address, and the user's words
// for each way a download fails.

#include <cstddef>
#include <string>
#include <string_view>

namespace jsdebug::net::detail {

// Bodies arrive in pieces of up to this size, so a small script normally takes one piece.
inline constexpr std::size_t kReadSize = 102400;
inline constexpr int kConnectTimeoutSeconds = 30;
// A stalled server is given up after a minute without a byte; a slow but steady one is not.
inline constexpr int kStallSeconds = 60;
inline constexpr int kMaxRedirects = 10;

// The room set aside for a body the server announced: the announced length is only a hint, and
// a wrong or hostile header must not make a small body cost a large allocation.
std::size_t reserveFor(long long announced);

// The address without its fragment when it is an http or https address with something after
// the scheme; empty otherwise.
std::string_view webAddress(std::string_view address);

inline constexpr const char* kNotWebAddress = "只能下载http或https地址";
inline constexpr const char* kCannotStart = "无法开始下载";
inline constexpr const char* kHostNotFound = "找不到主机";
inline constexpr const char* kCannotConnect = "无法连接到服务器";
inline constexpr const char* kNoAnswer = "服务器长时间没有应答";
inline constexpr const char* kTooManyRedirects = "重定向次数过多";
inline constexpr const char* kTooLarge = "超过256MB，不是脚本";
std::string brokenOff(std::size_t received, long long announced);
std::string errorStatus(long status);

}  // namespace jsdebug::net::detail
