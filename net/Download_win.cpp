// The download through WinHTTP: the system's proxy settings, its certificate checks, redirects
// followed by the system, the same cap and failure texts as the Linux download.
#include "net/Download.h"

#include <windows.h>
#include <winhttp.h>

#include <algorithm>
#include <memory>

#include "text/Text.h"

namespace jsdebug::net {

namespace {

constexpr DWORD kReadSize = 102400;
constexpr int kConnectTimeoutMs = 30000;
// A stalled server is given up after a minute without a byte.
constexpr int kStallMs = 60000;
constexpr DWORD kMaxRedirects = 10;
constexpr std::size_t kMaxReserve = std::size_t{32} << 20;

struct InternetClose {
  void operator()(HINTERNET handle) const noexcept { WinHttpCloseHandle(handle); }
};
using Handle = std::unique_ptr<void, InternetClose>;

bool isWebAddress(std::string_view address) {
  const std::size_t colon = address.find("://");
  if (colon == std::string_view::npos) return false;
  const std::string_view scheme = address.substr(0, colon);
  return (text::equalsIgnoringAsciiCase(scheme, "http") || text::equalsIgnoringAsciiCase(scheme, "https")) &&
         address.size() > colon + 3;
}

std::wstring wide(std::string_view narrow) {
  if (narrow.empty()) return {};
  const int n = MultiByteToWideChar(CP_ACP, 0, narrow.data(), static_cast<int>(narrow.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, narrow.data(), static_cast<int>(narrow.size()), out.data(), n);
  return out;
}

std::string failureOf(DWORD error) {
  switch (error) {
    case ERROR_WINHTTP_NAME_NOT_RESOLVED:
      return "找不到主机";
    case ERROR_WINHTTP_CANNOT_CONNECT:
      return "无法连接到服务器";
    case ERROR_WINHTTP_TIMEOUT:
      return "服务器长时间没有应答";
    case ERROR_WINHTTP_UNRECOGNIZED_SCHEME:
    case ERROR_WINHTTP_INVALID_URL:
      return "只能下载http或https地址";
    case ERROR_WINHTTP_REDIRECT_FAILED:
      return "重定向次数过多";
    default:
      return "下载出错（WinHTTP " + std::to_string(error) + "）";
  }
}

}  // namespace

std::string downloadBytes(std::string_view address) { return downloadScript(address).bytes; }

Download downloadScript(std::string_view address) {
  address = address.substr(0, address.find('#'));
  if (!isWebAddress(address)) return {{}, "只能下载http或https地址"};
  // A pasted address with a stray space goes out as %20, as a browser sends it; other control
  // characters are refused: a line break must never reach the request's header lines.
  std::string url;
  for (const char ch : address) {
    if (ch == ' ') {
      url += "%20";
    } else {
      if (static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F) return {{}, "只能下载http或https地址"};
      url += ch;
    }
  }
  std::wstring wideUrl = wide(url);
  URL_COMPONENTS parts{};
  parts.dwStructSize = sizeof parts;
  wchar_t host[256] = {}, user[256] = {}, password[256] = {};
  parts.lpszHostName = host;
  parts.dwHostNameLength = 256;
  parts.lpszUserName = user;
  parts.dwUserNameLength = 256;
  parts.lpszPassword = password;
  parts.dwPasswordLength = 256;
  parts.dwUrlPathLength = static_cast<DWORD>(-1);
  parts.dwExtraInfoLength = static_cast<DWORD>(-1);
  if (!WinHttpCrackUrl(wideUrl.c_str(), 0, 0, &parts)) return {{}, "只能下载http或https地址"};
  std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
  path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  if (path.empty()) path = L"/";

  Handle session(WinHttpOpen(wide(kDownloadUserAgent).c_str(), WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                             WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
  if (!session) return {{}, "无法开始下载"};
  WinHttpSetTimeouts(session.get(), kConnectTimeoutMs, kConnectTimeoutMs, kStallMs, kStallMs);
  DWORD redirects = kMaxRedirects;
  WinHttpSetOption(session.get(), WINHTTP_OPTION_MAX_HTTP_AUTOMATIC_REDIRECTS, &redirects, sizeof redirects);
  Handle connection(WinHttpConnect(session.get(), host, parts.nPort, 0));
  if (!connection) return {{}, failureOf(GetLastError())};
  const DWORD secure = parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0;
  Handle request(WinHttpOpenRequest(connection.get(), L"GET", path.c_str(), L"HTTP/1.0",
                                    WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES, secure));
  if (!request) return {{}, failureOf(GetLastError())};
  if (parts.dwUserNameLength > 0)
    WinHttpSetCredentials(request.get(), WINHTTP_AUTH_TARGET_SERVER, WINHTTP_AUTH_SCHEME_BASIC, user,
                          password, nullptr);
  const wchar_t* headers = L"Accept: */*\r\nPragma: no-cache\r\nCache-Control: no-cache\r\n";
  if (!WinHttpSendRequest(request.get(), headers, static_cast<DWORD>(-1), WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
      !WinHttpReceiveResponse(request.get(), nullptr))
    return {{}, failureOf(GetLastError())};

  DWORD status = 0, size = sizeof status;
  WinHttpQueryHeaders(request.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                      WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX);
  long long announced = -1;
  wchar_t lengthText[32] = {};
  DWORD lengthSize = sizeof lengthText;
  if (WinHttpQueryHeaders(request.get(), WINHTTP_QUERY_CONTENT_LENGTH, WINHTTP_HEADER_NAME_BY_INDEX,
                          lengthText, &lengthSize, WINHTTP_NO_HEADER_INDEX))
    announced = _wtoi64(lengthText);

  Download result;
  if (announced > 0)
    result.bytes.reserve(std::min<std::size_t>(static_cast<std::size_t>(announced), kMaxReserve));
  std::string chunk(kReadSize, '\0');
  for (;;) {
    DWORD got = 0;
    if (!WinHttpReadData(request.get(), chunk.data(), kReadSize, &got)) {
      const DWORD error = GetLastError();
      if (error == ERROR_WINHTTP_TIMEOUT) {
        result.failure = failureOf(error);
        return result;
      }
      break;  // broken off: the length check below says so
    }
    if (got == 0) break;
    const std::size_t room = kMaxDownloadBytes - result.bytes.size();
    result.bytes.append(chunk.data(), std::min<std::size_t>(got, room));
    if (got > room) {
      result.failure = "超过256MB，不是脚本";
      return result;
    }
  }
  if (announced >= 0 && static_cast<long long>(result.bytes.size()) < announced) {
    result.failure = "传输中断：收到 " + std::to_string(result.bytes.size()) + " 字节，服务器说有 " +
                     std::to_string(announced) + " 字节";
  } else if (status >= 400) {
    result.failure = "服务器返回错误状态 " + std::to_string(status);
  }
  return result;
}

}  // namespace jsdebug::net
