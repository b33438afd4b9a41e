#pragma once
// The routes the download tests ask the loopback server for: scripts, an error page, a body cut
// short, a length that lies, redirects that end and one that does not. The download's own tests
// (tests/net) and 下载JS代码's (tests/workflow) share them.

#include <stdlib.h>

#include <string>

#include "tests/support/LoopbackHttpServer.h"

namespace jsdebug::loopback {

inline std::string patterned(std::size_t size) {
  std::string s(size, '\0');
  for (std::size_t i = 0; i < size; ++i) s[i] = static_cast<char>('a' + (i * 7 + i / 251) % 26);
  return s;
}

// The test server is on this machine: a proxy configured for the user must not stand between.
inline const bool kNoProxy = [] {
  for (const char* name : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"}) {
#ifdef _WIN32
    SetEnvironmentVariableA(name, nullptr);
    _putenv_s(name, "");
#else
    ::unsetenv(name);
#endif
  }
  return true;
}();

inline HttpReply route(const std::string& request) {
  auto is = [&](const char* path) {
    return request.rfind(std::string("GET ") + path + " ", 0) == 0;
  };
  if (is("/test.js")) return {httpResponse("200 OK", "function f(){return 1}")};
  if (is("/nul.js")) return {httpResponse("200 OK", std::string("var a=1;\0var b=2;", 17))};
  if (is("/empty.js")) return {httpResponse("200 OK", "")};
  if (is("/missing.js")) return {httpResponse("404 Not Found", "<h1>没有这个文件</h1>")};
  if (is("/large.js")) return {httpResponse("200 OK", patterned(300000))};
  if (is("/unsized.js")) return {httpResponse("200 OK", patterned(150001), false)};
  if (is("/cut.js")) {
    std::string r = httpResponse("200 OK", patterned(200000));
    r.resize(r.size() - 150000);  // the server goes away with 50,000 bytes sent
    return {r};
  }
  if (is("/moved.js"))
    return {"HTTP/1.0 302 Found\r\nLocation: /test.js\r\nContent-Length: 5\r\n\r\nmoved"};
  if (is("/a%20b.js")) return {httpResponse("200 OK", "spaced")};
  if (is("/liar.js"))  // announces far more than it sends, then closes
    return {"HTTP/1.0 200 OK\r\nContent-Length: 999999999999\r\n\r\nvar a=1;"};
  if (is("/loop.js"))
    return {"HTTP/1.0 302 Found\r\nLocation: /loop.js\r\nContent-Length: 4\r\n\r\nloop"};
  if (is("/slow.js")) return {httpResponse("200 OK", "slow"), 400};
  if (is("/fast.js")) return {httpResponse("200 OK", "fast")};
  return {httpResponse("500 Internal Server Error", "")};
}

}  // namespace jsdebug::loopback
