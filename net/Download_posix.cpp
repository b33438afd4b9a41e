#include "net/Download.h"

#include <curl/curl.h>

#include <algorithm>
#include <memory>
#include <mutex>

#include "net/DownloadDetail.h"

namespace jsdebug::net {

using namespace detail;

namespace {

void initializeCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct EasyCleanup {
  void operator()(CURL* curl) const noexcept { curl_easy_cleanup(curl); }
};
struct ListCleanup {
  void operator()(curl_slist* list) const noexcept { curl_slist_free_all(list); }
};

struct Transfer {
  CURL* curl;
  std::string body;
  bool sized = false;
};

std::size_t appendBody(char* data, std::size_t size, std::size_t count, void* user) {
  Transfer& t = *static_cast<Transfer*>(user);
  const std::size_t n = size * count;
  if (!t.sized) {
    t.sized = true;
    curl_off_t announced = -1;
    if (curl_easy_getinfo(t.curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &announced) == CURLE_OK)
      t.body.reserve(reserveFor(announced));
  }
  const std::size_t room = kMaxDownloadBytes - t.body.size();
  t.body.append(data, std::min(n, room));
  // Returning less than offered stops the transfer; what arrived so far is kept.
  return n <= room ? n : 0;
}

// Why a finished transfer did not give the script, in the user's words; empty when it did.
std::string failureOf(CURLcode code, CURL* c, const Transfer& transfer) {
  switch (code) {
    case CURLE_OK: {
      long status = 0;
      curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
      // The error page's text is no script.
      if (status >= 400) return errorStatus(status);
      return {};
    }
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
      return kHostNotFound;
    case CURLE_COULDNT_CONNECT:
      return kCannotConnect;
    case CURLE_OPERATION_TIMEDOUT:
      return kNoAnswer;
    case CURLE_PARTIAL_FILE: {
      curl_off_t announced = -1;
      curl_easy_getinfo(c, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &announced);
      return brokenOff(transfer.body.size(), static_cast<long long>(announced));
    }
    case CURLE_WRITE_ERROR:
      return kTooLarge;
    case CURLE_UNSUPPORTED_PROTOCOL:
      return kNotWebAddress;
    case CURLE_TOO_MANY_REDIRECTS:
      return kTooManyRedirects;
    default:
      return std::string("下载出错（") + curl_easy_strerror(code) + "）";
  }
}

}  // namespace

Download downloadScript(std::string_view typed) {
  // Without a scheme libcurl would guess one; an address we cannot split gives nothing.
  const std::string_view address = webAddress(typed);
  if (address.empty()) return {{}, kNotWebAddress};
  initializeCurlOnce();

  std::unique_ptr<CURL, EasyCleanup> curl(curl_easy_init());
  if (!curl) return {{}, kCannotStart};
  CURL* c = curl.get();
  Transfer transfer{c, {}, false};

  curl_slist* headers = nullptr;
  for (const char* line : {"Accept: */*", "Pragma: no-cache", "Cache-Control: no-cache"}) {
    curl_slist* grown = curl_slist_append(headers, line);
    if (!grown) break;
    headers = grown;
  }
  std::unique_ptr<curl_slist, ListCleanup> headerList(headers);

  // libcurl refuses a space anywhere in an address, so a pasted address with a stray space
  // would not even be requested; it goes out as %20, as a browser sends it. Other control
  // characters stay refused: a line break must never reach the request's header lines.
  std::string url;
  url.reserve(address.size());
  for (const char ch : address) {
    if (ch == ' ')
      url += "%20";
    else
      url += ch;
  }
  curl_easy_setopt(c, CURLOPT_URL, url.c_str());
  curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(c, CURLOPT_MAXREDIRS, static_cast<long>(kMaxRedirects));
  // The path goes out as typed, dot segments included.
  curl_easy_setopt(c, CURLOPT_PATH_AS_IS, 1L);
  curl_easy_setopt(c, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
  curl_easy_setopt(c, CURLOPT_USERAGENT, kDownloadUserAgent);
  curl_easy_setopt(c, CURLOPT_HTTPHEADER, headerList.get());
  curl_easy_setopt(c, CURLOPT_BUFFERSIZE, static_cast<long>(kReadSize));
  curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, static_cast<long>(kConnectTimeoutSeconds));
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, static_cast<long>(kStallSeconds));
  // Downloads run on worker threads: no SIGALRM-based timeouts.
  curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, appendBody);
  curl_easy_setopt(c, CURLOPT_WRITEDATA, &transfer);

  const CURLcode code = curl_easy_perform(c);
  std::string failure = failureOf(code, c, transfer);
  return {std::move(transfer.body), std::move(failure)};
}

}  // namespace jsdebug::net
