// The download through WinHTTP: the system's proxy settings, its certificate checks, redirects
// followed by the system; the limits and the failure texts are those of the Linux download.
#include "net/Download.h"

#include <windows.h>
#include <winhttp.h>

#include <algorithm>
#include <memory>

#include "net/DownloadDetail.h"

namespace jsdebug::net {

using namespace detail;

namespace {

struct InternetClose {
  void operator()(HINTERNET handle) const noexcept { WinHttpCloseHandle(handle); }
};
using Handle = std::unique_ptr<void, InternetClose>;

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
      return kHostNotFound;
    case ERROR_WINHTTP_CANNOT_CONNECT:
      return kCannotConnect;
    case ERROR_WINHTTP_TIMEOUT:
      return kNoAnswer;
    case ERROR_WINHTTP_UNRECOGNIZED_SCHEME:
    case ERROR_WINHTTP_INVALID_URL:
      return kNotWebAddress;
    case ERROR_WINHTTP_REDIRECT_FAILED:
      return kTooManyRedirects;
    default:
      return "下载出错（WinHTTP " + std::to_string(error) + "）";
  }
}

}  // namespace

Download downloadScript(std::string_view typed) {
  const std::string_view address = webAddress(typed);
  if (address.empty()) return {{}, kNotWebAddress};
  // A pasted address with a stray space goes out as %20, as a browser sends it; other control
  // characters are refused: a line break must never reach the request's header lines.
  std::string url;
  for (const char ch : address) {
    if (ch == ' ') {
      url += "%20";
    } else {
      if (static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F) return {{}, kNotWebAddress};
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
  if (!WinHttpCrackUrl(wideUrl.c_str(), 0, 0, &parts)) return {{}, kNotWebAddress};
  std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
  path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  if (path.empty()) path = L"/";

  Handle session(WinHttpOpen(wide(kDownloadUserAgent).c_str(), WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                             WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
  if (!session) return {{}, kCannotStart};
  WinHttpSetTimeouts(session.get(), kConnectTimeoutSeconds * 1000, kConnectTimeoutSeconds * 1000, kStallSeconds * 1000,
                     kStallSeconds * 1000);
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
  result.bytes.reserve(reserveFor(announced));
  std::string chunk(kReadSize, '\0');
  for (;;) {
    DWORD got = 0;
    if (!WinHttpReadData(request.get(), chunk.data(), static_cast<DWORD>(kReadSize), &got)) {
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
      result.failure = kTooLarge;
      return result;
    }
  }
  if (announced >= 0 && static_cast<long long>(result.bytes.size()) < announced) {
    result.failure = brokenOff(result.bytes.size(), announced);
  } else if (status >= 400) {
    result.failure = errorStatus(static_cast<long>(status));
  }
  return result;
}

}  // namespace jsdebug::net
