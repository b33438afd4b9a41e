#include "net/Download.h"

#include <algorithm>

#include "net/DownloadDetail.h"
#include "text/Text.h"

namespace jsdebug::net {

std::string downloadBytes(std::string_view address) { return downloadScript(address).bytes; }

namespace detail {

std::size_t reserveFor(long long announced) {
  constexpr std::size_t kMaxReserve = std::size_t{32} << 20;
  return announced > 0 ? std::min(static_cast<std::size_t>(announced), kMaxReserve) : 0;
}

std::string_view webAddress(std::string_view address) {
  address = address.substr(0, address.find('#'));
  const std::size_t colon = address.find("://");
  if (colon == std::string_view::npos) return {};
  const std::string_view scheme = address.substr(0, colon);
  const bool web = text::equalsIgnoringAsciiCase(scheme, "http") || text::equalsIgnoringAsciiCase(scheme, "https");
  return web && address.size() > colon + 3 ? address : std::string_view();
}

std::string brokenOff(std::size_t received, long long announced) {
  return "传输中断：收到 " + std::to_string(received) + " 字节，服务器说有 " + std::to_string(announced) +
         " 字节";
}

std::string errorStatus(long status) { return "服务器返回错误状态 " + std::to_string(status); }

}  // namespace detail
}  // namespace jsdebug::net
