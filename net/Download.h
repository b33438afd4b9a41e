#pragma once
// HTTP GET of a script, as the "下载JS代码" worker needs it.

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/FileBytes.h"

namespace jsdebug::net {

inline constexpr const char* kDownloadUserAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

// Far more than any script; a server that never stops sending must not take all memory.
inline constexpr std::size_t kMaxDownloadBytes = platform::kMaxScriptBytes;

// The body of the response to a GET of `address`, whatever the status: an error page is returned
// like any other body. Only http and https addresses are fetched; anything else, an empty or
// unparsable address, or a failed connection gives no bytes. A transfer that breaks off gives
// the bytes that had arrived. The fragment is dropped; user name and password are taken from
// the address; a space goes out as %20; the system's proxy settings (the usual *_proxy
// variables) apply. Safe to call from several threads at once.
std::string downloadBytes(std::string_view address);

// A download as "下载JS代码" needs it: the bytes, and why they are not the script when they are
// not (GBK, empty on success). An address that is no http or https address, a host that cannot
// be found or reached, a transfer that breaks off before its announced length or passes the cap,
// and an HTTP error status are failures; an empty body is not.
struct Download {
  std::string bytes;
  std::string failure;
};
Download downloadScript(std::string_view address);

}  // namespace jsdebug::net
